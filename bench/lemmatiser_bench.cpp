// Look-ups through the lemmatiser's exported interface against a
// std::unordered_map doing the same look-ups, on a generated sorted lemma
// list of 100,000 pairs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <unistd.h>
#include <unordered_map>
#include <vector>

#include "QM7Lemmatiser.h"

namespace {

constexpr int kHeadwords = 25'000;
constexpr const char* kSuffixes[] = {"s", "ed", "er", "ing"};
constexpr int kLookUps = 1'000'000;
constexpr uint8_t kSlot = 0;

struct TBenchData {
    std::string path;
    std::vector<std::pair<std::string, std::string>> pairs; // variant, headword
    std::vector<std::string> words;                         // the words looked up
};

std::string RandomWord(std::mt19937& random) {
    std::uniform_int_distribution<int> length(4, 9);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::string word(size_t(length(random)), ' ');
    for (char& c : word)
        c = char(letter(random));
    return word;
}

// The generated list file, removed when the program ends.
const std::string& ListPath() {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("qm7lemmabench_" + std::to_string(getpid()) + ".txt"))
                                        .string();
    static const bool removed_at_exit = std::atexit([] { std::remove(ListPath().c_str()); }) == 0;
    (void)removed_at_exit;
    return path;
}

// "HEADWORD -> V1, V2, V3, V4" lines sorted by headword, 4 variants each;
// nine look-ups in ten hit a variant, the rest miss.
TBenchData MakeData() {
    TBenchData data;
    std::mt19937 random(2024);
    std::set<std::string> headwords;
    while (int(headwords.size()) < kHeadwords)
        headwords.insert(RandomWord(random));
    std::string text;
    for (const std::string& headword : headwords) {
        text += headword + " ->";
        for (const char* suffix : kSuffixes) {
            text += " " + headword + suffix + ",";
            data.pairs.emplace_back(headword + suffix, headword);
        }
        text += "\r\n";
    }
    data.path = ListPath();
    std::ofstream(data.path, std::ios::binary) << text;
    std::uniform_int_distribution<size_t> pick(0, data.pairs.size() - 1);
    std::uniform_int_distribution<int> tenth(0, 9);
    data.words.reserve(kLookUps);
    for (int i = 0; i < kLookUps; ++i)
        data.words.push_back(tenth(random) == 0 ? RandomWord(random) + "q"
                                                : data.pairs[pick(random)].first);
    return data;
}

const TBenchData& Data() {
    static const TBenchData data = MakeData();
    return data;
}

std::u16string WidePath() {
    const std::string& path = Data().path;
    return std::u16string(path.begin(), path.end());
}

bool LoadList() {
    return LoadedOne(kSlot, WidePath().c_str(), QM7_KIND_LEMMA, {}, {}, 0x0409, 1, 0) == -1;
}

void BM_LoadSortedLemmaList(benchmark::State& state) {
    for (auto _ : state)
        if (!LoadList())
            state.SkipWithError("the list did not load");
    state.counters["pairs"] = double(LemmaPairEntriesAltogether(kSlot));
}

void BM_WordListerChangeWord(benchmark::State& state) {
    if (!LoadList()) {
        state.SkipWithError("the list did not load");
        return;
    }
    const auto& words = Data().words;
    int64_t changed = 0;
    for (auto _ : state) {
        for (const std::string& word : words) {
            const void* result = WordListerChangeWord(kSlot, word.c_str(), 0, 0);
            changed += result != word.c_str();
            benchmark::DoNotOptimize(result);
        }
    }
    state.counters["changed"] = double(changed) / double(state.iterations());
    state.counters["per_lookup"] =
        benchmark::Counter(double(words.size()), benchmark::Counter::kIsIterationInvariantRate |
                                                     benchmark::Counter::kInvert);
}

void BM_UnorderedMapLookUp(benchmark::State& state) {
    std::unordered_map<std::string, std::string> map;
    for (const auto& [variant, headword] : Data().pairs)
        map.emplace(variant, headword);
    const auto& words = Data().words;
    int64_t changed = 0;
    for (auto _ : state) {
        for (const std::string& word : words) {
            const auto found = map.find(word);
            const char* result = found != map.end() ? found->second.c_str() : word.c_str();
            changed += result != word.c_str();
            benchmark::DoNotOptimize(result);
        }
    }
    state.counters["changed"] = double(changed) / double(state.iterations());
    state.counters["per_lookup"] =
        benchmark::Counter(double(words.size()), benchmark::Counter::kIsIterationInvariantRate |
                                                     benchmark::Counter::kInvert);
}

BENCHMARK(BM_LoadSortedLemmaList)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WordListerChangeWord)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_UnorderedMapLookUp)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
