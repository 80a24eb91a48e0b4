#include "files/fixednamefile.h"
#include "kberror.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(FixedNameFile, ReplacesFilesAndLinksRefusesTheRestAndLeavesNoTemporary)
{
    TTempDir tmp;
    WriteFileBytes(tmp.File("victim"), "precious");
    fs::create_symlink(tmp.Path() / "victim", tmp.Path() / "link.bmp");
    WriteFileBytes(tmp.File("old.bmp"), "old picture");
    for (const char* name : {"link.bmp", "old.bmp", "new.bmp"}) {
        SaveFixedNameFile(tmp.File(name), "BM picture");
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(tmp.Path() / name))) << name;
        EXPECT_EQ(ReadFileBytes(tmp.File(name)), "BM picture") << name;
    }
    EXPECT_EQ(ReadFileBytes(tmp.File("victim")), "precious");

    fs::create_directory(tmp.Path() / "folder.bmp");
    const TFifoWithReader fifo(tmp.File("pipe.bmp"));
    WriteFileBytes(tmp.File("locked.bmp"), "kept");
    fs::permissions(tmp.Path() / "locked.bmp", fs::perms::owner_read);
    for (const char* name : {"folder.bmp", "pipe.bmp", "locked.bmp", "missing/x.bmp"}) {
        std::string message = "no error";
        try {
            SaveFixedNameFile(tmp.File(name), "BM picture");
        } catch (const EKbError& e) {
            message = e.what();
        }
        EXPECT_NE(message.find(tmp.File(name)), std::string::npos) << message;
    }
    EXPECT_EQ(ReadFileBytes(tmp.File("locked.bmp")), "kept");
    EXPECT_TRUE(fs::is_fifo(tmp.Path() / "pipe.bmp"));
    // Only what was there and what was written: no temporary file of any attempt.
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(tmp.Path()))
        ++entries;
    EXPECT_EQ(entries, 7u);
}
