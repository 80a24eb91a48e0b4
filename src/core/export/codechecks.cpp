#include "export/codechecks.h"

#include "export/exportrun.h"
#include "export/scriptexpansion.h"
#include "export/validation.h"
#include "model/text.h"
#include "model/utf8text.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {
// What the escapes of one quoted text do to the string the driver reads. The export writes
// backslashes as they are and puts one before each double quote.
struct TEscapeFindings {
    bool BrokenString = false;  // an unpaired backslash at a line end or before a quote
    bool CutOff = false;        // \0
    std::string Control;        // the first \a or \b
    std::string Rejected;       // the first \8, \9, or \x, \u, \U without hex digits
    bool RejectedWantsHex = false;
};

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

bool IsZeroOctal(std::string_view s, size_t at)
{
    for (size_t k = at; k < s.size() && k < at + 3 && s[k] >= '0' && s[k] <= '7'; ++k)
        if (s[k] != '0')
            return false;
    return true;
}

void ScanLine(std::string_view s, TEscapeFindings& f)
{
    for (size_t i = 0; i < s.size();) {
        if (s[i] != '\\') {
            ++i;
            continue;
        }
        if (i + 1 == s.size()) {
            f.BrokenString = true;
            return;
        }
        const char c = s[i + 1];
        const std::string escape = {'\\', c};
        if (c == '"')
            f.BrokenString = true;
        else if (c == '0' && IsZeroOctal(s, i + 1))
            f.CutOff = true;
        else if ((c == 'a' || c == 'b') && f.Control.empty())
            f.Control = escape;
        else if ((c == '8' || c == '9') && f.Rejected.empty())
            f.Rejected = escape;
        else if ((c == 'x' || c == 'u' || c == 'U') && (i + 2 == s.size() || !IsHexDigit(s[i + 2])) &&
                 f.Rejected.empty()) {
            f.Rejected = escape;
            f.RejectedWantsHex = true;
        }
        i += 2; // a pair, so that \\ is one backslash
    }
}

void CheckQuotedText(const TRoom& room, const std::string& label, const TStrings& lines, TValidationReport& report)
{
    TEscapeFindings f;
    for (const std::string& line : lines)
        ScanLine(line, f);
    const auto warn = [&](const std::string& what) { report.AddReportLine(room, TReportKind::Warning, label + what); };
    if (f.BrokenString)
        warn(" has a backslash at a line end or before a double quote, which breaks the string in the code.");
    if (f.CutOff)
        warn(" has \"\\0\", which cuts the text off.");
    if (!f.Control.empty())
        warn(" has \"" + f.Control + "\", which becomes a control character.");
    if (!f.Rejected.empty())
        warn(" has \"" + f.Rejected + "\"" + (f.RejectedWantsHex ? " without hex digits" : "") +
             ", which the driver rejects.");
}

const char* const kSenseWords[TItem::SenseCount] = {"Description", "Listen text", "Smell text",
                                                    "Touch text",  "Search text", "Read text"};

bool IsWrittenDescription(const TRoomDescription& d) { return d.Name == "Long" || d.Name == "Night Long"; }

// Calls f(label, lines) for every text the export writes between double quotes.
template <typename F>
void ForEachQuotedText(const TRoom& room, F&& f)
{
    f("Short description", TStrings{room.Short});
    for (const TRoomDescription& d : room.Descriptions)
        if (IsWrittenDescription(d))
            f(d.Name + " description", d.Text);
    for (const TItem& item : room.Items) {
        const std::string of = " of item \"" + item.ID + "\"";
        f("Item \"" + item.ID + "\"", TStrings{item.ID});
        for (const std::string& synonym : item.Synonyms)
            if (!IsBlankText(synonym))
                f("Synonym \"" + synonym + "\"" + of, TStrings{synonym});
        for (int k = 0; k < TItem::SenseCount; ++k)
            f(kSenseWords[k] + of, item.Sense(k));
    }
}

bool IsWrittenExit(const TExit& exit) { return exit.Kind != ekNone; }

bool HasQuoteOrBackslash(const std::string& s) { return s.find_first_of("\"\\") != std::string::npos; }

bool AnyNonAscii(const TStrings& lines)
{
    return std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return !IsAscii(l); });
}

bool RoomHasNonAscii(const TRoom& room)
{
    bool found = !IsAscii(room.FileName) || (room.ScriptEnabled && AnyNonAscii(room.Script));
    for (const TExit& exit : room.Exits)
        found = found || (IsWrittenExit(exit) && !IsAscii(exit.ID));
    if (!found)
        ForEachQuotedText(room, [&](const std::string&, const TStrings& lines) { found = found || AnyNonAscii(lines); });
    return found;
}

// The area header defines these, and the constant names of the area types and lights.
bool IsHeaderConstant(std::string_view word)
{
    static constexpr std::array<std::string_view, 4> kNames = {"AREA_NAME", "CLIMATE", "CLIMATEI", "RAIN"};
    if (std::find(kNames.begin(), kNames.end(), word) != kNames.end())
        return true;
    if (word.starts_with("MYAREA") && (word.size() == 6 || word[6] == '_'))
        return true;
    return word.starts_with("DAYLIGHT_") || word.starts_with("NIGHTLIGHT_") || word.starts_with("AMBIENTLIGHT_");
}

