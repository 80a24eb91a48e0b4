#pragma once
#include "model/areatypes.h"

#include <string>

// One entry of the sentence database: the sentence and how it is classified.
struct TSentence {
    std::string Sentence;
    std::string Category;
    TAreaTypes AreaTypes = 0;
    std::string Desc;

    void Assign(const TSentence& source) { *this = source; }
    friend bool operator==(const TSentence&, const TSentence&) = default;
};
