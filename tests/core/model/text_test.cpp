#include "model/areatypes.h"
#include "model/item.h"
#include "model/text.h"

#include <gtest/gtest.h>

TEST(StringsDescToString, JoinsLinesWithOneSpace)
{
    EXPECT_EQ(StringsDescToString(TStrings{"one", "two"}), "one two");
    EXPECT_EQ(StringsDescToString(TStrings{"one ", "two"}), "one two");
    EXPECT_EQ(StringsDescToString(TStrings{"one", "", "two"}), "one two");
    EXPECT_EQ(StringsDescToString(TStrings{}), "");
    // Blanks inside and at the seam of lines stay; only the ends of the whole text go.
    EXPECT_EQ(StringsDescToString(TStrings{"  a  b ", " c"}), "a  b  c");
    EXPECT_EQ(StringsDescToString(TStrings{"one", " two"}), "one two");
    EXPECT_EQ(StringsDescToString(TStrings{"", "", "x", "", ""}), "x");
}

TEST(ItemSynonymsText, SortsIgnoringCase)
{
    TItem item;
    item.ID = "pebble";
    item.Synonyms = {"stone", "Rock", "boulder"};
    EXPECT_EQ(item.SynonymsText(false), "boulder, Rock, stone");
    EXPECT_EQ(item.SynonymsText(true), "boulder, pebble, Rock, stone");
    TItem bare;
    bare.ID = "key";
    EXPECT_EQ(bare.SynonymsText(false), "");
    EXPECT_EQ(bare.SynonymsText(true), "key");
}

TEST(AreaTypes, CodesInAscendingOrder)
{
    EXPECT_EQ(AreaTypesToStr2((1u << 1) | (1u << 18)), "PlaFie");
    EXPECT_EQ(AreaTypesToStr2((1u << 3) | (1u << 1)), "PlaFor");
    EXPECT_EQ(AreaTypesToStr2(0), "");
    // Bits outside 1..18 are not area types.
    EXPECT_EQ(AreaTypesToStr2(1u | (1u << 19) | (1u << 31)), "");
}

TEST(Text, SplitAndTrim)
{
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd\r\n"), (TStrings{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (TStrings{"a", ""}));
    EXPECT_EQ(TrimControl("\t x y \r\n"), "x y");
    EXPECT_TRUE(IsBlankLines({"", "  ", "\t"}));
    EXPECT_FALSE(IsBlankLines({"", " x"}));
}
