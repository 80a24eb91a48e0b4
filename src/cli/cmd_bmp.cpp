// bmp: the map picture as the editor exports it (only with the Qt parts built).
#ifdef KB_HAVE_RENDER
#include "cli/commands.h"
#include "files/areafile.h"
#include "kberror.h"
#include "render/mappainter.h"

#include <iostream>

namespace {
int ParseChoice(const TCliArgs& args, const std::string& option, const std::string& def, std::initializer_list<int> allowed)
{
    const std::string text = args.Option(option, def);
    for (int value : allowed)
        if (text == std::to_string(value))
            return value;
    throw ECliUsage("Invalid value '" + text + "' for " + option + ".");
}
} // namespace

int CmdBmp(const TCliArgs& args, std::ostream& out)
{
    args.Expect(2);
    const int zoom = ParseChoice(args, "--zoom", "100", {25, 50, 75, 100, 150, 200, 300, 400});
    const int depth = ParseChoice(args, "--depth", "4", {4, 8});
    TRoomList area(0, 0);
    LoadArea(args.Positional[0], area);

    TMapViewOptions options;
    // Above 100% a picture larger than the editor would draw steps down, as in the editor.
    const int fitting = ZoomLevels()[FittingZoomIndex(ZoomIndexOf(zoom), area.Width, area.Height)];
    if (fitting != zoom)
        std::cerr << "The picture is too large at " << zoom << "%; written at " << fitting << "%.\n";
    options.ZoomPercent = fitting;
    options.Grid = !args.Flag("--no-grid");
    options.RoomCenters = !args.Flag("--no-centers");
    options.RoomFill = !args.Flag("--no-fill");
    ExportMapPicture(area, options, depth, args.Positional[1]);
    (void)out;
    return exitDone;
}
#endif
