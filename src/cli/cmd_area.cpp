// dump and build: the area file as JSON and back.
#include "cli/areajson.h"
#include "cli/commands.h"
#include "files/areafile.h"
#include "files/inputfile.h"
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
    const std::string text = ReadWholeFile(args.Positional[0]);
    nlohmann::json j;
    try {
        j = nlohmann::json::parse(text);
    } catch (const nlohmann::json::exception& e) {
        throw EKbError("Cannot read \"" + args.Positional[0] + "\": " + e.what());
    }
    TRoomList area(0, 0);
    AreaFromJson(j, area, codec);
    // The editor always carries ten template rooms; a file with fewer would gain them on loading.
    while (area.DefaultRooms.Count() < 10)
        area.DefaultRooms.Add(std::make_unique<TRoom>());
    SaveArea(args.Positional[1], area);
    (void)out;
    return exitDone;
}
