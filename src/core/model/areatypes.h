#pragma once
// The 18 area types: a bit set where bit k means type k (1 Plain .. 18 Field).
#include <cstdint>
#include <string>

using TAreaTypes = uint32_t;

constexpr int AreaTypeCount = 18;

// Caption of area type k (1..18), e.g. "Forest".
const char* AreaTypeCaption(int k);
// Three-letter code of area type k, e.g. "For".
const char* AreaTypeCode(int k);

inline bool HasAreaType(TAreaTypes set, int k) { return (set >> k) & 1u; }
inline TAreaTypes WithAreaType(TAreaTypes set, int k) { return set | (1u << k); }

// The codes of the set's types in ascending order without separators: Plain+Forest -> "PlaFor".
std::string AreaTypesToStr2(TAreaTypes set);
