#include "db/itemsearch.h"

#include "db/sortrule.h"
#include "db/textmatch.h"
#include "model/text.h"

#include <algorithm>

namespace {
bool MatchesPrepared(const TItem& item, const std::string& upperID, const std::string& upperDesc)
{
    if (!upperID.empty() && ContainsUpper(item.SynonymsText(true), upperID))
        return true;
    if (!upperDesc.empty())
        for (int i = 0; i < TItem::SenseCount; ++i)
            if (ContainsUpper(StringsDescToString(item.Sense(i)), upperDesc))
                return true;
    return false;
}
} // namespace

bool ItemMatches(const TItem& item, const TItemSearch& search)
{
    return MatchesPrepared(item, AsciiFold(search.ID), AsciiFold(search.Desc));
}

TItemView SearchItems(const TItemList& db, const TItemSearch& search)
{
    const std::string id = AsciiFold(search.ID);
    const std::string desc = AsciiFold(search.Desc);
    TItemView view;
    for (const auto& item : db.Elements())
        if (MatchesPrepared(*item, id, desc))
            view.push_back(item.get());
    return view;
}

void SortItems(TItemList& db, TItemView& view, int32_t column)
{
    ApplySortClick(db.SortColumn, db.SortAscending, column);
    const bool ascending = db.SortAscending;
    auto order = [ascending](const TItem& a, const TItem& b) { return ascending ? a.ID < b.ID : b.ID < a.ID; };
    db.StableSort(order);
    std::stable_sort(view.begin(), view.end(), [&](const TItem* a, const TItem* b) { return order(*a, *b); });
}

TStrings SynonymsFromField(const std::string& field)
{
    TStrings out;
    size_t start = 0;
    for (;;) {
        const size_t comma = field.find(',', start);
        const std::string piece = TrimControl(field.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) {
            if (!piece.empty())
                out.push_back(piece);
            return out;
        }
        out.push_back(piece);
        start = comma + 1;
    }
}
