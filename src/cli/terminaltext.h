#pragma once
// Text from an area (room names, descriptions, file names) on its way to a terminal: control
// characters could move the cursor, retitle the window or hide lines, so they are shown as
// \xNN. Ordinary text, 8-bit letters included, stays as it is; so do newlines where the text
// is several lines (a report line that is one line escapes them too).
#include <string>
#include <string_view>

std::string TerminalText(std::string_view text, bool keepNewlines = true);
