#include "gui/shared/textmemo.h"

#include "gui/shared/codepagefilter.h"

#include <QKeyEvent>
#include <QMimeData>

int LeavingKeyDirection(const QKeyEvent& event)
{
    if (!event.modifiers().testFlag(Qt::ControlModifier) || event.modifiers().testFlag(Qt::AltModifier))
        return 0;
    if (event.key() == Qt::Key_Backtab || (event.key() == Qt::Key_Tab && event.modifiers().testFlag(Qt::ShiftModifier)))
        return -1;
    return event.key() == Qt::Key_Tab ? 1 : 0;
}

TTextMemo::TTextMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}

void TTextMemo::keyPressEvent(QKeyEvent* event)
{
    if (const int direction = LeavingKeyDirection(*event)) {
        focusNextPrevChild(direction > 0);
        event->accept();
        return;
    }
    // Tab with other modifiers than Shift and Ctrl reaches here too: it types nothing either.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        event->ignore();
        return;
    }
    if (!event->text().isEmpty() && RefuseUnstorable(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TTextMemo::inputMethodEvent(QInputMethodEvent* event)
{
    if (RefuseUnstorable(event->commitString())) {
        // The composition ends without its text.
        QInputMethodEvent cleared;
        QPlainTextEdit::inputMethodEvent(&cleared);
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void TTextMemo::insertFromMimeData(const QMimeData* source)
{
    if (source && source->hasText() && RefuseUnstorable(source->text()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}
