#pragma once
// Paints the map of an area: background, grid, room-centre marks, rooms with their fills,
// frames and links, and the active-cell frame, for any pixel rectangle of the picture.
#include "model/roomlist.h"
#include "render/mapgeometry.h"

#include <QColor>
#include <QImage>
#include <QPainter>

struct TMapViewOptions {
    int ZoomPercent = 100;
    bool Grid = true;
    bool RoomCenters = true;
    bool RoomFill = true;
    QColor Background = QColor(0xF0, 0xF0, 0xF0); // the button-face colour
};

class TMapPainter {
public:
    TMapPainter(const TRoomList& area, const TMapViewOptions& options);

    const TMapGeometry& Geometry() const { return m_geometry; }

    // Everything that belongs inside the clip rectangle (picture pixels): background, grid,
    // marks and every room or link that reaches into it, in the same order as a full paint.
    void Paint(QPainter& p, const QRect& clip) const;
    // One room over what is there: fill, frame and its east, south, south-east, north-east links.
    void PaintRoom(QPainter& p, const TRoom& room) const;
    // The highlight frame of a cell (on) or its ordinary border (off).
    void PaintActive(QPainter& p, bool on, TGridPoint cell) const;

private:
    const TRoomList& m_area;
    TMapViewOptions m_options;
    TMapGeometry m_geometry;
};

// The whole picture in RGB32.
QImage RenderMap(const TRoomList& area, const TMapViewOptions& options);
// An indexed copy with a fixed palette (16 colours for 4 bits, 256 for 8) holding the
// default area colours and the background exactly.
QImage ToIndexedPicture(const QImage& rgb, int bitsPerPixel, const QColor& background);
// Writes a Windows BMP of 4 or 8 bits per pixel; throws EKbError on failure.
void SaveMapBmp(const QImage& indexed, const std::string& fileName);
// Area file name without its last four characters, "_", the zoom, ".bmp".
std::string BmpFileName(const std::string& areaFileName, int zoomPercent);

// Colour of a Windows COLORREF (0x00BBGGRR).
inline QColor FromColorRef(int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
