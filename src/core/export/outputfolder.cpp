#include "export/outputfolder.h"

#include "kberror.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
[[noreturn]] void Fail(const std::string& what, const std::string& path, const std::string& cause)
{
    throw EKbError(what + " \"" + path + "\". " + cause);
}

std::string ErrnoText(int err) { return std::strerror(err); }
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
