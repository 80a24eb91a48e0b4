#include "cli/areajson.h"
#include "files/areafile.h"
#include "files/zstream.h"
#include "runcommand.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {
TCommandResult Cli(const std::vector<std::string>& args) { return RunCommand(KB_CLI_PATH, args); }
std::string Example() { return std::string(KB_SOURCE_DIR) + "/examples/forest.arf"; }
} // namespace

TEST(CliArea, DumpThenBuildGivesTheSameFile)
{
    TTempDir dir;
    const auto dump = Cli({"dump", Example()});
    ASSERT_EQ(dump.ExitCode, 0) << dump.Err;
    EXPECT_NE(dump.Out.find("\"Version\": 15"), std::string::npos);
    EXPECT_NE(dump.Out.find("\"Short\": \"A quiet clearing\""), std::string::npos);
    WriteFileBytes(dir.File("forest.json"), dump.Out);
    const auto build = Cli({"build", dir.File("forest.json"), dir.File("copy.arf")});
    ASSERT_EQ(build.ExitCode, 0) << build.Err;
    EXPECT_EQ(InflateBytes(ReadFileBytes(dir.File("copy.arf"))).Data, InflateBytes(ReadFileBytes(Example())).Data);
}

TEST(CliArea, EncodingTurnsTextIntoUtf8AndBack)
{
    TTempDir dir;
    TRoomList area(3, 3);
    auto room = std::make_unique<TRoom>();
    room->X = room->Y = 1;
    room->Short = "\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2"; // "Žluťoučký kůň" in windows-1250
    room->FileName = std::string("\x81", 1); // a byte windows-1250 leaves undefined
    area.Add(std::move(room));
    SaveArea(dir.File("cz.arf"), area);

    const auto dump = Cli({"dump", dir.File("cz.arf")});
    ASSERT_EQ(dump.ExitCode, 0) << dump.Err;
    EXPECT_NE(dump.Out.find("\xC5\xBDlu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88"), std::string::npos);
    WriteFileBytes(dir.File("cz.json"), dump.Out);
    ASSERT_EQ(Cli({"build", dir.File("cz.json"), dir.File("back.arf")}).ExitCode, 0);
    TRoomList back(1, 1);
    LoadArea(dir.File("back.arf"), back);
    EXPECT_EQ(back[0].Short, "\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2");
    EXPECT_EQ(back[0].FileName, "\x81");

    // Another code page reads the same bytes differently.
    const auto latin = Cli({"dump", dir.File("cz.arf"), "--encoding", "iso-8859-1"});
    ASSERT_EQ(latin.ExitCode, 0);
    EXPECT_NE(latin.Out.find("lu\xC2\x9Dou\xC3\xA8k"), std::string::npos);
    EXPECT_EQ(Cli({"dump", dir.File("cz.arf"), "--encoding", "no-such-code"}).ExitCode, 2);
}

TEST(CliArea, BuildTakesDefaultsForMissingKeysAndRejectsBadJson)
{
    TTempDir dir;
    WriteFileBytes(dir.File("min.json"), R"({"Width": 5, "Rooms": [{"X": 1, "Y": 1, "Short": "only"}]})");
    ASSERT_EQ(Cli({"build", dir.File("min.json"), dir.File("min.arf")}).ExitCode, 0);
    TRoomList area(1, 1);
    LoadArea(dir.File("min.arf"), area);
    EXPECT_EQ(area.Width, 5);
    EXPECT_EQ(area.Height, 0);
    EXPECT_EQ(area.FilePrefix, "Noname");
    EXPECT_EQ(area.WrapOther, 75);
    ASSERT_EQ(area.Count(), 1);
    EXPECT_EQ(area[0].Short, "only");
    EXPECT_EQ(area[0].Number, 1); // an unnumbered room gets a number when loaded
    EXPECT_EQ(area.DefaultRooms.Count(), 10);

    WriteFileBytes(dir.File("bad.json"), "{\"Width\": ");
    const auto bad = Cli({"build", dir.File("bad.json"), dir.File("bad.arf")});
    EXPECT_EQ(bad.ExitCode, 3);
    EXPECT_FALSE(bad.Err.empty());
    WriteFileBytes(dir.File("type.json"), R"({"Rooms": [{"X": "one"}]})");
    EXPECT_EQ(Cli({"build", dir.File("type.json"), dir.File("t.arf")}).ExitCode, 3);
}

