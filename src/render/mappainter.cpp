#include "render/mappainter.h"

#include "kberror.h"

#include <algorithm>
#include <string>

namespace {
constexpr int HatchPeriod = 8;

// A texture brush in one colour whose pixels outside the pattern are transparent, so that
// filling with it keeps what is already painted in the gaps. With the painter's brush origin
// at (0, 0) the pattern is tied to picture pixels, whatever part is being painted.
template <typename Pred>
QBrush PatternBrush(int w, int h, const QColor& color, Pred inPattern)
{
    QImage tile(w, h, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (inPattern(x, y))
                tile.setPixel(x, y, color.rgb());
    return QBrush(tile);
}

// Pixels across a line of pen width w, from its centre line: w 1 -> 0, w 2 -> -1..0, w 3 -> -1..1.
int PenLow(int w) { return -(w / 2); }

// A link as drawn: from (X, Y), DX and DY pixels on (end point excluded). Horizontal, vertical
// or exactly diagonal. 64 bits, because a damaged file may hold any link target.
struct TLinkLine {
    long long X = 0, Y = 0, DX = 0, DY = 0;
};

long long LeftOf(const TMapGeometry& g, long long x) { return (x - 1) * g.CellSize() + MapMargin + 1; }
long long TopOf(const TMapGeometry& g, long long y) { return (y - 1) * g.CellSize() + MapMargin + 1; }
long long RightOf(const TMapGeometry& g, long long x) { return x * g.CellSize() + MapMargin; }
long long BottomOf(const TMapGeometry& g, long long y) { return y * g.CellSize() + MapMargin; }

// Cells far outside any real map (a damaged file) are not drawn, so that pixel arithmetic
// stays inside int.
bool Drawable(TGridPoint cell) { return cell.X >= 1 && cell.Y >= 1 && cell.X <= (1 << 20) && cell.Y <= (1 << 20); }

// The east, south, south-east and north-east links of a room; the other four directions are
// the same links seen from the other end.
int LinkLines(const TMapGeometry& g, const TRoom& room, TLinkLine (&out)[4])
{
    const int zoom = g.ZoomPercent();
    const long long L = g.GetLeft(room.X), R = g.GetRight(room.X);
    const long long T = g.GetTop(room.Y), B = g.GetBottom(room.Y);
    const long long half = g.CellSize() / 2;
    // From 200% the straight links move one pixel off the cell's centre line.
    const long long shift = zoom >= 200 ? 1 : 0;
    int n = 0;
    if (room.HasLink(dirE)) {
        const long long dx = LeftOf(g, room.CompassLinks[dirE].X) - R;
        if (dx > 0)
            out[n++] = {R, T + half + shift, dx, 0};
    }
    if (room.HasLink(dirS)) {
        const long long dy = TopOf(g, room.CompassLinks[dirS].Y) - B;
        if (dy > 0)
            out[n++] = {L + half + shift, B, 0, dy};
    }
    if (room.HasLink(dirSE)) {
        const TGridPoint to = room.CompassLinks[dirSE];
        const long long d = std::min(LeftOf(g, to.X) - R, TopOf(g, to.Y) - B);
        if (d > 0)
            out[n++] = {R, B, d, d};
    }
    if (room.HasLink(dirNE)) {
        const TGridPoint to = room.CompassLinks[dirNE];
        // Below 100% the line runs one pixel higher, on the grid line above the cell.
        const long long up = zoom < 100 ? 1 : 0;
        const long long y0 = T - up;
        const long long d = std::min(LeftOf(g, to.X) - R, y0 - (BottomOf(g, to.Y) - up));
        if (d > 0)
            out[n++] = {R, y0, d, -d};
    }
    return n;
}

long long Clamp(long long v, long long lo, long long hi) { return std::max(lo, std::min(v, hi)); }

QRect ClampedRect(long long x1, long long y1, long long x2, long long y2, const QRect& bounds)
{
    x1 = Clamp(x1, bounds.left(), bounds.right() + 1);
    x2 = Clamp(x2, bounds.left() - 1, bounds.right());
    y1 = Clamp(y1, bounds.top(), bounds.bottom() + 1);
    y2 = Clamp(y2, bounds.top() - 1, bounds.bottom());
    return QRect(QPoint(int(x1), int(y1)), QPoint(int(x2), int(y2)));
}

// A one-pixel outline of the inclusive pixel rectangle x1, y1 .. x2, y2.
void Ring(QPainter& p, int x1, int y1, int x2, int y2, const QColor& c)
{
    p.fillRect(QRect(x1, y1, x2 - x1 + 1, 1), c);
    p.fillRect(QRect(x1, y2, x2 - x1 + 1, 1), c);
    p.fillRect(QRect(x1, y1 + 1, 1, y2 - y1 - 1), c);
    p.fillRect(QRect(x2, y1 + 1, 1, y2 - y1 - 1), c);
}

// The rectangle a painter may still change: its clip, or everything.
QRect PaintLimit(const QPainter& p, const QRect& picture)
{
    const QRect all = picture.adjusted(-8, -8, 8, 8);
    return p.hasClipping() ? (p.clipBoundingRect().toAlignedRect() & all) : all;
}
} // namespace

TMapPainter::TMapPainter(const TRoomList& area, const TMapViewOptions& options)
    : m_area(area)
    , m_options(options)
    , m_geometry(options.ZoomPercent, area.Width, area.Height)
{
    for (size_t k = 0; k < m_colors.size(); ++k)
        m_colors[k] = FromColorRef(area.Colors[k]);
    const QColor empty = m_colors[0];
    m_hatch = PatternBrush(HatchPeriod, HatchPeriod, empty,
                           [](int x, int y) { return (x + y) % HatchPeriod == HatchPeriod - 1; });
    m_dotted = PatternBrush(2, 1, empty, [](int x, int) { return x == 0; });
}

QRect TMapPainter::ActiveFrameRect(TGridPoint cell) const
{
    const auto& g = m_geometry;
    if (!Drawable(cell))
        return QRect();
    return QRect(QPoint(g.GetLeft(cell.X) - 1, g.GetTop(cell.Y) - 1), QPoint(g.GetRight(cell.X), g.GetBottom(cell.Y)));
}

QRect TMapPainter::RoomPaintRect(const TRoom& room) const
{
    const auto& g = m_geometry;
    if (!Drawable(room.Cell()))
        return QRect();
    const QRect bounds = QRect(QPoint(0, 0), g.PictureSize()).adjusted(-8, -8, 8, 8);
    long long x1 = LeftOf(g, room.X) - 2, y1 = TopOf(g, room.Y) - 2;
    long long x2 = RightOf(g, room.X) + 2, y2 = BottomOf(g, room.Y) + 2;
    TLinkLine lines[4];
    const int n = LinkLines(g, room, lines);
    for (int i = 0; i < n; ++i) {
        const TLinkLine& l = lines[i];
        x1 = std::min({x1, l.X - 2, l.X + l.DX - 2});
        x2 = std::max({x2, l.X + 2, l.X + l.DX + 2});
        y1 = std::min({y1, l.Y - 2, l.Y + l.DY - 2});
        y2 = std::max({y2, l.Y + 2, l.Y + l.DY + 2});
    }
    return ClampedRect(x1, y1, x2, y2, bounds);
}

void TMapPainter::Paint(QPainter& p, const QRect& clip) const { PaintLayers(p, clip, true); }

void TMapPainter::PaintLayers(QPainter& p, const QRect& clip, bool withActive) const
{
    if (clip.isEmpty())
        return;
    const auto& g = m_geometry;
    const int cell = g.CellSize();
    const int w = m_area.Width, h = m_area.Height;

    p.save();
    p.setClipRect(clip, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrushOrigin(0, 0);

    p.fillRect(clip, m_options.Background);

    if (m_options.Grid && w > 0 && h > 0) {
        // Lines at MapMargin + k * CellSize; each line's end point is left out.
        const QColor grey = MapGridColor();
        const int kTop = std::max(0, (std::max(clip.top(), MapMargin) - MapMargin + cell - 1) / cell);
        const int kBottom = std::min(h, (clip.bottom() - MapMargin) >= 0 ? (clip.bottom() - MapMargin) / cell : -1);
        for (int k = kTop; k <= kBottom; ++k)
            p.fillRect(QRect(MapMargin, MapMargin + k * cell, w * cell, 1) & clip, grey);
        const int kLeft = std::max(0, (std::max(clip.left(), MapMargin) - MapMargin + cell - 1) / cell);
        const int kRight = std::min(w, (clip.right() - MapMargin) >= 0 ? (clip.right() - MapMargin) / cell : -1);
        for (int k = kLeft; k <= kRight; ++k)
            p.fillRect(QRect(MapMargin + k * cell, MapMargin, 1, h * cell) & clip, grey);
    }

    if (m_options.RoomCenters) {
        const QRect cells = g.CellsCovering(clip);
        if (!cells.isNull()) {
            const QColor red = MapMarkColor();
            const int size = g.MarkSize(), offset = g.MarkOffset();
            for (int y = cells.top() | 1; y <= cells.bottom(); y += 2)
                for (int x = cells.left() | 1; x <= cells.right(); x += 2)
                    p.fillRect(QRect(g.GetLeft(x) + offset, g.GetTop(y) + offset, size, size), red);
        }
    }

    // A room whose cell and link ends all stand a few cells off the clip cannot reach it:
    // skipping those by their numbers keeps a small repaint of a large area small.
    const long long margin = 2 + 8 / std::max(cell, 1);
    auto cellAt = [&](long long px) {
        const long long d = px - MapMargin - 1;
        return (d >= 0 ? d / cell : (d - cell + 1) / cell) + 1;
    };
    const long long cx1 = cellAt(clip.left()) - margin, cx2 = cellAt(clip.right()) + margin;
    const long long cy1 = cellAt(clip.top()) - margin, cy2 = cellAt(clip.bottom()) + margin;
    for (int i = 0; i < m_area.Count(); ++i) {
        const TRoom& room = m_area[i];
        long long x2 = room.X, y1 = room.Y, y2 = room.Y;
        for (TDirection d : {dirE, dirS, dirSE, dirNE})
            if (room.HasLink(d)) {
                x2 = std::max<long long>(x2, room.CompassLinks[d].X);
                y1 = std::min<long long>(y1, room.CompassLinks[d].Y);
                y2 = std::max<long long>(y2, room.CompassLinks[d].Y);
            }
        if (room.X > cx2 || x2 < cx1 || y1 > cy2 || y2 < cy1)
            continue;
        if (RoomPaintRect(room).intersects(clip))
            PaintRoom(p, room);
    }

    if (withActive && Drawable(m_options.Active) &&
        ActiveFrameRect(m_options.Active).intersects(clip))
        PaintBorder(p, m_options.Active, MapMarkColor(), MapMarkColor());
    p.restore();
}

void TMapPainter::PaintRoom(QPainter& p, const TRoom& room) const
{
    if (!Drawable(room.Cell()))
        return;
    PaintFill(p, room);
    PaintBorder(p, room.Cell(), MapLineColor(), MapLineColor());
    PaintLinks(p, room);
}

void TMapPainter::PaintFill(QPainter& p, const TRoom& room) const
{
    if (!m_options.RoomFill)
        return;
    const auto& g = m_geometry;
    const int L = g.GetLeft(room.X), R = g.GetRight(room.X);
    const int T = g.GetTop(room.Y), B = g.GetBottom(room.Y);
    const QRect inner(L, T, R - L, B - T);

    int indices[AreaTypeCount];
    int n = 0;
    bool allEqual = true;
    for (int k = 1; k <= AreaTypeCount; ++k)
        if (HasAreaType(room.AreaTypes, k)) {
            allEqual = allEqual && (n == 0 || m_area.Colors[k] == m_area.Colors[indices[0]]);
            indices[n++] = k;
        }

    const bool emptyHasColor = m_area.Colors[0] != NoColorRef;
    if (n < 2 || allEqual) {
        if (n == 0 || m_area.Colors[indices[0]] == NoColorRef) {
            if (emptyHasColor)
                p.fillRect(inner, m_hatch);
        } else {
            p.fillRect(inner, m_colors[indices[0]]);
        }
        return;
    }
    // Horizontal stripes one pixel tall, the colours in type order, repeating.
    for (int k = 0; k <= g.CellSize() - 2; ++k) {
        const int index = indices[k % n];
        const QRect row(L, T + k, R - L, 1);
        if (m_area.Colors[index] != NoColorRef)
            p.fillRect(row, m_colors[index]);
        else if (emptyHasColor)
            p.fillRect(row, m_dotted);
    }
}

void TMapPainter::PaintLinks(QPainter& p, const TRoom& room) const
{
    const auto& g = m_geometry;
    const QRect limit = PaintLimit(p, QRect(QPoint(0, 0), g.PictureSize()));
    const int pen = g.PenWidth();
    const int low = PenLow(pen);
    const QColor black = MapLineColor();
    TLinkLine lines[4];
    const int n = LinkLines(g, room, lines);
    for (int i = 0; i < n; ++i) {
        const TLinkLine& l = lines[i];
        if (l.DY == 0) {
            const QRect r = ClampedRect(l.X, l.Y + low, l.X + l.DX - 1, l.Y + low + pen - 1, limit);
            if (!r.isEmpty())
                p.fillRect(r, black);
        } else if (l.DX == 0) {
            const QRect r = ClampedRect(l.X + low, l.Y, l.X + low + pen - 1, l.Y + l.DY - 1, limit);
            if (!r.isEmpty())
                p.fillRect(r, black);
        } else {
            // Exactly diagonal: one run per row. A wide pen crosses a row over about
            // pen * sqrt(2) pixels, so the run is 1, 3 or 4 pixels for pens 1, 2, 3.
            // Only the rows and columns inside the limit are visited.
            const int run = pen + pen / 2;
            const int runLow = -((run - 1) / 2);
            const long long stepY = l.DY > 0 ? 1 : -1;
            long long first = std::max(0LL, (long long)limit.left() - (l.X + runLow + run - 1));
            long long last = std::min(l.DX - 1, (long long)limit.right() - (l.X + runLow));
            if (stepY > 0) {
                first = std::max(first, (long long)limit.top() - l.Y);
                last = std::min(last, (long long)limit.bottom() - l.Y);
            } else {
                first = std::max(first, l.Y - (long long)limit.bottom());
                last = std::min(last, l.Y - (long long)limit.top());
            }
            for (long long s = first; s <= last; ++s)
                p.fillRect(QRect(int(l.X + s + runLow), int(l.Y + stepY * s), run, 1), black);
        }
    }
}

void TMapPainter::PaintBorder(QPainter& p, TGridPoint cell, const QColor& inner, const QColor& outer) const
{
    // The outlines of the active frame; a room's frame is the same pixels in black.
    const auto& g = m_geometry;
    const int L = g.GetLeft(cell.X), R = g.GetRight(cell.X);
    const int T = g.GetTop(cell.Y), B = g.GetBottom(cell.Y);
    const int pen = g.PenWidth();
    if (pen >= 3) {
        Ring(p, L + 1, T + 1, R - 1, B - 1, inner);
        Ring(p, L, T, R, B, inner);
    } else if (pen == 2) {
        Ring(p, L, T, R - 1, B - 1, inner);
    }
    Ring(p, L - 1, T - 1, R, B, outer);
}

void TMapPainter::PaintActive(QPainter& p, bool on, TGridPoint cell) const
{
    if (!Drawable(cell))
        return;
    if (on)
        PaintBorder(p, cell, MapMarkColor(), MapMarkColor());
    else
        PaintLayers(p, ActiveFrameRect(cell), false);
}

QImage RenderMap(const TRoomList& area, const TMapViewOptions& options)
{
    const TMapPainter painter(area, options);
    const TMapGeometry& g = painter.Geometry();
    QImage image;
    if (g.PixelCount() <= (1LL << 29))
        image = QImage(g.PictureSize(), QImage::Format_RGB32);
    if (image.isNull())
        throw EKbError("The map picture of " + std::to_string(g.PictureWidth()) + " x " +
                       std::to_string(g.PictureHeight()) + " pixels is too large.");
    QPainter p(&image);
    painter.Paint(p, image.rect());
    return image;
}
