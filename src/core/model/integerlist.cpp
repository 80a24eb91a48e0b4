#include "model/integerlist.h"

bool TIntegerList::Contains(int32_t value) const
{
    for (const auto& i : m_items)
        if (i.Value == value)
            return true;
    return false;
}

bool TIntegerList::AddUnique(int32_t value)
{
    if (Contains(value))
        return false;
    Add(value);
    return true;
}
