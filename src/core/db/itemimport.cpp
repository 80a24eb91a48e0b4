#include "db/itemimport.h"

#include "db/itemadder.h"
#include "files/itemfile.h"

TImportCounters SaveItemsToDatabase(TItemList& db, TItemView* view, const std::vector<const TItem*>& items)
{
    TItemAdder adder(db, view);
    for (const TItem* item : items)
        adder.Offer(*item);
    return adder.Counters();
}

TImportCounters ImportAreaItems(TItemList& db, TItemView* view, const TRoomList& area)
{
    TItemAdder adder(db, view);
    for (int i = 0; i < area.Count(); ++i)
        for (const TItem& item : area[i].Items)
            adder.Offer(item);
    return adder.Counters();
}

TImportCounters ImportItemsFromFile(TItemList& db, TItemView* view, const std::string& fileName)
{
    TItemList loaded;
    LoadItems(fileName, loaded);
    TItemAdder adder(db, view);
    for (const auto& item : loaded.Elements())
        adder.Offer(*item);
    return adder.Counters();
}

std::string ItemImportMessage(const TImportCounters& c)
{
    return std::to_string(c.Added) + (c.Added == 1 ? " item" : " items") + " from " + std::to_string(c.Found) +
           " added to database";
}
