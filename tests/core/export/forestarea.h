#pragma once
// The three-room area of the worked examples, built in code, and small helpers of the
// export tests.
#include "export/exportcontext.h"
#include "model/roomlist.h"

#include <memory>
#include <string>

// Rooms 1 clearing (1,1), 2 path (3,1), 3 burrow (1,3) with the texts, items, lights,
// links and exits of the examples.
std::unique_ptr<TRoomList> MakeForestArea();

// A bare room on a cell with a number and file name.
TRoom& AddRoom(TRoomList& area, int32_t number, int32_t x, int32_t y, const std::string& fileName);

// The text after the first two lines (the file header with its date).
std::string AfterHeaderLines(const std::string& bytes);

// Lines joined with CR LF after each one, for expected outputs.
std::string CrLf(std::initializer_list<const char*> lines);
