// Searching a sentence database of 100,000 sentences by text and by area types, each next to
// baselines measured in the same run: listing every sentence (the floor of any search) and the
// plain approach of upper-casing a copy of each sentence and calling find.
#include "benchutil/generatedsentences.h"
#include "db/sentencesearch.h"
#include "model/text.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {
constexpr int kSentences = 100000;

const TSentenceList& Database()
{
    static const std::unique_ptr<TSentenceList> db = MakeGeneratedSentences(kSentences);
    return *db;
}

void Report(benchmark::State& state, size_t found)
{
    state.counters["found"] = static_cast<double>(found);
    state.SetItemsProcessed(state.iterations() * kSentences);
}

void RunSearch(benchmark::State& state, const TSentenceSearch& search)
{
    const TSentenceList& db = Database();
    size_t found = 0;
    for (auto _ : state) {
        TSentenceView view = SearchSentences(db, search);
        found = view.size();
        benchmark::DoNotOptimize(view.data());
    }
    Report(state, found);
}
} // namespace

static void BM_Baseline_ListAll(benchmark::State& state)
{
    const TSentenceList& db = Database();
    for (auto _ : state) {
        TSentenceView view = db.All();
        benchmark::DoNotOptimize(view.data());
    }
    Report(state, kSentences);
}
BENCHMARK(BM_Baseline_ListAll)->Unit(benchmark::kMillisecond);

static void BM_Baseline_UpperCopyFind(benchmark::State& state)
{
    const TSentenceList& db = Database();
    const std::string needle = "RIVER STONES";
    size_t found = 0;
    for (auto _ : state) {
        TSentenceView view;
        for (const auto& s : db.Elements())
            if (AsciiUpper(s->Sentence).find(needle) != std::string::npos)
                view.push_back(s.get());
        found = view.size();
        benchmark::DoNotOptimize(view.data());
    }
    Report(state, found);
}
BENCHMARK(BM_Baseline_UpperCopyFind)->Unit(benchmark::kMillisecond);

static void BM_SearchText(benchmark::State& state)
{
    TSentenceSearch s;
    s.Text = "river stones";
    RunSearch(state, s);
}
BENCHMARK(BM_SearchText)->Unit(benchmark::kMillisecond);

// A text found nowhere: every sentence is scanned to its end.
static void BM_SearchTextNoMatch(benchmark::State& state)
{
    TSentenceSearch s;
    s.Text = "dragon";
    RunSearch(state, s);
}
BENCHMARK(BM_SearchTextNoMatch)->Unit(benchmark::kMillisecond);

static void BM_SearchTextCategoryDesc(benchmark::State& state)
{
    TSentenceSearch s;
    s.Text = "tich\xE1 voda";
    s.Category = "category 7";
    s.Desc = "area 19";
    RunSearch(state, s);
}
BENCHMARK(BM_SearchTextCategoryDesc)->Unit(benchmark::kMillisecond);

static void BM_SearchAreaTypesAny(benchmark::State& state)
{
    TSentenceSearch s;
    s.Types = (1u << 3) | (1u << 13);
    RunSearch(state, s);
}
BENCHMARK(BM_SearchAreaTypesAny)->Unit(benchmark::kMillisecond);

static void BM_SearchAreaTypesAll(benchmark::State& state)
{
    TSentenceSearch s;
    s.Types = (1u << 3) | (1u << 13);
    s.AllTypes = true;
    RunSearch(state, s);
}
BENCHMARK(BM_SearchAreaTypesAll)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
