#pragma once
#include "db/ownedlist.h"
#include "model/item.h"

#include <cstdint>
#include <string>

// The items currently listed in the pane: non-owning pointers into the database.
using TItemView = std::vector<TItem*>;

// The item database document.
class TItemList : public TOwnedList<TItem> {
public:
    bool Modified = false;
    std::string FileName = "noname.idb";
    int32_t SortColumn = 0;
    bool SortAscending = false;

    // Appends copies of the source's items and takes its Modified and FileName; the sort
    // settings stay.
    void Assign(const TItemList& source);
};
