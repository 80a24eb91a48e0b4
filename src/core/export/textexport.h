#pragma once
// The plain-text export: the texts of every room, one block per room, for proof-reading.
#include "model/roomlist.h"

#include <string>

// The file's text: per room in the area's order the file name, compass exits, short
// description, items and descriptions, then an empty line.
std::string AreaText(const TRoomList& area);

// Writes AreaText to the file, replacing an earlier one only when complete; EKbError names
// the file when it cannot be written.
void ExportToText(const TRoomList& area, const std::string& fileName);
