// The scans for the rooms on both sides of a cell, which linking, building and the map's
// cursor use: the same rooms as a walk cell by cell finds, at a cost that follows the rooms.
#include "model/mapedit.h"
#include "model/roomlist.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>

namespace {
// The walk cell by cell: each side probes cells one step further until it meets a room or has
// probed the first cell past the grid's edge (0 or Width/Height + 1 straight, -1 on the
// diagonals' low sides).
bool WalkOneSide(const std::set<std::pair<int, int>>& cells, int w, int h, int x, int y, int sx, int sy,
                 bool diagonal, TGridPoint& found)
{
    for (int cx = x + sx, cy = y + sy;; cx += sx, cy += sy) {
        if (cells.count({cx, cy})) {
            found = {cx, cy};
            return true;
        }
        const int low = diagonal ? -1 : 0;
        const bool outX = sx < 0 ? cx <= low : sx > 0 && cx >= w + 1;
        const bool outY = sy < 0 ? cy <= low : sy > 0 && cy >= h + 1;
        if (outX || outY)
            return false;
    }
}

bool Walk(const std::set<std::pair<int, int>>& cells, int w, int h, int x, int y, int sx, int sy, TGridPoint& back,
          TGridPoint& forward)
{
    const bool diagonal = sx != 0 && sy != 0;
    return WalkOneSide(cells, w, h, x, y, sx, sy, diagonal, back) &&
           WalkOneSide(cells, w, h, x, y, -sx, -sy, diagonal, forward);
}
} // namespace

TEST(GridScan, FindsTheRoomsAWalkCellByCellFinds)
{
    std::mt19937 rng(20240611);
    for (int round = 0; round < 400; ++round) {
        const int w = static_cast<int>(rng() % 12), h = static_cast<int>(rng() % 12);
        // Rooms on any cell, outside the grid too (the map can be made smaller than its rooms),
        // added out of order; half the areas are not kept sorted, as during bulk changes.
        TRoomList area(w, h);
        area.AutoSort = round % 2 == 0;
        std::set<std::pair<int, int>> cells;
        const int rooms = static_cast<int>(rng() % 14);
        for (int i = 0; i < rooms; ++i) {
            const int x = static_cast<int>(rng() % (w + 6)) - 2, y = static_cast<int>(rng() % (h + 6)) - 2;
            if (!cells.insert({x, y}).second)
                continue;
            auto room = std::make_unique<TRoom>();
            room->X = x;
            room->Y = y;
            area.Add(std::move(room));
        }
        for (int x = -3; x <= w + 3; ++x)
            for (int y = -3; y <= h + 3; ++y) {
                const struct {
                    const char* name;
                    bool (TRoomList::*scan)(int32_t, int32_t, TGridPoint&, TGridPoint&) const;
                    int sx, sy;
                } scans[] = {{"WE", &TRoomList::ScanWE, -1, 0},
                             {"NS", &TRoomList::ScanNS, 0, -1},
                             {"NWSE", &TRoomList::ScanNWSE, -1, -1},
                             {"SWNE", &TRoomList::ScanSWNE, -1, 1}};
                for (const auto& s : scans) {
                    TGridPoint eb{-99, -99}, ef{-99, -99}, b{-99, -99}, f{-99, -99};
                    const bool expected = Walk(cells, w, h, x, y, s.sx, s.sy, eb, ef);
                    ASSERT_EQ((area.*s.scan)(x, y, b, f), expected)
                        << s.name << " from (" << x << ", " << y << ") on " << w << " x " << h << ", round " << round;
                    if (expected) {
                        ASSERT_EQ(b, eb) << s.name << " from (" << x << ", " << y << "), round " << round;
                        ASSERT_EQ(f, ef) << s.name << " from (" << x << ", " << y << "), round " << round;
                    }
                }
            }
    }
}

TEST(GridScan, TheWidestGridCostsWhatItsFewRoomsCost)
{
    // Four rooms in the corners of the largest grid a 32-bit side allows; the scans between
    // them would probe two billion cells one by one.
    const int32_t far = INT32_MAX; // odd, so a room cell
    TRoomList area(far, far);
    for (const TGridPoint c : {TGridPoint{1, 1}, {far, 1}, {1, far}, {far, far}})
        BuildRoom(area, c, nullptr);
    ASSERT_TRUE(area.LinkWE(2, 1, true));
    ASSERT_TRUE(area.LinkNS(far, far - 1, true));
    ASSERT_TRUE(area.LinkNWSE(2, 2, true));

    // Hovering next to the last room finds the line it would act on.
    EXPECT_EQ(ConnectorLine(area, {far - 1, far}, false), TLinkLine::WE);
    EXPECT_EQ(ConnectorLine(area, {far, far - 1}, false), TLinkLine::NS);
    EXPECT_EQ(ConnectorLine(area, {far - 1, far - 1}, true), TLinkLine::NWSE);
    EXPECT_EQ(ConnectorLine(area, {far - 1, 2}, false), TLinkLine::SWNE);
    EXPECT_EQ(ConnectorLine(area, {far - 1, far - 2}, false), TLinkLine::None);

    // Building on the long links splits them through the new room.
    const TBuildResult row = BuildRoom(area, {far - 2, 1}, nullptr);
    EXPECT_TRUE(row.SplitLinks);
    EXPECT_EQ(area.RoomAt(1, 1)->CompassLinks[dirE], (TGridPoint{far - 2, 1}));
    EXPECT_EQ(area.RoomAt(far, 1)->CompassLinks[dirW], (TGridPoint{far - 2, 1}));
    const TBuildResult diagonal = BuildRoom(area, {far - 2, far - 2}, nullptr);
    EXPECT_TRUE(diagonal.SplitLinks);
    EXPECT_EQ(area.RoomAt(1, 1)->CompassLinks[dirSE], (TGridPoint{far - 2, far - 2}));
    EXPECT_EQ(area.RoomAt(far, far)->CompassLinks[dirNW], (TGridPoint{far - 2, far - 2}));
    const TBuildResult alone = BuildRoom(area, {far - 4, far}, nullptr);
    EXPECT_FALSE(alone.SplitLinks);

    // Erasing unlinks across the whole width again.
    EraseRoom(area, area.RoomAt(far - 2, 1));
    EXPECT_FALSE(area.RoomAt(1, 1)->HasLink(dirE));
    EXPECT_FALSE(area.RoomAt(far, 1)->HasLink(dirW));
}