TEST(CliArea, NumbersBeyondTheirRangeAreRefusedByName)
{
    const std::pair<const char*, const char*> cases[] = {
        {R"({"Width": 18446744073709551606})", "Width"}, // would wrap to -10
        {R"({"Height": 2147483648})", "Height"},
        {R"({"LastNumber": -2147483649})", "LastNumber"},
        {R"({"Rooms": [{"X": 1, "Y": 1, "CompassLinks": [[4294967297, 1], [0, 0], [0, 0], [0, 0], [0, 0], [0, 0],
            [0, 0], [0, 0]]}]})", "CompassLinks"},
        {R"({"Colors": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9223372036854775808]})", "Colors"},
        {R"({"Rooms": [{"AreaTypes": 4294967296}]})", "AreaTypes"},
    };
    TTempDir dir;
    for (const auto& [json, field] : cases) {
        WriteFileBytes(dir.File("big.json"), json);
        const auto run = Cli({"build", dir.File("big.json"), dir.File("big.arf")});
        EXPECT_EQ(run.ExitCode, 3) << json;
        EXPECT_NE(run.Err.find(std::string("\"") + field + "\" is out of range"), std::string::npos) << run.Err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("big.arf"))) << json;
    }
    // The edges of the range still build.
    WriteFileBytes(dir.File("edge.json"), R"({"Width": 65535, "LastNumber": -2147483648})");
    ASSERT_EQ(Cli({"build", dir.File("edge.json"), dir.File("edge.arf")}).ExitCode, 0);
}

TEST(CliArea, OutputToAFullDiskFails)
{
    TTempDir dir;
    WriteFileBytes(dir.File("s.json"), R"({"Sentences": [{"Sentence": "Only text."}]})");
    WriteFileBytes(dir.File("i.json"), "{}");
    ASSERT_EQ(Cli({"sdb-build", dir.File("s.json"), dir.File("s.sdb")}).ExitCode, 0);
    ASSERT_EQ(Cli({"idb-build", dir.File("i.json"), dir.File("i.idb")}).ExitCode, 0);
    const std::vector<std::string> commands[] = {
        {"dump", Example()}, {"sdb-dump", dir.File("s.sdb")}, {"idb-dump", dir.File("i.idb")}, {"--help"}};
    for (const auto& args : commands) {
        const auto run = RunCommand(KB_CLI_PATH, args, {}, "/dev/full");
        EXPECT_EQ(run.ExitCode, 3) << args[0];
        EXPECT_NE(run.Err.find(std::string("standard output. ") + std::strerror(ENOSPC)), std::string::npos) << run.Err;
    }
}

