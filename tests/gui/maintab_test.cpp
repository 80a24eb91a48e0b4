// The "Main" and "Other" tabs of the room details on the real window: when the room is
// written, when Modified is set and a mark recorded, marker colours, F5 and "to default".
#include "editorfixture.h"
#include "gui/map/handmode.h"
#include "gui/room/roompanel.h"
#include "model/text.h"
#include "render/mapcolors.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {
constexpr TGridPoint kCell{3, 3};

// A window on an area with one room, set up by the caller, chosen on the map with the
// details shown; the area is unmodified.
struct TDetails {
    explicit TDetails(const std::function<void(TRoom&)>& setUp = {})
    {
        TRoomList area(15, 15);
        TRoom* room = PlaceRoom(area, kCell);
        if (setUp)
            setUp(*room);
        f.OpenArea(QStringLiteral("one.arf"), area);
        f.Click(kCell);
        f.Form().ShowDetails();
    }
    template <class T> T* Get(const char* name) { return f.Form().findChild<T*>(QLatin1String(name)); }
    TRoom& Room() { return *f.Form().Document().ActiveRoom(); }
    TRoom& Template() { return f.Form().DefaultRooms().CurrentDefaultRoom(); }
    int Marks() const { return f.Form().Document().Undo().Count(); }
    bool Modified() { return f.Area().Modified; }
    void Leave(QWidget* field) { f.Canvas()->setFocus(); ASSERT_FALSE(field->hasFocus()); }
    void ShowTab(int index) { f.Form().RoomPanel().Tabs()->setCurrentIndex(index); }

    mutable TEditorFixture f;
};

QColor Background(const QWidget* w, QPalette::ColorRole role)
{
    return w->palette().color(role);
}
const QColor Marker() { return QApplication::palette().color(QPalette::ToolTipBase); }

void ClickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}
} // namespace

TEST(MainTab, ShowingAKindTheRoomLacksAddsNothingUntilTypedInto)
{
    TDetails d;
    EXPECT_TRUE(d.Room().Descriptions.empty());
    const int marks = d.Marks();
    auto* type = d.Get<QComboBox>("cbType");
    auto* memo = d.Get<QPlainTextEdit>("mLong");
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Down);
    EXPECT_EQ(type->currentText(), QStringLiteral("Night Long"));
    memo->setFocus();
    d.Leave(memo);
    EXPECT_TRUE(d.Room().Descriptions.empty());
    EXPECT_FALSE(d.Modified());
    EXPECT_EQ(d.Marks(), marks);

    // Typed into, the kind shown is made with the text, as one step.
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("Owls."));
    d.Leave(memo);
    EXPECT_EQ(d.Room().Descriptions, (std::vector<TRoomDescription>{{"Night Long", {"Owls."}}}));
    EXPECT_EQ(d.Marks(), marks + 1);
}

TEST(MainTab, LeavingAFieldWritesOnlyAChangeThenMarksWithModified)
{
    struct TCase {
        const char* Field;
        std::function<std::string(const TRoom&)> Stored;
    };
    const TCase cases[] = {
        {"eFilename", [](const TRoom& r) { return r.FileName; }},
        {"eShort", [](const TRoom& r) { return r.Short; }},
        {"mLong", [](const TRoom& r) { return StringsDescToString(r.Descriptions.at(0).Text); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Field);
        TDetails d([](TRoom& r) {
            r.Short = "Glade";
            r.Descriptions = {{"Long", {"Tall trees."}}};
        });
        QWidget* field = d.Get<QWidget>(c.Field);
        const std::string before = c.Stored(d.Room());
        const int marks = d.Marks();
        field->setFocus();
        d.Leave(field);
        EXPECT_EQ(d.Marks(), marks);
        EXPECT_FALSE(d.Modified());

        field->setFocus();
        QTest::keyClick(field, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(field, QStringLiteral("X"));
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_Aacute, QStringLiteral("\u00E1"), {}); // 0xE1 in Windows-1250
        d.Leave(field);
        EXPECT_EQ(c.Stored(d.Room()), before + "X\xE1");
        EXPECT_EQ(d.Marks(), marks + 1);
        EXPECT_TRUE(d.Modified());

        // Undo gives the field back its text and the area its flag.
        d.f.Form().Document().UndoEdit();
        EXPECT_EQ(c.Stored(d.Room()), before);
        EXPECT_FALSE(d.Modified());
        if (auto* edit = qobject_cast<QLineEdit*>(field)) {
            EXPECT_EQ(edit->text(), QString::fromStdString(before));
        }
    }
}

TEST(MainTab, DescriptionsShowJoinedAndKeepTheirLinesUntilTyped)
{
    TDetails d([](TRoom& r) { r.Descriptions = {{"Long", {"The hall is", "dark."}}}; });
    auto* memo = d.Get<QPlainTextEdit>("mLong");
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("The hall is dark."));
    memo->setFocus();
    d.Leave(memo);
    EXPECT_EQ(d.Room().Descriptions[0].Text, (TStrings{"The hall is", "dark."}));

    // Typing sets Modified at once; leaving stores the one line shown.
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Exclam);
    EXPECT_TRUE(d.Modified());
    EXPECT_EQ(d.Room().Descriptions[0].Text.size(), 2u);
    d.Leave(memo);
    EXPECT_EQ(d.Room().Descriptions[0].Text, (TStrings{"The hall is dark.!"}));

    // A hard line break typed stays a line of its own.
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("Cold."));
    d.Leave(memo);
    EXPECT_EQ(d.Room().Descriptions[0].Text, (TStrings{"The hall is dark.!", "Cold."}));

    // Resizing flows the text anew as one line; the description waits for leaving.
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("Wet."));
    memo->resize(memo->width() - 30, memo->height());
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("The hall is dark.! Cold. Wet."));
    EXPECT_EQ(d.Room().Descriptions[0].Text, (TStrings{"The hall is dark.!", "Cold."}));
}

