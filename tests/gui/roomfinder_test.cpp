// "Find room": the query field and its results list, seen from the map's active room.
#include "editorfixture.h"
#include "gui/map/handmode.h"
#include "gui/room/roomfinder.h"
#include "gui/room/roompanel.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {
void Find(QLineEdit& query, const char* text)
{
    query.selectAll();
    QTest::keyClicks(&query, QString::fromLatin1(text));
}
} // namespace

TEST(FindRoom, FindsByEachFieldAndChoosesTheRoom)
{
    TEditorFixture f;
    TFormMain& w = f.Form();
    w.HandMode().BlinkTick(); // the stored layout (details hidden) is applied first
    TRoomList area(61, 61);
    PlaceRoom(area, {1, 1})->Short = "Gate";
    TRoom& far = *PlaceRoom(area, {59, 59});
    far.FileName = "tower_top";
    far.Short = "Top of the \xE8" "ern\xE1 tower"; // "černá" in Windows-1250
    far.Descriptions = {{"Long", {"Wind howls", "around."}}};
    far.Items.resize(1);
    far.Items[0].ID = "bell";
    f.OpenArea(QStringLiteral("find.arf"), area);
    TRoomFinder& finder = *w.RoomPanel().Finder();
    ASSERT_FALSE(finder.isVisible());

    // Ctrl+F brings the hidden details up with the field focused.
    QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(finder.isVisible());
    EXPECT_FALSE(w.DetailsHidden());
    QLineEdit& query = *finder.Query();
    EXPECT_TRUE(query.hasFocus());
    QListWidget& results = *finder.Results();
    EXPECT_GE(results.height(), 2 * results.fontMetrics().height()) << "the splitter leaves room for the lines";

    const TMapView& map = w.MapView();
    const struct {
        const char* Query;
        const char* Line;
    } cases[] = {
        {"2", "Room 2 (59:59) Top of the černá tower: number"},
        {"TOWER_TOP.c", "Room 2 (59:59) Top of the černá tower: file name"},
        {"\xC8" "ERN\xC1", "Room 2 (59:59) Top of the černá tower: short description"},
        {"howls around", "Room 2 (59:59) Top of the černá tower: description"},
        {"Bell", "Room 2 (59:59) Top of the černá tower: item ID"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Query);
        w.MapEditor().SelectRoom(f.Area().RoomAt({1, 1}));
        Find(query, c.Query);
        ASSERT_EQ(results.count(), 1);
        EXPECT_EQ(results.item(0)->text(), QString::fromUtf8(c.Line));
        // Enter chooses the first room: active, framed and scrolled into view.
        ASSERT_FALSE(map.VisiblePixels().contains(map.CellInner({59, 59})));
        QTest::keyClick(&query, Qt::Key_Return);
        EXPECT_EQ(w.Document().ActiveRoom(), f.Area().RoomAt({59, 59}));
        EXPECT_EQ(map.Canvas()->ActiveFrameCell(), (TGridPoint{59, 59}));
        EXPECT_TRUE(map.Canvas()->ActiveFrameOn());
        EXPECT_TRUE(map.VisiblePixels().contains(map.CellInner({59, 59})));
    }
    Find(query, "nowhere");
    EXPECT_EQ(results.count(), 0);

    // A click on a line chooses its room as well.
    Find(query, "t");
    ASSERT_EQ(results.count(), 2);
    QTest::mouseClick(results.viewport(), Qt::LeftButton, {}, results.visualItemRect(results.item(0)).center());
    EXPECT_EQ(w.Document().ActiveRoom(), f.Area().RoomAt({1, 1}));
    EXPECT_FALSE(f.Area().Modified);

    // The results follow edits and their undo.
    Find(query, "gate");
    ASSERT_EQ(results.count(), 1);
    f.Area().RoomAt({1, 1})->Short = "Door";
    w.Document().RecordEdit();
    EXPECT_EQ(results.count(), 0);
    w.Menu().miUndo->trigger();
    EXPECT_EQ(results.count(), 1);

    // Escape hides the finder.
    QTest::keyClick(&query, Qt::Key_Escape);
    EXPECT_FALSE(finder.isVisible());
}

TEST(FindRoom, CapitalsFindSmallLettersAndNumbersMatchWhole)
{
    TEditorFixture f;
    TFormMain& w = f.Form();
    w.HandMode().BlinkTick();
    TRoomList area(9, 9);
    TRoom& small = *PlaceRoom(area, {1, 1});
    small.Number = 12;
    small.FileName = "north";
    small.Short = "\x9Elu\x9Dou\xE8k\xFD k\xF9\xF2"; // "žluťoučký kůň" in Windows-1250
    TRoom& large = *PlaceRoom(area, {3, 1});
    large.Number = 112;
    large.FileName = "south";
    large.Short = "Hall";
    f.OpenArea(QStringLiteral("prefix.arf"), area);
    QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
    TRoomFinder& finder = *w.RoomPanel().Finder();
    QLineEdit& query = *finder.Query();
    QListWidget& results = *finder.Results();

    // Typed letter by letter as a keyboard with these keys sends them.
    query.selectAll();
    for (const QChar c : QString::fromUtf8("ŽLUŤOUČKÝ")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::ShiftModifier, QString(c));
        QApplication::sendEvent(&query, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::ShiftModifier, QString(c));
        QApplication::sendEvent(&query, &release);
    }
    ASSERT_EQ(query.text(), QString::fromUtf8("ŽLUŤOUČKÝ"));
    ASSERT_EQ(results.count(), 1);
    EXPECT_EQ(results.item(0)->text(), QString::fromUtf8("Room 12 (1:1) žluťoučký kůň: short description"));

    const struct {
        const char* Query;
        QStringList Lines;
    } cases[] = {
        {"1", {}},
        {"11", {}},
        {"12", {QStringLiteral("Room 12 (1:1) \u017elu\u0165ou\u010dk\u00fd k\u016f\u0148: number")}},
        {"112", {QStringLiteral("Room 112 (3:1) Hall: number")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Query);
        Find(query, c.Query);
        QStringList lines;
        for (int i = 0; i < results.count(); ++i)
            lines << results.item(i)->text();
        EXPECT_EQ(lines, c.Lines);
    }
}
