// The item database pane: storing the room's selected items, both imports with their
// messages, the double click into the active room, the close question and the start-up load.
#include "editorfixture.h"

#include "files/itemfile.h"
#include "gui/app/statuspanels.h"
#include "gui/db/itempane.h"
#include "gui/room/roompanel.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
TItem Item(const char* id, TStrings synonyms = {}, TStrings description = {})
{
    TItem item;
    item.ID = id;
    item.Synonyms = std::move(synonyms);
    item.Description = std::move(description);
    return item;
}

// The main window with the room on (1, 1) active, its items listed in the "Items" tab and
// the item pane open.
struct TItemsWindow {
    explicit TItemsWindow(std::vector<TItem> items, const QStringList& settings = {}) : f(settings)
    {
        room = PlaceRoom(f.Area(), {1, 1});
        room->Items = std::move(items);
        f.Area().Modified = false;
        f.Form().Document().AddMark();
        f.Click({1, 1});
        QTest::mouseClick(f.Button("sbShowDetails"), Qt::LeftButton);
        TRoomPanel& panel = f.Form().RoomPanel();
        panel.Tabs()->setCurrentIndex(panel.Tabs()->indexOf(panel.findChild<QWidget*>(QStringLiteral("tsItems"))));
        f.Form().OpenItemPane();
    }
    template <class T = QWidget>
    T* Get(const char* name)
    {
        T* w = f.Form().findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void SelectRoomItems(const std::vector<int>& rows)
    {
        QListWidget* list = Get<QListWidget>("lbItems");
        list->clearSelection();
        for (int row : rows)
            list->item(row)->setSelected(true);
    }
    void Menu(const char* name) { Get<QAction>(name)->trigger(); }
    TItemList& Db() { return f.Form().ItemDocument().Database(); }
    QStringList DbIds()
    {
        QStringList ids;
        for (int i = 0; i < Db().Count(); ++i)
            ids << QString::fromStdString(Db()[i].ID);
        return ids;
    }
    QString ItemUndoPanel() { return f.Form().Status().Text(TStatusPanels::ItemUndo); }

    TEditorFixture f;
    TRoom* room = nullptr;
};

// The IDs the item grid lists, top to bottom.
QStringList Listed(TItemsWindow& w)
{
    const QAbstractItemModel* model = w.Get<QTableView>("sgItems")->model();
    QStringList ids;
    for (int row = 0; row < model->rowCount(); ++row)
        ids << model->index(row, 0).data().toString();
    return ids;
}

void WriteItems(const QString& file, const std::vector<TItem>& items)
{
    TItemList db;
    for (const TItem& item : items)
        db.AddCopy(item);
    SaveItems(QFile::encodeName(file).toStdString(), db);
}
} // namespace

