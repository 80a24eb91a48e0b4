#include "db/sentenceimport.h"
#include "db/sentenceundo.h"
#include "files/sentencefile.h"
#include "kberror.h"
#include "model/text.h"
#include "testutil.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> Texts(const TSentenceList& db)
{
    std::vector<std::string> out;
    for (const auto& s : db.Elements())
        out.push_back(s->Sentence);
    return out;
}

TRoom RoomWith(TAreaTypes types, std::initializer_list<TStrings> descriptions, int x = 1, int y = 1)
{
    TRoom room;
    room.X = x;
    room.Y = y;
    room.AreaTypes = types;
    const char* names[] = {"Long", "Night Long"};
    int i = 0;
    for (const auto& text : descriptions)
        room.Descriptions.push_back(TRoomDescription{names[i++ % 2], text});
    return room;
}
} // namespace

TEST(SentenceSplit, CutsAtTheEarliestTerminator)
{
    EXPECT_EQ(SplitIntoSentences("one. two? three! four"), (TStrings{"one.", "two?", "three!", "four"}));
    EXPECT_EQ(SplitIntoSentences("Is it? Yes. Go!"), (TStrings{"Is it?", "Yes.", "Go!"}));
    EXPECT_EQ(SplitIntoSentences("no terminator here"), (TStrings{"no terminator here"}));
    EXPECT_TRUE(SplitIntoSentences("").empty());
    EXPECT_TRUE(SplitIntoSentences(" \r\n\t\r\n").empty());
    EXPECT_EQ(SplitIntoSentences("wait... then"), (TStrings{"wait.", ".", ".", "then"}));
    // Lines are joined into one paragraph first.
    EXPECT_EQ(SplitIntoSentences("A long\r\nline. Next\r\n\r\nparagraph.\r\n"), (TStrings{"A long line.", "Next paragraph."}));
}

TEST(SaveTextToSentences, AddsNewPiecesWithSettingsAndRoomTypes)
{
    TSentenceList db;
    db.AddCopy(TSentence{"Known.", "old", 0, ""});
    TSentenceView view = db.All();
    const TRoom room = RoomWith(0x14, {});
    TImportSettings settings{"Cat", "Desc"};
    TSentenceAdder adder(db, &view);
    SaveTextToSentences(adder, "Known. known. Word... more\r\n", room, settings);
    // "known." differs in case from "Known." and is new; the second "." is already there.
    EXPECT_EQ(Texts(db), (std::vector<std::string>{"Known.", "known.", "Word.", ".", "more"}));
    EXPECT_EQ(adder.Counters().Found, 6);
    EXPECT_EQ(adder.Counters().Added, 4);
    EXPECT_EQ(view.size(), 5u);
    EXPECT_EQ(view.back(), &db[4]);
    EXPECT_TRUE(db.Modified);
    EXPECT_EQ(db[2], (TSentence{"Word.", "Cat", 0x14, "Desc"}));
}

TEST(SaveTextToSentences, NothingNewLeavesTheDatabaseUnmodified)
{
    TSentenceList db;
    db.AddCopy(TSentence{"Same.", "", 0, ""});
    TImportSettings settings;
    int prompts = 0;
    const TImportCounters c = SaveDescriptionToSentences(db, nullptr, "Same.", RoomWith(0, {}), settings,
                                                         [&](TImportSettings&) { ++prompts; });
    EXPECT_EQ(prompts, 1);
    EXPECT_EQ(c.Found, 1);
    EXPECT_EQ(c.Added, 0);
    EXPECT_FALSE(db.Modified);
    EXPECT_EQ(SentenceImportMessage(c), "0 sentence added from total 1 sentence");
}

TEST(SentenceImport, ClosingMessageWords)
{
    EXPECT_EQ(SentenceImportMessage({1, 1}), "1 sentence added from total 1 sentence");
    EXPECT_EQ(SentenceImportMessage({0, 3}), "0 sentence added from total 3 sentences");
    EXPECT_EQ(SentenceImportMessage({2, 2}), "2 sentences added from total 2 sentences");
}

TEST(SentenceImport, PromptRule)
{
    TImportSettings s;
    EXPECT_TRUE(s.NeedsPrompt(false));
    s.ImportCategory = "c";
    EXPECT_TRUE(s.NeedsPrompt(false));
    s.ImportDesc = "d";
    EXPECT_FALSE(s.NeedsPrompt(false));
    EXPECT_TRUE(s.NeedsPrompt(true));
}

