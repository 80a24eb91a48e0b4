#pragma once
// Small helpers shared by the core tests.
#include <filesystem>
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
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The project's source folder (for examples), from KB_SOURCE_DIR.
std::filesystem::path SourceDir();
