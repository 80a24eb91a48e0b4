#include "model/letterfold.h"

#include <algorithm>
#include <array>

namespace {
std::array<char, 256> MakeFoldTable()
{
    std::array<char, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[static_cast<size_t>(i)] = static_cast<char>(i);
    for (int c = 'a'; c <= 'z'; ++c)
        table[static_cast<size_t>(c)] = static_cast<char>(c - 'a' + 'A');
    // The small accented letters 0xE0-0xFE lie 0x20 above their capitals; 0xF7 is the
    // division sign.
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            table[static_cast<size_t>(c)] = static_cast<char>(c - 0x20);
    // The rest stand apart: š ś ť ž ź ą ł ş ľ ż.
    const std::pair<int, int> pairs[] = {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E}, {0x9F, 0x8F},
                                         {0xB9, 0xA5}, {0xB3, 0xA3}, {0xBA, 0xAA}, {0xBE, 0xBC}, {0xBF, 0xAF}};
    for (const auto& [small, capital] : pairs)
        table[static_cast<size_t>(small)] = static_cast<char>(capital);
    return table;
}

const std::array<char, 256>& FoldTable()
{
    static const std::array<char, 256> table = MakeFoldTable();
    return table;
}
} // namespace

char FoldLetter(char c)
{
    return FoldTable()[static_cast<unsigned char>(c)];
}

std::string FoldLetters(std::string s)
{
    for (char& c : s)
        c = FoldLetter(c);
    return s;
}

bool ContainsFolded(std::string_view haystack, std::string_view foldedNeedle)
{
    if (foldedNeedle.empty())
        return false;
    return std::search(haystack.begin(), haystack.end(), foldedNeedle.begin(), foldedNeedle.end(),
                       [](char h, char n) { return FoldLetter(h) == n; }) != haystack.end();
}
