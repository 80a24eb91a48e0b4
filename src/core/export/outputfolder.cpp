#include "export/outputfile.h"

#include "kberror.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// One write call for the whole buffer in the usual case; short writes go on where they stopped.
bool WriteAll(int fd, std::string_view bytes, int& err)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            return false;
        }
        if (n == 0) {
            err = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}
} // namespace

void WriteOutputFile(const std::string& fileName, std::string_view bytes)
{
    // A name with an embedded NUL would silently create a different, shorter file.
    if (fileName.find('\0') != std::string::npos)
        throw EKbError("Cannot create file \"" + fileName + "\". The name holds a NUL character.");
    const int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        throw EKbError("Cannot create file \"" + fileName + "\". " + std::strerror(errno));
    int err = 0;
    bool ok = WriteAll(fd, bytes, err);
    // Only a regular file is ours to remove; a device or pipe the name leads to is not.
    struct stat info {};
    const bool regular = !ok && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        // A truncated source file would look like a finished one.
        if (regular)
            ::unlink(fileName.c_str());
        throw EKbError("Cannot write file \"" + fileName + "\". " + std::strerror(err));
    }
}
