// Undo never throws work away: each edit made through the widgets is a step of its own, and
// Undo followed by Redo gives back exactly the area of before, the map's size with it.
#include "editorfixture.h"
#include "files/areafile.h"
#include "gui/app/statuspanels.h"
#include "gui/options/formoptions.h"
#include "gui/room/roompanel.h"

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace {
const std::vector<TGridPoint> kRooms = {{1, 1}, {3, 1}, {5, 3}, {3, 5}};

// The area as its file holds it, with the flag the snapshots keep.
std::string Image(const TRoomList& area)
{
    return AreaToInflatedBytes(area) + (area.Modified ? "+" : "-");
}

// A window on a small saved area with the details shown, driven as a user drives it.
struct TUser {
    TUser()
    {
        TRoomList area(7, 7);
        for (TGridPoint cell : kRooms)
            PlaceRoom(area, cell)->Short = "Room";
        f.OpenArea(QStringLiteral("undo.arf"), area);
        Choose(kRooms[0]);
        f.Form().ShowDetails();
    }
    template <class T> T* Get(const char* name)
    {
        T* w = f.Form().findChild<T*>(QLatin1String(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    TRoom& Room() { return *f.Form().Document().ActiveRoom(); }
    void Choose(TGridPoint cell) { f.Click(cell); }
    void ShowTab(int index) { f.Form().RoomPanel().Tabs()->setCurrentIndex(index); }
    void Press(const char* name) { QTest::mouseClick(Get<QAbstractButton>(name), Qt::LeftButton); }
    void Key(int key, Qt::KeyboardModifiers mods = {})
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), mods);
    }
    void TypeNumber(const char* spinName, int value)
    {
        auto* spin = Get<QSpinBox>(spinName);
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(value));
        Key(Qt::Key_Tab);
    }
    void TypeAtEnd(QWidget* field, const QString& text)
    {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }
    void Leave() { f.Canvas()->setFocus(); }
    // Options: the dialog as the toolbar opens it, changed by `edit`, closed with OK.
    void Options(const std::function<void(TFormOptions&)>& edit)
    {
        QTest::mouseClick(f.Button("tbOptions"), Qt::LeftButton);
        auto* dialog = f.Form().findChild<TFormOptions*>(QStringLiteral("FormOptions"));
        ASSERT_TRUE(dialog && dialog->isVisible());
        edit(*dialog);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("bbOK")), Qt::LeftButton);
    }
    void ClickRow(QListWidget* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    void ClickRadio(QRadioButton* radio) { QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2)); }
    void ChooseTarget(int row)
    {
        auto* target = Get<QComboBox>("cbWhereToGo");
        target->showPopup();
        QAbstractItemView* view = target->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }));
    }
    void Undo() { QTest::mouseClick(f.Button("tbUndo"), Qt::LeftButton); }
    void Redo() { QTest::mouseClick(f.Button("tbRedo"), Qt::LeftButton); }
    // The picture and the status bar's pixel count are those of the area's grid.
    void ExpectMapOfTheArea()
    {
        const TMapGeometry& shown = f.Form().MapView().Geometry();
        const TMapGeometry wanted(shown.ZoomPercent(), f.Area().Width, f.Area().Height);
        EXPECT_EQ(f.Canvas()->size(), wanted.PictureSize());
        EXPECT_EQ(f.Form().Status().Text(TStatusPanels::MapPixels), QString::number(wanted.PixelCount()));
    }

    TEditorFixture f;
};
} // namespace

TEST(UndoRedo, DayTypedThenTabIsUndoneAndRedoneByKeys)
{
    TUser u;
    u.ShowTab(3);
    u.TypeNumber("seDay", 77);
    EXPECT_EQ(u.Room().DayLight, 77);
    u.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(u.Room().DayLight, 0);
    EXPECT_EQ(u.Get<QSpinBox>("seDay")->value(), 0);
    u.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(u.Room().DayLight, 77);
    EXPECT_EQ(u.Get<QSpinBox>("seDay")->value(), 77);
}

TEST(UndoRedo, ExitKindAndTargetComeBackAfterUndo)
{
    TUser u;
    u.ShowTab(2);
    u.f.Asker().Texts = {QStringLiteral("gate")};
    u.Press("bbExitAdd");
    ASSERT_EQ(u.Room().Exits.size(), 1u);
    const std::string added = Image(u.f.Area());
    u.ClickRadio(u.Get<QRadioButton>("rbTypExit0"));
    u.ChooseTarget(2);
    const std::string chosen = Image(u.f.Area());
    EXPECT_EQ(u.Room().Exits[0].Kind, ekVisibleExit);
    EXPECT_NE(u.Room().Exits[0].Target, -1);

    u.Undo();
    u.Undo();
    EXPECT_EQ(Image(u.f.Area()), added);
    u.Redo();
    u.Redo();
    EXPECT_EQ(Image(u.f.Area()), chosen);
    EXPECT_EQ(u.Room().Exits[0].Kind, ekVisibleExit);
}

TEST(UndoRedo, OptionsOkIsAStepOfItsOwn)
{
    TUser u;
    u.Options([](TFormOptions& d) {
        d.findChild<QsciScintilla*>(QStringLiteral("mFileHeader"))->append(QStringLiteral("\n// kept"));
    });
    ASSERT_EQ(u.f.Area().FileHeader.back(), "// kept");
    u.Leave();
    u.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(u.f.Area().FileHeader.back(), "// kept");
    u.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(u.f.Area().FileHeader.back(), "// kept");
}

