// Splitting 100 MB of English text into sentences, paragraph by paragraph,
// with both paragraph splitters; and reading page lists back.
//
// The text: the English sentences of the sample corpus (the lighthouse and
// bee texts and the two letters in letters.zip), shuffled into paragraphs of
// three to nine sentences until there are 100 x 2^20 characters. On the way
// about a third of the sentences get another ending ("!", "?", "...", "?!",
// or a closing quotation mark after the stop), and about one in five
// paragraphs gets a sentence with an abbreviation, a decimal number or a
// quotation. Paragraphs end in CR LF CR LF. The text is held as UTF-16;
// throughput is given in characters, one byte each in the 8-bit text.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>
#include <zip.h>

#include "platform/stringlist.h"
#include "platform/text.h"
#include "runtime1/strings/my_string_functions.h"

namespace {

constexpr size_t kCharacters = size_t(100) << 20;

std::filesystem::path SamplesDir() {
    if (const char* dir = std::getenv("QM_SAMPLES_DIR"))
        return dir;
    return std::filesystem::path(__FILE__).parent_path().parent_path() / "samples";
}

std::u16string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return qm7::platform::DecodeText(bytes);
}

std::vector<std::u16string> ReadZipEntries(const std::filesystem::path& path) {
    std::vector<std::u16string> texts;
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!archive)
        return texts;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        if (!file || zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0)
            continue;
        std::string bytes(size_t(stat.size), '\0');
        const zip_int64_t got = zip_fread(file, bytes.data(), stat.size);
        zip_fclose(file);
        if (got >= 0) {
            bytes.resize(size_t(got));
            texts.push_back(qm7::platform::DecodeText(bytes));
        }
    }
    zip_close(archive);
    return texts;
}

// The sentences of the corpus lines that read as prose (a title, greeting or
// signature has no full stop): cut after ". ", "? " and "! ".
std::vector<std::u16string> CorpusSentences() {
    std::vector<std::u16string> texts = ReadZipEntries(SamplesDir() / "letters.zip");
    texts.push_back(ReadFile(SamplesDir() / "lighthouse_utf8.txt"));
    texts.push_back(ReadFile(SamplesDir() / "bees_utf8_signed.txt"));
    std::vector<std::u16string> sentences;
    for (const std::u16string& text : texts) {
        size_t line_start = 0;
        while (line_start < text.size()) {
            size_t line_end = text.find(u'\n', line_start);
            if (line_end == std::u16string::npos)
                line_end = text.size();
            const std::u16string line = qm7::platform::Trim(
                std::u16string_view(text).substr(line_start, line_end - line_start));
            line_start = line_end + 1;
            if (line.find(u'.') == std::u16string::npos)
                continue;
            size_t start = 0;
            for (size_t i = 0; i + 1 < line.size(); ++i)
                if ((line[i] == u'.' || line[i] == u'?' || line[i] == u'!') &&
                    line[i + 1] == u' ') {
                    sentences.push_back(line.substr(start, i + 1 - start));
                    start = i + 2;
                }
            sentences.push_back(line.substr(start));
        }
    }
    return sentences;
}

const std::u16string kExtras[] = {
    u"The boat, e.g. the small one, left at 4.35 p.m. on Friday.",
    u"Mr. Hale paid 12.50 for the rope, i.e. twice the usual price.",
    u"\"Is the lamp lit?\" he asked.",
    u"She said, \"The hive weighs 3.5 kg.\"",
    u"Dr. Price counted 1,250 bees in 2.5 hours.",
    u"The log says \u201CWind north, sea calm.\u201D Nothing more.",
    u"It was 0.75 miles to the wreck, approx. a short walk.",
};

std::u16string WithOtherEnding(std::u16string sentence, std::mt19937& random) {
    static const char16_t* const kEndings[] = {u"!", u"?", u"...", u"?!", u".\""};
    if (sentence.empty() || sentence.back() != u'.' || random() % 3 != 0)
        return sentence;
    sentence.pop_back();
    return sentence + kEndings[random() % std::size(kEndings)];
}

