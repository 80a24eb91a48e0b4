#pragma once
// The three-room area of the worked examples, built in code, and small helpers of the
// export tests.
#include "export/exportcontext.h"
#include "kberror.h"
#include "model/roomlist.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

// Rooms 1 clearing (1,1), 2 path (3,1), 3 burrow (1,3) with the texts, items, lights,
// links and exits of the examples.
std::unique_ptr<TRoomList> MakeForestArea();

// An item with its ID, description and synonyms.
TItem DescribedItem(const std::string& id, TStrings description, TStrings synonyms = {});

// A bare room on a cell with a number and file name.
TRoom& AddRoom(TRoomList& area, int32_t number, int32_t x, int32_t y, const std::string& fileName);

// The text after the first two lines (the file header with its date).
std::string AfterHeaderLines(const std::string& bytes);

// Lines joined with CR LF after each one, for expected outputs.
std::string CrLf(std::initializer_list<const char*> lines);
// Text with LF line ends (a raw string) with every LF made CR LF.
std::string CrLfText(std::string_view lfText);

// The message of the EKbError that f throws, or "no error".
template <typename F>
std::string ErrorOf(F&& f)
{
    try {
        f();
    } catch (const EKbError& e) {
        return e.what();
    }
    return "no error";
}
