#pragma once
// Filling the item database from room items and from other database files; each item goes
// through the duplicate rule of ItemToDatabase.
#include "db/importcounters.h"
#include "db/itemlist.h"
#include "model/roomlist.h"

#include <string>
#include <vector>

// The room panel's button: the selected items of the room, in list order.
TImportCounters SaveItemsToDatabase(TItemList& db, TItemView* view, const std::vector<const TItem*>& items);
// "Import area to database": every item of every room, in the area's order.
TImportCounters ImportAreaItems(TItemList& db, TItemView* view, const TRoomList& area);
// "Import items from file": a file that cannot be opened adds nothing (0 of 0); a wrong file
// raises its format error, adding nothing.
TImportCounters ImportItemsFromFile(TItemList& db, TItemView* view, const std::string& fileName);

// "A item(s) from F added to database".
std::string ItemImportMessage(const TImportCounters& counters);
