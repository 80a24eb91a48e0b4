#include "db/dbfilename.h"
#include "db/itemadder.h"
#include "db/itemimport.h"
#include "db/itemsearch.h"
#include "dbtest.h"
#include "files/itemfile.h"
#include "kberror.h"
#include "testutil.h"

#include <gtest/gtest.h>

TEST(ItemToDatabase, SameWordsInAnyOrderWithSameDescriptionAreDuplicates)
{
    TItemList db;
    TItemView view;
    EXPECT_TRUE(ItemToDatabase(db, &view, MakeItem("stone", {"rock", "Boulder"}, {"A grey", "stone."})));
    EXPECT_TRUE(db.Modified);
    db.Modified = false;

    // The same words in another order, the same paragraph split differently: present.
    TItem same = MakeItem("rock", {"Boulder", "stone"}, {"A grey stone."});
    same.Smell = {"other senses do not count"};
    EXPECT_FALSE(ItemToDatabase(db, &view, same));
    EXPECT_FALSE(db.Modified);

    // Different description, or words differing in case: added.
    EXPECT_TRUE(ItemToDatabase(db, &view, MakeItem("rock", {"Boulder", "stone"}, {"A black stone."})));
    EXPECT_TRUE(ItemToDatabase(db, &view, MakeItem("Rock", {"Boulder", "stone"}, {"A grey stone."})));
    // A word split differently is not the same (no key collision between word and text).
    EXPECT_TRUE(ItemToDatabase(db, &view, MakeItem("a", {}, {"b"})));
    EXPECT_TRUE(ItemToDatabase(db, &view, MakeItem("ab")));
    EXPECT_EQ(Keys(view), (TNames{"stone", "rock", "Rock", "a", "ab"}));
    EXPECT_EQ(db.Count(), 5);
    EXPECT_EQ(view[1], &db[1]);
}

TEST(ItemImport, SelectedItemsAreaAndFileWithMessages)
{
    TItemList db;
    TItemView view;
    const TItem a = MakeItem("a", {}, {"one"});
    const TItem b = MakeItem("b", {}, {"two"});
    TImportCounters c = SaveItemsToDatabase(db, &view, {&a, &a, &b});
    EXPECT_EQ(ItemImportMessage(c), "2 items from 3 added to database");
    EXPECT_EQ(ItemImportMessage({1, 3}), "1 item from 3 added to database");
    EXPECT_EQ(ItemImportMessage({0, 1}), "0 items from 1 added to database");

    // Rooms in the area's order, which is not the order they were added in.
    TRoomList area(10, 10);
    auto addRoom = [&](int x, std::vector<TItem> items) {
        auto room = std::make_unique<TRoom>();
        room->X = x;
        room->Y = 1;
        room->Items = std::move(items);
        area.Add(std::move(room));
    };
    addRoom(3, {b, MakeItem("c", {"x"})});
    addRoom(1, {MakeItem("d")});
    c = ImportAreaItems(db, &view, area);
    EXPECT_EQ(c.Found, 3);
    EXPECT_EQ(c.Added, 2);
    EXPECT_EQ(Keys(view), (TNames{"a", "b", "d", "c"}));

    TTempDir dir;
    TItemList other;
    other.AddCopy(MakeItem("e"));
    other.AddCopy(a);
    SaveItems(dir.File("o.idb"), other);
    c = ImportItemsFromFile(db, &view, dir.File("o.idb"));
    EXPECT_EQ(c.Found, 2);
    EXPECT_EQ(c.Added, 1);
    EXPECT_EQ(db.Count(), 5);

    c = ImportItemsFromFile(db, &view, dir.File("missing.idb"));
    EXPECT_EQ(ItemImportMessage(c), "0 items from 0 added to database");
    WriteFileBytes(dir.File("bad.idb"), "nonsense");
    EXPECT_THROW(ImportItemsFromFile(db, &view, dir.File("bad.idb")), EKbError);
    EXPECT_EQ(db.Count(), 5);
}

TEST(ItemSearch, WordsAndTexts)
{
    TItemList db;
    TItem lamp = MakeItem("lamp", {"Lantern"}, {"A brass", "lamp."});
    lamp.Read = {"Made in", "Brno"};
    db.AddCopy(lamp);
    db.AddCopy(MakeItem("key", {"brass key"}));
    db.AddCopy(MakeItem("\xE8" "aj", {}, {"\xC8" "aj."}));

    const struct {
        TItemSearch search;
        TNames found;
    } cases[] = {
        {{}, {}},
        {{"BRASS", ""}, {"key"}},
        {{"", "BRASS LAMP"}, {"lamp"}},
        {{"", "in brno"}, {"lamp"}},
        {{"p, l", ""}, {"lamp"}}, // the words are searched as "A, B" text, across the separator
        {{"key", "lamp"}, {"lamp", "key"}},
        {{"\xC8" "AJ", ""}, {}}, // accented capitals are not folded
        {{"", "\xC8" "AJ"}, {"\xE8" "aj"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Keys(SearchItems(db, c.search)), c.found) << c.search.ID << "|" << c.search.Desc;
    }
}

TEST(ItemSort, ByIDWhicheverColumn)
{
    TItemList db;
    for (const char* id : {"b", "C", "a"})
        db.AddCopy(MakeItem(id));
    TItemView view{&db[0], &db[2]};
    // The default column is 0, so clicking it first flips to ascending.
    SortItems(db, view, 0);
    EXPECT_TRUE(db.SortAscending);
    EXPECT_EQ(Keys(db.Elements()), (TNames{"C", "a", "b"}));
    EXPECT_EQ(Keys(view), (TNames{"a", "b"}));
    // Another column keeps the direction; clicked again it flips, still sorting by ID.
    SortItems(db, view, 1);
    SortItems(db, view, 1);
    EXPECT_EQ(db.SortColumn, 1);
    EXPECT_EQ(Keys(db.Elements()), (TNames{"b", "a", "C"}));
    EXPECT_EQ(Keys(view), (TNames{"b", "a"}));
}

TEST(ItemFields, SynonymsFieldSplitsAtCommas)
{
    EXPECT_EQ(SynonymsFromField("one, two ,three,"), (TStrings{"one", "two", "three"}));
    EXPECT_EQ(SynonymsFromField("one,,two"), (TStrings{"one", "", "two"}));
    EXPECT_EQ(SynonymsFromField("one, ,"), (TStrings{"one", ""}));
    EXPECT_TRUE(SynonymsFromField("  ").empty());
    EXPECT_EQ(SynonymsFromField("  lone word "), (TStrings{"lone word"}));
}

TEST(DatabaseFileName, SaveDialogAndExtension)
{
    for (const char* name : {"", "noname.sdb", "NoName.Sdb"})
        EXPECT_TRUE(NeedsSaveDialog(name, "NONAME.SDB")) << name;
    for (const char* name : {"/x/noname.sdb", "noname.idb"})
        EXPECT_FALSE(NeedsSaveDialog(name, "NONAME.SDB")) << name;
    EXPECT_EQ(WithDatabaseExtension("/x/items", ".idb"), "/x/items.idb");
    EXPECT_EQ(WithDatabaseExtension("/x/a.idb.old", ".idb"), "/x/a.idb.old");
    EXPECT_EQ(WithDatabaseExtension("/x/a.IDB", ".idb"), "/x/a.IDB.idb");
}
