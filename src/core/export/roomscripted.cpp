#include "export/roomscripted.h"

#include "export/fileheader.h"
#include "export/scriptexpansion.h"

void WriteRoomScripted(TCodeWriter& out, const TExportContext& ctx, const TRoom& room)
{
    WriteFileHeader(out, ctx.Date);
    if (ctx.Area)
        ExpandScript(out, ctx, room, SelectScript(*ctx.Area, room));
}