struct TBenchText {
    std::u16string text;
    std::vector<std::u16string_view> paragraphs;
};

const TBenchText& BenchText() {
    static const TBenchText bench = [] {
        TBenchText b;
        const std::vector<std::u16string> sentences = CorpusSentences();
        std::mt19937 random(7);
        b.text.reserve(kCharacters + 4096);
        while (b.text.size() < kCharacters) {
            const size_t count = 3 + random() % 7;
            for (size_t k = 0; k < count; ++k) {
                if (k > 0)
                    b.text += u' ';
                b.text += WithOtherEnding(sentences[random() % sentences.size()], random);
            }
            if (random() % 5 == 0)
                b.text += u" " + kExtras[random() % std::size(kExtras)];
            b.text += u"\r\n\r\n";
        }
        b.text.resize(kCharacters);
        const std::u16string_view all(b.text);
        for (size_t start = 0; start < all.size();) {
            size_t end = all.find(u"\r\n\r\n", start);
            if (end == std::u16string_view::npos)
                end = all.size();
            b.paragraphs.push_back(all.substr(start, end - start));
            start = end + 4;
        }
        return b;
    }();
    return bench;
}

void BM_SentencesFromParagraph(benchmark::State& state) {
    const TBenchText& bench = BenchText();
    int64_t sentences = 0;
    for (auto _ : state) {
        sentences = 0;
        for (const std::u16string_view paragraph : bench.paragraphs)
            sentences += qm7::SentencesFromParagraph(paragraph, u"", 0x0409, 0)->Count();
        benchmark::DoNotOptimize(sentences);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bench.text.size()));
    state.counters["sentences"] = double(sentences);
    state.counters["paragraphs"] = double(bench.paragraphs.size());
}

void BM_SentencesFromParagraphMaskingTags(benchmark::State& state) {
    const TBenchText& bench = BenchText();
    for (auto _ : state)
        for (const std::u16string_view paragraph : bench.paragraphs)
            benchmark::DoNotOptimize(qm7::SentencesFromParagraph(paragraph, u"", 0x0409, 40));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bench.text.size()));
}

void BM_SentencesExtractedFromParagraph(benchmark::State& state) {
    const TBenchText& bench = BenchText();
    int64_t sentences = 0;
    for (auto _ : state) {
        sentences = 0;
        for (const std::u16string_view paragraph : bench.paragraphs)
            sentences += qm7::SentencesExtractedFromParagraph(false, 2, paragraph)->Count();
        benchmark::DoNotOptimize(sentences);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bench.text.size()));
    state.counters["sentences"] = double(sentences);
}

// The whole text handed over as one paragraph.
void BM_SentencesFromParagraphWholeText(benchmark::State& state) {
    const TBenchText& bench = BenchText();
    for (auto _ : state)
        benchmark::DoNotOptimize(qm7::SentencesFromParagraph(bench.text, u"", 0x0409, 0)->Count());
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bench.text.size()));
}

void BM_PageListAsIntegers(benchmark::State& state) {
    std::u16string text;
    for (int page = 1; page < 200000; page += 4 + page % 5)
        text += (text.empty() ? u"" : u",") + qm7::platform::Utf8ToUtf16(std::to_string(page)) +
                u"-" + qm7::platform::Utf8ToUtf16(std::to_string(page + 2));
    qm7::TArrayOfIntegers values;
    for (auto _ : state) {
        qm7::HumanAbbreviatedNumberListStringAsIntegers(text, 0, values);
        benchmark::DoNotOptimize(values.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

} // namespace

BENCHMARK(BM_SentencesFromParagraph)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SentencesFromParagraphMaskingTags)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SentencesExtractedFromParagraph)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SentencesFromParagraphWholeText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageListAsIntegers)->Unit(benchmark::kMillisecond);
