#include "db/itemlist.h"
#include "db/itemundo.h"
#include "db/sentencelist.h"
#include "db/sentenceundo.h"
#include "db/viewdelete.h"

#include <gtest/gtest.h>

namespace {
TSentence MakeSentence(const std::string& text, const std::string& category = "", TAreaTypes types = 0)
{
    TSentence s;
    s.Sentence = text;
    s.Category = category;
    s.AreaTypes = types;
    s.Desc = "d-" + text;
    return s;
}

TItem MakeItem(const std::string& id, TStrings synonyms = {}, TStrings description = {})
{
    TItem item;
    item.ID = id;
    item.Synonyms = std::move(synonyms);
    item.Description = std::move(description);
    return item;
}

std::vector<std::string> Texts(const TSentenceList& db)
{
    std::vector<std::string> out;
    for (const auto& s : db.Elements())
        out.push_back(s->Sentence);
    return out;
}

std::vector<std::string> IDs(const TItemList& db)
{
    std::vector<std::string> out;
    for (const auto& item : db.Elements())
        out.push_back(item->ID);
    return out;
}
} // namespace

TEST(SentenceList, DefaultsAndAssign)
{
    TSentenceList db;
    EXPECT_EQ(db.FileName, "noname.sdb");
    EXPECT_FALSE(db.Modified);
    EXPECT_EQ(db.SortColumn, -1);
    EXPECT_FALSE(db.SortAscending);
    EXPECT_EQ(db.Count(), 0);

    TSentenceList source;
    source.AddCopy(MakeSentence("One.", "a", 2));
    source.AddCopy(MakeSentence("Two."));
    source.FileName = "/x/s.sdb";
    source.Modified = true;
    source.SortColumn = 3;
    source.SortAscending = true;

    TSentenceList target;
    target.AddCopy(MakeSentence("Old."));
    target.Assign(source);
    // Assign appends and carries Modified and FileName, but not the sort settings.
    EXPECT_EQ(Texts(target), (std::vector<std::string>{"Old.", "One.", "Two."}));
    EXPECT_EQ(target[1], source[0]);
    EXPECT_NE(&target[1], &source[0]);
    EXPECT_TRUE(target.Modified);
    EXPECT_EQ(target.FileName, "/x/s.sdb");
    EXPECT_EQ(target.SortColumn, -1);
    EXPECT_FALSE(target.SortAscending);

    target[1].Sentence = "Changed.";
    EXPECT_EQ(source[0].Sentence, "One.");
    target.Clear();
    EXPECT_EQ(target.Count(), 0);
}

TEST(ItemList, DefaultsAndAssign)
{
    TItemList db;
    EXPECT_EQ(db.FileName, "noname.idb");
    EXPECT_FALSE(db.Modified);
    EXPECT_EQ(db.SortColumn, 0);
    EXPECT_FALSE(db.SortAscending);

    TItemList source;
    TItem lamp = MakeItem("lamp", {"light"}, {"A lamp."});
    lamp.Read = {"r"};
    lamp.Touch = {"t1", "t2"};
    source.AddCopy(lamp);
    source.Modified = true;
    source.FileName = "i.idb";
    source.SortColumn = 1;
    TItemList target;
    target.Assign(source);
    ASSERT_EQ(target.Count(), 1);
    EXPECT_EQ(target[0], lamp);
    EXPECT_TRUE(target.Modified);
    EXPECT_EQ(target.FileName, "i.idb");
    EXPECT_EQ(target.SortColumn, 0);
}

TEST(SentenceUndo, HistoryPositionsAndBranches)
{
    TSentenceList db;
    TSUndoList history;
    int notified = 0;
    history.OnChange = [&] { ++notified; };
    history.AddMark(db);
    EXPECT_EQ(history.Position(), 0);
    history.Undo(db);
    history.Redo(db);
    EXPECT_EQ(history.Position(), 0);
    EXPECT_EQ(notified, 1);

    for (const char* t : {"A.", "B.", "C."}) {
        db.AddCopy(MakeSentence(t));
        db.Modified = true;
        history.AddMark(db);
    }
    EXPECT_EQ(history.Count(), 4);
    TSentence* before = &db[0];
    history.Undo(db);
    history.Undo(db);
    EXPECT_EQ(history.Position(), 1);
    EXPECT_EQ(Texts(db), (std::vector<std::string>{"A."}));
    EXPECT_NE(&db[0], before); // the old elements are gone; the document object stays

    db.AddCopy(MakeSentence("D."));
    history.AddMark(db);
    EXPECT_EQ(history.Count(), 3);
    EXPECT_EQ(history.Position(), 2);
    history.Redo(db);
    EXPECT_EQ(Texts(db), (std::vector<std::string>{"A.", "D."}));

    // Back to the first snapshot: empty, unmodified.
    history.Undo(db);
    history.Undo(db);
    EXPECT_EQ(db.Count(), 0);
    EXPECT_FALSE(db.Modified);
}

