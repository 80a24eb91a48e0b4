#include "model/types.h"

namespace {
const TDirectionInfo kDirections[DirectionCount] = {
    {"n", "north", 0, -1, dirS},          {"s", "south", 0, 1, dirN},
    {"e", "east", 1, 0, dirW},            {"w", "west", -1, 0, dirE},
    {"nw", "northwest", -1, -1, dirSE},   {"se", "southeast", 1, 1, dirNW},
    {"sw", "southwest", -1, 1, dirNE},    {"ne", "northeast", 1, -1, dirSW},
};
}

const TDirectionInfo& DirectionInfo(TDirection d) { return kDirections[static_cast<int>(d)]; }
