// Mouse gestures on the map of a real main window: building, linking, erasing, cursors,
// undo, and what the picture shows afterwards.
#include "editorfixture.h"

#include "gui/app/statuspanels.h"
#include "gui/map/cursorfactory.h"
#include "gui/room/defaultroombar.h"
#include "gui/room/roompanel.h"
#include "render/mapcolors.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QColor Black(0, 0, 0);

// A pixel in the middle of the connector cell between two room cells on one row.
QColor LinkPixel(TEditorFixture& f, TGridPoint connector)
{
    const TMapGeometry& g = f.Form().MapView().Geometry();
    // At 100% the west-east link runs along row T + half of the cell.
    const int y = g.GetTop(connector.Y) + g.CellSize() / 2;
    const int x = (g.GetLeft(connector.X) + g.GetRight(connector.X)) / 2;
    return f.Picture().pixelColor(x, y);
}

int UndoCount(TEditorFixture& f)
{
    return f.Form().Document().Undo().Count();
}
} // namespace

TEST(MapGestures, BuildingBetweenLinkedRoomsRelinksBothSidesAndRepaints)
{
    TEditorFixture f;
    TRoomList& area = f.Area();
    TRoom* west = PlaceRoom(area, {1, 1});
    TRoom* east = PlaceRoom(area, {5, 1});
    ASSERT_TRUE(area.LinkWE(3, 1, true));
    f.Form().MapView().RepaintMap();
    ASSERT_EQ(LinkPixel(f, {3, 1}), Black) << "the long link passes over the empty cell";

    f.Click({3, 1});

    TRoom* middle = area.RoomAt(3, 1);
    ASSERT_NE(middle, nullptr);
    EXPECT_EQ(west->CompassLinks[dirE], (TGridPoint{3, 1}));
    EXPECT_EQ(middle->CompassLinks[dirW], (TGridPoint{1, 1}));
    EXPECT_EQ(middle->CompassLinks[dirE], (TGridPoint{5, 1}));
    EXPECT_EQ(east->CompassLinks[dirW], (TGridPoint{3, 1}));
    EXPECT_EQ(f.Form().RoomPanel().ActiveRoom(), middle);
    EXPECT_EQ(UndoCount(f), 2);

    // The picture shows the room framed in black, and both halves of the link.
    const TMapGeometry& g = f.Form().MapView().Geometry();
    EXPECT_EQ(f.Picture().pixelColor(g.GetLeft(3), g.GetTop(1) + 5), Black) << "frame";
    EXPECT_EQ(LinkPixel(f, {2, 1}), Black);
    EXPECT_EQ(LinkPixel(f, {4, 1}), Black);
}

