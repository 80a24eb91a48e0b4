#pragma once
// The item database's undo history. Snapshots carry the items (shared where unchanged),
// Modified and FileName; the sort settings are not part of them.
#include "db/itemlist.h"
#include "model/undohistory.h"

#include <memory>
#include <string>
#include <vector>

struct TItemSnapshot {
    std::vector<std::shared_ptr<const TItem>> Items;
    bool Modified = false;
    std::string FileName;
};

struct TItemUndoTraits {
    using Document = TItemList;
    using Snapshot = TItemSnapshot;
    static std::shared_ptr<const TItemSnapshot> Make(const TItemList& db, const TItemSnapshot* previous);
    static void Restore(const TItemSnapshot& snapshot, TItemList& db);
};

using TIUndoList = TUndoHistory<TItemUndoTraits>;
