#include "model/mapedit.h"
#include "model/roomlist.h"
#include "kberror.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
TRoom* Put(TRoomList& area, int x, int y, int number = 0)
{
    auto r = std::make_unique<TRoom>();
    r->X = x;
    r->Y = y;
    r->Number = number;
    return area.Add(std::move(r));
}

bool LinkedEW(const TRoomList& a, TGridPoint w, TGridPoint e)
{
    return a.RoomAt(w)->CompassLinks[dirE] == e && a.RoomAt(e)->CompassLinks[dirW] == w;
}
} // namespace

TEST(RoomList, KeepsPositionOrderAndFindsRooms)
{
    TRoomList area(9, 9);
    EXPECT_EQ(area.RoomAt(1, 1), nullptr); // empty area
    Put(area, 5, 3);
    Put(area, 1, 5);
    Put(area, 3, 3);
    Put(area, 9, 1);
    Put(area, 1, 1);
    ASSERT_EQ(area.Count(), 5);
    for (int i = 1; i < area.Count(); ++i)
        EXPECT_TRUE(PositionLess(area[i - 1], area[i])) << i;
    for (int i = 0; i < area.Count(); ++i)
        EXPECT_EQ(area.RoomAt(area[i].X, area[i].Y), &area[i]);
    EXPECT_EQ(area.RoomAt(3, 1), nullptr);
    EXPECT_EQ(area.RoomAt(2, 3), nullptr);
    EXPECT_EQ(area.RoomAt(0, 0), nullptr);
    EXPECT_EQ(area.RoomAt(-1, 3), nullptr);
    EXPECT_EQ(area.RoomAt(101, 101), nullptr);

    // Taking a room out keeps the order and the lookups.
    auto taken = area.Remove(area.RoomAt(3, 3));
    ASSERT_TRUE(taken);
    EXPECT_EQ(area.RoomAt(3, 3), nullptr);
    EXPECT_NE(area.RoomAt(5, 3), nullptr);
    EXPECT_NE(area.RoomAt(1, 5), nullptr);
}

TEST(RoomList, SortByNumberThenAssignRestoresPositionOrder)
{
    TRoomList src(9, 9);
    Put(src, 1, 1, 3);
    Put(src, 3, 1, 1);
    Put(src, 1, 3, 2);
    src.LinkWE(2, 1, true);
    src.SortByNumber();
    EXPECT_EQ(src[0].Number, 1);

    TRoomList copy(1, 1);
    copy.Assign(src);
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy[0].Number, 3);
    EXPECT_EQ(copy[1].Number, 1);
    EXPECT_EQ(copy[2].Number, 2);
    EXPECT_EQ(copy.Width, 9);
    ASSERT_NE(copy.RoomAt(1, 3), nullptr);
    EXPECT_EQ(copy.RoomAt(1, 3)->Number, 2);
    EXPECT_TRUE(LinkedEW(copy, {1, 1}, {3, 1}));
    // A deep copy: changing it leaves the source alone.
    copy.RoomAt(1, 1)->Short = "changed";
    src.SortByPosition();
    EXPECT_EQ(src.RoomAt(1, 1)->Short, "");
}

TEST(RoomList, LinksSpanEmptyCellsAndStopAtTheNearestRoom)
{
    TRoomList area(5, 1);
    Put(area, 1, 1);
    Put(area, 5, 1);
    EXPECT_TRUE(area.LinkWE(3, 1, true));
    EXPECT_TRUE(LinkedEW(area, {1, 1}, {5, 1}));
    EXPECT_EQ(area.LastLinkPos, (TGridPoint{1, 1}));
    EXPECT_TRUE(area.Modified);

    Put(area, 3, 1);
    area.RoomAt(1, 1)->CompassLinks = {};
    area.RoomAt(5, 1)->CompassLinks = {};
    EXPECT_TRUE(area.LinkWE(2, 1, true));
    EXPECT_TRUE(LinkedEW(area, {1, 1}, {3, 1}));
    EXPECT_EQ(area.RoomAt(5, 1)->CompassLinks[dirW], (TGridPoint{}));

    // Unlinking from beside a room that has no eastern neighbour fails without change.
    area.Modified = false;
    EXPECT_FALSE(area.LinkWE(6, 1, false));
    EXPECT_FALSE(area.Modified);
    EXPECT_TRUE(area.LinkWE(2, 1, false));
    EXPECT_EQ(area.RoomAt(1, 1)->CompassLinks[dirE], (TGridPoint{}));
    EXPECT_EQ(area.RoomAt(3, 1)->CompassLinks[dirW], (TGridPoint{}));
}

