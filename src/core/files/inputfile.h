#pragma once
// Reading a whole input file: only a regular file is read (a pipe or device would block or
// never end), and one larger than the limit is refused before it fills memory.
#include "files/loadlimits.h"

#include <string>

// Raises the open error when the file cannot be opened (a folder included).
std::string ReadWholeFile(const std::string& fileName, size_t maxBytes = TLoadLimits{}.MaxFileBytes);
// Like ReadWholeFile, but returns false when the file cannot be opened or is a folder.
bool TryReadWholeFile(const std::string& fileName, std::string& bytes, size_t maxBytes = TLoadLimits{}.MaxFileBytes);
