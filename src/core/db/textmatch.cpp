#include "db/textmatch.h"

#include <cstring>

bool ContainsUpper(const std::string& haystack, const std::string& upperNeedle)
{
    const size_t m = upperNeedle.size();
    const size_t n = haystack.size();
    if (m == 0 || m > n)
        return false;
    const char first = upperNeedle[0];
    const char firstLower = (first >= 'A' && first <= 'Z') ? static_cast<char>(first - 'A' + 'a') : first;
    const char* h = haystack.data();
    const char* need = upperNeedle.data();
    for (size_t i = 0; i + m <= n; ++i) {
        const char c = h[i];
        if (c != first && c != firstLower)
            continue;
        size_t k = 1;
        while (k < m && AsciiUpperChar(h[i + k]) == need[k])
            ++k;
        if (k == m)
            return true;
    }
    return false;
}

std::string AsciiFold(std::string s)
{
    for (char& c : s)
        c = AsciiUpperChar(c);
    return s;
}

bool LessIgnoringAsciiCase(const std::string& a, const std::string& b)
{
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(AsciiUpperChar(a[i]));
        const auto cb = static_cast<unsigned char>(AsciiUpperChar(b[i]));
        if (ca != cb)
            return ca < cb;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}
