// Undo costs after one edit, on 100 x 100 and 300 x 300 rooms: AddMark with the memory it
// keeps, and Undo; the larger area must stay within ten times the cost, as both follow the
// edit, not the area.
#include "benchutil/generatedarea.h"
#include "model/areaundo.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <map>
#include <malloc.h>
#include <memory>
#include <new>

// Live heap bytes of this program, to see what an undo mark keeps.
static std::atomic<long long> g_liveBytes{0};

void* operator new(size_t n)
{
    void* p = std::malloc(n ? n : 1);
    if (!p)
        throw std::bad_alloc();
    g_liveBytes += static_cast<long long>(malloc_usable_size(p));
    return p;
}
// GCC cannot see that operator new above is the malloc that this free matches.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept
{
    if (p) {
        g_liveBytes -= static_cast<long long>(malloc_usable_size(p));
        std::free(p);
    }
}
void operator delete(void* p, size_t) noexcept { operator delete(p); }
#pragma GCC diagnostic pop

namespace {
const TRoomList& Area(int roomsAcross)
{
    static std::map<int, std::unique_ptr<TRoomList>> areas;
    auto& area = areas[roomsAcross];
    if (!area)
        area = MakeGeneratedArea(roomsAcross, roomsAcross);
    return *area;
}

// Argument: rooms across and down.
void BM_AddMarkAfterOneEdit(benchmark::State& state)
{
    TRoomList area(0, 0);
    area.Assign(Area(static_cast<int>(state.range(0))));
    TAUndoList history;
    history.AddMark(area);
    long long kept = 0;
    int marks = 0;
    int i = 0;
    for (auto _ : state) {
        area[(i++ * 7919) % area.Count()].Short += "x";
        area.Modified = true;
        const long long before = g_liveBytes.load();
        history.AddMark(area);
        kept += g_liveBytes.load() - before;
        ++marks;
    }
    state.counters["KiB_kept_per_mark"] = marks ? kept / 1024.0 / marks : 0;
}
BENCHMARK(BM_AddMarkAfterOneEdit)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Undo(benchmark::State& state)
{
    TRoomList area(0, 0);
    area.Assign(Area(static_cast<int>(state.range(0))));
    TAUndoList history;
    history.AddMark(area);
    area[10].Short = "edited";
    history.AddMark(area);
    for (auto _ : state) {
        history.Undo(area);
        state.PauseTiming();
        history.Redo(area);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Undo)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
