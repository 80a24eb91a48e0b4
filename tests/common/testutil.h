#pragma once
// Small helpers shared by the core tests.
#include <filesystem>
#include <map>
#include <sys/resource.h>
#include <string>

// A fresh directory under the system temp folder, removed with its contents at scope end.
class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

std::string ReadFileBytes(const std::string& path);
// Every file and folder below dir, by relative path: the bytes of files, "<dir>" for folders.
std::map<std::string, std::string> DirectoryTree(const std::filesystem::path& dir);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The project's source folder (for examples), from KB_SOURCE_DIR.
std::filesystem::path SourceDir();

// A named pipe with a reader held open: a writer that wrongly opens it goes through at once
// instead of waiting for ever, so the test fails rather than hangs.
class TFifoWithReader {
public:
    explicit TFifoWithReader(const std::string& path);
    ~TFifoWithReader();
    TFifoWithReader(const TFifoWithReader&) = delete;
    TFifoWithReader& operator=(const TFifoWithReader&) = delete;

private:
    int m_reader = -1;
};

// Files of this process (and of programs it starts) cannot grow past the limit while the
// object lives: a write beyond it fails with EFBIG, as on a full disk.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes);
    ~TFileSizeLimit();
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};