TEST(MainTab, AreaTypeClickMarksTheSnapshotAsModifiedAndRecolours)
{
    TDetails d;
    auto* forest = d.Get<QCheckBox>("chbForest");
    auto* field = d.Get<QCheckBox>("chbField");
    // Room and template both without types: all boxes in the marker colour.
    EXPECT_EQ(Background(field, field->backgroundRole()), Marker());
    const int marks = d.Marks();
    ClickBox(forest);
    EXPECT_EQ(d.Room().AreaTypes, WithAreaType(0, 3));
    EXPECT_EQ(d.Marks(), marks + 1);
    EXPECT_EQ(Background(field, field->backgroundRole()), QApplication::palette().color(QPalette::Button));
    EXPECT_TRUE(forest->isChecked());

    d.f.Form().Document().UndoEdit();
    EXPECT_FALSE(d.Modified());
    EXPECT_FALSE(d.Get<QCheckBox>("chbForest")->isChecked());
    d.f.Form().Document().RedoEdit();
    EXPECT_TRUE(d.Modified()) << "the mark was taken after Modified was set";
    EXPECT_EQ(d.Room().AreaTypes, WithAreaType(0, 3));

    // The two columns: Desert ends the left one, City heads the right one.
    EXPECT_EQ(d.Get<QCheckBox>("chbDesert")->x(), forest->x());
    EXPECT_GT(d.Get<QCheckBox>("chbCity")->x(), forest->x());
    EXPECT_EQ(d.Get<QCheckBox>("chbCity")->y(), d.Get<QCheckBox>("chbPlain")->y());
    EXPECT_EQ(d.Get<QCheckBox>("chbUnderground")->text(), QStringLiteral("Undergr."));

    // Walking by keys goes on after a click on a box.
    d.f.Form().HandMode().ModeButton()->click();
    ClickBox(forest);
    EXPECT_TRUE(d.f.Canvas()->hasFocus());
    EXPECT_EQ(d.Room().AreaTypes, 0u);
}

