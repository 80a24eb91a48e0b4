// The two export runs on the 100 x 100-room area, each against its baseline in the same
// run: writing the very same bytes to the same number of files with plain file streams.
// Each iteration does both, in alternating order, so drift of the machine hits both alike;
// the counters give both times and their ratio. KB_BENCH_DIR chooses the folder (default: the
// system temp folder); a tmpfs such as /dev/shm takes the disk's own noise out.
#include "benchutil/generatedarea.h"
#include "export/exportrun.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {
TRoomList& Area()
{
    static std::unique_ptr<TRoomList> area = MakeGeneratedArea();
    return *area;
}

std::vector<std::pair<std::string, std::string>> FilesBelow(const fs::path& dir)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        if (!e.is_regular_file())
            continue;
        std::ifstream in(e.path(), std::ios::binary);
        files.emplace_back(fs::relative(e.path(), dir).string(),
                           std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    }
    return files;
}

void WriteWithStreams(const fs::path& dir, const std::vector<std::pair<std::string, std::string>>& files)
{
    for (const auto& [name, bytes] : files) {
        std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
}

template <typename Run>
void ExportAgainstStreams(benchmark::State& state, Run run)
{
    const char* base = std::getenv("KB_BENCH_DIR");
    const fs::path root = (base && *base ? fs::path(base) : fs::temp_directory_path()) / "kb_bench_export";
    fs::remove_all(root);
    const fs::path exportDir = root / "export" / "bench";
    const fs::path streamDir = root / "streams" / "bench";
    fs::create_directories(exportDir.parent_path());
    run(Area(), exportDir.string(), TExportEncoding::CodePage);
    const auto files = FilesBelow(exportDir);
    fs::create_directories(streamDir / "rooms");
    WriteWithStreams(streamDir, files);

    size_t bytes = 0;
    for (const auto& f : files)
        bytes += f.second.size();
    double exportSeconds = 0, streamSeconds = 0;
    using Clock = std::chrono::steady_clock;
    bool exportFirst = true;
    for (auto _ : state) {
        // Alternating the order spreads the kernel's write-back of the previous pass evenly.
        double e = 0;
        for (int pass = 0; pass < 2; ++pass) {
            const auto t0 = Clock::now();
            if ((pass == 0) == exportFirst) {
                run(Area(), exportDir.string(), TExportEncoding::CodePage);
                e = std::chrono::duration<double>(Clock::now() - t0).count();
            } else {
                WriteWithStreams(streamDir, files);
                streamSeconds += std::chrono::duration<double>(Clock::now() - t0).count();
            }
        }
        exportFirst = !exportFirst;
        exportSeconds += e;
        state.SetIterationTime(e);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["files"] = static_cast<double>(files.size());
    state.counters["MB"] = bytes / 1e6;
    state.counters["export_ms"] = exportSeconds / n * 1e3;
    state.counters["streams_ms"] = streamSeconds / n * 1e3;
    state.counters["ratio"] = streamSeconds > 0 ? exportSeconds / streamSeconds : 0;
    fs::remove_all(root);
}

void BM_ExportToCFilesVsStreams(benchmark::State& state) { ExportAgainstStreams(state, ExportToCFiles); }
BENCHMARK(BM_ExportToCFilesVsStreams)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_ExportUsingScriptVsStreams(benchmark::State& state) { ExportAgainstStreams(state, ExportUsingScript); }
BENCHMARK(BM_ExportUsingScriptVsStreams)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);
} // namespace

BENCHMARK_MAIN();
