#include "export/areaheader.h"

#include "export/fileheader.h"

std::string AreaHeaderFileName(const std::string& areaName) { return areaName + ".h"; }

void WriteAreaHeader(TCodeWriter& out, const TExportContext& ctx)
{
    WriteFileHeader(out, ctx.Date);
    out.Line("#ifndef __" + ctx.AreaName + "_H__");
    out.Line("#define __" + ctx.AreaName + "_H__");
    out.EndLine();
    out.Line("#include <weather_types.h>");
    out.EndLine();
    out.Line("#define AREA_NAME \"" + ctx.AreaName + "\"");
    out.Line("#define CLIMATE CLIMATE_TEMPERATE");
    out.Line("#define CLIMATEI CLIMATE_INDOORS");
    out.Line("#define RAIN RAIN_MEDIATE");
    out.EndLine();
    for (const TAreaTypeConstant& c : ctx.AreaTypes.List())
        out.Line("#define " + c.Name + " " + c.Value);
    out.EndLine();
    for (const TLightConstants& kind : ctx.Lights) {
        for (const TLightConstant& c : kind.List())
            out.Line("#define " + c.Name + " " + std::to_string(c.Level));
        out.EndLine();
    }
    out.Line("#endif");
}
