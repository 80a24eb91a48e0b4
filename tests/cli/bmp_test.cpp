// kesterbrandor-cli bmp: the map picture of an area file, run as a user would run it.
#include "runcommand.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>

namespace {
TCommandResult Cli(const std::vector<std::string>& args) { return RunCommand(KB_CLI_PATH, args); }
std::string Forest() { return std::string(KB_SOURCE_DIR) + "/examples/forest.arf"; }

int Le32(const std::string& b, size_t at)
{
    return int(uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
               uint32_t(uint8_t(b[at + 3])) << 24);
}
} // namespace

TEST(CliBmp, WritesFourOrEightBitPictureAtTheChosenZoom)
{
    // The forest area is 7 x 5 cells.
    struct Case {
        std::vector<std::string> options;
        int width, height, bits;
    };
    const Case cases[] = {{{}, 160, 120, 4},
                          {{"--zoom", "150", "--depth", "8"}, 230, 170, 8},
                          {{"--zoom=25", "--depth=4", "--no-grid", "--no-centers", "--no-fill"}, 55, 45, 4},
                          {{"--no-grid"}, 160, 120, 4}};
    TTempDir dir;
    std::vector<std::string> pictures;
    for (const Case& c : cases) {
        std::vector<std::string> args = {"bmp", Forest(), dir.File("forest.bmp")};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const auto run = Cli(args);
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        const std::string b = pictures.emplace_back(ReadFileBytes(dir.File("forest.bmp")));
        ASSERT_GT(b.size(), 54u);
        EXPECT_EQ(b.substr(0, 2), "BM");
        EXPECT_EQ(Le32(b, 18), c.width);
        EXPECT_EQ(Le32(b, 22), c.height);
        EXPECT_EQ(uint8_t(b[28]), c.bits);
    }
    // A view switch changes the picture, not its size; the same run gives the same bytes.
    EXPECT_NE(pictures[3], pictures[0]);
    ASSERT_EQ(Cli({"bmp", Forest(), dir.File("again.bmp"), "--no-grid"}).ExitCode, 0);
    EXPECT_EQ(ReadFileBytes(dir.File("again.bmp")), pictures[3]);
}

TEST(CliBmp, PngNameWritesAPngOfTheSamePixels)
{
    TTempDir dir;
    for (const std::string depth : {"4", "8"}) {
        ASSERT_EQ(Cli({"bmp", Forest(), dir.File("map.bmp"), "--depth", depth, "--zoom", "150"}).ExitCode, 0);
        const auto run = Cli({"bmp", Forest(), dir.File("map.PNG"), "--depth", depth, "--zoom", "150"});
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_EQ(ReadFileBytes(dir.File("map.PNG")).substr(0, 8), "\x89PNG\r\n\x1A\n");
        const QImage bmp(QString::fromStdString(dir.File("map.bmp")), "BMP");
        const QImage png(QString::fromStdString(dir.File("map.PNG")), "PNG");
        ASSERT_FALSE(bmp.isNull());
        EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), bmp.convertToFormat(QImage::Format_RGB32)) << depth;
    }
}

TEST(CliBmp, WrongUsageAndFileErrors)
{
    TTempDir dir;
    const std::string out = dir.File("x.bmp");
    const std::vector<std::string> usage[] = {
        {"bmp", Forest(), out, "--zoom", "120"}, {"bmp", Forest(), out, "--depth", "24"}, {"bmp", Forest()}};
    for (const auto& args : usage)
        EXPECT_EQ(Cli(args).ExitCode, 2) << args.back();
    EXPECT_FALSE(std::filesystem::exists(out));
    // A missing area and an unwritable picture are named in the message.
    for (const auto& [area, picture, named] : {std::tuple{dir.File("none.arf"), out, std::string("none.arf")},
                                                std::tuple{Forest(), dir.File("no/folder/x.bmp"), dir.File("no/folder/x.bmp")}}) {
        const auto run = Cli({"bmp", area, picture});
        EXPECT_EQ(run.ExitCode, 3);
        EXPECT_NE(run.Err.find(named), std::string::npos) << run.Err;
    }
}

TEST(CliBmp, LargePictureStepsDownLikeTheEditor)
{
    // 100 x 100 rooms: too large above 100%, so 400% ends at 100% (4,000 x 4,000 pixels).
    TTempDir dir;
    WriteFileBytes(dir.File("big.json"), R"({"Width": 199, "Height": 199})");
    ASSERT_EQ(Cli({"build", dir.File("big.json"), dir.File("big.arf")}).ExitCode, 0);
    const auto run = Cli({"bmp", dir.File("big.arf"), dir.File("big.bmp"), "--zoom", "400"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_NE(run.Err.find("100%"), std::string::npos) << run.Err;
    const std::string b = ReadFileBytes(dir.File("big.bmp"));
    ASSERT_GT(b.size(), 54u);
    EXPECT_EQ(Le32(b, 18), 4000);
    EXPECT_EQ(Le32(b, 22), 4000);
}

TEST(CliBmp, HugeGridStepsDownAndNamesItsTrueSize)
{
    // The largest grid a file may hold: its pixel counts overflow 32 bits at every zoom.
    TTempDir dir;
    WriteFileBytes(dir.File("huge.json"), R"({"Width": 65535, "Height": 65535})");
    ASSERT_EQ(Cli({"build", dir.File("huge.json"), dir.File("huge.arf")}).ExitCode, 0);
    const auto run = Cli({"bmp", dir.File("huge.arf"), dir.File("huge.bmp"), "--zoom", "400"});
    EXPECT_EQ(run.ExitCode, 3);
    EXPECT_NE(run.Err.find("written at 100%"), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("1310720 x 1310720 pixels"), std::string::npos) << run.Err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("huge.bmp")));
}