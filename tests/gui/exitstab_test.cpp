// The "Spec.Exits" tab: exits added, renamed and deleted with their marks, targets and kinds
// that take effect without one, and the room dialog's variant on its own room.
#include "editorfixture.h"

#include "gui/room/exitstab.h"
#include "gui/room/roomeditsite.h"
#include "gui/room/roompanel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QStringList Ids(const TRoom& room)
{
    QStringList ids;
    for (const TExit& exit : room.Exits)
        ids << QString::fromStdString(exit.ID);
    return ids;
}

// The controls of one exits tab, found as a user finds them.
struct TExitsControls {
    explicit TExitsControls(QWidget* tab)
        : List(tab->findChild<QListWidget*>(QStringLiteral("lbExits"))),
          Target(tab->findChild<QComboBox*>(QStringLiteral("cbWhereToGo"))),
          Kinds(tab->findChild<QGroupBox*>(QStringLiteral("rgTypExit"))),
          Add(tab->findChild<QPushButton*>(QStringLiteral("bbExitAdd"))),
          Edit(tab->findChild<QPushButton*>(QStringLiteral("bbExitEdit"))),
          Delete(tab->findChild<QPushButton*>(QStringLiteral("bbExitDelete")))
    {
    }
    void ClickExit(int row) const
    {
        List->scrollToItem(List->item(row));
        QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, List->visualItemRect(List->item(row)).center());
    }
    int SelectedExit() const { return List->selectedItems().isEmpty() ? -1 : List->currentRow(); }
    // Opens the drop-down and clicks the entry.
    void ChooseTarget(int row) const
    {
        Target->showPopup();
        QAbstractItemView* view = Target->view();
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }));
    }
    void ClickKind(const QString& caption) const
    {
        for (QRadioButton* radio : Kinds->findChildren<QRadioButton*>())
            if (radio->text() == caption) // on the round indicator: the row is wider than the label
                QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
    }
    QString CheckedKind() const
    {
        for (const QRadioButton* radio : Kinds->findChildren<QRadioButton*>())
            if (radio->isChecked())
                return radio->text();
        return {};
    }
    QStringList Targets() const
    {
        QStringList entries;
        for (int i = 0; i < Target->count(); ++i)
            entries << Target->itemText(i);
        return entries;
    }

    QListWidget* List;
    QComboBox* Target;
    QGroupBox* Kinds;
    QPushButton* Add;
    QPushButton* Edit;
    QPushButton* Delete;
};

// The main window with the room on (1, 1) active and the "Spec.Exits" tab open.
struct TPanelExits {
    explicit TPanelExits(const QStringList& exits)
    {
        room = PlaceRoom(f.Area(), {1, 1});
        for (const QString& id : exits)
            room->Exits.push_back(TExit{ekNone, id.toStdString(), -1});
        f.Area().Modified = false;
        f.Form().Document().AddMark();
        f.Click({1, 1});
        QTest::mouseClick(f.Button("sbShowDetails"), Qt::LeftButton);
        TRoomPanel& panel = f.Form().RoomPanel();
        panel.Tabs()->setCurrentIndex(panel.Tabs()->indexOf(panel.findChild<QWidget*>(QStringLiteral("tsSpecExits"))));
        marks = Marks();
    }
    int Marks() { return f.Form().Document().Undo().Count(); }
    // The flag as the newest snapshot holds it: undo and redo bring it back.
    bool MarkedModified()
    {
        f.Form().Document().UndoEdit();
        f.Form().Document().RedoEdit();
        return f.Area().Modified;
    }
    TExitsControls Controls() { return TExitsControls(f.Form().RoomPanel().Tabs()->currentWidget()); }

    TEditorFixture f;
    TRoom* room = nullptr;
    int marks = 0;
};
} // namespace

