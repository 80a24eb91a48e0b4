// What a screen reader finds: every control of the window and its dialogs named and
// described, and the map canvas announcing the cell that hand mode walks to.
#include "editorfixture.h"

#include "gui/document/doctext.h"
#include "gui/map/handmode.h"
#include "gui/options/formoptions.h"
#include "gui/room/formroom.h"
#include "model/mapedit.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// Layout-only objects: a screen reader passes through them to the controls they hold.
bool IsContainer(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Client: case QAccessible::Pane: case QAccessible::Window: case QAccessible::Dialog:
    case QAccessible::Splitter: case QAccessible::Separator: case QAccessible::Grip:
    case QAccessible::ToolBar: case QAccessible::StatusBar: case QAccessible::LayeredPane:
    case QAccessible::PageTabList: case QAccessible::ScrollBar: case QAccessible::MenuBar:
        return true;
    default:
        return false;
    }
}

// The parts Qt builds inside a combo box, tab bar or line edit speak for their owner.
bool IsQtPart(const QWidget& widget)
{
    const QWidget* owner = widget.parentWidget();
    return widget.inherits("QComboBoxListView")
           || (owner && (owner->inherits("QComboBox") || owner->inherits("QTabBar") || owner->inherits("QLineEdit")));
}

bool Described(const QAccessibleInterface& iface)
{
    // A caption or a group box is what it says; a control also tells what it is for.
    const QAccessible::Role role = iface.role();
    return role == QAccessible::StaticText || role == QAccessible::Grouping
           || !iface.text(QAccessible::Description).trimmed().isEmpty();
}

void CollectUnnamed(QAccessibleInterface* iface, QStringList& missing)
{
    if (!iface || !iface->isValid())
        return;
    auto* widget = qobject_cast<QWidget*>(iface->object());
    if (widget && !IsContainer(iface->role()) && !IsQtPart(*widget)
        && (iface->text(QAccessible::Name).trimmed().isEmpty() || !Described(*iface)))
        missing << QStringLiteral("%1 %2 role %3 name '%4'")
                       .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName())
                       .arg(iface->role())
                       .arg(iface->text(QAccessible::Name));
    // Items of lists and tables are named by their text; only widgets are checked.
    if (!widget)
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        CollectUnnamed(iface->child(i), missing);
}

QStringList Unnamed(QWidget* root)
{
    QStringList missing;
    CollectUnnamed(QAccessible::queryAccessibleInterface(root), missing);
    return missing;
}
} // namespace

TEST(Accessibility, EveryControlOfTheWindowAndItsDialogsHasANameAndADescription)
{
    TEditorFixture f;
    EXPECT_EQ(Unnamed(&f.Form()).join(QLatin1Char('\n')).toStdString(), "");
    QTest::mouseClick(f.Button("tbOptions"), Qt::LeftButton);
    auto* options = f.Form().findChild<TFormOptions*>(QStringLiteral("FormOptions"));
    ASSERT_TRUE(options);
    EXPECT_EQ(Unnamed(options).join(QLatin1Char('\n')).toStdString(), "");
    options->reject();
    EXPECT_EQ(Unnamed(&f.Form().FormRoom()).join(QLatin1Char('\n')).toStdString(), "");
}


