#include "db/dbfilename.h"
#include "db/itemadder.h"
#include "db/itemimport.h"
#include "db/itemsearch.h"
#include "files/itemfile.h"
#include "kberror.h"
#include "testutil.h"

#include <gtest/gtest.h>

namespace {
TItem MakeItem(const std::string& id, TStrings synonyms, TStrings description)
{
    TItem item;
    item.ID = id;
    item.Synonyms = std::move(synonyms);
    item.Description = std::move(description);
    return item;
}

std::vector<std::string> IDs(const TItemView& view)
{
    std::vector<std::string> out;
    for (const TItem* p : view)
        out.push_back(p->ID);
    return out;
}
} // namespace

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
    EXPECT_TRUE(ItemToDatabase(db, &view, MakeItem("ab", {}, {})));
    EXPECT_EQ(IDs(view), (std::vector<std::string>{"stone", "rock", "Rock", "a", "ab"}));
    EXPECT_EQ(db.Count(), 5);
    EXPECT_NE(&db[0], nullptr);
    EXPECT_EQ(view[1], &db[1]);
}

TEST(ItemImport, SelectedItemsAreaAndFileWithMessages)
{
    TItemList db;
    TItemView view;
    const TItem a = MakeItem("a", {}, {"one"});
    const TItem b = MakeItem("b", {}, {"two"});
    TImportCounters c = SaveItemsToDatabase(db, &view, {&a, &a, &b});
    EXPECT_EQ(c.Found, 3);
    EXPECT_EQ(c.Added, 2);
    EXPECT_EQ(ItemImportMessage(c), "2 items from 3 added to database");
    EXPECT_EQ(ItemImportMessage({1, 3}), "1 item from 3 added to database");
    EXPECT_EQ(ItemImportMessage({0, 1}), "0 items from 1 added to database");

    TRoomList area(10, 10);
    auto r1 = std::make_unique<TRoom>();
    r1->X = 3;
    r1->Y = 1;
    r1->Items = {b, MakeItem("c", {"x"}, {})};
    auto r2 = std::make_unique<TRoom>();
    r2->X = 1;
    r2->Y = 1;
    r2->Items = {MakeItem("d", {}, {})};
    area.Add(std::move(r1));
    area.Add(std::move(r2));
    c = ImportAreaItems(db, &view, area);
    EXPECT_EQ(c.Found, 3);
    EXPECT_EQ(c.Added, 2);
    EXPECT_EQ(IDs(view), (std::vector<std::string>{"a", "b", "d", "c"}));

    TTempDir dir;
    TItemList other;
    other.AddCopy(MakeItem("e", {}, {}));
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
    db.AddCopy(MakeItem("key", {"brass key"}, {}));
    db.AddCopy(MakeItem("\xE8" "aj", {}, {"\xC8" "aj."}));

    EXPECT_TRUE(SearchItems(db, {}).empty());
    EXPECT_EQ(IDs(SearchItems(db, {"BRASS", ""})), (std::vector<std::string>{"key"}));
    EXPECT_EQ(IDs(SearchItems(db, {"", "BRASS LAMP"})), (std::vector<std::string>{"lamp"}));
    EXPECT_EQ(IDs(SearchItems(db, {"", "in brno"})), (std::vector<std::string>{"lamp"}));
    // The words are searched as "A, B" text, so a search can span the separator.
    EXPECT_EQ(IDs(SearchItems(db, {"p, l", ""})), (std::vector<std::string>{"lamp"}));
    EXPECT_EQ(IDs(SearchItems(db, {"key", "lamp"})), (std::vector<std::string>{"lamp", "key"}));
    EXPECT_TRUE(SearchItems(db, {"\xC8" "AJ", ""}).empty());
    EXPECT_EQ(SearchItems(db, {"", "\xC8" "AJ"}).size(), 1u);
    EXPECT_TRUE((TItemSearch{"", "x"}).HasCriteria());
    EXPECT_FALSE((TItemSearch{}).HasCriteria());
}

TEST(ItemSort, ByIDWhicheverColumn)
{
    TItemList db;
    for (const char* id : {"b", "C", "a"})
        db.AddCopy(MakeItem(id, {}, {}));
    TItemView view{&db[0], &db[2]};
    // The default column is 0, so clicking it first flips to ascending.
    SortItems(db, view, 0);
    EXPECT_TRUE(db.SortAscending);
    EXPECT_EQ(IDs(db.All()), (std::vector<std::string>{"C", "a", "b"}));
    EXPECT_EQ(IDs(view), (std::vector<std::string>{"a", "b"}));
    SortItems(db, view, 1);
    EXPECT_EQ(db.SortColumn, 1);
    EXPECT_TRUE(db.SortAscending);
    EXPECT_EQ(IDs(db.All()), (std::vector<std::string>{"C", "a", "b"}));
    SortItems(db, view, 1);
    EXPECT_EQ(IDs(db.All()), (std::vector<std::string>{"b", "a", "C"}));
    EXPECT_EQ(IDs(view), (std::vector<std::string>{"b", "a"}));
}

TEST(ItemFields, SynonymsFieldSplitsAtCommas)
{
    EXPECT_EQ(SynonymsFromField("one, two ,three,"), (TStrings{"one", "two", "three"}));
    EXPECT_EQ(SynonymsFromField("one,,two"), (TStrings{"one", "", "two"}));
    EXPECT_EQ(SynonymsFromField("one, ,"), (TStrings{"one", ""}));
    EXPECT_TRUE(SynonymsFromField("").empty());
    EXPECT_TRUE(SynonymsFromField("  ").empty());
    EXPECT_EQ(SynonymsFromField("  lone word "), (TStrings{"lone word"}));
}

TEST(DatabaseFileName, SaveDialogAndExtension)
{
    EXPECT_TRUE(NeedsSaveDialog("", "NONAME.SDB"));
    EXPECT_TRUE(NeedsSaveDialog("noname.sdb", "NONAME.SDB"));
    EXPECT_TRUE(NeedsSaveDialog("NoName.Sdb", "NONAME.SDB"));
    EXPECT_FALSE(NeedsSaveDialog("/x/noname.sdb", "NONAME.SDB"));
    EXPECT_FALSE(NeedsSaveDialog("noname.idb", "NONAME.SDB"));
    EXPECT_EQ(WithDatabaseExtension("/x/items", ".idb"), "/x/items.idb");
    EXPECT_EQ(WithDatabaseExtension("/x/a.idb.old", ".idb"), "/x/a.idb.old");
    EXPECT_EQ(WithDatabaseExtension("/x/a.IDB", ".idb"), "/x/a.IDB.idb");
}
