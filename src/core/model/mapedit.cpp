#include "model/mapedit.h"

TBuildResult BuildRoom(TRoomList& area, TGridPoint cell, const TRoom* templateRoom)
{
    auto room = std::make_unique<TRoom>();
    room->X = cell.X;
    room->Y = cell.Y;
    area.NewRoomCreated(*room, templateRoom);

    // Lines in the order WE, NS, SWNE, NWSE; a line is split when its first room links to the second.
    const TLinkLine lines[] = {TLinkLine::WE, TLinkLine::NS, TLinkLine::SWNE, TLinkLine::NWSE};
    bool split[4] = {};
    for (int i = 0; i < 4; ++i) {
        TGridPoint b, f;
        bool found = false;
        TDirection dir = dirE;
        switch (lines[i]) {
        case TLinkLine::WE: found = area.ScanWE(cell.X, cell.Y, b, f); dir = dirE; break;
        case TLinkLine::NS: found = area.ScanNS(cell.X, cell.Y, b, f); dir = dirS; break;
        case TLinkLine::SWNE: found = area.ScanSWNE(cell.X, cell.Y, b, f); dir = dirNE; break;
        case TLinkLine::NWSE: found = area.ScanNWSE(cell.X, cell.Y, b, f); dir = dirSE; break;
        default: break;
        }
        if (found && area.RoomAt(b)->CompassLinks[dir].X == f.X) {
            split[i] = true;
            LinkLine(area, lines[i], cell, false);
        }
    }

    TBuildResult result;
    result.Room = area.Add(std::move(room));
    area.Modified = true;
    const int32_t x = cell.X, y = cell.Y;
    for (int i = 0; i < 4; ++i) {
        if (!split[i])
            continue;
        result.SplitLinks = true;
        switch (lines[i]) {
        case TLinkLine::WE: area.LinkWE(x - 1, y, true); area.LinkWE(x + 1, y, true); break;
        case TLinkLine::NS: area.LinkNS(x, y - 1, true); area.LinkNS(x, y + 1, true); break;
        case TLinkLine::SWNE: area.LinkSWNE(x - 1, y + 1, true); area.LinkSWNE(x + 1, y - 1, true); break;
        case TLinkLine::NWSE: area.LinkNWSE(x - 1, y - 1, true); area.LinkNWSE(x + 1, y + 1, true); break;
        default: break;
        }
    }
    return result;
}

std::unique_ptr<TRoom> EraseRoom(TRoomList& area, TRoom* room)
{
    const int32_t x = room->X, y = room->Y;
    // Order east, west, north, south, north-west, north-east, south-east, south-west.
    if (room->HasLink(dirE)) area.LinkWE(x + 1, y, false);
    if (room->HasLink(dirW)) area.LinkWE(x - 1, y, false);
    if (room->HasLink(dirN)) area.LinkNS(x, y - 1, false);
    if (room->HasLink(dirS)) area.LinkNS(x, y + 1, false);
    if (room->HasLink(dirNW)) area.LinkNWSE(x - 1, y - 1, false);
    if (room->HasLink(dirNE)) area.LinkSWNE(x + 1, y - 1, false);
    if (room->HasLink(dirSE)) area.LinkNWSE(x + 1, y + 1, false);
    if (room->HasLink(dirSW)) area.LinkSWNE(x - 1, y + 1, false);
    std::unique_ptr<TRoom> taken = area.Remove(room);
    if (taken)
        area.RoomErased(*taken);
    area.Modified = true;
    return taken;
}

bool LinkLine(TRoomList& area, TLinkLine line, TGridPoint cell, bool link)
{
    switch (line) {
    case TLinkLine::WE: return area.LinkWE(cell.X, cell.Y, link);
    case TLinkLine::NS: return area.LinkNS(cell.X, cell.Y, link);
    case TLinkLine::NWSE: return area.LinkNWSE(cell.X, cell.Y, link);
    case TLinkLine::SWNE: return area.LinkSWNE(cell.X, cell.Y, link);
    default: return false;
    }
}

TLinkLine ConnectorLine(const TRoomList& area, TGridPoint cell, bool ctrl)
{
    const bool xOdd = cell.X % 2 != 0, yOdd = cell.Y % 2 != 0;
    TGridPoint b, f;
    if (xOdd && yOdd)
        return TLinkLine::None;
    if (xOdd)
        return area.ScanNS(cell.X, cell.Y, b, f) ? TLinkLine::NS : TLinkLine::None;
    if (yOdd)
        return area.ScanWE(cell.X, cell.Y, b, f) ? TLinkLine::WE : TLinkLine::None;
    const bool nwse = area.ScanNWSE(cell.X, cell.Y, b, f);
    const bool swne = area.ScanSWNE(cell.X, cell.Y, b, f);
    if ((nwse && !swne) || ctrl)
        return TLinkLine::NWSE;
    return swne ? TLinkLine::SWNE : TLinkLine::None;
}
