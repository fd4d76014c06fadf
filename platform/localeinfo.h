// Facts about a Windows locale identifier: its code pages (from a table of
// our own of the locales the suite meets), its names, country and currency
// (from ICU), and its measurement system.
#pragma once

#include <cstdint>
#include <string>

#include "platform/export.h"

namespace qm7::platform {

// The kinds of information GetLocaleInfo gives, by their Windows numbers.
inline constexpr uint32_t LOCALE_SLANGUAGE = 0x0002;            // name in the user's language
inline constexpr uint32_t LOCALE_IDEFAULTCODEPAGE = 0x000B;     // OEM code page
inline constexpr uint32_t LOCALE_IMEASURE = 0x000D;             // "0" metric, "1" US
inline constexpr uint32_t LOCALE_SCURRENCY = 0x0014;            // currency symbol
inline constexpr uint32_t LOCALE_SENGLANGUAGE = 0x1001;         // English language name
inline constexpr uint32_t LOCALE_SENGCOUNTRY = 0x1002;          // English country name
inline constexpr uint32_t LOCALE_IDEFAULTANSICODEPAGE = 0x1004; // ANSI code page

// The identifiers that stand for the user's or the system's locale.
inline constexpr uint32_t LOCALE_NEUTRAL = 0x0000;
inline constexpr uint32_t LOCALE_USER_DEFAULT = 0x0400;
inline constexpr uint32_t LOCALE_SYSTEM_DEFAULT = 0x0800;

// The 8-bit code pages of a locale: 0 for a locale that ICU does not know or
// that is written in Unicode only (Hindi, Armenian, Georgian ...).
QM7_EXPORT uint32_t AnsiCodePageOfLCID(uint32_t lcid);
QM7_EXPORT uint32_t OemCodePageOfLCID(uint32_t lcid);

// The information as text ("1252" for a code page); empty when the locale or
// the kind of information is unknown (a code page of 0 gives "0").
QM7_EXPORT std::u16string GetLocaleInfo(uint32_t lcid, uint32_t info_type);

} // namespace qm7::platform
