// The safe save every writer uses: through links, keeping permission bits.
#include "files/savefile.h"
#include "kberror.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {
std::vector<std::string> Names(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

unsigned Mode(const fs::path& p)
{
    struct stat info {};
    ::stat(p.c_str(), &info);
    return info.st_mode & 07777;
}

std::string OctalName(unsigned mode)
{
    char name[16];
    std::snprintf(name, sizeof name, "m%03o", mode);
    return name;
}

std::string ErrorOf(const std::string& fileName)
{
    try {
        SaveFileAtomically(fileName, "new");
    } catch (const EKbError& e) {
        return e.what();
    }
    return "no error";
}
} // namespace

TEST(SaveFile, SavesThroughLinksBesideTheirTargetAndKeepsTheLinks)
{
    TTempDir tmp;
    const fs::path links = tmp.Path() / "links", real = tmp.Path() / "real";
    fs::create_directories(links);
    fs::create_directories(real);
    WriteFileBytes((real / "area.arf").string(), "old");
    fs::create_symlink("../real/area.arf", links / "near");
    fs::create_symlink(links / "near", links / "far"); // a chain: far -> near -> area.arf
    fs::create_symlink("../real/new.arf", links / "dangling");

    for (const char* link : {"near", "far", "dangling"}) {
        SaveFileAtomically((links / link).string(), std::string("saved via ") + link);
        EXPECT_TRUE(fs::is_symlink(links / link)) << link;
        EXPECT_EQ(ReadFileBytes((links / link).string()), std::string("saved via ") + link);
    }
    EXPECT_EQ(ReadFileBytes((real / "area.arf").string()), "saved via far");
    EXPECT_EQ(ReadFileBytes((real / "new.arf").string()), "saved via dangling");
    // No temporary file was left, and none was made beside the links.
    EXPECT_EQ(Names(links), (std::vector<std::string>{"dangling", "far", "near"}));
    EXPECT_EQ(Names(real), (std::vector<std::string>{"area.arf", "new.arf"}));
}

TEST(SaveFile, KeepsPermissionBitsAndRefusesReadOnlyFiles)
{
    // The refusal reads the mode bits, so it holds for the superuser too.
    struct Case {
        unsigned mode;
        bool saved;
    };
    const Case cases[] = {{0600, true}, {0640, true}, {0755, true}, {0200, true}, {0444, false}, {0400, false}, {0, false}};
    TTempDir tmp;
    for (const Case& c : cases) {
        const fs::path file = tmp.Path() / OctalName(c.mode);
        WriteFileBytes(file.string(), "old");
        fs::permissions(file, fs::perms(c.mode));
        const std::string error = ErrorOf(file.string());
        fs::permissions(file, fs::perms::owner_read, fs::perm_options::add);
        if (c.saved) {
            EXPECT_EQ(error, "no error") << std::oct << c.mode;
            EXPECT_EQ(ReadFileBytes(file.string()), "new") << std::oct << c.mode;
        } else {
            EXPECT_NE(error.find(file.string()), std::string::npos) << error;
            EXPECT_NE(error.find("read-only"), std::string::npos) << error;
            EXPECT_EQ(ReadFileBytes(file.string()), "old") << std::oct << c.mode;
        }
        EXPECT_EQ(Mode(file), c.mode | 0400) << std::oct << c.mode;
    }
    // A link to a read-only file is refused the same way and stays a link.
    fs::create_symlink(tmp.Path() / OctalName(0444), tmp.Path() / "link");
    EXPECT_NE(ErrorOf((tmp.Path() / "link").string()).find("read-only"), std::string::npos);
    EXPECT_TRUE(fs::is_symlink(tmp.Path() / "link"));
    EXPECT_EQ(Names(tmp.Path()).size(), std::size(cases) + 1); // no temporary file left
}
