#include "model/item.h"

#include <algorithm>
#include <cctype>

namespace {
// Case-insensitive order over bytes; ties keep a stable, case-sensitive order.
bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}
} // namespace

std::string TItem::SynonymsText(bool withID) const
{
    TStrings words = Synonyms;
    if (withID)
        words.push_back(ID);
    std::stable_sort(words.begin(), words.end(), LessIgnoringCase);
    std::string s;
    for (size_t i = 0; i < words.size(); ++i) {
        if (i)
            s += ", ";
        s += words[i];
    }
    return s;
}

const TStrings& TItem::Sense(int i) const
{
    switch (i) {
    case 0: return Description;
    case 1: return Listen;
    case 2: return Smell;
    case 3: return Touch;
    case 4: return Search;
    default: return Read;
    }
}

TStrings& TItem::Sense(int i) { return const_cast<TStrings&>(static_cast<const TItem*>(this)->Sense(i)); }
