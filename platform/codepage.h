// Conversion between UTF-16 and the 8-bit Windows code pages through ICU
// converters. A character that the code page cannot hold becomes "?": ICU's
// own substitute (0x1A) is never produced.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace qm7::platform {

// Bytes in the code page to UTF-16. An unsupported code page converts as
// Windows-1252. A byte with no mapping becomes U+FFFD.
QM7_EXPORT std::u16string AnsiToUnicode(std::string_view bytes, uint32_t code_page);
// UTF-16 to bytes in the code page; unmappable characters become "?".
QM7_EXPORT std::string UnicodeToAnsi(std::u16string_view text, uint32_t code_page);
// As above, and says whether every character had a mapping.
QM7_EXPORT std::string UnicodeToAnsi(std::u16string_view text, uint32_t code_page,
                                     bool& all_mapped);

// Both through the system code page of the settings.
QM7_EXPORT std::u16string SystemAnsiToUnicode(std::string_view bytes);
QM7_EXPORT std::string SystemUnicodeToAnsi(std::u16string_view text);

// True for a code page with one byte per character (every supported page
// but 932, 936, 949 and 950).
QM7_EXPORT bool IsSingleByteCodePage(uint32_t code_page);

// The name of the ICU converter that a code page converts through (that of
// Windows-1252 for an unsupported page).
QM7_EXPORT const char* IcuConverterName(uint32_t code_page);

} // namespace qm7::platform
