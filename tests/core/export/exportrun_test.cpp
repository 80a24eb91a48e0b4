#include "export/exportrun.h"
#include "export/fileheader.h"
#include "files/areafile.h"
#include "forestarea.h"
#include "kberror.h"
#include "model/utf8text.h"
#include "normaluser.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
const std::string kForestHeader = CrLfText(R"(#ifndef __forest_H__
#define __forest_H__

#include <weather_types.h>

#define AREA_NAME "forest"
#define CLIMATE CLIMATE_TEMPERATE
#define CLIMATEI CLIMATE_INDOORS
#define RAIN RAIN_MEDIATE

#define MYAREA_FOR_FIE AREA_FOREST | AREA_FIELD
#define MYAREA_PAT_FOR AREA_PATH | AREA_FOREST
#define MYAREA_UND AREA_UNDERGROUND

#define DAYLIGHT_50 50
#define DAYLIGHT_20 20

#define NIGHTLIGHT_10 10
#define NIGHTLIGHT_20 20

#define AMBIENTLIGHT_0 0

#endif
)");

const std::string kBurrowFixed = CrLfText(R"(
#include "../forest.h"

//
// Area name: XXX
// Creator name: XXX
// Date: XXX
//

#include <lib.h>
inherit LIB_ROOM;

// you can add your own include or inherits here

// you can add your own variables here


protected void create() {
  room::create();
  SetAreaName(AREA_NAME);
  SetClimate(CLIMATE);
  SetRainType(RAIN);
  SetAreaType(MYAREA_UND);

  SetDayLight(DAYLIGHT_20);
  SetNightLight(NIGHTLIGHT_20);
  SetAmbientLight(AMBIENTLIGHT_0);

  SetShort("A dark burrow");
  SetLong("A dark burrow.");
  SetObviousExits("out");
  SetExits( ([
        "out": __DIR__"clearing", 
      ]) );

}

)");

const std::string kClearingScripted = CrLfText(R"(//
// Area name: XXX
// Creator name: XXX
// Date: XXX
//

#include <lib.h>
#include "../forest.h"
inherit LIB_ROOM;

// Your own variables
protected void create() {
  room::create();
  SetAreaName(AREA_NAME);
  SetClimate( CLIMATE );
  SetRainType( RAIN );
  SetAreaType(MYAREA_FOR_FIE);

  SetDayLight(DAYLIGHT_50);
  SetNightLight(NIGHTLIGHT_10);
  SetAmbientLight(AMBIENTLIGHT_0);
  SetShort("A quiet clearing");
  SetLong("The trees open onto a small clearing. "
    "In the middle lies a huge grey stone covered with moss, and a narrow "
    "path leads east.");

  SetItems( ([
     ({ "stone", "rock", "boulder" }): 
        "A huge grey stone. Someone has carved "
        "the word \"rest\" into it.", 
     "moss": "Soft green moss.", 
    ]) );
  SetSmell( ([
    ({"stone", "moss"}): 
        "It smells of moss.",
    ]) );
  SetTouch( ([
    "moss": "It is soft and damp.",
    ]) );

  SetObviousExits("e, enter hole");
  SetExits( ([
        "east": __DIR__"path", 
      ]) );
  SetEnters( ([
        "hole": __DIR__"burrow", 
      ]) );

}
// end of script
)");

std::string Read(const fs::path& p) { return ReadFileBytes(p.string()); }

std::vector<std::string> Listing(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        names.push_back(fs::relative(e.path(), dir).string());
    std::sort(names.begin(), names.end());
    return names;
}

bool InPositionOrder(const TRoomList& area)
{
    for (int i = 1; i < area.Count(); ++i)
        if (PositionLess(area[i], area[i - 1]))
            return false;
    return area.InPositionOrder();
}

// Numbers that do not follow the position order: 1 (1,1), 2 (3,1), 5 (5,1), 3 (1,3).
std::unique_ptr<TRoomList> MakeMixedArea()
{
    auto area = MakeForestArea();
    area->Width = 5;
    TRoom& extra = AddRoom(*area, 5, 5, 1, "extra");
    extra.Short = "Extra";
    return area;
}

} // namespace

