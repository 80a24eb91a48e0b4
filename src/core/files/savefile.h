#pragma once
// Safe saving, used by every writer: the bytes go to a temporary file beside the target,
// which replaces the target only when completely written. A failure keeps the old file.
#include <string>

// A symbolic link is saved through: its target gets the new content (written beside the
// target) and the link stays. The replaced file's permission bits are kept; a read-only
// file, a directory, a pipe or a device is refused with EKbError naming the file.
void SaveFileAtomically(const std::string& fileName, const std::string& bytes);