TEST(MapGestures, CrossingCursorPrefersSouthWestToNorthEastAndCtrlSwitches)
{
    TEditorFixture f;
    TRoomList& area = f.Area();
    PlaceRoom(area, {1, 1});
    PlaceRoom(area, {3, 3});
    f.MoveTo({2, 2});
    EXPECT_EQ(f.Editor().CursorSlot(), mcNWSE) << "the only diagonal, without Ctrl";

    // Between four rooms; pressing and releasing a key over the map re-evaluates the cursor.
    PlaceRoom(area, {3, 1});
    PlaceRoom(area, {1, 3});
    f.Canvas()->setFocus();
    QTest::keyPress(f.Canvas(), Qt::Key_Shift);
    EXPECT_EQ(f.Editor().CursorSlot(), mcSWNE);
    EXPECT_EQ(f.Canvas()->cursor().bitmap().toImage(), MapCursor(mcSWNE).bitmap().toImage());
    // Qt reports a modifier key with the state after the event, as the keyboard has it.
    QTest::keyPress(f.Canvas(), Qt::Key_Control);
    EXPECT_EQ(f.Editor().CursorSlot(), mcNWSE);
    QTest::keyRelease(f.Canvas(), Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(f.Editor().CursorSlot(), mcSWNE);

    // Clicking with Ctrl links the north-west to south-east pair.
    f.Click({2, 2}, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(area.RoomAt(1, 1)->CompassLinks[dirSE], (TGridPoint{3, 3}));
    EXPECT_FALSE(area.RoomAt(1, 3)->HasLink(dirNE));
    EXPECT_EQ(UndoCount(f), 2);
}

TEST(MapGestures, CursorsFollowTheCellAndTheZoom)
{
    TEditorFixture f;
    PlaceRoom(f.Area(), {1, 1});
    PlaceRoom(f.Area(), {1, 5});
    f.MoveTo({3, 3});
    EXPECT_EQ(f.Editor().CursorSlot(), mcHouse);
    EXPECT_EQ(f.Form().Status().Text(TStatusPanels::CursorCell), QStringLiteral("3, 3"));
    EXPECT_EQ(f.Form().Status().Text(TStatusPanels::RoomPosition), QStringLiteral("2, 2"));
    const std::pair<TGridPoint, int> cases[] = {{{1, 1}, 0}, {{1, 4}, mcNS}, {{2, 3}, 0}};
    for (const auto& [cell, slot] : cases) {
        f.MoveTo(cell);
        EXPECT_EQ(f.Editor().CursorSlot(), slot) << cell.X << ", " << cell.Y;
    }
    EXPECT_EQ(f.Form().Status().Text(TStatusPanels::RoomPosition), QString());

    f.ChooseZoom(1);
    f.MoveTo({3, 3});
    EXPECT_EQ(f.Editor().CursorSlot(), mcHouse + MapCursorSmallOffset) << "50% uses the small set";

    // Leaving the picture forgets the cell.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(f.Canvas(), &leave);
    EXPECT_EQ(f.Editor().State().CursorCell, (TGridPoint{-1, -1}));
    EXPECT_EQ(f.Form().Status().Text(TStatusPanels::CursorCell), QString());
}

TEST(MapGestures, RightClickOnLinkedRoomUnlinksErasesAndGivesTheNumberBack)
{
    TEditorFixture f;
    TRoomList& area = f.Area();
    PlaceRoom(area, {1, 1});
    PlaceRoom(area, {3, 1});
    PlaceRoom(area, {3, 3});
    area.LinkWE(2, 1, true);
    area.LinkNS(3, 2, true);
    f.Form().MapView().RepaintMap();

    // The newest room (number 3) at (3, 3), then the middle one (number 2).
    f.Click({3, 3}, Qt::RightButton);
    EXPECT_EQ(area.RoomAt(3, 3), nullptr);
    EXPECT_FALSE(area.RoomAt(3, 1)->HasLink(dirS));
    EXPECT_EQ(area.LastNumber, 2);

    f.Click({3, 1}, Qt::RightButton);
    EXPECT_EQ(area.RoomAt(3, 1), nullptr);
    EXPECT_FALSE(area.RoomAt(1, 1)->HasLink(dirE));
    EXPECT_EQ(area.LastNumber, 1);
    EXPECT_EQ(f.Form().RoomPanel().ActiveRoom(), nullptr);
    EXPECT_EQ(UndoCount(f), 3);
    EXPECT_NE(LinkPixel(f, {2, 1}), Black) << "the link line is gone";
}

TEST(MapGestures, ConnectorClickWithoutAPairBeepsAndRecordsNothing)
{
    TEditorFixture f;
    PlaceRoom(f.Area(), {1, 1});
    f.Click({2, 1});
    EXPECT_EQ(f.Beeps(), 1);
    EXPECT_EQ(UndoCount(f), 1);
    EXPECT_FALSE(f.Area().RoomAt(1, 1)->HasLink(dirE));

    // Between two rooms the same click links them without a beep.
    PlaceRoom(f.Area(), {3, 1});
    f.MoveTo({1, 1});
    f.Click({2, 1});
    EXPECT_EQ(f.Beeps(), 1);
    EXPECT_TRUE(f.Area().RoomAt(1, 1)->HasLink(dirE));
    EXPECT_EQ(UndoCount(f), 2);
    EXPECT_EQ(LinkPixel(f, {2, 1}), Black);

    // A right click on the connector unlinks and the line disappears.
    f.Click({2, 1}, Qt::RightButton);
    EXPECT_FALSE(f.Area().RoomAt(1, 1)->HasLink(dirE));
    EXPECT_NE(LinkPixel(f, {2, 1}), Black);
    EXPECT_EQ(UndoCount(f), 3);
}

TEST(MapGestures, UndoAfterBuildingRestoresTheAreaAndReloadsTheActiveRoom)
{
    TEditorFixture f;
    f.Click({5, 3});
    ASSERT_NE(f.Area().RoomAt(5, 3), nullptr);
    const QImage built = f.Picture();

    QTest::mouseClick(f.Button("tbUndo"), Qt::LeftButton);

    EXPECT_EQ(f.Area().Count(), 0);
    EXPECT_EQ(f.Area().LastNumber, 0);
    EXPECT_FALSE(f.Area().Modified);
    EXPECT_EQ(f.Form().RoomPanel().ActiveRoom(), nullptr);
    EXPECT_FALSE(f.Button("tbUndo")->isEnabled());
    EXPECT_TRUE(f.Button("tbRedo")->isEnabled());
    EXPECT_EQ(f.Form().Status().Text(TStatusPanels::MapUndo), QStringLiteral("0 / 1"));
    const TMapGeometry& g = f.Form().MapView().Geometry();
    EXPECT_EQ(f.Picture().pixelColor(g.GetLeft(5), g.GetTop(3) + 5), DefaultMapBackground());

    // Redo brings a new room object back, and the panel shows that one.
    f.Form().Menu().miRedo->trigger();
    TRoom* again = f.Area().RoomAt(5, 3);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(f.Form().RoomPanel().ActiveRoom(), again);
    EXPECT_EQ(f.Picture(), built);
}

TEST(MapGestures, NewRoomsCopyTheCurrentDefaultRoom)
{
    TEditorFixture f;
    QTest::mouseClick(f.Button("tbdf3"), Qt::LeftButton);
    TRoom& tpl = f.Form().DefaultRooms().CurrentDefaultRoom();
    tpl.Short = "A dark wood";
    tpl.AreaTypes = WithAreaType(0, 3);
    tpl.FileName = "template";
    tpl.Number = 77;

    f.Click({3, 3});
    const TRoom* room = f.Area().RoomAt(3, 3);
    ASSERT_NE(room, nullptr);
    EXPECT_EQ(room->Short, tpl.Short);
    EXPECT_EQ(room->AreaTypes, tpl.AreaTypes);
    EXPECT_EQ(room->Number, 1);
    EXPECT_EQ(room->FileName, "Noname2_2");
}