TEST(ExportRun, WorkedExamplesComeOutByteForByte)
{
    // The area built in code and the example file (whose further rooms share the sets and
    // light levels of the first three) give the same header and rooms.
    TRoomList example(0, 0);
    LoadArea((SourceDir() / "examples" / "forest.arf").string(), example);
    auto built = MakeForestArea();
    for (TRoomList* area : {built.get(), &example}) {
        SCOPED_TRACE(area->Count());
        TTempDir tmp;
        const fs::path dir = tmp.Path() / "forest", scripted = tmp.Path() / "s" / "forest";
        ExportToCFiles(*area, dir.string());
        EXPECT_EQ(AfterHeaderLines(Read(dir / "forest.h")), kForestHeader);
        EXPECT_EQ(AfterHeaderLines(Read(dir / "rooms" / "burrow.c")), kBurrowFixed);
        EXPECT_EQ(Listing(dir / "rooms").size(), size_t(area->Count()));
        fs::create_directory(tmp.Path() / "s");
        ExportUsingScript(*area, scripted.string());
        EXPECT_EQ(AfterHeaderLines(Read(scripted / "rooms" / "clearing.c")), kClearingScripted);
        EXPECT_EQ(AfterHeaderLines(Read(scripted / "forest.h")), kForestHeader);
        EXPECT_FALSE(area->Modified);
    }
}

TEST(ExportRun, Utf8ExportChangesOnlyTheEncoding)
{
    auto area = MakeForestArea();
    TRoom& burrow = *area->RoomAt(1, 3);
    burrow.Short = "\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2 \xFAp\xECl \xEF\xE1" "belsk\xE9 \xF3" "dy";
    burrow.FileName = "h\xF8" "bitov";
    TRoom& clearing = *area->RoomAt(1, 1);
    clearing.Items.at(0).Listen = {"\x8A\xE1lek \x80"};
    TTempDir tmp;
    fs::create_directories(tmp.Path() / "u");
    const fs::path bytes = tmp.Path() / "forest", utf8 = tmp.Path() / "u" / "forest";
    for (const bool script : {false, true}) {
        SCOPED_TRACE(script);
        (script ? ExportUsingScript : ExportToCFiles)(*area, bytes.string(), TExportEncoding::CodePage);
        (script ? ExportUsingScript : ExportToCFiles)(*area, utf8.string(), TExportEncoding::Utf8);
        // The 8-bit export decoded, names and contents, is the UTF-8 export exactly.
        std::map<std::string, std::string> decoded;
        for (const auto& [name, content] : DirectoryTree(bytes))
            decoded[Cp1250ToUtf8(name)] = content == "<dir>" ? content : Cp1250ToUtf8(content);
        const auto written = DirectoryTree(utf8);
        EXPECT_EQ(written, decoded);
        const std::string room = written.at("rooms/hřbitov.c");
        EXPECT_NE(room.find("SetShort(\"Žluťoučký kůň úpěl ďábelské ódy\");"), std::string::npos);
        EXPECT_NE(written.at("rooms/clearing.c").find("\"Šálek €\""), std::string::npos);
        EXPECT_NE(written.at("rooms/clearing.c").find("__DIR__\"hřbitov\""), std::string::npos);
        fs::remove_all(bytes);
        fs::remove_all(utf8);
    }
    // A folder named in Czech names the area in the UTF-8 files as it is.
    const fs::path valley = tmp.Path() / "údolí";
    ExportToCFiles(*area, valley.string(), TExportEncoding::Utf8);
    EXPECT_NE(Read(valley / "údolí.h").find("#define AREA_NAME \"údolí\"\r\n"), std::string::npos);
    EXPECT_NE(Read(valley / "rooms" / "hřbitov.c").find("#include \"../údolí.h\"\r\n"), std::string::npos);
}

