#pragma once
// Searching and sorting the item database.
#include "db/itemlist.h"

// The search area of the item pane.
struct TItemSearch {
    std::string ID;   // part of the item's words (ID and synonyms)
    std::string Desc; // part of one of its six texts, each taken as one paragraph

    bool HasCriteria() const { return !ID.empty() || !Desc.empty(); }
};

// True when a non-empty ID text occurs in SynonymsText with the ID, or a non-empty Desc text
// in one of the six texts joined by StringsDescToString (letters a to z without case).
bool ItemMatches(const TItem& item, const TItemSearch& search);
// The items that qualify, in database order; both fields empty lists none.
TItemView SearchItems(const TItemList& db, const TItemSearch& search);

// Clicking a column title: the sort rule on the database's settings, then the database and
// the view sorted by ID byte-wise, whichever column was clicked.
void SortItems(TItemList& db, TItemView& view, int32_t column);

// The "Synonyms" field of the item editor: pieces between commas, trimmed, in order; a last
// piece that is empty after trimming is left out, empty pieces elsewhere are kept.
TStrings SynonymsFromField(const std::string& field);
