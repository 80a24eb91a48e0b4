// dump and build: the area file as JSON and back.
#include "cli/areajson.h"
#include "cli/commands.h"
#include "files/areafile.h"
#include "files/inputfile.h"
#include "files/loadablesave.h"
#include "kberror.h"

#include <iostream>

int CmdDump(const TCliArgs& args, std::ostream& out)
{
    args.Expect(1);
    const TTextCodec codec(args.Encoding());
    TRoomList area(0, 0);
    const int version = LoadArea(args.Positional[0], area);
    out << AreaToJson(area, version, codec).dump(2) << "\n";
    return exitDone;
}

int CmdBuild(const TCliArgs& args, std::ostream& out)
{
    args.Expect(2);
    const TTextCodec codec(args.Encoding());
    TRoomList area(0, 0);
    AreaFromJsonText(ReadWholeFile(args.Positional[0]), args.Positional[0], area, codec);
    // The editor always carries ten template rooms; a file with fewer would gain them on loading.
    while (area.DefaultRooms.Count() < 10)
        area.DefaultRooms.Add(std::make_unique<TRoom>());
    NumberRoomsForSaving(area);
    std::string inflated = AreaToInflatedBytes(area);
    area.Clear(); // only the file image is needed from here on
    SaveLoadableArea(args.Positional[1], std::move(inflated));
    (void)out;
    return exitDone;
}