TEST(ExportRun, HeaderLinesCarryTheVersionAndTheDate)
{
    EXPECT_EQ(FormatExportDate(0, true), "01.01.1970");
    EXPECT_EQ(FormatExportDate(1764892800, true), "05.12.2025");
    TTempDir tmp;
    setenv("SOURCE_DATE_EPOCH", "1780000000", 1); // 28.05.2026, 20:26 UTC
    ExportToCFiles(*MakeForestArea(), tmp.File("forest"));
    const std::string expected = CrLf({"// This file was generated by Kesterbrandor v. 1.02",
                                       "// Kesterbrandor area editor, 28.05.2026"});
    for (const char* f : {"forest.h", "rooms/path.c"})
        EXPECT_EQ(Read(tmp.Path() / "forest" / f).substr(0, expected.size()), expected) << f;
    setenv("SOURCE_DATE_EPOCH", "yesterday", 1);
    EXPECT_EQ(CurrentExportDate(), FormatExportDate(std::time(nullptr), false));
    unsetenv("SOURCE_DATE_EPOCH");
}

TEST(ExportRun, AreaWithoutRoomsAndTheScriptHeaderRule)
{
    TTempDir tmp;
    TRoomList empty(1, 1);
    ExportToCFiles(empty, tmp.File("void"));
    EXPECT_EQ(AfterHeaderLines(Read(tmp.Path() / "void" / "void.h")),
              CrLf({"#ifndef __void_H__", "#define __void_H__", "", "#include <weather_types.h>", "",
                    "#define AREA_NAME \"void\"", "#define CLIMATE CLIMATE_TEMPERATE",
                    "#define CLIMATEI CLIMATE_INDOORS", "#define RAIN RAIN_MEDIATE", "", "", "", "", "", "#endif"}));
    EXPECT_TRUE(fs::is_empty(tmp.Path() / "void" / "rooms"));

    ExportUsingScript(empty, tmp.File("script"));
    EXPECT_TRUE(fs::exists(tmp.Path() / "script" / "script.h"));

    // Only the area's template decides; a room's own include line does not.
    auto area = MakeForestArea();
    area->ScriptTemplate = {"// $_INCLUDE_H_$", "$_SHORT_$"};
    TRoom& clearing = *area->RoomAt(1, 1);
    clearing.Script = {"$_INCLUDE_H_$"};
    clearing.ScriptEnabled = true;
    ExportUsingScript(*area, tmp.File("noheader"));
    const fs::path dir = tmp.Path() / "noheader";
    EXPECT_EQ(Listing(dir), (std::vector<std::string>{"rooms", "rooms/burrow.c", "rooms/clearing.c", "rooms/path.c"}));
    EXPECT_EQ(AfterHeaderLines(Read(dir / "rooms" / "clearing.c")), CrLf({"#include \"../noheader.h\""}));
    EXPECT_EQ(AfterHeaderLines(Read(dir / "rooms" / "path.c")),
              CrLf({"// $_INCLUDE_H_$", "  SetShort(\"A narrow path\");"}));
}

TEST(ExportRun, RoomFileNames)
{
    TTempDir tmp;
    TRoomList area(9, 1);
    AddRoom(area, 1, 1, 1, "").Short = "nameless";
    AddRoom(area, 2, 3, 1, "hut.old").Short = "old hut";
    // Same file name: the higher number is written later and wins, wherever it stands.
    AddRoom(area, 4, 5, 1, "twin").Short = "second twin";
    AddRoom(area, 3, 7, 1, "twin").Short = "first twin";
    ExportToCFiles(area, tmp.File("a"));
    const fs::path rooms = tmp.Path() / "a" / "rooms";
    EXPECT_EQ(Listing(rooms), (std::vector<std::string>{".c", "hut.old", "twin.c"}));
    EXPECT_NE(Read(rooms / ".c").find("SetShort(\"nameless\")"), std::string::npos);
    EXPECT_NE(Read(rooms / "twin.c").find("SetShort(\"second twin\")"), std::string::npos);
}

