// The "Items" tab: items and synonyms added, renamed and deleted with their prompts,
// questions and marks, the joined texts, the "Default"/"Clear" menu, and ActiveItem across
// undo and redo.
#include "editorfixture.h"

#include "gui/app/statuspanels.h"
#include "gui/room/itemsclipboardstore.h"
#include "gui/room/itemstab.h"
#include "gui/room/itemtexttabs.h"
#include "gui/room/roomeditsite.h"
#include "gui/room/roompanel.h"
#include "model/itemsclipboard.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

namespace {
TItem Item(const char* id, TStrings synonyms = {}, TStrings listen = {})
{
    TItem item;
    item.ID = id;
    item.Synonyms = std::move(synonyms);
    item.Listen = std::move(listen);
    return item;
}

QStringList Ids(const TRoom& room)
{
    QStringList ids;
    for (const TItem& item : room.Items)
        ids << QString::fromStdString(item.ID);
    return ids;
}

// The controls of one items tab, found as a user finds them.
struct TItemsControls {
    explicit TItemsControls(QWidget* tab) : Tab(tab) {}
    template <class T = QWidget>
    T* Get(const char* name) const
    {
        T* w = Tab->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QListWidget* List() const { return Get<QListWidget>("lbItems"); }
    QListWidget* Synonyms() const { return Get<QListWidget>("lbSynonyms"); }
    QPlainTextEdit* Memo(const char* name) const { return Get<QPlainTextEdit>(name); }
    TItemTextTabs* Texts() const { return Get<TItemTextTabs>("pcItemTexts"); }
    void Press(const char* button) const { QTest::mouseClick(Get<QPushButton>(button), Qt::LeftButton); }
    void ClickItem(int row, Qt::KeyboardModifiers mods = {}) const
    {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, mods, List()->visualItemRect(List()->item(row)).center());
    }
    void KeyInList(QListWidget* list, Qt::Key key, Qt::KeyboardModifiers mods = {}) const
    {
        list->setFocus();
        QTest::keyClick(list, key, mods);
    }
    void Menu(QPlainTextEdit* memo, const char* command) const
    {
        memo->setFocus();
        memo->findChild<QAction*>(QLatin1String(command))->trigger();
    }
    QWidget* Tab;
};

// The main window with the room on (1, 1) active and the "Items" tab open; the room on
// (3, 1) is empty.
struct TPanelItems {
    explicit TPanelItems(std::vector<TItem> items)
    {
        room = PlaceRoom(f.Area(), {1, 1});
        other = PlaceRoom(f.Area(), {3, 1});
        room->Items = std::move(items);
        f.Area().Modified = false;
        f.Form().Document().AddMark();
        f.Click({1, 1});
        QTest::mouseClick(f.Button("sbShowDetails"), Qt::LeftButton);
        TRoomPanel& panel = f.Form().RoomPanel();
        panel.Tabs()->setCurrentIndex(panel.Tabs()->indexOf(panel.findChild<QWidget*>(QStringLiteral("tsItems"))));
        marks = Marks();
    }
    int Marks() { return f.Form().Document().Undo().Count(); }
    TItemsControls Controls() { return TItemsControls(f.Form().RoomPanel().Tabs()->currentWidget()); }
    TRoom& Active() { return *f.Form().Document().ActiveRoom(); }
    TItem* ActiveItem() { return f.Form().RoomPanel().Site().CurrentItem(); }

    TEditorFixture f;
    TRoom* room = nullptr;
    TRoom* other = nullptr;
    int marks = 0;
};

} // namespace

