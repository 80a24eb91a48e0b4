#include "db/sentencesearch.h"

#include <gtest/gtest.h>

namespace {
constexpr TAreaTypes T(int k) { return 1u << k; }
using Names = std::vector<std::string>;

TSentenceSearch Search(std::string text, std::string desc = "", std::string category = "", TAreaTypes types = 0,
                       bool allTypes = false)
{
    return TSentenceSearch{std::move(text), std::move(desc), std::move(category), types, allTypes};
}

class SentenceSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.AddCopy({"The forest is dark.", "Les", T(3), "night"});
        db.AddCopy({"A path winds north.", "cesta", T(2) | T(3), ""});
        db.AddCopy({"\xC8" "ern\xE1 voda te\xE8" "e.", "Voda", T(16), "\xC8" "ERN\xC1"});
        db.AddCopy({"Sand everywhere!", "desert", T(9), "hot day"});
    }
    // The first five letters of each sentence found.
    Names Found(const TSentenceSearch& s)
    {
        Names out;
        for (const TSentence* p : SearchSentences(db, s))
            out.push_back(p->Sentence.substr(0, 5));
        return out;
    }
    TSentenceList db;
};
} // namespace

TEST_F(SentenceSearchTest, FieldsAreAlternativesAndAreaTypesWithAndWithoutAnd)
{
    const Names forest{"The f"}, path{"A pat"}, cerna{"\xC8" "ern\xE1"}, sand{"Sand "}, none;
    const struct {
        TSentenceSearch search;
        Names found;
    } cases[] = {
        {Search(""), none},
        {Search("", "", "", 0, true), {"The f", "A pat", "\xC8" "ern\xE1", "Sand "}}, // "AND" alone lists all
        {Search("FoReSt"), forest},
        {Search("", "", "ES"), {"The f", "A pat", "Sand "}},
        {Search("", "day"), sand},
        {Search("north", "day"), {"A pat", "Sand "}}, // any field that matches, in database order
        // Accented capitals match only in the same case.
        {Search("\xC8" "ERN"), cerna},
        {Search("\xE8" "ern"), none},
        {Search("TE\xE8" "E"), cerna},
        {Search("TE\xC8" "E"), none},
        {Search("", "\xE8" "ern\xE1"), none},
        {Search("", "\xC8" "ern\xC1"), cerna},
        {Search("", "", "", T(3) | T(9)), {"The f", "A pat", "Sand "}},
        {Search("", "", "", T(3) | T(9), true), none},
        {Search("", "", "", T(2) | T(3), true), path},
        {Search("sand", "", "", T(2) | T(3), true), {"A pat", "Sand "}}, // text adds its own matches
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.search.Text + "|" + c.search.Desc + "|" + c.search.Category + "|" + std::to_string(c.search.Types));
        EXPECT_EQ(Found(c.search), c.found);
        EXPECT_EQ(c.search.HasCriteria(), &c != &cases[0] && &c != &cases[1]);
    }
}

TEST(SentenceSort, ColumnClicksFollowTheDirectionRule)
{
    TSentenceList db;
    db.AddCopy({"b", "Y", 1u << 3, "2"});
    db.AddCopy({"a", "x", 0x80000000u, "3"});
    db.AddCopy({"C", "z", 1u << 1, "1"});
    TSentenceView view{&db[0], &db[2]};
    // Each click: the column, then the direction and the database and view orders by sentence.
    const struct { int column; bool ascending; std::string order, viewOrder; } clicks[] = {
        {2, false, "bCa", "bC"}, // first click on a fresh database: descending; bit 31 is the smallest
        {2, true, "aCb", "Cb"},
        {0, true, "Cab", "Cb"}, // another column keeps the direction; bytes compare, capitals first
        {1, true, "baC", "bC"}, // categories Y < x < z
        {3, true, "Cba", "Cb"},
        {3, false, "abC", "bC"},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.column);
        SortSentences(db, view, c.column);
        EXPECT_EQ(db.SortColumn, c.column);
        EXPECT_EQ(db.SortAscending, c.ascending);
        std::string order, viewOrder;
        for (const auto& p : db.Elements())
            order += p->Sentence;
        for (const TSentence* p : view)
            viewOrder += p->Sentence;
        EXPECT_EQ(order, c.order);
        EXPECT_EQ(viewOrder, c.viewOrder);
    }
}

TEST(SentenceCategories, CaseFoldedKeepingTheFirstSpelling)
{
    TSentenceList db;
    for (const char* c : {"forest", "Cave", "FOREST", "", "cave", "Forest", "\xC8" "ERN", "\xE8" "ern", "abc"})
        db.AddCopy(TSentence{"s", c, 0, ""});
    // Accented letters are not folded; the list is sorted without regard to case.
    EXPECT_EQ(RebuildCategories(db), (TStrings{"", "abc", "Cave", "forest", "\xC8" "ERN", "\xE8" "ern"}));
    EXPECT_TRUE(RebuildCategories(TSentenceList{}).empty());
}
