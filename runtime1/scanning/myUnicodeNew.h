// Zero-terminated strings on the heap, small text helpers, the character
// notations of number strings, the search-word field of older settings
// records, and text measurement.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace qm7 {

// The 81-unit search-word field of older settings records: UTF-16,
// zero-terminated inside the array.
using search_word_type32 = std::array<char16_t, 81>;

// New heap copies of zero-terminated strings (null gives an empty string).
// Free them with DeletePAnsichar / DeletePWideChar.
QM7_EXPORT char* MyNewPAnsichar(const char* p);
QM7_EXPORT char16_t* MyNewPChar(const char16_t* p);
// A new copy of at most the first n characters plus a terminating zero; the
// copy ends early at the text's own terminator. A new empty string when p is
// missing or n is 0 or below.
QM7_EXPORT char* CheckedNewLenPAnsichar(const char* p, int64_t n);
QM7_EXPORT char16_t* CheckedNewLenPchar(const char16_t* p, int64_t n);
QM7_EXPORT void DeletePAnsichar(char* p);
QM7_EXPORT void DeletePWideChar(char16_t* p);

// The 1-based position of the first c at or after position from, or 0.
QM7_EXPORT int64_t StrScanIndex(std::u16string_view text, char16_t c, int64_t from);
// Every tab replaced by n spaces.
QM7_EXPORT std::u16string ExpandTabbedWideString(std::u16string_view text, int64_t n);
// Fills byte_count div 2 units with c.
QM7_EXPORT void FillWChar(char16_t* buffer, int64_t byte_count, char16_t c);
// U+001B, the digits wildcard of the search-word syntax.
QM7_EXPORT bool IsHashSymbol(char16_t c);
QM7_EXPORT bool IsHashOrBrace(char16_t c);

// Replaces each "{CHR(n)}" (any case) and then each "#n" (n decimal digits)
// by the character with code n modulo 65536. A notation whose number does not
// convert, or does not fit 32 bits, stays as it is. Returns the last code
// converted, or -1 when none was.
QM7_EXPORT int32_t MyFormatValidNumberStr(std::u16string& text);

// At most 80 characters of the text, zero-filled.
QM7_EXPORT search_word_type32 StringToSearch_word_type32(std::u16string_view text);
// The field's text up to its terminating zero (all 81 units when it has none).
QM7_EXPORT std::u16string Search_word_type32ToString(const search_word_type32& field);

// --- Text measurement --------------------------------------------------------

struct TSize {
    int32_t cx = 0, cy = 0;
    bool operator==(const TSize&) const = default;
};
// A drawing surface of the display layer.
using TDeviceContext = void*;
// Measures n units of text on the surface; false when it cannot.
using TTextExtentProc = bool (*)(TDeviceContext dc, const char16_t* text, int32_t n, TSize& size);
// The measuring procedure. The display layer installs its own; until then
// every measurement fails.
extern QM7_EXPORT TTextExtentProc TextExtentProc;

// The pixel size of the first n units of the text; a zero size when n is 0
// or below, or the measurement fails. n is limited to the text's length.
QM7_EXPORT TSize GetTextExtentW(TDeviceContext dc, std::u16string_view text, int32_t n);

} // namespace qm7
