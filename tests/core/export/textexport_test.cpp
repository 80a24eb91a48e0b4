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
    // A device or a pipe is not a text file: refused, and it stays what it was.
    const TFifoWithReader fifo(tmp.File("pipe.txt"));
    for (const std::string& target : {tmp.File("pipe.txt"), std::string("/dev/full")})
        EXPECT_NE(ErrorOf([&] { ExportToText(*area, target); }).find(target), std::string::npos) << target;
    EXPECT_TRUE(std::filesystem::is_fifo(tmp.File("pipe.txt")));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

TEST(TextExport, FailedWriteKeepsTheEarlierFile)
{
    TTempDir tmp;
    const std::string name = tmp.File("forest.txt");
    WriteFileBytes(name, "the earlier export");
    auto area = MakeForestArea();
    {
        // A disk that fills after 100 bytes: writes beyond fail with EFBIG instead of a signal.
        const TFileSizeLimit full(100);
        EXPECT_NE(ErrorOf([&] { ExportToText(*area, name); }).find(name), std::string::npos);
    }
    EXPECT_EQ(ReadFileBytes(name), "the earlier export");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.Path()), {}), 1); // no temp left
}
