// The UTF-8 signature, and telling UTF-8 text from 8-bit text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace qm7 {

// Trailing bytes after each lead byte: 0 for 00-BF, 1 for C0-DF, 2 for
// E0-EF, 3 for F0-F7, 4 for F8-FB, 5 for FC-FF.
extern QM7_EXPORT const std::array<uint8_t, 256> UTF8TrailingBytes;

// The three bytes EF BB BF.
QM7_EXPORT std::string UTF8SignatureAsUTF8String();
// The zero-terminated bytes start EF BB BF.
QM7_EXPORT bool IsUTF8SignatureA(const char* p);
// The zero-terminated UTF-16 buffer holds at least two units and its first
// three bytes are EF BB BF.
QM7_EXPORT bool IsUTF8SignatureW(const char16_t* p);
// The first three bytes of the little-endian value are EF BB BF.
QM7_EXPORT bool IsUTF8Signature(uint32_t value);

// The number of characters, stepping by the length each lead byte announces;
// the byte length when a byte cannot lead or the last sequence runs past the
// end.
QM7_EXPORT int64_t UTF8LengthInChars(std::string_view bytes);

// Whether the bytes can be read as UTF-8: false at the first ill-formed or
// truncated sequence; true, with ascii false, at the first well-formed
// sequence of two or more bytes (the rest is not looked at); true with ascii
// true for plain ASCII. Yields to the user interface every 64 KiB.
QM7_EXPORT bool CheckedUTF(std::string_view bytes, bool& ascii);

} // namespace qm7