TEST(RoomList, FailedScanChangesNothing)
{
    TRoomList area(5, 5);
    Put(area, 3, 1);
    area.Modified = false;
    EXPECT_FALSE(area.LinkNS(3, 2, true));
    EXPECT_FALSE(area.Modified);
    EXPECT_EQ(area.RoomAt(3, 1)->CompassLinks[dirS], (TGridPoint{}));
    EXPECT_EQ(area.LastLinkPos, (TGridPoint{}));
}

TEST(RoomList, DiagonalScansFindBackwardRoomFirst)
{
    TRoomList area(7, 7);
    Put(area, 1, 1);
    Put(area, 5, 5);
    Put(area, 1, 5);
    Put(area, 5, 1);
    TGridPoint b, f;
    ASSERT_TRUE(area.ScanNWSE(3, 3, b, f));
    EXPECT_EQ(b, (TGridPoint{1, 1}));
    EXPECT_EQ(f, (TGridPoint{5, 5}));
    ASSERT_TRUE(area.ScanSWNE(3, 3, b, f));
    EXPECT_EQ(b, (TGridPoint{1, 5})); // south-west is the backward side
    EXPECT_EQ(f, (TGridPoint{5, 1}));
    EXPECT_TRUE(area.LinkSWNE(3, 3, true));
    EXPECT_EQ(area.LastLinkPos, (TGridPoint{1, 5}));
    EXPECT_EQ(area.RoomAt(1, 5)->CompassLinks[dirNE], (TGridPoint{5, 1}));
    EXPECT_EQ(area.RoomAt(5, 1)->CompassLinks[dirSW], (TGridPoint{1, 5}));
    EXPECT_TRUE(area.LinkNWSE(4, 4, true));
    EXPECT_EQ(area.RoomAt(1, 1)->CompassLinks[dirSE], (TGridPoint{5, 5}));
    EXPECT_EQ(area.RoomAt(5, 5)->CompassLinks[dirNW], (TGridPoint{1, 1}));
    // Scans stop at the grid's edge.
    EXPECT_FALSE(area.ScanWE(6, 5, b, f));
    EXPECT_FALSE(area.ScanNS(5, 6, b, f));
}

TEST(Room, ObviousExitsInCompassOrder)
{
    TRoom r;
    EXPECT_EQ(r.ObviousExitsText(), "");
    for (auto& l : r.CompassLinks)
        l = {1, 1};
    EXPECT_EQ(r.ObviousExitsText(), "nw, n, ne, e, se, s, sw, w");
    TRoom ne;
    ne.CompassLinks[dirE] = {3, 1};
    ne.CompassLinks[dirN] = {1, 1};
    EXPECT_EQ(ne.ObviousExitsText(), "n, e");
}

