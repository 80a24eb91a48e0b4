#pragma once
// The one-line text prompt: a question, a text field, OK and Cancel. Used for item, synonym
// and exit ids, output directory names and sentence categories.
#include <QDialog>
#include <QString>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

class TFormText : public QDialog {
    Q_OBJECT
public:
    explicit TFormText(QWidget* parent = nullptr);

    // Sets the question and the proposed text; the next showing selects the whole text.
    void Prepare(const QString& question, const QString& text);
    QString Text() const;

    // Shows the prepared prompt modally; the text only when the user chose OK.
    std::optional<QString> Run();

    // The prompt of a window: created on first use as the window's child and reused after.
    static TFormText& Of(QWidget* window);
    // Prepares and runs the window's prompt (a private one when window is null).
    static std::optional<QString> Ask(QWidget* window, const QString& question, const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_question;
    QLineEdit* m_text;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
