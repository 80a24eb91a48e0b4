#include "export/wrap.h"

#include <array>
#include <cstring>

namespace {
void WriteEscaped(TCodeWriter& out, std::string_view text)
{
    while (!text.empty()) {
        const void* quote = std::memchr(text.data(), '"', text.size());
        if (!quote) {
            out.Write(text);
            return;
        }
        const size_t at = static_cast<size_t>(static_cast<const char*>(quote) - text.data());
        out.Write(text.substr(0, at));
        out.Write("\\\"");
        text.remove_prefix(at + 1);
    }
}

// Appends text with every CR LF pair taken out.
void AppendWithoutLineBreaks(std::string& to, std::string_view text)
{
    while (!text.empty()) {
        const size_t at = text.find("\r\n");
        if (at == std::string_view::npos) {
            to.append(text);
            return;
        }
        to.append(text.substr(0, at));
        text.remove_prefix(at + 2);
    }
}

// The characters after which a row may break; a backslash may start a typed \n.
constexpr std::array<uint8_t, 256> MakeBreakTable()
{
    std::array<uint8_t, 256> t{};
    for (unsigned char c : {' ', '.', '?', '!', ','})
        t[c] = 1;
    t[static_cast<unsigned char>('\\')] = 2;
    return t;
}
constexpr std::array<uint8_t, 256> kBreak = MakeBreakTable();

// Length of the next chunk: up to and including the earliest break character or typed \n.
size_t ChunkLength(std::string_view rest)
{
    const size_t n = rest.size();
    for (size_t i = 0; i < n; ++i) {
        const uint8_t kind = kBreak[static_cast<unsigned char>(rest[i])];
        if (kind == 1)
            return i + 1;
        if (kind == 2 && i + 1 < n && rest[i + 1] == 'n')
            return i + 2;
    }
    return n;
}

bool EndsWithTypedNewline(std::string_view row)
{
    return row.size() >= 2 && row[row.size() - 2] == '\\' && row[row.size() - 1] == 'n';
}

// The wrapping itself, on a text whose line breaks are already gone.
void WrapJoined(TCodeWriter& out, std::string_view joined, std::string_view tail, int indent,
                const TWrapWidths& widths)
{
    std::string_view rest = joined;
    // The row is always the span of the text just before the rest.
    size_t rowLength = 0;
    auto row = [&] { return std::string_view(rest.data() - rowLength, rowLength); };
    bool first = true;
    const int64_t w1 = widths.First, w2 = widths.Other;
    do {
        const size_t c = ChunkLength(rest);
        const bool force = EndsWithTypedNewline(row());
        if (first && (static_cast<int64_t>(rowLength + c) > w1 || force)) {
            WriteQuoted(out, row());
            out.EndLine();
            first = false;
            rowLength = 0;
        }
        if (static_cast<int64_t>(rowLength + c) + indent > w2 || force) {
            out.Spaces(indent);
            WriteQuoted(out, row());
            out.EndLine();
            rowLength = 0;
        }
        rowLength += c;
        rest.remove_prefix(c);
    } while (!rest.empty());
    if (!first)
        out.Spaces(indent);
    WriteQuoted(out, row());
    out.Write(tail);
    out.EndLine();
}
} // namespace

TWrapWidths ExportWrapWidths(int32_t first, int32_t other)
{
    const auto sane = [](int32_t w) { return w >= MinWrapWidth && w <= MaxWrapWidth; };
    TWrapWidths widths;
    if (sane(first))
        widths.First = first;
    if (sane(other))
        widths.Other = other;
    return widths;
}

std::string EscapeQuotes(std::string_view text)
{
    TCodeWriter w;
    WriteEscaped(w, text);
    return w.Bytes();
}

void WriteQuoted(TCodeWriter& out, std::string_view text)
{
    out.Write('"');
    WriteEscaped(out, text);
    out.Write('"');
}

void WriteWrapped(TCodeWriter& out, std::string_view text, std::string_view tail, int indent,
                  const TWrapWidths& widths)
{
    std::string joined;
    joined.reserve(text.size());
    AppendWithoutLineBreaks(joined, text);
    WrapJoined(out, joined, tail, indent, widths);
}

void WriteWrapped(TCodeWriter& out, const TStrings& lines, std::string_view tail, int indent,
                  const TWrapWidths& widths)
{
    // Joining with CR LF and taking every pair out again leaves the lines side by side,
    // each with its own pairs gone: a pair never spans a line and the break after it.
    size_t size = 0;
    for (const std::string& line : lines)
        size += line.size();
    std::string joined;
    joined.reserve(size);
    for (const std::string& line : lines)
        AppendWithoutLineBreaks(joined, line);
    WrapJoined(out, joined, tail, indent, widths);
}
