#include "export/validation.h"

#include "export/codechecks.h"
#include "model/text.h"

#include <algorithm>

std::string TReportLine::Text() const
{
    if (AreaWide)
        return std::string(Kind == TReportKind::Error ? "ERROR: " : "Warning: ") + " Area: " + Message;
    return std::string(Kind == TReportKind::Error ? "ERROR: " : "Warning: ") + " Room: " + std::to_string(Number) +
           " (" + std::to_string(X) + ":" + std::to_string(Y) + ") " + Message;
}

namespace {
// Lines of one kind differ only in what stands between their first and last double quote
// (names and texts of the room's data) and in numbers.
std::string KindKey(TReportKind kind, const std::string& message)
{
    std::string key(1, kind == TReportKind::Error ? 'E' : 'W');
    const size_t first = message.find('"');
    const size_t last = message.rfind('"');
    for (size_t i = 0; i < message.size(); ++i) {
        if (first != std::string::npos && i > first && i < last)
            continue;
        if (message[i] < '0' || message[i] > '9')
            key += message[i];
    }
    return key;
}

std::string MoreLinesText(long long n) { return std::to_string(n) + (n == 1 ? " more line" : " more lines"); }
} // namespace

void TValidationReport::Keep(TReportLine line)
{
    ++m_found;
    m_errors = m_errors || line.Kind == TReportKind::Error;
    // One place is left for the line that counts what is not shown.
    if (m_lines.size() + 1 >= static_cast<size_t>(MaxReportLines)) {
        ++m_pastCap;
        return;
    }
    m_lines.push_back(std::move(line));
}

void TValidationReport::AddReportLine(const TRoom& room, TReportKind kind, std::string message)
{
    std::string key = KindKey(kind, message);
    auto it = std::find_if(m_roomKinds.begin(), m_roomKinds.end(), [&](const TRoomKind& k) { return k.Key == key; });
    if (it == m_roomKinds.end())
        it = m_roomKinds.insert(m_roomKinds.end(), {std::move(key), kind, 0, message});
    if (++it->Found <= MaxRoomLinesOfAKind)
        Keep({kind, room.Number, room.X, room.Y, std::move(message)});
}

void TValidationReport::EndRoom(const TRoom& room)
{
    std::vector<TRoomKind> kinds = std::move(m_roomKinds);
    m_roomKinds.clear();
    for (const TRoomKind& k : kinds)
        if (k.Found > MaxRoomLinesOfAKind) {
            const long long more = k.Found - MaxRoomLinesOfAKind;
            Keep({k.Kind, room.Number, room.X, room.Y, MoreLinesText(more) + " like: " + k.First});
            m_found += more - 1; // the counting line stands for them
        }
}

void TValidationReport::AddAreaLine(TReportKind kind, std::string message)
{
    Keep({kind, 0, 0, 0, std::move(message), true});
}

void TValidationReport::EndReport()
{
    if (m_pastCap == 0)
        return;
    m_lines.push_back({m_errors ? TReportKind::Error : TReportKind::Warning, 0, 0, 0,
                       MoreLinesText(m_pastCap) + " not shown: the report keeps the first " +
                           std::to_string(MaxReportLines - 1) + ".",
                       true});
    m_pastCap = 0;
}

std::string TValidationReport::Summary() const
{
    if (m_found == 0)
        return "Excellent, no errors or warnings found.";
    if (m_found == 1)
        return "Only one possible problem found.";
    return std::to_string(m_found) + " possible problems found.";
}

namespace {
bool HasLongDescription(const TRoom& room)
{
    for (const TRoomDescription& d : room.Descriptions)
        if (!IsBlankLines(d.Text))
            return true;
    return false;
}

bool HasAnyExit(const TRoom& room)
{
    if (!room.Exits.empty())
        return true;
    for (const TGridPoint& link : room.CompassLinks)
        if (link.X != 0 || link.Y != 0)
            return true;
    return false;
}

void ValidateRoom(const TRoom& room, TValidationReport& report)
{
    if (IsBlankText(room.FileName))
        report.AddReportLine(room, TReportKind::Error, "Missing filename!");
    if (IsBlankText(room.Short))
        report.AddReportLine(room, TReportKind::Error, "Missing short description!");
    if (!HasLongDescription(room))
        report.AddReportLine(room, TReportKind::Error, "Missing long description!");
    if (room.AreaTypes == 0)
        report.AddReportLine(room, TReportKind::Error, "Missing Area Type!");
    for (const TItem& item : room.Items)
        if (IsBlankLines(item.Description) && item.ID != "default")
            report.AddReportLine(room, TReportKind::Error, "Item \"" + item.ID + "\" is missing description!");
    if (room.Items.empty())
        report.AddReportLine(room, TReportKind::Warning, "No items defined, you should add some.");
    if (!HasAnyExit(room))
        report.AddReportLine(room, TReportKind::Warning, "No exits, is it correct?");
}

// For each room in the area's order, another room of the same number (the first of them
// in that order), or none.
std::vector<const TRoom*> NumberSharers(const TRoomList& area)
{
    std::vector<int> order(static_cast<size_t>(area.Count()));
    for (int i = 0; i < area.Count(); ++i)
        order[static_cast<size_t>(i)] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return area[a].Number < area[b].Number; });
    std::vector<const TRoom*> sharers(order.size(), nullptr);
    for (size_t start = 0; start < order.size();) {
        size_t end = start + 1;
        while (end < order.size() && area[order[end]].Number == area[order[start]].Number)
            ++end;
        if (end - start > 1)
            for (size_t k = start; k < end; ++k)
                sharers[static_cast<size_t>(order[k])] = &area[order[k == start ? start + 1 : start]];
        start = end;
    }
    return sharers;
}
} // namespace

TValidationReport ValidateArea(const TRoomList& area, TExportEncoding encoding)
{
    TValidationReport report;
    const TFileNameOwners owners(area);
    const std::vector<const TRoom*> sharers = NumberSharers(area);
    for (int i = 0; i < area.Count(); ++i) {
        const TRoom& room = area[i];
        ValidateRoom(room, report);
        CheckRoomCode(room, owners, report);
        if (const TRoom* other = sharers[static_cast<size_t>(i)])
            report.AddReportLine(room, TReportKind::Error,
                                 "Number is also the number of the room at (" + std::to_string(other->X) + ":" +
                                     std::to_string(other->Y) + ")!");
        report.EndRoom(room);
    }
    CheckAreaCode(area, encoding, report);
    report.EndReport();
    return report;
}

TRoom* ReportRoom(TRoomList& area, const TReportLine& line)
{
    if (line.AreaWide)
        return nullptr;
    TRoom* room = area.RoomAt(line.X, line.Y);
    return room && room->Number == line.Number ? room : nullptr;
}
