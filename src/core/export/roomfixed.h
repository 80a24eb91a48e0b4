#pragma once
// A room file of the fixed layout ("to .c files").
#include "export/codewriter.h"
#include "export/exportcontext.h"
#include "model/room.h"

// The whole file: header lines, include, the area's FileHeader, then create() with every
// section. The room's own script plays no part here.
void WriteRoomFixed(TCodeWriter& out, const TExportContext& ctx, const TRoom& room);
