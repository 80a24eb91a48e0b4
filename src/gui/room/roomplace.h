#pragma once
// Where a room stands as the room header shows it: column and row of rooms, counted from 1,
// with the link cells between rooms left out.
#include "model/room.h"

#include <QString>

inline QString RoomPlaceText(const TRoom& room)
{
    return QStringLiteral("%1:%2").arg(room.X / 2 + 1).arg(room.Y / 2 + 1);
}
