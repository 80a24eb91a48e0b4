#include "gui/room/markercolour.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace {
void Paint(QWidget& widget, QPalette::ColorRole role, bool same, QPalette::ColorRole otherwise)
{
    QPalette pal = widget.palette();
    pal.setColor(role, QApplication::palette().color(same ? QPalette::ToolTipBase : otherwise));
    widget.setPalette(pal);
}
} // namespace

void PaintFieldMarker(QWidget& field, bool same)
{
    Paint(field, QPalette::Base, same, QPalette::Base);
}

void PaintBoxMarker(QWidget& box, bool same)
{
    box.setAutoFillBackground(true);
    Paint(box, box.backgroundRole(), same, QPalette::Button);
}
