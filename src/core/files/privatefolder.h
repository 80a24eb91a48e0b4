#pragma once
// A folder of the user's own for files others must neither read nor plant: opened once without
// following a link, checked on the handle, and used only through that handle, so that a link
// placed at its name or inside it is never followed.
#include "files/filedescriptor.h"

#include <cstdint>
#include <string>
#include <vector>

struct TFolderEntry {
    std::string Name;
    int64_t ModifiedAt = 0; // nanoseconds since 1970
};

class TPrivateFolder {
public:
    // Opens the folder at path, creating it (mode 0700, missing parents too) when create is set.
    // It must be a real folder (not a link), owned by this user and writable by nobody else;
    // otherwise EKbError says why. Read bits of others are taken off through the handle.
    // A folder that is not there and is not to be created leaves the object closed.
    TPrivateFolder(const std::string& path, bool create);

    bool IsOpen() const { return m_fd.IsOpen(); }
    int Handle() const { return m_fd.Get(); }
    const std::string& Path() const { return m_path; }
    // A path that reaches the folder through this very handle, for APIs that only take paths.
    std::string HandlePath() const;

    // The entries whose names end with suffix, newest first (not following links).
    std::vector<TFolderEntry> EntriesEndingWith(const std::string& suffix) const;
    // Writes a file readable by its owner only: created exclusively under a temporary name
    // (an entry already there is removed, never written through) and renamed over name.
    void WriteFile(const std::string& name, const std::string& bytes) const;
    // Reads a regular file of the folder within maxBytes (a link, a pipe or a device is refused).
    std::string ReadFile(const std::string& name, size_t maxBytes) const;
    // Whether an entry of that name is there, of whatever kind.
    bool Has(const std::string& name) const;
    // False when there was nothing to remove or to rename.
    bool Remove(const std::string& name) const;
    bool Rename(const std::string& from, const std::string& to) const;

private:
    std::string m_path;
    TFileDescriptor m_fd;
};
