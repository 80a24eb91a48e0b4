// The database commands of kesterbrandor-cli, run as the user runs them.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {
struct TRun {
    int Code = -1;
    std::string Out;
    std::string Err;
};

class DbCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("kbcli-db-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string File(const std::string& name) const { return (dir / name).string(); }
    void Write(const std::string& name, const std::string& text) const { std::ofstream(File(name), std::ios::binary) << text; }
    std::string Read(const std::string& path) const
    {
        std::ifstream f(path, std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        return ss.str();
    }

    TRun Run(const std::string& args) const
    {
        const std::string err = File("stderr.txt");
        const std::string cmd = std::string("'") + KB_CLI_PATH + "' " + args + " 2>'" + err + "'";
        TRun r;
        FILE* p = popen(cmd.c_str(), "r");
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0)
            r.Out.append(buf, n);
        const int status = pclose(p);
        r.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.Err = Read(err);
        return r;
    }

    fs::path dir;
};

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

TEST_F(DbCli, SentenceDatabaseRoundTrip)
{
    Write("s.json", kSentencesJson);
    TRun build = Run("sdb-build '" + File("s.json") + "' '" + File("s.sdb") + "'");
    ASSERT_EQ(build.Code, 0) << build.Err;
    TRun dump = Run("sdb-dump '" + File("s.sdb") + "'");
    ASSERT_EQ(dump.Code, 0) << dump.Err;
    EXPECT_EQ(nlohmann::json::parse(dump.Out), nlohmann::json::parse(kSentencesJson));
}

TEST_F(DbCli, ItemDatabaseRoundTrip)
{
    Write("i.json", kItemsJson);
    ASSERT_EQ(Run("idb-build '" + File("i.json") + "' '" + File("i.idb") + "'").Code, 0);
    TRun dump = Run("idb-dump '" + File("i.idb") + "'");
    ASSERT_EQ(dump.Code, 0) << dump.Err;
    EXPECT_EQ(nlohmann::json::parse(dump.Out), nlohmann::json::parse(kItemsJson));
}

TEST_F(DbCli, MissingKeysTakeTheDefaultsOfANewDatabase)
{
    Write("e.json", R"({"Sentences": [{"Sentence": "Only text."}]})");
    ASSERT_EQ(Run("sdb-build '" + File("e.json") + "' '" + File("e.sdb") + "'").Code, 0);
    const auto s = nlohmann::json::parse(Run("sdb-dump '" + File("e.sdb") + "'").Out);
    EXPECT_EQ(s["SortColumn"], -1);
    EXPECT_EQ(s["SortAscending"], false);
    EXPECT_EQ(s["Sentences"][0]["AreaTypes"], 0);
    EXPECT_EQ(s["Sentences"][0]["Category"], "");

    Write("e2.json", "{}");
    ASSERT_EQ(Run("idb-build '" + File("e2.json") + "' '" + File("e.idb") + "'").Code, 0);
    const auto i = nlohmann::json::parse(Run("idb-dump '" + File("e.idb") + "'").Out);
    EXPECT_EQ(i["SortColumn"], 0);
    EXPECT_EQ(i["Version"], 1);
    EXPECT_TRUE(i["Items"].empty());
}

TEST_F(DbCli, ErrorsAndExitCodes)
{
    // A file that is not there is an error on the command line (the editor ignores it).
    TRun missing = Run("sdb-dump '" + File("none.sdb") + "'");
    EXPECT_EQ(missing.Code, 3);
    EXPECT_NE(missing.Err.find("none.sdb"), std::string::npos);
    EXPECT_TRUE(missing.Out.empty());
    EXPECT_EQ(Run("idb-dump '" + File("none.idb") + "'").Code, 3);

    Write("s.json", kSentencesJson);
    ASSERT_EQ(Run("sdb-build '" + File("s.json") + "' '" + File("s.sdb") + "'").Code, 0);
    TRun wrongKind = Run("idb-dump '" + File("s.sdb") + "'");
    EXPECT_EQ(wrongKind.Code, 3);
    EXPECT_EQ(wrongKind.Err, "Bad File Format\n");
    Write("i.json", kItemsJson);
    ASSERT_EQ(Run("idb-build '" + File("i.json") + "' '" + File("i.idb") + "'").Code, 0);
    TRun wrongSdb = Run("sdb-dump '" + File("i.idb") + "'");
    EXPECT_EQ(wrongSdb.Code, 3);
    EXPECT_EQ(wrongSdb.Err, "\xC5\xA0patn\xC3\xBD form\xC3\xA1t souboru\n");

    Write("bad.json", R"({"Sentences": [{"AreaTypes": "forest"}]})");
    TRun badJson = Run("sdb-build '" + File("bad.json") + "' '" + File("bad.sdb") + "'");
    EXPECT_EQ(badJson.Code, 3);
    EXPECT_NE(badJson.Err.find("AreaTypes"), std::string::npos);
    EXPECT_FALSE(fs::exists(File("bad.sdb")));

    EXPECT_EQ(Run("sdb-dump").Code, 2);
    EXPECT_EQ(Run("idb-build '" + File("i.json") + "'").Code, 2);
}
