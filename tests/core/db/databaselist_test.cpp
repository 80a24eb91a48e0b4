#include "db/itemundo.h"
#include "db/sentenceundo.h"
#include "db/viewdelete.h"
#include "dbtest.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
TSentence MakeSentence(const std::string& text) { return TSentence{text, "", 0, "d-" + text}; }
} // namespace

TEST(DatabaseLists, DefaultsAndAssignAppendingWithoutSortSettings)
{
    TSentenceList sdb;
    TItemList idb;
    EXPECT_EQ(sdb.FileName, "noname.sdb");
    EXPECT_EQ(idb.FileName, "noname.idb");
    EXPECT_EQ(sdb.SortColumn, -1);
    EXPECT_EQ(idb.SortColumn, 0);

    TSentenceList source;
    source.AddCopy({"One.", "a", 2, "x"});
    source.FileName = "/x/s.sdb";
    source.Modified = true;
    source.SortColumn = 3;
    source.SortAscending = true;
    sdb.AddCopy(MakeSentence("Old."));
    sdb.Assign(source);
    EXPECT_EQ(Keys(sdb.Elements()), (TNames{"Old.", "One."}));
    EXPECT_EQ(sdb[1], source[0]);
    EXPECT_TRUE(sdb.Modified);
    EXPECT_EQ(sdb.FileName, "/x/s.sdb");
    EXPECT_EQ(sdb.SortColumn, -1);
    EXPECT_FALSE(sdb.SortAscending);

    TItemList items;
    items.AddCopy(FullItem("lamp"));
    items.SortColumn = 1;
    idb.Assign(items);
    EXPECT_EQ(idb[0], FullItem("lamp"));
    EXPECT_EQ(idb.SortColumn, 0);
}

TEST(SentenceUndo, RestoresSentencesModifiedAndFileNameButNotSortSettings)
{
    TSentenceList db;
    TSUndoList history;
    history.AddMark(db);
    db.AddCopy(MakeSentence("A."));
    db.FileName = "other.sdb";
    db.Modified = true;
    history.AddMark(db);
    db.SortColumn = 2;
    history.Undo(db);
    EXPECT_EQ(db.Count(), 0);
    EXPECT_EQ(db.FileName, "noname.sdb");
    EXPECT_FALSE(db.Modified);
    EXPECT_EQ(db.SortColumn, 2);
    history.Redo(db);
    EXPECT_EQ(db.FileName, "other.sdb");
    EXPECT_TRUE(db.Modified);
    EXPECT_EQ(db[0], MakeSentence("A."));
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
    EXPECT_EQ(a[9], b[9]);
    EXPECT_NE(a[10], b[10]);

    // Delete one and reverse the order: everything left is still shared.
    db.Destroy({&db[0]});
    db.StableSort([](const TSentence& x, const TSentence& y) { return x.Sentence > y.Sentence; });
    history.AddMark(db);
    const auto& c = history.At(2).Sentences;
    ASSERT_EQ(c.size(), 49u);
    for (const auto& p : c)
        EXPECT_TRUE(std::any_of(b.begin(), b.end(), [&](const auto& q) { return q == p; })) << p->Sentence;
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
    db.AddCopy(FullItem("key"));
    db.AddCopy(MakeItem("door"));
    db.Modified = true;
    history.AddMark(db);
    db[1].Listen = {"creak"};
    history.AddMark(db);
    EXPECT_EQ(history.At(1).Items[0], history.At(2).Items[0]);
    EXPECT_NE(history.At(1).Items[1], history.At(2).Items[1]);

    history.Undo(db);
    ASSERT_EQ(db.Count(), 2);
    EXPECT_EQ(db[0], FullItem("key"));
    EXPECT_EQ(db[1], MakeItem("door"));
    EXPECT_TRUE(db.Modified);
}

TEST(ViewDelete, RemovesSelectedRowsFromViewAndDatabase)
{
    TSentenceList db;
    for (const char* t : {"A.", "B.", "C.", "D."})
        db.AddCopy(MakeSentence(t));
    // A view that lists D, B, A (a search result after sorting, say); rows repeat or lie outside.
    TSentenceView view{&db[3], &db[1], &db[0]};
    EXPECT_EQ(DeleteViewEntries(db, view, {2, 0, 7, -1, 0}), 2);
    EXPECT_EQ(Keys(db.Elements()), (TNames{"B.", "C."}));
    EXPECT_EQ(Keys(view), (TNames{"B."}));
    EXPECT_TRUE(db.Modified);

    db.Modified = false;
    EXPECT_EQ(DeleteViewEntries(db, view, {}), 0);
    EXPECT_FALSE(db.Modified);
}
