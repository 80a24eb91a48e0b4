#pragma once
// The text rules shared by editors, searches and exports: joining lines, trimming,
// and turning a multi-line text into one paragraph.
#include "model/types.h"

#include <string>

// Every line followed by CR LF, the last one included.
std::string JoinLinesCRLF(const TStrings& lines);
// Splits on CR LF, LF or CR; a final line break does not start another line.
TStrings SplitLines(const std::string& text);
// Removes leading and trailing characters of code 32 or less.
std::string TrimControl(const std::string& s);
// True when the text is empty after TrimControl.
bool IsBlankText(const std::string& s);
bool IsBlankLines(const TStrings& lines);
// ASCII a-z to A-Z; other bytes unchanged.
std::string AsciiUpper(std::string s);

// One paragraph from a CR LF separated text: a line break between two non-blank
// characters becomes one space, a break next to a space just disappears, the ends are trimmed.
std::string StringsDescToString(const std::string& crlfText);
inline std::string StringsDescToString(const TStrings& lines) { return StringsDescToString(JoinLinesCRLF(lines)); }
