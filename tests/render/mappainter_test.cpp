// The painted map, checked pixel by pixel against the drawing rules.
#include "renderutil.h"

#include <gtest/gtest.h>

#include <random>

namespace {
// What an empty map shows at a pixel: marks over the grid over the background. Grid lines
// leave out their end points; marks are mark-size squares at the mark offset of room cells.
unsigned EmptyMapPixel(const TMapGeometry& g, int w, int h, const TMapViewOptions& o, int x, int y)
{
    const int c = g.CellSize();
    if (o.RoomCenters) {
        for (int cy = 1; cy <= h; cy += 2)
            for (int cx = 1; cx <= w; cx += 2) {
                const int mx = g.GetLeft(cx) + g.MarkOffset(), my = g.GetTop(cy) + g.MarkOffset();
                if (x >= mx && x < mx + g.MarkSize() && y >= my && y < my + g.MarkSize())
                    return kRed;
            }
    }
    if (o.Grid) {
        const bool onRow = y >= MapMargin && (y - MapMargin) % c == 0 && (y - MapMargin) / c <= h;
        const bool onColumn = x >= MapMargin && (x - MapMargin) % c == 0 && (x - MapMargin) / c <= w;
        if (onRow && x >= MapMargin && x < MapMargin + w * c)
            return kGrey;
        if (onColumn && y >= MapMargin && y < MapMargin + h * c)
            return kGrey;
    }
    return kBack;
}

struct TCellBox {
    int L, T, R, B;
};
TCellBox Box(const TMapGeometry& g, int x, int y) { return {g.GetLeft(x), g.GetTop(y), g.GetRight(x), g.GetBottom(y)}; }

// Compares two pictures over a rectangle and names the first differing pixel.
::testing::AssertionResult SameRegion(const QImage& a, const QImage& b, const QRect& r, QPoint bOffset = {})
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (Px(a, x, y) != Px(b, x - bOffset.x(), y - bOffset.y()))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << "): " << std::hex << Px(a, x, y)
                                                     << " vs " << Px(b, x - bOffset.x(), y - bOffset.y());
    return ::testing::AssertionSuccess();
}
} // namespace

TEST(MapPainter, EmptyAreaShowsOnlyBackgroundGridAndMarks)
{
    const auto area = MakeArea(3, 2); // 5 x 3 cells
    for (int zoom : ZoomLevels()) {
        for (int variant = 0; variant < 3; ++variant) {
            const TMapViewOptions o = Options(zoom, variant != 1, variant != 2);
            SCOPED_TRACE(::testing::Message() << zoom << "% variant " << variant);
            const QImage image = Render(*area, o);
            const TMapGeometry g(zoom, area->Width, area->Height);
            ASSERT_EQ(image.size(), g.PictureSize());
            int wrong = 0;
            for (int y = 0; y < image.height() && wrong < 5; ++y)
                for (int x = 0; x < image.width() && wrong < 5; ++x)
                    if (Px(image, x, y) != EmptyMapPixel(g, area->Width, area->Height, o, x, y)) {
                        ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << Px(image, x, y);
                        ++wrong;
                    }
        }
    }
}

TEST(MapPainter, ThreeColoursGiveStripesInTypeOrder)
{
    // Plain, Path and Hills have three different default colours.
    auto area = MakeArea(2, 2);
    const TAreaTypes types = (1u << 1) | (1u << 2) | (1u << 5);
    AddRoom(*area, 1, 1, types);
    const unsigned colour[3] = {RefRgb(area->Colors[1]), RefRgb(area->Colors[2]), RefRgb(area->Colors[5])};
    ASSERT_NE(colour[0], colour[1]);
    ASSERT_NE(colour[1], colour[2]);

    {
        // 100%: stripes k = 0 .. 18 on rows T + k; the frame covers the first and the last one.
        const TMapGeometry g(100, 3, 3);
        const QImage image = Render(*area, Options(100));
        const TCellBox b = Box(g, 1, 1);
        EXPECT_EQ(b.B - b.T, 19);
        for (int k = 1; k <= 17; ++k)
            for (int x = b.L + 1; x <= b.R - 2; ++x)
                ASSERT_EQ(Px(image, x, b.T + k), colour[k % 3]) << "row " << k << " x " << x;
    }
    {
        // 75%: a one-pixel frame on the grid lines leaves all 14 stripes visible, mark included.
        const TMapGeometry g(75, 3, 3);
        const QImage image = Render(*area, Options(75));
        const TCellBox b = Box(g, 1, 1);
        for (int k = 0; k <= 13; ++k)
            for (int x = b.L; x < b.R; ++x)
                ASSERT_EQ(Px(image, x, b.T + k), colour[k % 3]) << "row " << k << " x " << x;
        EXPECT_EQ(Px(image, b.L, b.B), kBlack);
    }
}

