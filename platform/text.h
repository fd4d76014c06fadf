// UTF-16 text helpers with the semantics the libraries expect of their
// string type: 1-based positions, trimming of control characters and spaces,
// case mapping by code point, and UTF-8 conversion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace qm7::platform {

// 1-based position of the first occurrence of needle in haystack at or after
// the 1-based position from, or 0 when there is none. An empty needle is
// never found.
QM7_EXPORT size_t Pos(std::u16string_view needle, std::u16string_view haystack, size_t from = 1);

// Remove characters at or below U+0020 from both ends, the start or the end.
QM7_EXPORT std::u16string Trim(std::u16string_view s);
QM7_EXPORT std::u16string TrimLeft(std::u16string_view s);
QM7_EXPORT std::u16string TrimRight(std::u16string_view s);

// Case mapping by code point: ICU's simple mapping, so the length never
// changes. With a Turkish or Azeri locale identifier, i and I map to the
// dotted and dotless forms of those languages.
QM7_EXPORT char32_t UpperChar(char32_t c, uint32_t lcid = 0x0409);
QM7_EXPORT char32_t LowerChar(char32_t c, uint32_t lcid = 0x0409);
QM7_EXPORT std::u16string UpperCase(std::u16string_view s, uint32_t lcid = 0x0409);
QM7_EXPORT std::u16string LowerCase(std::u16string_view s, uint32_t lcid = 0x0409);
// Upper and lower case under the user locale of the settings.
QM7_EXPORT std::u16string AnsiUpperCase(std::u16string_view s);
QM7_EXPORT std::u16string AnsiLowerCase(std::u16string_view s);

// UTF-8 conversions. A lone surrogate survives the round trip: it is written
// as its three-byte (generalised UTF-8) form and read back as itself. Invalid
// bytes read as U+FFFD.
QM7_EXPORT std::string Utf16ToUtf8(std::u16string_view s);
QM7_EXPORT std::u16string Utf8ToUtf16(std::string_view s);
// True when the bytes are strictly valid UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
QM7_EXPORT bool IsValidUtf8(std::string_view s);

} // namespace qm7::platform
