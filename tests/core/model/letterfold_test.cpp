// Letter folding against the code page's chart: every small letter that has a capital in the
// code page folds to it, and nothing else changes.
#include "cp1250chart.h"
#include "model/letterfold.h"

#include <gtest/gtest.h>

namespace {
// The capital of a small letter by Unicode's own layout of the ranges the code page draws from.
char32_t Capital(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return c & 1 ? c - 1 : c; // capital even, small odd
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return c & 1 ? c : c - 1; // capital odd, small even
    return c;
}

char32_t CodePoint(int byte)
{
    return byte < 0x80 ? static_cast<char32_t>(byte) : Cp1250High[static_cast<size_t>(byte - 0x80)];
}

int ByteOf(char32_t c)
{
    for (int b = 0; b < 256; ++b)
        if (CodePoint(b) == c)
            return b;
    return -1;
}
} // namespace

TEST(LetterFold, EverySmallLetterOfTheCodePageFoldsToItsCapital)
{
    int pairs = 0;
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const char32_t c = CodePoint(b);
        const int capital = c && Capital(c) != c ? ByteOf(Capital(c)) : -1;
        const char folded = FoldLetter(static_cast<char>(b));
        if (capital >= 0) {
            ++pairs;
            EXPECT_EQ(static_cast<unsigned char>(folded), capital);
        } else {
            EXPECT_EQ(static_cast<unsigned char>(folded), b) << "a capital, a letter without one, or no letter";
        }
    }
    // a-z, 30 accented letters 0xE0-0xFE and ten that stand apart.
    EXPECT_EQ(pairs, 26 + 30 + 10);

    // "ŽLUŤOUČKÝ" finds "žluťoučký" and the other way round.
    const std::string small = "\x9Elu\x9Dou\xE8k\xFD", capitals = "\x8ELU\x8DOU\xC8K\xDD";
    EXPECT_TRUE(ContainsFolded("P\xF8\xEDli\x9A " + small + " k\xF9\xF2", FoldLetters(capitals)));
    EXPECT_EQ(FoldLetters(small), capitals);
}
