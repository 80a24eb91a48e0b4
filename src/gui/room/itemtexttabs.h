#pragma once
// The six texts of an item, one memo per tab in the order Descr., Listen, Smell, Touch,
// Search, Read. The five sense memos carry a "Default"/"Clear" pop-up menu; the panel's tabs
// carry a picture that tells whether the text is empty.
#include "model/types.h"

#include <QIcon>
#include <QTabWidget>
#include <array>

class QPlainTextEdit;

class TItemTextTabs : public QTabWidget {
    Q_OBJECT
public:
    // The dialog names the first tab "Description" and shows no pictures.
    TItemTextTabs(bool inDialog, QWidget* parent);

    static constexpr int Count = 6;
    QPlainTextEdit* Memo(int tab) const { return m_memos[tab]; }

    // Tab's picture: 1 when the text is not blank once joined, else 0 (panel only).
    void SetShape(const TStrings& text, int tab);
    // 0 or 1, as SetShape last chose; -1 without pictures.
    int Shape(int tab) const { return m_shapes[tab]; }
    static QIcon Picture(int shape);

    // The line "Default" writes into a sense memo; empty for the description.
    static QString DefaultLine(int tab);

signals:
    // The memo lost the keyboard focus, or "Default"/"Clear" rewrote it.
    void MemoLeft(int tab);
    // Every change of a memo's text, typed or set.
    void MemoChanged(int tab);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ResetMemo(int tab, bool withDefault);

    const bool m_pictures;
    std::array<QPlainTextEdit*, Count> m_memos{};
    std::array<int, Count> m_shapes{-1, -1, -1, -1, -1, -1};
};
