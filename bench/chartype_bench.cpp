// Classifying 100 MB of UTF-16 text into a class array (one flag word per
// unit), beside memcpy of the same bytes.
#include <cstring>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "platform/chartype.h"

namespace {

constexpr size_t kBytes = 100u << 20;
constexpr size_t kUnits = kBytes / 2;

const std::vector<char16_t>& Text() {
    static const std::vector<char16_t> text = [] {
        const std::u16string sample =
            u"The quick brown fox, 1234 — Быстрая лиса; Η γρήγορη αλεπού! "
            u"\u0627\u0644\u062B\u0639\u0644\u0628 \u0915\u093F\u0924\u093E\u092C. "
            u"\u4E2D\u6587\u3002 caf\u00E9 \U0001D400\r\n";
        std::vector<char16_t> t(kUnits);
        for (size_t i = 0; i < t.size(); ++i)
            t[i] = sample[i % sample.size()];
        return t;
    }();
    return text;
}

void BM_StringType1W(benchmark::State& state) {
    const auto& text = Text();
    std::vector<uint16_t> classes(text.size() + 2);
    qm7::platform::CharType1Table(); // built before timing
    for (auto _ : state) {
        qm7::platform::StringType1W(text.data(), text.size(), classes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}

void BM_memcpy(benchmark::State& state) {
    const auto& text = Text();
    std::vector<char16_t> copy(text.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), text.data(), kBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kBytes));
}

} // namespace

BENCHMARK(BM_StringType1W)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_memcpy)->Unit(benchmark::kMillisecond);
