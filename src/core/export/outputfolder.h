#pragma once
// Writes one generated file in a single pass. A file that cannot be created or written
// raises EKbError naming the file and the cause; a half-written regular file is removed.
#include <string>
#include <string_view>

void WriteOutputFile(const std::string& fileName, std::string_view bytes);
