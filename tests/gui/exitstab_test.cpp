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
#include <QStringListModel>
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

// The controls of one exits tab, found and used as a user finds and uses them.
struct TExits {
    explicit TExits(QWidget* tab) : Tab(tab), List(Get<QListWidget>("lbExits")), Target(Get<QComboBox>("cbWhereToGo")),
          Kinds(Get<QGroupBox>("rgTypExit")) {}
    template <class T>
    T* Get(const char* name) const { return Tab->findChild<T*>(QLatin1String(name)); }
    void Press(const char* button) const { QTest::mouseClick(Get<QPushButton>(button), Qt::LeftButton); }
    void ClickExit(int row) const
    {
        QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, List->visualItemRect(List->item(row)).center());
    }
    int Selected() const { return List->selectedItems().isEmpty() ? -1 : List->currentRow(); }
    void ChooseTarget(int row) const
    {
        Target->showPopup();
        QAbstractItemView* view = Target->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }));
    }
    QRadioButton* Kind(const QString& caption) const
    {
        for (QRadioButton* radio : Kinds->findChildren<QRadioButton*>())
            if (radio->text() == caption || (caption.isEmpty() && radio->isChecked()))
                return radio;
        return nullptr;
    }
    // On the round indicator: the row is wider than its label.
    void ClickKind(const QString& caption) const
    {
        QTest::mouseClick(Kind(caption), Qt::LeftButton, {}, QPoint(8, Kind(caption)->height() / 2));
    }
    QString CheckedKind() const { return Kind({}) ? Kind({})->text() : QString(); }
    QStringList Targets() const { return qobject_cast<QStringListModel*>(Target->model())->stringList(); }

    QWidget* Tab;
    QListWidget* List;
    QComboBox* Target;
    QGroupBox* Kinds;
};

// The main window with the room on (1, 1) active and the "Spec.Exits" tab open.
struct TPanelExits {
    explicit TPanelExits(const std::vector<TExit>& exits, const std::function<void(TRoomList&)>& more = {})
    {
        room = PlaceRoom(f.Area(), {1, 1});
        room->Exits = exits;
        if (more)
            more(f.Area());
        f.Area().Modified = false;
        f.Form().Document().AddMark();
        f.Click({1, 1});
        QTest::mouseClick(f.Button("sbShowDetails"), Qt::LeftButton);
        f.Form().RoomPanel().Tabs()->setCurrentIndex(2);
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
    TExits Tab() { return TExits(f.Form().RoomPanel().Tabs()->currentWidget()); }

    TEditorFixture f;
    TRoom* room = nullptr;
    int marks = 0;
};

std::vector<TExit> Named(std::initializer_list<const char*> ids)
{
    std::vector<TExit> exits;
    for (const char* id : ids)
        exits.push_back(TExit{ekNone, id, -1});
    return exits;
}
} // namespace

TEST(ExitsTab, AddEditAndDeleteRecordAMarkWithModified)
{
    struct TCase {
        std::vector<TExit> exits;
        std::function<void(TPanelExits&, const TExits&)> act;
        QStringList expected;
        const char* asked;
    };
    const auto typed = [](TPanelExits& p, const char* text) { p.f.Asker().Texts.push_back(QLatin1String(text)); };
    const auto yes = [](TPanelExits& p) { p.f.Asker().Answers.push_back(TAnswer::Yes); };
    const std::vector<TCase> cases = {
        {Named({"door", "gate"}), [&](TPanelExits& p, const TExits& t) { typed(p, "hatch"), t.Press("bbExitAdd"); },
         {"door", "gate", "hatch"}, "Enter an exit ID|New exit 3"},
        {{}, [&](TPanelExits& p, const TExits& t) { typed(p, "hatch"), QTest::keyClick(t.List, Qt::Key_Insert); },
         {"hatch"}, "Enter an exit ID|New exit 1"},
        {Named({"door", "gate"}),
         [&](TPanelExits& p, const TExits& t) { t.ClickExit(1), typed(p, "portal"), t.Press("bbExitEdit"); },
         {"door", "portal"}, "Edit exit ID|gate"},
        {Named({"door", "gate", "well"}), [&](TPanelExits& p, const TExits& t) { t.ClickExit(1), yes(p), t.Press("bbExitDelete"); },
         {"door", "well"}, "Do you really want to delete exit \"gate\" ?"},
        {Named({"door"}), [&](TPanelExits& p, const TExits& t) { yes(p), QTest::keyClick(t.List, Qt::Key_Delete); },
         {}, "Do you really want to delete exit \"door\" ?"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.asked);
        TPanelExits p(c.exits);
        c.act(p, p.Tab());
        EXPECT_EQ(Ids(*p.f.Form().Document().ActiveRoom()), c.expected);
        EXPECT_EQ(p.f.Asker().TextQuestions.value(0) + p.f.Asker().Questions.value(0), QLatin1String(c.asked));
        EXPECT_EQ(p.Marks(), p.marks + 1);
        // The mark refills the tab: the first exit is the selected one.
        EXPECT_EQ(p.Tab().List->count(), c.expected.size());
        EXPECT_EQ(p.Tab().Selected(), c.expected.isEmpty() ? -1 : 0);
        EXPECT_TRUE(p.MarkedModified());
    }
}

