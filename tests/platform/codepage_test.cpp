#include "platform/codepage.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include "platform/settings.h"

namespace qm7::platform {
namespace {

const std::vector<uint32_t> kSingleBytePages{874,  1250, 1251, 1252, 1253,
                                             1254, 1255, 1256, 1257, 1258};
const std::vector<uint32_t> kDoubleBytePages{932, 936, 949, 950};

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(char(b));
    return bytes;
}

class SingleBytePage : public testing::TestWithParam<uint32_t> {};

// Every byte that reads as a character writes back as the same byte; a byte
// without a mapping reads as U+FFFD, never as U+001A (unless it is 0x1A).
TEST_P(SingleBytePage, AllBytesRoundTrip) {
    const uint32_t page = GetParam();
    EXPECT_TRUE(IsSingleByteCodePage(page));
    const std::u16string text = AnsiToUnicode(AllBytes(), page);
    ASSERT_EQ(text.size(), 256u);
    for (int b = 0; b < 256; ++b) {
        const char16_t c = text[size_t(b)];
        SCOPED_TRACE(testing::Message() << "byte " << b);
        if (b == 0x1A)
            EXPECT_EQ(c, 0x1A);
        else
            EXPECT_NE(c, 0x1A);
        if (c == 0xFFFD)
            continue;
        bool all_mapped = false;
        EXPECT_EQ(UnicodeToAnsi(std::u16string(1, c), page, all_mapped), std::string(1, char(b)));
        EXPECT_TRUE(all_mapped);
    }
}

// The tables behind the single-byte pages agree with ICU's converter, one
// character at a time, for the whole BMP.
TEST_P(SingleBytePage, AgreesWithIcu) {
    const uint32_t page = GetParam();
    UErrorCode error = U_ZERO_ERROR;
    UConverter* cnv = ucnv_open(IcuConverterName(page), &error);
    ASSERT_TRUE(U_SUCCESS(error));
    ucnv_setFromUCallBack(cnv, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    std::u16string all;
    std::string expected;
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const UChar u = UChar(c);
        char out[4];
        error = U_ZERO_ERROR;
        ucnv_reset(cnv);
        const int32_t n = ucnv_fromUChars(cnv, out, 4, &u, 1, &error);
        all.push_back(char16_t(c));
        expected.push_back(U_SUCCESS(error) && n == 1 ? out[0] : '?');
    }
    ucnv_close(cnv);
    EXPECT_EQ(UnicodeToAnsi(all, page), expected);
}

INSTANTIATE_TEST_SUITE_P(CodePage, SingleBytePage, testing::ValuesIn(kSingleBytePages));

struct TDoubleByteCase {
    uint32_t page;
    std::u16string text;
};

TEST(CodePage, DoubleByteRoundTrip) {
    const std::vector<TDoubleByteCase> cases{
        {932, u"日本語のテキスト、ｶﾀｶﾅ and ASCII ①"},
        {936, u"简体中文文本，测试"},
        {949, u"한국어 텍스트입니다"},
        {950, u"繁體中文文字，測試"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        EXPECT_FALSE(IsSingleByteCodePage(c.page));
        bool all_mapped = false;
        const std::string bytes = UnicodeToAnsi(c.text, c.page, all_mapped);
        EXPECT_TRUE(all_mapped);
        EXPECT_GT(bytes.size(), c.text.size()); // mostly two bytes a character
        EXPECT_EQ(AnsiToUnicode(bytes, c.page), c.text);
    }
    // Shift-JIS bytes of "日本" read back.
    EXPECT_EQ(AnsiToUnicode("\x93\xfa\x96\x7b", 932), u"日本");
}

// Characters a page cannot hold become "?", one per code point, and the
// substitute 0x1A never appears.
TEST(CodePage, UnmappableBecomesQuestionMark) {
    const std::u16string text = u"a\u0F00b\U0001F600c\xD800"
                                u"d";
    for (uint32_t page : {1252u, 1251u, 874u, 949u}) {
        SCOPED_TRACE(page);
        bool all_mapped = true;
        EXPECT_EQ(UnicodeToAnsi(text, page, all_mapped), "a?b?c?d");
        EXPECT_FALSE(all_mapped);
    }
    bool all_mapped = true;
    EXPECT_EQ(UnicodeToAnsi(u"Ωμέγα", 1252, all_mapped), "?????");
    EXPECT_EQ(UnicodeToAnsi(u"\u20AC\u201C", 1252, all_mapped), "\x80\x93");
    EXPECT_TRUE(all_mapped);
    EXPECT_EQ(UnicodeToAnsi(u"?", 1252, all_mapped), "?");
    EXPECT_TRUE(all_mapped);
}

// Bytes below 0x80 are ASCII in every double-byte page (controls included),
// and a byte without a mapping reads as U+FFFD.
TEST(CodePage, DoubleByteAsciiAndInvalidBytes) {
    std::string ascii;
    std::u16string expected;
    for (int b = 0; b < 0x80; ++b) {
        ascii.push_back(char(b));
        expected.push_back(char16_t(b));
    }
    for (uint32_t page : kDoubleBytePages) {
        SCOPED_TRACE(page);
        EXPECT_EQ(AnsiToUnicode(ascii, page), expected);
        EXPECT_EQ(UnicodeToAnsi(expected, page), ascii);
        // A lead byte at the very end has no trail byte.
        EXPECT_EQ(AnsiToUnicode("ab\x81", page), u"ab\xFFFD");
        for (int b = 0x80; b < 0x100; ++b) {
            const std::u16string one = AnsiToUnicode(std::string(1, char(b)), page);
            ASSERT_EQ(one.size(), 1u);
            EXPECT_NE(one[0], 0x1A);
        }
    }
}

TEST(CodePage, UnsupportedPageConvertsAsWindows1252) {
    EXPECT_EQ(AnsiToUnicode("\x80\xE9", 437), u"\u20AC\u00E9");
    EXPECT_EQ(UnicodeToAnsi(u"\u20AC\u00E9", 65001), "\x80\xE9");
    EXPECT_TRUE(IsSingleByteCodePage(437));
    EXPECT_EQ(AnsiToUnicode("", 932), u"");
    EXPECT_EQ(UnicodeToAnsi(u"", 932), "");
}

TEST(CodePage, SystemCodePageIsUsed) {
    ResetSettings();
    EXPECT_EQ(SystemAnsiToUnicode("\xC0"), u"\u00C0");
    ASSERT_TRUE(SetSystemCodePage(1251));
    EXPECT_EQ(SystemAnsiToUnicode("\xC0"), u"\u0410");
    EXPECT_EQ(SystemUnicodeToAnsi(u"\u0410\u00C0"), "\xC0?");
    ResetSettings();
}

} // namespace
} // namespace qm7::platform
