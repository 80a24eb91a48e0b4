#include "db/sentenceimport.h"
#include "dbtest.h"
#include "files/sentencefile.h"
#include "kberror.h"
#include "testutil.h"

#include <gtest/gtest.h>

namespace {
// A room whose descriptions alternate between the day and the night long text.
std::unique_ptr<TRoom> RoomWith(TAreaTypes types, std::initializer_list<TStrings> descriptions, int x = 1)
{
    auto room = std::make_unique<TRoom>();
    room->X = x;
    room->Y = 1;
    room->AreaTypes = types;
    for (const auto& text : descriptions)
        room->Descriptions.push_back(TRoomDescription{room->Descriptions.size() % 2 ? "Night Long" : "Long", text});
    return room;
}
} // namespace

TEST(SentenceSplit, CutsAtTheEarliestTerminator)
{
    const std::pair<std::string, TStrings> cases[] = {
        {"one. two? three! four", {"one.", "two?", "three!", "four"}},
        {"no terminator here", {"no terminator here"}},
        {"", {}},
        {" \r\n\t\r\n", {}},
        {"wait... then", {"wait.", ".", ".", "then"}},
        // Lines are joined into one paragraph first.
        {"A long\r\nline. Next\r\n\r\nparagraph.\r\n", {"A long line.", "Next paragraph."}},
    };
    for (const auto& [text, pieces] : cases)
        EXPECT_EQ(SplitIntoSentences(text), pieces) << text;
}

TEST(SaveTextToSentences, AddsNewPiecesWithSettingsAndRoomTypes)
{
    TSentenceList db;
    db.AddCopy({"Known.", "old", 0, ""});
    TSentenceView view = db.All();
    TSentenceAdder adder(db, &view);
    SaveTextToSentences(adder, "Known. known. Word... more\r\n", *RoomWith(0x14, {}), TImportSettings{"Cat", "Desc"});
    // "known." differs in case from "Known." and is new; the second "." is already there.
    EXPECT_EQ(Keys(db.Elements()), (TNames{"Known.", "known.", "Word.", ".", "more"}));
    EXPECT_EQ(adder.Counters().Found, 6);
    EXPECT_EQ(adder.Counters().Added, 4);
    EXPECT_EQ(view.size(), 5u);
    EXPECT_EQ(view.back(), &db[4]);
    EXPECT_TRUE(db.Modified);
    EXPECT_EQ(db[2], (TSentence{"Word.", "Cat", 0x14, "Desc"}));
}

TEST(SaveTextToSentences, PromptsWhenNeededAndNothingNewLeavesTheDatabaseUnmodified)
{
    TSentenceList db;
    db.AddCopy({"Same.", "", 0, ""});
    TImportSettings settings;
    int prompts = 0;
    const TImportCounters c = SaveDescriptionToSentences(db, nullptr, "Same.", *RoomWith(0, {}), settings,
                                                         [&](TImportSettings&) { ++prompts; });
    EXPECT_EQ(prompts, 1);
    EXPECT_EQ(c.Found, 1);
    EXPECT_EQ(c.Added, 0);
    EXPECT_FALSE(db.Modified);
    EXPECT_EQ(SentenceImportMessage(c), "0 sentence added from total 1 sentence");
    EXPECT_EQ(SentenceImportMessage({1, 3}), "1 sentence added from total 3 sentences");
    EXPECT_EQ(SentenceImportMessage({2, 2}), "2 sentences added from total 2 sentences");

    // The prompt comes when either setting is empty, or always with Ctrl held.
    settings.ImportCategory = "c";
    EXPECT_TRUE(settings.NeedsPrompt(false));
    settings.ImportDesc = "d";
    EXPECT_FALSE(settings.NeedsPrompt(false));
    EXPECT_TRUE(settings.NeedsPrompt(true));
}

TEST(SentenceImport, AreaImportUsesAndForgetsTheDerivedCategory)
{
    TRoomList area(10, 10);
    area.FileName = "/home/b/maps/forest.v2.arf";
    area.Add(RoomWith(1u << 3, {{"Trees stand.", "Birds sing!"}, {"Owls hoot."}}));
    area.Add(RoomWith(1u << 2, {{"Trees stand. A path"}}, 3));
    EXPECT_EQ(AreaImportCategory(area.FileName), "forest");
    EXPECT_EQ(AreaImportCategory("Noname.arf"), "Noname");

    TSentenceList db;
    TSentenceView view;
    TImportSettings settings;
    std::string offered;
    const TImportCounters c = ImportAreaToSentences(db, &view, area, settings, [&](TImportSettings& s) {
        offered = s.ImportCategory;
        s.ImportDesc = "auto";
    });
    EXPECT_EQ(offered, "forest");
    EXPECT_EQ(Keys(db.Elements()), (TNames{"Trees stand.", "Birds sing!", "Owls hoot.", "A path"}));
    EXPECT_EQ(c.Found, 5);
    EXPECT_EQ(c.Added, 4);
    EXPECT_EQ(db[0], (TSentence{"Trees stand.", "forest", 1u << 3, "auto"}));
    EXPECT_EQ(db[3].AreaTypes, 1u << 2);
    EXPECT_EQ(view.size(), 4u);
    // The derived category is forgotten, the description remembered.
    EXPECT_EQ(settings.ImportCategory, "");
    EXPECT_EQ(settings.ImportDesc, "auto");

    // A category changed in the prompt is remembered and used as it is next time.
    area[0].Descriptions[1].Text = {"Bats fly."};
    ImportAreaToSentences(db, nullptr, area, settings, [](TImportSettings& s) { s.ImportCategory = "Caves"; });
    area[0].Descriptions[1].Text = {"Light."};
    ImportAreaToSentences(db, nullptr, area, settings, nullptr);
    EXPECT_EQ(settings.ImportCategory, "Caves");
    EXPECT_EQ(Keys(db.Elements()), (TNames{"Trees stand.", "Birds sing!", "Owls hoot.", "A path", "Bats fly.", "Light."}));
    EXPECT_EQ(db[4].Category, "Caves");
    EXPECT_EQ(db[5].Category, "Caves");
}

TEST(SentenceImport, FromFileAddsNewTextsOnly)
{
    TTempDir dir;
    TSentenceList other;
    other.AddCopy({"Shared.", "x", 1, "from file"});
    other.AddCopy({"Only there.", "y", 2, "d"});
    other.AddCopy({"Only there.", "z", 4, "dup in file"});
    SaveSentences(dir.File("other.sdb"), other);

    TSentenceList db;
    db.AddCopy({"Shared.", "mine", 0, ""});
    const TImportCounters c = ImportSentencesFromFile(db, dir.File("other.sdb"));
    EXPECT_EQ(c.Found, 3);
    EXPECT_EQ(c.Added, 1);
    EXPECT_TRUE(db.Modified);
    ASSERT_EQ(db.Count(), 2);
    EXPECT_EQ(db[0].Category, "mine");
    EXPECT_EQ(db[1], (TSentence{"Only there.", "y", 2, "d"}));
    EXPECT_EQ(db.FileName, "noname.sdb");

    // A missing file adds nothing; a wrong one raises and adds nothing.
    EXPECT_EQ(SentenceImportMessage(ImportSentencesFromFile(db, dir.File("none.sdb"))),
              "0 sentence added from total 0 sentence");
    WriteFileBytes(dir.File("wrong.sdb"), "definitely not zlib");
    db.Modified = false;
    EXPECT_THROW(ImportSentencesFromFile(db, dir.File("wrong.sdb")), EKbError);
    EXPECT_EQ(db.Count(), 2);
    EXPECT_FALSE(db.Modified);
}
