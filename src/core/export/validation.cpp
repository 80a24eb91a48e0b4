#include "export/validation.h"

#include "export/codechecks.h"
#include "model/text.h"

std::string TReportLine::Text() const
{
    if (AreaWide)
        return std::string(Kind == TReportKind::Error ? "ERROR: " : "Warning: ") + " Area: " + Message;
    return std::string(Kind == TReportKind::Error ? "ERROR: " : "Warning: ") + " Room: " + std::to_string(Number) +
           " (" + std::to_string(X) + ":" + std::to_string(Y) + ") " + Message;
}

void TValidationReport::AddReportLine(const TRoom& room, TReportKind kind, std::string message)
{
    m_lines.push_back({kind, room.Number, room.X, room.Y, std::move(message)});
}

void TValidationReport::AddAreaLine(TReportKind kind, std::string message)
{
    m_lines.push_back({kind, 0, 0, 0, std::move(message), true});
}

bool TValidationReport::HasErrors() const
{
    for (const TReportLine& line : m_lines)
        if (line.Kind == TReportKind::Error)
            return true;
    return false;
}

std::string TValidationReport::Summary() const
{
    if (m_lines.empty())
        return "Excellent, no errors or warnings found.";
    if (m_lines.size() == 1)
        return "Only one possible problem found.";
    return std::to_string(m_lines.size()) + " possible problems found.";
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
} // namespace

TValidationReport ValidateArea(const TRoomList& area, TExportEncoding encoding)
{
    TValidationReport report;
    const TFileNameOwners owners(area);
    for (int i = 0; i < area.Count(); ++i) {
        ValidateRoom(area[i], report);
        CheckRoomCode(area[i], owners, report);
    }
    CheckAreaCode(area, encoding, report);
    return report;
}

TRoom* ReportRoom(TRoomList& area, const TReportLine& line)
{
    if (line.AreaWide)
        return nullptr;
    TRoom* room = area.RoomAt(line.X, line.Y);
    return room && room->Number == line.Number ? room : nullptr;
}
