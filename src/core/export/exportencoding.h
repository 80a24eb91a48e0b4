#pragma once
// How the generated files carry the area's 8-bit text: as the stored Windows-1250 bytes, or
// in UTF-8, which current drivers need in string literals.
#include <string>
#include <string_view>

enum class TExportEncoding { CodePage, Utf8 };

// A generated file's bytes (or a file name) as the encoding writes them.
std::string EncodeExport(std::string_view bytes, TExportEncoding encoding);
