#include "export/textexport.h"
#include "forestarea.h"
#include "testutil.h"

#include <gtest/gtest.h>

TEST(TextExport, OneBlockPerRoomInPositionOrder)
{
    TRoomList area(9, 9);
    TRoom& clearing = AddRoom(area, 2, 1, 1, "clearing");
    clearing.CompassLinks[dirN] = {1, -1};
    clearing.CompassLinks[dirE] = {3, 1};
    clearing.Short = "A quiet clearing";
    clearing.Items = {DescribedItem("stone", {"A huge grey stone.", "Moss covers it."}, {"rock", "boulder"}),
                      DescribedItem("key", {})};
    clearing.Descriptions = {{"Long", {"The trees open here."}}, {"Night Long", {"  Dark ", "", "here. "}}};
    AddRoom(area, 1, 3, 3, "").Exits = {{ekVisibleExit, "out", 2}};

    EXPECT_EQ(AreaText(area), CrLfText(R"(--------------
Filename: clearing
Exits: n, e
Short: A quiet clearing
stone: boulder, rock
A huge grey stone. Moss covers it.
key: 

Description: Long
The trees open here.
Description: Night Long
Dark here.

--------------
Filename: 
Exits: 
Short: 

)"));
}

TEST(TextExport, WritesTheFileAndReportsFailures)
{
    TTempDir tmp;
    ExportToText(TRoomList(1, 1), tmp.File("empty.txt"));
    EXPECT_EQ(ReadFileBytes(tmp.File("empty.txt")), "");
    auto area = MakeForestArea();
    ExportToText(*area, tmp.File("forest.txt"));
    EXPECT_EQ(ReadFileBytes(tmp.File("forest.txt")), AreaText(*area));

    const std::string missing = tmp.File("no/such/dir.txt");
    EXPECT_NE(ErrorOf([&] { ExportToText(*area, missing); }).find(missing), std::string::npos);
    // A full device: the file opens but the bytes do not fit. The device itself stays.
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_THROW(ExportToText(*area, "/dev/full"), EKbError);
        EXPECT_TRUE(std::filesystem::exists("/dev/full"));
    }
}
