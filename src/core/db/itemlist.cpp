#include "db/itemlist.h"

void TItemList::Assign(const TItemList& source)
{
    for (const auto& item : source.Elements())
        AddCopy(*item);
    Modified = source.Modified;
    FileName = source.FileName;
}