TEST(CliArea, ExitCodesForUsageAndUnreadableFiles)
{
    EXPECT_EQ(Cli({}).ExitCode, 2);
    EXPECT_EQ(Cli({"frobnicate"}).ExitCode, 2);
    EXPECT_EQ(Cli({"dump"}).ExitCode, 2);
    EXPECT_EQ(Cli({"dump", "a", "b"}).ExitCode, 2);
    const auto missing = Cli({"dump", "/nonexistent/x.arf"});
    EXPECT_EQ(missing.ExitCode, 3);
    EXPECT_NE(missing.Err.find("/nonexistent/x.arf"), std::string::npos);
    TTempDir dir;
    WriteFileBytes(dir.File("junk.arf"), "junk");
    const auto junk = Cli({"dump", dir.File("junk.arf")});
    EXPECT_EQ(junk.ExitCode, 3);
    EXPECT_NE(junk.Err.find("\xC5\xA0patn\xC3\xBD form\xC3\xA1t souboru"), std::string::npos);
    const auto help = Cli({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    // Every command comes with an example.
    const std::string examples = help.Out.substr(std::min(help.Out.find("examples:"), help.Out.size()));
    for (const char* command : {"dump", "build", "export", "validate", "text", "sdb-dump", "idb-dump", "sdb-build",
                                "idb-build"})
        EXPECT_NE(examples.find(std::string("\n  kesterbrandor-cli ") + command + " "), std::string::npos) << command;
#ifdef KB_HAVE_RENDER
    EXPECT_NE(help.Out.find("  bmp "), std::string::npos);
    EXPECT_NE(examples.find("\n  kesterbrandor-cli bmp "), std::string::npos);
#else
    EXPECT_EQ(help.Out.find("bmp"), std::string::npos);
#endif
}

TEST(CliArea, UnknownOrMisplacedOptionsAreUsageErrors)
{
    const std::vector<std::string> usage[] = {
        {"dump", Example(), "--bogus-flag"},  {"validate", Example(), "--encoding", "windows-1250"},
        {"dump", Example(), "--zoom", "100"}, {"export", Example(), "/tmp/x", "--script=yes"},
        {"dump", Example(), "--encoding"},    {"dump", Example(), "--encoding=no-such-code"},
    };
    for (const auto& args : usage) {
        const auto run = Cli(args);
        EXPECT_EQ(run.ExitCode, 2) << args.back();
        EXPECT_TRUE(run.Out.empty()) << args.back();
        EXPECT_NE(run.Err.find("usage:"), std::string::npos) << run.Err;
    }
    EXPECT_EQ(Cli({"dump", Example(), "--encoding=iso-8859-2"}).ExitCode, 0);
}

TEST(CliArea, BuildRefusesAreasItsLoaderWouldNotLoadAsBuilt)
{
    TTempDir dir;
    const std::pair<const char*, const char*> refused[] = {
        // New rooms are numbered on from LastNumber, as loading numbers them.
        {R"({"LastNumber": 2147483647, "Rooms": [{"X": 1, "Y": 1}]})", "numbered past 2147483647"},
        {R"({"LastNumber": 4, "Rooms": [{"Number": 5, "X": 1, "Y": 1}]})", "above the area's LastNumber 4"},
        {R"({"LastNumber": 9, "Rooms": [{"Number": 7, "X": 3, "Y": 1}, {"Number": 7, "X": 1, "Y": 2}]})",
         "The rooms at (3:1) and (1:2) have the same number 7."},
        {R"({"Width": 65536})", "65535 cells a side"},
        {R"({"Height": 2147483647})", "65535 cells a side"},
    };
    for (const auto& [json, message] : refused) {
        WriteFileBytes(dir.File("in.json"), json);
        const auto run = Cli({"build", dir.File("in.json"), dir.File("out.arf")});
        EXPECT_EQ(run.ExitCode, 3) << json;
        EXPECT_NE(run.Err.find(message), std::string::npos) << run.Err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.arf"))) << json;
    }

    // What is accepted loads as built: unnumbered rooms take the numbers loading would give.
    WriteFileBytes(dir.File("ok.json"), R"({"Width": 65535, "Height": 65535, "LastNumber": 2147483645,
        "Rooms": [{"X": 5, "Y": 2}, {"Number": -3, "X": 1, "Y": 1}, {"X": 2, "Y": 1}]})");
    ASSERT_EQ(Cli({"build", dir.File("ok.json"), dir.File("ok.arf")}).ExitCode, 0);
    TRoomList area(0, 0);
    LoadArea(dir.File("ok.arf"), area);
    ASSERT_EQ(area.Count(), 3);
    EXPECT_EQ(area[0].Number, -3);
    EXPECT_EQ(area[1].Number, 2147483646);
    EXPECT_EQ(area[2].Number, 2147483647);
    EXPECT_EQ(area.LastNumber, 2147483647);

    // Without LastNumber the given numbers are kept and new rooms follow the largest.
    WriteFileBytes(dir.File("plain.json"), R"({"Rooms": [{"Number": 8, "X": 1, "Y": 1}, {"X": 3, "Y": 1}]})");
    ASSERT_EQ(Cli({"build", dir.File("plain.json"), dir.File("plain.arf")}).ExitCode, 0);
    TRoomList plain(0, 0);
    LoadArea(dir.File("plain.arf"), plain);
    ASSERT_EQ(plain.Count(), 2);
    EXPECT_EQ(plain[0].Number, 8);
    EXPECT_EQ(plain[1].Number, 9);
    EXPECT_EQ(plain.LastNumber, 9);
}

TEST(CliArea, BuildReadsTheJsonAsAParsedDocumentWould)
{
    TTempDir dir;
    // The last value of a key counts, the room lists included.
    WriteFileBytes(dir.File("twice.json"), R"({"Rooms": [{"X": 1, "Y": 1}], "Width": 3, "Rooms": [{"X": 2, "Y": 2,
        "Descriptions": [{"Name": "Long", "Text": ["Kept."]}, {"Name": "Empty", "Text": []}]}],
        "Width": 4, "DefaultRooms": [{"Short": "first"}], "DefaultRooms": [{"Short": "second"}]})");
    ASSERT_EQ(Cli({"build", dir.File("twice.json"), dir.File("twice.arf")}).ExitCode, 0);
    TRoomList area(0, 0);
    LoadArea(dir.File("twice.arf"), area);
    EXPECT_EQ(area.Width, 4);
    ASSERT_EQ(area.Count(), 1);
    EXPECT_EQ(area[0].X, 2);
    EXPECT_EQ(area[0].Descriptions, (std::vector<TRoomDescription>{{"Long", {"Kept."}}}));
    EXPECT_EQ(area.DefaultRooms[0].Short, "second");
    EXPECT_EQ(area.DefaultRooms.Count(), 10);

    // A document that is not well-formed is reported as such, even after a wrong room;
    // a wrong area field before a wrong room; errors name their key.
    const std::pair<const char*, const char*> refused[] = {
        {R"({"Rooms": [{"X": "one"}, {"X": 2}], )", "parse error"},
        {R"({"Rooms": [{"X": "one"}], "Width": "wide"})", "\"Width\" must be an integer"},
        {R"({"Rooms": [{"Y": 1}, {"X": "one"}, {"Short": 5}]})", "\"X\" must be an integer"},
        {R"({"Rooms": 5})", "\"Rooms\" must be an array"},
        {R"({"Rooms": [{"X": 1}], "Rooms": {}})", "\"Rooms\" must be an array"},
        {R"({"Rooms": [7]})", "a room must be an object"},
        {R"({"DefaultRooms": [{"Exits": [{"Kind": 256}]}]})", "\"Kind\" is out of range"},
        {R"([{"Rooms": []}])", "the area must be an object"},
        {R"({"Rooms": [{"X": 1}]} {})", "parse error"},
    };
    for (const auto& [json, message] : refused) {
        WriteFileBytes(dir.File("in.json"), json);
        const auto run = Cli({"build", dir.File("in.json"), dir.File("out.arf")});
        EXPECT_EQ(run.ExitCode, 3) << json;
        EXPECT_NE(run.Err.find(message), std::string::npos) << json << ": " << run.Err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.arf"))) << json;
    }
}

