#include "gui/map/cursorfactory.h"

#include <QImage>
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace {

QImage Picture(const QCursor& c)
{
    return c.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

// Count and bounding box of the opaque pixels inside area.
std::pair<int, QRect> Opaque(const QImage& image, QRect area)
{
    std::pair<int, QRect> found;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) {
                ++found.first;
                found.second |= QRect(x, y, 1, 1);
            }
    return found;
}

int OpaqueCount(const QImage& image, QRect area)
{
    return Opaque(image, area).first;
}

QRect OpaqueBounds(const QImage& image, QRect area)
{
    return Opaque(image, area).second;
}

// The cursor picture without its cross: everything right of and below the hot spot's arms.
QRect PictureArea(const QCursor& c)
{
    const QPoint h = c.hotSpot();
    return QRect(QPoint(h.x() + 6, h.y() + 6), QPoint(MapCursorSize - 1, MapCursorSize - 1));
}

} // namespace

TEST(MapCursors, TenDistinctBlackOnWhitePicturesWithACross)
{
    std::vector<QImage> images;
    for (int slot = 1; slot <= MapCursorCount; ++slot) {
        SCOPED_TRACE(MapCursorName(slot));
        const QCursor cursor = MapCursor(slot);
        const QImage image = Picture(cursor);
        ASSERT_EQ(image.size(), QSize(MapCursorSize, MapCursorSize));
        const QPoint h = cursor.hotSpot();
        // The cross: black at the hot spot and along its arms.
        for (QPoint arm : {QPoint(0, 0), QPoint(3, 0), QPoint(0, -3)})
            EXPECT_EQ(image.pixel(h + arm), qRgb(0, 0, 0));
        // Black on white only, and a real picture beside the cross.
        std::map<QRgb, int> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0)
                    ++colours[image.pixel(x, y)];
        EXPECT_EQ(colours.size(), 2u);
        EXPECT_GT(colours[qRgb(0, 0, 0)], 20);
        EXPECT_GT(colours[qRgb(255, 255, 255)], 20);
        EXPECT_GT(OpaqueCount(image, PictureArea(cursor)), 25);
        for (const QImage& other : images)
            EXPECT_NE(other, image);
        images.push_back(image);
    }
}

TEST(MapCursors, SmallSetDrawnSmaller)
{
    for (int role = mcHouse; role <= mcSWNE; ++role) {
        SCOPED_TRACE(MapCursorName(role));
        const QCursor large = MapCursor(role);
        const QCursor small = MapCursor(role + MapCursorSmallOffset);
        EXPECT_EQ(large.hotSpot(), small.hotSpot());
        const QRect big = OpaqueBounds(Picture(large), PictureArea(large));
        const QRect little = OpaqueBounds(Picture(small), PictureArea(small));
        EXPECT_LT(little.width() * 3, big.width() * 2);
        EXPECT_LT(little.height() * 3, big.height() * 2);
    }
    EXPECT_STREQ(MapCursorName(mcEW + MapCursorSmallOffset), "CURSOR_EW2");
    EXPECT_STREQ(MapCursorName(11), "");
    EXPECT_THROW(MapCursor(0), std::out_of_range);
    EXPECT_THROW(MapCursor(11), std::out_of_range);
}

TEST(MapCursors, RoadsRunAlongTheirLink)
{
    for (int offset : {0, MapCursorSmallOffset}) {
        const auto bounds = [&](int role) {
            const QCursor c = MapCursor(role + offset);
            return OpaqueBounds(Picture(c), PictureArea(c));
        };
        EXPECT_GT(bounds(mcEW).width(), bounds(mcEW).height() * 3 / 2);
        EXPECT_GT(bounds(mcNS).height(), bounds(mcNS).width() * 3 / 2);

        // The north-west to south-east road covers the picture's top-left corner and leaves
        // its top-right corner free; the other diagonal the reverse.
        for (int role : {mcNWSE, mcSWNE}) {
            const QCursor c = MapCursor(role + offset);
            const QImage image = Picture(c);
            const QRect box = OpaqueBounds(image, PictureArea(c));
            const int corner = std::max(2, box.width() / 5);
            const bool topLeft = OpaqueCount(image, QRect(box.topLeft(), QSize(corner, corner))) > 0;
            const bool topRight = OpaqueCount(image, QRect(box.topRight() - QPoint(corner - 1, 0), QSize(corner, corner))) > 0;
            EXPECT_EQ(topLeft, role == mcNWSE) << offset;
            EXPECT_EQ(topRight, role == mcSWNE) << offset;
        }
    }
}

TEST(ButtonGlyphs, PenUpAndDown)
{
    const QImage up = PenGlyph(false).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage down = PenGlyph(true).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(up.size(), QSize(PenGlyphSize, PenGlyphSize));
    ASSERT_EQ(down.size(), up.size());
    EXPECT_GT(OpaqueCount(up, up.rect()), 40);
    // Transparent corner, so that the button face shows through.
    EXPECT_EQ(qAlpha(up.pixel(20, 0)), 0);
    // Down: the pen touches the paper line; up: a gap between them.
    const QRect nearPaper(0, 15, PenGlyphSize, 3);
    EXPECT_GT(OpaqueCount(down, nearPaper), OpaqueCount(up, nearPaper) + 5);
}

TEST(ButtonGlyphs, ArrowsPointTheirWay)
{
    for (bool upward : {true, false}) {
        const QImage image = ArrowGlyph(upward).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(ArrowGlyphSize, ArrowGlyphSize));
        const QRect box = OpaqueBounds(image, image.rect());
        ASSERT_FALSE(box.isEmpty());
        const int topRow = OpaqueCount(image, QRect(0, box.top(), ArrowGlyphSize, 1));
        const int bottomRow = OpaqueCount(image, QRect(0, box.bottom(), ArrowGlyphSize, 1));
        EXPECT_EQ(topRow < bottomRow, upward);
    }
}
