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
    const auto& rooms = area.Rooms();
    snap->Rooms.reserve(rooms.size());
    if (!previous) {
        for (const auto& r : rooms)
            snap->Rooms.push_back(std::make_shared<const TRoom>(*r));
    } else {
        // Both lists are normally in position order: walk them side by side and pair rooms
        // standing on the same cell. Anything unpaired is copied.
        const auto& old = previous->Rooms;
        size_t j = 0;
        for (const auto& r : rooms) {
            while (j < old.size() && PositionLess(*old[j], *r))
                ++j;
            const bool sameCell = j < old.size() && old[j]->X == r->X && old[j]->Y == r->Y;
            snap->Rooms.push_back(Share(*r, sameCell ? &old[j] : nullptr));
            if (sameCell)
                ++j;
        }
    }
    for (int i = 0; i < area.DefaultRooms.Count(); ++i) {
        const TRoom& r = area.DefaultRooms[i];
        const bool have = previous && i < static_cast<int>(previous->DefaultRooms.size());
        snap->DefaultRooms.push_back(Share(r, have ? &previous->DefaultRooms[i] : nullptr));
    }
    return snap;
}

void TAreaUndoTraits::Restore(const TAreaSnapshot& snapshot, TRoomList& area)
{
    area.Clear();
    static_cast<TAreaFields&>(area) = snapshot.Fields;
    std::vector<std::unique_ptr<TRoom>> rooms;
    rooms.reserve(snapshot.Rooms.size());
    for (const auto& r : snapshot.Rooms)
        rooms.push_back(std::make_unique<TRoom>(*r));
    area.AdoptRooms(std::move(rooms));
    for (const auto& r : snapshot.DefaultRooms)
        area.DefaultRooms.Add(std::make_unique<TRoom>(*r));
    area.AutoSort = true;
}
