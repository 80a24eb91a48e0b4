#pragma once
// Pixel geometry of the painted map at one zoom: cell size, margins, pen widths, marks.
#include "model/types.h"

#include <QRect>
#include <QSize>
#include <array>

// The eight zoom items of the zoom list, in order: 25, 50, 75, 100, 150, 200, 300, 400.
const std::array<int, 8>& ZoomLevels();
// Index into ZoomLevels of a percentage, or -1.
int ZoomIndexOf(int zoomPercent);
// Pen width of links and frames: 1, 1, 1, 2, 3, 3, 3, 3 for the zoom items; 1 otherwise.
int CountPenWidth(int zoomPercent);

constexpr int MapMargin = 10;
constexpr long long MaxZoomedPixels = 20000000;

class TMapGeometry {
public:
    TMapGeometry(int zoomPercent, int widthCells, int heightCells);

    int ZoomPercent() const { return m_zoom; }
    int CellSize() const { return m_cell; }
    int PenWidth() const { return CountPenWidth(m_zoom); }
    int MarkSize() const;   // Round(zoom * 0.02) + 1, halves to even
    int MarkOffset() const; // CellSize div 2 - Round(MarkSize * 0.5)

    int GetLeft(int x) const { return (x - 1) * m_cell + MapMargin + 1; }
    int GetRight(int x) const { return x * m_cell + MapMargin; }
    int GetTop(int y) const { return (y - 1) * m_cell + MapMargin + 1; }
    int GetBottom(int y) const { return y * m_cell + MapMargin; }

    // The picture's sides in 64 bits: a huge grid at a high zoom overflows an int.
    long long PictureWidth() const;
    long long PictureHeight() const;
    // The size for widgets and images, each side capped at the largest int.
    QSize PictureSize() const;
    // Capped at the largest long long, which no picture can reach.
    long long PixelCount() const;
    // The cell under a picture pixel before any range check; a pixel in the left or top
    // margin gives 0 on that axis.
    TGridPoint RawCellAt(int px, int py) const;
    // Cells (clamped to the grid) touched by a pixel rectangle, as x1, y1 .. x2, y2 inclusive.
    QRect CellsCovering(const QRect& pixels) const;

private:
    int m_zoom;
    int m_cell;
    int m_width;
    int m_height;
};

// The zoom step-down rule: from zoom item index, the item actually used for an area of
// widthCells x heightCells (above 100%, pictures over 20,000,000 pixels step down).
int FittingZoomIndex(int index, int widthCells, int heightCells);
