#include "export/roomfixed.h"

#include "export/fileheader.h"
#include "export/scriptexpansion.h"
#include "export/sections.h"

void WriteRoomFixed(TCodeWriter& out, const TExportContext& ctx, const TRoom& room)
{
    WriteFileHeader(out, ctx.Date);
    out.EndLine();
    out.Line(AreaHeaderIncludeLine(ctx.AreaName));
    out.EndLine();
    if (ctx.Area)
        for (const std::string& line : ctx.Area->FileHeader)
            out.Line(line);
    out.EndLine();
    out.Line("protected void create() {");
    out.Line("  room::create();");
    WriteAreaNameSection(out);
    out.Line("  SetClimate(CLIMATE);");
    out.Line("  SetRainType(RAIN);");
    WriteAreaTypeSection(out, ctx, room, true);
    out.EndLine();
    WriteLightsSection(out, room, true);
    out.EndLine();
    WriteShortSection(out, room);
    WriteLongSection(out, ctx, room);
    WriteItemsSection(out, ctx, room);
    for (TSense sense : {snListen, snSmell, snTouch, snSearch, snRead})
        WriteSenseSection(out, ctx, room, sense);
    WriteObviousExitsSection(out, room);
    WriteExitsSection(out, ctx, room);
    WriteEntersSection(out, ctx, room);
    out.EndLine();
    out.Line("}");
    out.EndLine();
}