TEST(UndoRedo, MapSizeUndoneAndRedoneResizesThePictureAndItsPixelCount)
{
    TUser u;
    u.ExpectMapOfTheArea();
    const int width = u.f.Area().Width;
    u.Options([](TFormOptions& d) { d.findChild<QSpinBox*>(QStringLiteral("seX"))->setValue(9); });
    ASSERT_EQ(u.f.Area().Width, 17);
    u.ExpectMapOfTheArea();
    u.Undo();
    EXPECT_EQ(u.f.Area().Width, width);
    u.ExpectMapOfTheArea();
    u.Redo();
    EXPECT_EQ(u.f.Area().Width, 17);
    u.ExpectMapOfTheArea();
}

// Random edits through the widgets; after each one Undo then Redo must give back the very
// area, and an edit that changed the area must have recorded a step.
TEST(UndoRedo, SeededEditsThroughTheWidgetsUndoThenRedoGiveBackTheArea)
{
    TUser u;
    std::mt19937 random(16061);
    auto pick = [&](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
    int words = 0;
    auto word = [&] { return QStringLiteral(" w%1").arg(++words); };
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"choose room", [&] { u.Choose(kRooms[pick(static_cast<int>(kRooms.size()))]); }},
        {"light",
         [&] {
             u.ShowTab(3);
             const char* names[] = {"seDay", "seNight", "seAmbient"};
             u.TypeNumber(names[pick(3)], pick(201) - 100);
         }},
        {"exit add",
         [&] {
             u.ShowTab(2);
             u.f.Asker().Texts = {QStringLiteral("exit") + word()};
             u.Press("bbExitAdd");
         }},
        {"exit kind",
         [&] {
             u.ShowTab(2);
             auto* list = u.Get<QListWidget>("lbExits");
             if (list->count() == 0)
                 return;
             u.ClickRow(list, pick(list->count()));
             u.ClickRadio(u.Get<QRadioButton>(QStringLiteral("rbTypExit%1").arg(pick(4)).toLatin1().constData()));
         }},
        {"exit target",
         [&] {
             u.ShowTab(2);
             auto* list = u.Get<QListWidget>("lbExits");
             if (list->count() == 0)
                 return;
             u.ClickRow(list, pick(list->count()));
             u.ChooseTarget(pick(static_cast<int>(kRooms.size())));
         }},
        {"exit id",
         [&] {
             u.ShowTab(2);
             auto* list = u.Get<QListWidget>("lbExits");
             if (list->count() == 0)
                 return;
             u.ClickRow(list, pick(list->count()));
             u.f.Asker().Texts = {QStringLiteral("renamed") + word()};
             u.Press("bbExitEdit");
         }},
        {"item add",
         [&] {
             u.ShowTab(1);
             u.f.Asker().Texts = {QStringLiteral("item") + word()};
             u.Press("bbItemAdd");
         }},
        {"synonym add",
         [&] {
             u.ShowTab(1);
             if (u.Room().Items.empty())
                 return;
             u.f.Asker().Texts = {QStringLiteral("syn") + word()};
             u.Press("bbSynonymAdd");
         }},
        {"item text",
         [&] {
             u.ShowTab(1);
             if (u.Room().Items.empty())
                 return;
             const int tab = pick(6);
             u.Get<QTabWidget>("pcItemTexts")->setCurrentIndex(tab);
             const char* memos[] = {"mItemDescr", "mItemListen", "mItemSmell", "mItemTouch", "mItemSearch", "mItemRead"};
             u.TypeAtEnd(u.Get<QWidget>(memos[tab]), word());
             u.Leave();
         }},
        {"main text",
         [&] {
             u.ShowTab(0);
             const char* fields[] = {"eFilename", "eShort", "mLong"};
             u.TypeAtEnd(u.Get<QWidget>(fields[pick(3)]), word());
             u.Leave();
         }},
        {"script",
         [&] {
             u.ShowTab(4);
             auto* enable = u.Get<QPushButton>("bbScriptEnable");
             if (enable->isVisible()) {
                 u.Press("bbScriptEnable");
                 return;
             }
             u.TypeAtEnd(u.Get<QWidget>("mScript"), word());
             u.Leave();
         }},
        {"options header",
         [&] {
             const QString line = QStringLiteral("\n//") + word();
             u.Options([&](TFormOptions& d) { d.findChild<QsciScintilla*>(QStringLiteral("mFileHeader"))->append(line); });
         }},
        {"options size",
         [&] {
             const int columns = 4 + pick(3);
             u.Options([&](TFormOptions& d) { d.findChild<QSpinBox*>(QStringLiteral("seX"))->setValue(columns); });
         }},
    };

    std::string previous = Image(u.f.Area());
    for (int step = 0; step < 60; ++step) {
        const auto& [name, edit] = edits[pick(static_cast<int>(edits.size()))];
        SCOPED_TRACE(testing::Message() << "step " << step << ": " << name);
        const int position = u.f.Form().Document().Undo().Position();
        edit();
        const std::string before = Image(u.f.Area());
        if (AreaToInflatedBytes(u.f.Area()) != previous.substr(0, previous.size() - 1)) {
            EXPECT_GT(u.f.Form().Document().Undo().Position(), position) << "the edit recorded no step";
        }
        if (!u.f.Button("tbUndo")->isEnabled())
            continue;
        u.Undo();
        u.ExpectMapOfTheArea();
        u.Redo();
        ASSERT_EQ(Image(u.f.Area()), before);
        u.ExpectMapOfTheArea();
        previous = before;
    }
}
