#pragma once
#include <cstdint>
#include <vector>

// A boxed value and an owning list of them; export collects distinct light levels in one.
struct TInteger {
    int32_t Value = 0;
};

class TIntegerList {
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    const TInteger& operator[](int i) const { return m_items[i]; }
    TInteger& operator[](int i) { return m_items[i]; }
    void Add(int32_t value) { m_items.push_back({value}); }
    bool Contains(int32_t value) const;
    // Adds the value unless present; returns whether it was added.
    bool AddUnique(int32_t value);
    void Clear() { m_items.clear(); }

private:
    std::vector<TInteger> m_items;
};