TEST(SentenceUndo, RestoresModifiedAndFileNameButNotSortSettings)
{
    TSentenceList db;
    TSUndoList history;
    history.AddMark(db);
    db.AddCopy(MakeSentence("A."));
    db.FileName = "other.sdb";
    db.Modified = true;
    history.AddMark(db);
    db.SortColumn = 2;
    db.SortAscending = true;
    history.Undo(db);
    EXPECT_EQ(db.FileName, "noname.sdb");
    EXPECT_FALSE(db.Modified);
    EXPECT_EQ(db.SortColumn, 2);
    EXPECT_TRUE(db.SortAscending);
    history.Redo(db);
    EXPECT_EQ(db.FileName, "other.sdb");
    EXPECT_TRUE(db.Modified);
    EXPECT_EQ(Texts(db), (std::vector<std::string>{"A."}));
}

TEST(SentenceUndo, SnapshotsShareUnchangedSentencesEvenAfterReordering)
{
    TSentenceList db;
    for (int i = 0; i < 50; ++i)
        db.AddCopy(MakeSentence("S" + std::to_string(i) + "."));
    TSUndoList history;
    history.AddMark(db);
    db[10].Desc = "edited";
    history.AddMark(db);
    const auto& a = history.At(0).Sentences;
    const auto& b = history.At(1).Sentences;
    EXPECT_EQ(a[9].get(), b[9].get());
    EXPECT_NE(a[10].get(), b[10].get());
    EXPECT_EQ(b[10]->Desc, "edited");
    EXPECT_EQ(a[10]->Desc, "d-S10.");

    // Delete one and reverse the order: everything left is still shared.
    db.Destroy({&db[0]});
    db.StableSort([](const TSentence& x, const TSentence& y) { return x.Sentence > y.Sentence; });
    history.AddMark(db);
    const auto& c = history.At(2).Sentences;
    ASSERT_EQ(c.size(), 49u);
    for (const auto& p : c) {
        bool shared = false;
        for (const auto& q : b)
            shared = shared || p.get() == q.get();
        EXPECT_TRUE(shared) << p->Sentence;
    }
    history.Undo(db);
    history.Undo(db);
    EXPECT_EQ(db.Count(), 50);
    EXPECT_EQ(db[10].Desc, "d-S10.");
}

TEST(ItemUndo, RestoresItemsWithAllListsAndShares)
{
    TItemList db;
    TIUndoList history;
    history.AddMark(db);
    TItem key = MakeItem("key", {"brass key"}, {"A key."});
    key.Smell = {"metal"};
    db.AddCopy(key);
    db.AddCopy(MakeItem("door"));
    db.Modified = true;
    history.AddMark(db);
    db[1].Listen = {"creak"};
    history.AddMark(db);
    EXPECT_EQ(history.At(1).Items[0].get(), history.At(2).Items[0].get());
    EXPECT_NE(history.At(1).Items[1].get(), history.At(2).Items[1].get());

    history.Undo(db);
    ASSERT_EQ(IDs(db), (std::vector<std::string>{"key", "door"}));
    EXPECT_EQ(db[0], key);
    EXPECT_TRUE(db[1].Listen.empty());
    history.Undo(db);
    EXPECT_EQ(db.Count(), 0);
    EXPECT_FALSE(db.Modified);
    history.Redo(db);
    history.Redo(db);
    EXPECT_EQ(db[1].Listen, (TStrings{"creak"}));
}

TEST(ViewDelete, RemovesSelectedRowsFromViewAndDatabase)
{
    TSentenceList db;
    for (const char* t : {"A.", "B.", "C.", "D."})
        db.AddCopy(MakeSentence(t));
    // A view that lists D, B, A (a search result after sorting, say).
    TSentenceView view{&db[3], &db[1], &db[0]};
    EXPECT_EQ(DeleteViewEntries(db, view, {2, 0, 7, -1, 0}), 2);
    EXPECT_EQ(Texts(db), (std::vector<std::string>{"B.", "C."}));
    ASSERT_EQ(view.size(), 1u);
    EXPECT_EQ(view[0]->Sentence, "B.");
    EXPECT_TRUE(db.Modified);

    db.Modified = false;
    EXPECT_EQ(DeleteViewEntries(db, view, {}), 0);
    EXPECT_FALSE(db.Modified);

    TItemList items;
    items.AddCopy(MakeItem("x"));
    TItemView iview = items.All();
    EXPECT_EQ(DeleteViewEntries(items, iview, {0}), 1);
    EXPECT_TRUE(iview.empty());
    EXPECT_EQ(items.Count(), 0);
}
