// The rooms' side of the area's undo history: what a mark shares and what an undo keeps.
#include "model/roomlist.h"

#include <unordered_map>

std::vector<std::shared_ptr<const TRoom>> TRoomList::RecordRooms() const
{
    std::vector<std::shared_ptr<const TRoom>> recorded;
    recorded.reserve(m_rooms.size());
    for (const TSlot& slot : m_rooms) {
        if (slot.Changed) {
            // Reached for writing is not always written: an equal room keeps its copy.
            if (!slot.Recorded || !(*slot.Recorded == *slot.Room))
                slot.Recorded = std::make_shared<const TRoom>(*slot.Room);
            slot.Changed = false;
        }
        recorded.push_back(slot.Recorded);
    }
    return recorded;
}

void TRoomList::RestoreRooms(const std::vector<std::shared_ptr<const TRoom>>& recorded, bool inPositionOrder)
{
    std::vector<TSlot> live = std::move(m_rooms);
    m_rooms.clear();
    m_rooms.reserve(recorded.size());
    auto holds = [&](size_t i, const std::shared_ptr<const TRoom>& copy) {
        return i < live.size() && live[i].Room && live[i].Recorded == copy;
    };
    // Rooms normally stand in the order they were recorded in: walk both side by side, step
    // over one room added, erased or edited since, and look the rest up by recorded copy.
    std::unordered_map<const TRoom*, size_t> byRecorded;
    bool indexed = false;
    size_t next = 0;
    for (size_t j = 0; j < recorded.size(); ++j) {
        const auto& copy = recorded[j];
        const std::shared_ptr<const TRoom>* following = j + 1 < recorded.size() ? &recorded[j + 1] : nullptr;
        while (next < live.size() && !live[next].Room)
            ++next;
        TSlot* match = nullptr;
        if (holds(next, copy)) {
            match = &live[next++];
        } else if (holds(next + 1, copy)) {
            // A room added since: it goes.
            ++next;
            match = &live[next++];
        } else if (following && holds(next, *following)) {
            // A room erased since: made anew below.
        } else if (next < live.size() && (following ? holds(next + 1, *following) : next + 1 == live.size())) {
            // The same place with other contents: the live object takes the recorded ones.
            match = &live[next++];
            match->Changed = true;
        } else {
            if (!indexed) {
                byRecorded.reserve(live.size() - next);
                for (size_t i = next; i < live.size(); ++i)
                    if (live[i].Recorded)
                        byRecorded.emplace(live[i].Recorded.get(), i);
                indexed = true;
            }
            if (auto it = byRecorded.find(copy.get()); it != byRecorded.end() && live[it->second].Room)
                match = &live[it->second];
        }
        if (!match) {
            m_rooms.emplace_back(std::make_unique<TRoom>(*copy), copy);
            continue;
        }
        if (match->Changed && !(*match->Room == *copy))
            *match->Room = *copy;
        match->Recorded = copy;
        match->Changed = false;
        m_rooms.push_back(std::move(*match));
    }
    if (inPositionOrder)
        m_positionOrdered = true;
    else
        SortByPosition();
}
