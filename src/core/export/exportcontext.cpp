#include "export/exportcontext.h"

#include "export/fileheader.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

const TRoom* TExportContext::RoomByNumber(int32_t number) const
{
    auto it = std::lower_bound(RoomsByNumber.begin(), RoomsByNumber.end(), number,
                               [](const TRoom* r, int32_t n) { return r->Number < n; });
    return it != RoomsByNumber.end() && (*it)->Number == number ? *it : nullptr;
}

std::string AreaNameOf(const std::string& outputDirectory)
{
    std::string dir = outputDirectory;
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    std::string name = fs::path(dir).filename().string();
    if (name == "." || name == "..") {
        std::error_code ec;
        const fs::path real = fs::weakly_canonical(fs::absolute(dir, ec), ec);
        if (!ec)
            name = real.filename().string();
    }
    return name;
}

TExportContext MakeExportContext(const TRoomList& area, const std::string& outputDirectory)
{
    TExportContext ctx;
    ctx.Area = &area;
    ctx.OutputDirectory = outputDirectory;
    ctx.AreaName = AreaNameOf(outputDirectory);
    ctx.Wrap = ExportWrapWidths(area.WrapFirst, area.WrapOther);
    ctx.Date = CurrentExportDate();
    ctx.RoomsByNumber.reserve(static_cast<size_t>(area.Count()));
    for (int i = 0; i < area.Count(); ++i)
        ctx.RoomsByNumber.push_back(&area[i]);
    // Stable, so that rooms of equal number keep their position order.
    std::stable_sort(ctx.RoomsByNumber.begin(), ctx.RoomsByNumber.end(),
                     [](const TRoom* a, const TRoom* b) { return a->Number < b->Number; });
    ctx.AreaTypes.Build(ctx.RoomsByNumber);
    for (int k = 0; k < LightKindCount; ++k)
        ctx.Lights[k].Build(ctx.RoomsByNumber, static_cast<TLightKind>(k));
    return ctx;
}
