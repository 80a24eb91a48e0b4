#pragma once
#include "model/types.h"

// An item of a room or of the item database: identifier, synonyms and six sense texts.
struct TItem {
    std::string ID;
    TStrings Synonyms;
    TStrings Description;
    TStrings Listen;
    TStrings Smell;
    TStrings Touch;
    TStrings Search;
    TStrings Read;

    void Assign(const TItem& source) { *this = source; }
    // Synonyms (and the ID when withID) sorted ignoring case, joined with ", ".
    std::string SynonymsText(bool withID) const;

    // The six sense lists in the order of the editor tabs and the generators.
    static constexpr int SenseCount = 6;
    const TStrings& Sense(int i) const;
    TStrings& Sense(int i);

    friend bool operator==(const TItem&, const TItem&) = default;
};