TEST(Room, AssignContentsKeepsIdentity)
{
    TRoom templ;
    templ.Number = 99;
    templ.FileName = "t";
    templ.Short = "short";
    templ.AreaTypes = 1u << 3;
    templ.Items.push_back({"stone", {"rock"}, {"grey"}, {}, {}, {}, {}, {}});
    templ.Descriptions.push_back({"Long", {"text"}});
    templ.Exits.push_back({ekVisibleExit, "out", 4});
    templ.DayLight = 50;
    templ.Script = {"x"};
    templ.ScriptEnabled = true;
    TRoom r;
    r.Number = 5;
    r.X = 3;
    r.FileName = "mine";
    r.CompassLinks[dirE] = {5, 1};
    r.Items.push_back({});
    r.AssignContents(templ);
    EXPECT_EQ(r.Number, 5);
    EXPECT_EQ(r.X, 3);
    EXPECT_EQ(r.FileName, "mine");
    EXPECT_EQ(r.CompassLinks[dirE], (TGridPoint{5, 1}));
    EXPECT_EQ(r.Items, templ.Items);
    EXPECT_EQ(r.Descriptions, templ.Descriptions);
    EXPECT_EQ(r.Exits, templ.Exits);
    EXPECT_EQ(r.Short, "short");
    EXPECT_EQ(r.DayLight, 50);
    EXPECT_TRUE(r.ScriptEnabled);
    EXPECT_EQ(r.FindDescription("Long"), 0);
    EXPECT_EQ(r.FindDescription("long"), -1);
}

