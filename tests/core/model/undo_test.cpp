#include "model/areaundo.h"
#include "model/mapedit.h"

#include <gtest/gtest.h>

namespace {
bool SameArea(const TRoomList& a, const TRoomList& b)
{
    if (!(static_cast<const TAreaFields&>(a) == static_cast<const TAreaFields&>(b)) || a.Count() != b.Count())
        return false;
    for (int i = 0; i < a.Count(); ++i)
        if (!(a[i] == b[i]))
            return false;
    return a.DefaultRooms == b.DefaultRooms;
}
} // namespace

TEST(AreaUndo, SingleMarkCannotUndoOrRedo)
{
    TRoomList area(5, 5);
    TAUndoList h;
    int changes = 0;
    h.OnChange = [&] { ++changes; };
    h.AddMark(area);
    EXPECT_EQ(h.Position(), 0);
    EXPECT_EQ(h.Count(), 1);
    BuildRoom(area, {1, 1}, nullptr);
    h.Undo(area);
    h.Redo(area);
    EXPECT_EQ(area.Count(), 1); // nothing happened
    EXPECT_EQ(changes, 1);
}

TEST(AreaUndo, UndoRedoAndBranching)
{
    TRoomList area(5, 5);
    TAUndoList h;
    h.AddMark(area);
    BuildRoom(area, {1, 1}, nullptr);
    h.AddMark(area);
    TRoomList afterFirst(0, 0);
    afterFirst.Assign(area);
    BuildRoom(area, {3, 1}, nullptr);
    area.LinkWE(2, 1, true);
    h.AddMark(area);
    area.RoomAt(1, 1)->Short = "third edit";
    h.AddMark(area);
    EXPECT_EQ(h.Count(), 4);
    EXPECT_EQ(h.Position(), 3);

    h.Undo(area);
    h.Undo(area);
    EXPECT_EQ(h.Position(), 1);
    EXPECT_TRUE(SameArea(area, afterFirst));
    EXPECT_NE(area.RoomAt(1, 1), nullptr);
    EXPECT_EQ(area.RoomAt(3, 1), nullptr);

    h.Redo(area);
    ASSERT_NE(area.RoomAt(3, 1), nullptr);
    EXPECT_EQ(area.RoomAt(1, 1)->CompassLinks[dirE], (TGridPoint{3, 1}));
    EXPECT_EQ(area.RoomAt(3, 1)->Number, 2);
    h.Undo(area);

    BuildRoom(area, {1, 3}, nullptr);
    h.AddMark(area);
    EXPECT_EQ(h.Count(), 3);
    EXPECT_EQ(h.Position(), 2);
    h.Redo(area);
    EXPECT_EQ(h.Position(), 2);
    EXPECT_NE(area.RoomAt(1, 3), nullptr);
}

TEST(AreaUndo, RestoresModifiedAndAreaFields)
{
    TRoomList area(5, 5);
    TAUndoList h;
    h.AddMark(area);
    area.FilePrefix = "cave";
    area.Colors[3] = 0x123456;
    area.FileHeader.push_back("// more");
    area.Modified = true;
    h.AddMark(area);
    h.Undo(area);
    EXPECT_FALSE(area.Modified);
    EXPECT_EQ(area.FilePrefix, "Noname");
    EXPECT_EQ(area.Colors[3], 0x008000);
    EXPECT_EQ(area.FileHeader, DefaultFileHeader());
    h.Redo(area);
    EXPECT_TRUE(area.Modified);
    EXPECT_EQ(area.FilePrefix, "cave");
    EXPECT_EQ(area.FileHeader.back(), "// more");
}

TEST(AreaUndo, SnapshotsShareUnchangedRoomsOnly)
{
    TRoomList area(21, 21);
    for (int y = 1; y <= 21; y += 2)
        for (int x = 1; x <= 21; x += 2)
            BuildRoom(area, {x, y}, nullptr);
    TAUndoList h;
    h.AddMark(area);
    area.RoomAt(5, 5)->Items.push_back({});
    h.AddMark(area);
    const auto& a = h.At(0).Rooms;
    const auto& b = h.At(1).Rooms;
    ASSERT_EQ(a.size(), b.size());
    int shared = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == b[i])
            ++shared;
        else
            EXPECT_EQ(b[i]->X * 100 + b[i]->Y, 505);
    }
    EXPECT_EQ(shared, static_cast<int>(a.size()) - 1);
    // The earlier snapshot still holds the room as it was.
    h.Undo(area);
    EXPECT_TRUE(area.RoomAt(5, 5)->Items.empty());

    // Editing a shared room in the live area never reaches the snapshots.
    area.RoomAt(7, 7)->Short = "live only";
    h.Redo(area);
    EXPECT_EQ(area.RoomAt(7, 7)->Short, "");
}

TEST(AreaUndo, ErasedRoomComesBackWithItsLinks)
{
    TRoomList area(5, 1);
    BuildRoom(area, {1, 1}, nullptr);
    BuildRoom(area, {3, 1}, nullptr);
    BuildRoom(area, {5, 1}, nullptr);
    area.LinkWE(2, 1, true);
    area.LinkWE(4, 1, true);
    TAUndoList h;
    h.AddMark(area);
    EraseRoom(area, area.RoomAt(3, 1));
    h.AddMark(area);
    EXPECT_EQ(area.LastNumber, 3);
    h.Undo(area);
    ASSERT_NE(area.RoomAt(3, 1), nullptr);
    EXPECT_EQ(area.RoomAt(3, 1)->Number, 2);
    EXPECT_EQ(area.RoomAt(3, 1)->CompassLinks[dirW], (TGridPoint{1, 1}));
    EXPECT_EQ(area.RoomAt(5, 1)->CompassLinks[dirW], (TGridPoint{3, 1}));
}