TEST(MainTab, F5CopiesFieldsIntoTheTemplateWithModifiedAndNoMark)
{
    TDetails d([](TRoom& r) {
        r.Short = "Glade";
        r.AreaTypes = WithAreaType(0, 1);
        r.DayLight = 20;
    });
    auto* shortEdit = d.Get<QLineEdit>("eShort");
    EXPECT_EQ(Background(shortEdit, QPalette::Base), QApplication::palette().color(QPalette::Base));
    shortEdit->setFocus();
    QTest::keyClicks(shortEdit, QStringLiteral(" path"));
    const int marks = d.Marks();
    QTest::keyClick(shortEdit, Qt::Key_F5);
    EXPECT_EQ(d.Template().Short, "Glade path");
    EXPECT_EQ(Background(shortEdit, QPalette::Base), Marker());
    EXPECT_TRUE(d.Modified());
    // The same stroke toggles the details: hiding them leaves the field, which stores it.
    EXPECT_TRUE(d.f.Form().DetailsHidden());
    EXPECT_EQ(d.Room().Short, "Glade path");
    EXPECT_EQ(d.Marks(), marks + 1);

    struct TCase {
        int Tab;
        const char* Field;
        std::function<bool(const TRoom&)> Copied;
    };
    // Each alone, with nothing else to store on leaving: the copy itself sets Modified.
    const TCase cases[] = {
        {0, "eShort", [](const TRoom& t) { return t.Short == "Glade path"; }},
        {0, "chbPlain", [](const TRoom& t) { return t.AreaTypes == WithAreaType(0, 1); }},
        {3, "seDay", [](const TRoom& t) { return t.DayLight == 20; }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Field);
        d.f.Form().ShowDetails();
        d.ShowTab(c.Tab);
        d.f.Area().Modified = false;
        QWidget* field = d.Get<QWidget>(c.Field);
        field->setFocus();
        const int before = d.Marks();
        QTest::keyClick(field, Qt::Key_F5);
        EXPECT_TRUE(c.Copied(d.Template()));
        EXPECT_TRUE(d.Modified());
        EXPECT_EQ(d.Marks(), before);
        const bool box = qobject_cast<QCheckBox*>(field);
        EXPECT_EQ(Background(field, box ? field->backgroundRole() : QPalette::Base), Marker());
    }
}

TEST(OtherTab, LightFieldsColourSetModifiedAndRecordOnLeaving)
{
    TDetails d([](TRoom& r) {
        r.DayLight = 20;
        r.AmbientLight = -9999;
    });
    d.ShowTab(3);
    auto* day = d.Get<QSpinBox>("seDay");
    auto* night = d.Get<QSpinBox>("seNight");
    auto* ambient = d.Get<QSpinBox>("seAmbient");
    EXPECT_EQ(day->toolTip(), QStringLiteral("-9999 = unused value"));
    EXPECT_EQ(Background(day, QPalette::Base), QApplication::palette().color(QPalette::Base));
    EXPECT_EQ(Background(night, QPalette::Base), Marker());
    EXPECT_FALSE(d.Modified()) << "filling the fields is no edit";

    // Passing through a field keeps a level it cannot show.
    ambient->setFocus();
    d.Leave(ambient);
    EXPECT_EQ(d.Room().AmbientLight, -9999);

    const int marks = d.Marks();
    night->setFocus();
    QTest::keyClick(night, Qt::Key_Up);
    EXPECT_TRUE(d.Modified());
    EXPECT_EQ(Background(night, QPalette::Base), QApplication::palette().color(QPalette::Base));
    EXPECT_EQ(d.Room().NightLight, 0) << "written on leaving";
    d.Leave(night);
    EXPECT_EQ(d.Room().NightLight, 1);
    EXPECT_EQ(d.Marks(), marks + 1) << "a step of its own";
}

TEST(MainTab, ToDefaultMakesTheRoomTheTemplateOfNewRooms)
{
    TDetails d([](TRoom& r) {
        r.Short = "Woods";
        r.AreaTypes = WithAreaType(WithAreaType(0, 3), 5); // Forest, Hills
        r.Items = {TItem{}, TItem{}};
        r.Items[0].ID = "oak";
        r.Items[1].ID = "stone";
        r.Exits = {TExit{1, "cave", 7}};
    });
    auto* button = d.Get<QPushButton>("bbToDefault");
    EXPECT_EQ(button->toolTip(), QStringLiteral("Saves this room as Default room"));
    const int marks = d.Marks();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(d.Template(), d.Room()) << "a full copy";
    EXPECT_TRUE(d.Modified());
    EXPECT_EQ(d.Marks(), marks);

    const auto& colors = d.f.Area().Colors;
    const QImage glyph = d.f.Button("tbdf1")->icon().pixmap(22, 23).toImage();
    EXPECT_EQ(glyph.pixelColor(5, 0), FromColorRef(colors[3]));
    EXPECT_EQ(glyph.pixelColor(5, 1), FromColorRef(colors[5]));
    EXPECT_EQ(glyph.pixelColor(5, 2), FromColorRef(colors[3]));

    const TRoom old = d.Room();
    d.f.Click({7, 3});
    const TRoom& made = d.Room();
    EXPECT_EQ(made.AreaTypes, old.AreaTypes);
    EXPECT_EQ(made.Short, "Woods");
    EXPECT_EQ(made.Items, old.Items);
    EXPECT_EQ(made.Exits, old.Exits);
    EXPECT_NE(made.Number, old.Number);
    EXPECT_NE(made.FileName, old.FileName);
}
