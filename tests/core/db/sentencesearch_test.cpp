#include "db/sentencesearch.h"

#include <gtest/gtest.h>

namespace {
constexpr TAreaTypes T(int k) { return 1u << k; }
using Names = std::vector<std::string>;

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

TEST_F(SentenceSearchTest, EmptyCriteriaListNothingButAndAloneListsAll)
{
    TSentenceSearch s;
    EXPECT_TRUE(Found(s).empty());
    EXPECT_FALSE(s.HasCriteria());
    s.AllTypes = true;
    EXPECT_EQ(Found(s).size(), 4u);
    EXPECT_FALSE(s.HasCriteria());
}

TEST_F(SentenceSearchTest, TextFieldsMatchIgnoringCaseOfPlainLettersOnly)
{
    const std::string forest = "The f", path = "A pat", cerna = "\xC8" "ern\xE1", sand = "Sand ";
    const struct {
        std::string text, category, desc;
        Names found;
    } cases[] = {
        {"FoReSt", "", "", {forest}},
        {"", "ES", "", {forest, path, sand}},
        {"", "", "day", {sand}},
        // Fields are alternatives: any one that matches lists the sentence, in database order.
        {"north", "", "day", {path, sand}},
        // Accented capitals match only in the same case.
        {"\xC8" "ERN", "", "", {cerna}},
        {"\xE8" "ern", "", "", {}},
        {"TE\xE8" "E", "", "", {cerna}},
        {"TE\xC8" "E", "", "", {}},
        {"", "", "\xE8" "ern\xE1", {}},
        {"", "", "\xC8" "ern\xC1", {cerna}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + "|" + c.category + "|" + c.desc);
        TSentenceSearch s;
        s.Text = c.text;
        s.Category = c.category;
        s.Desc = c.desc;
        EXPECT_TRUE(s.HasCriteria());
        EXPECT_EQ(Found(s), c.found);
    }
}

TEST_F(SentenceSearchTest, AreaTypesWithAndWithoutAnd)
{
    TSentenceSearch s;
    s.Types = T(3) | T(9);
    EXPECT_EQ(Found(s), (Names{"The f", "A pat", "Sand "}));
    s.AllTypes = true;
    EXPECT_TRUE(Found(s).empty());
    s.Types = T(2) | T(3);
    EXPECT_EQ(Found(s), (Names{"A pat"}));
    // With "AND" a text criterion still adds its own matches.
    s.Text = "sand";
    EXPECT_EQ(Found(s), (Names{"A pat", "Sand "}));
    EXPECT_TRUE(SentenceMatches(db[1], s));
    EXPECT_FALSE(SentenceMatches(db[0], s));
}

TEST(SentenceSort, ColumnClicksFollowTheDirectionRule)
{
    TSentenceList db;
    db.AddCopy({"b", "Y", 1u << 3, "2"});
    db.AddCopy({"a", "x", 0x80000000u, "3"});
    db.AddCopy({"C", "z", 1u << 1, "1"});
    TSentenceView view{&db[0], &db[2]};
    // Each click: the column, then the direction and the database and view orders by sentence.
    const struct {
        int column;
        bool ascending;
        std::string order, viewOrder;
    } clicks[] = {
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
