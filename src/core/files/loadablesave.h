#pragma once
// Saving data built from elsewhere (the command line's JSON): what is written is first read
// back by the loader with its limits, so that no file is written that the loader refuses.
#include "files/loadlimits.h"
#include "model/roomlist.h"

#include <string>

// Numbers the rooms without a number (0) on from LastNumber in the area's order, as loading
// would, and refuses numbers the area cannot keep: LastNumber below a room's number, rooms
// numbered past the largest number, two rooms of one number.
void NumberRoomsForSaving(TRoomList& area);

// Compress the inflated content of a file, load it back as its loader does and write it only
// when that succeeds; otherwise the loader's message is raised and nothing is written.
void SaveLoadableArea(const std::string& fileName, std::string inflated, const TLoadLimits& limits = {});
void SaveLoadableSentences(const std::string& fileName, std::string inflated, const TLoadLimits& limits = {});
void SaveLoadableItems(const std::string& fileName, std::string inflated, const TLoadLimits& limits = {});
