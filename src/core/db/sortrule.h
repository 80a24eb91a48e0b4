#pragma once
// The column-title click of both database grids: the same column again flips the direction,
// another column keeps it; either way that column becomes the sort column.
#include <cstdint>

inline void ApplySortClick(int32_t& sortColumn, bool& sortAscending, int32_t clicked)
{
    if (clicked == sortColumn)
        sortAscending = !sortAscending;
    sortColumn = clicked;
}