TEST(SentenceImport, AreaImportUsesAndForgetsTheDerivedCategory)
{
    TRoomList area(10, 10);
    area.FileName = "/home/b/maps/forest.v2.arf";
    area.Add(std::make_unique<TRoom>(RoomWith(1u << 3, {{"Trees stand.", "Birds sing!"}, {"Owls hoot."}}, 1, 1)));
    area.Add(std::make_unique<TRoom>(RoomWith(1u << 2, {{"Trees stand. A path"}}, 3, 1)));
    EXPECT_EQ(AreaImportCategory(area.FileName), "forest");
    EXPECT_EQ(AreaImportCategory("Noname.arf"), "Noname");

    TSentenceList db;
    TSentenceView view;
    TImportSettings settings;
    std::string offered;
    TImportCounters c = ImportAreaToSentences(db, &view, area, settings, [&](TImportSettings& s) {
        offered = s.ImportCategory;
        s.ImportDesc = "auto";
    });
    EXPECT_EQ(offered, "forest");
    EXPECT_EQ(Texts(db), (std::vector<std::string>{"Trees stand.", "Birds sing!", "Owls hoot.", "A path"}));
    EXPECT_EQ(c.Found, 5);
    EXPECT_EQ(c.Added, 4);
    EXPECT_EQ(db[0].Category, "forest");
    EXPECT_EQ(db[0].Desc, "auto");
    EXPECT_EQ(db[0].AreaTypes, 1u << 3);
    EXPECT_EQ(db[3].AreaTypes, 1u << 2);
    EXPECT_EQ(view.size(), 4u);
    // The derived category is forgotten, the description remembered.
    EXPECT_EQ(settings.ImportCategory, "");
    EXPECT_EQ(settings.ImportDesc, "auto");

    // A second import adds nothing and reports all as found.
    db.Modified = false;
    c = ImportAreaToSentences(db, &view, area, settings, nullptr);
    EXPECT_EQ(c.Added, 0);
    EXPECT_EQ(c.Found, 5);
    EXPECT_FALSE(db.Modified);
}

TEST(SentenceImport, CategoryChangedInThePromptIsRemembered)
{
    TRoomList area(10, 10);
    area.FileName = "cave.arf";
    area.Add(std::make_unique<TRoom>(RoomWith(0, {{"Dark."}})));
    TSentenceList db;
    TImportSettings settings;
    ImportAreaToSentences(db, nullptr, area, settings, [](TImportSettings& s) { s.ImportCategory = "Caves"; });
    EXPECT_EQ(settings.ImportCategory, "Caves");
    EXPECT_EQ(db[0].Category, "Caves");

    // A remembered category is used as it is.
    area.FileName = "other.arf";
    area[0].Descriptions[0].Text = {"Light."};
    ImportAreaToSentences(db, nullptr, area, settings, nullptr);
    EXPECT_EQ(db[1].Category, "Caves");
    EXPECT_EQ(settings.ImportCategory, "Caves");
}

TEST(SentenceImport, FromFileAddsNewTextsAndUndoRestoresTheFileName)
{
    TTempDir dir;
    TSentenceList other;
    other.AddCopy(TSentence{"Shared.", "x", 1, "from file"});
    other.AddCopy(TSentence{"Only there.", "y", 2, "d"});
    other.AddCopy(TSentence{"Only there.", "z", 4, "dup in file"});
    SaveSentences(dir.File("other.sdb"), other);

    TSentenceList db;
    db.FileName = dir.File("mine.sdb");
    db.AddCopy(TSentence{"Shared.", "mine", 0, ""});
    TSUndoList history;
    history.AddMark(db);

    const TImportCounters c = ImportSentencesFromFile(db, dir.File("other.sdb"));
    EXPECT_EQ(c.Found, 3);
    EXPECT_EQ(c.Added, 1);
    EXPECT_TRUE(db.Modified);
    ASSERT_EQ(db.Count(), 2);
    EXPECT_EQ(db[1], (TSentence{"Only there.", "y", 2, "d"}));
    EXPECT_EQ(db[0].Category, "mine");
    EXPECT_EQ(db.FileName, dir.File("mine.sdb"));
    history.AddMark(db);

    history.Undo(db);
    EXPECT_EQ(Texts(db), (std::vector<std::string>{"Shared."}));
    EXPECT_EQ(db.FileName, dir.File("mine.sdb"));
    EXPECT_FALSE(db.Modified);
}

TEST(SentenceImport, FromMissingOrWrongFile)
{
    TTempDir dir;
    TSentenceList db;
    const TImportCounters c = ImportSentencesFromFile(db, dir.File("none.sdb"));
    EXPECT_EQ(c.Found, 0);
    EXPECT_EQ(c.Added, 0);
    EXPECT_EQ(SentenceImportMessage(c), "0 sentence added from total 0 sentence");

    WriteFileBytes(dir.File("wrong.sdb"), "definitely not zlib");
    EXPECT_THROW(ImportSentencesFromFile(db, dir.File("wrong.sdb")), EKbError);
    EXPECT_EQ(db.Count(), 0);
    EXPECT_FALSE(db.Modified);
}
