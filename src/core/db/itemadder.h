#pragma once
// ItemToDatabase: adds items to the item database unless an equal one is there already.
// Equal means the same words (ID and synonyms, sorted ignoring case, compared exactly) and the
// same description taken as one paragraph; the other sense texts play no part.
#include "db/importcounters.h"
#include "db/itemlist.h"

#include <string>
#include <unordered_set>

class TItemAdder {
public:
    // view: the pane's list, which receives the added items too (may be null). The database
    // must not be changed otherwise while the adder lives.
    TItemAdder(TItemList& db, TItemView* view);

    // Counts the item as found; when not present, appends a copy, sets Modified, counts it as
    // added and returns true.
    bool Offer(const TItem& item);
    const TImportCounters& Counters() const { return m_counters; }

    // The comparison key of the duplicate rule.
    static std::string Key(const TItem& item);

private:
    TItemList& m_db;
    TItemView* m_view;
    std::unordered_set<std::string> m_keys;
    TImportCounters m_counters;
};

// One item offered to the database; true when it was added.
bool ItemToDatabase(TItemList& db, TItemView* view, const TItem& item);
