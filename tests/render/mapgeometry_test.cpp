// Zoom table, pixel geometry and the step-down of large pictures.
#include "render/mapgeometry.h"

#include <gtest/gtest.h>

#include <limits>

TEST(MapGeometry, ZoomTableGivesCellPenAndMark)
{
    struct Row {
        int zoom, cell, pen, markSize, markOffset;
    };
    const Row rows[] = {{25, 5, 1, 1, 2},    {50, 10, 1, 2, 4},   {75, 15, 1, 3, 5},   {100, 20, 2, 3, 8},
                        {150, 30, 3, 4, 13}, {200, 40, 3, 5, 18}, {300, 60, 3, 7, 26}, {400, 80, 3, 9, 36}};
    ASSERT_EQ(ZoomLevels().size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        SCOPED_TRACE(r.zoom);
        EXPECT_EQ(ZoomLevels()[i], r.zoom);
        EXPECT_EQ(ZoomIndexOf(r.zoom), int(i));
        const TMapGeometry g(r.zoom, 3, 3);
        EXPECT_EQ(g.CellSize(), r.cell);
        EXPECT_EQ(g.PenWidth(), r.pen);
        EXPECT_EQ(CountPenWidth(r.zoom), r.pen);
        EXPECT_EQ(g.MarkSize(), r.markSize);
        EXPECT_EQ(g.MarkOffset(), r.markOffset);
    }
    EXPECT_EQ(ZoomIndexOf(120), -1);
    EXPECT_EQ(CountPenWidth(120), 1);
    EXPECT_EQ(CountPenWidth(0), 1);
}

TEST(MapGeometry, CellEdgesAndPictureSize)
{
    const TMapGeometry g(100, 7, 5);
    EXPECT_EQ(g.GetLeft(1), 11);
    EXPECT_EQ(g.GetRight(1), 30);
    EXPECT_EQ(g.GetTop(3), 51);
    EXPECT_EQ(g.GetBottom(3), 70);
    EXPECT_EQ(g.PictureSize(), QSize(160, 120));
    EXPECT_EQ(g.PixelCount(), 160 * 120);
    EXPECT_EQ(TMapGeometry(25, 1, 1).PictureSize(), QSize(25, 25));
}

TEST(MapGeometry, RawCellTreatsMarginsAndGridLines)
{
    const TMapGeometry g(100, 7, 5);
    EXPECT_EQ(g.RawCellAt(9, 9), (TGridPoint{0, 0}));   // margin
    EXPECT_EQ(g.RawCellAt(10, 10), (TGridPoint{1, 1})); // top-left grid line
    EXPECT_EQ(g.RawCellAt(29, 49), (TGridPoint{1, 2}));
    EXPECT_EQ(g.RawCellAt(30, 50), (TGridPoint{2, 3}));
    EXPECT_EQ(g.RawCellAt(155, 5), (TGridPoint{8, 0})); // right margin is not range-checked
}

TEST(MapGeometry, CellsCoveringIncludesBothGridLinesOfACell)
{
    const TMapGeometry g(100, 7, 5);
    // Pixel 30 is the line between cells 1 and 2: both touch it.
    EXPECT_EQ(g.CellsCovering(QRect(QPoint(30, 30), QPoint(30, 30))), QRect(QPoint(1, 1), QPoint(2, 2)));
    EXPECT_EQ(g.CellsCovering(QRect(QPoint(31, 31), QPoint(49, 49))), QRect(QPoint(2, 2), QPoint(2, 2)));
    EXPECT_EQ(g.CellsCovering(QRect(0, 0, 1000, 1000)), QRect(QPoint(1, 1), QPoint(7, 5)));
    EXPECT_TRUE(g.CellsCovering(QRect(0, 0, 5, 5)).isNull());
    EXPECT_TRUE(g.CellsCovering(QRect(-50, -50, 20, 20)).isNull());
    EXPECT_TRUE(g.CellsCovering(QRect(151, 0, 50, 50)).isNull());
}

TEST(MapGeometry, LargePicturesStepDownAboveHundredPercent)
{
    // 100 x 100 rooms are 199 x 199 cells.
    EXPECT_EQ(TMapGeometry(400, 199, 199).PictureSize(), QSize(15940, 15940));
    EXPECT_EQ(TMapGeometry(300, 199, 199).PictureSize(), QSize(11960, 11960));
    EXPECT_EQ(TMapGeometry(200, 199, 199).PixelCount(), 63680400);
    EXPECT_EQ(TMapGeometry(150, 199, 199).PixelCount(), 35880100);
    // Ends at 100%: 199 x 20 + 2 x 10 = 4,000 pixels a side (the often quoted 3,990 x 3,990 =
    // 15,920,100 drops one margin; both fit under the ceiling).
    const int index = FittingZoomIndex(7, 199, 199);
    EXPECT_EQ(index, 3);
    EXPECT_EQ(TMapGeometry(ZoomLevels()[index], 199, 199).PictureSize(), QSize(4000, 4000));
    EXPECT_EQ(TMapGeometry(ZoomLevels()[index], 199, 199).PixelCount(), 16000000);

    // Stops at the first size that fits: 4460 x 4460 at 150% is 19,891,600.
    EXPECT_EQ(FittingZoomIndex(7, 148, 148), 4);
    EXPECT_EQ(FittingZoomIndex(7, 3, 3), 7);
    // At 100% and below every size is accepted.
    EXPECT_EQ(FittingZoomIndex(3, 2000, 2000), 3);
    EXPECT_EQ(FittingZoomIndex(1, 2000, 2000), 1);
    // Out-of-range indices are clamped into the list.
    EXPECT_EQ(FittingZoomIndex(99, 3, 3), 7);
    EXPECT_EQ(FittingZoomIndex(-1, 3, 3), 0);
}

TEST(MapGeometry, HugeGridsNeitherOverflowNorMissTheStepDown)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr long long kMaxPixels = std::numeric_limits<long long>::max();
    struct Case {
        int zoom, width, height;
        long long pictureWidth, pictureHeight, pixels;
    };
    const Case cases[] = {
        {100, kMax, kMax, 42949672960LL, 42949672960LL, kMaxPixels}, // the product overflows 64 bits
        {400, kMax, 1, 171798691780LL, 100, 17179869178000LL},
        {25, 429496725, 1, 2147483645LL, 25, 53687091125LL}, // just fits an int
        {25, 429496726, 1, 2147483650LL, 25, 53687091250LL}, // just does not
    };
    for (const Case& c : cases) {
        const TMapGeometry g(c.zoom, c.width, c.height);
        EXPECT_EQ(g.PictureWidth(), c.pictureWidth) << c.zoom << " " << c.width;
        EXPECT_EQ(g.PictureHeight(), c.pictureHeight) << c.zoom << " " << c.width;
        EXPECT_EQ(g.PixelCount(), c.pixels) << c.zoom << " " << c.width;
        const auto capped = [](long long side) { return int(std::min<long long>(side, kMax)); };
        EXPECT_EQ(g.PictureSize(), QSize(capped(c.pictureWidth), capped(c.pictureHeight)));
        EXPECT_EQ(FittingZoomIndex(7, c.width, c.height), 3);
    }
}