#include "gui/map/cursorfactory.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <stdexcept>

namespace {

const QPoint HotSpot(5, 5);
// The picture of a cursor is drawn on a 20 x 20 unit square below and right of the cross;
// the small set uses half a pixel per unit.
const QPointF PictureOrigin(11, 11);
constexpr double PictureUnits = 20;

QPen Halo()
{
    QPen pen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    return pen;
}

QPen Ink()
{
    QPen pen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    return pen;
}

// Black on a white outline, so that the cursor shows on every map colour.
void DrawCross(QPainter& p)
{
    const QLine arms[] = {{HotSpot.x() - 4, HotSpot.y(), HotSpot.x() + 4, HotSpot.y()},
                          {HotSpot.x(), HotSpot.y() - 4, HotSpot.x(), HotSpot.y() + 4}};
    p.setPen(Halo());
    p.drawLines(arms, 2);
    p.setPen(Ink());
    p.drawLines(arms, 2);
}

void DrawHouse(QPainter& p)
{
    const QPolygonF roof({{10, 1}, {19, 9}, {1, 9}});
    const QRectF body(3, 9, 14, 10);
    p.setPen(Halo());
    p.setBrush(Qt::white);
    p.drawPolygon(roof);
    p.drawRect(body);
    p.setPen(Ink());
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(roof);
    p.drawRect(body);
    p.drawRect(QRectF(8, 13, 4, 6));
}

// A stretch of road through the middle of the square, turned to the link's axis.
void DrawRoad(QPainter& p, double angle)
{
    p.save();
    p.translate(PictureUnits / 2, PictureUnits / 2);
    p.rotate(angle);
    const QRectF road(-10, -4, 20, 8);
    p.setPen(Halo());
    p.setBrush(Qt::white);
    p.drawRect(road);
    p.setPen(Ink());
    p.drawLine(road.topLeft(), road.topRight());
    p.drawLine(road.bottomLeft(), road.bottomRight());
    for (double x : {-8.0, -2.0, 4.0})
        p.drawLine(QPointF(x, 0), QPointF(x + 4, 0));
    p.restore();
}

QPixmap CursorPicture(int slot)
{
    QImage image(MapCursorSize, MapCursorSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    DrawCross(p);
    const bool small = slot > MapCursorSmallOffset;
    const int role = small ? slot - MapCursorSmallOffset : slot;
    p.translate(PictureOrigin);
    p.scale(small ? 0.5 : 1.0, small ? 0.5 : 1.0);
    switch (role) {
    case mcHouse: DrawHouse(p); break;
    case mcEW: DrawRoad(p, 0); break;
    case mcNS: DrawRoad(p, 90); break;
    case mcNWSE: DrawRoad(p, 45); break;  // y grows downwards: +45 degrees runs to the south-east
    case mcSWNE: DrawRoad(p, -45); break;
    }
    p.end();
    return QPixmap::fromImage(image);
}

// A pencil with its point at tip, lying from the lower left to the upper right.
void DrawPencil(QPainter& p, QPointF tip)
{
    p.save();
    p.translate(tip);
    p.rotate(-45);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xF0, 0xD2, 0xA0));
    p.drawPolygon(QPolygonF({{0, 0}, {5, -2.5}, {5, 2.5}}));
    p.setBrush(QColor(0xE6, 0xB4, 0x28));
    p.drawRect(QRectF(5, -2.5, 10, 5));
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({{0, 0}, {1.8, -0.9}, {1.8, 0.9}}));
    p.restore();
}

} // namespace

const char* MapCursorName(int slot)
{
    static const char* const names[MapCursorCount] = {
        "CURSOR_HOUSE",  "CURSOR_EW",  "CURSOR_NS",  "CURSOR_NWSE",  "CURSOR_SWNE",
        "CURSOR_HOUSE2", "CURSOR_EW2", "CURSOR_NS2", "CURSOR_NWSE2", "CURSOR_SWNE2"};
    return slot >= 1 && slot <= MapCursorCount ? names[slot - 1] : "";
}

QCursor MapCursor(int slot)
{
    if (slot < 1 || slot > MapCursorCount)
        throw std::out_of_range("map cursor slot");
    return QCursor(CursorPicture(slot), HotSpot.x(), HotSpot.y());
}

QPixmap PenGlyph(bool down)
{
    QImage image(PenGlyphSize, PenGlyphSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double paper = 18.5;
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DotLine));
    p.drawLine(QPointF(1, paper), QPointF(20, paper));
    if (down) {
        // The line the pen has drawn behind it.
        p.setPen(QPen(QColor(0x00, 0x30, 0xC0), 1.5));
        p.drawPolyline(QPolygonF({{4, paper}, {8, paper - 2}, {12, paper}, {16, paper - 2}, {20, paper}}));
        DrawPencil(p, QPointF(4, paper));
    } else {
        DrawPencil(p, QPointF(5, paper - 6));
    }
    p.end();
    return QPixmap::fromImage(image);
}

QPixmap ArrowGlyph(bool up)
{
    QImage image(ArrowGlyphSize, ArrowGlyphSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    if (up)
        p.drawPolygon(QPolygon({{3, 11}, {13, 11}, {8, 5}}));
    else
        p.drawPolygon(QPolygon({{3, 5}, {13, 5}, {8, 11}}));
    p.end();
    return QPixmap::fromImage(image);
}
