#include "files/itemrecord.h"

void WriteItemRecord(TByteWriter& w, const TItem& item)
{
    w.WriteString(item.ID, "item ID");
    w.WriteStringList(item.Synonyms, "item synonyms");
    w.WriteStringList(item.Description, "item description");
    w.WriteStringList(item.Listen, "item listen");
    w.WriteStringList(item.Smell, "item smell");
    w.WriteStringList(item.Touch, "item touch");
    w.WriteStringList(item.Search, "item search");
    w.WriteStringList(item.Read, "item read");
}

void ReadItemRecord(TByteReader& r, TItem& item, bool withSenses)
{
    r.ReadString(item.ID);
    r.ReadStringList(item.Synonyms);
    r.ReadStringList(item.Description);
    if (!withSenses)
        return;
    r.ReadStringList(item.Listen);
    r.ReadStringList(item.Smell);
    r.ReadStringList(item.Touch);
    r.ReadStringList(item.Search);
    r.ReadStringList(item.Read);
}
