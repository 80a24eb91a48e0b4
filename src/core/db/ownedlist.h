#pragma once
// The element store of the two databases: an ordered list that owns its elements through
// unique_ptr, so that the view lists of the panes can keep plain pointers to them.
#include <algorithm>
#include <memory>
#include <unordered_set>
#include <vector>

template <class T>
class TOwnedList {
public:
    using TView = std::vector<T*>;

    TOwnedList() = default;
    TOwnedList(const TOwnedList&) = delete;
    TOwnedList& operator=(const TOwnedList&) = delete;

    int Count() const { return static_cast<int>(m_items.size()); }
    bool Empty() const { return m_items.empty(); }
    T& operator[](int i) { return *m_items[static_cast<size_t>(i)]; }
    const T& operator[](int i) const { return *m_items[static_cast<size_t>(i)]; }

    T* Add(std::unique_ptr<T> element)
    {
        m_items.push_back(std::move(element));
        return m_items.back().get();
    }
    T* AddCopy(const T& source) { return Add(std::make_unique<T>(source)); }

    int IndexOf(const T* element) const
    {
        for (size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i].get() == element)
                return static_cast<int>(i);
        return -1;
    }

    // Takes an element out without destroying it; null when it is not in the list.
    std::unique_ptr<T> Take(const T* element)
    {
        const int i = IndexOf(element);
        if (i < 0)
            return nullptr;
        std::unique_ptr<T> out = std::move(m_items[static_cast<size_t>(i)]);
        m_items.erase(m_items.begin() + i);
        return out;
    }

    // Destroys every listed element in one pass; returns how many there were.
    int Destroy(const std::vector<const T*>& elements)
    {
        const std::unordered_set<const T*> doomed(elements.begin(), elements.end());
        const size_t before = m_items.size();
        std::erase_if(m_items, [&](const std::unique_ptr<T>& p) { return doomed.count(p.get()) > 0; });
        return static_cast<int>(before - m_items.size());
    }

    // Destroys all elements.
    void Clear() { m_items.clear(); }

    // A view of every element in list order.
    TView All() const
    {
        TView v;
        v.reserve(m_items.size());
        for (const auto& p : m_items)
            v.push_back(p.get());
        return v;
    }

    // Reorders the elements; equal ones keep their order.
    template <class Less>
    void StableSort(Less less)
    {
        std::stable_sort(m_items.begin(), m_items.end(),
                         [&](const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) { return less(*a, *b); });
    }

    const std::vector<std::unique_ptr<T>>& Elements() const { return m_items; }

private:
    std::vector<std::unique_ptr<T>> m_items;
};
