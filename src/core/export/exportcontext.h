#pragma once
// The values of one export run: where it writes, the area name, the rooms in number order,
// the constant lists, the wrapping widths and the date. They live only while the run lasts.
#include "export/constants.h"
#include "export/wrap.h"
#include "model/roomlist.h"

#include <string>
#include <vector>

struct TExportContext {
    const TRoomList* Area = nullptr;
    std::string OutputDirectory;
    std::string AreaName;
    std::vector<const TRoom*> RoomsByNumber;
    TAreaTypeConstants AreaTypes;
    TLightConstants Lights[LightKindCount];
    TWrapWidths Wrap;
    std::string Date;

    // The room of that number (the first, should numbers repeat), or none.
    const TRoom* RoomByNumber(int32_t number) const;
};

// The last component of the directory: forest for /areas/forest (trailing separators do
// not count; . and .. stand for the directory they name).
std::string AreaNameOf(const std::string& outputDirectory);

// The run's values for the area as it is now. The area must be in position order, which
// the exits' cell lookups need, and must not change while the context is used.
TExportContext MakeExportContext(const TRoomList& area, const std::string& outputDirectory);
