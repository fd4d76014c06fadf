// Listing every entry of a large zip archive (name, sizes, date, attributes)
// through the zip wrapper. The archive is made in the temporary folder
// unless QM_BENCH_ZIP names one (bench/files_bench.sh compares with zipinfo).
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "platform/zipfile.h"

namespace {

namespace fs = std::filesystem;
using namespace qm7::platform;

fs::path Zip() {
    if (const char* given = std::getenv("QM_BENCH_ZIP"))
        return given;
    static const fs::path zip =
        fs::temp_directory_path() / ("qm7_zip_bench_" + std::to_string(::getpid()) + ".zip");
    if (!fs::exists(zip)) {
        std::vector<TZipNewEntry> entries;
        for (int i = 0; i < 50000; ++i)
            entries.push_back({"texts/t" + std::to_string(i) + ".txt", "x", 0, 0, false});
        WriteZipFile(zip, entries);
    }
    return zip;
}

struct TCleanUp {
    ~TCleanUp() {
        if (std::getenv("QM_BENCH_ZIP") == nullptr) {
            std::error_code e;
            fs::remove(fs::temp_directory_path() /
                           ("qm7_zip_bench_" + std::to_string(::getpid()) + ".zip"),
                       e);
        }
    }
} clean_up;

void BM_ListZipEntries(benchmark::State& state) {
    const fs::path zip = Zip();
    size_t entries = 0;
    for (auto _ : state) {
        const TZipFile archive(zip);
        const std::vector<TZipEntry> list = archive.Entries();
        entries = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["entries"] = double(entries);
    state.SetItemsProcessed(int64_t(state.iterations() * entries));
}
BENCHMARK(BM_ListZipEntries)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