TEST(MapPainter, EqualColoursFillSolidAndCoverTheMark)
{
    auto area = MakeArea(2, 2);
    ASSERT_EQ(area->Colors[3], area->Colors[4]); // Forest and Jungle share a colour
    AddRoom(*area, 3, 3, (1u << 3) | (1u << 4));
    AddRoom(*area, 1, 1, 1u << 6); // one type: solid too
    const TMapGeometry g(100, 3, 3);
    const QImage image = Render(*area, Options(100));
    for (auto [cx, cy, ref] : {std::tuple{3, 3, area->Colors[3]}, std::tuple{1, 1, area->Colors[6]}}) {
        const TCellBox b = Box(g, cx, cy);
        for (int y = b.T + 1; y <= b.B - 2; ++y)
            for (int x = b.L + 1; x <= b.R - 2; ++x)
                ASSERT_EQ(Px(image, x, y), RefRgb(ref)) << x << ", " << y;
    }
}

TEST(MapPainter, HatchedRoomKeepsWhatIsBelowInItsGaps)
{
    auto area = MakeArea(2, 2);
    AddRoom(*area, 1, 1, 0);
    area->Colors[0] = 0x0000C0; // a dark red that neither marks nor background use
    const unsigned hatch = RefRgb(area->Colors[0]);
    for (int zoom : {100, 400}) {
        SCOPED_TRACE(zoom);
        const TMapGeometry g(zoom, 3, 3);
        const QImage image = Render(*area, Options(zoom));
        const QImage bare = Render(*MakeArea(2, 2), Options(zoom));
        const TCellBox b = Box(g, 1, 1);
        const int in = g.PenWidth(); // inside the frame
        int hatched = 0, markSeen = 0;
        for (int y = b.T + in; y < b.B - 2; ++y)
            for (int x = b.L + in; x < b.R - 2; ++x) {
                const unsigned p = Px(image, x, y);
                if (p == hatch) {
                    ++hatched;
                    // Lines rise from left to right.
                    const unsigned next = Px(image, x + 1, y - 1);
                    EXPECT_TRUE(next == hatch || y - 1 < b.T + in) << x << ", " << y;
                } else {
                    // The gap shows the picture without the room: background or the mark.
                    ASSERT_EQ(p, Px(bare, x, y)) << x << ", " << y;
                    markSeen += p == kRed;
                }
            }
        const int inner = (b.R - 2 - b.L - in) * (b.B - 2 - b.T - in);
        EXPECT_GT(hatched, inner / 16);
        EXPECT_LT(hatched, inner / 4);
        EXPECT_GT(markSeen, 0);
    }
}

TEST(MapPainter, NoFillShowsFramesWithMarksInside)
{
    auto area = MakeArea(2, 2);
    AddRoom(*area, 1, 1, (1u << 1) | (1u << 2));
    const TMapGeometry g(100, 3, 3);
    const QImage image = Render(*area, Options(100, true, true, false));
    const QImage bare = Render(*MakeArea(2, 2), Options(100, true, true, false));
    const TCellBox b = Box(g, 1, 1);
    EXPECT_TRUE(SameRegion(image, bare, QRect(QPoint(b.L + 1, b.T + 1), QPoint(b.R - 2, b.B - 2))));
    EXPECT_EQ(Px(image, b.L + g.MarkOffset(), b.T + g.MarkOffset()), kRed);
    EXPECT_EQ(Px(image, b.L, b.T + 5), kBlack);
}

