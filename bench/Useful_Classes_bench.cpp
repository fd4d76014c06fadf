// Looking files up by full name in a file list of 200,000 files in 20,000
// folders (hashed folder and file look-up), beside a plain linear look-up of
// the same list; and filling the list.
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "runtime1/core/Useful_Classes.h"

using namespace qm7;

namespace {

constexpr int kFolders = 20'000;
constexpr int kFilesPerFolder = 10;

std::u16string U16(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

const std::vector<std::u16string>& FullNames() {
    static std::vector<std::u16string> names;
    if (names.empty()) {
        for (int f = 0; f < kFolders; ++f)
            for (int n = 0; n < kFilesPerFolder; ++n)
                names.push_back(U16("/corpus/part" + std::to_string(f % 97) + "/folder" +
                                    std::to_string(f) + "/text" + std::to_string(n) + ".txt"));
    }
    return names;
}

TFolderEfficientFileStringlist& FilledList() {
    static TFolderEfficientFileStringlist list;
    if (list.Count() == 0)
        for (const auto& name : FullNames())
            list.Add(name);
    return list;
}

// The names looked up: every tenth one absent (a file not in its folder).
std::vector<std::u16string> Queries() {
    std::mt19937 random(1);
    std::vector<std::u16string> q;
    const auto& names = FullNames();
    for (int i = 0; i < 1000; ++i) {
        std::u16string name = names[random() % names.size()];
        if (i % 10 == 0)
            name += u".missing";
        q.push_back(name);
    }
    return q;
}

// What a look-up without hashing does: find the folder, then scan the files.
int LinearIndexOfFullName(const TFolderEfficientFileStringlist& list, std::u16string_view full) {
    const size_t slash = full.rfind(u'/');
    const std::u16string_view folder = full.substr(0, slash + 1), name = full.substr(slash + 1);
    int folder_number = -1;
    for (int i = 0; i < list.folders().Count() && folder_number < 0; ++i)
        if (list.folders().Strings(i) == folder)
            folder_number = i;
    if (folder_number < 0)
        return -1;
    for (int i = 0; i < list.Count(); ++i)
        if (list.files().GetAFolderNumber(i) == folder_number && list.files().Get(i) == name)
            return i;
    return -1;
}

void BM_IndexOfFullName(benchmark::State& state) {
    const TFolderEfficientFileStringlist& list = FilledList();
    const auto queries = Queries();
    size_t q = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.IndexOfFullName(queries[q]));
        q = (q + 1) % queries.size();
    }
    // Same answers as the plain search.
    for (size_t i = 0; i < 50; ++i)
        if (list.IndexOfFullName(queries[i]) != LinearIndexOfFullName(list, queries[i]))
            state.SkipWithError("hashed and linear look-ups differ");
}

void BM_LinearIndexOfFullName(benchmark::State& state) {
    const TFolderEfficientFileStringlist& list = FilledList();
    const auto queries = Queries();
    size_t q = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LinearIndexOfFullName(list, queries[q]));
        q = (q + 1) % queries.size();
    }
}

void BM_FillFileList(benchmark::State& state) {
    const auto& names = FullNames();
    for (auto _ : state) {
        TFolderEfficientFileStringlist list;
        for (const auto& name : names)
            list.Add(name);
        benchmark::DoNotOptimize(list.Count());
    }
}

} // namespace

BENCHMARK(BM_IndexOfFullName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LinearIndexOfFullName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillFileList)->Unit(benchmark::kMillisecond)->Iterations(3);
