#pragma once
// An open POSIX file descriptor that closes itself, and writing a whole buffer to one.
#include <string_view>

class TFileDescriptor {
public:
    TFileDescriptor() = default;
    explicit TFileDescriptor(int fd) : m_fd(fd) {}
    ~TFileDescriptor();
    TFileDescriptor(TFileDescriptor&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    TFileDescriptor& operator=(TFileDescriptor&& other) noexcept;
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    // Closes now: 0, or the errno of a failed close (a late write error on some file systems).
    int Close();

private:
    int m_fd = -1;
};

// Writes every byte, going on after short writes: 0, or the errno of the failure.
int WriteAll(int fd, std::string_view bytes);
// Writes every byte, flushes them to the disk and closes the file: 0, or the errno of the
// first failure. The file is closed in any case.
int WriteSyncClose(TFileDescriptor& file, std::string_view bytes);
