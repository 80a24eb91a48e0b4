#pragma once
// The constant names of area-type sets and light levels that the area header defines and
// the room files use, collected per export run in order of first appearance.
#include "export/codewriter.h"
#include "model/areatypes.h"
#include "model/room.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// AREA_PLAIN ... AREA_FIELD for area type k (1..18).
const char* AreaTypeValueConstant(int k);
// PLA ... FIE: the upper-case code used in constant names.
const char* AreaTypeNameCode(int k);

struct TAreaTypeConstant {
    TAreaTypes Set = 0;
    std::string Name;  // MYAREA_FOR_FIE; MYAREA for the empty set
    std::string Value; // AREA_FOREST | AREA_FIELD; empty for the empty set
};

// Only bits 1..18 are area types; stray bits of a damaged file must not split one
// constant name into two definitions.
inline TAreaTypes AreaTypeBits(TAreaTypes set) { return set & (((1u << AreaTypeCount) - 1u) << 1); }

TAreaTypeConstant MakeAreaTypeConstant(TAreaTypes set);

class TAreaTypeConstants {
public:
    // Walks the rooms in the given order, one record per distinct set.
    void Build(const std::vector<const TRoom*>& rooms);
    const std::vector<TAreaTypeConstant>& List() const { return m_list; }
    // The record of a set; every room of the run has one.
    const TAreaTypeConstant* Find(TAreaTypes set) const;

private:
    std::vector<TAreaTypeConstant> m_list;
    std::unordered_map<TAreaTypes, size_t> m_index;
};

enum TLightKind { lkDay = 0, lkNight = 1, lkAmbient = 2 };
constexpr int LightKindCount = 3;

const char* LightKindWord(TLightKind kind); // DAY, NIGHT, AMBIENT
const char* LightCall(TLightKind kind);     // SetDayLight ...
int32_t LightLevel(const TRoom& room, TLightKind kind);

// DAYLIGHT_50; a negative level spells its sign MINUS (DAYLIGHT_MINUS20), since a minus
// sign cannot stand in a preprocessor name.
std::string LightConstantName(TLightKind kind, int32_t level);
void WriteLightConstantName(TCodeWriter& out, TLightKind kind, int32_t level);
void WriteDecimal(TCodeWriter& out, int64_t value);

struct TLightConstant {
    int32_t Level = 0;
    std::string Name;
};

class TLightConstants {
public:
    void Build(const std::vector<const TRoom*>& rooms, TLightKind kind);
    const std::vector<TLightConstant>& List() const { return m_list; }
    TLightKind Kind() const { return m_kind; }

private:
    TLightKind m_kind = lkDay;
    std::vector<TLightConstant> m_list;
};
