// The folder that keeps the user's private files (recovery copies): used only when it is the
// user's alone, and never written or read through a link planted in it.
#include "files/privatefolder.h"
#include "kberror.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
unsigned Mode(const fs::path& p)
{
    struct stat info {};
    ::lstat(p.c_str(), &info);
    return info.st_mode & 07777;
}

// The refusal's message, or "" when the folder was taken.
std::string Refusal(const fs::path& path, bool create = true)
{
    try {
        TPrivateFolder folder(path.string(), create);
    } catch (const EKbError& e) {
        return e.what();
    }
    return "";
}

std::string ReadError(const TPrivateFolder& folder, const std::string& name, size_t maxBytes = 1 << 20)
{
    try {
        folder.ReadFile(name, maxBytes);
    } catch (const EKbError& e) {
        return e.what();
    }
    return "";
}
} // namespace

TEST(PrivateFolder, IsMadePrivateAndRefusedWhereOthersCouldReachIt)
{
    TTempDir tmp;
    // Made with its missing parents, each for the user alone.
    const fs::path fresh = tmp.Path() / "state" / "app" / "recovery";
    {
        const TPrivateFolder folder(fresh.string(), true);
        EXPECT_TRUE(folder.IsOpen());
        EXPECT_EQ(Mode(fresh), 0700u);
        EXPECT_EQ(Mode(fresh.parent_path()), 0700u);
    }
    // Not there and not to be made: closed, and nothing is created.
    const fs::path absent = tmp.Path() / "absent";
    EXPECT_FALSE(TPrivateFolder(absent.string(), false).IsOpen());
    EXPECT_FALSE(fs::exists(absent));

    // Readable by others: made private through its handle.
    fs::create_directory(tmp.Path() / "readable");
    fs::permissions(tmp.Path() / "readable", fs::perms(0755));
    EXPECT_EQ(Refusal(tmp.Path() / "readable"), "");
    EXPECT_EQ(Mode(tmp.Path() / "readable"), 0700u);

    // Writable by others: they may have planted anything already.
    for (unsigned mode : {0770u, 0707u, 0777u, 0730u}) {
        const fs::path dir = tmp.Path() / ("w" + std::to_string(mode));
        fs::create_directory(dir);
        fs::permissions(dir, fs::perms(mode));
        const std::string error = Refusal(dir);
        EXPECT_NE(error.find("others may write"), std::string::npos) << std::oct << mode << ": " << error;
        EXPECT_NE(error.find(dir.string()), std::string::npos) << error;
        EXPECT_EQ(Mode(dir), mode) << "its mode is left alone";
    }

    // A link in place of the folder: its target keeps its mode, whoever owns it.
    fs::create_directory(tmp.Path() / "target");
    fs::permissions(tmp.Path() / "target", fs::perms(0755));
    fs::create_directory_symlink(tmp.Path() / "target", tmp.Path() / "linked");
    for (bool create : {true, false}) {
        EXPECT_NE(Refusal(tmp.Path() / "linked", create).find("symbolic link"), std::string::npos);
        EXPECT_EQ(Mode(tmp.Path() / "target"), 0755u);
    }

    // Another user's folder (only the superuser can make one here).
    if (::geteuid() == 0) {
        const fs::path theirs = tmp.Path() / "theirs";
        fs::create_directory(theirs);
        fs::permissions(theirs, fs::perms(0755));
        ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
        EXPECT_NE(Refusal(theirs).find("another user"), std::string::npos);
        EXPECT_EQ(Mode(theirs), 0755u);
    }
}

TEST(PrivateFolder, WritesOwnerOnlyFilesAndNeverThroughPlantedLinks)
{
    TTempDir tmp;
    const fs::path dir = tmp.Path() / "private";
    const TPrivateFolder folder(dir.string(), true);
    WriteFileBytes(tmp.File("victim"), "victim's own");
    WriteFileBytes(tmp.File("victim2"), "victim's other");
    fs::create_symlink(tmp.Path() / "victim", dir / "copy");
    fs::create_symlink(tmp.Path() / "victim2", dir / "copy.tmp");
    fs::create_symlink(tmp.Path() / "nowhere", dir / "other.tmp");

    const mode_t oldMask = ::umask(0);
    folder.WriteFile("copy", "work");
    folder.WriteFile("other", "more work");
    ::umask(oldMask);

    EXPECT_EQ(ReadFileBytes(tmp.File("victim")), "victim's own");
    EXPECT_EQ(ReadFileBytes(tmp.File("victim2")), "victim's other");
    EXPECT_FALSE(fs::exists(tmp.Path() / "nowhere"));
    for (const char* name : {"copy", "other"}) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir / name))) << name;
        EXPECT_EQ(Mode(dir / name), 0600u) << name;
    }
    EXPECT_EQ(folder.ReadFile("copy", 100), "work");
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "copy.tmp")));

    // Written again over itself, and listed by the end of the name.
    folder.WriteFile("copy", "newer work");
    EXPECT_EQ(folder.ReadFile("copy", 100), "newer work");
    std::vector<std::string> names;
    for (const TFolderEntry& e : folder.EntriesEndingWith("py"))
        names.push_back(e.Name);
    EXPECT_EQ(names, std::vector<std::string>{"copy"});
    EXPECT_TRUE(folder.Rename("copy", "renamed"));
    EXPECT_TRUE(folder.Has("renamed"));
    EXPECT_TRUE(folder.Remove("renamed"));
    EXPECT_FALSE(folder.Has("renamed"));
}

TEST(PrivateFolder, ReadsOnlyRegularFilesWithinTheLimitAndAtOnce)
{
    TTempDir tmp;
    const fs::path dir = tmp.Path() / "private";
    const TPrivateFolder folder(dir.string(), true);
    WriteFileBytes((dir / "small").string(), "0123456789");
    fs::create_symlink("/dev/zero", dir / "zero");
    fs::create_symlink(dir / "small", dir / "link");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    {
        // A 1 GiB file that takes no disk: refused by its size, before any of it is read.
        const int fd = ::open((dir / "huge").c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t(1) << 30), 0);
        ::close(fd);
    }
    struct Case {
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"small", ""},
        {"zero", "symbolic link"},
        {"link", "symbolic link"},
        {"pipe", "not a regular file"},
        {"huge", "larger than 1 MiB"},
        {"absent", "No such file"},
    };
    for (const Case& c : cases) {
        const std::string error = ReadError(folder, c.name);
        if (*c.expected == '\0') {
            EXPECT_EQ(error, "") << c.name;
        } else {
            EXPECT_NE(error.find(c.expected), std::string::npos) << c.name << ": " << error;
        }
        if (*c.expected != '\0' && std::string(c.name) != "absent") {
            EXPECT_NE(error.find((dir / c.name).string()), std::string::npos) << error;
        }
    }
}
