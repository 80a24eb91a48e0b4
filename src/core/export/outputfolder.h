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

    // What an earlier export left, removed through the open folder so that a link swapped in
    // meanwhile leads nowhere. Errors are ignored: the run that follows reports what matters.
    // Whether the entry of that name is a symbolic link (not followed).
    bool IsLink(const std::string& name) const;
    // Removes a file or link of that name; a directory, pipe or device stays.
    void RemoveFile(const std::string& name) const;
    // Empties the subfolder of that name; a link of that name is left alone and not followed,
    // and so are links inside it (they are removed as links).
    void ClearSubfolder(const std::string& name) const;

private:
    TOutputFolder(std::string path, TFileDescriptor fd) : m_path(std::move(path)), m_fd(std::move(fd)) {}

    std::string m_path;
    TFileDescriptor m_fd;
};
