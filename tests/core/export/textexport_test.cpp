#include "export/textexport.h"
#include "forestarea.h"
#include "kberror.h"
#include "testutil.h"

#include <gtest/gtest.h>

TEST(TextExport, OneBlockPerRoomInPositionOrder)
{
    TRoomList area(9, 9);
    TRoom& clearing = AddRoom(area, 2, 1, 1, "clearing");
    clearing.CompassLinks[dirN] = {1, -1};
    clearing.CompassLinks[dirE] = {3, 1};
    clearing.Short = "A quiet clearing";
    TItem stone;
    stone.ID = "stone";
    stone.Synonyms = {"rock", "boulder"};
    stone.Description = {"A huge grey stone.", "Moss covers it."};
    TItem key;
    key.ID = "key";
    clearing.Items = {stone, key};
    clearing.Descriptions = {{"Long", {"The trees open here."}}, {"Night Long", {"  Dark ", "", "here. "}}};
    TRoom& bare = AddRoom(area, 1, 3, 3, "");
    bare.Exits = {{ekVisibleExit, "out", 2}};

    EXPECT_EQ(AreaText(area), CrLf({"--------------",
                                    "Filename: clearing",
                                    "Exits: n, e",
                                    "Short: A quiet clearing",
                                    "stone: boulder, rock",
                                    "A huge grey stone. Moss covers it.",
                                    "key: ",
                                    "",
                                    "Description: Long",
                                    "The trees open here.",
                                    "Description: Night Long",
                                    "Dark here.",
                                    "",
                                    "--------------",
                                    "Filename: ",
                                    "Exits: ",
                                    "Short: ",
                                    ""}));
}

TEST(TextExport, WritesTheFileAndReportsFailures)
{
    TTempDir tmp;
    TRoomList empty(1, 1);
    ExportToText(empty, tmp.File("empty.txt"));
    EXPECT_EQ(ReadFileBytes(tmp.File("empty.txt")), "");

    auto area = MakeForestArea();
    ExportToText(*area, tmp.File("forest.txt"));
    EXPECT_EQ(ReadFileBytes(tmp.File("forest.txt")), AreaText(*area));

    try {
        ExportToText(*area, tmp.File("no/such/dir.txt"));
        FAIL() << "writing into a missing folder should fail";
    } catch (const EKbError& e) {
        EXPECT_NE(std::string(e.what()).find(tmp.File("no/such/dir.txt")), std::string::npos);
    }
    // A full device: the file opens but the bytes do not fit. The device itself stays.
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_THROW(ExportToText(*area, "/dev/full"), EKbError);
        EXPECT_TRUE(std::filesystem::exists("/dev/full"));
    }
}
