// What the map does when the mouse moves near a room (the line a click would act on) and when
// a click builds a room on a link, next to the last room of a grid with a few rooms. Argument:
// 0 a 21 x 21-cell grid (the baseline), 1 the largest grid a file may hold (65,535 cells a
// side), 2 a grid two billion cells a side, as only a model built in memory can have. The
// three must cost about the same: the cost follows the rooms, not the grid.
#include "files/loadlimits.h"
#include "model/mapedit.h"

#include <benchmark/benchmark.h>

#include <climits>
#include <memory>

namespace {
int32_t Side(int64_t arg)
{
    switch (arg) {
    case 0: return 21;
    case 1: return MaxGridCells;
    default: return INT32_MAX;
    }
}

// Rooms in the four corners and on the middle of each edge, joined along the edges and on
// both diagonals; the last room is the south-eastern corner.
std::unique_ptr<TRoomList> FewRooms(int32_t side)
{
    auto area = std::make_unique<TRoomList>(side, side);
    const int32_t mid = (side / 2) | 1;
    for (const TGridPoint c : {TGridPoint{1, 1}, {mid, 1}, {side, 1}, {1, mid}, {side, mid}, {1, side}, {mid, side},
                               {side, side}})
        BuildRoom(*area, c, nullptr);
    area->LinkWE(2, 1, true);
    area->LinkWE(side - 1, side, true);
    area->LinkNS(side, side - 1, true);
    area->LinkNWSE(2, 2, true);
    area->LinkSWNE(2, side - 1, true);
    return area;
}

void BM_HoverNextToTheLastRoom(benchmark::State& state)
{
    const int32_t side = Side(state.range(0));
    const auto area = FewRooms(side);
    // The connector cells around the last room, and the empty room cells beyond them.
    const TGridPoint cells[] = {{side - 1, side}, {side, side - 1}, {side - 1, side - 1}, {side - 2, side},
                                {side, side - 2}, {side - 2, side - 2}};
    int found = 0;
    for (auto _ : state)
        for (const TGridPoint c : cells) {
            found += ConnectorLine(*area, c, false) != TLinkLine::None;
            found += ConnectorLine(*area, c, true) != TLinkLine::None;
            benchmark::DoNotOptimize(area->RoomAt(c));
        }
    benchmark::DoNotOptimize(found);
    state.counters["cells_per_move"] = std::size(cells);
}
BENCHMARK(BM_HoverNextToTheLastRoom)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_BuildNextToTheLastRoom(benchmark::State& state)
{
    const int32_t side = Side(state.range(0));
    const auto area = FewRooms(side);
    // On the edge link west of the last room and on the long diagonal beside it: both split.
    const TGridPoint cells[] = {{side - 2, side}, {side - 2, side - 2}};
    int i = 0;
    for (auto _ : state) {
        const TGridPoint cell = cells[i++ % 2];
        const TBuildResult built = BuildRoom(*area, cell, nullptr);
        if (!built.SplitLinks)
            state.SkipWithError("the room did not split the link it was built on");
        state.PauseTiming();
        EraseRoom(*area, built.Room);
        // Erasing leaves the two ends apart: join them again for the next build.
        if (cell.X == cell.Y)
            area->LinkNWSE(2, 2, true);
        else
            area->LinkWE(side - 1, side, true);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildNextToTheLastRoom)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
