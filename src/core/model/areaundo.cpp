#include "model/areaundo.h"

namespace {
std::shared_ptr<const TRoom> Share(const TRoom& live, const std::shared_ptr<const TRoom>* candidate)
{
    if (candidate && **candidate == live)
        return *candidate;
    return std::make_shared<const TRoom>(live);
}
} // namespace

std::shared_ptr<const TAreaSnapshot> TAreaUndoTraits::Make(const TRoomList& area, const TAreaSnapshot* previous)
{
    auto snap = std::make_shared<TAreaSnapshot>();
    snap->Fields = area;
    snap->Rooms = area.RecordRooms();
    snap->RoomsInPositionOrder = area.InPositionOrder();
    // The default rooms are few and public: compared with the previous snapshot's.
    for (int i = 0; i < area.DefaultRooms.Count(); ++i) {
        const TRoom& r = area.DefaultRooms[i];
        const bool have = previous && i < static_cast<int>(previous->DefaultRooms.size());
        snap->DefaultRooms.push_back(Share(r, have ? &previous->DefaultRooms[i] : nullptr));
    }
    return snap;
}

void TAreaUndoTraits::Restore(const TAreaSnapshot& snapshot, TRoomList& area)
{
    static_cast<TAreaFields&>(area) = snapshot.Fields;
    area.RestoreRooms(snapshot.Rooms, snapshot.RoomsInPositionOrder);
    area.DefaultRooms.Clear();
    for (const auto& r : snapshot.DefaultRooms)
        area.DefaultRooms.Add(std::make_unique<TRoom>(*r));
    area.AutoSort = true;
}