TEST(ItemPane, StoringSelectedRoomItemsReportsAddedAndFound)
{
    const struct {
        const char* Case;
        std::vector<int> Selected;
        std::vector<TItem> InDb;
        const char* Message;
        QStringList Ids;
    } cases[] = {
        {"one new of three", {0, 1, 2}, {Item("key", {"brass"}, {"Old."}), Item("lamp")},
         "1 item from 3 added to database", {"key", "lamp", "door"}},
        {"the same words in another order", {1}, {Item("brass", {"key"}, {"Old."})},
         "0 items from 1 added to database", {"brass"}},
        {"another description", {0, 1}, {Item("key", {"brass"}, {"New."})},
         "2 items from 2 added to database", {"key", "door", "key"}},
        {"nothing selected", {}, {}, "0 items from 0 added to database", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TItemsWindow w({Item("door"), Item("key", {"brass"}, {"Old."}), Item("lamp")});
        for (const TItem& item : c.InDb)
            w.Db().AddCopy(item);
        w.f.Form().ItemDocument().ListAll();
        w.SelectRoomItems(c.Selected);
        QTest::mouseClick(w.Get<QPushButton>("bbItemStore"), Qt::LeftButton);
        EXPECT_EQ(w.f.Asker().Notices, QStringList{QLatin1String(c.Message)});
        EXPECT_EQ(w.DbIds(), c.Ids);
        EXPECT_EQ(w.Get<QTableView>("sgItems")->model()->rowCount(), c.Ids.size());
        EXPECT_EQ(w.Get<QLabel>("lItemCount")->text(), QString::number(c.Ids.size()));
        EXPECT_EQ(w.ItemUndoPanel(), "1 / 1") << "a mark also when nothing was added";
        EXPECT_EQ(w.Db().Modified, static_cast<size_t>(c.Ids.size()) > c.InDb.size());
    }
}

TEST(ItemPane, ImportsReportTheirCountsAndAddNothingTwice)
{
    TItemsWindow w({Item("door"), Item("key"), Item("door")});
    PlaceRoom(w.f.Area(), {3, 1})->Items = {Item("lamp")};
    w.Menu("miItemImportArea");
    w.Menu("miItemImportArea");
    const QString other = w.f.Path(QStringLiteral("other.idb"));
    WriteItems(other, {Item("lamp"), Item("rope"), Item("torch")});
    w.f.Asker().FileNames = {other, w.f.Path(QStringLiteral("missing.idb")), QString()};
    w.Menu("miItemImportFile");
    w.Menu("miItemImportFile");
    w.Menu("miItemImportFile");
    EXPECT_EQ(w.f.Asker().Notices,
              QStringList({"3 items from 4 added to database", "0 items from 4 added to database",
                           "2 items from 3 added to database", "0 items from 0 added to database"}));
    EXPECT_EQ(w.DbIds(), QStringList({"door", "key", "lamp", "rope", "torch"}));
    EXPECT_EQ(w.f.Asker().DialogFilters.value(0), "Item databases (*.idb)|idb");
    EXPECT_EQ(w.ItemUndoPanel(), "4 / 4");

    // Undo goes back one import at a time and lists what the database held then.
    QTest::mouseClick(w.Get<QToolButton>("sbItemUndo"), Qt::LeftButton);
    QTest::mouseClick(w.Get<QToolButton>("sbItemUndo"), Qt::LeftButton);
    EXPECT_EQ(w.DbIds(), QStringList({"door", "key", "lamp"}));
    EXPECT_EQ(w.Get<QLabel>("lItemCount")->text(), "3");
    EXPECT_EQ(w.ItemUndoPanel(), "2 / 4");

    // Open, changes given up: the dialog starts on the database's own file, then lists the other.
    w.f.Asker().Answers = {TAnswer::No};
    w.f.Asker().FileNames = {other};
    w.Menu("miItemOpen");
    EXPECT_EQ(w.f.Asker().DialogProposals.last(), QStringLiteral("noname.idb"));
    EXPECT_EQ(w.DbIds(), QStringList({"lamp", "rope", "torch"}));
    w.f.Asker().FileNames = {QString()};
    w.Menu("miItemOpen");
    EXPECT_EQ(w.f.Asker().DialogProposals.last(), other);
    EXPECT_EQ(w.DbIds(), QStringList({"lamp", "rope", "torch"}));
}

TEST(ItemPane, DoubleClickCopiesTheItemIntoTheActiveRoomWithOneMark)
{
    TItemsWindow w({Item("door")});
    w.Db().AddCopy(Item("lamp", {"brass"}, {"A lamp."}));
    w.f.Form().ItemDocument().ListAll();
    QTableView* grid = w.Get<QTableView>("sgItems");
    const int marks = w.f.Form().Document().Undo().Count();
    const QRect cell = grid->visualRect(grid->model()->index(0, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(w.room->Items.size(), 2u);
    EXPECT_EQ(w.room->Items[1], w.Db()[0]);
    EXPECT_EQ(w.f.Form().Document().Undo().Count(), marks + 1);
    EXPECT_TRUE(w.f.Area().Modified);
    EXPECT_EQ(w.Get<QListWidget>("lbItems")->count(), 2) << "the room's list shows the copy";
    EXPECT_EQ(w.Db().Count(), 1);
    EXPECT_FALSE(w.Db().Modified);
}

TEST(ItemPane, ClosingAsksForAModifiedDatabase)
{
    const struct {
        const char* Case;
        TAnswer Answer;
        const char* SaveAs; // nullptr: no dialog; "" cancels it
        bool Closes;
        int Errors;
    } cases[] = {
        {"No", TAnswer::No, nullptr, true, 0},
        {"Cancel", TAnswer::Cancel, nullptr, false, 0},
        {"Yes, dialog cancelled", TAnswer::Yes, "", false, 0},
        {"Yes, save fails", TAnswer::Yes, "missing/folder/items", false, 1},
        {"Yes, saved", TAnswer::Yes, "kept", true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TItemsWindow w({Item("door")});
        w.SelectRoomItems({0});
        QTest::mouseClick(w.Get<QPushButton>("bbItemStore"), Qt::LeftButton);
        w.f.Asker().Answers = {c.Answer};
        const QString file = c.SaveAs && *c.SaveAs ? w.f.Path(QLatin1String(c.SaveAs)) : QString();
        if (c.SaveAs)
            w.f.Asker().FileNames = {file};
        EXPECT_EQ(w.f.Form().close(), c.Closes);
        EXPECT_EQ(w.f.Asker().Questions, QStringList{"The Item database was changed, do you want to save it?"});
        EXPECT_EQ(w.f.Asker().Errors.size(), c.Errors);
        const bool saved = c.Closes && c.SaveAs;
        EXPECT_EQ(w.Db().Modified, !saved);
        EXPECT_EQ(QFile::exists(file + ".idb"), saved);
        if (saved) {
            TItemList back;
            LoadItems(QFile::encodeName(file + ".idb").toStdString(), back);
            EXPECT_EQ(back.Count(), 1);
        } else {
            EXPECT_EQ(w.Db().FileName, "noname.idb") << "a failed save keeps the name";
        }
    }
}

TEST(ItemPane, StartupLoadsTheDatabaseAndReportsADamagedOne)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.idb"));
    WriteItems(good, {Item("lamp"), Item("rope")});
    const QString bad = dir.filePath(QStringLiteral("bad.idb"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an item database");
    file.close();

    const struct {
        const char* Case;
        QString File;
        QStringList Ids;
        int Errors;
    } cases[] = {
        {"good", good, {"lamp", "rope"}, 0},
        {"missing", dir.filePath(QStringLiteral("missing.idb")), {}, 0},
        {"damaged", bad, {}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TItemsWindow w({Item("door")}, {QStringLiteral("[ItemDB]"), QStringLiteral("Filename=") + c.File});
        EXPECT_EQ(w.DbIds(), c.Ids);
        EXPECT_EQ(w.f.Asker().Errors.size() + w.f.Asker().ErrorsWithoutWindow.size(), c.Errors);
        EXPECT_EQ(w.Get<QLabel>("lItemCount")->text(), QString::number(c.Ids.size()));
        EXPECT_EQ(w.ItemUndoPanel(), "0 / 0");
        // Start-up went on: the room details work.
        EXPECT_EQ(w.Get<QListWidget>("lbItems")->count(), 1);
        EXPECT_EQ(w.Db().FileName, QFile::encodeName(c.File).toStdString());
    }
}

TEST(ItemPane, SearchIsRunAgainAfterUndoAndRedo)
{
    const struct {
        const char* Case;
        const char* Id;
        const char* Desc;
        QStringList Before; // listed after undo
        QStringList After;  // listed after redo, with the item stored after the search
    } cases[] = {
        {"description only", "", "fruit", {"red apple", "blue apple"}, {"red apple", "blue apple", "red pear"}},
        {"ID only", "red", "", {"red apple", "red ball"}, {"red apple", "red ball", "red pear"}},
        // Either field matching lists the item.
        {"both", "ball", "shiny", {"red apple", "red ball"}, {"red apple", "red ball", "red pear"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TItemsWindow w({Item("red apple", {}, {"A shiny fruit."}), Item("red ball", {}, {"A toy."}),
                        Item("blue apple", {}, {"Odd fruit."}), Item("red pear", {}, {"Shiny sweet fruit."})});
        w.SelectRoomItems({0, 1, 2});
        QTest::mouseClick(w.Get<QPushButton>("bbItemStore"), Qt::LeftButton);
        QLineEdit* id = w.Get<QLineEdit>("eItemSearchID");
        QLineEdit* desc = w.Get<QLineEdit>("eItemSearchDesc");
        id->setFocus();
        QTest::keyClicks(id, QLatin1String(c.Id));
        desc->setFocus();
        QTest::keyClicks(desc, QLatin1String(c.Desc));
        QTest::mouseClick(w.Get<QPushButton>("bbItemSearch"), Qt::LeftButton);
        EXPECT_EQ(Listed(w), c.Before);
        w.SelectRoomItems({3});
        QTest::mouseClick(w.Get<QPushButton>("bbItemStore"), Qt::LeftButton);
        ASSERT_EQ(w.Db().Count(), 4);

        QTest::mouseClick(w.Get<QToolButton>("sbItemUndo"), Qt::LeftButton);
        EXPECT_EQ(w.Db().Count(), 3);
        EXPECT_EQ(Listed(w), c.Before);
        QTest::mouseClick(w.Get<QToolButton>("sbItemRedo"), Qt::LeftButton);
        EXPECT_EQ(Listed(w), c.After);
        EXPECT_TRUE(w.Get<QPushButton>("bbItemCancelSearch")->isEnabled());
    }
}
