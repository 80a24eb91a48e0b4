#include "gui/room/fieldevents.h"

#include <QFocusEvent>
#include <QKeyEvent>

bool IsLeaving(const QEvent* event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

bool IsF5Down(const QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F5 && key->modifiers() == Qt::NoModifier && !key->isAutoRepeat();
}
