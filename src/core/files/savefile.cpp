#include "files/savefile.h"

#include "files/filedescriptor.h"
#include "kberror.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
std::string ErrnoText(int err) { return std::strerror(err); }

[[noreturn]] void CannotWrite(const std::string& fileName, const std::string& cause) { ThrowCannotWrite(fileName, cause); }

std::string TempNameBeside(const fs::path& target) { return TempSaveName(target.string()); }

// A temporary file of a save of that target: "NAME.XXXXXXXX.tmp", eight hex digits.
bool IsTempNameOf(const std::string& entry, const std::string& target)
{
    constexpr size_t Tail = 1 + 8 + 4;
    if (entry.size() != target.size() + Tail || entry.compare(0, target.size(), target) != 0)
        return false;
    const std::string tail = entry.substr(target.size());
    if (tail[0] != '.' || tail.compare(9, 4, ".tmp") != 0)
        return false;
    return std::all_of(tail.begin() + 1, tail.begin() + 9,
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

struct TDirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

// What interrupted saves of this target left: the user's own regular files of the temporary
// name that no save holds (a running save keeps its file locked) and that have not been
// touched for a minute. Best effort: a save that worked is not failed by the clean-up.
void RemoveStaleTemporaries(const fs::path& target)
{
    const std::string folderName = target.has_parent_path() ? target.parent_path().string() : std::string(".");
    const std::string base = target.filename().string();
    const int folder = ::open(folderName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    const TFileDescriptor folderFd(folder);
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listed < 0)
        return;
    const std::unique_ptr<DIR, TDirCloser> dir(::fdopendir(listed));
    if (!dir) {
        ::close(listed);
        return;
    }
    const time_t now = std::time(nullptr);
    while (const dirent* e = ::readdir(dir.get())) {
        const std::string name = e->d_name;
        if (!IsTempNameOf(name, base))
            continue;
        const TFileDescriptor file(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat info {};
        if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid() || now - info.st_mtime < 60)
            continue;
        if (::flock(file.Get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        // Still the entry that was checked: not swapped in between.
        struct stat again {};
        if (::fstatat(folder, name.c_str(), &again, AT_SYMLINK_NOFOLLOW) == 0 && again.st_dev == info.st_dev &&
            again.st_ino == info.st_ino)
            ::unlinkat(folder, name.c_str(), 0);
    }
}

// Where a save lands: through a symbolic link (or a chain of them) to the file it names,
// so that the link stays a link and the user's next open of either name sees the work.
fs::path SaveTarget(const std::string& fileName)
{
    fs::path target(fileName);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec)))
            return target;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec)
            CannotWrite(fileName, ec.message());
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    CannotWrite(fileName, ErrnoText(ELOOP));
}

// An existing target must be a regular file the user may change. The mode bits are checked
// themselves, since the superuser may write anyway: a read-only file is refused, as editors do.
bool ExistingTarget(const std::string& fileName, const fs::path& target, struct stat& info)
{
    if (::stat(target.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return false;
        CannotWrite(fileName, ErrnoText(errno));
    }
    if (S_ISDIR(info.st_mode))
        CannotWrite(fileName, "It is a directory.");
    if (!S_ISREG(info.st_mode))
        CannotWrite(fileName, "It is not a regular file.");
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        CannotWrite(fileName, "The file is read-only.");
    // Someone else's file: the rename would quietly take it over.
    if (::access(target.c_str(), W_OK) != 0)
        CannotWrite(fileName, ErrnoText(errno));
    return true;
}
} // namespace

std::string TempSaveName(const std::string& base)
{
    static std::mt19937_64 rng{std::random_device{}()};
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%08llx.tmp", static_cast<unsigned long long>(rng() & 0xFFFFFFFFull));
    return base + suffix;
}

void ThrowCannotWrite(const std::string& fileName, const std::string& cause)
{
    throw EKbError("Cannot write file \"" + fileName + "\". " + cause);
}

void SaveFileAtomically(const std::string& fileName, const std::string& bytes)
{
    const fs::path target = SaveTarget(fileName);
    struct stat old {};
    const bool replacing = ExistingTarget(fileName, target, old);

    std::string temp;
    TFileDescriptor file;
    for (int attempt = 0; attempt < 16 && !file.IsOpen(); ++attempt) {
        temp = TempNameBeside(target);
        file = TFileDescriptor(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!file.IsOpen() && errno != EEXIST)
            break;
    }
    if (!file.IsOpen())
        throw EKbError("Cannot create file \"" + fileName + "\". " + ErrnoText(errno));
    // Held until the file is renamed: the clean-up of another save leaves a running one alone.
    (void)::flock(file.Get(), LOCK_EX | LOCK_NB);

    int err = 0;
    if (replacing) {
        // The new file keeps the owner (where allowed) and the permission bits of the old one.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            (void)::fchown(file.Get(), old.st_uid, old.st_gid);
        if (::fchmod(file.Get(), old.st_mode & 07777) != 0)
            err = errno;
    }
    if (err == 0)
        err = WriteSyncClose(file, bytes);
    else
        file.Close();
    if (err != 0) {
        ::unlink(temp.c_str());
        CannotWrite(fileName, ErrnoText(err));
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        err = errno;
        ::unlink(temp.c_str());
        CannotWrite(fileName, ErrnoText(err));
    }
    RemoveStaleTemporaries(target);
}
