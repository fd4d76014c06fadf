// qm lemma: look words up in a lemma, match, stop or relation list file
// through the lemmatiser's exported interface.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "QM7Lemmatiser.h"
#include "platform/codepage.h"
#include "platform/text.h"
#include "tools/qm/progress.h"
#include "tools/qm/qm.h"

namespace qm7::tool {

namespace {

constexpr uint8_t kSlot = 0;
constexpr uint32_t kLocale = 0x0409;
constexpr int16_t kTrue = -1;
// The library's text results hold at most this many UTF-16 units.
constexpr size_t kMaxResultUnits = 255;

const char* const kHelp =
    "Loads LISTFILE (8-bit text, or UTF-16 with a byte-order mark) and prints\n"
    "one line per WORD: WORD, a tab, and its headword (the word itself when it\n"
    "is no variant). Without WORDs, reads words one per line from standard input.\n"
    "In a match, stop or relation list, the second column says yes or no.\n\n"
    "Options:\n"
    "  --kind KIND          lemma (default), match, stop or relation\n"
    "  --upper              upper-case the list (and the words) when loading\n"
    "  --codepage N         the 8-bit code page of 8-bit lists (default 1252)\n"
    "  --headwords          print the headwords of a lemma list\n"
    "  --variants HEADWORD  print the variants of a headword, one per line\n"
    "  --show N             print the first N display lines of the list\n";

struct TOptions {
    uint8_t kind = QM7_KIND_LEMMA;
    uint32_t code_page = 1252;
    bool upper = false;
    bool headwords = false;
    std::optional<std::string> variants;
    std::optional<int64_t> show;
    std::filesystem::path list;
    std::vector<std::string> words;
};

uint8_t KindOf(const std::string& name) {
    static const char* const kNames[] = {"lemma", "match", "stop", "relation"};
    for (uint8_t kind = 0; kind < 4; ++kind)
        if (name == kNames[kind])
            return kind;
    throw TUsageError("The option --kind takes lemma, match, stop or relation, not \"" + name +
                      "\".");
}

TOptions ParseOptions(TArgs& args) {
    TOptions options;
    if (const auto kind = args.Option("kind"))
        options.kind = KindOf(*kind);
    options.upper = args.Flag("upper");
    if (const auto code_page = args.IntOption("codepage", 0, 65535))
        options.code_page = uint32_t(*code_page);
    if (QM7Lemmatiser_SetSystemCodePage(options.code_page) != kTrue)
        throw TUsageError("The code page " + std::to_string(options.code_page) +
                          " is not supported.");
    options.headwords = args.Flag("headwords");
    options.variants = args.Option("variants");
    options.show = args.IntOption("show", 1, 1'000'000);
    std::vector<std::string> rest = args.Positionals();
    if (rest.empty())
        throw TUsageError("qm lemma needs a list file; see qm help lemma.");
    options.list = rest.front();
    options.words.assign(rest.begin() + 1, rest.end());
    const int modes =
        int(options.headwords) + int(options.variants.has_value()) + int(options.show.has_value());
    if (modes > 1 || (modes == 1 && !options.words.empty()))
        throw TUsageError("Give words, --headwords, --variants or --show, one of them.");
    if ((options.headwords || options.variants) && options.kind != QM7_KIND_LEMMA)
        throw TUsageError("--headwords and --variants need a lemma list.");
    return options;
}

// Progress of the load: the first announcement is an estimate of the lines.
struct TLoadProgress {
    int announcements = 0;
    uint8_t kind = 0;
};

void OnAnnounce(void* object, int32_t n, const char16_t* mess) {
    auto* progress = static_cast<TLoadProgress*>(object);
    if (progress->announcements++ == 0)
        Progress().Begin("Loading " + ToUtf8(mess), n);
}

void OnProgress(void* object, int32_t n) {
    if (StopRequested())
        CancelOne(kSlot, static_cast<TLoadProgress*>(object)->kind);
    Progress().Set(n);
}

// True when the list file is UTF-16 (it starts with a byte-order mark).
bool IsUtf16List(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    char mark[2] = {};
    if (!in.read(mark, 2))
        return false;
    const auto b0 = static_cast<unsigned char>(mark[0]);
    const auto b1 = static_cast<unsigned char>(mark[1]);
    return (b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF);
}

void LoadList(const TOptions& options) {
    static const char* const kKindNames[] = {"a lemma list", "a match list", "a stop list",
                                             "a relation list"};
    TLoadProgress progress{0, options.kind};
    const std::u16string path = options.list.u16string();
    const int16_t loaded = LoadedOne(kSlot, path.c_str(), options.kind, {&OnAnnounce, &progress},
                                     {&OnProgress, &progress}, kLocale, options.upper ? 0 : 1, 0);
    Progress().End();
    if (loaded != kTrue)
        throw TInputError("Cannot load " + Display(options.list) + " as " +
                          kKindNames[options.kind] + ".");
}

// The second column for a word: its headword, or yes/no for other lists.
std::string LookUp(const TOptions& options, bool utf16_list, const std::string& word) {
    std::u16string key = FromUtf8(word);
    if (options.upper)
        key = platform::UpperCase(key, kLocale);
    if (options.kind != QM7_KIND_LEMMA)
        return FoundInTheList(kSlot, key.c_str(), 1, options.kind) != nullptr ? "yes" : "no";
    if (utf16_list) {
        const void* result = WordListerChangeWord(kSlot, key.c_str(), 0, kTrue);
        return result == key.c_str() ? word : ToUtf8(static_cast<const char16_t*>(result));
    }
    bool all_mapped = true;
    const std::string bytes = platform::UnicodeToAnsi(key, options.code_page, all_mapped);
    if (!all_mapped)
        return word; // a word the code page cannot hold is in no 8-bit list
    const void* result = WordListerChangeWord(kSlot, bytes.c_str(), 0, kTrue);
    return result == bytes.c_str() ? word : ToUtf8(static_cast<const char16_t*>(result));
}

void PrintLookUps(const TOptions& options) {
    const bool utf16_list = IsUtf16List(options.list);
    const auto print = [&](const std::string& word) {
        std::printf("%s\t%s\n", word.c_str(), LookUp(options, utf16_list, word).c_str());
    };
    if (!options.words.empty()) {
        for (const std::string& word : options.words)
            print(word);
        return;
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            print(line);
    }
}

void PrintHeadwords() {
    const int32_t count = LemmaHeadWordsCount(kSlot);
    for (int32_t n = 0; n < count; ++n)
        if (const char16_t* headword = LemmaHeadWords(kSlot, n))
            std::printf("%s\n", ToUtf8(headword).c_str());
}

int PrintVariants(const TOptions& options) {
    const std::u16string headword = FromUtf8(*options.variants);
    const char16_t* variants = LemmaVariantsOf(kSlot, headword.c_str(), u"\n");
    const std::u16string text = variants != nullptr ? variants : u"";
    if (text.empty())
        throw TInputError("\"" + *options.variants + "\" has no variants in " +
                          Display(options.list) + ".");
    std::printf("%s\n", ToUtf8(text).c_str());
    if (text.size() >= kMaxResultUnits)
        std::fprintf(stderr, "qm: the variants are cut at %zu characters.\n", kMaxResultUnits);
    return kExitOk;
}

int PrintDisplayLines(const TOptions& options) {
    const int32_t wanted = int32_t(*options.show);
    const int32_t count = TraversedOne(kSlot, wanted - 1, options.kind);
    int32_t printed = 0;
    for (; printed < wanted; ++printed) {
        const void* line = GetAString(printed, 1, 0);
        if (line == nullptr)
            break;
        std::printf("%s\n", ToUtf8(static_cast<const char16_t*>(line)).c_str());
    }
    // A walk the library had to stop returns 0 but keeps the lines it collected.
    if (count == 0 && printed > 0)
        throw TInputError("The walk of " + Display(options.list) +
                          " stopped early: lopsided data: stack overflow in Tree.");
    return kExitOk;
}

int Run(TArgs& args) {
    const TOptions options = ParseOptions(args);
    LoadList(options);
    if (StopRequested())
        throw TInputError("Stopped.");
    if (options.headwords) {
        PrintHeadwords();
        return kExitOk;
    }
    if (options.variants)
        return PrintVariants(options);
    if (options.show)
        return PrintDisplayLines(options);
    PrintLookUps(options);
    return kExitOk;
}

TRegisterCommand reg({"lemma", "LISTFILE [WORD ...]",
                      "look words up in a lemma, match, stop or relation list", kHelp, &Run});

} // namespace

} // namespace qm7::tool