TEST(MapPainter, NoColourHatchesOrDots)
{
    auto area = MakeArea(2, 2);
    area->Colors[1] = NoColorRef;
    AddRoom(*area, 1, 1, 1u << 1);                     // the only colour is none: hatched
    AddRoom(*area, 3, 1, (1u << 1) | (1u << 2));       // stripes none, Path, none, ...
    const TMapGeometry g(75, 3, 3);
    const QImage image = Render(*area, Options(75, false, false));
    const unsigned empty = RefRgb(area->Colors[0]);
    const TCellBox h = Box(g, 1, 1);
    int hatched = 0;
    for (int y = h.T; y < h.B; ++y)
        for (int x = h.L; x < h.R; ++x)
            hatched += Px(image, x, y) == empty;
    EXPECT_GT(hatched, 0);
    EXPECT_LT(hatched, (h.R - h.L) * (h.B - h.T) / 2);

    const TCellBox s = Box(g, 3, 1);
    for (int x = s.L; x < s.R; ++x) {
        // Row 0 is dotted: every other pixel, the rest keeps the background.
        EXPECT_EQ(Px(image, x, s.T), x % 2 == 0 ? empty : kBack) << x;
        EXPECT_EQ(Px(image, x, s.T + 1), RefRgb(area->Colors[2])) << x;
    }
}