bool IsWordChar(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'; }

bool UsesHeaderConstant(const std::string& line)
{
    switch (PlaceholderOf(line)) {
    case TPlaceholder::AreaName:
    case TPlaceholder::AreaTypeCons:
    case TPlaceholder::LightsCons: return true;
    case TPlaceholder::None: break;
    default: return false;
    }
    for (size_t i = 0; i < line.size();) {
        size_t end = i;
        while (end < line.size() && IsWordChar(line[end]))
            ++end;
        if (end > i && IsHeaderConstant(std::string_view(line).substr(i, end - i)))
            return true;
        i = end + 1;
    }
    return false;
}

// The first $_NAME_$ on the line, or empty.
std::string PlaceholderLike(const std::string& line)
{
    for (size_t i = line.find("$_"); i != std::string::npos; i = line.find("$_", i + 1)) {
        size_t end = i + 2;
        while (end < line.size() && IsWordChar(line[end]))
            ++end;
        if (end < line.size() && line[end] == '$' && end > i + 2 && line[end - 1] == '_')
            return line.substr(i, end + 1 - i);
    }
    return {};
}

void Warn(TValidationReport& report, std::string message) { report.AddAreaLine(TReportKind::Warning, std::move(message)); }
} // namespace

TFileNameOwners::TFileNameOwners(const TRoomList& area)
{
    // The export writes in ascending number, rooms of one number in position order.
    std::vector<const TRoom*> order;
    order.reserve(static_cast<size_t>(area.Count()));
    for (int i = 0; i < area.Count(); ++i)
        if (!IsBlankText(area[i].FileName))
            order.push_back(&area[i]);
    std::stable_sort(order.begin(), order.end(), [](const TRoom* a, const TRoom* b) { return a->Number < b->Number; });
    std::unordered_map<std::string, const TRoom*> last;
    for (const TRoom* room : order) {
        const TRoom*& writer = last[RoomSourceFileName(*room)];
        if (writer)
            m_overwrites[room] = writer;
        writer = room;
    }
}

const TRoom* TFileNameOwners::Overwritten(const TRoom& room) const
{
    const auto it = m_overwrites.find(&room);
    return it == m_overwrites.end() ? nullptr : it->second;
}

void CheckRoomCode(const TRoom& room, const TFileNameOwners& owners, TValidationReport& report)
{
    if (HasQuoteOrBackslash(room.FileName))
        report.AddReportLine(room, TReportKind::Warning,
                             "Filename has a double quote or backslash, which the code writes unescaped.");
    if (const TRoom* earlier = owners.Overwritten(room))
        report.AddReportLine(room, TReportKind::Warning,
                             "Writes the same file \"" + RoomSourceFileName(room) + "\" as room " +
                                 std::to_string(earlier->Number) + " and overwrites it.");
    ForEachQuotedText(room, [&](const std::string& label, const TStrings& lines) {
        CheckQuotedText(room, label, lines, report);
    });
    for (const TExit& exit : room.Exits)
        if (IsWrittenExit(exit) && HasQuoteOrBackslash(exit.ID))
            report.AddReportLine(room, TReportKind::Warning,
                                 "Exit \"" + exit.ID + "\" has a double quote or backslash, which the code writes unescaped.");
}

void CheckAreaCode(const TRoomList& area, TExportEncoding encoding, TValidationReport& report)
{
    if (IsBlankLines(area.FileHeader))
        Warn(report, "File header is empty: the room files of the fixed layout inherit nothing and room::create() fails.");
    if (!TemplateIncludesHeader(area.ScriptTemplate) &&
        std::any_of(area.ScriptTemplate.begin(), area.ScriptTemplate.end(), UsesHeaderConstant))
        Warn(report, "Script template uses the area header's constants without a $_INCLUDE_H_$ line, so they are "
                     "undefined.");
    for (size_t i = 0; i < area.ScriptTemplate.size(); ++i) {
        const std::string& line = area.ScriptTemplate[i];
        const std::string token = PlaceholderLike(line);
        if (!token.empty() && PlaceholderOf(line) == TPlaceholder::None)
            Warn(report, "Script template line " + std::to_string(i + 1) + ": \"" + token +
                             "\" is not a known placeholder alone on its line and stays in the code as it is.");
    }
    if (encoding != TExportEncoding::CodePage)
        return;
    std::string where;
    if (AnyNonAscii(area.FileHeader))
        where = "the file header";
    else if (AnyNonAscii(area.ScriptTemplate))
        where = "the script template";
    for (int i = 0; i < area.Count() && where.empty(); ++i)
        if (RoomHasNonAscii(area[i]))
            where = "room " + std::to_string(area[i].Number);
    if (!where.empty())
        Warn(report, "Text outside ASCII (first in " + where +
                         ") is exported as 8-bit bytes, which current drivers reject; use the UTF-8 export option.");
}
