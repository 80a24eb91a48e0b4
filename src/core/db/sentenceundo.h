#pragma once
// The sentence database's undo history. Snapshots carry the sentences (shared where
// unchanged), Modified and FileName; the sort settings are not part of them.
#include "db/sentencelist.h"
#include "model/undohistory.h"

#include <memory>
#include <string>
#include <vector>

struct TSentenceSnapshot {
    std::vector<std::shared_ptr<const TSentence>> Sentences;
    bool Modified = false;
    std::string FileName;
};

struct TSentenceUndoTraits {
    using Document = TSentenceList;
    using Snapshot = TSentenceSnapshot;
    static std::shared_ptr<const TSentenceSnapshot> Make(const TSentenceList& db, const TSentenceSnapshot* previous);
    static void Restore(const TSentenceSnapshot& snapshot, TSentenceList& db);
};

using TSUndoList = TUndoHistory<TSentenceUndoTraits>;
