// The search-and-do engine over a UTF-16 and an 8-bit buffer of English-like
// text: a frequent word, a rare one and a wildcard, hits counted through the
// search-found event.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/codepage.h"
#include "runtime1/search/search_engines.h"

namespace {

using namespace qm7;

std::u16string Text() {
    static const std::u16string text = [] {
        const std::u16string line =
            u"The keeper painted the rail of the gallery green again. On the 4th day "
            u"a woman and the boat came with flour, lamp oil and letters.\n\n";
        std::u16string t;
        while (t.size() < (1u << 20))
            t += line;
        return t;
    }();
    return text;
}

TSearch_word_format_rec Item(std::u16string entry) {
    TBaseSearchItems items(TIgnore_tag_type{}, 0x0409, true);
    items.AddedSearchWords(entry);
    return items.GetSWR(0);
}

void Search(benchmark::State& state, bool unicode, const char16_t* entry) {
    const std::u16string wide = Text();
    const std::string narrow = platform::UnicodeToAnsi(wide, 1252);
    TSearchAndDoEngine engine(unicode, true, 0x0409);
    int64_t hits = 0;
    engine.PrepareFirst(unicode ? static_cast<const void*>(wide.c_str()) : narrow.c_str(),
                        int64_t(wide.size()) * (unicode ? 2 : 1), 0,
                        [&](TSearchAndDoEngine*, const TSearchFound_Rec&) { return ++hits, true; },
                        {});
    TSearch_word_format_rec item = Item(entry);
    for (auto _ : state) {
        hits = 0;
        engine.ClearChunkTextStats();
        engine.SearchAndDo(&item);
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = double(hits);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(wide.size()));
}

void BM_EngineUtf16(benchmark::State& state, const char16_t* entry) {
    Search(state, true, entry);
}
void BM_Engine8Bit(benchmark::State& state, const char16_t* entry) {
    Search(state, false, entry);
}

BENCHMARK_CAPTURE(BM_EngineUtf16, the, u"the");
BENCHMARK_CAPTURE(BM_EngineUtf16, rare, u"xylophone");
BENCHMARK_CAPTURE(BM_EngineUtf16, wildcard, u"wom?n");
BENCHMARK_CAPTURE(BM_Engine8Bit, the, u"the");
BENCHMARK_CAPTURE(BM_Engine8Bit, rare, u"xylophone");

} // namespace
