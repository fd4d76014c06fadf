// qm files: the texts a search would read, with their sizes, dates and what
// their bytes hold.
#include <cmath>
#include <cstdio>
#include <string>

#include "platform/text.h"
#include "tools/qm/corpus.h"
#include "tools/qm/progress.h"

namespace qm7::tool {

namespace {

// Days since 1899-12-30 (with the time as fraction) as "YYYY-MM-DD hh:mm:ss".
std::string DateTimeText(double date_time) {
    const auto total = int64_t(std::llround(date_time * 86400.0));
    int64_t days = total / 86400, seconds = total % 86400;
    if (seconds < 0) {
        seconds += 86400;
        --days;
    }
    // Civil date from days since 1970-01-01 (proleptic Gregorian).
    const int64_t z = days - 25569 + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp < 10 ? mp + 3 : mp - 9;
    const int64_t y = yoe + era * 400 + (m <= 2);
    char text[96];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld", (long long)y,
                  (long long)m, (long long)d, (long long)(seconds / 3600),
                  (long long)(seconds / 60 % 60), (long long)(seconds % 60));
    return text;
}

void PrintLine(const TCorpusFile& file, TFileContentsSet type) {
    std::printf("%s\t%lld\t%s\t%s\n", file.name.c_str(), (long long)file.size,
                DateTimeText(file.date).c_str(),
                platform::Utf16ToUtf8(FileContentsSetText(type)).c_str());
}

// Each text's line, then the text itself as it was decoded.
int ShowTexts(TCorpus& corpus) {
    const std::vector<TCorpusFile>& files = corpus.Files();
    TCorpusText text;
    while (corpus.Next(text)) {
        PrintLine(files[text.index], text.type);
        const std::string utf8 = platform::Utf16ToUtf8(text.text);
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
        if (!utf8.empty() && utf8.back() != '\n')
            std::fputc('\n', stdout);
    }
    return corpus.Problems() > 0 ? kExitBadInput : kExitOk;
}

int Run(TArgs& args) {
    TCorpusOptions options = TakeCorpusOptions(args);
    const bool quick = args.Flag("quick");
    const bool show_text = args.Flag("text");
    options.paths = args.Positionals();
    TCorpus corpus(options);
    if (show_text)
        return ShowTexts(corpus);
    const std::vector<TCorpusFile>& files = corpus.Files();
    Progress().Begin("examining texts", int64_t(files.size()));
    int64_t done = 0;
    for (const TCorpusFile& file : files) {
        if (StopRequested())
            break;
        TFileContentsSet type;
        std::string bytes, why;
        if (corpus.ReadBytes(file, bytes, why)) {
            const size_t look = quick ? std::min<size_t>(bytes.size(), 4) : bytes.size();
            type = FileBufferType(bytes.data(), int64_t(look), !quick);
        } else {
            corpus.Report(why);
        }
        Progress().Set(++done);
        Progress().End();
        PrintLine(file, type);
    }
    Progress().End();
    return corpus.Problems() > 0 ? kExitBadInput : kExitOk;
}

const std::string kHelp = std::string(kCorpusOptionsHelp) +
                          "  --quick            tell the contents from the first four bytes only\n"
                          "  --text             show each text, as read, after its line\n"
                          "\nEach line: name, size in bytes, date last written, and what the\n"
                          "bytes hold (_8_bit, _UTF8, _16_bit, _16_bit_reversed, _Zip,\n"
                          "_Storage, _early_Word; \"-\" when that cannot be told). Entries of\n"
                          "zip archives are named \"<folder>/a.zip/<entry>\".\n";

TRegisterCommand reg({"files", "[PATH ...]",
                      "list the texts a search would read, with their encodings", kHelp, &Run});

} // namespace

} // namespace qm7::tool
