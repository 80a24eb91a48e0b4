#include "gui/document/defaultrooms.h"

#include <algorithm>

TDefaultRooms::TDefaultRooms()
{
    for (int i = 0; i < SlotCount; ++i)
        DefaultRoomSlots.Add(std::make_unique<TRoom>());
}

void TDefaultRooms::Select(int index)
{
    m_current = std::clamp(index, 0, DefaultRoomSlots.Count() - 1);
}

void TDefaultRooms::ReplaceFrom(const TRList& rooms)
{
    DefaultRoomSlots.Clear();
    DefaultRoomSlots.AddCopies(rooms);
    while (DefaultRoomSlots.Count() < SlotCount)
        DefaultRoomSlots.Add(std::make_unique<TRoom>());
    m_current = 0;
}

void TDefaultRooms::CopyInto(TRList& target) const
{
    target.Clear();
    target.AddCopies(DefaultRoomSlots);
}
