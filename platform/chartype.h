// Character-type-1 flags of UTF-16 code units and of 8-bit code-page bytes:
// the classification the scanner's class array is made of.
//
// One table of 65,536 flag words, built once from ICU's general category:
// letters are alphabetic plus upper or lower case (by the Unicode case
// properties); decimal digits (Nd) and the superscripts two, three and one are
// digits; combining marks are only defined; Cc and Cf are control (Cc that are
// white space are space too); Z* is space; P* is punctuation, and of the
// symbols only the ASCII and Latin-1 ones are; blank is tab, space, no-break
// space, ideographic space and the byte-order mark; hexadecimal digits are
// 0-9, A-F and a-f; every assigned code unit (surrogates and private use
// included) is defined, unassigned ones get 0.
//
// For 8-bit text each single-byte code page has a 256-entry table made
// through that page's converter; a byte with no character gets 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/export.h"

namespace qm7::platform {

inline constexpr uint16_t C1_UPPER = 0x0001;
inline constexpr uint16_t C1_LOWER = 0x0002;
inline constexpr uint16_t C1_DIGIT = 0x0004;
inline constexpr uint16_t C1_SPACE = 0x0008;
inline constexpr uint16_t C1_PUNCT = 0x0010;
inline constexpr uint16_t C1_CNTRL = 0x0020;
inline constexpr uint16_t C1_BLANK = 0x0040;
inline constexpr uint16_t C1_XDIGIT = 0x0080;
inline constexpr uint16_t C1_ALPHA = 0x0100;
inline constexpr uint16_t C1_DEFINED = 0x0200;

// The flags of one code point (a supplementary one included).
QM7_EXPORT uint16_t CharType1OfCodePoint(char32_t c);

// The table of all 65,536 code units, built on first use (thread-safe).
QM7_EXPORT const std::array<uint16_t, 0x10000>& CharType1Table();

inline uint16_t CharType1(char16_t c) {
    return CharType1Table()[c];
}

// Flags of count UTF-16 units into types[0 .. count - 1]. Both units of a
// well-formed surrogate pair get the flags of the pair's code point; a lone
// surrogate is only defined.
QM7_EXPORT void StringType1W(const char16_t* text, size_t count, uint16_t* types);

// The 256 flags of a code page's bytes (an unsupported page as Windows-1252).
// For a double-byte page only the single-byte characters are classified.
QM7_EXPORT const std::array<uint16_t, 256>& CodePageType1Table(uint32_t code_page);

// Flags of count bytes in the code page into types[0 .. count - 1]. On a
// double-byte page both bytes of a two-byte character get its flags; a byte
// that starts no character gets 0.
QM7_EXPORT void StringType1A(const char* text, size_t count, uint32_t code_page, uint16_t* types);

} // namespace qm7::platform