TEST(ExportRun, SuggestedOutputDirectory)
{
    const struct {
        const char* FileName;
        const char* Suggested;
    } cases[] = {
        {"Noname.arf", "Noname"},
        {"/home/areas/forest.arf", "/home/areas/forest"},
        {"/home/areas/forest.old.arf", "/home/areas/forest"},
        {"/home/j.doe/areas.v2/forest.arf", "/home/j.doe/areas.v2/forest"},
        {"/home/j.doe/forest", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SuggestedOutputDirectory(c.FileName), c.Suggested) << c.FileName;
}

TEST(ExportRun, FailureStopsTheRunKeepsFinishedFilesAndRestoresTheOrder)
{
    TTempDir tmp;
    const fs::path dir = tmp.Path() / "forest";
    auto area = MakeMixedArea();
    fs::create_directories(dir / "rooms" / "burrow.c"); // room 3 cannot be written
    area->SortByNumber();
    const std::string message = ErrorOf([&] { ExportToCFiles(*area, dir.string()); });
    EXPECT_NE(message.find((dir / "rooms" / "burrow.c").string()), std::string::npos) << message;
    EXPECT_NE(message.find("directory"), std::string::npos) << message; // the cause
    EXPECT_TRUE(InPositionOrder(*area));
    // Header and rooms 1 and 2 were done; room 5 comes after the failing one.
    EXPECT_EQ(Listing(dir), (std::vector<std::string>{"forest.h", "rooms", "rooms/burrow.c", "rooms/clearing.c",
                                                      "rooms/path.c"}));

    area->SortByNumber();
    ExportUsingScript(*area, (tmp.Path() / "other").string());
    EXPECT_TRUE(InPositionOrder(*area));
    EXPECT_TRUE(fs::exists(tmp.Path() / "other" / "rooms" / "extra.c"));
}

TEST(ExportRun, DirectoriesThatCannotBeMadeEndTheRunBeforeAnyFile)
{
    // A rooms path that is a file is the CLI test's case; here the parent is missing.
    TTempDir tmp;
    auto area = MakeForestArea();
    area->SortByNumber();
    EXPECT_THROW(ExportUsingScript(*area, tmp.File("missing/forest")), EKbError);
    EXPECT_FALSE(fs::exists(tmp.Path() / "missing"));
    EXPECT_TRUE(InPositionOrder(*area));
}

TEST(ExportRun, RoomNamesCannotLeaveTheRoomsDirectory)
{
    TTempDir tmp;
    auto area = MakeForestArea();
    area->RoomAt(3, 1)->FileName = "../../escaped";
    EXPECT_THROW(ExportToCFiles(*area, tmp.File("forest")), EKbError);
    EXPECT_FALSE(fs::exists(tmp.Path() / "escaped.c"));
    EXPECT_FALSE(fs::exists(tmp.Path() / "escaped"));
}

TEST(PrepareOutputDirectory, RemovesOnlyWhatAnExportWrites)
{
    TTempDir tmp;
    const fs::path dir = tmp.Path() / "forest";
    const fs::path outside = tmp.Path() / "outside";
    fs::create_directories(dir / "rooms" / "sub");
    fs::create_directories(dir / "keep");
    fs::create_directories(outside);
    WriteFileBytes((outside / "precious.c").string(), "x");
    for (const char* f : {"forest.h", "notes.txt", "keep/a.c", "other.h", "rooms/old.c", "rooms/sub/deep.c"})
        WriteFileBytes((dir / f).string(), "some bytes");
    fs::create_directory_symlink(outside, dir / "rooms" / "link");
    fs::create_directory_symlink(outside, dir / "rooms" / "sub" / "link");

    PrepareOutputDirectory(dir.string());
    EXPECT_EQ(Listing(dir), (std::vector<std::string>{"keep", "keep/a.c", "notes.txt", "other.h", "rooms"}));
    EXPECT_EQ(Listing(outside), (std::vector<std::string>{"precious.c"}));

    // A link named rooms is neither followed nor removed; the run will refuse it, so the
    // header of the earlier export stays too.
    fs::remove(dir / "rooms");
    fs::create_directory_symlink(outside, dir / "rooms");
    WriteFileBytes((dir / "forest.h").string(), "earlier header");
    PrepareOutputDirectory(dir.string());
    EXPECT_EQ(Listing(outside), (std::vector<std::string>{"precious.c"}));
    EXPECT_TRUE(fs::is_symlink(dir / "rooms"));
    EXPECT_EQ(Read(dir / "forest.h"), "earlier header");
    fs::remove(dir / "forest.h");

    // A link in place of the header goes as a link; its target stays.
    fs::remove(dir / "rooms");
    fs::create_symlink(outside / "precious.c", dir / "forest.h");
    PrepareOutputDirectory(dir.string());
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "forest.h")));
    EXPECT_EQ(Read(outside / "precious.c"), "x");
}

