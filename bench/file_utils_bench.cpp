// Reading a large UTF-8 corpus file and decoding it to UTF-16 the way the
// suite reads texts (byte-order mark, strict UTF-8, else the code page), and
// the content detection of a whole file. The text is made in the temporary
// folder (100 MB) unless QM_BENCH_TEXT names a file; bench/files_bench.sh
// compares with iconv.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

#include "platform/stream.h"
#include "platform/text.h"
#include "runtime1/files/file_utils.h"

namespace {

namespace fs = std::filesystem;
using namespace qm7;

constexpr size_t kTextBytes = 100u << 20;

fs::path Made() {
    return fs::temp_directory_path() / ("qm7_text_bench_" + std::to_string(::getpid()) + ".txt");
}

struct TCleanUp {
    ~TCleanUp() {
        std::error_code e;
        fs::remove(Made(), e);
    }
} clean_up;

// Words of ASCII letters with some accented letters, Greek and punctuation.
fs::path Text() {
    if (const char* given = std::getenv("QM_BENCH_TEXT"))
        return given;
    const fs::path file = Made();
    if (!fs::exists(file)) {
        const std::u16string extra = u"\u00E9\u00E8\u00FC\u00E7\u2019\u03B1\u00F1";
        std::u16string text;
        uint32_t seed = 12345;
        while (text.size() < (1u << 20)) {
            seed = seed * 1103515245u + 12345u;
            const uint32_t length = 2 + (seed >> 16) % 9;
            for (uint32_t i = 0; i < length; ++i) {
                seed = seed * 1103515245u + 12345u;
                const uint32_t pick = (seed >> 16) % 100;
                text.push_back(pick < 5 ? extra[pick % extra.size()] : char16_t(u'a' + pick % 26));
            }
            text.push_back((seed >> 8) % 12 == 0 ? u'\n' : u' ');
        }
        const std::string piece = platform::Utf16ToUtf8(text);
        std::ofstream out(file, std::ios::binary);
        for (size_t written = 0; written < kTextBytes; written += piece.size())
            out.write(piece.data(), std::streamsize(piece.size()));
    }
    return file;
}

std::string ReadAll(const fs::path& file) {
    platform::TFileStream in(file, platform::fmOpenRead);
    std::string bytes(size_t(in.Size()), '\0');
    in.ReadBuffer(bytes.data(), int64_t(bytes.size()));
    return bytes;
}

void BM_ReadAndDecodeUtf8File(benchmark::State& state) {
    const fs::path file = Text();
    int64_t bytes = 0;
    for (auto _ : state) {
        const std::string raw = ReadAll(file);
        const std::u16string text = RepairedText(raw);
        bytes = int64_t(raw.size());
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_ReadAndDecodeUtf8File)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ThoroughContentsType(benchmark::State& state) {
    const fs::path file = Text();
    for (auto _ : state)
        benchmark::DoNotOptimize(FileContentsType(file, true));
    state.SetBytesProcessed(state.iterations() * int64_t(fs::file_size(file)));
}
BENCHMARK(BM_ThoroughContentsType)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
