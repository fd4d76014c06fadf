#include "platform/localeinfo.h"

#include <array>
#include <memory>
#include <string>

#include <unicode/ucurr.h>
#include <unicode/uloc.h>
#include <unicode/ulocdata.h>

#include "platform/settings.h"

namespace qm7::platform {

namespace {

struct TCodePages {
    uint32_t id; // primary language, or full locale identifier in the overrides
    uint16_t ansi;
    uint16_t oem;
};

// By primary language. A language missing here is written in Unicode only.
constexpr TCodePages kByLanguage[] = {
    {0x01, 1256, 720}, {0x02, 1251, 866},  {0x03, 1252, 850}, {0x04, 936, 936},  {0x05, 1250, 852},
    {0x06, 1252, 850}, {0x07, 1252, 850},  {0x08, 1253, 737}, {0x09, 1252, 850}, {0x0A, 1252, 850},
    {0x0B, 1252, 850}, {0x0C, 1252, 850},  {0x0D, 1255, 862}, {0x0E, 1250, 852}, {0x0F, 1252, 850},
    {0x10, 1252, 850}, {0x11, 932, 932},   {0x12, 949, 949},  {0x13, 1252, 850}, {0x14, 1252, 850},
    {0x15, 1250, 852}, {0x16, 1252, 850},  {0x17, 1252, 850}, {0x18, 1250, 852}, {0x19, 1251, 866},
    {0x1A, 1250, 852}, {0x1B, 1250, 852},  {0x1C, 1250, 852}, {0x1D, 1252, 850}, {0x1E, 874, 874},
    {0x1F, 1254, 857}, {0x20, 1256, 720},  {0x21, 1252, 850}, {0x22, 1251, 866}, {0x23, 1251, 866},
    {0x24, 1250, 852}, {0x25, 1257, 775},  {0x26, 1257, 775}, {0x27, 1257, 775}, {0x28, 1251, 866},
    {0x29, 1256, 720}, {0x2A, 1258, 1258}, {0x2C, 1254, 857}, {0x2D, 1252, 850}, {0x2E, 1252, 850},
    {0x2F, 1251, 866}, {0x32, 1252, 850},  {0x34, 1252, 850}, {0x35, 1252, 850}, {0x36, 1252, 850},
    {0x38, 1252, 850}, {0x3B, 1252, 850},  {0x3C, 1252, 850}, {0x3D, 1255, 862}, {0x3E, 1252, 850},
    {0x3F, 1251, 866}, {0x40, 1251, 866},  {0x41, 1252, 437}, {0x42, 1250, 852}, {0x43, 1254, 857},
    {0x44, 1251, 866}, {0x50, 1251, 866},  {0x52, 1252, 850}, {0x56, 1252, 850}, {0x5D, 1252, 850},
    {0x5F, 1252, 850}, {0x62, 1252, 850},  {0x64, 1252, 437}, {0x68, 1252, 437}, {0x6A, 1252, 437},
    {0x6B, 1252, 850}, {0x6C, 1252, 850},  {0x6D, 1251, 866}, {0x6E, 1252, 850}, {0x6F, 1252, 850},
    {0x70, 1252, 437}, {0x7A, 1252, 850},  {0x7C, 1252, 850}, {0x7E, 1252, 850}, {0x80, 1256, 720},
    {0x82, 1252, 850}, {0x83, 1252, 850},  {0x84, 1252, 850}, {0x85, 1251, 866}, {0x86, 1252, 850},
    {0x87, 1252, 437}, {0x88, 1252, 850},  {0x8C, 1256, 720}, {0x91, 1252, 850}, {0x92, 1256, 720},
};

// Locales whose pages differ from their language's: US English, the Chinese
// of Taiwan, Hong Kong and Macao, and the Latin and Cyrillic forms of
// Serbian, Bosnian, Azeri, Uzbek, Mongolian and Inuktitut.
constexpr TCodePages kByLocale[] = {
    {0x0409, 1252, 437}, {0x0404, 950, 950},  {0x0C04, 950, 950},  {0x1404, 950, 950},
    {0x0804, 936, 936},  {0x1004, 936, 936},  {0x081A, 1250, 852}, {0x181A, 1250, 852},
    {0x241A, 1250, 852}, {0x2C1A, 1250, 852}, {0x141A, 1250, 852}, {0x0C1A, 1251, 855},
    {0x1C1A, 1251, 855}, {0x281A, 1251, 855}, {0x301A, 1251, 855}, {0x201A, 1251, 855},
    {0x042C, 1254, 857}, {0x082C, 1251, 866}, {0x0443, 1254, 857}, {0x0843, 1251, 866},
    {0x0450, 1251, 866}, {0x0850, 0, 0},      {0x045D, 0, 0},      {0x085D, 1252, 850},
};

uint32_t Resolved(uint32_t lcid) {
    if (lcid == LOCALE_NEUTRAL || lcid == LOCALE_USER_DEFAULT || lcid == LOCALE_SYSTEM_DEFAULT)
        return UserLCID();
    return lcid;
}

TCodePages CodePagesOf(uint32_t lcid) {
    lcid = Resolved(lcid);
    if (IcuLocaleOf(lcid).empty())
        return {lcid, 0, 0};
    for (const TCodePages& entry : kByLocale)
        if (entry.id == lcid)
            return entry;
    const uint32_t primary = lcid & 0x3FF;
    for (const TCodePages& entry : kByLanguage)
        if (entry.id == primary)
            return entry;
    return {lcid, 0, 0};
}

template <class Call> std::u16string IcuText(Call call) {
    std::array<UChar, 256> buffer{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = call(buffer.data(), int32_t(buffer.size()), &status);
    if (U_FAILURE(status) || n <= 0 || n > int32_t(buffer.size()))
        return {};
    return std::u16string(reinterpret_cast<const char16_t*>(buffer.data()), size_t(n));
}

std::u16string AsciiNumber(uint32_t n) {
    const std::string s = std::to_string(n);
    return std::u16string(s.begin(), s.end());
}

std::u16string CurrencySymbol(const std::string& locale) {
    std::array<UChar, 4> code{};
    UErrorCode status = U_ZERO_ERROR;
    ucurr_forLocale(locale.c_str(), code.data(), int32_t(code.size()), &status);
    if (U_FAILURE(status) || code[0] == 0)
        return {};
    UBool is_choice = false;
    int32_t length = 0;
    status = U_ZERO_ERROR;
    const UChar* name =
        ucurr_getName(code.data(), locale.c_str(), UCURR_SYMBOL_NAME, &is_choice, &length, &status);
    if (U_FAILURE(status) || !name || length <= 0)
        return {};
    return std::u16string(reinterpret_cast<const char16_t*>(name), size_t(length));
}

std::u16string MeasurementOf(const std::string& locale) {
    UErrorCode status = U_ZERO_ERROR;
    const UMeasurementSystem system = ulocdata_getMeasurementSystem(locale.c_str(), &status);
    if (U_FAILURE(status))
        return {};
    return system == UMS_US ? u"1" : u"0";
}

} // namespace

uint32_t AnsiCodePageOfLCID(uint32_t lcid) {
    return CodePagesOf(lcid).ansi;
}

uint32_t OemCodePageOfLCID(uint32_t lcid) {
    return CodePagesOf(lcid).oem;
}

std::u16string GetLocaleInfo(uint32_t lcid, uint32_t info_type) {
    lcid = Resolved(lcid);
    const std::string locale = IcuLocaleOf(lcid);
    if (locale.empty())
        return {};
    switch (info_type) {
    case LOCALE_SLANGUAGE: {
        std::string ui = IcuLocaleOf(UserLCID());
        if (ui.empty())
            ui = "en_US";
        return IcuText([&](UChar* out, int32_t size, UErrorCode* status) {
            return uloc_getDisplayName(locale.c_str(), ui.c_str(), out, size, status);
        });
    }
    case LOCALE_SENGLANGUAGE:
        return IcuText([&](UChar* out, int32_t size, UErrorCode* status) {
            return uloc_getDisplayLanguage(locale.c_str(), "en", out, size, status);
        });
    case LOCALE_SENGCOUNTRY:
        return IcuText([&](UChar* out, int32_t size, UErrorCode* status) {
            return uloc_getDisplayCountry(locale.c_str(), "en", out, size, status);
        });
    case LOCALE_SCURRENCY:
        return CurrencySymbol(locale);
    case LOCALE_IDEFAULTCODEPAGE:
        return AsciiNumber(OemCodePageOfLCID(lcid));
    case LOCALE_IDEFAULTANSICODEPAGE:
        return AsciiNumber(AnsiCodePageOfLCID(lcid));
    case LOCALE_IMEASURE:
        return MeasurementOf(locale);
    default:
        return {};
    }
}

} // namespace qm7::platform
