// The database commands of kesterbrandor-cli, run as the user runs them.
#include "files/sentencefile.h"
#include "runcommand.h"
#include "testutil.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {
TCommandResult Cli(const std::vector<std::string>& args) { return RunCommand(KB_CLI_PATH, args); }

const char* const kSentencesJson = R"({
  "Version": 2,
  "SortColumn": 3,
  "SortAscending": true,
  "Sentences": [
    {"Sentence": "Žluťoučký kůň úpěl.", "Category": "Les", "AreaTypes": 262146, "Desc": "ódy"},
    {"Sentence": "Second!", "Category": "", "AreaTypes": 0, "Desc": ""}
  ]
})";

const char* const kItemsJson = R"({
  "Version": 1,
  "SortColumn": 1,
  "SortAscending": false,
  "Items": [
    {"ID": "lampa", "Synonyms": ["světlo", "lamp"], "Description": ["Mosazná lampa.", ""], "Listen": ["syčí"],
     "Smell": ["olej"], "Touch": [], "Search": ["nic"], "Read": ["Made in Brno"]}
  ]
})";
} // namespace

TEST(CliDb, SentenceDatabaseRoundTripInTheCodePage)
{
    TTempDir dir;
    WriteFileBytes(dir.File("s.json"), kSentencesJson);
    const auto build = Cli({"sdb-build", dir.File("s.json"), dir.File("s.sdb")});
    ASSERT_EQ(build.ExitCode, 0) << build.Err;
    TSentenceList db;
    ASSERT_EQ(LoadSentences(dir.File("s.sdb"), db), 2);
    EXPECT_EQ(db[0].Sentence, "\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2 \xFAp\xECl."); // windows-1250 in the file
    EXPECT_EQ(db[0].AreaTypes, 262146u);

    const auto dump = Cli({"sdb-dump", dir.File("s.sdb")});
    ASSERT_EQ(dump.ExitCode, 0) << dump.Err;
    EXPECT_EQ(nlohmann::json::parse(dump.Out), nlohmann::json::parse(kSentencesJson));
}

TEST(CliDb, ItemDatabaseRoundTrip)
{
    TTempDir dir;
    WriteFileBytes(dir.File("i.json"), kItemsJson);
    ASSERT_EQ(Cli({"idb-build", dir.File("i.json"), dir.File("i.idb")}).ExitCode, 0);
    const auto dump = Cli({"idb-dump", dir.File("i.idb")});
    ASSERT_EQ(dump.ExitCode, 0) << dump.Err;
    EXPECT_EQ(nlohmann::json::parse(dump.Out), nlohmann::json::parse(kItemsJson));
}

TEST(CliDb, MissingKeysTakeTheDefaultsOfANewDatabase)
{
    TTempDir dir;
    WriteFileBytes(dir.File("e.json"), R"({"Sentences": [{"Sentence": "Only text."}]})");
    ASSERT_EQ(Cli({"sdb-build", dir.File("e.json"), dir.File("e.sdb")}).ExitCode, 0);
    const auto s = nlohmann::json::parse(Cli({"sdb-dump", dir.File("e.sdb")}).Out);
    EXPECT_EQ(s["SortColumn"], -1);
    EXPECT_EQ(s["SortAscending"], false);
    EXPECT_EQ(s["Sentences"][0]["AreaTypes"], 0);
    EXPECT_EQ(s["Sentences"][0]["Category"], "");

    WriteFileBytes(dir.File("e2.json"), "{}");
    ASSERT_EQ(Cli({"idb-build", dir.File("e2.json"), dir.File("e.idb")}).ExitCode, 0);
    const auto i = nlohmann::json::parse(Cli({"idb-dump", dir.File("e.idb")}).Out);
    EXPECT_EQ(i["SortColumn"], 0);
    EXPECT_EQ(i["Version"], 1);
    EXPECT_TRUE(i["Items"].empty());
}

TEST(CliDb, ErrorsAndExitCodes)
{
    TTempDir dir;
    // A file that is not there is an error on the command line (the editor passes over it).
    const auto missing = Cli({"sdb-dump", dir.File("none.sdb")});
    EXPECT_EQ(missing.ExitCode, 3);
    EXPECT_NE(missing.Err.find("none.sdb"), std::string::npos);
    EXPECT_TRUE(missing.Out.empty());
    EXPECT_EQ(Cli({"idb-dump", dir.File("none.idb")}).ExitCode, 3);

    WriteFileBytes(dir.File("s.json"), kSentencesJson);
    ASSERT_EQ(Cli({"sdb-build", dir.File("s.json"), dir.File("s.sdb")}).ExitCode, 0);
    const auto wrongKind = Cli({"idb-dump", dir.File("s.sdb")});
    EXPECT_EQ(wrongKind.ExitCode, 3);
    EXPECT_EQ(wrongKind.Err, "Bad File Format\n");
    WriteFileBytes(dir.File("i.json"), kItemsJson);
    ASSERT_EQ(Cli({"idb-build", dir.File("i.json"), dir.File("i.idb")}).ExitCode, 0);
    const auto wrongSdb = Cli({"sdb-dump", dir.File("i.idb")});
    EXPECT_EQ(wrongSdb.ExitCode, 3);
    EXPECT_EQ(wrongSdb.Err, "\xC5\xA0patn\xC3\xBD form\xC3\xA1t souboru\n");

    WriteFileBytes(dir.File("bad.json"), R"({"Sentences": [{"AreaTypes": "forest"}]})");
    const auto badJson = Cli({"sdb-build", dir.File("bad.json"), dir.File("bad.sdb")});
    EXPECT_EQ(badJson.ExitCode, 3);
    EXPECT_NE(badJson.Err.find("AreaTypes"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("bad.sdb")));

    EXPECT_EQ(Cli({"sdb-dump"}).ExitCode, 2);
    EXPECT_EQ(Cli({"idb-build", dir.File("i.json")}).ExitCode, 2);
}
