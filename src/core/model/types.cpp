#include "model/types.h"

namespace {
const TDirectionInfo kDirections[DirectionCount] = {
    {"n", 0, -1, dirS},   {"s", 0, 1, dirN},   {"e", 1, 0, dirW},   {"w", -1, 0, dirE},
    {"nw", -1, -1, dirSE}, {"se", 1, 1, dirNW}, {"sw", -1, 1, dirNE}, {"ne", 1, -1, dirSW},
};
}

const TDirectionInfo& DirectionInfo(TDirection d) { return kDirections[static_cast<int>(d)]; }
