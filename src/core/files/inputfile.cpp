#include "files/inputfile.h"

#include "files/filedescriptor.h"
#include "kberror.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
[[noreturn]] void TooLarge(const std::string& fileName, size_t maxBytes)
{
    throw EKbError("Cannot read file \"" + fileName + "\": it is larger than " + SizeText(maxBytes) +
                   ", the most a file may hold.");
}

// Non-blocking: opening a FIFO for reading would otherwise wait for a writer.
TFileDescriptor OpenForReading(const std::string& fileName)
{
    return TFileDescriptor(::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
}

// False with openError set when the file cannot be opened or is a folder; raises for what is
// not a regular file, for a file over maxBytes and for a failed read.
bool ReadRegularFile(const TFileDescriptor& fd, const std::string& fileName, std::string& bytes, size_t maxBytes,
                     int& openError)
{
    if (fd.Get() < 0) {
        openError = errno;
        return false;
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0)
        throw EKbError("Cannot read file \"" + fileName + "\". " + std::strerror(errno));
    if (S_ISDIR(st.st_mode)) {
        openError = EISDIR;
        return false;
    }
    if (!S_ISREG(st.st_mode))
        throw EKbError("Cannot read file \"" + fileName + "\": it is not a regular file (a device, pipe or socket).");
    if (static_cast<unsigned long long>(st.st_size) > maxBytes)
        TooLarge(fileName, maxBytes);

    bytes.clear();
    bytes.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw EKbError("Cannot read file \"" + fileName + "\". " + std::strerror(errno));
        if (n == 0)
            return true;
        // The file may grow while it is read.
        if (bytes.size() + static_cast<size_t>(n) > maxBytes)
            TooLarge(fileName, maxBytes);
        bytes.append(buf, static_cast<size_t>(n));
    }
}
} // namespace

bool TryReadWholeFile(const std::string& fileName, std::string& bytes, size_t maxBytes)
{
    int openError = 0;
    return ReadRegularFile(OpenForReading(fileName), fileName, bytes, maxBytes, openError);
}

std::string ReadWholeFile(const std::string& fileName, size_t maxBytes)
{
    std::string bytes;
    int openError = 0;
    if (!ReadRegularFile(OpenForReading(fileName), fileName, bytes, maxBytes, openError))
        throw EKbError("Cannot open file \"" + fileName + "\". " + std::strerror(openError));
    return bytes;
}

std::string ReadFileInFolder(int folder, const std::string& name, const std::string& shownName, size_t maxBytes)
{
    // Not through a link: a planted one could point anywhere, /dev/zero included.
    const TFileDescriptor fd(::openat(folder, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.IsOpen() && errno == ELOOP)
        throw EKbError("Cannot read file \"" + shownName + "\": it is a symbolic link, not a regular file.");
    std::string bytes;
    int openError = 0;
    if (!ReadRegularFile(fd, shownName, bytes, maxBytes, openError))
        throw EKbError("Cannot open file \"" + shownName + "\". " + std::strerror(openError));
    return bytes;
}
