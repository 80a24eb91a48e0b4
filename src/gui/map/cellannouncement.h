#pragma once
// What a screen reader says about the map: the cell being walked on and how keys act there.
#include "model/roomlist.h"

#include <QString>

// "Room 12, Forest path, exits north, east, x 5, y 3", or "Empty, x 4, y 7".
QString CellAnnouncement(const TRoomList& area, TGridPoint cell);
// The mode of the map and whether the pen builds and links while walking.
QString MapModeAnnouncement(bool handMode, bool penDown);
