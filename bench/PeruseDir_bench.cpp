// Walking a tree of folders the way a tool chooses its texts: every
// sub-folder reported, every folder listed with its file records; and the
// entries of a large zip archive read into file records.
//
// The tree and the archive are made in the temporary folder unless
// QM_BENCH_TREE (a folder) and QM_BENCH_ZIP (an archive) name existing ones;
// bench/files_bench.sh makes 100,000 files in 1,000 folders and an archive of
// 50,000 entries and compares with find and zipinfo.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "platform/text.h"
#include "platform/zipfile.h"
#include "runtime1/files/PeruseDir.h"

namespace {

namespace fs = std::filesystem;
using namespace qm7;

fs::path Scratch() {
    return fs::temp_directory_path() / ("qm7_peruse_bench_" + std::to_string(::getpid()));
}

struct TCleanUp {
    ~TCleanUp() {
        std::error_code e;
        fs::remove_all(Scratch(), e);
    }
} clean_up;

// A small tree when none is given: 10 folders of 10 folders of 100 files.
fs::path Tree() {
    if (const char* given = std::getenv("QM_BENCH_TREE"))
        return given;
    const fs::path root = Scratch() / "tree";
    if (!fs::exists(root)) {
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b) {
                const fs::path dir = root / ("a" + std::to_string(a)) / ("b" + std::to_string(b));
                fs::create_directories(dir);
                for (int f = 0; f < 100; ++f)
                    std::ofstream(dir / ("f" + std::to_string(f) + ".txt")) << "text " << f;
            }
    }
    return root;
}

fs::path Zip() {
    if (const char* given = std::getenv("QM_BENCH_ZIP"))
        return given;
    const fs::path zip = Scratch() / "many.zip";
    if (!fs::exists(zip)) {
        fs::create_directories(Scratch());
        std::vector<platform::TZipNewEntry> entries;
        for (int i = 0; i < 50000; ++i)
            entries.push_back({"texts/t" + std::to_string(i) + ".txt", "x", 0, 0, false});
        platform::WriteZipFile(zip, entries);
    }
    return zip;
}

void BM_WalkTree(benchmark::State& state) {
    const std::u16string root = platform::Utf8ToUtf16(Tree().string());
    int64_t files = 0;
    for (auto _ : state) {
        TPeruseDir walk(u"*", u"*", u"", u"", u"", false, false, false, false, false);
        std::vector<std::u16string> folders{root};
        walk.OnFoundDir = [&](const std::u16string& d) { folders.push_back(d); };
        walk.ProcessAllSubDirectories(root);
        files = 0;
        for (const std::u16string& folder : folders) {
            TFolderful listed(folder);
            listed.FillList(walk);
            files += listed.Count();
        }
        benchmark::DoNotOptimize(files);
    }
    state.counters["files"] = double(files);
    state.SetItemsProcessed(state.iterations() * files);
}
BENCHMARK(BM_WalkTree)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ZipEntriesAsFileRecords(benchmark::State& state) {
    const fs::path zip = Zip();
    const std::u16string folder = platform::Utf8ToUtf16(zip.parent_path().string()) + u"/";
    const std::u16string name = platform::Utf8ToUtf16(zip.filename().string());
    int64_t entries = 0;
    for (auto _ : state) {
        TPeruseDir walk(u"*", u"*", u"*", u"", u"", false, true, false, false, false);
        TMySearchRecList list;
        walk.AddAZip(&list, folder, name);
        entries = list.Count();
    }
    // Records carry 16-bit entry numbers: at most 32,767 of them.
    state.counters["entries"] = double(entries);
    state.SetItemsProcessed(state.iterations() * entries);
}
BENCHMARK(BM_ZipEntriesAsFileRecords)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
