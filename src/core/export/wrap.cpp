#include "export/wrap.h"

namespace {
void WriteEscaped(TCodeWriter& out, std::string_view text)
{
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            out.Write(text.substr(start, i - start));
            out.Write("\\\"");
            start = i + 1;
        }
    }
    out.Write(text.substr(start));
}

void WriteQuotedRow(TCodeWriter& out, std::string_view row)
{
    out.Write('"');
    WriteEscaped(out, row);
    out.Write('"');
}

std::string WithoutLineBreaks(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        else
            s.push_back(text[i]);
    }
    return s;
}

// Length of the next chunk: up to and including the earliest break character or typed \n.
size_t ChunkLength(std::string_view rest)
{
    for (size_t i = 0; i < rest.size(); ++i) {
        switch (rest[i]) {
        case ' ':
        case '.':
        case '?':
        case '!':
        case ',':
            return i + 1;
        case '\\':
            if (i + 1 < rest.size() && rest[i + 1] == 'n')
                return i + 2;
            break;
        default:
            break;
        }
    }
    return rest.size();
}

bool EndsWithTypedNewline(std::string_view row)
{
    return row.size() >= 2 && row[row.size() - 2] == '\\' && row[row.size() - 1] == 'n';
}
} // namespace

std::string EscapeQuotes(std::string_view text)
{
    TCodeWriter w;
    WriteEscaped(w, text);
    return w.Bytes();
}

void WriteWrapped(TCodeWriter& out, std::string_view text, std::string_view tail, int indent,
                  const TWrapWidths& widths)
{
    const std::string joined = WithoutLineBreaks(text);
    std::string_view rest = joined;
    // The row is always the span of the joined text just before the rest.
    size_t rowLength = 0;
    auto row = [&] { return std::string_view(rest.data() - rowLength, rowLength); };
    bool first = true;
    const int64_t w1 = widths.First, w2 = widths.Other;
    do {
        const size_t c = ChunkLength(rest);
        const bool force = EndsWithTypedNewline(row());
        if (first && (static_cast<int64_t>(rowLength + c) > w1 || force)) {
            WriteQuotedRow(out, row());
            out.EndLine();
            first = false;
            rowLength = 0;
        }
        if (static_cast<int64_t>(rowLength + c) + indent > w2 || force) {
            out.Spaces(indent);
            WriteQuotedRow(out, row());
            out.EndLine();
            rowLength = 0;
        }
        rowLength += c;
        rest.remove_prefix(c);
    } while (!rest.empty());
    if (!first)
        out.Spaces(indent);
    WriteQuotedRow(out, row());
    out.Write(tail);
    out.EndLine();
}
