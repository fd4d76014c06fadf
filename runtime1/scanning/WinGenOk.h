// Characters, case under a locale, the code page of a locale, Booleans and
// numbers as the user sees them, and the constants every module shares.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/export.h"
#include "platform/settings.h"
#include "platform/stringlist.h"
#include "platform/workarea.h"

namespace qm7 {

inline constexpr std::u16string_view CRLF = u"\r\n";
inline constexpr std::u16string_view HexCharactersStr = u"0123456789ABCDEFabcdef";
// The characters that introduce a hexadecimal number after "#".
inline constexpr std::u16string_view HexSignalStr = u"Xx$Hh";
inline constexpr float mm_to_inch = 0.03937008f;
inline constexpr double inch_to_cm = 2.54;
inline constexpr double inch_to_mm = 25.4;

// The number and date separators of the user's locale, made at start-up.
extern QM7_EXPORT platform::TFormatSettings UserDefaultFormatSettings;
// The desktop work area, read at start-up.
extern QM7_EXPORT platform::TRect Work_Area;

// A string list that knows the locale of its text and whether it is saved in
// UTF-16.
class QM7_EXPORT TLanguageStringlist : public platform::TStringList {
public:
    explicit TLanguageStringlist(uint32_t ALanguage) : Language(ALanguage) {}

    uint32_t Language = 0;
    bool SaveUnicode = true;
};

// --- Characters and case ---------------------------------------------------

// "0" to "9" only.
QM7_EXPORT bool IsOrdinaryNumberChar(char16_t c);
// A decimal digit of any script.
QM7_EXPORT bool IsADigitChar(char16_t c);

// The locale's ANSI code page; the system code page when the locale has none.
QM7_EXPORT uint32_t CodePageFromLocale(uint32_t lcid);
QM7_EXPORT uint32_t LCIDToCodePage(uint32_t lcid);

// Case under the locale's linguistic rules (Turkish and Azeri i); the simple
// per-character mapping, so the length never changes.
QM7_EXPORT std::u16string Lowercase(uint32_t lcid, std::u16string_view text);
QM7_EXPORT std::u16string Uppercase(uint32_t lcid, std::u16string_view text);
// The same in place on a zero-terminated buffer; nothing for a null one.
QM7_EXPORT void LowercaseIt(uint32_t lcid, char16_t* buffer);
QM7_EXPORT void UppercaseIt(uint32_t lcid, char16_t* buffer);
// Per-character Unicode case mapping, whatever the locale.
QM7_EXPORT std::u16string Lowercase(std::u16string_view text);
QM7_EXPORT std::u16string Uppercase(std::u16string_view text);

// False when the locale measures in US units, true (metric) otherwise or
// when unknown.
QM7_EXPORT bool UserDefaultMeasurements(uint32_t lcid);

// The last n characters (the whole text when it is shorter).
QM7_EXPORT std::u16string Rightstr(std::u16string_view text, int64_t n);

// The first unit equal to c within count units, or null when there is none
// or the buffer is missing; the buffer itself when count is 0.
QM7_EXPORT const char16_t* StrLScanW(const char16_t* buffer, char16_t c, int64_t count);
// Swaps the two bytes of every unit up to the terminating zero.
QM7_EXPORT void StrSwapByteOrder(char16_t* buffer);

// --- Booleans and numbers --------------------------------------------------

// The message texts "true" and "false".
QM7_EXPORT std::u16string BooleanToStr(bool b);
// True when the text is the "true" text, ignoring case.
QM7_EXPORT bool StrToBoolean(std::u16string_view text);

// x with thousands separators and two decimals, as the pattern "####,.00"
// (so 0.5 gives ".50"); "*" when x is not a finite number.
QM7_EXPORT std::u16string RealToDecStr(double x, const platform::TFormatSettings& settings);
QM7_EXPORT std::u16string RealToDecStr(double x);
// i with thousands separators and no decimals; every 64-bit value exactly.
QM7_EXPORT std::u16string IntToDecStr(int64_t i, const platform::TFormatSettings& settings);
QM7_EXPORT std::u16string IntToDecStr(int64_t i);
QM7_EXPORT float Int64ToSingle(int64_t i);

} // namespace qm7
