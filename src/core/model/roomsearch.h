#pragma once
// "Find room": which rooms of the area a query names, and by what.
#include "model/roomlist.h"

#include <string>
#include <vector>

// The fields a query is looked for in, as bits of TRoomMatch::Fields.
enum TRoomField : unsigned {
    rfNumber = 1,
    rfFileName = 2,
    rfShort = 4,
    rfDescription = 8,
    rfItemID = 16,
};

struct TRoomMatch {
    const TRoom* Room = nullptr;
    unsigned Fields = 0;
};

// The rooms whose number is the query, or whose file name (as the export names the file),
// short description, description texts (each as one paragraph) or item IDs contain it,
// ignoring case. The query's ends are trimmed; a blank query finds nothing. Rooms found by
// their number come first, the rest follow in the area's order.
std::vector<TRoomMatch> FindRooms(const TRoomList& area, const std::string& query);

// "file name, item ID": the fields of a match for the results list.
std::string MatchedFieldsText(unsigned fields);
