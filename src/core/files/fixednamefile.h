#pragma once
// Files whose name the program chooses itself, beside a file the user opened (the map picture
// of "to bmp"). A symbolic link of that name came with the folder, not from the user: it is
// replaced by the new file, never written through.
#include <string>
#include <string_view>

// Writes the bytes to a new temporary file beside fileName and renames it into place when
// complete, so a link of that name is replaced and the old file stays until then. A
// directory, pipe or device of that name, or a read-only file, is refused. Throws EKbError
// naming the file; the temporary file is removed on every failure.
void SaveFixedNameFile(const std::string& fileName, std::string_view bytes);
