#pragma once
// Searching, sorting and the category list of the sentence database.
#include "db/sentencelist.h"
#include "model/types.h"

// The search area of the sentence pane.
struct TSentenceSearch {
    std::string Text;     // part of the sentence
    std::string Desc;     // part of the description
    std::string Category; // part of the category
    TAreaTypes Types = 0; // the ticked area types
    bool AllTypes = false; // "AND": a sentence must have all ticked types

    // A search text or a ticked area type; "AND" alone is no criterion. After an undo the
    // pane searches again when this holds and lists everything otherwise.
    bool HasCriteria() const;
};

// True when the sentence qualifies: a non-empty text, category or description occurs in the
// corresponding field (letters a to z compared without case), or the area types agree (all
// ticked ones with "AND", at least one without).
bool SentenceMatches(const TSentence& s, const TSentenceSearch& search);
// The sentences that qualify, in database order.
TSentenceView SearchSentences(const TSentenceList& db, const TSentenceSearch& search);

// Clicking the title of column c (0 Sentence, 1 Category, 2 Area type, 3 Desc): applies the
// sort rule to the database's settings, then sorts the database and the view alike; text
// columns byte-wise, area types as a signed number.
void SortSentences(TSentenceList& db, TSentenceView& view, int32_t column);

// The categories for both category boxes: each spelling that differs from all earlier ones
// other than in the case of a to z, the first spelling kept; sorted ignoring that case.
TStrings RebuildCategories(const TSentenceList& db);
