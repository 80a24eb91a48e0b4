#include "gui/map/cursorfactory.h"

#include <QImage>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

QImage Picture(const QCursor& c)
{
    return c.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

int OpaqueCount(const QImage& image, QRect area)
{
    int n = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qAlpha(image.pixel(x, y)) != 0;
    return n;
}

int OpaqueCount(const QImage& image)
{
    return OpaqueCount(image, image.rect());
}

// Bounding box of the opaque pixels inside area.
QRect OpaqueBounds(const QImage& image, QRect area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The cursor picture without its cross: everything right of and below the hot spot's arms.
QRect PictureArea(const QCursor& c)
{
    const QPoint h = c.hotSpot();
    return QRect(QPoint(h.x() + 6, h.y() + 6), QPoint(MapCursorSize - 1, MapCursorSize - 1));
}

} // namespace

TEST(MapCursors, SizeHotSpotAndColours)
{
    for (int slot = 1; slot <= MapCursorCount; ++slot) {
        SCOPED_TRACE(MapCursorName(slot));
        const QCursor cursor = MapCursor(slot);
        const QImage image = Picture(cursor);
        ASSERT_EQ(image.size(), QSize(MapCursorSize, MapCursorSize));
        const QPoint h = cursor.hotSpot();
        ASSERT_TRUE(image.rect().contains(h));
        // The cross: black at the hot spot and along its arms.
        EXPECT_EQ(image.pixel(h), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(h + QPoint(3, 0)), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(h + QPoint(0, -3)), qRgb(0, 0, 0));
        // Black on white only, and a real picture beside the cross.
        int black = 0, white = 0, other = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                if (qAlpha(c) == 0)
                    continue;
                if (c == qRgb(0, 0, 0))
                    ++black;
                else if (c == qRgb(255, 255, 255))
                    ++white;
                else
                    ++other;
            }
        EXPECT_GT(black, 20);
        EXPECT_GT(white, 20);
        EXPECT_EQ(other, 0);
        EXPECT_GT(OpaqueCount(image, PictureArea(cursor)), 25);
    }
}

TEST(MapCursors, TenDistinctPicturesSmallSetDrawnSmaller)
{
    std::vector<QImage> images;
    for (int slot = 1; slot <= MapCursorCount; ++slot)
        images.push_back(Picture(MapCursor(slot)));
    for (size_t i = 0; i < images.size(); ++i)
        for (size_t j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << MapCursorName(int(i) + 1) << " " << MapCursorName(int(j) + 1);

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
            const int topLeft = OpaqueCount(image, QRect(box.topLeft(), QSize(corner, corner)));
            const int topRight = OpaqueCount(image, QRect(box.topRight() - QPoint(corner - 1, 0), QSize(corner, corner)));
            if (role == mcNWSE) {
                EXPECT_GT(topLeft, 0) << offset;
                EXPECT_EQ(topRight, 0) << offset;
            } else {
                EXPECT_EQ(topLeft, 0) << offset;
                EXPECT_GT(topRight, 0) << offset;
            }
        }
    }
}

TEST(MapCursors, SlotsOutsideTheTable)
{
    EXPECT_STREQ(MapCursorName(mcEW + MapCursorSmallOffset), "CURSOR_EW2");
    EXPECT_STREQ(MapCursorName(11), "");
    EXPECT_THROW(MapCursor(0), std::out_of_range);
    EXPECT_THROW(MapCursor(11), std::out_of_range);
}

TEST(ButtonGlyphs, PenUpAndDown)
{
    const QImage up = PenGlyph(false).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage down = PenGlyph(true).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(up.size(), QSize(PenGlyphSize, PenGlyphSize));
    ASSERT_EQ(down.size(), QSize(PenGlyphSize, PenGlyphSize));
    EXPECT_GT(OpaqueCount(up), 40);
    EXPECT_GT(OpaqueCount(down), 40);
    EXPECT_NE(up, down);
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
        if (upward)
            EXPECT_LT(topRow, bottomRow);
        else
            EXPECT_GT(topRow, bottomRow);
    }
}
