// The room details frame, the default-room pictures and the error boundary.
#include "gui/app/application.h"
#include "gui/document/areadocument.h"
#include "gui/room/defaultroombar.h"
#include "gui/room/defaultroomglyph.h"
#include "gui/room/roompanel.h"
#include "gui/room/validationlist.h"
#include "gui/shared/asker.h"
#include "kberror.h"
#include "model/roomlist.h"
#include "render/mapcolors.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(RoomPanel, HeaderShowsNumberShortCoordinatesAndExits)
{
    TAreaDocument document;
    TMessageBoxAsker asker;
    TRoomPanel panel(document, asker, nullptr);
    panel.show();
    auto* number = panel.findChild<QLineEdit*>(QStringLiteral("eNumber"));
    auto* shortLabel = panel.findChild<QLabel*>(QStringLiteral("lShort"));
    auto* coord = panel.findChild<QLabel*>(QStringLiteral("lCoordExits"));
    EXPECT_FALSE(panel.Tabs()->isVisible() || number->isVisible() || panel.ValidationList()->isVisible());

    TRoom room;
    room.Number = 12;
    room.X = 5;
    room.Y = 3;
    room.Short = "Dark \x9A\xE8"; // Windows-1250 "šč"
    room.CompassLinks[dirN] = {5, 1};
    room.CompassLinks[dirE] = {7, 3};
    document.SetActiveRoom(&room);
    EXPECT_TRUE(panel.Tabs()->isVisible());
    EXPECT_EQ(number->text(), QStringLiteral("12"));
    EXPECT_EQ(shortLabel->text(), QStringLiteral(" Dark šč "));
    EXPECT_EQ(coord->text(), QStringLiteral(" 3:2   n, e "));
    // What a screen reader speaks for the two labels.
    EXPECT_EQ(shortLabel->accessibleName(), QStringLiteral("Short description: Dark šč"));
    EXPECT_EQ(coord->accessibleName(), QStringLiteral("Position and exits: 3:2 n, e"));

    // A room without links at the top-left corner; none leaves the label.
    TRoom corner;
    corner.X = corner.Y = 1;
    panel.UpdateActiveExits(&corner);
    panel.UpdateActiveExits(nullptr);
    EXPECT_EQ(coord->text(), QStringLiteral(" 1:1    "));
    document.SetActiveRoom(nullptr);
    EXPECT_FALSE(panel.Tabs()->isVisible());
    EXPECT_FALSE(coord->isVisible());
}

TEST(RoomPanel, HeaderKeepsItsLayoutWithoutARoom)
{
    TAreaDocument document;
    TMessageBoxAsker asker;
    TRoomPanel panel(document, asker, nullptr);
    panel.resize(600, 200);
    panel.show();
    const auto strip = [&] {
        QApplication::sendPostedEvents();
        QList<QRect> places{panel.findChild<QWidget*>(QStringLiteral("RoomHeader"))->geometry()};
        for (const char* name : {"eNumber", "lShort", "lCoordExits", "sbHideDetails", "sbShowDetails"})
            places << panel.findChild<QWidget*>(QLatin1String(name))->geometry();
        return places;
    };
    TRoom room;
    room.X = room.Y = 1;
    room.Short = "Hall";
    document.SetActiveRoom(&room);
    const QList<QRect> withRoom = strip();
    document.SetActiveRoom(nullptr);
    EXPECT_EQ(strip(), withRoom);
}

TEST(DefaultRooms, ExactlyOneButtonIsPressed)
{
    TAreaDocument document;
    TDefaultRoomBar bar(document, nullptr);
    TDefaultRooms& templates = document.Templates();
    auto* b1 = bar.findChild<QToolButton*>(QStringLiteral("tbdf1"));
    auto* b7 = bar.findChild<QToolButton*>(QStringLiteral("tbdf7"));
    EXPECT_TRUE(b1->isChecked());
    b7->click();
    b7->click(); // clicking the pressed one keeps it pressed
    EXPECT_TRUE(b7->isChecked());
    EXPECT_FALSE(b1->isChecked());
    EXPECT_EQ(&templates.CurrentDefaultRoom(), &templates.DefaultRoomSlots[6]);

    // Loading fewer templates than buttons still gives ten slots.
    TRList three;
    for (int i = 0; i < 3; ++i)
        three.Add(std::make_unique<TRoom>())->Short = "t" + std::to_string(i);
    templates.ReplaceFrom(three);
    EXPECT_EQ(templates.DefaultRoomSlots[2].Short, "t2");
    EXPECT_EQ(templates.CurrentIndex(), 0);
    TRList out;
    templates.CopyInto(out);
    EXPECT_EQ(out.Count(), 10);
}

TEST(DefaultRooms, GlyphShowsTheTemplatesColours)
{
    const TRoomList area(15, 15);
    const auto& colors = area.Colors;
    const QColor face = DefaultMapBackground();
    TRoom tpl;
    QImage img = DefaultRoomGlyph(tpl, colors, 20);
    EXPECT_EQ(img.size(), QSize(22, 23));
    EXPECT_EQ(img.pixelColor(11, 11), face);

    // One type (City, 10) fills the picture.
    tpl.AreaTypes = WithAreaType(0, 10);
    EXPECT_EQ(DefaultRoomGlyph(tpl, colors, 20).pixelColor(21, 22), FromColorRef(colors[10]));

    // Forest and Hills: alternating stripes over CellSize - 1 rows, the rest button face.
    tpl.AreaTypes = WithAreaType(WithAreaType(0, 3), 5);
    ASSERT_NE(colors[3], colors[5]);
    img = DefaultRoomGlyph(tpl, colors, 20);
    for (int y = 0; y <= 18; ++y)
        EXPECT_EQ(img.pixelColor(5, y), FromColorRef(colors[y % 2 == 0 ? 3 : 5])) << y;
    EXPECT_EQ(img.pixelColor(5, 19), face);
    EXPECT_EQ(img.pixelColor(21, 0), FromColorRef(colors[3]));
    // At 150% the stripes cover the whole picture.
    EXPECT_EQ(DefaultRoomGlyph(tpl, colors, 30).pixelColor(5, 22), FromColorRef(colors[3]));

    // Two types of one colour are solid.
    std::array<int32_t, 19> same = colors;
    same[5] = same[3];
    EXPECT_EQ(DefaultRoomGlyph(tpl, same, 20).pixelColor(5, 22), FromColorRef(same[3]));
}

TEST(ErrorBoundary, ReportsTheMessageAndGoesOn)
{
    QStringList reported;
    auto report = [&](const QString& m) { reported << m; };
    EXPECT_TRUE(DeliverReportingErrors([] { return true; }, report));
    EXPECT_FALSE(DeliverReportingErrors([]() -> bool { throw EKbError("Špatný formát souboru"); }, report));
    EXPECT_FALSE(DeliverReportingErrors([]() -> bool { throw std::runtime_error("disk full"); }, report));
    EXPECT_EQ(reported, (QStringList{QStringLiteral("Špatný formát souboru"), QStringLiteral("disk full")}));
}
