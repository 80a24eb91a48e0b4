#pragma once
// The memo of descriptions and item texts: it takes only what the code page can store, and
// Tab, Shift+Tab, Ctrl+Tab and Ctrl+Shift+Tab move the focus on instead of typing a TAB.
#include <QPlainTextEdit>

class TTextMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TTextMemo(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    // Paste by key or menu, the middle button and drops all come through here.
    void insertFromMimeData(const QMimeData* source) override;
};

// Ctrl+Tab and Ctrl+Shift+Tab (also Ctrl+Backtab): the keys that leave a field that keeps Tab.
// Gives 1 for forward, -1 for backward, 0 for any other key.
int LeavingKeyDirection(const QKeyEvent& event);
