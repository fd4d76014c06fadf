// FastStrPos and FastStrPosW finding a rare pattern at the end of a 100 MB
// buffer, beside glibc memmem (8-bit) and a plain read of every unit (UTF-16).
#include <cstring>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "runtime1/scanning/bare_assemb.h"

namespace {

constexpr size_t kBytes = 100u << 20;

// English-like text with many hits of the pattern's first letter, and the
// pattern itself only at the very end.
template <class T> const std::vector<T>& Buffer() {
    static const std::vector<T> buffer = [] {
        const std::string filler = "the quick brown fox jumps over the lazy dog; zebras zig. ";
        std::vector<T> b(kBytes / sizeof(T));
        for (size_t i = 0; i < b.size(); ++i)
            b[i] = T(filler[i % filler.size()]);
        const std::string rare = "zyzzyva";
        for (size_t k = 0; k < rare.size(); ++k)
            b[b.size() - rare.size() + k] = T(rare[k]);
        return b;
    }();
    return buffer;
}

void BM_FastStrPos(benchmark::State& state) {
    const auto& b = Buffer<char>();
    for (auto _ : state)
        benchmark::DoNotOptimize(qm7::FastStrPos(b.data(), "zyzzyva", int64_t(b.size())));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}

void BM_memmem(benchmark::State& state) {
    const auto& b = Buffer<char>();
    for (auto _ : state)
        benchmark::DoNotOptimize(memmem(b.data(), b.size(), "zyzzyva", 7));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}

void BM_FastStrIPos(benchmark::State& state) {
    const auto& b = Buffer<char>();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            qm7::FastStrIPos(b.data(), "zyzzyva", "ZYZZYVA", int64_t(b.size())));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}

void BM_FastStrPosW(benchmark::State& state) {
    const auto& b = Buffer<char16_t>();
    for (auto _ : state)
        benchmark::DoNotOptimize(qm7::FastStrPosW(b.data(), u"zyzzyva", int64_t(b.size())));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}

void BM_FastStrIPosW(benchmark::State& state) {
    const auto& b = Buffer<char16_t>();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            qm7::FastStrIPosW(b.data(), u"zyzzyva", u"ZYZZYVA", int64_t(b.size())));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}

// Reads every byte once, eight at a time: the memory-speed floor for the
// UTF-16 search.
void BM_ReadAllW(benchmark::State& state) {
    const auto& b = Buffer<char16_t>();
    const char* bytes = reinterpret_cast<const char*>(b.data());
    for (auto _ : state) {
        uint64_t acc = 0;
        for (size_t i = 0; i + 8 <= kBytes; i += 8) {
            uint64_t word;
            std::memcpy(&word, bytes + i, 8);
            acc |= word;
        }
        benchmark::DoNotOptimize(acc);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}

} // namespace

BENCHMARK(BM_FastStrPos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_memmem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastStrIPos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastStrPosW)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FastStrIPosW)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAllW)->Unit(benchmark::kMillisecond);
