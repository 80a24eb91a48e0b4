#pragma once
// Loader limits of the fuzz targets: small, so that the runs' -malloc_limit_mb (16) stands
// well above anything a bounded load allocates and below what an unbounded one would.
#include "files/loadlimits.h"

inline const TLoadLimits FuzzLimits{size_t(1) << 20, size_t(4) << 20};
