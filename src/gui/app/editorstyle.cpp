#include "gui/app/editorstyle.h"

#include <QApplication>
#include <QPainter>

void TEditorStyle::Install()
{
    if (!qobject_cast<TEditorStyle*>(QApplication::style()))
        QApplication::setStyle(new TEditorStyle);
}

QPixmap TEditorStyle::generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap, const QStyleOption* option) const
{
    QPixmap generated = QProxyStyle::generatedIconPixmap(mode, pixmap, option);
    if (mode != QIcon::Disabled)
        return generated;
    QPixmap faded(generated.size());
    faded.setDevicePixelRatio(generated.devicePixelRatio());
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setOpacity(0.3);
    painter.drawPixmap(0, 0, generated);
    return faded;
}
