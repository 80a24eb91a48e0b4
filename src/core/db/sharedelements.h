#pragma once
// Snapshot lists of the database histories: every element that also appears, unchanged, in
// the previous snapshot is shared with it instead of copied, so an edit costs memory in
// proportion to what changed, also after a sort or a deletion moved the elements around.
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

template <class T, class Hash>
std::vector<std::shared_ptr<const T>> ShareElements(const std::vector<std::unique_ptr<T>>& live,
                                                     const std::vector<std::shared_ptr<const T>>* previous,
                                                     Hash hash)
{
    std::vector<std::shared_ptr<const T>> out;
    out.reserve(live.size());
    // Filled on the first element that is not at its old index (most edits never need it).
    std::unordered_multimap<size_t, const std::shared_ptr<const T>*> byHash;
    bool indexed = false;
    for (size_t i = 0; i < live.size(); ++i) {
        const T& element = *live[i];
        if (previous && i < previous->size() && *(*previous)[i] == element) {
            out.push_back((*previous)[i]);
            continue;
        }
        const std::shared_ptr<const T>* match = nullptr;
        if (previous) {
            if (!indexed) {
                byHash.reserve(previous->size());
                for (const auto& p : *previous)
                    byHash.emplace(hash(*p), &p);
                indexed = true;
            }
            auto [b, e] = byHash.equal_range(hash(element));
            for (auto it = b; it != e && !match; ++it)
                if (**it->second == element)
                    match = it->second;
        }
        out.push_back(match ? *match : std::make_shared<const T>(element));
    }
    return out;
}

inline size_t CombineHash(size_t seed, size_t h) { return seed ^ (h + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2)); }
