#include "db/sentencesearch.h"

#include <gtest/gtest.h>

namespace {
constexpr TAreaTypes T(int k) { return 1u << k; }

class SentenceSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Add("The forest is dark.", "Les", T(3), "night");
        Add("A path winds north.", "cesta", T(2) | T(3), "");
        Add("\xC8" "ern\xE1 voda te\xE8" "e.", "Voda", T(16), "\xC8" "ERN\xC1");
        Add("Sand everywhere!", "desert", T(9), "hot day");
    }
    void Add(const std::string& text, const std::string& category, TAreaTypes types, const std::string& desc)
    {
        db.AddCopy(TSentence{text, category, types, desc});
    }
    std::vector<std::string> Found(const TSentenceSearch& s)
    {
        std::vector<std::string> out;
        for (const TSentence* p : SearchSentences(db, s))
            out.push_back(p->Sentence.substr(0, 5));
        return out;
    }
    TSentenceList db;
};
} // namespace

TEST_F(SentenceSearchTest, EmptyCriteriaListNothingButAndAloneListsAll)
{
    TSentenceSearch none;
    EXPECT_TRUE(Found(none).empty());
    EXPECT_FALSE(none.HasCriteria());

    TSentenceSearch andOnly;
    andOnly.AllTypes = true;
    EXPECT_EQ(Found(andOnly).size(), 4u);
    EXPECT_FALSE(andOnly.HasCriteria());
}

TEST_F(SentenceSearchTest, TextFieldsMatchIgnoringCaseOfPlainLetters)
{
    TSentenceSearch s;
    s.Text = "FoReSt";
    EXPECT_EQ(Found(s), (std::vector<std::string>{"The f"}));
    s.Text.clear();
    s.Category = "ES";
    EXPECT_EQ(Found(s), (std::vector<std::string>{"The f", "A pat", "Sand "}));
    s.Category.clear();
    s.Desc = "day";
    EXPECT_EQ(Found(s), (std::vector<std::string>{"Sand "}));
    EXPECT_TRUE(s.HasCriteria());

    // Fields are alternatives: any one that matches lists the sentence, in database order.
    s.Text = "north";
    EXPECT_EQ(Found(s), (std::vector<std::string>{"A pat", "Sand "}));
}

TEST_F(SentenceSearchTest, AccentedLettersMatchOnlyInTheSameCase)
{
    TSentenceSearch s;
    s.Text = "\xC8" "ERN"; // capital C with caron: found in the sentence, which has it capital
    EXPECT_EQ(Found(s).size(), 1u);
    s.Text = "\xE8" "ern"; // small c with caron: not in any sentence text
    EXPECT_TRUE(Found(s).empty());
    s.Text = "TE\xE8" "E";
    EXPECT_EQ(Found(s).size(), 1u);
    s.Text = "TE\xC8" "E";
    EXPECT_TRUE(Found(s).empty());
    s.Text.clear();
    s.Desc = "\xE8" "ern\xE1";
    EXPECT_TRUE(Found(s).empty());
    s.Desc = "\xC8" "ern\xC1";
    EXPECT_EQ(Found(s).size(), 1u);
}

TEST_F(SentenceSearchTest, AreaTypesWithAndWithoutAnd)
{
    TSentenceSearch s;
    s.Types = T(3) | T(9);
    EXPECT_EQ(Found(s), (std::vector<std::string>{"The f", "A pat", "Sand "}));
    s.AllTypes = true;
    EXPECT_TRUE(Found(s).empty());
    s.Types = T(2) | T(3);
    EXPECT_EQ(Found(s), (std::vector<std::string>{"A pat"}));
    // With "AND" a text criterion still adds its own matches.
    s.Text = "sand";
    EXPECT_EQ(Found(s), (std::vector<std::string>{"A pat", "Sand "}));
    EXPECT_TRUE(SentenceMatches(db[1], s));
    EXPECT_FALSE(SentenceMatches(db[0], s));
}

TEST(SentenceSort, ColumnClicksFollowTheDirectionRule)
{
    TSentenceList db;
    db.AddCopy(TSentence{"b", "Y", 1u << 3, "2"});
    db.AddCopy(TSentence{"a", "x", 0x80000000u, "3"});
    db.AddCopy(TSentence{"C", "z", 1u << 1, "1"});
    TSentenceView view{&db[0], &db[2]};
    auto order = [&] {
        std::string s;
        for (const auto& p : db.Elements())
            s += p->Sentence;
        return s;
    };

    // First click on a fresh database sorts descending.
    SortSentences(db, view, 2);
    EXPECT_EQ(db.SortColumn, 2);
    EXPECT_FALSE(db.SortAscending);
    EXPECT_EQ(order(), "bCa"); // area types as a signed number: bit 31 is the smallest
    EXPECT_EQ(view[0]->Sentence, "b");
    SortSentences(db, view, 2);
    EXPECT_TRUE(db.SortAscending);
    EXPECT_EQ(order(), "aCb");
    EXPECT_EQ(view[0]->Sentence, "C");

    // Another column keeps the direction; text compares byte-wise, capitals first.
    SortSentences(db, view, 0);
    EXPECT_TRUE(db.SortAscending);
    EXPECT_EQ(order(), "Cab");
    SortSentences(db, view, 1);
    EXPECT_EQ(db[0].Category, "Y");
    EXPECT_EQ(db[1].Category, "x");
    SortSentences(db, view, 3);
    EXPECT_EQ(db[0].Desc, "1");
    SortSentences(db, view, 3);
    EXPECT_FALSE(db.SortAscending);
    EXPECT_EQ(db[0].Desc, "3");
    EXPECT_EQ(view[0]->Desc, "2");
    EXPECT_EQ(view[1]->Desc, "1");
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
