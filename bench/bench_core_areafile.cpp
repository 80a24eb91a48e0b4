// Area file costs on the 100 x 100-room area, each next to its baseline: SaveArea against
// bare deflate of the same inflated bytes, LoadArea (and the load alone, without freeing the
// area) against bare inflate of the same file, loading rooms stored in descending against
// ascending order. The undo costs, which count allocations, are in their own program so that
// the counting does not weigh on the loads here.
#include "benchutil/generatedarea.h"
#include "files/areafile.h"
#include "files/zstream.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <filesystem>
#include <map>


namespace {
const TRoomList& Area(int roomsAcross = 100)
{
    static std::map<int, std::unique_ptr<TRoomList>> areas;
    auto& area = areas[roomsAcross];
    if (!area)
        area = MakeGeneratedArea(roomsAcross, roomsAcross);
    return *area;
}

std::string TempFile(const char* name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

void BM_SaveArea(benchmark::State& state)
{
    const std::string path = TempFile("kb_bench_save.arf");
    for (auto _ : state)
        SaveArea(path, Area());
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveArea)->Unit(benchmark::kMillisecond);

void BM_BaselineDeflate(benchmark::State& state)
{
    const std::string raw = AreaToInflatedBytes(Area());
    for (auto _ : state) {
        uLongf len = compressBound(raw.size());
        std::string out(len, '\0');
        compress2(reinterpret_cast<Bytef*>(out.data()), &len, reinterpret_cast<const Bytef*>(raw.data()), raw.size(),
                  Z_DEFAULT_COMPRESSION);
        benchmark::DoNotOptimize(out);
    }
    state.counters["inflated_MB"] = raw.size() / 1e6;
}
BENCHMARK(BM_BaselineDeflate)->Unit(benchmark::kMillisecond);

void BM_LoadArea(benchmark::State& state)
{
    const std::string path = TempFile("kb_bench_load.arf");
    SaveArea(path, Area());
    for (auto _ : state) {
        TRoomList area(0, 0);
        LoadArea(path, area);
        benchmark::DoNotOptimize(area.Count());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadArea)->Unit(benchmark::kMillisecond);

// The same load from memory with the area's destruction left out of the timing: what the
// parsing adds to inflating, apart from freeing the ten thousand rooms afterwards.
void BM_LoadAreaNotFreed(benchmark::State& state)
{
    const std::string file = DeflateBytes(AreaToInflatedBytes(Area()));
    for (auto _ : state) {
        auto area = std::make_unique<TRoomList>(0, 0);
        LoadAreaFromCompressed(file, *area);
        state.PauseTiming();
        area.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadAreaNotFreed)->Unit(benchmark::kMillisecond);

void BM_BaselineInflate(benchmark::State& state)
{
    const std::string raw = AreaToInflatedBytes(Area());
    const std::string file = DeflateBytes(raw);
    for (auto _ : state) {
        std::string out(raw.size(), '\0');
        uLongf len = out.size();
        uncompress(reinterpret_cast<Bytef*>(out.data()), &len, reinterpret_cast<const Bytef*>(file.data()), file.size());
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_BaselineInflate)->Unit(benchmark::kMillisecond);

// 60,000 bare rooms on one row (within the widest grid), stored in ascending or descending position order.
std::string RowOfRoomsFile(bool descending)
{
    const int count = 60000;
    TRoomList area(count, 1);
    area.AutoSort = false;
    for (int i = 0; i < count; ++i) {
        auto room = std::make_unique<TRoom>();
        room->X = descending ? count - i : i + 1;
        room->Y = 1;
        room->Number = i + 1;
        area.Add(std::move(room));
    }
    return DeflateBytes(AreaToInflatedBytes(area));
}

void BM_LoadRoomsStoredInOrder(benchmark::State& state)
{
    const std::string file = RowOfRoomsFile(state.range(0) != 0);
    for (auto _ : state) {
        TRoomList area(0, 0);
        LoadAreaFromCompressed(file, area);
        benchmark::DoNotOptimize(area.Count());
    }
}
// 0: ascending, 1: descending.
BENCHMARK(BM_LoadRoomsStoredInOrder)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
