#include "export/textexport.h"
#include "files/areafile.h"
#include "normaluser.h"
#include "runcommand.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
const std::string kEpoch = "SOURCE_DATE_EPOCH=1764892800";
TCommandResult Cli(const std::vector<std::string>& args) { return RunCommand(KB_CLI_PATH, args, {kEpoch}); }
std::string Example() { return std::string(KB_SOURCE_DIR) + "/examples/forest.arf"; }
} // namespace

TEST(CliExport, SecondExportReplacesTheFirstAndKeepsTheUsersFiles)
{
    TTempDir tmp;
    const fs::path out = tmp.Path() / "forest";
    const auto first = Cli({"export", Example(), out.string()});
    ASSERT_EQ(first.ExitCode, 0) << first.Err;
    EXPECT_EQ(first.Out, "Export done.\n");
    EXPECT_EQ(DirectoryTree(out).size(), 8u); // forest.h, rooms and six room files
    WriteFileBytes((out / "notes.txt").string(), "my notes");
    WriteFileBytes((out / "rooms" / "stale.c").string(), "from an older export");

    const auto second = Cli({"export", Example(), out.string(), "--script"});
    ASSERT_EQ(second.ExitCode, 0) << second.Err;
    EXPECT_EQ(second.Out, "Export done.\n");

    // Exactly what a script export into a fresh folder gives, plus the notes.
    const fs::path fresh = tmp.Path() / "fresh" / "forest";
    fs::create_directories(fresh.parent_path());
    ASSERT_EQ(Cli({"export", Example(), fresh.string(), "--script"}).ExitCode, 0);
    auto expected = DirectoryTree(fresh);
    expected["notes.txt"] = "my notes";
    EXPECT_EQ(DirectoryTree(out), expected);
    EXPECT_NE(expected["rooms/clearing.c"].find("// end of script\r\n"), std::string::npos);
    EXPECT_NE(expected["rooms/clearing.c"].find(", 05.12.2025\r\n"), std::string::npos);
}

TEST(CliExport, UnwritableRoomsDirectoryFailsWithExitThree)
{
    TTempDir tmp;
    const fs::path out = tmp.Path() / "forest";
    fs::create_directory(out);
    WriteFileBytes((out / "rooms").string(), "a file where the folder should be");
    auto failed = Cli({"export", Example(), out.string()});
    EXPECT_EQ(failed.ExitCode, 3);
    EXPECT_NE(failed.Err.find((out / "rooms").string()), std::string::npos) << failed.Err;
    EXPECT_EQ(failed.Out.find("Export done."), std::string::npos);
    EXPECT_EQ(ReadFileBytes((out / "rooms").string()), "a file where the folder should be");
    EXPECT_FALSE(fs::exists(out / "forest.h")); // the run ends before any file

    // Permissions only hold back a user without the power to ignore them: the run is made as one.
    // The tool and the area are copied beside it: the checkout may lie where that user cannot go.
    fs::remove(out / "rooms");
    fs::create_directory(out / "rooms");
    const fs::path tool = tmp.Path() / "cli", area = tmp.Path() / "forest.arf";
    fs::copy_file(KB_CLI_PATH, tool);
    fs::copy_file(Example(), area);
    GiveToNormalUser(tmp.Path());
    const std::string seen = RunAsNormalUser([&] {
        fs::permissions(out / "rooms", fs::perms::owner_read | fs::perms::owner_exec);
        const auto run = RunCommand(tool.string(), {"export", area.string(), out.string(), "--script"}, {kEpoch});
        return std::to_string(run.ExitCode) + "\n" + run.Out + "\n" + run.Err;
    });
    EXPECT_EQ(seen.substr(0, 2), "3\n") << seen;
    EXPECT_NE(seen.find((out / "rooms" / "clearing.c").string()), std::string::npos) << seen;
    EXPECT_EQ(seen.find("Export done."), std::string::npos) << seen;

    failed = Cli({"export", Example(), "/proc/kb-no-such/forest"});
    EXPECT_EQ(failed.ExitCode, 3);
    EXPECT_NE(failed.Err.find("/proc/kb-no-such/forest"), std::string::npos) << failed.Err;
    EXPECT_TRUE(failed.Out.empty());
}

