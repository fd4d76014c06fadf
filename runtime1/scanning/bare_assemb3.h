// The search-word matcher of the concordance search, with the text-unit
// bookkeeping done while it scans, and the reclassification of middle
// characters (apostrophes, hyphens, decimal points) inside words and numbers.
//
// A text buffer is 8-bit (one code-page byte per character) or UTF-16, and
// comes with a class array: one 16-bit class word per character (the
// character-type-1 flags of platform/chartype.h), plus two spare zero entries
// after the last. The tool preparing the array may add two bits:
//   0x0800  markup: the character belongs to a tag of the text;
//   0x8000  marker: the entry marks a structure boundary at this character,
//           its low 11 bits holding one of the marker codes below. A marker
//           entry carries no character flags and is never markup.
//
// The search word is a work string as search_parsing makes it: U+001A any
// word, U+001B a run of digits, U+001C any character, U+001D an in-word star,
// U+001E one letter, U+0019/U+0018 markup on/off.
//
// Everything works in place on caller-owned memory and allocates nothing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/export.h"

namespace qm7 {

// Class-word bits and masks the scanner reads.
inline constexpr uint16_t cw_markup = 0x0800;
inline constexpr uint16_t cw_marker = 0x8000;
inline constexpr uint16_t cw_marker_code_mask = 0x07FF;
inline constexpr uint16_t cw_space_like = 0x0068;     // space, control or blank
inline constexpr uint16_t cw_space_or_punct = 0x0078; // ... or punctuation
inline constexpr uint16_t cw_alphanumeric = 0x0104;   // alphabetic or digit
inline constexpr uint16_t cw_letter = 0x0100;
inline constexpr uint16_t cw_digit = 0x0004;
inline constexpr uint16_t cw_middle_letter = 0x0302; // defined, alphabetic, lower case
inline constexpr uint16_t cw_middle_digit = 0x0204;  // defined, digit

// Marker codes, in pairs of start and end.
inline constexpr uint16_t marker_sentence_start = 0x0E;
inline constexpr uint16_t marker_sentence_end = 0x0F;
inline constexpr uint16_t marker_paragraph_start = 0x10;
inline constexpr uint16_t marker_paragraph_end = 0x11;
inline constexpr uint16_t marker_heading_start = 0x12;
inline constexpr uint16_t marker_heading_end = 0x13;
inline constexpr uint16_t marker_section_start = 0x14;
inline constexpr uint16_t marker_section_end = 0x15;

// The character flags of a class word: none for a marker entry.
constexpr uint16_t ClassFlags(uint16_t entry) {
    return (entry & cw_marker) ? 0 : entry;
}
constexpr bool IsMarkerEntry(uint16_t entry) {
    return (entry & cw_marker) != 0;
}
constexpr bool IsMarkupEntry(uint16_t entry) {
    return (entry & (cw_marker | cw_markup)) == cw_markup;
}

// Running text statistics of a search, indexed 0 words, 1 sentences,
// 2 paragraphs, 3 headings, 4 sections. number[0] counts word starts passed,
// number[1..4] units ended; position[1..4] is the word position within the
// current unit (1-based); out_of[1..4] a copy of position taken at the end of
// each scanner call. Index 0 of position and out_of is unused. Stored as it
// lies in memory: 60 bytes.
struct TSearchStatsRec {
    std::array<int32_t, 5> number{};
    std::array<int32_t, 5> position{};
    std::array<int32_t, 5> out_of{};
};
static_assert(sizeof(TSearchStatsRec) == 60);
static_assert(offsetof(TSearchStatsRec, position) == 20);
static_assert(offsetof(TSearchStatsRec, out_of) == 40);

// Called at a unit end with the unit's number before it is counted and the
// word position at which it ends.
using THandleTextSectionProc = void (*)(int32_t aNumber, int32_t aEnds_at);

// The unit-end callbacks. All four start as a procedure that does nothing;
// a tool replaces them. A null callback is skipped.
extern QM7_EXPORT THandleTextSectionProc HandleSentenceEndProc;
extern QM7_EXPORT THandleTextSectionProc HandleParagraphEndProc;
extern QM7_EXPORT THandleTextSectionProc HandleHeadingEndProc;
extern QM7_EXPORT THandleTextSectionProc HandleSectionEndProc;
// The procedure that does nothing.
QM7_EXPORT void DoNothingAtTextSectionEnd(int32_t aNumber, int32_t aEnds_at);

// The widest vectors (in bits) the scanner may use to pass over characters
// that cannot start a hit: 256 (the default; used where the processor has
// them), 128, or 0 to try every character one at a time. Results never
// depend on it; tests and measurements compare the widths.
extern QM7_EXPORT int32_t ScannerVectorWidth;

// Finds the next hit of a search word from the scan position on.
//
// scan_position: the first character to try, in a buffer of 8-bit or UTF-16
//   characters as buffer_is_unicode says; remaining: the characters from there
//   to the buffer end.
// class_position: the class entry of the scan position; start_bound: the
//   first entry that may be looked back to; end_bound: the last entry that
//   reading may reach (the entry of the buffer's terminating zero).
// upper, lower, capitalised: the case copies of the work string (lower is the
//   one walked); for an 8-bit buffer each character holds one code-page byte.
// L: the search word length; a copy shorter than L shortens it.
// Every character from the scan position up to the hit start (or to the end)
// is booked in stats: word starts and the marker entries, which call the
// unit-end callbacks. in_heading is the heading state carried between calls;
// the four *_end_markers flags say that the text has explicit end markers of
// that unit, so that its start markers do not end it.
//
// Returns the hit start, or null. hit_length covers the extension to the end
// of the word when not right bounded; exact_hit_length is what the search
// word matched.
QM7_EXPORT const void* NewFindWantedInBuffer(
    const void* scan_position, int64_t remaining, const uint16_t* class_position,
    const uint16_t* start_bound, const uint16_t* end_bound, std::u16string_view upper,
    std::u16string_view lower, std::u16string_view capitalised, int32_t L, bool case_sensitive,
    bool left_bounded, bool right_bounded, bool buffer_is_unicode, bool skip_punctuation,
    int32_t& hit_length, int32_t& exact_hit_length, TSearchStatsRec& stats, bool& in_heading,
    bool sentence_end_markers, bool paragraph_end_markers, bool heading_end_markers,
    bool section_end_markers);

// Gives each allowable middle character that sits inside a word or number the
// class of a letter (0x0302) or, next to a digit, of a digit (0x0204).
// Without allow_at_left the character needs a letter or digit before it
// (markup skipped), without allow_at_right one after it. Markup and marker
// entries are never changed. In an 8-bit buffer each allowable character is
// looked for as its byte in code_page (0: the system code page); one the code
// page cannot hold is skipped.
QM7_EXPORT void HandleMiddleChars(const void* buffer, uint16_t* classes,
                                  std::u16string_view allowables, int64_t allowable_count,
                                  int64_t char_count, bool buffer_is_unicode, bool allow_at_right,
                                  bool allow_at_left, uint32_t code_page = 0);

// A ".", ",", middle dot (U+00B7), or a space when spaces_in_numbers, between
// two digits gets the digit class 0x0204 (markup and marker entries excepted).
QM7_EXPORT void HandleMiddleCharsInNumbers(bool buffer_is_unicode, bool spaces_in_numbers,
                                           const void* buffer, uint16_t* classes,
                                           int64_t char_count);

// The 1-based position of the first of the first count values equal to value;
// 0 when there is none.
QM7_EXPORT int64_t ScanForInt(int32_t value, const int32_t* values, int64_t count);

// Remove every c from the first count characters, moving the rest down, and
// return the number kept. When something was removed a zero character is
// written after the kept ones (inside the counted memory).
QM7_EXPORT int64_t RemoveCharA(char* buffer, char c, int64_t count);
QM7_EXPORT int64_t RemoveCharW(char16_t* buffer, char16_t c, int64_t count);
// Every old_char within the first count characters becomes new_char.
QM7_EXPORT void ReplaceChar1ByChar2W(char16_t* buffer, char16_t old_char, char16_t new_char,
                                     int64_t count);

} // namespace qm7
