#include "db/sentencesearch.h"

#include "db/sortrule.h"
#include "db/textmatch.h"

#include <algorithm>
#include <functional>
#include <unordered_set>

namespace {
struct TPreparedSearch {
    std::string Text, Desc, Category;
    TAreaTypes Types;
    bool AllTypes;
};

TPreparedSearch Prepare(const TSentenceSearch& s)
{
    return {AsciiFold(s.Text), AsciiFold(s.Desc), AsciiFold(s.Category), s.Types, s.AllTypes};
}

bool Matches(const TSentence& s, const TPreparedSearch& p)
{
    if (p.AllTypes ? (s.AreaTypes & p.Types) == p.Types : (s.AreaTypes & p.Types) != 0)
        return true;
    return ContainsUpper(s.Sentence, p.Text) || ContainsUpper(s.Category, p.Category) || ContainsUpper(s.Desc, p.Desc);
}

std::function<bool(const TSentence&, const TSentence&)> ColumnLess(int32_t column)
{
    switch (column) {
    case 0: return [](const TSentence& a, const TSentence& b) { return a.Sentence < b.Sentence; };
    case 1: return [](const TSentence& a, const TSentence& b) { return a.Category < b.Category; };
    case 2:
        return [](const TSentence& a, const TSentence& b) {
            return static_cast<int32_t>(a.AreaTypes) < static_cast<int32_t>(b.AreaTypes);
        };
    default: return [](const TSentence& a, const TSentence& b) { return a.Desc < b.Desc; };
    }
}
} // namespace

bool TSentenceSearch::HasCriteria() const { return !Text.empty() || !Desc.empty() || !Category.empty() || Types != 0; }

bool SentenceMatches(const TSentence& s, const TSentenceSearch& search) { return Matches(s, Prepare(search)); }

TSentenceView SearchSentences(const TSentenceList& db, const TSentenceSearch& search)
{
    const TPreparedSearch p = Prepare(search);
    TSentenceView view;
    for (const auto& s : db.Elements())
        if (Matches(*s, p))
            view.push_back(s.get());
    return view;
}

void SortSentences(TSentenceList& db, TSentenceView& view, int32_t column)
{
    ApplySortClick(db.SortColumn, db.SortAscending, column);
    const auto less = ColumnLess(column);
    const bool ascending = db.SortAscending;
    auto order = [&](const TSentence& a, const TSentence& b) { return ascending ? less(a, b) : less(b, a); };
    db.StableSort(order);
    std::stable_sort(view.begin(), view.end(), [&](const TSentence* a, const TSentence* b) { return order(*a, *b); });
}

TStrings RebuildCategories(const TSentenceList& db)
{
    TStrings out;
    std::unordered_set<std::string> seen;
    for (const auto& s : db.Elements())
        if (seen.insert(AsciiFold(s->Category)).second)
            out.push_back(s->Category);
    std::stable_sort(out.begin(), out.end(), LessIgnoringAsciiCase);
    return out;
}
