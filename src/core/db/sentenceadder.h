#pragma once
// Adds sentences to the database unless one with exactly the same text is there already.
#include "db/importcounters.h"
#include "db/sentencelist.h"

#include <string_view>
#include <unordered_set>

class TSentenceAdder {
public:
    // view: the pane's list, which receives the added sentences too (may be null). The
    // database must not be changed otherwise while the adder lives.
    TSentenceAdder(TSentenceList& db, TSentenceView* view);

    // Counts the sentence as found; when no sentence of the database has exactly its text
    // (case-sensitive), appends a copy, sets Modified, counts it as added and returns true.
    bool Offer(const TSentence& sentence);
    const TImportCounters& Counters() const { return m_counters; }

private:
    TSentenceList& m_db;
    TSentenceView* m_view;
    // Views into the database's own sentences, whose addresses are stable.
    std::unordered_set<std::string_view> m_texts;
    TImportCounters m_counters;
};
