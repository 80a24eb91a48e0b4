#include "render/mapgeometry.h"

#include <algorithm>
#include <limits>

namespace {
// Rounds num / den (den > 0, num >= 0) to the nearest integer, halves to the even neighbour.
int RoundHalfEven(int num, int den)
{
    const int q = num / den;
    const int twice = 2 * (num % den);
    if (twice > den || (twice == den && (q % 2) != 0))
        return q + 1;
    return q;
}

// Floor division that stays right for pixels left of or above the picture.
int FloorDiv(int a, int b)
{
    const int q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
} // namespace

const std::array<int, 8>& ZoomLevels()
{
    static const std::array<int, 8> levels = {25, 50, 75, 100, 150, 200, 300, 400};
    return levels;
}

int ZoomIndexOf(int zoomPercent)
{
    const auto& levels = ZoomLevels();
    const auto it = std::find(levels.begin(), levels.end(), zoomPercent);
    return it == levels.end() ? -1 : static_cast<int>(it - levels.begin());
}

int CountPenWidth(int zoomPercent)
{
    switch (zoomPercent) {
    case 100:
        return 2;
    case 150:
    case 200:
    case 300:
    case 400:
        return 3;
    default:
        return 1;
    }
}

TMapGeometry::TMapGeometry(int zoomPercent, int widthCells, int heightCells)
    : m_zoom(zoomPercent)
    , m_cell(std::max(1, zoomPercent * 20 / 100))
    , m_width(std::max(0, widthCells))
    , m_height(std::max(0, heightCells))
{
}

int TMapGeometry::MarkSize() const { return RoundHalfEven(std::max(0, m_zoom), 50) + 1; }

int TMapGeometry::MarkOffset() const { return m_cell / 2 - RoundHalfEven(MarkSize(), 2); }

long long TMapGeometry::PictureWidth() const { return static_cast<long long>(m_width) * m_cell + 2 * MapMargin; }

long long TMapGeometry::PictureHeight() const { return static_cast<long long>(m_height) * m_cell + 2 * MapMargin; }

QSize TMapGeometry::PictureSize() const
{
    constexpr long long maxSide = std::numeric_limits<int>::max();
    return QSize(static_cast<int>(std::min(PictureWidth(), maxSide)), static_cast<int>(std::min(PictureHeight(), maxSide)));
}

long long TMapGeometry::PixelCount() const
{
    const long long w = PictureWidth(), h = PictureHeight();
    return w > std::numeric_limits<long long>::max() / h ? std::numeric_limits<long long>::max() : w * h;
}

TGridPoint TMapGeometry::RawCellAt(int px, int py) const
{
    // The left and top grid lines belong to the cell to their right and below.
    const int x = px < MapMargin ? 0 : (px - MapMargin) / m_cell + 1;
    const int y = py < MapMargin ? 0 : (py - MapMargin) / m_cell + 1;
    return {x, y};
}

QRect TMapGeometry::CellsCovering(const QRect& pixels) const
{
    // Cell X owns the pixels from its left grid line to its right one, both included.
    const int x1 = std::max(1, FloorDiv(pixels.left() - MapMargin + m_cell - 1, m_cell));
    const int x2 = std::min(m_width, FloorDiv(pixels.right() - MapMargin, m_cell) + 1);
    const int y1 = std::max(1, FloorDiv(pixels.top() - MapMargin + m_cell - 1, m_cell));
    const int y2 = std::min(m_height, FloorDiv(pixels.bottom() - MapMargin, m_cell) + 1);
    if (pixels.isEmpty() || x1 > x2 || y1 > y2)
        return QRect();
    return QRect(QPoint(x1, y1), QPoint(x2, y2));
}

int FittingZoomIndex(int index, int widthCells, int heightCells)
{
    const auto& levels = ZoomLevels();
    index = std::clamp(index, 0, static_cast<int>(levels.size()) - 1);
    while (index > 3 && TMapGeometry(levels[index], widthCells, heightCells).PixelCount() > MaxZoomedPixels)
        --index;
    return index;
}