TEST(RoomNaming, FormatsAndNumbers)
{
    TRoomList area(15, 15);
    EXPECT_EQ(area.XYFileName(7, 3), "Noname4_2");
    TRoom r;
    r.X = 5;
    r.Y = 3;
    area.NewRoomCreated(r, nullptr);
    EXPECT_EQ(r.Number, 1);
    EXPECT_EQ(r.FileName, "Noname3_2");

    area.FileNameFormat = fnfAscending;
    area.FileDigits = 3;
    EXPECT_EQ(area.AscendingFileName(7), "Noname007");
    EXPECT_EQ(area.AscendingFileName(1234), "Noname1234");
    area.FileDigits = 1;
    EXPECT_EQ(area.AscendingFileName(7), "Noname7");
    area.FilePrefix = "room";
    area.FileDigits = 2;
    area.LastNumber = 4;
    TRoom s;
    area.NewRoomCreated(s, nullptr);
    EXPECT_EQ(s.FileName, "room05");

    area.FileNameFormat = fnfNone;
    TRoom t;
    area.NewRoomCreated(t, nullptr);
    EXPECT_EQ(t.FileName, "");
    EXPECT_EQ(t.Number, 6);

    // Only the newest number is given back.
    area.RoomErased(s);
    EXPECT_EQ(area.LastNumber, 6);
    area.RoomErased(t);
    EXPECT_EQ(area.LastNumber, 5);

    // The last 32-bit number given: a new room is refused before anything changes.
    area.LastNumber = std::numeric_limits<int32_t>::max();
    TRoom late;
    late.FileName = "kept";
    EXPECT_THROW(area.NewRoomCreated(late, nullptr), EKbError);
    EXPECT_EQ(area.LastNumber, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(late.FileName, "kept");

    area.Clear();
    EXPECT_EQ(area.LastNumber, 0);
    TRoom u;
    area.NewRoomCreated(u, nullptr);
    EXPECT_EQ(u.Number, 1);
}

TEST(MapEdit, BuildingOnALinkSplitsItThroughTheNewRoom)
{
    TRoomList area(5, 5);
    Put(area, 1, 1, 1);
    Put(area, 5, 1, 2);
    Put(area, 1, 5, 3);
    area.LastNumber = 3;
    area.LinkWE(3, 1, true);
    TRoom templ;
    templ.Short = "from template";
    const TBuildResult built = BuildRoom(area, {3, 1}, &templ);
    ASSERT_NE(built.Room, nullptr);
    EXPECT_TRUE(built.SplitLinks);
    EXPECT_EQ(built.Room->Number, 4);
    EXPECT_EQ(built.Room->Short, "from template");
    EXPECT_EQ(built.Room->FileName, "Noname2_1");
    EXPECT_TRUE(LinkedEW(area, {1, 1}, {3, 1}));
    EXPECT_TRUE(LinkedEW(area, {3, 1}, {5, 1}));

    // A room placed beside, not on, a link leaves it alone.
    const TBuildResult plain = BuildRoom(area, {3, 5}, nullptr);
    EXPECT_FALSE(plain.SplitLinks);
    EXPECT_EQ(plain.Room->CompassLinks[dirW], (TGridPoint{}));
}

TEST(MapEdit, BuildingOnEachLineJoinsAllFourEnds)
{
    struct Case {
        bool (TRoomList::*link)(int32_t, int32_t, bool);
        TGridPoint a, b;
        TDirection towardB;
    };
    const Case cases[] = {{&TRoomList::LinkWE, {1, 3}, {5, 3}, dirE},
                          {&TRoomList::LinkNS, {3, 1}, {3, 5}, dirS},
                          {&TRoomList::LinkSWNE, {1, 5}, {5, 1}, dirNE},
                          {&TRoomList::LinkNWSE, {1, 1}, {5, 5}, dirSE}};
    for (const Case& c : cases) {
        TRoomList area(5, 5);
        BuildRoom(area, c.a, nullptr);
        BuildRoom(area, c.b, nullptr);
        ASSERT_TRUE((area.*c.link)(3, 3, true));
        const TGridPoint mid{3, 3};
        ASSERT_TRUE(BuildRoom(area, mid, nullptr).SplitLinks) << c.towardB;
        const TDirection towardA = DirectionInfo(c.towardB).Opposite;
        EXPECT_EQ(area.RoomAt(c.a)->CompassLinks[c.towardB], mid) << c.towardB;
        EXPECT_EQ(area.RoomAt(mid)->CompassLinks[towardA], c.a) << c.towardB;
        EXPECT_EQ(area.RoomAt(mid)->CompassLinks[c.towardB], c.b) << c.towardB;
        EXPECT_EQ(area.RoomAt(c.b)->CompassLinks[towardA], mid) << c.towardB;
    }
}

TEST(MapEdit, ErasingUnlinksBothSidesAndGivesBackTheNumber)
{
    TRoomList area(5, 5);
    BuildRoom(area, {1, 1}, nullptr);
    BuildRoom(area, {3, 1}, nullptr);
    TRoom* c = BuildRoom(area, {3, 3}, nullptr).Room;
    area.LinkWE(2, 1, true);
    area.LinkNS(3, 2, true);
    area.LinkNWSE(2, 2, true);
    ASSERT_EQ(area.LastNumber, 3);
    auto erased = EraseRoom(area, area.RoomAt(3, 1));
    ASSERT_TRUE(erased);
    EXPECT_EQ(area.LastNumber, 3); // number 2 was not the newest
    EXPECT_EQ(area.RoomAt(1, 1)->CompassLinks[dirE], (TGridPoint{}));
    EXPECT_EQ(c->CompassLinks[dirN], (TGridPoint{}));
    EXPECT_EQ(c->CompassLinks[dirNW], (TGridPoint{1, 1})); // not the erased room's link
    EraseRoom(area, c);
    EXPECT_EQ(area.LastNumber, 2);
    EXPECT_EQ(area.RoomAt(1, 1)->CompassLinks[dirSE], (TGridPoint{}));
    EXPECT_EQ(area.Count(), 1);
}

TEST(MapEdit, ConnectorLinePrefersSouthWestToNorthEast)
{
    TRoomList area(5, 5);
    Put(area, 1, 1);
    Put(area, 3, 1);
    Put(area, 1, 3);
    Put(area, 3, 3);
    EXPECT_EQ(ConnectorLine(area, {2, 2}, false), TLinkLine::SWNE);
    EXPECT_EQ(ConnectorLine(area, {2, 2}, true), TLinkLine::NWSE);
    EXPECT_EQ(ConnectorLine(area, {2, 1}, false), TLinkLine::WE);
    EXPECT_EQ(ConnectorLine(area, {1, 2}, false), TLinkLine::NS);
    EXPECT_EQ(ConnectorLine(area, {1, 1}, false), TLinkLine::None);
    area.Remove(area.RoomAt(1, 3));
    EXPECT_EQ(ConnectorLine(area, {2, 2}, false), TLinkLine::NWSE);
    EXPECT_EQ(ConnectorLine(area, {4, 1}, false), TLinkLine::None);
}
