// Process-wide settings of the platform layer: the system 8-bit code page,
// the user's locale and the number-format separators that follow from it.
//
// The runtime packs share one copy of these settings (the accessors are
// exported, so the dynamic linker binds every pack to the same definition);
// the lemmatiser keeps a private copy of its own.
#pragma once

#include <cstdint>
#include <string>

#include "platform/export.h"

namespace qm7::platform {

// The Windows locale identifier of US English, the default user locale.
inline constexpr uint32_t kDefaultLCID = 0x0409;
// Windows-1252, the default system code page.
inline constexpr uint32_t kDefaultCodePage = 1252;

// Separators used when numbers are written for the user.
struct TFormatSettings {
    char16_t ThousandSeparator = u',';
    char16_t DecimalSeparator = u'.';
};

// True for the 8-bit code pages the platform layer converts:
// 874, 932, 936, 949, 950 and 1250 to 1258.
QM7_EXPORT bool IsSupportedCodePage(uint32_t code_page);

QM7_EXPORT uint32_t SystemCodePage();
// Returns false, and keeps the current one, for an unsupported code page.
QM7_EXPORT bool SetSystemCodePage(uint32_t code_page);

QM7_EXPORT uint32_t UserLCID();
// Sets the user locale and refills the format settings from it. Returns false,
// and keeps the current locale, when ICU knows no locale for the identifier.
QM7_EXPORT bool SetUserLCID(uint32_t lcid);

// The ICU locale name of a Windows locale identifier ("en_US" for 0x0409), or
// the empty string when there is none.
QM7_EXPORT std::string IcuLocaleOf(uint32_t lcid);

// The format settings of a locale, read through ICU.
QM7_EXPORT TFormatSettings FormatSettingsOf(uint32_t lcid);

QM7_EXPORT const TFormatSettings& FormatSettings();
QM7_EXPORT void SetFormatSettings(const TFormatSettings& settings);

// Puts every setting back to its default (tests pin them this way).
QM7_EXPORT void ResetSettings();

} // namespace qm7::platform
