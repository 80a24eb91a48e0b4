#pragma once
#include "model/types.h"

// A named long description of a room ("Long", "Night Long").
struct TRoomDescription {
    std::string Name;
    TStrings Text;

    void Assign(const TRoomDescription& source) { *this = source; }
    friend bool operator==(const TRoomDescription&, const TRoomDescription&) = default;
};
