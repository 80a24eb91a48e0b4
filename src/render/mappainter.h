#pragma once
// Paints the map of an area: background, grid, room-centre marks, rooms with their fills,
// frames and links, and the active-cell frame, for any pixel rectangle of the picture.
#include "model/roomlist.h"
#include "render/mapbitmap.h"
#include "render/mapcolors.h"
#include "render/mapgeometry.h"

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainter>

#include <array>

struct TMapViewOptions {
    int ZoomPercent = 100;
    bool Grid = true;
    bool RoomCenters = true;
    bool RoomFill = true;
    QColor Background = DefaultMapBackground(); // the button-face colour
    // The cell that Paint shows with the red active frame; X = 0 for none.
    TGridPoint Active{};
};

class TMapPainter {
public:
    TMapPainter(const TRoomList& area, const TMapViewOptions& options);

    const TMapGeometry& Geometry() const { return m_geometry; }
    const TMapViewOptions& Options() const { return m_options; }

    // Everything that belongs inside the clip rectangle (picture pixels): background, grid,
    // marks and every room or link that reaches into it, in the same order as a full paint,
    // then the active frame of Options().Active. Pixels outside the clip stay untouched, so a
    // partial paint equals the same region of a full one. The painter works in picture
    // coordinates (a widget translates it by its scroll position).
    void Paint(QPainter& p, const QRect& clip) const;
    // One room over what is there: fill, frame and its east, south, south-east, north-east links.
    void PaintRoom(QPainter& p, const TRoom& room) const;
    // The highlight frame of a cell (on), or the cell's ordinary border (off). Off repaints
    // the frame's pixels as a full paint without the highlight has them, so links and the
    // frames of neighbouring rooms that share those pixels come back too.
    void PaintActive(QPainter& p, bool on, TGridPoint cell) const;

    // Picture pixels the active frame of a cell covers (what PaintActive touches).
    QRect ActiveFrameRect(TGridPoint cell) const;
    // Picture pixels a room's paint may touch, its links included.
    QRect RoomPaintRect(const TRoom& room) const;

private:
    void PaintLayers(QPainter& p, const QRect& clip, bool withActive) const;
    void PaintFill(QPainter& p, const TRoom& room) const;
    void PaintLinks(QPainter& p, const TRoom& room) const;
    void PaintBorder(QPainter& p, TGridPoint cell, const QColor& inner, const QColor& outer) const;
    QColor AreaColor(int index) const { return m_colors[index]; }

    const TRoomList& m_area;
    TMapViewOptions m_options;
    TMapGeometry m_geometry;
    std::array<QColor, 19> m_colors;
    QBrush m_hatch;  // diagonal lines rising to the right in the "Empty" colour, gaps transparent
    QBrush m_dotted; // every other pixel of a row in the "Empty" colour
};

// The whole picture in RGB32; throws EKbError when the picture is too large to hold.
QImage RenderMap(const TRoomList& area, const TMapViewOptions& options);
