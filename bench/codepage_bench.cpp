// Conversion speed of whole corpus files into UTF-16.
#include <cstdint>
#include <string>

#include <benchmark/benchmark.h>

#include "platform/codepage.h"
#include "platform/text.h"

namespace {

using namespace qm7::platform;

constexpr size_t kTextSize = 4 << 20;

// Running text: words of ASCII letters with some accented letters and
// punctuation, repeated from a small generator so every run is the same.
std::u16string SampleText(std::u16string_view extra_letters) {
    std::u16string text;
    text.reserve(kTextSize);
    uint32_t state = 12345;
    while (text.size() < kTextSize) {
        state = state * 1103515245u + 12345u;
        const uint32_t length = 2 + (state >> 16) % 9;
        for (uint32_t i = 0; i < length; ++i) {
            state = state * 1103515245u + 12345u;
            const uint32_t pick = (state >> 16) % 100;
            if (pick < 6 && !extra_letters.empty())
                text.push_back(extra_letters[pick % extra_letters.size()]);
            else
                text.push_back(char16_t(u'a' + pick % 26));
        }
        text.push_back((state >> 8) % 12 == 0 ? u'\n' : u' ');
    }
    return text;
}

void BM_Windows1252ToUnicode(benchmark::State& state) {
    const std::string bytes =
        UnicodeToAnsi(SampleText(u"\u00E9\u00E8\u00FC\u00E7\u2019\u00F1"), 1252);
    for (auto _ : state)
        benchmark::DoNotOptimize(AnsiToUnicode(bytes, 1252));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_Windows1252ToUnicode);

void BM_UnicodeToWindows1252(benchmark::State& state) {
    const std::u16string text = SampleText(u"\u00E9\u00E8\u00FC\u00E7\u2019\u00F1");
    for (auto _ : state)
        benchmark::DoNotOptimize(UnicodeToAnsi(text, 1252));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_UnicodeToWindows1252);

void BM_ShiftJisToUnicode(benchmark::State& state) {
    const std::string bytes =
        UnicodeToAnsi(SampleText(u"\u65E5\u672C\u8A9E\u306E\u30C6\u3002"), 932);
    for (auto _ : state)
        benchmark::DoNotOptimize(AnsiToUnicode(bytes, 932));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_ShiftJisToUnicode);

void BM_Utf8ToUtf16Latin(benchmark::State& state) {
    const std::string bytes = Utf16ToUtf8(SampleText(u"\u00E9\u00E8\u00FC\u00E7\u2019\u00F1"));
    for (auto _ : state)
        benchmark::DoNotOptimize(Utf8ToUtf16(bytes));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_Utf8ToUtf16Latin);

void BM_Utf8ToUtf16Greek(benchmark::State& state) {
    std::u16string text = SampleText(u"");
    for (char16_t& c : text)
        if (c >= u'a' && c <= u'z')
            c = char16_t(0x03B1 + (c - u'a') % 24);
    const std::string bytes = Utf16ToUtf8(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(Utf8ToUtf16(bytes));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_Utf8ToUtf16Greek);

void BM_Utf16ToUtf8(benchmark::State& state) {
    const std::u16string text = SampleText(u"\u00E9\u00E8\u00FC\u00E7\u2019\u00F1");
    for (auto _ : state)
        benchmark::DoNotOptimize(Utf16ToUtf8(text));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size() * 2));
}
BENCHMARK(BM_Utf16ToUtf8);

} // namespace
