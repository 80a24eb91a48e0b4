#pragma once
// The benchmark area: N x N rooms, each with two descriptions of about 300 characters,
// three items with texts, area types, lights and links to its east, south and diagonal
// neighbours.
#include "model/roomlist.h"

#include <memory>

std::unique_ptr<TRoomList> MakeGeneratedArea(int roomsAcross = 100, int roomsDown = 100);
