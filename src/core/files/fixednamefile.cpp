#include "files/fixednamefile.h"

#include "files/filedescriptor.h"
#include "files/savefile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {
[[noreturn]] void CannotWrite(const std::string& fileName, const std::string& cause) { ThrowCannotWrite(fileName, cause); }
} // namespace

void SaveFixedNameFile(const std::string& fileName, std::string_view bytes)
{
    const std::filesystem::path path(fileName);
    const std::string base = path.filename().string();
    if (base.empty() || base == "." || base == "..")
        CannotWrite(fileName, "It is not a file name.");
    const std::string folderName = path.has_parent_path() ? path.parent_path().string() : std::string(".");
    // Everything below goes through the folder, so the name is looked up only within it.
    const TFileDescriptor folder(::open(folderName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.IsOpen())
        CannotWrite(fileName, std::strerror(errno));

    struct stat old {};
    if (::fstatat(folder.Get(), base.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISDIR(old.st_mode))
            CannotWrite(fileName, "It is a directory.");
        if (!S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode))
            CannotWrite(fileName, "It is not a regular file.");
        if (S_ISREG(old.st_mode) && (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            CannotWrite(fileName, "The file is read-only.");
    } else if (errno != ENOENT) {
        CannotWrite(fileName, std::strerror(errno));
    }

    std::string temp;
    TFileDescriptor file;
    for (int attempt = 0; attempt < 16 && !file.IsOpen(); ++attempt) {
        temp = TempSaveName(base);
        file = TFileDescriptor(
            ::openat(folder.Get(), temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!file.IsOpen() && errno != EEXIST)
            break;
    }
    if (!file.IsOpen())
        CannotWrite(fileName, std::strerror(errno));
    int err = WriteSyncClose(file, bytes);
    // renameat replaces the entry itself: a link goes, whatever it pointed to stays.
    if (err == 0 && ::renameat(folder.Get(), temp.c_str(), folder.Get(), base.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlinkat(folder.Get(), temp.c_str(), 0);
        CannotWrite(fileName, std::strerror(err));
    }
}
