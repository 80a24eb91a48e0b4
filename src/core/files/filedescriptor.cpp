#include "files/filedescriptor.h"

#include <cerrno>
#include <unistd.h>

TFileDescriptor::~TFileDescriptor() { Close(); }

TFileDescriptor& TFileDescriptor::operator=(TFileDescriptor&& other) noexcept
{
    if (this != &other) {
        Close();
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

int TFileDescriptor::Close()
{
    if (m_fd < 0)
        return 0;
    const int rc = ::close(m_fd);
    m_fd = -1;
    return rc == 0 ? 0 : errno;
}

int WriteSyncClose(TFileDescriptor& file, std::string_view bytes)
{
    int err = WriteAll(file.Get(), bytes);
    if (err == 0 && ::fsync(file.Get()) != 0)
        err = errno;
    const int closeErr = file.Close();
    return err != 0 ? err : closeErr;
}

int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return 0;
}
