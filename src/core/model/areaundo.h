#pragma once
// The area's undo history. Snapshots hold rooms as immutable shared objects, so a room
// that did not change since the previous snapshot costs one pointer, not a copy, and the
// area tells which rooms may have changed, so a mark or an undo reads only those.
#include "model/roomlist.h"
#include "model/undohistory.h"

struct TAreaSnapshot {
    TAreaFields Fields;
    std::vector<std::shared_ptr<const TRoom>> Rooms;
    bool RoomsInPositionOrder = true;
    std::vector<std::shared_ptr<const TRoom>> DefaultRooms;
};

struct TAreaUndoTraits {
    using Document = TRoomList;
    using Snapshot = TAreaSnapshot;
    static std::shared_ptr<const TAreaSnapshot> Make(const TRoomList& area, const TAreaSnapshot* previous);
    static void Restore(const TAreaSnapshot& snapshot, TRoomList& area);
};

using TAUndoList = TUndoHistory<TAreaUndoTraits>;