TEST(ItemsTab, AddOffersTheNextNumberKeepsTheNewItemSelectedAndCancelRecordsNothing)
{
    TPanelItems p({Item("door"), Item("key", {"brass"}, {"jingle"}), Item("lamp")});
    const TItemsControls c = p.Controls();
    ASSERT_FALSE(p.f.Area().Modified);
    p.f.Asker().Texts = {std::nullopt, QStringLiteral("torch")};
    c.Press("bbItemAdd");
    EXPECT_EQ(p.f.Asker().TextQuestions, QStringList{"Enter an item ID|New Item 4"});
    EXPECT_EQ(Ids(p.Active()), QStringList({"door", "key", "lamp"}));
    EXPECT_EQ(p.Marks(), p.marks);
    EXPECT_FALSE(p.f.Area().Modified);

    c.KeyInList(c.List(), Qt::Key_Insert);
    EXPECT_EQ(Ids(p.Active()), QStringList({"door", "key", "lamp", "torch"}));
    EXPECT_EQ(p.Marks(), p.marks + 1);
    EXPECT_TRUE(p.f.Area().Modified);
    EXPECT_EQ(c.List()->currentRow(), 3);
    EXPECT_EQ(c.List()->selectedItems().size(), 1);
    EXPECT_EQ(p.ActiveItem(), &p.Active().Items[3]);
    EXPECT_FALSE(c.Synonyms()->isEnabled() || c.Get("bbSynonymEdit")->isEnabled());
    EXPECT_TRUE(c.Get("bbSynonymAdd")->isEnabled() && c.Get("bbItemEdit")->isEnabled());
    for (int tab = 0; tab < TItemTextTabs::Count; ++tab)
        EXPECT_EQ(c.Texts()->Shape(tab), 0) << tab;
}

TEST(ItemsTab, DeleteAsksForOneOrForTheSelectedCountAndKeepsTheOrderOfTheRest)
{
    struct TCase {
        std::vector<int> ctrlClicked; // after a plain click on row 0
        TAnswer answer;
        const char* question;
        QStringList left;
    };
    const std::vector<TCase> cases = {
        {{2, 3}, TAnswer::Yes, "Do you really want to delete 3 selected items?", {"b", "e"}},
        {{2, 3}, TAnswer::No, "Do you really want to delete 3 selected items?", {"a", "b", "c", "d", "e"}},
        {{}, TAnswer::Yes, "Do you really want to delete item \"a\" ?", {"b", "c", "d", "e"}},
        {{4}, TAnswer::Yes, "Do you really want to delete 2 selected items?", {"b", "c", "d"}},
    };
    for (const TCase& k : cases) {
        TPanelItems p({Item("a"), Item("b"), Item("c"), Item("d"), Item("e")});
        const TItemsControls c = p.Controls();
        c.ClickItem(0);
        for (int row : k.ctrlClicked)
            c.ClickItem(row, Qt::ControlModifier);
        p.f.Asker().Answers = {k.answer};
        c.KeyInList(c.List(), Qt::Key_Delete);
        EXPECT_EQ(p.f.Asker().Questions, QStringList{k.question});
        EXPECT_EQ(Ids(p.Active()), k.left) << k.question;
        EXPECT_EQ(p.Marks(), p.marks + (k.answer == TAnswer::Yes)) << k.question;
        EXPECT_EQ(p.f.Area().Modified, k.answer == TAnswer::Yes);
        // The refill makes the first remaining item the shown one.
        if (k.answer == TAnswer::Yes) {
            EXPECT_EQ(p.ActiveItem(), &p.Active().Items[0]);
        }
    }
}

TEST(ItemsTab, TextsShowJoinedAreRecordedWhenTypedAndDefaultAndClearRewriteThem)
{
    TItem bell = Item("bell", {}, {"a quiet ", "hum"});
    bell.Smell = {"sweet"};
    TPanelItems p({bell});
    const TItemsControls c = p.Controls();
    QPlainTextEdit* listen = c.Memo("mItemListen");
    EXPECT_EQ(listen->toPlainText(), "a quiet hum");
    EXPECT_EQ(c.Texts()->Shape(1), 1);
    EXPECT_EQ(c.Texts()->Shape(0), 0);
    c.Texts()->setCurrentIndex(1);
    listen->setFocus();
    c.List()->setFocus();
    EXPECT_EQ(p.Active().Items[0].Listen, TStrings({"a quiet ", "hum"})) << "passing through keeps the lines";
    EXPECT_FALSE(p.f.Area().Modified);
    EXPECT_EQ(p.Marks(), p.marks);

    listen->setFocus();
    QTest::keyClick(listen, Qt::Key_End);
    QTest::keyClick(listen, Qt::Key_Return);
    QTest::keyClicks(listen, "and a ring");
    EXPECT_TRUE(p.f.Area().Modified) << "typing sets the flag";
    c.List()->setFocus();
    EXPECT_EQ(p.Active().Items[0].Listen, TStrings({"a quiet hum", "and a ring"}));

    EXPECT_EQ(c.Memo("mItemDescr")->actions().size(), 0) << "the description has no pop-up";
    QPlainTextEdit* smell = c.Memo("mItemSmell");
    c.Texts()->setCurrentIndex(2);
    c.Menu(smell, "miTextDefault");
    EXPECT_EQ(p.Active().Items[0].Smell, TStrings{"You smell nothing."});
    EXPECT_EQ(smell->findChild<QAction*>(QStringLiteral("miTextClear"))->toolTip(), "Clear description");
    c.Menu(smell, "miTextClear");
    EXPECT_TRUE(p.Active().Items[0].Smell.empty());
    EXPECT_EQ(c.Texts()->Shape(2), 1) << "the picture follows at the next display";
    c.ClickItem(0);
    EXPECT_EQ(c.Texts()->Shape(2), 0);
    EXPECT_EQ(c.Texts()->tabIcon(2).pixmap(16).toImage(), TItemTextTabs::Picture(0).pixmap(16).toImage());
    EXPECT_EQ(p.Marks(), p.marks + 3) << "typing, Default and Clear are a step each";
}

