// The concordance scanner over 100 MB of English text held as UTF-16 with its
// class array, run the way the search engine runs it: from the buffer start,
// and after each hit from one character past its start, counting words on
// the way. bench/scan_vs_grep.sh runs it beside rg and grep on the same text.
//
// The text is the UTF-8 file named by QM_SCAN_CORPUS; without it, the English
// fortune files of /usr/share/games/fortunes repeated to 100 MB.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "platform/chartype.h"
#include "platform/text.h"
#include "runtime1/scanning/bare_assemb3.h"
#include "runtime1/search/search_parsing.h"

namespace {

constexpr size_t kCorpusBytes = 100u << 20;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string CorpusUtf8() {
    if (const char* path = std::getenv("QM_SCAN_CORPUS"))
        return ReadFile(path);
    std::string one;
    const std::filesystem::path folder = "/usr/share/games/fortunes";
    std::error_code ec;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.is_regular_file() && !entry.is_symlink() && !entry.path().has_extension())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& f : files)
        one += ReadFile(f);
    if (one.empty())
        return {};
    std::string text;
    while (text.size() < kCorpusBytes)
        text += one;
    text.resize(kCorpusBytes);
    return text;
}

struct TCorpus {
    std::u16string text;
    std::vector<uint16_t> classes; // text.size() + 2
};

const TCorpus& Corpus() {
    static const TCorpus corpus = [] {
        TCorpus c;
        c.text = qm7::platform::Utf8ToUtf16(CorpusUtf8());
        c.classes.assign(c.text.size() + 2, 0);
        qm7::platform::StringType1W(c.text.data(), c.text.size(), c.classes.data());
        return c;
    }();
    return corpus;
}

struct TScanTotals {
    int64_t hits = 0;
    int32_t words = 0;
};

TScanTotals ScanWholeText(const TCorpus& c, const qm7::TSearch_word_format_rec& word) {
    const auto n = int64_t(c.text.size());
    const bool case_sensitive = word.flags.Contains(qm7::myCaseIsSensitive);
    const std::u16string& lower = case_sensitive ? word.copies[0] : word.copies[2];
    const std::u16string& upper = case_sensitive ? word.copies[0] : word.copies[1];
    const std::u16string& capitalised = case_sensitive ? word.copies[0] : word.copies[3];
    const uint16_t* classes = c.classes.data();
    qm7::TSearchStatsRec stats;
    bool in_heading = false;
    TScanTotals totals;
    int64_t pos = 0;
    while (pos < n) {
        int32_t length = 0, exact = 0;
        const void* hit = qm7::NewFindWantedInBuffer(
            c.text.data() + pos, n - pos, classes + pos, classes, classes + n, upper, lower,
            capitalised, int32_t(word.search_text.size()), case_sensitive,
            word.flags.Contains(qm7::myLeftBounded), word.flags.Contains(qm7::myRightBounded), true,
            false, length, exact, stats, in_heading, false, false, false, false);
        if (!hit)
            break;
        ++totals.hits;
        pos = static_cast<const char16_t*>(hit) - c.text.data() + 1;
    }
    totals.words = stats.number[0];
    return totals;
}

void BM_Scan(benchmark::State& state, const char* entry, int32_t vector_width = 256) {
    const TCorpus& c = Corpus();
    if (c.text.empty()) {
        state.SkipWithError("no corpus: set QM_SCAN_CORPUS or install the fortunes package");
        return;
    }
    qm7::TIgnore_tag_type tags{};
    tags[0][0] = u'<';
    tags[1][0] = u'>';
    std::u16string alternative = qm7::platform::Utf8ToUtf16(entry);
    qm7::TSearch_word_format_rec word;
    qm7::Parsed_SearchWord(tags, alternative, word);
    TScanTotals totals;
    qm7::ScannerVectorWidth = vector_width;
    for (auto _ : state)
        benchmark::DoNotOptimize(totals = ScanWholeText(c, word));
    qm7::ScannerVectorWidth = 256;
    state.counters["hits"] = double(totals.hits);
    state.counters["words"] = double(totals.words);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(c.text.size() * 2));
}

BENCHMARK_CAPTURE(BM_Scan, rare, "saxophone")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Scan, the, "the")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Scan, digits_th, "#th")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Scan, wom_n, "wom?n")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Scan, in_any_of, "in * of")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Scan, book_unbounded, "book*")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Scan, case_sensitive, "==God==")->Unit(benchmark::kMillisecond);
// The same rare word with narrower vectors, and trying every character.
BENCHMARK_CAPTURE(BM_Scan, rare_128_bits, "saxophone", 128)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Scan, rare_one_by_one, "saxophone", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Scan, the_one_by_one, "the", 0)->Unit(benchmark::kMillisecond);

} // namespace
