#pragma once
// "Delete sentence" / "Delete item": the entries shown in the selected grid rows leave the
// view and the database and are destroyed.
#include <unordered_set>
#include <vector>

// rows: 0-based view indices, in any order; indices outside the view are ignored. Sets the
// database's Modified when anything was deleted; returns how many entries were.
template <class List, class T>
int DeleteViewEntries(List& db, std::vector<T*>& view, const std::vector<int>& rows)
{
    std::vector<const T*> doomed;
    std::unordered_set<const T*> set;
    for (int r : rows)
        if (r >= 0 && static_cast<size_t>(r) < view.size() && set.insert(view[static_cast<size_t>(r)]).second)
            doomed.push_back(view[static_cast<size_t>(r)]);
    if (doomed.empty())
        return 0;
    // Every view entry of a destroyed element goes, so that none is left dangling.
    std::erase_if(view, [&](const T* p) { return set.count(p) > 0; });
    db.Destroy(doomed);
    db.Modified = true;
    return static_cast<int>(doomed.size());
}
