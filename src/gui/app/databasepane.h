#pragma once
// The right-hand pane of the main window: a title strip with a close box above either the
// sentence database panel or the item database panel.
#include <QWidget>

class QLabel;
class QToolButton;

class TDatabasePane : public QWidget {
    Q_OBJECT
public:
    explicit TDatabasePane(QWidget* parent);

    QWidget* SentencePanel() const { return m_sentences; }
    QWidget* ItemPanel() const { return m_items; }
    QString Title() const;
    QToolButton* CloseBox() const { return m_close; }

    // Shows one panel with its title; none hides both and clears the title.
    enum class TKind { None, Sentences, Items };
    void ShowKind(TKind kind);
    TKind Kind() const { return m_kind; }

signals:
    void CloseClicked();

private:
    QLabel* m_title;
    QToolButton* m_close;
    QWidget* m_sentences;
    QWidget* m_items;
    TKind m_kind = TKind::None;
};
