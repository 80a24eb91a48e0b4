// dump and build: the area file as JSON and back.
#include "cli/areajson.h"
#include "cli/commands.h"
#include "files/areafile.h"
#include "files/inputfile.h"
#include "files/loadablesave.h"
#include "kberror.h"

#include <iostream>
#include <utility>

int CmdDump(const TCliArgs& args, std::ostream& out)
{
    args.Expect(1);
    const TTextCodec codec(args.Encoding());
    const std::string compressed = ReadWholeFile(args.Positional[0]);
    // A first reading checks the whole file, so that a damaged one writes nothing, and finds
    // whether its rooms are stored in position order, the order of a loaded area.
    TRoomList fields(0, 0);
    bool ordered = true, first = true;
    TRoom last;
    const int version = ReadAreaRoomByRoom(compressed, fields, [&](const TRoom& room) {
        ordered = ordered && (first || !PositionLess(room, last));
        first = false;
        last.X = room.X;
        last.Y = room.Y;
    });
    fields.FileName = args.Positional[0];
    if (ordered) {
        TRoomList again(0, 0);
        TAreaJsonWriter writer(out, fields, version, codec);
        ReadAreaRoomByRoom(compressed, again, [&](const TRoom& room) { writer.Room(room); });
        writer.Finish(fields.DefaultRooms);
    } else {
        // Rooms stored out of order (files of other writers) are sorted as loading sorts them.
        TRoomList area(0, 0);
        LoadAreaFromCompressed(compressed, area);
        TAreaJsonWriter writer(out, fields, version, codec);
        for (int i = 0; i < area.Count(); ++i)
            writer.Room(std::as_const(area)[i]);
        writer.Finish(fields.DefaultRooms);
    }
    out << "\n";
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
