#include "runtime1/languages/locale_utilities.h"

#include <gtest/gtest.h>

#include "platform/localeinfo.h"
#include "platform/settings.h"

namespace qm7 {
namespace {

TEST(LocaleUtilitiesTest, LanguageTables) {
    EXPECT_EQ(PrimaryLanguage(0x0C0A), 0x0Au);
    EXPECT_TRUE(SamePrimaryLanguage(0x0409, 0x0809));
    EXPECT_FALSE(SamePrimaryLanguage(0x0409, 0x0407));
    struct {
        uint32_t lcid;
        TBiDiMode bidi;
        bool unicode, combining;
    } cases[] = {
        {0x0401, bdRightToLeft, true, true},   // Arabic
        {0x040D, bdRightToLeft, true, false},  // Hebrew
        {0x0420, bdRightToLeft, false, false}, // Urdu
        {0x045A, bdRightToLeft, false, false}, // Syriac
        {0x0465, bdRightToLeft, false, false}, // Divehi
        {0x043D, bdRightToLeft, false, false}, // Yiddish
        {0x0480, bdRightToLeft, false, false}, // Uyghur
        {0x0463, bdRightToLeft, true, true},   // Pashto
        {0x0409, bdLeftToRight, false, false}, {0x0419, bdLeftToRight, false, false},
        {0x0411, bdLeftToRight, true, false},  {0x041E, bdLeftToRight, true, true}, // Thai
        {0x0439, bdLeftToRight, false, true},                                       // Hindi
        {0x046A, bdLeftToRight, false, true},                                       // Yoruba
        {0x0470, bdLeftToRight, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BiDiModeFromLCID(c.lcid), c.bidi) << std::hex << c.lcid;
        EXPECT_EQ(LanguageRequiresUnicode(c.lcid), c.unicode) << std::hex << c.lcid;
        EXPECT_EQ(LanguageHasCombiningCharacters(c.lcid), c.combining) << std::hex << c.lcid;
    }
}

TEST(LocaleUtilitiesTest, LocaleInformation) {
    platform::ResetSettings();
    EXPECT_EQ(LocalLanguageNameFromLCID(0x0409), u"English (United States)");
    EXPECT_EQ(EnglishLanguageNameFromLCID(0x0407), u"German");
    EXPECT_EQ(CountryFromLCID(0x0C07), u"Austria");
    EXPECT_EQ(CurrencyFromLCID(0x0407), u"€");
    EXPECT_EQ(WindowsCodepageFromLCID(0x0419), 1251u);
    EXPECT_EQ(DOSCodepageFromLCID(0x0419), 866u);
    EXPECT_EQ(DOSCodepageFromLCID(0x0409), 437u);
    EXPECT_EQ(WindowsCodepageFromLCID(0x042C), 1254u); // Azeri, Latin
    EXPECT_EQ(WindowsCodepageFromLCID(0x082C), 1251u); // Azeri, Cyrillic
    EXPECT_EQ(WindowsCodepageFromLCID(0x0843), 1251u); // Uzbek, Cyrillic
    EXPECT_EQ(WindowsCodepageFromLCID(0x0439), 0u);    // Hindi: Unicode only
    EXPECT_EQ(WindowsCodepageFromLCID(0x7777), 0u);    // unknown
    EXPECT_EQ(CountryFromLCID(0x7777), u"");
}

TEST(LocaleUtilitiesTest, GroupingByLanguage) {
    const TArrayOfLCID installed = {0x0409, 0x0407, 0x1009, 0x0C09, 0x0809};
    EXPECT_EQ(LCIDAllCurrencyString(0x0409, {0x0409, 0x1009, 0x0C09}), u"$");
    EXPECT_EQ(LCIDAllCurrencyString(0x0409, installed), u"$,£");
    const auto varieties = LCIDSubVarieties(0x0409, installed);
    ASSERT_EQ(varieties->Count(), 4);
    EXPECT_EQ(varieties->Strings(0), u"Australia");
    EXPECT_EQ(varieties->Integers(0), 0x0C09);
    EXPECT_EQ(varieties->Strings(3), u"United States");
    EXPECT_EQ(varieties->Integers(3), 0x0409);

    const TGetLocaleFunct saved = GetLocaleDataProc;
    GetLocaleDataProc = [](uint32_t, uint32_t) { return std::u16string(u"X"); };
    EXPECT_EQ(LCIDAllCurrencyString(0x0409, installed), u"X");
    GetLocaleDataProc = saved;
}

TEST(LocaleUtilitiesTest, SystemLanguageNames) {
    EXPECT_EQ(ShortenedSysLanguageName(u"English (United States)"), u"English");
    EXPECT_EQ(ShortenedSysLanguageName(u"English"), u"English");
    EXPECT_EQ(SysLanguageVariantName(u"English (United States)"), u"United States");
    EXPECT_EQ(SysLanguageVariantName(u"Chinese (Traditional, Taiwan)"), u"Traditional, Taiwan");
    EXPECT_EQ(SysLanguageVariantName(u"(odd)"), u"odd");
}

} // namespace
} // namespace qm7
