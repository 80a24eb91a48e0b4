#pragma once
// A room file of the script export ("Using Script1").
#include "export/codewriter.h"
#include "export/exportcontext.h"
#include "model/room.h"

// The header lines, then the expansion of the room's script or the area's template.
void WriteRoomScripted(TCodeWriter& out, const TExportContext& ctx, const TRoom& room);