TEST(Accessibility, WalkingBuildingLinkingAndUndoAreEachSpokenOnce)
{
    TRoomList area(15, 15);
    TRoom* path = PlaceRoom(area, {1, 1});
    path->Short = QtToDoc(QStringLiteral("Lesní cesta"));
    TRoom* inn = PlaceRoom(area, {3, 1});
    area.LinkWE(2, 1, true);
    TEditorFixture f;
    f.OpenArea(QStringLiteral("walk.arf"), area);
    qint64 now = 100000;
    f.Form().HandMode().MillisNow = [&now] { return now += 300; };

    // What a screen reader hears of the map: the name of each cell the map reports.
    QStringList heard;
    static_cast<TMapCanvas*>(f.Canvas())->TellScreenReader = [&heard](QAccessibleEvent& event) {
        QAccessibleInterface* iface = event.accessibleInterface();
        const bool cell = event.type() == QAccessible::Focus || event.type() == QAccessible::NameChanged;
        if (cell && iface && iface->role() == QAccessible::Cell)
            heard << iface->text(QAccessible::Name);
    };
    QTest::mouseClick(f.Button("sbMode"), Qt::LeftButton);
    QAccessibleInterface* canvas = QAccessible::queryAccessibleInterface(f.Canvas());
    EXPECT_TRUE(canvas->text(QAccessible::Description).startsWith(QStringLiteral("Hand mode, pen up")));
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_P, Qt::Key_Down, Qt::Key_Up})
        QTest::keyClick(f.Canvas(), key);
    EXPECT_TRUE(canvas->text(QAccessible::Description).startsWith(QStringLiteral("Hand mode, pen down")));
    QTest::mouseClick(f.Button("tbUndo"), Qt::LeftButton);

    const int south = f.Area().RoomAt(5, 3)->Number, north = f.Area().RoomAt(5, 1)->Number;
    const QStringList expected = {
        QStringLiteral("Room %1, Lesní cesta, exits east, x 1, y 1").arg(path->Number),
        QStringLiteral("Room %1, exits west, x 3, y 1").arg(inn->Number),
        QStringLiteral("Empty, x 5, y 1"),
        QStringLiteral("Room %1, no exits, x 5, y 3").arg(south),
        QStringLiteral("Room %1, exits south, x 5, y 1").arg(north),
        QStringLiteral("Room %1, no exits, x 5, y 1").arg(north),
    };
    EXPECT_EQ(heard.join(QLatin1Char('\n')).toStdString(), expected.join(QLatin1Char('\n')).toStdString());
    EXPECT_EQ(canvas->focusChild()->text(QAccessible::Name), expected.back());
}

TEST(Accessibility, EachDirectionOfARoomIsSpokenByName)
{
    // The room in the middle and a neighbour per direction, with the connector between them.
    const struct {
        TGridPoint Neighbour;
        TGridPoint Connector;
        TLinkLine Line;
        const char* Name;
        const char* Back; // as heard from the neighbour
    } directions[] = {
        {{5, 3}, {5, 4}, TLinkLine::NS, "north", "south"},
        {{5, 7}, {5, 6}, TLinkLine::NS, "south", "north"},
        {{7, 5}, {6, 5}, TLinkLine::WE, "east", "west"},
        {{3, 5}, {4, 5}, TLinkLine::WE, "west", "east"},
        {{3, 3}, {4, 4}, TLinkLine::NWSE, "northwest", "southeast"},
        {{7, 7}, {6, 6}, TLinkLine::NWSE, "southeast", "northwest"},
        {{3, 7}, {4, 6}, TLinkLine::SWNE, "southwest", "northeast"},
        {{7, 3}, {6, 4}, TLinkLine::SWNE, "northeast", "southwest"},
    };
    const auto heardOn = [](TEditorFixture& f, TGridPoint cell) {
        f.Click(cell);
        const QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(f.Canvas())->focusChild();
        return heard ? heard->text(QAccessible::Name) : QStringLiteral("(nothing focused)");
    };
    TRoomList all(9, 9);
    PlaceRoom(all, {5, 5});
    for (const auto& d : directions) {
        SCOPED_TRACE(d.Name);
        TRoomList area(9, 9);
        const int middle = PlaceRoom(area, {5, 5})->Number;
        const int neighbour = PlaceRoom(area, d.Neighbour)->Number;
        ASSERT_TRUE(LinkLine(area, d.Line, d.Connector, true));
        TEditorFixture f;
        f.OpenArea(QStringLiteral("one.arf"), area);
        EXPECT_EQ(heardOn(f, {5, 5}), QStringLiteral("Room %1, exits %2, x 5, y 5").arg(middle).arg(d.Name));
        EXPECT_EQ(heardOn(f, d.Neighbour), QStringLiteral("Room %1, exits %2, x %3, y %4")
                                               .arg(neighbour)
                                               .arg(d.Back)
                                               .arg(d.Neighbour.X)
                                               .arg(d.Neighbour.Y));
        PlaceRoom(all, d.Neighbour);
        ASSERT_TRUE(LinkLine(all, d.Line, d.Connector, true));
    }
    TEditorFixture f;
    f.OpenArea(QStringLiteral("all.arf"), all);
    EXPECT_EQ(heardOn(f, {5, 5}),
              QStringLiteral("Room %1, exits northwest, north, northeast, east, southeast, south, southwest, west, "
                             "x 5, y 5")
                  .arg(f.Area().RoomAt({5, 5})->Number));
}
