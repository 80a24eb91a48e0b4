#pragma once
// The ten default rooms: templates whose contents every new room copies, one of them the
// current one. They travel with the area file, not with the settings, and outlive New.
#include "model/room.h"

class TDefaultRooms {
public:
    static constexpr int SlotCount = 10;

    TDefaultRooms();

    TRoom& CurrentDefaultRoom() { return DefaultRoomSlots[m_current]; }
    const TRoom& CurrentDefaultRoom() const { return DefaultRoomSlots[m_current]; }
    int CurrentIndex() const { return m_current; }
    void Select(int index);

    // After loading: copies of the file's templates (never fewer than ten slots); the first
    // becomes current.
    void ReplaceFrom(const TRList& rooms);
    // Before saving: copies of the templates into the area's list.
    void CopyInto(TRList& target) const;

    TRList DefaultRoomSlots;

private:
    int m_current = 0;
};
