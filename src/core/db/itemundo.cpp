#include "db/itemundo.h"

#include "db/sharedelements.h"

namespace {
size_t HashLines(size_t seed, const TStrings& lines)
{
    const std::hash<std::string> h;
    seed = CombineHash(seed, lines.size());
    for (const auto& l : lines)
        seed = CombineHash(seed, h(l));
    return seed;
}

size_t HashItem(const TItem& item)
{
    size_t seed = std::hash<std::string>()(item.ID);
    seed = HashLines(seed, item.Synonyms);
    for (int i = 0; i < TItem::SenseCount; ++i)
        seed = HashLines(seed, item.Sense(i));
    return seed;
}
} // namespace

std::shared_ptr<const TItemSnapshot> TItemUndoTraits::Make(const TItemList& db, const TItemSnapshot* previous)
{
    auto snap = std::make_shared<TItemSnapshot>();
    snap->Items = ShareElements(db.Elements(), previous ? &previous->Items : nullptr, HashItem);
    snap->Modified = db.Modified;
    snap->FileName = db.FileName;
    return snap;
}

void TItemUndoTraits::Restore(const TItemSnapshot& snapshot, TItemList& db)
{
    db.Clear();
    for (const auto& item : snapshot.Items)
        db.AddCopy(*item);
    db.Modified = snapshot.Modified;
    db.FileName = snapshot.FileName;
}
