// Locale identifiers: primary languages, writing direction, whether a
// language needs Unicode or combining characters, and the names, country,
// currency and code pages a locale reports.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"
#include "platform/stringlist.h"

namespace qm7 {

// Locale identifiers, typically those installed, supplied by the caller.
using TArrayOfLCID = std::vector<uint32_t>;

// (locale identifier, information type) -> text; the information types are
// the LOCALE_... numbers of platform/localeinfo.h.
using TGetLocaleFunct = std::u16string (*)(uint32_t lcid, uint32_t info_type);
// The procedure every routine below asks; it starts as one that asks the
// platform and gives an empty text on failure.
extern QM7_EXPORT TGetLocaleFunct GetLocaleDataProc;
QM7_EXPORT std::u16string PlatformLocaleData(uint32_t lcid, uint32_t info_type);

enum TBiDiMode : uint8_t {
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};

// lcid and 0x3FF.
QM7_EXPORT uint32_t PrimaryLanguage(uint32_t lcid);
QM7_EXPORT bool SamePrimaryLanguage(uint32_t a, uint32_t b);
// Right to left for Arabic, Hebrew, Farsi, Pashto, Urdu, Syriac, Divehi,
// Yiddish and Uyghur; left to right otherwise.
QM7_EXPORT TBiDiMode BiDiModeFromLCID(uint32_t lcid);

// Arabic, Chinese, Hebrew, Japanese, Korean, Thai, Farsi, Vietnamese, Pashto.
QM7_EXPORT bool LanguageRequiresUnicode(uint32_t lcid);
// Arabic, Thai, Farsi, Hindi, Bengali, Gujarati, Oriya, Tamil, Telugu,
// Kannada, Malayalam, Tibetan, Khmer, Lao, Sinhala, Amharic, Nepali, Pashto,
// Yoruba.
QM7_EXPORT bool LanguageHasCombiningCharacters(uint32_t lcid);

// The locale's name in the user's language ("English (United States)").
QM7_EXPORT std::u16string LocalLanguageNameFromLCID(uint32_t lcid);
QM7_EXPORT std::u16string EnglishLanguageNameFromLCID(uint32_t lcid);
QM7_EXPORT std::u16string CountryFromLCID(uint32_t lcid);
QM7_EXPORT std::u16string CurrencyFromLCID(uint32_t lcid);
// The OEM and ANSI code pages; 0 when unknown (or Unicode only).
QM7_EXPORT uint32_t DOSCodepageFromLCID(uint32_t lcid);
QM7_EXPORT uint32_t WindowsCodepageFromLCID(uint32_t lcid);

// The currency symbols of the listed locales that share lcid's primary
// language, each once, in list order, joined by ",".
QM7_EXPORT std::u16string LCIDAllCurrencyString(uint32_t lcid, const TArrayOfLCID& locales);
// A new sorted list of the country names of the listed locales that share
// lcid's primary language, each once, with its locale identifier as the
// entry's integer.
QM7_EXPORT std::unique_ptr<platform::TStringList> LCIDSubVarieties(uint32_t lcid,
                                                                   const TArrayOfLCID& locales);

// "English (United States)" gives "English"; a name without " (" stays whole.
QM7_EXPORT std::u16string ShortenedSysLanguageName(std::u16string_view name);
// "English (United States)" gives "United States": the text after " (",
// trimmed, without any parentheses. A name without " (" gives its own text
// without parentheses.
QM7_EXPORT std::u16string SysLanguageVariantName(std::u16string_view name);

} // namespace qm7
