// What the command line refuses before it reads or writes: an output that is its own input
// and encodings the 8-bit text cannot travel in; and what it prints of an area's text.
#include "files/areafile.h"
#include "runcommand.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {
TCommandResult Cli(const std::vector<std::string>& args) { return RunCommand(KB_CLI_PATH, args); }
std::string Example() { return std::string(KB_SOURCE_DIR) + "/examples/forest.arf"; }
} // namespace

TEST(CliRefusals, OutputThatIsTheInputIsAUsageError)
{
    TTempDir tmp;
    const std::string area = ReadFileBytes(Example());
    const fs::path a = tmp.Path() / "a.arf";
    WriteFileBytes(a.string(), area);
    WriteFileBytes(tmp.File("x.json"), "{}");
    fs::create_directory(tmp.Path() / "sub");
    fs::create_symlink(a, tmp.Path() / "link.arf");
    const std::string viaDots = (tmp.Path() / "sub" / ".." / "." / "a.arf").string();

    const std::vector<std::vector<std::string>> refused = {
        {"text", a.string(), a.string()},
        {"text", a.string(), viaDots},
        {"text", a.string(), tmp.File("link.arf")},
#ifdef KB_HAVE_RENDER
        {"bmp", a.string(), a.string()},
        {"bmp", tmp.File("link.arf"), viaDots},
#endif
        {"build", tmp.File("x.json"), tmp.File("x.json")},
        {"sdb-build", tmp.File("x.json"), tmp.File("x.json")},
        {"idb-build", tmp.File("x.json"), (tmp.Path() / "sub" / ".." / "x.json").string()},
    };
    for (const auto& args : refused) {
        const auto run = Cli(args);
        EXPECT_EQ(run.ExitCode, 2) << args[0] << " " << args[2] << "\n" << run.Err;
        EXPECT_NE(run.Err.find("its own input"), std::string::npos) << run.Err;
        EXPECT_NE(run.Err.find(args[1]), std::string::npos) << run.Err;
        EXPECT_TRUE(run.Out.empty()) << run.Out;
    }
    EXPECT_EQ(ReadFileBytes(a.string()), area);
    EXPECT_TRUE(fs::is_symlink(tmp.Path() / "link.arf"));
    EXPECT_EQ(ReadFileBytes(tmp.File("x.json")), "{}");

    // Another file, existing or not, is written as before.
    WriteFileBytes(tmp.File("old.txt"), "old");
    for (const char* out : {"new.txt", "old.txt"}) {
        const auto run = Cli({"text", a.string(), tmp.File(out)});
        EXPECT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_NE(ReadFileBytes(tmp.File(out)).find("A quiet clearing"), std::string::npos) << out;
    }
}

TEST(CliRefusals, ExportThatWouldRemoveOrReplaceItsArea)
{
    TTempDir tmp;
    const std::string area = ReadFileBytes(Example());
    const fs::path dir = tmp.Path() / "forest";
    fs::create_directories(dir / "rooms" / "old");
    const fs::path inRooms = dir / "rooms" / "old" / "forest.arf", asHeader = dir / "forest.h";
    WriteFileBytes(inRooms.string(), area);
    WriteFileBytes(asHeader.string(), area);
    for (const fs::path& input : {inRooms, asHeader}) {
        const auto run = Cli({"export", input.string(), dir.string()});
        EXPECT_EQ(run.ExitCode, 2) << input << "\n" << run.Err;
        EXPECT_NE(run.Err.find("its own input"), std::string::npos) << run.Err;
        EXPECT_EQ(ReadFileBytes(input.string()), area) << input;
    }
    // Through a link to the folder too.
    fs::create_directory_symlink(dir, tmp.Path() / "alias");
    EXPECT_EQ(Cli({"export", inRooms.string(), (tmp.Path() / "alias").string()}).ExitCode, 2);
    EXPECT_EQ(ReadFileBytes(inRooms.string()), area);

    // A link in rooms to an area kept elsewhere loses only the link.
    fs::remove(inRooms);
    fs::remove(asHeader);
    const fs::path kept = tmp.Path() / "kept.arf";
    WriteFileBytes(kept.string(), area);
    fs::create_symlink(kept, dir / "rooms" / "kept.arf");
    const auto run = Cli({"export", (dir / "rooms" / "kept.arf").string(), dir.string()});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(ReadFileBytes(kept.string()), area);
    EXPECT_TRUE(fs::exists(dir / "rooms" / "clearing.c"));
}

TEST(CliRefusals, EncodingsThatAreNotAsciiWithEightBitsAreUsageErrors)
{
    for (const char* name : {"", "UTF-16", "UTF-16LE", "UTF-16BE", "UTF-32", "UCS-2", "EBCDIC-US"}) {
        for (const char* command : {"dump", "sdb-dump"}) {
            const auto run = Cli({command, Example(), std::string("--encoding=") + name});
            EXPECT_EQ(run.ExitCode, 2) << command << " " << name << "\n" << run.Err;
            EXPECT_TRUE(run.Out.empty()) << name;
            EXPECT_NE(run.Err.find("encoding"), std::string::npos) << run.Err;
        }
    }
    for (const char* name : {"windows-1250", "iso-8859-2", "UTF-8", "cp852"}) {
        const auto run = Cli({"dump", Example(), "--encoding", name});
        EXPECT_EQ(run.ExitCode, 0) << name << "\n" << run.Err;
        EXPECT_NE(run.Out.find("\"A quiet clearing\""), std::string::npos) << name;
    }
}

TEST(CliRefusals, AreaTextReachesTheTerminalWithoutControlCharacters)
{
    TTempDir tmp;
    TRoomList area(0, 0);
    LoadArea(Example(), area);
    // A title change, a screen clear and a forged line, around an ordinary Czech letter.
    area.RoomAt(1, 1)->Items.at(0).ID = "st\xF8\x1b]0;owned\x07\x1b[2J\nWarning: all fine\x7f";
    area.RoomAt(1, 1)->Items.at(0).Description.clear();
    SaveArea(tmp.File("evil.arf"), area);
    const auto report = Cli({"validate", tmp.File("evil.arf")});
    EXPECT_EQ(report.ExitCode, 1) << report.Err;
    EXPECT_NE(report.Out.find("Item \"st\xF8\\x1b]0;owned\\x07\\x1b[2J\\x0aWarning: all fine\\x7f\" is missing "
                              "description!\n"),
              std::string::npos)
        << report.Out;
    // Every other line is the plain report's.
    const auto plain = Cli({"validate", Example()});
    EXPECT_NE(report.Out.find(plain.Out.substr(0, plain.Out.find('\n') + 1)), std::string::npos) << report.Out;
    for (const char c : report.Out + report.Err)
        EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n') << int(c);

    // Messages naming a room's file come through the same way.
    area.RoomAt(1, 1)->FileName = "a\x1b[31m/b";
    SaveArea(tmp.File("evil2.arf"), area);
    const auto failed = Cli({"export", tmp.File("evil2.arf"), tmp.File("out")});
    EXPECT_EQ(failed.ExitCode, 3);
    EXPECT_NE(failed.Err.find("a\\x1b[31m/b"), std::string::npos) << failed.Err;
    EXPECT_EQ(failed.Err.find('\x1b'), std::string::npos) << failed.Err;
}
