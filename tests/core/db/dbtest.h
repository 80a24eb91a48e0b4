#pragma once
// Builders and listings shared by the database tests.
#include "db/itemlist.h"
#include "db/sentencelist.h"

#include <string>
#include <vector>

using TNames = std::vector<std::string>;

inline TItem MakeItem(const std::string& id, TStrings synonyms = {}, TStrings description = {})
{
    TItem item;
    item.ID = id;
    item.Synonyms = std::move(synonyms);
    item.Description = std::move(description);
    return item;
}

// An item with every one of its lists filled, told apart by its ID.
inline TItem FullItem(const std::string& id)
{
    TItem item = MakeItem(id, {id + "-syn", "other"}, {"Desc of " + id, ""});
    item.Listen = {"listen"};
    item.Smell = {"smell", "more"};
    item.Touch = {"touch"};
    item.Search = {"search"};
    item.Read = {"read"};
    return item;
}

// The sentence texts or item IDs of a database's elements or of a view, in order.
inline const std::string& Key(const TSentence& s) { return s.Sentence; }
inline const std::string& Key(const TItem& i) { return i.ID; }
template <class Range>
TNames Keys(const Range& elements)
{
    TNames out;
    for (const auto& p : elements)
        out.push_back(Key(*p));
    return out;
}