TEST(ItemsTab, SynonymsAddEditAndDelete)
{
    TPanelItems p({Item("key", {"brass"})});
    const TItemsControls c = p.Controls();
    QListWidget* synonyms = c.Synonyms();

    p.f.Asker().Texts = {QStringLiteral("iron"), QStringLiteral("golden")};
    c.Press("bbSynonymAdd");
    EXPECT_EQ(p.Active().Items[0].Synonyms, TStrings({"brass", "iron"}));
    EXPECT_EQ(synonyms->selectedItems().value(0)->text(), "iron") << "the selection stays on the new entry";
    c.Press("bbSynonymEdit");
    EXPECT_EQ(p.Active().Items[0].Synonyms, TStrings({"brass", "golden"}));
    EXPECT_EQ(p.f.Asker().TextQuestions, QStringList({"Enter a synonym|New synonym 2", "Edit item synonym|iron"}));
    EXPECT_EQ(p.Marks(), p.marks + 2);

    // Each delete refills the panel; the next one picks its synonym again.
    p.f.Asker().Answers = {TAnswer::Yes, TAnswer::Yes};
    for (const char* expected : {"Do you really want to delete synonym \"golden\" ?",
                                 "Do you really want to delete synonym \"brass\" ?"}) {
        synonyms->setCurrentRow(synonyms->count() - 1);
        c.KeyInList(synonyms, Qt::Key_Delete);
        EXPECT_EQ(p.f.Asker().Questions.value(p.f.Asker().Questions.size() - 1), expected);
    }
    EXPECT_TRUE(p.Active().Items[0].Synonyms.empty());
    EXPECT_FALSE(synonyms->isEnabled() || c.Get("bbSynonymEdit")->isEnabled() || c.Get("bbSynonymDelete")->isEnabled());
    EXPECT_EQ(p.Marks(), p.marks + 4);

    p.f.Asker().Texts = {QStringLiteral("old key")};
    c.Press("bbSynonymAdd");
    EXPECT_TRUE(synonyms->isEnabled() && c.Get("bbSynonymEdit")->isEnabled() && c.Get("bbSynonymDelete")->isEnabled());
}

