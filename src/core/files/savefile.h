#pragma once
// Safe saving, used by every writer: the bytes go to a temporary file beside the target,
// which replaces the target only when completely written. A failure keeps the old file.
#include <string>

// A symbolic link is saved through: its target gets the new content (written beside the
// target) and the link stays. The replaced file's permission bits are kept; a read-only
// file, a directory, a pipe or a device is refused with EKbError naming the file.
void SaveFileAtomically(const std::string& fileName, const std::string& bytes);

// "BASE.XXXXXXXX.tmp" with eight random hex digits: the name a save writes before the rename,
// and the pattern by which the leftovers of interrupted saves are known.
std::string TempSaveName(const std::string& base);
// The failure of a write of fileName, with its cause, as every writer reports it.
[[noreturn]] void ThrowCannotWrite(const std::string& fileName, const std::string& cause);
