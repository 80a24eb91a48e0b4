#pragma once
#include <cstdint>

// Counters of one import into a database, for its closing message.
struct TImportCounters {
    int32_t Added = 0;
    int32_t Found = 0;
};
