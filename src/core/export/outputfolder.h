#pragma once
// A folder that an export writes its generated files into. The folder is held open, so a
// link swapped in for it later cannot send the files elsewhere, and every file is created
// new, never opened through a link that stands in its place.
#include "files/filedescriptor.h"

#include <string>
#include <string_view>
#include <utility>

class TOutputFolder {
public:
    // Opens an existing folder; links in the path the user gave are followed.
    explicit TOutputFolder(const std::string& path);
    // Creates the subfolder when it is missing and opens it. A symbolic link of that name is
    // refused: it may lead anywhere.
    TOutputFolder Subfolder(const std::string& name) const;

    const std::string& Path() const { return m_path; }
    std::string PathOf(const std::string& name) const;

    // Writes one file of the folder. A file or link of that name is removed first (the run
    // stops when it cannot be); a directory, pipe or device of that name is refused. Raises
    // EKbError naming the file and the cause; a half-written file is removed.
    void WriteFile(const std::string& name, std::string_view bytes) const;

private:
    TOutputFolder(std::string path, TFileDescriptor fd) : m_path(std::move(path)), m_fd(std::move(fd)) {}

    std::string m_path;
    TFileDescriptor m_fd;
};