TEST(ItemsClipboard, CopyTwoItemsAndPasteThemIntoAnotherRoom)
{
    TItem lamp = Item("lamp", {"light", "oil lamp"}, {"a hiss"});
    lamp.Description = {"A brass lamp.", "", "Old."};
    TPanelItems p({Item("door"), lamp, Item("key", {"brass"})});
    const TItemsControls c = p.Controls();
    c.ClickItem(1);
    c.ClickItem(2, Qt::ControlModifier);
    c.KeyInList(c.List(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(p.f.Form().Status().Text(TStatusPanels::Clipboard), "");

    p.f.Click({3, 1});
    c.KeyInList(c.List(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(Ids(*p.other), QStringList({"lamp", "key"}));
    lamp.Description = {"A brass lamp.", "Old."}; // empty lines do not travel
    EXPECT_EQ(p.other->Items[0], lamp);
    EXPECT_EQ(p.other->Items[1], p.room->Items[2]);
    // A changed area: the flag first, then one mark that holds it.
    EXPECT_EQ(p.Marks(), p.marks + 1);
    EXPECT_TRUE(p.f.Area().Modified);
    p.f.Form().Document().UndoEdit();
    EXPECT_TRUE(p.f.Area().RoomAt({3, 1})->Items.empty()) << "undo restores rooms as new objects";
    p.f.Form().Document().RedoEdit();
    EXPECT_TRUE(p.f.Area().Modified);

    c.KeyInList(c.List(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(c.List()->selectedItems().size(), 2);
}

TEST(ItemsClipboard, PasteOfABadTextShowsItsMessage)
{
    const TItem bell = Item("bell", {}, {"ding"});
    struct TCase {
        std::string text;
        const char* message;
        QStringList pasted;
    };
    const std::vector<TCase> cases = {
        {"lamp\t\x01\x02\x04\x05\r\n", "Incorrect data in clipboard.", {}},
        {"KAJ KESTERBRANDOR", "Incorrect data in clipboard.", {}},
        // Broken after one whole item: that one stays, with the flag and a mark.
        {ItemsToClipboardText({&bell}) + "\r\nhorn\tloud", "Ve schránce se nenacházely správné itemy.", {"bell"}},
    };
    for (const TCase& k : cases) {
        TPanelItems p({Item("door")});
        const TItemsControls c = p.Controls();
        TItemsClipboardStore::Program().WriteSystem(QString::fromLatin1(k.text.c_str()));
        c.KeyInList(c.List(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(p.f.Asker().Notices, QStringList{QString::fromUtf8(k.message)});
        EXPECT_EQ(Ids(p.Active()), QStringList{"door"} + k.pasted);
        EXPECT_EQ(p.Marks(), p.marks + !k.pasted.isEmpty()) << k.message;
        EXPECT_EQ(p.f.Area().Modified, !k.pasted.isEmpty()) << k.message;
    }
}

TEST(ItemsClipboard, UnreadableSystemClipboardFallsBackToTheLocalOne)
{
    TItemsClipboardStore& store = TItemsClipboardStore::Program();
    const auto read = store.ReadSystem;
    const auto write = store.WriteSystem;
    store.ReadSystem = [] { return QString(); };
    store.WriteSystem = [](const QString&) {};
    {
        TPanelItems p({Item("door", {"oak"})});
        const TItemsControls c = p.Controls();
        c.Get<QListWidget>("lbItems")->findChild<QAction*>(QStringLiteral("miItemsCopy"))->trigger();
        EXPECT_EQ(p.f.Form().Status().Text(TStatusPanels::Clipboard), "Local clipboard used!");
        p.f.Click({3, 1});
        c.List()->findChild<QAction*>(QStringLiteral("miItemsPaste"))->trigger();
        EXPECT_EQ(p.other->Items, p.room->Items);
    }
    store.ReadSystem = read;
    store.WriteSystem = write;
    store.LocalClipboard.clear();
}

// Every kind of item edit, then undo and redo: the shown item is always one of the active
// room's, and editing it afterwards writes into the live area.
TEST(ItemsTab, UndoAndRedoNeverLeaveADanglingActiveItem)
{
    TPanelItems p({Item("door", {"oak"}), Item("key")});
    const TItemsControls c = p.Controls();
    const auto check = [&](const char* step) {
        TItem* item = p.ActiveItem();
        TRoom& room = p.Active();
        const bool inRoom = item == nullptr || (item >= room.Items.data() && item < room.Items.data() + room.Items.size());
        EXPECT_TRUE(inRoom) << step;
        if (item) {
            // Typing and leaving goes through the pointer.
            c.Texts()->setCurrentIndex(0);
            QPlainTextEdit* descr = c.Memo("mItemDescr");
            descr->setFocus();
            QTest::keyClicks(descr, "x");
            c.List()->setFocus();
            EXPECT_EQ(item->Description.size(), 1u) << step;
        }
    };
    struct TEdit {
        const char* button;
        std::optional<QString> text; // a prompt's answer, else a Yes
    };
    const std::vector<TEdit> edits = {{"bbItemAdd", QStringLiteral("torch")},
                                      {"bbSynonymAdd", QStringLiteral("brand")},
                                      {"bbItemEdit", QStringLiteral("flame")},
                                      {"bbItemDelete", std::nullopt},
                                      {"paste", std::nullopt}};
    for (const TEdit& e : edits) {
        if (e.text)
            p.f.Asker().Texts = {*e.text};
        else
            p.f.Asker().Answers = {TAnswer::Yes};
        if (e.button == std::string("paste")) {
            c.KeyInList(c.List(), Qt::Key_C, Qt::ControlModifier);
            c.KeyInList(c.List(), Qt::Key_V, Qt::ControlModifier);
            p.f.Asker().Answers.clear();
        } else {
            c.Press(e.button);
        }
        check(e.button);
        p.f.Form().Document().UndoEdit();
        check(e.button);
        p.f.Form().Document().RedoEdit();
        check(e.button);
    }
    // The rename after the refill met the first item.
    EXPECT_TRUE(p.f.Asker().TextQuestions.contains("Edit item ID|door"));
    EXPECT_EQ(Ids(p.Active()), QStringList({"key", "torch", "key"}));
    // The window closes with a memo still being typed in: leaving it must not outlive the area.
    c.Memo("mItemDescr")->setFocus();
    QTest::keyClicks(c.Memo("mItemDescr"), "y");
}

// The room dialog's tab edits its own room and records nothing.
struct TDialogItems {
    explicit TDialogItems(std::vector<TItem> items)
    {
        work.Items = std::move(items);
        site.SetDialogArea(&area);
        tab.show();
        QApplication::setActiveWindow(&tab);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&tab));
        site.Filling = true;
        tab.ShowRoom();
        site.Filling = false;
    }
    TItemsControls Controls() { return TItemsControls(&tab); }

    TScriptedAsker asker;
    TRoom work;
    TRoomList area{9, 9};
    TRoomEditSite site{work, asker};
    TItemsTab tab{site, nullptr};
};

TEST(ItemsDialog, ShowsStoredLinesAndDeletesOnlyTheCurrentItem)
{
    TDialogItems d({Item("bell", {}, {"a quiet ", "hum"}), Item("rope"), Item("hook")});
    const TItemsControls c = d.Controls();
    EXPECT_EQ(c.Memo("mItemListen")->toPlainText(), "a quiet \nhum");
    EXPECT_EQ(c.Texts()->tabText(0), "Description");
    EXPECT_TRUE(c.Texts()->tabIcon(1).isNull());
    EXPECT_EQ(d.tab.findChild<QWidget*>(QStringLiteral("bbItemStore")), nullptr);
    EXPECT_EQ(c.Get<QLabel>("lItems")->text(), "Items");

    c.ClickItem(0);
    c.ClickItem(2, Qt::ControlModifier);
    d.asker.Answers = {TAnswer::Yes};
    c.Press("bbItemDelete");
    EXPECT_EQ(d.asker.Questions, QStringList{"Do you really want to delete item \"hook\" ?"});
    EXPECT_EQ(Ids(d.work), QStringList({"bell", "rope"}));
    EXPECT_EQ(d.site.CurrentItem(), nullptr);
    EXPECT_FALSE(c.Get("bbItemEdit")->isEnabled());

    d.asker.Texts = {QStringLiteral("ladder")};
    c.Press("bbItemAdd");
    EXPECT_EQ(d.asker.TextQuestions, QStringList{"Enter an item ID|New Item 3"});
    EXPECT_EQ(Ids(d.work), QStringList({"bell", "rope", "ladder"}));
    EXPECT_FALSE(d.area.Modified);
}

TEST(ItemsDialog, PasteKeepsEmptySynonymsAndLinesAndHasItsOwnMessage)
{
    TDialogItems d({});
    const TItemsControls c = d.Controls();
    const TItem cup = Item("cup", {}, {"clink"});
    const std::string text = ItemsToClipboardText({&cup});
    TItemsClipboardStore::Program().WriteSystem(QString::fromLatin1(text.c_str()));
    c.KeyInList(c.List(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(d.work.Items.size(), 1u);
    const TItem& pasted = d.work.Items[0];
    EXPECT_EQ(pasted.Synonyms, TStrings{""});
    EXPECT_EQ(pasted.Smell, TStrings{""});
    EXPECT_EQ(pasted.Listen, TStrings{"clink"});
    EXPECT_TRUE(d.asker.Notices.isEmpty());

    TItemsClipboardStore::Program().WriteSystem(QString::fromLatin1((text + "\r\nbroken").c_str()));
    c.KeyInList(c.List(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(d.asker.Notices, QStringList{QStringLiteral("Ve schránce se nenacházela správná slovíčka.")});
    EXPECT_EQ(d.work.Items.size(), 2u);

    // "Default" on the open tab stores into the current item, still without the flag.
    c.ClickItem(0);
    c.Texts()->setCurrentIndex(5);
    c.Menu(c.Memo("mItemRead"), "miTextDefault");
    EXPECT_EQ(d.work.Items[0].Read, TStrings{"There is nothing to read."});
    EXPECT_FALSE(d.area.Modified);
}
