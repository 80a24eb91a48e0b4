// The safe save every writer uses: through links, keeping permission bits, leaving no
// temporary file behind.
#include "files/savefile.h"
#include "kberror.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(SaveFile, LeavesNoTemporaryFileWhenTheWriteFails)
{
    TTempDir tmp;
    const std::string file = tmp.File("area.arf");
    WriteFileBytes(file, "old");
    {
        // As on a full disk: the temporary file cannot take the new content.
        const TFileSizeLimit limit(1000);
        EXPECT_THROW(SaveFileAtomically(file, std::string(100000, 'x')), EKbError);
    }
    EXPECT_EQ(ReadFileBytes(file), "old");
    EXPECT_EQ(Names(tmp.Path()), std::vector<std::string>{"area.arf"});
}

TEST(SaveFile, RemovesWhatInterruptedSavesOfTheSameFileLeft)
{
    TTempDir tmp;
    const fs::path dir = tmp.Path();
    WriteFileBytes((dir / "area.arf").string(), "old");
    WriteFileBytes((dir / "victim").string(), "victim");
    const auto old = [&](const std::string& name) {
        WriteFileBytes((dir / name).string(), "partial");
        const struct timespec times[2] = {{std::time(nullptr) - 7200, 0}, {std::time(nullptr) - 7200, 0}};
        ::utimensat(AT_FDCWD, (dir / name).c_str(), times, 0);
    };
    old("area.arf.0123abcd.tmp");
    old("area.arf.ffffffff.tmp");
    // Not this program's temporaries of this file, or not left behind: kept.
    old("other.arf.0123abcd.tmp");
    old("area.arf.0123abcg.tmp");
    old("area.arf.tmp");
    old("area.arf.0123abc.tmp");
    WriteFileBytes((dir / "area.arf.00000001.tmp").string(), "a save running now");
    old("area.arf.00000002.tmp");
    const int running = ::open((dir / "area.arf.00000002.tmp").c_str(), O_RDONLY);
    ASSERT_GE(running, 0);
    ASSERT_EQ(::flock(running, LOCK_EX), 0); // another save holds it
    fs::create_symlink(dir / "victim", dir / "area.arf.00000003.tmp");
    fs::create_directory(dir / "area.arf.00000004.tmp");
    std::vector<std::string> kept = {"area.arf",
                                     "area.arf.00000001.tmp",
                                     "area.arf.00000002.tmp",
                                     "area.arf.00000003.tmp",
                                     "area.arf.00000004.tmp",
                                     "area.arf.0123abc.tmp",
                                     "area.arf.0123abcg.tmp",
                                     "area.arf.tmp",
                                     "other.arf.0123abcd.tmp",
                                     "victim"};
    if (::geteuid() == 0) {
        // Another user's file is theirs to remove.
        old("area.arf.00000005.tmp");
        ASSERT_EQ(::chown((dir / "area.arf.00000005.tmp").c_str(), 65534, 65534), 0);
        kept.push_back("area.arf.00000005.tmp");
        std::sort(kept.begin(), kept.end());
    }

    SaveFileAtomically((dir / "area.arf").string(), "new");
    ::close(running);
    EXPECT_EQ(ReadFileBytes((dir / "area.arf").string()), "new");
    EXPECT_EQ(Names(dir), kept);
    EXPECT_EQ(ReadFileBytes((dir / "victim").string()), "victim");
}