TEST(CliArea, DumpWrittenRoomByRoomIsTheWholeDocument)
{
    TTempDir dir;
    const TTextCodec codec("windows-1250");
    const auto expected = [&](const std::string& file) {
        TRoomList area(0, 0);
        const int version = LoadArea(file, area);
        return AreaToJson(area, version, codec).dump(2) + "\n";
    };
    EXPECT_EQ(Cli({"dump", Example()}).Out, expected(Example()));

    // Rooms stored out of position order, with line breaks and quotes in their texts; no rooms.
    TRoomList area(9, 9);
    area.AutoSort = false;
    for (const auto& [x, y] : {std::pair{3, 2}, {1, 1}, {2, 2}, {1, 2}}) {
        auto room = std::make_unique<TRoom>();
        room->Number = x * 10 + y;
        room->X = x;
        room->Y = y;
        room->Short = "Say \"hi\"\r\n\tthere";
        room->Descriptions = {{"Long", {"One", "", "Two"}}};
        area.Add(std::move(room));
    }
    area.LastNumber = 40;
    SaveArea(dir.File("unordered.arf"), area);
    TRoomList empty(0, 0);
    SaveArea(dir.File("empty.arf"), empty);
    area.AutoSort = true;
    area.SortByPosition();
    SaveArea(dir.File("ordered.arf"), area);
    for (const char* name : {"unordered.arf", "empty.arf", "ordered.arf"}) {
        const auto dump = Cli({"dump", dir.File(name)});
        ASSERT_EQ(dump.ExitCode, 0) << dump.Err;
        EXPECT_EQ(dump.Out, expected(dir.File(name))) << name;
    }

    // A damaged file writes nothing at all.
    std::string cut = ReadFileBytes(dir.File("ordered.arf"));
    cut.resize(cut.size() - 12);
    WriteFileBytes(dir.File("cut.arf"), cut);
    const auto damaged = Cli({"dump", dir.File("cut.arf")});
    EXPECT_EQ(damaged.ExitCode, 3);
    EXPECT_EQ(damaged.Out, "");
}
