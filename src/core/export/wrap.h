#pragma once
// Quoting and the splitting of long texts into quoted LPC string rows.
#include "export/codewriter.h"
#include "model/types.h"

#include <cstdint>
#include <string>
#include <string_view>

struct TWrapWidths {
    int32_t First = 40; // width of the row that continues the caller's line
    int32_t Other = 75; // width of every later row, indent included
};

// The widths a user may choose. Below, rows shorter than their indent would put each word
// on a row of its own; far above, nothing is wrapped at all.
constexpr int32_t MinWrapWidth = 10;
constexpr int32_t MaxWrapWidth = 1000;
// The area's widths as the export uses them: one outside the range takes its default.
TWrapWidths ExportWrapWidths(int32_t first, int32_t other);

// A backslash before every double quote; backslashes stay single, so a typed \n stays
// the LPC newline escape.
std::string EscapeQuotes(std::string_view text);
// The text escaped and between double quotes, straight into the file.
void WriteQuoted(TCodeWriter& out, std::string_view text);

// Writes text (lines joined by CR LF) as quoted rows: the first continues the line the
// caller began, later rows are indented by indent spaces; the last row is followed by
// tail and ends the line. Rows break after a space, . ? ! , or a typed \n, never inside
// a word.
void WriteWrapped(TCodeWriter& out, std::string_view text, std::string_view tail, int indent,
                  const TWrapWidths& widths);
// The same for the lines of a text list, as if joined by CR LF.
void WriteWrapped(TCodeWriter& out, const TStrings& lines, std::string_view tail, int indent,
                  const TWrapWidths& widths);
