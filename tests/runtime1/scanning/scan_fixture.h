// Scanner test texts from readable descriptions.
//
// A description is the text itself with two notations that are not part of
// it:
//   «...»  the characters between the guillemets are markup (class | 0x0800);
//   ¦X     the next character's class entry becomes a marker:
//          s/S sentence start/end, p/P paragraph, h/H heading, c/C section
//          (inside «» the marker keeps the markup bit, as 0x880F does).
// So u"b«<i>»oo«</i>»k" is the text b<i>oo</i>k with two tags, and
// u"two¦S. three" puts a sentence-end marker on the full stop.
//
// MakeScanText builds both forms of the text: UTF-16 and 8-bit in code page
// 1252, each with its class array (the platform classification plus the
// markup and marker bits, and two spare zero entries). Every buffer is a heap
// block of exactly its size, so that AddressSanitizer catches any read past
// it. ScanAll then drives the scanner over a form the way the search engine
// does, and Describe turns its hits into readable strings.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime1/scanning/bare_assemb3.h"
#include "runtime1/search/search_parsing.h"

namespace qm7::scan_test {

enum class TForm { utf16, ansi };
inline constexpr TForm kBothForms[] = {TForm::utf16, TForm::ansi};
const char* FormName(TForm form);

inline constexpr uint32_t kFixtureCodePage = 1252;

class TScanText {
public:
    explicit TScanText(std::u16string_view description);

    int64_t Size() const { return size_; }
    std::u16string_view Text() const { return {text_.get(), size_t(size_)}; }
    const void* Buffer(TForm form) const;
    // The class array of a form: Size() + 2 entries.
    uint16_t* Classes(TForm form);
    const uint16_t* Classes(TForm form) const;

    // HandleMiddleChars and HandleMiddleCharsInNumbers on both forms.
    void HandleMiddles(std::u16string_view allowables, bool allow_at_right, bool allow_at_left);
    void HandleNumberMiddles(bool spaces_in_numbers);

private:
    int64_t size_ = 0;
    std::unique_ptr<char16_t[]> text_; // Size() + 1 units, zero-terminated
    std::unique_ptr<uint8_t[]> bytes_; // Size() + 1 bytes, zero-terminated
    std::unique_ptr<uint16_t[]> classes_;
    std::unique_ptr<uint16_t[]> classes8_;
};

// The markup characters "<" with ">".
TIgnore_tag_type AngleTags();
// An entry parsed as the search-item lists parse it.
TSearch_word_format_rec ParsedWord(std::u16string entry,
                                   const TIgnore_tag_type& tags = AngleTags());

struct TScanOptions {
    bool skip_punctuation = false;
    bool sentence_end_markers = false;
    bool paragraph_end_markers = false;
    bool heading_end_markers = false;
    bool section_end_markers = false;
    // Reading may reach this entry at most; -1 for the terminating zero's.
    int64_t end_bound = -1;
};

struct TScanHit {
    int64_t start = 0;
    int32_t length = 0;
    int32_t exact = 0;
    TSearchStatsRec stats; // after the call that found it
};

struct TScanRun {
    std::vector<TScanHit> hits;
    TSearchStatsRec stats; // after the last call
    bool in_heading = false;
};

// Every hit from the buffer start, resuming one character after each hit
// start, with the word's copies converted to code page 1252 for the 8-bit
// form (and made equal for a case-sensitive word), as the engine does.
TScanRun ScanAll(const TScanText& text, const TSearch_word_format_rec& word, TForm form,
                 const TScanOptions& options = {});

// "start:exact+extension" for each hit, e.g. "4:book+s"; "4:book" when the
// hit has no extension. The text is shown in UTF-8.
std::vector<std::string> Describe(const TScanText& text, const std::vector<TScanHit>& hits);

std::string Utf8(std::u16string_view s);

} // namespace qm7::scan_test
