#include "export/outputfolder.h"

#include "kberror.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
[[noreturn]] void Fail(const std::string& what, const std::string& path, const std::string& cause)
{
    throw EKbError(what + " \"" + path + "\". " + cause);
}

std::string ErrnoText(int err) { return std::strerror(err); }

// Deeper trees than an export makes are left as they are rather than using a descriptor and a
// stack frame per level.
constexpr int kMaxClearDepth = 32;

std::vector<std::string> EntryNames(int dirFd)
{
    std::vector<std::string> names;
    // fdopendir takes over the descriptor it gets: hand it a copy.
    const int copy = ::fcntl(dirFd, F_DUPFD_CLOEXEC, 0);
    if (copy < 0)
        return names;
    DIR* dir = ::fdopendir(copy);
    if (!dir) {
        ::close(copy);
        return names;
    }
    ::rewinddir(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

// Removes everything in the open folder. Only names relative to it are used, and a folder is
// entered only by openat with O_NOFOLLOW: a link put in place of any entry is removed as a
// link or left, never followed.
void ClearFolder(int dirFd, int depth)
{
    for (const std::string& name : EntryNames(dirFd)) {
        if (::unlinkat(dirFd, name.c_str(), 0) == 0 || errno == ENOENT)
            continue;
        if (depth >= kMaxClearDepth)
            continue;
        const TFileDescriptor sub(
            ::openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!sub.IsOpen())
            continue;
        ClearFolder(sub.Get(), depth + 1);
        ::unlinkat(dirFd, name.c_str(), AT_REMOVEDIR);
    }
}
} // namespace

TOutputFolder::TOutputFolder(const std::string& path) : m_path(path)
{
    m_fd = TFileDescriptor(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!m_fd.IsOpen())
        Fail("Cannot open directory", path, ErrnoText(errno));
}

std::string TOutputFolder::PathOf(const std::string& name) const
{
    if (m_path.empty())
        return name;
    return m_path.back() == '/' ? m_path + name : m_path + "/" + name;
}

TOutputFolder TOutputFolder::Subfolder(const std::string& name) const
{
    const std::string path = PathOf(name);
    if (::mkdirat(m_fd.Get(), name.c_str(), 0777) != 0 && errno != EEXIST)
        Fail("Cannot create directory", path, ErrnoText(errno));
    struct stat info {};
    if (::fstatat(m_fd.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        Fail("Cannot create directory", path, ErrnoText(errno));
    if (S_ISLNK(info.st_mode))
        Fail("Cannot use directory", path, "It is a symbolic link; the files are written only into a real directory.");
    if (!S_ISDIR(info.st_mode))
        Fail("Cannot create directory", path, "A file of that name is in the way.");
    TFileDescriptor fd(::openat(m_fd.Get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.IsOpen())
        Fail("Cannot open directory", path, ErrnoText(errno));
    return TOutputFolder(path, std::move(fd));
}

void TOutputFolder::WriteFile(const std::string& name, std::string_view bytes) const
{
    const std::string path = PathOf(name);
    // A NUL would cut the name short; a separator would put the file in another folder.
    if (name.find('\0') != std::string::npos)
        Fail("Cannot create file", path, "The name holds a NUL character.");
    if (name.find('/') != std::string::npos)
        Fail("Cannot create file", path, "The name holds a path separator.");

    struct stat info {};
    if (::fstatat(m_fd.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
        // Opening a pipe for writing would wait for a reader for ever; a device is not ours.
        if (S_ISDIR(info.st_mode))
            Fail("Cannot create file", path, "A directory of that name is in the way.");
        if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode))
            Fail("Cannot create file", path, "It is not a regular file.");
        if (::unlinkat(m_fd.Get(), name.c_str(), 0) != 0 && errno != ENOENT)
            Fail("Cannot replace file", path, ErrnoText(errno));
    } else if (errno != ENOENT) {
        Fail("Cannot create file", path, ErrnoText(errno));
    }

    TFileDescriptor file(
        ::openat(m_fd.Get(), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!file.IsOpen())
        Fail("Cannot create file", path, ErrnoText(errno));
    int err = WriteAll(file.Get(), bytes);
    const int closeErr = file.Close();
    if (err == 0)
        err = closeErr;
    if (err != 0) {
        // A truncated source file would look like a finished one.
        ::unlinkat(m_fd.Get(), name.c_str(), 0);
        Fail("Cannot write file", path, ErrnoText(err));
    }
}

bool TOutputFolder::IsLink(const std::string& name) const
{
    struct stat info {};
    return ::fstatat(m_fd.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(info.st_mode);
}

void TOutputFolder::RemoveFile(const std::string& name) const
{
    struct stat info {};
    if (name.find('/') != std::string::npos || ::fstatat(m_fd.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    // unlinkat without AT_REMOVEDIR cannot take a folder, whatever was swapped in meanwhile.
    if (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode))
        ::unlinkat(m_fd.Get(), name.c_str(), 0);
}

void TOutputFolder::ClearSubfolder(const std::string& name) const
{
    if (name.find('/') != std::string::npos)
        return;
    const TFileDescriptor sub(::openat(m_fd.Get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (sub.IsOpen())
        ClearFolder(sub.Get(), 1);
}