TEST(ExitsTab, CancelledPromptsChangeNothing)
{
    TPanelExits p(Named({"door"}));
    p.f.Asker().Texts = {std::nullopt, std::nullopt};
    p.f.Asker().Answers = {TAnswer::No};
    for (const char* button : {"bbExitAdd", "bbExitEdit", "bbExitDelete"})
        p.Tab().Press(button);
    EXPECT_EQ(Ids(*p.room), QStringList{QStringLiteral("door")});
    EXPECT_EQ(p.Marks(), p.marks);
    EXPECT_FALSE(p.f.Area().Modified);
}

TEST(ExitsTab, TargetsInNumberOrderAndEachChoiceAStepOfItsOwn)
{
    // Rooms numbered against their position order; room 1 is gone.
    TPanelExits p({TExit{ekNone, "new", -1}, TExit{ekHiddenExit, "old", 1}, TExit{ekVisibleEnter, "barn", 7}},
                  [](TRoomList& area) {
                      PlaceRoom(area, {3, 1})->Number = 7;
                      PlaceRoom(area, {5, 1})->Number = 3;
                      TRoom* mill = area.RoomAt(1, 1);
                      mill->Number = 12;
                      mill->Short = "Old mill";
                      mill->FileName = "mill1";
                  });
    const TExits t = p.Tab();
    // A new exit shows neither kind nor target; an erased target none; a living one its entry.
    struct TShown {
        int row;
        const char* kind;
        const char* target;
    };
    for (const TShown& shown : {TShown{0, "", ""}, TShown{1, "Hidden Exit", ""}, TShown{2, "Visible Enter", "7  (Noname2_1)"}}) {
        t.ClickExit(shown.row);
        EXPECT_EQ(t.CheckedKind(), QLatin1String(shown.kind)) << shown.row;
        EXPECT_EQ(t.Target->currentText(), QLatin1String(shown.target)) << shown.row;
        EXPECT_TRUE(t.Target->isEnabled() && t.Kinds->isEnabled() && t.Get<QPushButton>("bbExitDelete")->isEnabled());
    }
    EXPECT_EQ(p.room->Exits[1].Target, 1);
    EXPECT_EQ(t.Targets(), (QStringList{"3  (Noname3_1)", "7  (Noname2_1)", "12 Old mill (mill1)"}));
    EXPECT_TRUE(p.f.Area().InPositionOrder());
    EXPECT_EQ(p.f.Area().RoomAt(3, 1)->Number, 7);

    t.ClickExit(0);
    t.ChooseTarget(1);
    t.ClickKind(QStringLiteral("Hidden Enter"));
    EXPECT_EQ(p.room->Exits[0].Target, 7);
    EXPECT_EQ(p.room->Exits[0].Kind, ekHiddenEnter);
    EXPECT_TRUE(p.f.Area().Modified);
    EXPECT_EQ(p.Marks(), p.marks + 2);
    // The list stays on the exit the choices were made for.
    EXPECT_EQ(t.List->currentRow(), 0);

    // Without exits only adding is offered.
    TPanelExits none({});
    for (const char* name : {"bbExitEdit", "bbExitDelete", "cbWhereToGo", "rgTypExit"})
        EXPECT_FALSE(none.Tab().Get<QWidget>(name)->isEnabled()) << name;
}

TEST(ExitsTab, DialogEditsSetTheDialogAreasModifiedAndRecordNothing)
{
    TRoomList area(9, 9);
    PlaceRoom(area, {1, 1});
    PlaceRoom(area, {3, 1})->Short = "Hall";
    TRoom work;
    work.Exits = Named({"door", "gate", "well"});
    TScriptedAsker asker;
    TRoomEditSite site(work, asker);
    site.SetDialogArea(&area);
    TExitsTab tab(site, nullptr);
    tab.show();
    tab.ShowRoom();
    const TExits t(&tab);

    struct TStep {
        const char* name;
        std::function<void()> act;
        QStringList ids;
        int selected;
    };
    const std::vector<TStep> steps = {
        {"add keeps the new exit selected",
         [&] { asker.Texts.push_back(QStringLiteral("hatch")), t.Press("bbExitAdd"); },
         {"door", "gate", "well", "hatch"}, 3},
        {"target from the dialog's area", [&] { t.ChooseTarget(1); }, {}, 3},
        {"kind", [&] { t.ClickKind(QStringLiteral("Visible Exit")); }, {}, 3},
        {"edit", [&] { t.ClickExit(0), asker.Texts.push_back(QStringLiteral("portal")), t.Press("bbExitEdit"); },
         {"portal", "gate", "well", "hatch"}, 0},
        {"delete removes exactly the selected exit",
         [&] { t.ClickExit(2), asker.Answers.push_back(TAnswer::Yes), t.Press("bbExitDelete"); },
         {"portal", "gate", "hatch"}, 1},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.name);
        area.Modified = false;
        step.act();
        EXPECT_TRUE(area.Modified);
        if (!step.ids.isEmpty()) {
            EXPECT_EQ(Ids(work), step.ids);
        }
        EXPECT_EQ(t.Selected(), step.selected);
    }
    EXPECT_EQ(t.Targets(), (QStringList{"1  (Noname1_1)", "2 Hall (Noname2_1)"}));
    EXPECT_EQ(work.Exits[2].Target, area.RoomAt(3, 1)->Number);
    EXPECT_EQ(work.Exits[2].Kind, ekVisibleExit);
}
