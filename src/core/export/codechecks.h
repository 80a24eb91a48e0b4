#pragma once
// The validation lines about data that breaks the generated code: escapes the driver
// rejects or misreads, names written unescaped, files that overwrite each other, and the
// templates. They add to the report without touching what the export writes.
#include "export/exportencoding.h"
#include "model/roomlist.h"

#include <string>
#include <unordered_map>
#include <vector>

class TValidationReport;

// Which room writes each room file, in the order the export writes them.
class TFileNameOwners {
public:
    explicit TFileNameOwners(const TRoomList& area);
    // The room whose file this room's file overwrites (the one written just before it
    // under the same name), or none.
    const TRoom* Overwritten(const TRoom& room) const;

private:
    std::unordered_map<const TRoom*, const TRoom*> m_overwrites;
};

// The room's lines, after its other lines.
void CheckRoomCode(const TRoom& room, const TFileNameOwners& owners, TValidationReport& report);
// The area's lines, once each, after every room.
void CheckAreaCode(const TRoomList& area, TExportEncoding encoding, TValidationReport& report);
