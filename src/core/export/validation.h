#pragma once
// The validation report: one line per missing or doubtful piece of data of a room, then
// the lines about the area as a whole.
#include "export/exportencoding.h"
#include "model/roomlist.h"

#include <cstdint>
#include <string>
#include <vector>

enum class TReportKind { Error, Warning };

struct TReportLine {
    TReportKind Kind = TReportKind::Error;
    // The room the line is about, by number and cell, so that a line whose room has gone
    // since cannot be followed.
    int32_t Number = 0;
    int32_t X = 0;
    int32_t Y = 0;
    std::string Message;
    // About the area's templates or all of its rooms: there is no room to follow.
    bool AreaWide = false;

    // "ERROR:  Room: 3 (1:3) Missing filename!", "Warning:  Area: ..."
    std::string Text() const;
};

// What a report keeps, so that a huge area gives a report one can read and hold: a room's
// lines of one kind (differing only in quoted names and numbers) after the first few, and all
// lines past the last, are only counted, and a line says how many.
constexpr int MaxRoomLinesOfAKind = 3;
constexpr int MaxReportLines = 10000;

class TValidationReport {
public:
    void AddReportLine(const TRoom& room, TReportKind kind, std::string message);
    void AddAreaLine(TReportKind kind, std::string message);
    // After a room's last line: the count of its lines of each kind not kept.
    void EndRoom(const TRoom& room);
    // After the last line: the count of lines past the cap.
    void EndReport();
    // The lines kept, with the lines telling how many more were found.
    const std::vector<TReportLine>& Lines() const { return m_lines; }
    int Count() const { return static_cast<int>(m_lines.size()); }
    bool HasErrors() const { return m_errors; }
    // The text of the message box that tells how many problems were found, all counted.
    std::string Summary() const;

private:
    void Keep(TReportLine line);

    std::vector<TReportLine> m_lines;
    long long m_found = 0;
    long long m_pastCap = 0;
    bool m_errors = false;
    // The current room's kinds: key, kind of report, lines found.
    struct TRoomKind {
        std::string Key;
        TReportKind Kind;
        long long Found;
        std::string First;
    };
    std::vector<TRoomKind> m_roomKinds;
};

// Checks every room in the area's order, then the area. The encoding is the one the export
// will write: only the code page leaves text outside ASCII to be rejected.
TValidationReport ValidateArea(const TRoomList& area, TExportEncoding encoding = TExportEncoding::CodePage);

// The line's room when a room of that number still stands on that cell, or none.
TRoom* ReportRoom(TRoomList& area, const TReportLine& line);
