#pragma once
// The map's building and erasing rules, kept apart from the widgets that trigger them.
#include "model/roomlist.h"

struct TBuildResult {
    TRoom* Room = nullptr;  // the new room, owned by the area
    bool SplitLinks = false; // a link passed over the cell and now runs through the room
};

// Builds a room on an empty cell: numbering and naming, the template's contents, and links
// that passed over the cell re-joined through the new room. Marks the area modified.
TBuildResult BuildRoom(TRoomList& area, TGridPoint cell, const TRoom* templateRoom);

// Unlinks all links of the room from both sides, takes it out of the area, gives its number
// back when it was the newest, and returns it (the caller destroys it).
std::unique_ptr<TRoom> EraseRoom(TRoomList& area, TRoom* room);

// Which line a click on a connector cell acts on.
enum class TLinkLine { None, WE, NS, NWSE, SWNE };
// Joins or separates the pair of rooms on the line through the cell.
bool LinkLine(TRoomList& area, TLinkLine line, TGridPoint cell, bool link);
// The line a click on a connector cell would act on: the pair searches, with SW-NE preferred
// on crossings unless ctrl asks for NW-SE.
TLinkLine ConnectorLine(const TRoomList& area, TGridPoint cell, bool ctrl);
