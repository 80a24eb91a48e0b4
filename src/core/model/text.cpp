#include "model/text.h"

std::string JoinLinesCRLF(const TStrings& lines)
{
    size_t n = 0;
    for (const auto& l : lines)
        n += l.size() + 2;
    std::string s;
    s.reserve(n);
    for (const auto& l : lines) {
        s += l;
        s += "\r\n";
    }
    return s;
}

TStrings SplitLines(const std::string& text)
{
    TStrings out;
    size_t start = 0;
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out.emplace_back(text, start, i - start);
            if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        out.emplace_back(text, start, n - start);
    return out;
}

std::string TrimControl(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32)
        --e;
    return s.substr(b, e - b);
}

bool IsBlankText(const std::string& s)
{
    for (unsigned char c : s)
        if (c > 32)
            return false;
    return true;
}

bool IsBlankLines(const TStrings& lines)
{
    for (const auto& l : lines)
        if (!IsBlankText(l))
            return false;
    return true;
}

std::string AsciiUpper(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string StringsDescToString(const std::string& text)
{
    // Single pass equivalent of "take the first CR LF, maybe insert a space after it, delete it"
    // repeated until none is left: the neighbours of each pair are judged on the text as it
    // stands at that moment, i.e. with earlier pairs already removed.
    std::string out;
    out.reserve(text.size());
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') {
            const bool beforeOk = !out.empty() && out.back() != ' ';
            // The text after the first pair is still raw, so its next byte is what counts.
            const bool afterOk = i + 2 < n && text[i + 2] != ' ';
            if (beforeOk && afterOk)
                out += ' ';
            ++i;
            continue;
        }
        out += text[i];
    }
    return TrimControl(out);
}
