#pragma once
// UTF-8 from the document's 8-bit text, for the exports that modern drivers read.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The code point in one to four bytes.
void AppendUtf8(std::string& out, uint32_t codePoint);

// Windows-1250 bytes as UTF-8. The five bytes the code page leaves undefined become the
// private-use characters U+F700 + byte, as in the JSON of the command line.
std::string Cp1250ToUtf8(std::string_view bytes);

// The Windows-1250 bytes of UTF-8 text, when every character has one; else none.
std::optional<std::string> Utf8ToCp1250(std::string_view utf8);

// True when every byte is below 128.
bool IsAscii(std::string_view bytes);
