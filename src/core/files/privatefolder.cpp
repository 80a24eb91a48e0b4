#include "files/privatefolder.h"

#include "files/inputfile.h"
#include "files/savefile.h"
#include "kberror.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string ErrnoText(int err) { return std::strerror(err); }

[[noreturn]] void Refuse(const std::string& path, const std::string& why)
{
    throw EKbError("The folder \"" + path + "\" is not used: " + why);
}

// Each missing folder on the way is made for this user alone; existing ones are left as they are.
void MakeFolders(const std::string& path)
{
    for (size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            Refuse(path, "it cannot be created. " + ErrnoText(errno));
        if (slash == std::string::npos)
            return;
    }
}

struct TDirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

int64_t Nanoseconds(const struct timespec& t) { return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec; }
} // namespace

TPrivateFolder::TPrivateFolder(const std::string& path, bool create) : m_path(path)
{
    if (create)
        MakeFolders(path);
    m_fd = TFileDescriptor(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!m_fd.IsOpen()) {
        if (errno == ENOENT && !create)
            return;
        const int err = errno;
        // A link to a folder is "not a folder" to O_DIRECTORY with O_NOFOLLOW.
        struct stat entry {};
        if ((err == ELOOP || err == ENOTDIR) && ::lstat(path.c_str(), &entry) == 0 && S_ISLNK(entry.st_mode))
            Refuse(path, "it is a symbolic link.");
        Refuse(path, ErrnoText(err));
    }
    struct stat info {};
    if (::fstat(m_fd.Get(), &info) != 0)
        Refuse(path, ErrnoText(errno));
    // Another user, or anyone allowed to write into it, could read or replace what is kept there.
    if (info.st_uid != ::geteuid()) {
        m_fd.Close();
        Refuse(path, "it belongs to another user.");
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        m_fd.Close();
        Refuse(path, "others may write into it.");
    }
    if ((info.st_mode & 07777) != 0700 && ::fchmod(m_fd.Get(), 0700) != 0) {
        const int err = errno;
        m_fd.Close();
        Refuse(path, "it cannot be made private. " + ErrnoText(err));
    }
}

std::string TPrivateFolder::HandlePath() const
{
    const std::string viaHandle = "/proc/self/fd/" + std::to_string(m_fd.Get());
    struct stat reached {};
    struct stat held {};
    // Without /proc the checked path is the next best.
    if (::stat(viaHandle.c_str(), &reached) != 0 || ::fstat(m_fd.Get(), &held) != 0 ||
        reached.st_dev != held.st_dev || reached.st_ino != held.st_ino)
        return m_path;
    return viaHandle;
}

std::vector<TFolderEntry> TPrivateFolder::EntriesEndingWith(const std::string& suffix) const
{
    std::vector<TFolderEntry> entries;
    if (!IsOpen())
        return entries;
    // The listing gets a handle of its own: closedir closes it.
    const int listed = ::openat(m_fd.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listed < 0)
        throw EKbError("Cannot read the folder \"" + m_path + "\". " + ErrnoText(errno));
    const std::unique_ptr<DIR, TDirCloser> dir(::fdopendir(listed));
    if (!dir) {
        ::close(listed);
        throw EKbError("Cannot read the folder \"" + m_path + "\". " + ErrnoText(errno));
    }
    while (const dirent* e = ::readdir(dir.get())) {
        const std::string name = e->d_name;
        if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        struct stat info {};
        if (::fstatat(m_fd.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        entries.push_back({name, Nanoseconds(info.st_mtim)});
    }
    std::sort(entries.begin(), entries.end(), [](const TFolderEntry& a, const TFolderEntry& b) {
        return a.ModifiedAt != b.ModifiedAt ? a.ModifiedAt > b.ModifiedAt : a.Name < b.Name;
    });
    return entries;
}

void TPrivateFolder::WriteFile(const std::string& name, const std::string& bytes) const
{
    const std::string shown = m_path + '/' + name;
    const std::string temp = name + ".tmp";
    TFileDescriptor file;
    for (int attempt = 0; attempt < 2 && !file.IsOpen(); ++attempt) {
        file = TFileDescriptor(
            ::openat(m_fd.Get(), temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        // Left by a crash, or planted: the entry itself goes, whatever it points to.
        if (!file.IsOpen() && errno == EEXIST)
            ::unlinkat(m_fd.Get(), temp.c_str(), 0);
    }
    if (!file.IsOpen())
        throw EKbError("Cannot create file \"" + shown + "\". " + ErrnoText(errno));
    int err = ::fchmod(file.Get(), 0600) != 0 ? errno : 0;
    if (err == 0)
        err = WriteSyncClose(file, bytes);
    else
        file.Close();
    if (err == 0 && ::renameat(m_fd.Get(), temp.c_str(), m_fd.Get(), name.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlinkat(m_fd.Get(), temp.c_str(), 0);
        ThrowCannotWrite(shown, ErrnoText(err));
    }
}

std::string TPrivateFolder::ReadFile(const std::string& name, size_t maxBytes) const
{
    return ReadFileInFolder(m_fd.Get(), name, m_path + '/' + name, maxBytes);
}

bool TPrivateFolder::Has(const std::string& name) const
{
    struct stat info {};
    return IsOpen() && ::fstatat(m_fd.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

bool TPrivateFolder::Remove(const std::string& name) const
{
    return IsOpen() && ::unlinkat(m_fd.Get(), name.c_str(), 0) == 0;
}

bool TPrivateFolder::Rename(const std::string& from, const std::string& to) const
{
    return IsOpen() && ::renameat(m_fd.Get(), from.c_str(), m_fd.Get(), to.c_str()) == 0;
}
