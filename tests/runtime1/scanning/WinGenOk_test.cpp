#include "runtime1/scanning/WinGenOk.h"

#include <string>

#include <gtest/gtest.h>

#include "platform/settings.h"

namespace qm7 {
namespace {

constexpr uint32_t kTurkish = 0x041F, kEnglish = 0x0409, kGerman = 0x0407, kGreek = 0x0408;

TEST(WinGenOkTest, CaseUnderLocale) {
    struct {
        uint32_t lcid;
        std::u16string text, upper, lower;
    } cases[] = {
        {kTurkish, u"iı", u"İI", u"iı"},
        {kTurkish, u"İI", u"İI", u"iı"},
        {kEnglish, u"iI", u"II", u"ii"},
        {kGerman, u"Straße", u"STRAßE", u"straße"}, // length kept: ß stays
        {kGreek, u"ΟΔΟΣ", u"ΟΔΟΣ", u"οδοσ"},        // simple mapping: no final form
        {kGreek, u"οδος", u"ΟΔΟΣ", u"οδος"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Uppercase(c.lcid, c.text), c.upper);
        EXPECT_EQ(Lowercase(c.lcid, c.text), c.lower);
        std::u16string buffer = c.text;
        UppercaseIt(c.lcid, buffer.data());
        EXPECT_EQ(buffer, c.upper);
        buffer = c.text;
        LowercaseIt(c.lcid, buffer.data());
        EXPECT_EQ(buffer, c.lower);
    }
    EXPECT_EQ(Uppercase(u"iß"), u"Iß");
    UppercaseIt(kEnglish, nullptr);
}

TEST(WinGenOkTest, CodePagesOfLocales) {
    platform::ResetSettings();
    EXPECT_EQ(LCIDToCodePage(kEnglish), 1252u);
    EXPECT_EQ(LCIDToCodePage(0x0419), 1251u);
    EXPECT_EQ(LCIDToCodePage(kTurkish), 1254u);
    EXPECT_EQ(CodePageFromLocale(0x081A), 1250u); // Serbian, Latin
    EXPECT_EQ(CodePageFromLocale(0x0C1A), 1251u); // Serbian, Cyrillic
    EXPECT_EQ(CodePageFromLocale(0x0411), 932u);
    // Hindi has no ANSI code page: the system's.
    EXPECT_EQ(LCIDToCodePage(0x0439), platform::SystemCodePage());
}

TEST(WinGenOkTest, CharactersAndBuffers) {
    EXPECT_TRUE(IsOrdinaryNumberChar(u'7'));
    EXPECT_FALSE(IsOrdinaryNumberChar(u'\u0667'));
    EXPECT_TRUE(IsADigitChar(u'\u0667'));
    EXPECT_FALSE(IsADigitChar(u'x'));
    EXPECT_TRUE(UserDefaultMeasurements(0x0407));
    EXPECT_FALSE(UserDefaultMeasurements(kEnglish));
    EXPECT_EQ(Rightstr(u"abcdef", 2), u"ef");
    EXPECT_EQ(Rightstr(u"ab", 5), u"ab");
    EXPECT_EQ(Rightstr(u"ab", -1), u"");

    const char16_t text[] = u"abcd";
    EXPECT_EQ(StrLScanW(text, u'd', 4), text + 3);
    EXPECT_EQ(StrLScanW(text, u'd', 3), nullptr);
    EXPECT_EQ(StrLScanW(text, u'z', 0), text);
    EXPECT_EQ(StrLScanW(nullptr, u'a', 4), nullptr);

    char16_t swapped[] = u"\u0102\uFEFF";
    StrSwapByteOrder(swapped);
    EXPECT_EQ(std::u16string(swapped), u"\u0201\uFFFE");
}

TEST(WinGenOkTest, BooleansAndNumbers) {
    EXPECT_EQ(BooleanToStr(true), u"true");
    EXPECT_EQ(BooleanToStr(false), u"false");
    EXPECT_TRUE(StrToBoolean(u"TRUE"));
    EXPECT_FALSE(StrToBoolean(u"yes"));

    const platform::TFormatSettings english{u',', u'.'}, german{u'.', u','};
    EXPECT_EQ(IntToDecStr(1234567, english), u"1,234,567");
    EXPECT_EQ(IntToDecStr(-1234, german), u"-1.234");
    EXPECT_EQ(IntToDecStr(16777217, english), u"16,777,217");
    EXPECT_EQ(IntToDecStr(INT64_MIN, english), u"-9,223,372,036,854,775,808");
    EXPECT_EQ(IntToDecStr(0, english), u"0");
    EXPECT_EQ(RealToDecStr(1234.5, english), u"1,234.50");
    EXPECT_EQ(RealToDecStr(0.125, german), u",13");
    EXPECT_EQ(RealToDecStr(-0.5, english), u"-.50");
    EXPECT_EQ(RealToDecStr(0.0 / 0.0, english), u"*");
    EXPECT_EQ(Int64ToSingle(16777217), 16777216.0f);
}

} // namespace
} // namespace qm7
