#include "model/areatypes.h"

namespace {
const char* const kCaptions[AreaTypeCount + 1] = {
    "",         "Plain", "Path",  "Forest", "Jungle", "Hills",    "Mountains",
    "Coast",    "Swamp", "Desert", "City",  "Bushes", "Building", "Cave",
    "Mine",     "Underground", "River", "Clouds", "Field"};
const char* const kCodes[AreaTypeCount + 1] = {
    "",    "Pla", "Pat", "For", "Jun", "Hil", "Mou", "Coa", "Swa", "Des",
    "Cit", "Bus", "Bui", "Cav", "Min", "Und", "Riv", "Clo", "Fie"};
} // namespace

const char* AreaTypeCaption(int k) { return (k >= 1 && k <= AreaTypeCount) ? kCaptions[k] : ""; }
const char* AreaTypeCode(int k) { return (k >= 1 && k <= AreaTypeCount) ? kCodes[k] : ""; }

std::string AreaTypesToStr2(TAreaTypes set)
{
    std::string s;
    for (int k = 1; k <= AreaTypeCount; ++k)
        if (HasAreaType(set, k))
            s += kCodes[k];
    return s;
}
