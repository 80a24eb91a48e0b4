#include "render/mapgeometry.h"

const std::array<int, 8>& ZoomLevels()
{
    static const std::array<int, 8> levels = {25, 50, 75, 100, 150, 200, 300, 400};
    return levels;
}
