#include "db/itemadder.h"

#include "model/text.h"

std::string TItemAdder::Key(const TItem& item)
{
    // Length-prefixed, so that no two different pairs of texts give the same key.
    const std::string words = item.SynonymsText(true);
    return std::to_string(words.size()) + ':' + words + StringsDescToString(item.Description);
}

TItemAdder::TItemAdder(TItemList& db, TItemView* view) : m_db(db), m_view(view)
{
    m_keys.reserve(static_cast<size_t>(db.Count()));
    for (const auto& item : db.Elements())
        m_keys.insert(Key(*item));
}

bool TItemAdder::Offer(const TItem& item)
{
    ++m_counters.Found;
    if (!m_keys.insert(Key(item)).second)
        return false;
    TItem* added = m_db.AddCopy(item);
    if (m_view)
        m_view->push_back(added);
    m_db.Modified = true;
    ++m_counters.Added;
    return true;
}

bool ItemToDatabase(TItemList& db, TItemView* view, const TItem& item) { return TItemAdder(db, view).Offer(item); }
