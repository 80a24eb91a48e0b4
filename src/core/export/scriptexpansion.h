#pragma once
// Room scripts: which template a room uses, the seventeen placeholder lines and their
// line-by-line expansion.
#include "export/codewriter.h"
#include "export/exportcontext.h"
#include "model/room.h"
#include "model/roomlist.h"

#include <string>

enum class TPlaceholder {
    None,
    IncludeH,
    AreaName,
    AreaTypeCons,
    AreaTypeValue,
    LightsCons,
    LightsValue,
    Short,
    Long,
    Items,
    Listen,
    Smell,
    Touch,
    Search,
    Read,
    ObvExits,
    Exits,
    Enters,
};

// The placeholder a template line stands for: the whole line, blanks and control
// characters around it ignored, letters in any case. Other text on the line makes it none.
TPlaceholder PlaceholderOf(const std::string& line);

// The room's own script when it is enabled and not blank, else the area's template.
const TStrings& SelectScript(const TRoomList& area, const TRoom& room);

// Whether some line of the template is $_INCLUDE_H_$; the script export writes the area
// header only then.
bool TemplateIncludesHeader(const TStrings& lines);

// #include "../AREANAME.h"
std::string AreaHeaderIncludeLine(const std::string& areaName);

// Writes the lines, each placeholder replaced by its section, every other line as it is.
void ExpandScript(TCodeWriter& out, const TExportContext& ctx, const TRoom& room, const TStrings& lines);
