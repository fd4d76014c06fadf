// Parses an arbitrary search entry and runs each of its parsed words over an
// arbitrary text with an arbitrary class array (markup spans and marker
// entries included), in the UTF-16 and in the 8-bit buffer form, the way the
// search engine drives the scanner. The buffers are heap blocks of exactly
// the size the scanner may read, so that any read past them is reported; and
// the hits and statistics must not depend on the scanner's vector width.
//
// Input: two option bytes, an entry length n, then n UTF-16 units of the
// entry, then three bytes per text character: the unit (little-endian) and a
// class byte (bit 7 markup; bit 6 a marker with code 0x0E + low 3 bits;
// bit 5 replaces the class by the low 5 bits shifted to the flag positions).
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/chartype.h"
#include "platform/codepage.h"
#include "runtime1/scanning/bare_assemb3.h"
#include "runtime1/search/search_parsing.h"
#include "runtime1/search/user_input_wildcard_parsing.h"

using namespace qm7;

namespace {

struct TInput {
    const uint8_t* data;
    size_t size;
    size_t at = 0;

    bool Has(size_t n) const { return size - at >= n; }
    uint8_t Byte() { return Has(1) ? data[at++] : 0; }
    char16_t Unit() {
        const uint8_t lo = Byte();
        return char16_t(lo | (Byte() << 8));
    }
};

struct TText {
    std::u16string text;
    std::vector<uint16_t> overlay; // 0: the platform class; else the class itself
};

uint16_t OverlayOf(uint8_t b) {
    if (b & 0x40)
        return uint16_t(cw_marker | (0x0E + (b & 7)) | ((b & 0x80) ? cw_markup : 0));
    if (b & 0x20)
        return uint16_t((((b & 0x1F) << 2) | 0x0200) | ((b & 0x80) ? cw_markup : 0)) | 1;
    return (b & 0x80) ? cw_markup : 0;
}

uint16_t Applied(uint16_t platform_class, uint16_t overlay) {
    if (overlay == 0)
        return platform_class;
    if (overlay & cw_marker)
        return overlay;
    if (overlay & 1)
        return uint16_t(overlay & ~1);
    return uint16_t(platform_class | overlay);
}

struct TRun {
    std::vector<int64_t> hits;
    std::vector<int32_t> lengths;
    TSearchStatsRec stats;
    bool in_heading = false;
    bool operator==(const TRun& o) const {
        return hits == o.hits && lengths == o.lengths && stats.number == o.stats.number &&
               stats.position == o.stats.position && stats.out_of == o.stats.out_of &&
               in_heading == o.in_heading;
    }
};

std::u16string AnsiCopy(std::u16string_view copy) {
    std::u16string out;
    for (const char b : platform::UnicodeToAnsi(copy, 1252))
        out += char16_t(uint8_t(b));
    return out;
}

TRun Scan(const void* buffer, bool unicode, int64_t n, const uint16_t* classes, int64_t end_bound,
          const TSearch_word_format_rec& word, bool skip_punctuation, uint8_t markers) {
    std::array<std::u16string, 4> copies = word.copies;
    if (!unicode)
        for (auto& c : copies)
            c = AnsiCopy(c);
    const bool cs = word.flags.Contains(myCaseIsSensitive);
    if (cs)
        copies[1] = copies[2] = copies[3] = copies[0];
    const auto* base = static_cast<const uint8_t*>(buffer);
    const int64_t width = unicode ? 2 : 1;
    TRun run;
    int64_t pos = 0;
    while (pos < n && pos <= end_bound) {
        int32_t length = 0, exact = 0;
        const void* hit = NewFindWantedInBuffer(
            base + pos * width, n - pos, classes + pos, classes, classes + end_bound, copies[1],
            copies[2], copies[3], int32_t(word.search_text.size()), cs,
            word.flags.Contains(myLeftBounded), word.flags.Contains(myRightBounded), unicode,
            skip_punctuation, length, exact, run.stats, run.in_heading, markers & 1, markers & 2,
            markers & 4, markers & 8);
        if (!hit)
            break;
        const int64_t start = (static_cast<const uint8_t*>(hit) - base) / width;
        if (start < pos || start >= n || exact < 0 || length < exact)
            abort();
        run.hits.push_back(start);
        run.lengths.push_back(length);
        run.lengths.push_back(exact);
        pos = start + 1;
    }
    return run;
}

void ScanBothForms(const TText& t, int64_t end_bound, const TSearch_word_format_rec& word,
                   bool skip_punctuation, uint8_t markers, std::u16string_view middles,
                   uint8_t options) {
    const auto n = int64_t(t.text.size());
    // Exactly the characters and the class entries the scanner may read.
    auto text16 = std::make_unique<char16_t[]>(size_t(n));
    auto bytes = std::make_unique<uint8_t[]>(size_t(n));
    auto classes16 = std::make_unique<uint16_t[]>(size_t(end_bound + 1));
    auto classes8 = std::make_unique<uint16_t[]>(size_t(end_bound + 1));
    std::vector<uint16_t> full16(size_t(n) + 2), full8(size_t(n) + 2);
    for (int64_t i = 0; i < n; ++i) {
        text16[size_t(i)] = t.text[size_t(i)];
        bytes[size_t(i)] = uint8_t(t.text[size_t(i)]);
    }
    platform::StringType1W(text16.get(), size_t(n), full16.data());
    platform::StringType1A(reinterpret_cast<const char*>(bytes.get()), size_t(n), 1252,
                           full8.data());
    for (int64_t i = 0; i < n; ++i) {
        full16[size_t(i)] = Applied(full16[size_t(i)], t.overlay[size_t(i)]);
        full8[size_t(i)] = Applied(full8[size_t(i)], t.overlay[size_t(i)]);
    }
    if (options & 0x10) {
        HandleMiddleChars(text16.get(), full16.data(), middles, int64_t(middles.size()), n, true,
                          options & 0x20, options & 0x40, 1252);
        HandleMiddleChars(bytes.get(), full8.data(), middles, int64_t(middles.size()), n, false,
                          options & 0x20, options & 0x40, 1252);
        HandleMiddleCharsInNumbers(true, options & 0x80, text16.get(), full16.data(), n);
        HandleMiddleCharsInNumbers(false, options & 0x80, bytes.get(), full8.data(), n);
    }
    std::copy(full16.begin(), full16.begin() + end_bound + 1, classes16.get());
    std::copy(full8.begin(), full8.begin() + end_bound + 1, classes8.get());

    for (const bool unicode : {true, false}) {
        const void* buffer = unicode ? static_cast<const void*>(text16.get())
                                     : static_cast<const void*>(bytes.get());
        const uint16_t* classes = unicode ? classes16.get() : classes8.get();
        ScannerVectorWidth = 0;
        const TRun reference =
            Scan(buffer, unicode, n, classes, end_bound, word, skip_punctuation, markers);
        for (const int32_t width : {128, 256}) {
            ScannerVectorWidth = width;
            if (!(Scan(buffer, unicode, n, classes, end_bound, word, skip_punctuation, markers) ==
                  reference))
                abort();
        }
        ScannerVectorWidth = 256;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TInput in{data, size};
    const uint8_t options = in.Byte();
    const uint8_t bound = in.Byte();
    const size_t entry_length = in.Byte() % 48;
    std::u16string entry;
    for (size_t i = 0; i < entry_length && in.Has(2); ++i)
        entry += in.Unit();
    TText t;
    while (in.Has(3) && t.text.size() < 4096) {
        t.text += in.Unit();
        t.overlay.push_back(OverlayOf(in.Byte()));
    }

    // The parse of every alternative, and the other entry routines.
    TIgnore_tag_type tags{};
    tags[0] = {u'<', u'[', u'{', 0, u'\uE003', 0};
    tags[1] = {u'>', u']', 0, u'}', u'\uE004', 0};
    std::u16string whole = entry;
    const auto alternatives = SplitSWList(whole, options & 1);
    (void)TagWildcardConverted(entry);
    (void)QMFormattedReadableStringToWorkString(entry);
    std::u16string unparsed = entry;
    TSearch_word_format_rec plain;
    UnParsed_SearchWord(unparsed, plain);

    const auto n = int64_t(t.text.size());
    if (n == 0)
        return 0;
    // The end bound: the terminating zero's entry, or an earlier one.
    const int64_t end_bound = (options & 2) ? int64_t(bound) % (n + 1) : n;
    const std::u16string middles = entry.substr(0, 2);
    for (int i = 0; i < alternatives->Count() && i < 4; ++i) {
        std::u16string alternative = alternatives->Strings(i);
        TSearch_word_format_rec word;
        Parsed_SearchWord(tags, alternative, word);
        if (word.search_text.empty())
            continue;
        ScanBothForms(t, end_bound, word, options & 4, uint8_t(bound >> 4), middles, options);
    }
    if (!plain.search_text.empty())
        ScanBothForms(t, end_bound, plain, options & 8, uint8_t(bound), middles, options);
    return 0;
}
