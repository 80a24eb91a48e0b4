#pragma once
// Reading a whole input file: only a regular file is read (a pipe or device would block or
// never end), and one larger than the limit is refused before it fills memory.
#include "files/loadlimits.h"

#include <string>

// Raises the open error when the file cannot be opened (a folder included).
std::string ReadWholeFile(const std::string& fileName, size_t maxBytes = TLoadLimits{}.MaxFileBytes);
// Like ReadWholeFile, but returns false when the file cannot be opened or is a folder.
bool TryReadWholeFile(const std::string& fileName, std::string& bytes, size_t maxBytes = TLoadLimits{}.MaxFileBytes);
// Reads the entry `name` of an open folder the same way, without following a symbolic link
// (refused); shownName is the path the messages give.
std::string ReadFileInFolder(int folder, const std::string& name, const std::string& shownName,
                             size_t maxBytes = TLoadLimits{}.MaxFileBytes);
