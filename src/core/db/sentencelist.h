#pragma once
#include "db/ownedlist.h"
#include "db/sentence.h"

#include <cstdint>
#include <string>

// The sentences currently listed in the pane: non-owning pointers into the database.
using TSentenceView = std::vector<TSentence*>;

// The sentence database document.
class TSentenceList : public TOwnedList<TSentence> {
public:
    std::string FileName = "noname.sdb";
    bool Modified = false;
    int32_t SortColumn = -1; // -1: never sorted
    bool SortAscending = false;

    // Appends copies of the source's sentences and takes its Modified and FileName; the sort
    // settings are not part of the document's history and stay.
    void Assign(const TSentenceList& source);
};