TEST(CliExport, LinkedRoomsFolderOrPipeHeaderIsRefused)
{
    TTempDir tmp;
    const fs::path out = tmp.Path() / "forest", elsewhere = tmp.Path() / "elsewhere";
    fs::create_directories(out);
    fs::create_directories(elsewhere);
    WriteFileBytes((elsewhere / "clearing.c").string(), "not the export's");
    WriteFileBytes((out / "forest.h").string(), "from the earlier export");
    fs::create_directory_symlink(elsewhere, out / "rooms");
    auto failed = Cli({"export", Example(), out.string()});
    EXPECT_EQ(failed.ExitCode, 3);
    EXPECT_NE(failed.Err.find((out / "rooms").string()), std::string::npos) << failed.Err;
    EXPECT_TRUE(failed.Out.empty());
    EXPECT_EQ(DirectoryTree(elsewhere), (std::map<std::string, std::string>{{"clearing.c", "not the export's"}}));
    EXPECT_EQ(ReadFileBytes((out / "forest.h").string()), "from the earlier export");

    fs::remove(out / "rooms");
    fs::remove(out / "forest.h");
    const TFifoWithReader fifo((out / "forest.h").string());
    failed = Cli({"export", Example(), out.string()});
    EXPECT_EQ(failed.ExitCode, 3);
    EXPECT_NE(failed.Err.find((out / "forest.h").string()), std::string::npos) << failed.Err;
    EXPECT_TRUE(failed.Out.empty());
    EXPECT_TRUE(fs::is_fifo(out / "forest.h"));
}

TEST(CliValidate, ReportLinesAndExitCode)
{
    const auto ok = Cli({"validate", Example()});
    EXPECT_EQ(ok.ExitCode, 0) << ok.Err;
    EXPECT_EQ(ok.Out, "Warning:  Room: 4 (5:1) No items defined, you should add some.\n"
                      "Warning:  Room: 3 (1:3) No items defined, you should add some.\n"
                      "Warning:  Room: 6 (7:5) No items defined, you should add some.\n");
    EXPECT_NE(ok.Err.find("3 possible problems found."), std::string::npos);

    TTempDir tmp;
    TRoomList area(3, 3);
    auto room = std::make_unique<TRoom>();
    room->Number = 1;
    room->X = room->Y = 1;
    room->FileName = "x";
    room->Exits = {{ekVisibleExit, "out", 1}};
    area.Add(std::move(room));
    SaveArea(tmp.File("bad.arf"), area);
    const auto bad = Cli({"validate", tmp.File("bad.arf")});
    EXPECT_EQ(bad.ExitCode, 1);
    EXPECT_EQ(bad.Out, "ERROR:  Room: 1 (1:1) Missing short description!\n"
                       "ERROR:  Room: 1 (1:1) Missing long description!\n"
                       "ERROR:  Room: 1 (1:1) Missing Area Type!\n"
                       "Warning:  Room: 1 (1:1) No items defined, you should add some.\n");

    EXPECT_EQ(Cli({"validate"}).ExitCode, 2);
    EXPECT_EQ(Cli({"validate", tmp.File("missing.arf")}).ExitCode, 3);
}

TEST(CliExport, Utf8OptionForExportAndValidate)
{
    TTempDir tmp;
    TRoomList area(0, 0);
    LoadArea(Example(), area);
    area.RoomAt(1, 3)->Short = "Nora pod ko\xF8" "eny";
    SaveArea(tmp.File("czech.arf"), area);
    const std::string nonAscii = "Warning:  Area: Text outside ASCII (first in room 3) is exported as 8-bit bytes, "
                                 "which current drivers reject; use the UTF-8 export option.\n";
    const auto bytes = Cli({"validate", tmp.File("czech.arf")});
    EXPECT_EQ(bytes.ExitCode, 0);
    EXPECT_NE(bytes.Out.find(nonAscii), std::string::npos) << bytes.Out;
    const auto utf8 = Cli({"validate", tmp.File("czech.arf"), "--utf8"});
    EXPECT_EQ(utf8.ExitCode, 0);
    EXPECT_EQ(utf8.Out + nonAscii, bytes.Out);

    ASSERT_EQ(Cli({"export", tmp.File("czech.arf"), tmp.File("forest"), "--script", "--utf8"}).ExitCode, 0);
    EXPECT_NE(ReadFileBytes(tmp.File("forest/rooms/burrow.c")).find("SetShort(\"Nora pod kořeny\");"),
              std::string::npos);
}

TEST(CliText, WritesThePlainTextExport)
{
    TTempDir tmp;
    const auto done = Cli({"text", Example(), tmp.File("forest.txt")});
    ASSERT_EQ(done.ExitCode, 0) << done.Err;
    TRoomList area(0, 0);
    LoadArea(Example(), area);
    const std::string text = ReadFileBytes(tmp.File("forest.txt"));
    EXPECT_EQ(text, AreaText(area));

    const auto failed = Cli({"text", Example(), tmp.File("no/dir/forest.txt")});
    EXPECT_EQ(failed.ExitCode, 3);
    EXPECT_NE(failed.Err.find(tmp.File("no/dir/forest.txt")), std::string::npos);
    EXPECT_EQ(Cli({"text", Example()}).ExitCode, 2);
    EXPECT_EQ(Cli({"export", Example()}).ExitCode, 2);
}