TEST(ExitsTab, AddEditAndDeleteRecordAMarkWithModified)
{
    struct TCase {
        const char* name;
        QStringList exits;
        std::function<void(TPanelExits&)> act;
        QStringList expected;
        const char* asked;
    };
    const QString added = QStringLiteral("hatch");
    const std::vector<TCase> cases = {
        {"add offers the next number; the refill selects the first",
         {QStringLiteral("door"), QStringLiteral("gate")},
         [&](TPanelExits& p) {
             p.f.Asker().Texts.push_back(added);
             QTest::mouseClick(p.Controls().Add, Qt::LeftButton);
         },
         {QStringLiteral("door"), QStringLiteral("gate"), added},
         "Enter an exit ID|New exit 3"},
        {"Insert in the list adds",
         {},
         [&](TPanelExits& p) {
             p.f.Asker().Texts.push_back(added);
             p.Controls().List->setFocus();
             QTest::keyClick(p.Controls().List, Qt::Key_Insert);
         },
         {added},
         "Enter an exit ID|New exit 1"},
        {"edit renames the selected exit",
         {QStringLiteral("door"), QStringLiteral("gate")},
         [&](TPanelExits& p) {
             p.Controls().ClickExit(1);
             p.f.Asker().Texts.push_back(QStringLiteral("portal"));
             QTest::mouseClick(p.Controls().Edit, Qt::LeftButton);
         },
         {QStringLiteral("door"), QStringLiteral("portal")},
         "Edit exit ID|gate"},
        {"delete removes only the selected exit",
         {QStringLiteral("door"), QStringLiteral("gate"), QStringLiteral("well")},
         [&](TPanelExits& p) {
             p.Controls().ClickExit(1);
             p.f.Asker().Answers.push_back(TAnswer::Yes);
             QTest::mouseClick(p.Controls().Delete, Qt::LeftButton);
         },
         {QStringLiteral("door"), QStringLiteral("well")},
         "Do you really want to delete exit \"gate\" ?"},
        {"Delete in the list deletes",
         {QStringLiteral("door")},
         [&](TPanelExits& p) {
             p.f.Asker().Answers.push_back(TAnswer::Yes);
             p.Controls().List->setFocus();
             QTest::keyClick(p.Controls().List, Qt::Key_Delete);
         },
         {},
         "Do you really want to delete exit \"door\" ?"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TPanelExits p(c.exits);
        c.act(p);
        EXPECT_EQ(Ids(*p.f.Form().Document().ActiveRoom()), c.expected);
        EXPECT_EQ(p.f.Asker().TextQuestions.value(0) + p.f.Asker().Questions.value(0), QLatin1String(c.asked));
        EXPECT_EQ(p.Marks(), p.marks + 1);
        EXPECT_EQ(p.Controls().List->count(), c.expected.size());
        EXPECT_EQ(p.Controls().SelectedExit(), c.expected.isEmpty() ? -1 : 0);
        EXPECT_TRUE(p.MarkedModified());
    }
}

TEST(ExitsTab, CancelledPromptsAndNoChangeNothing)
{
    TPanelExits p({QStringLiteral("door")});
    p.f.Asker().Texts = {std::nullopt, std::nullopt};
    p.f.Asker().Answers = {TAnswer::No};
    QTest::mouseClick(p.Controls().Add, Qt::LeftButton);
    QTest::mouseClick(p.Controls().Edit, Qt::LeftButton);
    QTest::mouseClick(p.Controls().Delete, Qt::LeftButton);
    EXPECT_EQ(Ids(*p.room), QStringList{QStringLiteral("door")});
    EXPECT_EQ(p.Marks(), p.marks);
    EXPECT_FALSE(p.f.Area().Modified);
}

TEST(ExitsTab, TargetsInNumberOrderAndChoicesWithoutMarks)
{
    TEditorFixture f;
    TRoomList& area = f.Area();
    // Rooms numbered against their position order; room 1 is gone.
    for (const TGridPoint cell : {TGridPoint{1, 1}, TGridPoint{3, 1}, TGridPoint{5, 1}})
        PlaceRoom(area, cell);
    area.RoomAt(1, 1)->Number = 12;
    area.RoomAt(1, 1)->Short = "Old mill";
    area.RoomAt(1, 1)->FileName = "mill1";
    area.RoomAt(3, 1)->Number = 7;
    area.RoomAt(5, 1)->Number = 3;
    TRoom* room = area.RoomAt(1, 1);
    room->Exits = {TExit{ekNone, "new", -1}, TExit{ekHiddenExit, "old", 1}, TExit{ekVisibleEnter, "barn", 7}};
    f.Form().Document().AddMark();
    f.Click({1, 1});
    QTest::mouseClick(f.Button("sbShowDetails"), Qt::LeftButton);
    TRoomPanel& panel = f.Form().RoomPanel();
    panel.Tabs()->setCurrentIndex(2);
    const TExitsControls c(panel.Tabs()->currentWidget());
    const int marks = f.Form().Document().Undo().Count();

    // A new exit shows neither kind nor target; an erased target none; a living one its entry.
    struct TShown {
        int row;
        QString kind;
        QString target;
    };
    for (const TShown& shown : {TShown{0, {}, {}}, TShown{1, QStringLiteral("Hidden Exit"), {}},
                                TShown{2, QStringLiteral("Visible Enter"), QStringLiteral("7  (Noname2_1)")}}) {
        c.ClickExit(shown.row);
        EXPECT_EQ(c.CheckedKind(), shown.kind) << shown.row;
        EXPECT_EQ(c.Target->currentText(), shown.target) << shown.row;
        EXPECT_TRUE(c.Target->isEnabled() && c.Kinds->isEnabled() && c.Delete->isEnabled());
    }
    EXPECT_EQ(room->Exits[1].Target, 1);
    EXPECT_EQ(c.Targets(), (QStringList{QStringLiteral("3  (Noname3_1)"), QStringLiteral("7  (Noname2_1)"),
                                        QStringLiteral("12 Old mill (mill1)")}));
    EXPECT_TRUE(area.InPositionOrder());
    EXPECT_EQ(area.RoomAt(3, 1)->Number, 7);

    c.ClickExit(0);
    c.ChooseTarget(1);
    c.ClickKind(QStringLiteral("Hidden Enter"));
    EXPECT_EQ(room->Exits[0].Target, 7);
    EXPECT_EQ(room->Exits[0].Kind, ekHiddenEnter);
    EXPECT_TRUE(area.Modified);
    EXPECT_EQ(f.Form().Document().Undo().Count(), marks);
    // The next mark of any kind takes them along.
    EXPECT_EQ(c.CheckedKind(), QStringLiteral("Hidden Enter"));
}

TEST(ExitsTab, WithoutAnExitTheDetailsAreDisabled)
{
    TPanelExits p({});
    const TExitsControls c = p.Controls();
    EXPECT_TRUE(c.Add->isEnabled());
    EXPECT_FALSE(c.Edit->isEnabled() || c.Delete->isEnabled() || c.Target->isEnabled() || c.Kinds->isEnabled());
}

TEST(ExitsTab, DialogEditsSetTheDialogAreasModifiedAndRecordNothing)
{
    TRoomList area(9, 9);
    PlaceRoom(area, {1, 1});
    PlaceRoom(area, {3, 1})->Short = "Hall";
    TRoom work;
    work.Exits = {TExit{ekNone, "door", -1}, TExit{ekNone, "gate", -1}, TExit{ekNone, "well", -1}};
    TScriptedAsker asker;
    TRoomEditSite site(work, asker);
    site.SetDialogArea(&area);
    TExitsTab tab(site, nullptr);
    tab.show();
    tab.ShowRoom();
    const TExitsControls c(&tab);

    struct TStep {
        const char* name;
        std::function<void()> act;
        QStringList ids;
        int selected;
    };
    const std::vector<TStep> steps = {
        {"add keeps the new exit selected",
         [&] {
             asker.Texts.push_back(QStringLiteral("hatch"));
             QTest::mouseClick(c.Add, Qt::LeftButton);
         },
         {QStringLiteral("door"), QStringLiteral("gate"), QStringLiteral("well"), QStringLiteral("hatch")}, 3},
        {"target from the dialog's area", [&] { c.ChooseTarget(1); }, {}, 3},
        {"kind", [&] { c.ClickKind(QStringLiteral("Visible Exit")); }, {}, 3},
        {"edit",
         [&] {
             c.ClickExit(0);
             asker.Texts.push_back(QStringLiteral("portal"));
             QTest::mouseClick(c.Edit, Qt::LeftButton);
         },
         {QStringLiteral("portal"), QStringLiteral("gate"), QStringLiteral("well"), QStringLiteral("hatch")}, 0},
        {"delete removes exactly the selected exit",
         [&] {
             c.ClickExit(2);
             asker.Answers.push_back(TAnswer::Yes);
             QTest::mouseClick(c.Delete, Qt::LeftButton);
         },
         {QStringLiteral("portal"), QStringLiteral("gate"), QStringLiteral("hatch")}, 1},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.name);
        area.Modified = false;
        step.act();
        EXPECT_TRUE(area.Modified);
        if (!step.ids.isEmpty()) {
            EXPECT_EQ(Ids(work), step.ids);
        }
        EXPECT_EQ(c.SelectedExit(), step.selected);
    }
    EXPECT_EQ(c.Targets(), (QStringList{QStringLiteral("1  (Noname1_1)"), QStringLiteral("2 Hall (Noname2_1)")}));
    EXPECT_EQ(work.Exits[2].Target, area.RoomAt(3, 1)->Number);
    EXPECT_EQ(work.Exits[2].Kind, ekVisibleExit);
}
