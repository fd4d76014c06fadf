#include "runtime1/languages/locale_utilities.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

#include "platform/localeinfo.h"
#include "platform/text.h"

namespace qm7 {

TGetLocaleFunct GetLocaleDataProc = PlatformLocaleData;

namespace {

bool PrimaryIn(uint32_t lcid, std::initializer_list<uint32_t> languages) {
    return std::find(languages.begin(), languages.end(), PrimaryLanguage(lcid)) != languages.end();
}

std::u16string LocaleData(uint32_t lcid, uint32_t info_type) {
    return GetLocaleDataProc ? GetLocaleDataProc(lcid, info_type) : std::u16string();
}

uint32_t NumberOf(std::u16string_view text) {
    std::string ascii;
    for (const char16_t c : text) {
        if (c > 0x7F)
            return 0;
        ascii.push_back(char(c));
    }
    uint32_t value = 0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    return ec == std::errc() && end == ascii.data() + ascii.size() ? value : 0;
}

constexpr std::u16string_view kVariantOpening = u" (";

std::u16string WithoutParentheses(std::u16string_view text) {
    std::u16string out;
    for (const char16_t c : text)
        if (c != u'(' && c != u')')
            out += c;
    return platform::Trim(out);
}

} // namespace

std::u16string PlatformLocaleData(uint32_t lcid, uint32_t info_type) {
    try {
        return platform::GetLocaleInfo(lcid, info_type);
    } catch (...) {
        return {};
    }
}

uint32_t PrimaryLanguage(uint32_t lcid) {
    return lcid & 0x3FF;
}

bool SamePrimaryLanguage(uint32_t a, uint32_t b) {
    return PrimaryLanguage(a) == PrimaryLanguage(b);
}

TBiDiMode BiDiModeFromLCID(uint32_t lcid) {
    // Arabic, Hebrew, Urdu, Farsi, Yiddish, Syriac, Pashto, Divehi, Uyghur.
    return PrimaryIn(lcid, {0x01, 0x0D, 0x20, 0x29, 0x3D, 0x5A, 0x63, 0x65, 0x80}) ? bdRightToLeft
                                                                                   : bdLeftToRight;
}

bool LanguageRequiresUnicode(uint32_t lcid) {
    return PrimaryIn(lcid, {0x01, 0x04, 0x0D, 0x11, 0x12, 0x1E, 0x29, 0x2A, 0x63});
}

bool LanguageHasCombiningCharacters(uint32_t lcid) {
    return PrimaryIn(lcid, {0x01, 0x1E, 0x29, 0x39, 0x45, 0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x51,
                            0x53, 0x54, 0x5B, 0x5E, 0x61, 0x63, 0x6A});
}

std::u16string LocalLanguageNameFromLCID(uint32_t lcid) {
    return LocaleData(lcid, platform::LOCALE_SLANGUAGE);
}

std::u16string EnglishLanguageNameFromLCID(uint32_t lcid) {
    return LocaleData(lcid, platform::LOCALE_SENGLANGUAGE);
}

std::u16string CountryFromLCID(uint32_t lcid) {
    return LocaleData(lcid, platform::LOCALE_SENGCOUNTRY);
}

std::u16string CurrencyFromLCID(uint32_t lcid) {
    return LocaleData(lcid, platform::LOCALE_SCURRENCY);
}

uint32_t DOSCodepageFromLCID(uint32_t lcid) {
    return NumberOf(LocaleData(lcid, platform::LOCALE_IDEFAULTCODEPAGE));
}

uint32_t WindowsCodepageFromLCID(uint32_t lcid) {
    return NumberOf(LocaleData(lcid, platform::LOCALE_IDEFAULTANSICODEPAGE));
}

std::u16string LCIDAllCurrencyString(uint32_t lcid, const TArrayOfLCID& locales) {
    std::vector<std::u16string> seen;
    std::u16string joined;
    for (const uint32_t other : locales) {
        if (!SamePrimaryLanguage(lcid, other))
            continue;
        const std::u16string symbol = CurrencyFromLCID(other);
        if (std::find(seen.begin(), seen.end(), symbol) != seen.end())
            continue;
        seen.push_back(symbol);
        if (!joined.empty())
            joined += u',';
        joined += symbol;
    }
    return joined;
}

std::unique_ptr<platform::TStringList> LCIDSubVarieties(uint32_t lcid,
                                                        const TArrayOfLCID& locales) {
    auto list = std::make_unique<platform::TStringList>();
    list->SetDuplicates(platform::dupIgnore);
    list->SetSorted(true);
    for (const uint32_t other : locales)
        if (SamePrimaryLanguage(lcid, other))
            list->AddInteger(CountryFromLCID(other), other);
    return list;
}

std::u16string ShortenedSysLanguageName(std::u16string_view name) {
    const size_t at = name.find(kVariantOpening);
    return std::u16string(at == std::u16string_view::npos ? name : name.substr(0, at));
}

std::u16string SysLanguageVariantName(std::u16string_view name) {
    const size_t at = name.find(kVariantOpening);
    if (at == std::u16string_view::npos)
        return WithoutParentheses(name);
    return WithoutParentheses(platform::Trim(name.substr(at + kVariantOpening.size())));
}

} // namespace qm7
