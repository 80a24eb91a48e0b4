// The sentence pane over 100,000 sentences as the user feels it: a search until the grid shows
// its result, listing all of them, and scrolling the grid by a page, next to the bare search in the core (the floor
// of any search) measured in the same run.
#include "benchutil/generatedsentences.h"
#include "benchutil/widgetbenchmain.h"
#include "db/sentencesearch.h"
#include "gui/db/sentencepane.h"
#include "gui/document/areadocument.h"
#include "gui/shared/asker.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {
constexpr int kSentences = 100000;
const char* const kSearches[] = {"river stones", "cold wind"};

class TBenchPane {
public:
    TBenchPane() : m_pane(m_sentences, m_area, m_asker, nullptr)
    {
        const auto generated = MakeGeneratedSentences(kSentences);
        for (const auto& s : generated->Elements())
            m_sentences.Database().AddCopy(*s);
        m_sentences.ListAll();
        m_pane.resize(900, 700);
        m_pane.show();
        m_pane.DisplaySentList();
        QApplication::processEvents();
    }
    TSentencePane& Pane() { return m_pane; }
    QTableView* Grid() { return m_pane.findChild<QTableView*>(QStringLiteral("sgSentences")); }
    int Listed() const { return static_cast<int>(m_sentences.View().size()); }
    const TSentenceList& Database() { return m_sentences.Database(); }

private:
    TMessageBoxAsker m_asker;
    TAreaDocument m_area;
    TSentenceDocument m_sentences;
    TSentencePane m_pane;
};

void BM_SearchUntilTheGridShowsIt(benchmark::State& state)
{
    TBenchPane bench;
    auto* text = bench.Pane().findChild<QLineEdit*>(QStringLiteral("eSearchSentence"));
    if (!text || !bench.Grid()) {
        state.SkipWithError("search field or grid not found");
        return;
    }
    int next = 0;
    for (auto _ : state) {
        text->setText(QString::fromLatin1(kSearches[next]));
        bench.Pane().Search();
        QApplication::processEvents(); // the grid paints its new rows
        next = 1 - next;
    }
    state.counters["listed"] = bench.Listed();
}

// Cancelling a search lists every sentence again: the largest grid there is.
void BM_ListAllUntilTheGridShowsIt(benchmark::State& state)
{
    TBenchPane bench;
    for (auto _ : state) {
        bench.Pane().CancelSearch(false);
        QApplication::processEvents();
    }
    state.counters["listed"] = bench.Listed();
}

void BM_Baseline_SearchInTheCore(benchmark::State& state)
{
    TBenchPane bench;
    int next = 0;
    for (auto _ : state) {
        TSentenceSearch search;
        search.Text = kSearches[next];
        TSentenceView view = SearchSentences(bench.Database(), search);
        benchmark::DoNotOptimize(view.data());
        next = 1 - next;
    }
}

void BM_ScrollAllSentencesByAPage(benchmark::State& state)
{
    TBenchPane bench;
    QScrollBar* bar = bench.Grid()->verticalScrollBar();
    for (auto _ : state) {
        const int to = bar->value() + bar->pageStep();
        bar->setValue(to > bar->maximum() ? 0 : to);
        QApplication::processEvents();
    }
    state.counters["listed"] = bench.Listed();
}
} // namespace

BENCHMARK(BM_SearchUntilTheGridShowsIt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListAllUntilTheGridShowsIt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_SearchInTheCore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollAllSentencesByAPage)->Unit(benchmark::kMillisecond);

KB_WIDGET_BENCHMARK_MAIN()