TEST(MapPainter, FramesFollowThePenWidth)
{
    auto area = MakeArea(2, 2);
    AddRoom(*area, 3, 3, 1u << 1);
    const unsigned fill = RefRgb(area->Colors[1]);
    struct Case {
        int zoom;
        std::vector<int> blackLeft, blackRight; // offsets from L and R on the middle row
    };
    const Case cases[] = {{50, {-1}, {0}}, {100, {-1, 0}, {-1, 0}}, {150, {-1, 0, 1}, {-1, 0}}, {400, {-1, 0, 1}, {-1, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoom);
        const TMapGeometry g(c.zoom, 3, 3);
        const QImage image = Render(*area, Options(c.zoom, true, false));
        const TCellBox b = Box(g, 3, 3);
        const int y = b.T + 1 + g.CellSize() / 3, x = b.L + 1 + g.CellSize() / 3;
        for (int d : c.blackLeft)
            EXPECT_EQ(Px(image, b.L + d, y), kBlack) << "left " << d;
        EXPECT_EQ(Px(image, b.L + c.blackLeft.back() + 1, y), fill);
        EXPECT_EQ(Px(image, b.L + c.blackLeft.front() - 1, y), kBack);
        for (int d : c.blackRight)
            EXPECT_EQ(Px(image, b.R + d, y), kBlack) << "right " << d;
        EXPECT_EQ(Px(image, b.R + c.blackRight.front() - 1, y), fill);
        EXPECT_EQ(Px(image, b.R + 1, y), kBack);
        // Top and bottom mirror left and right.
        for (int d : c.blackLeft)
            EXPECT_EQ(Px(image, x, b.T + d), kBlack) << "top " << d;
        for (int d : c.blackRight)
            EXPECT_EQ(Px(image, x, b.B + d), kBlack) << "bottom " << d;
        EXPECT_EQ(Px(image, x, b.B + 1), kBack);
        // The corners are closed.
        EXPECT_EQ(Px(image, b.L - 1, b.T - 1), kBlack);
        EXPECT_EQ(Px(image, b.R, b.B), kBlack);
        EXPECT_EQ(Px(image, b.L - 1, b.B), kBlack);
        EXPECT_EQ(Px(image, b.R, b.T - 1), kBlack);
    }
}

TEST(MapPainter, StraightLinksMoveOffCentreFromTwoHundredPercent)
{
    // Rooms 1 and 2 in a row, room 3 below room 1; the links end at the neighbours' frames.
    auto area = MakeArea(2, 2);
    AddRoom(*area, 1, 1);
    AddRoom(*area, 3, 1);
    AddRoom(*area, 1, 3);
    ASSERT_TRUE(area->LinkWE(2, 1, true));
    ASSERT_TRUE(area->LinkNS(1, 2, true));
    struct Case {
        int zoom, centreShift, low, high; // black band from centre + low to centre + high
    };
    const Case cases[] = {{50, 0, 0, 0}, {100, 0, -1, 0}, {150, 0, -1, 1}, {200, 1, -1, 1}, {300, 1, -1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoom);
        const TMapGeometry g(c.zoom, 3, 3);
        const QImage image = Render(*area, Options(c.zoom, false, false));
        const TCellBox b = Box(g, 1, 1);
        const int half = g.CellSize() / 2;
        const int yLine = b.T + half + c.centreShift; // the east link
        const int xLine = b.L + half + c.centreShift; // the south link
        // Between the frames, which are black all along.
        for (int x = b.R + 1; x < g.GetLeft(3) - 1; ++x)
            for (int d = -3; d <= 3; ++d)
                ASSERT_EQ(Px(image, x, yLine + d) == kBlack, d >= c.low && d <= c.high) << x << " d " << d;
        for (int y = b.B + 1; y < g.GetTop(3) - 1; ++y)
            for (int d = -3; d <= 3; ++d)
                ASSERT_EQ(Px(image, xLine + d, y) == kBlack, d >= c.low && d <= c.high) << y << " d " << d;
    }
}

TEST(MapPainter, LinksLeaveOutTheirEndPoint)
{
    // Links whose far room is missing (as in a damaged file) show where each line ends.
    auto area = MakeArea(3, 3);
    TRoom& room = AddRoom(*area, 3, 3);
    room.CompassLinks[dirE] = {5, 3};
    room.CompassLinks[dirS] = {3, 5};
    room.CompassLinks[dirSE] = {5, 5};
    room.CompassLinks[dirNE] = {5, 1};
    for (int zoom : {50, 100, 200}) {
        SCOPED_TRACE(zoom);
        const TMapGeometry g(zoom, 5, 5);
        const QImage image = Render(*area, Options(zoom, false, false));
        const TCellBox b = Box(g, 3, 3);
        const int half = g.CellSize() / 2, shift = zoom >= 200 ? 1 : 0;
        EXPECT_EQ(Px(image, g.GetLeft(5) - 1, b.T + half + shift), kBlack);
        EXPECT_EQ(Px(image, g.GetLeft(5), b.T + half + shift), kBack);
        EXPECT_EQ(Px(image, b.L + half + shift, g.GetTop(5) - 1), kBlack);
        EXPECT_EQ(Px(image, b.L + half + shift, g.GetTop(5)), kBack);
        // South-east: from (R, B) one pixel per row up to, not including, (GetLeft(5), GetTop(5)).
        for (int i = 0; i < g.GetLeft(5) - b.R; ++i)
            ASSERT_EQ(Px(image, b.R + i, b.B + i), kBlack) << i;
        EXPECT_EQ(Px(image, g.GetLeft(5), g.GetTop(5)), kBack);
        // North-east: from (R, T) to (GetLeft(5), GetBottom(1)); below 100% one pixel higher.
        const int up = zoom < 100 ? 1 : 0;
        for (int i = 0; i < g.GetLeft(5) - b.R; ++i)
            ASSERT_EQ(Px(image, b.R + i, b.T - up - i), kBlack) << i;
        EXPECT_EQ(Px(image, g.GetLeft(5), g.GetBottom(1) - up), kBack);
        // A one-pixel pen draws the diagonals exactly one pixel wide.
        if (zoom == 50) {
            EXPECT_EQ(Px(image, b.R + 3, b.B + 4), kBack);
            EXPECT_EQ(Px(image, b.R + 5, b.B + 4), kBack);
            EXPECT_EQ(Px(image, b.R + 5, b.T - 1 - 4), kBack);
        }
    }
}

TEST(MapPainter, LongLinksSpanEmptyCells)
{
    auto area = MakeArea(3, 1);
    AddRoom(*area, 1, 1);
    AddRoom(*area, 5, 1);
    ASSERT_TRUE(area->LinkWE(2, 1, true));
    const TMapGeometry g(100, 5, 1);
    const QImage image = Render(*area, Options(100));
    const int y = g.GetTop(1) + 10;
    for (int x = g.GetRight(1); x < g.GetLeft(5); ++x)
        ASSERT_EQ(Px(image, x, y), kBlack) << x;
    // The link covers the empty room cell's mark only where it passes.
    EXPECT_EQ(Px(image, g.GetLeft(3) + g.MarkOffset(), g.GetTop(1) + g.MarkOffset()), kRed);
}

TEST(MapPainter, ActiveFrameOnAndOff)
{
    auto area = MakeArea(3, 3);
    AddRoom(*area, 3, 3, 1u << 1);
    AddRoom(*area, 1, 1, 1u << 2);
    ASSERT_TRUE(area->LinkNWSE(2, 2, true));
    for (int zoom : {50, 100, 200}) {
        SCOPED_TRACE(zoom);
        TMapViewOptions o = Options(zoom);
        const TMapPainter painter(*area, o);
        const TMapGeometry& g = painter.Geometry();
        const int w = g.PenWidth();
        const QImage plain = Render(*area, o);
        for (TGridPoint cell : {TGridPoint{3, 3}, TGridPoint{2, 3}, TGridPoint{2, 2}, TGridPoint{4, 4}}) {
            SCOPED_TRACE(::testing::Message() << cell.X << ", " << cell.Y);
            QImage image = plain.copy();
            QPainter p(&image);
            painter.PaintActive(p, true, cell);
            p.end();
            const TCellBox b = Box(g, cell.X, cell.Y);
            // The outer outline (L - 1, T - 1) .. (R, B) is red at every width, w pixels deep.
            const std::pair<int, int> outline[] = {{b.L - 1, b.T - 1}, {b.R, b.B}, {b.L - 1, b.B}, {b.L + w - 2, b.T + 3}};
            for (auto [x, y] : outline)
                EXPECT_EQ(Px(image, x, y), kRed) << x << ", " << y;
            EXPECT_EQ(Px(image, b.L + w, b.T + 3 + w), Px(plain, b.L + w, b.T + 3 + w));
            // The view option paints the same frame last.
            o.Active = cell;
            EXPECT_TRUE(SameRegion(image, Render(*area, o), image.rect()));
            // Switching it off gives back exactly the picture without it, neighbours' frames
            // and links included.
            p.begin(&image);
            painter.PaintActive(p, false, cell);
            p.end();
            EXPECT_TRUE(SameRegion(image, plain, image.rect()));
        }
    }
}

TEST(MapPainter, PartialPaintEqualsTheSameRegionOfAFullPaint)
{
    // Rooms of every fill, links in all directions including long ones, the active frame.
    auto area = MakeArea(9, 7);
    std::mt19937 rng(7);
    for (int y = 1; y <= area->Height; y += 2)
        for (int x = 1; x <= area->Width; x += 2)
            if (rng() % 4 != 0) {
                TAreaTypes types = 0; // none, one, two or three colours
                for (unsigned k = rng() % 4; k > 0; --k)
                    types |= 1u << (1 + rng() % 18);
                AddRoom(*area, x, y, types);
            }
    for (int y = 1; y <= area->Height; ++y)
        for (int x = 1; x <= area->Width; ++x) {
            if (x % 2 == 0 && y % 2 == 1)
                area->LinkWE(x, y, true);
            if (x % 2 == 1 && y % 2 == 0)
                area->LinkNS(x, y, true);
            if (x % 2 == 0 && y % 2 == 0)
                (rng() % 2 ? area->LinkNWSE(x, y, true) : area->LinkSWNE(x, y, true));
        }
    area->Colors[7] = NoColorRef;

    for (int zoom : ZoomLevels()) {
        SCOPED_TRACE(zoom);
        TMapViewOptions o = Options(zoom);
        o.Active = {5, 3};
        const TMapPainter painter(*area, o);
        const QImage full = Render(*area, o);
        for (int trial = 0; trial < 12; ++trial) {
            const int x = int(rng() % full.width()), y = int(rng() % full.height());
            const int w = 1 + int(rng() % 120), h = 1 + int(rng() % 120);
            const QRect clip = QRect(x, y, w, h) & full.rect();
            // A widget-sized image scrolled to the clip, pre-filled with a colour the map never uses.
            QImage part(clip.size() + QSize(6, 6), QImage::Format_RGB32);
            part.fill(QColor(1, 2, 3));
            const QPoint origin = clip.topLeft() - QPoint(3, 3);
            QPainter p(&part);
            p.translate(-origin);
            painter.Paint(p, clip);
            p.end();
            ASSERT_TRUE(SameRegion(full, part, clip, origin)) << "clip " << clip.x() << "," << clip.y() << " " << w << "x" << h;
            // Nothing outside the clip is touched.
            EXPECT_EQ(Px(part, 0, 0), 0x010203u);
            EXPECT_EQ(Px(part, part.width() - 1, part.height() - 1), 0x010203u);
        }
    }
}

TEST(MapPainter, DamagedLinkTargetsDoNotBreakPainting)
{
    auto area = MakeArea(2, 2);
    TRoom& room = AddRoom(*area, 1, 1);
    room.CompassLinks[dirE] = {2147483647, 1};
    room.CompassLinks[dirS] = {1, -5};
    room.CompassLinks[dirSE] = {2000000000, 7};
    room.CompassLinks[dirNE] = {9, -2147483647};
    AddRoom(*area, 2147483647, 5); // far outside: not drawn
    const QImage image = Render(*area, Options(100));
    EXPECT_EQ(Px(image, 40, 20), kBlack);               // the east line runs to the edge
    EXPECT_EQ(Px(image, image.width() - 1, 20), kBlack);
    EXPECT_EQ(Px(image, 40, 60), kBack); // the room far outside is not wrapped into view
}