TEST(PrepareOutputDirectory, RoomsSwappedForALinkDuringTheRunsLeadsNowhere)
{
    // Another process trades the rooms folder for a link to someone else's sources and back,
    // as fast as it can, while exports clear and fill the folder again and again.
    TTempDir tmp;
    const fs::path dir = tmp.Path() / "forest", victim = tmp.Path() / "victim";
    fs::create_directories(dir / "rooms");
    fs::create_directories(victim / "sub");
    for (const char* f : {"clearing.c", "path.c", "burrow.c", "a.c", "b.c", "c.c", "sub/d.c"})
        WriteFileBytes((victim / f).string(), std::string("precious ") + f);
    const auto victimBefore = DirectoryTree(victim);
    const fs::path rooms = dir / "rooms", swap = dir / "swap";
    fs::create_directory_symlink(victim, swap);

    std::atomic<bool> stop = false;
    std::atomic<long> swaps = 0;
    std::thread swapper([&] {
        while (!stop)
            if (::renameat2(AT_FDCWD, rooms.c_str(), AT_FDCWD, swap.c_str(), RENAME_EXCHANGE) == 0)
                ++swaps;
    });
    auto area = MakeForestArea();
    int finished = 0;
    for (int run = 0; run < 1000; ++run) {
        PrepareOutputDirectory(dir.string());
        try {
            ExportToCFiles(*area, dir.string());
            ++finished;
        } catch (const EKbError&) {
            // A run that meets the link refuses it; that is what it should do.
        }
    }
    stop = true;
    swapper.join();
    EXPECT_GT(swaps.load(), 0);
    EXPECT_GT(finished, 0);
    EXPECT_EQ(DirectoryTree(victim), victimBefore);
}

TEST(ExportRun, FilesAreNeverWrittenThroughLinks)
{
    TTempDir tmp;
    const fs::path dir = tmp.Path() / "forest", outside = tmp.Path() / "outside";
    fs::create_directories(dir / "rooms");
    fs::create_directories(outside);
    WriteFileBytes((outside / "a.c").string(), "precious");
    // Links left where the export writes (an earlier clearing would have removed them).
    fs::create_symlink(outside / "a.c", dir / "forest.h");
    fs::create_symlink(outside / "a.c", dir / "rooms" / "clearing.c");
    fs::create_symlink(outside / "b.c", dir / "rooms" / "path.c"); // dangling: would create b.c
    auto area = MakeForestArea();
    ExportToCFiles(*area, dir.string());
    EXPECT_EQ(Listing(outside), (std::vector<std::string>{"a.c"}));
    EXPECT_EQ(Read(outside / "a.c"), "precious");
    for (const fs::path& written : {dir / "forest.h", dir / "rooms" / "clearing.c", dir / "rooms" / "path.c"})
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(written))) << written;

    // A link that cannot be removed stops the run; permissions hold back only a normal user,
    // so the run is made as one.
    fs::create_symlink(outside / "a.c", dir / "rooms" / "link.c");
    area->RoomAt(1, 1)->FileName = "link";
    GiveToNormalUser(tmp.Path());
    const std::string message = RunAsNormalUser([&] {
        fs::permissions(dir / "rooms", fs::perms::owner_read | fs::perms::owner_exec);
        return ErrorOf([&] { ExportUsingScript(*area, dir.string()); });
    });
    EXPECT_NE(message.find((dir / "rooms" / "link.c").string()), std::string::npos) << message;
    EXPECT_TRUE(fs::is_symlink(dir / "rooms" / "link.c"));
    EXPECT_EQ(Read(outside / "a.c"), "precious");
}
