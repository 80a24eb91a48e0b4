#pragma once
// Grid cells, compass directions and the other small value types of the area model.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

using TStrings = std::vector<std::string>;

struct TGridPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TGridPoint&, const TGridPoint&) = default;
};

// Storage order of the links inside a room and in the area file.
enum TDirection : int { dirN = 0, dirS, dirE, dirW, dirNW, dirSE, dirSW, dirNE };
constexpr int DirectionCount = 8;

struct TDirectionInfo {
    const char* ShortName;
    const char* LongName; // "northwest", as exits and spoken text name it
    int DX;
    int DY;
    TDirection Opposite;
};

const TDirectionInfo& DirectionInfo(TDirection d);
// The order in which exits are listed: clockwise from north-west.
inline constexpr std::array<TDirection, DirectionCount> CompassOrder = {dirNW, dirN, dirNE, dirE,
                                                                        dirSE, dirS, dirSW, dirW};

using TCompassLinks = std::array<TGridPoint, DirectionCount>;
