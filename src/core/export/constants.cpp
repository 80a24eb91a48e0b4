#include "export/constants.h"

#include <charconv>
#include <unordered_set>

namespace {
struct TAreaTypeNames {
    const char* Value;
    const char* Code;
};

const TAreaTypeNames kAreaTypeNames[AreaTypeCount + 1] = {
    {"", ""},
    {"AREA_PLAIN", "PLA"},
    {"AREA_PATH", "PAT"},
    {"AREA_FOREST", "FOR"},
    {"AREA_JUNGLE", "JUN"},
    {"AREA_HILLS", "HIL"},
    {"AREA_MOUNTAINS", "MOU"},
    {"AREA_COAST", "COA"},
    {"AREA_SWAMP", "SWA"},
    {"AREA_DESERT", "DES"},
    {"AREA_CITY", "CIT"},
    {"AREA_BUSHES", "BUS"},
    {"AREA_BUILDING", "BUI"},
    {"AREA_CAVE", "CAV"},
    {"AREA_MINE", "MIN"},
    {"AREA_UNDERGROUND", "UND"},
    {"AREA_RIVER", "RIV"},
    {"AREA_CLOUDS", "CLO"},
    {"AREA_FIELD", "FIE"},
};

bool ValidAreaType(int k) { return k >= 1 && k <= AreaTypeCount; }
} // namespace

const char* AreaTypeValueConstant(int k) { return ValidAreaType(k) ? kAreaTypeNames[k].Value : ""; }
const char* AreaTypeNameCode(int k) { return ValidAreaType(k) ? kAreaTypeNames[k].Code : ""; }

TAreaTypeConstant MakeAreaTypeConstant(TAreaTypes set)
{
    TAreaTypeConstant c;
    c.Set = AreaTypeBits(set);
    c.Name = "MYAREA";
    for (int k = 1; k <= AreaTypeCount; ++k) {
        if (!HasAreaType(c.Set, k))
            continue;
        c.Name += '_';
        c.Name += AreaTypeNameCode(k);
        if (!c.Value.empty())
            c.Value += " | ";
        c.Value += AreaTypeValueConstant(k);
    }
    return c;
}

void TAreaTypeConstants::Build(const std::vector<const TRoom*>& rooms)
{
    m_list.clear();
    m_index.clear();
    for (const TRoom* room : rooms) {
        const TAreaTypes set = AreaTypeBits(room->AreaTypes);
        if (m_index.emplace(set, m_list.size()).second)
            m_list.push_back(MakeAreaTypeConstant(set));
    }
}

const TAreaTypeConstant* TAreaTypeConstants::Find(TAreaTypes set) const
{
    auto it = m_index.find(AreaTypeBits(set));
    return it == m_index.end() ? nullptr : &m_list[it->second];
}

const char* LightKindWord(TLightKind kind)
{
    switch (kind) {
    case lkDay: return "DAY";
    case lkNight: return "NIGHT";
    case lkAmbient: return "AMBIENT";
    }
    return "";
}

const char* LightCall(TLightKind kind)
{
    switch (kind) {
    case lkDay: return "SetDayLight";
    case lkNight: return "SetNightLight";
    case lkAmbient: return "SetAmbientLight";
    }
    return "";
}

int32_t LightLevel(const TRoom& room, TLightKind kind)
{
    switch (kind) {
    case lkDay: return room.DayLight;
    case lkNight: return room.NightLight;
    case lkAmbient: return room.AmbientLight;
    }
    return 0;
}

void WriteDecimal(TCodeWriter& out, int64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.Write(std::string_view(digits, static_cast<size_t>(end - digits)));
}

void WriteLightConstantName(TCodeWriter& out, TLightKind kind, int32_t level)
{
    out.Write(LightKindWord(kind));
    out.Write("LIGHT_");
    if (level < 0)
        out.Write("MINUS");
    // Widened so that the lowest int32 value has a magnitude too.
    WriteDecimal(out, level < 0 ? -static_cast<int64_t>(level) : level);
}

std::string LightConstantName(TLightKind kind, int32_t level)
{
    TCodeWriter out;
    WriteLightConstantName(out, kind, level);
    return out.Bytes();
}

void TLightConstants::Build(const std::vector<const TRoom*>& rooms, TLightKind kind)
{
    m_kind = kind;
    m_list.clear();
    std::unordered_set<int32_t> seen;
    for (const TRoom* room : rooms) {
        const int32_t level = LightLevel(*room, kind);
        if (seen.insert(level).second)
            m_list.push_back({level, LightConstantName(kind, level)});
    }
}
