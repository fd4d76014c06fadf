#include "platform/text.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/settings.h"

namespace qm7::platform {
namespace {

TEST(Text, Pos) {
    struct TCase {
        std::u16string needle;
        std::u16string haystack;
        size_t from;
        size_t expected;
    };
    const std::vector<TCase> cases{
        {u"", u"abc", 1, 0},      // an empty needle is never found
        {u"", u"", 1, 0},         //
        {u"b", u"abc", 1, 2},     //
        {u"a", u"a", 1, 1},       //
        {u"bc", u"abcabc", 3, 5}, // search starts at from
        {u"bc", u"abcabc", 5, 5}, //
        {u"bc", u"abcabc", 6, 0}, // the needle would run past the end
        {u"a", u"abc", 0, 0},     // positions are 1-based
        {u"a", u"abc", 4, 0},     //
        {u"abcd", u"abc", 1, 0},  //
        {u"\u00E9", u"e\u00E9", 1, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from << " expected " << c.expected);
        EXPECT_EQ(Pos(c.needle, c.haystack, c.from), c.expected);
    }
}

TEST(Text, TrimRemovesControlsAndSpaces) {
    const std::u16string s = u"\t\r\n \x01x \x1Fy\x1F \x20";
    EXPECT_EQ(Trim(s), u"x \x1Fy");
    EXPECT_EQ(TrimLeft(s), u"x \x1Fy\x1F  ");
    EXPECT_EQ(TrimRight(s), u"\t\r\n \x01x \x1Fy");
    EXPECT_EQ(Trim(u" \t "), u"");
    EXPECT_EQ(TrimLeft(u""), u"");
    // Only characters up to U+0020 go: no-break space and ideographic space stay.
    EXPECT_EQ(Trim(u"\u00A0a\u3000"), u"\u00A0a\u3000");
}

TEST(Text, CaseMapping) {
    struct TCase {
        uint32_t lcid;
        std::u16string text;
        std::u16string upper;
        std::u16string lower;
    };
    const std::vector<TCase> cases{
        {0x0409, u"Istanbul iI", u"ISTANBUL II", u"istanbul ii"},
        {0x041F, u"Istanbul iI", u"ISTANBUL \u0130I", u"\u0131stanbul i\u0131"}, // Turkish
        {0x042C, u"iI", u"\u0130I", u"i\u0131"},                                 // Azeri Latin
        {0x082C, u"iI", u"\u0130I", u"i\u0131"},                                 // Azeri Cyrillic
        {0x041F, u"\u0130\u0131", u"\u0130I", u"i\u0131"},
        {0x0409, u"\u0130\u0131", u"\u0130I", u"i\u0131"},
        // Simple mappings keep the length: sharp s and ligatures stay.
        {0x0409, u"stra\u00DFe \uFB01", u"STRA\u00DFE \uFB01", u"stra\u00DFe \uFB01"},
        {0x0409, u"\u03A3\u03C3\u03C2", u"\u03A3\u03A3\u03A3", u"\u03C3\u03C3\u03C2"},
        {0x0409, u"\u01C5", u"\u01C4", u"\u01C6"},
        // Deseret: a surrogate pair maps as the code point it forms.
        {0x0409, u"\U00010428\U00010400", u"\U00010400\U00010400", u"\U00010428\U00010428"},
        // A lone surrogate passes through untouched.
        {0x0409, std::u16string(u"a\xD801") + u"b\xDC28", std::u16string(u"A\xD801") + u"B\xDC28",
         std::u16string(u"a\xD801") + u"b\xDC28"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "lcid " << std::hex << c.lcid);
        EXPECT_EQ(UpperCase(c.text, c.lcid), c.upper);
        EXPECT_EQ(LowerCase(c.text, c.lcid), c.lower);
    }
    EXPECT_EQ(UpperChar(U'i', 0x041F), 0x0130u);
    EXPECT_EQ(LowerChar(U'I', 0x041F), 0x0131u);
    EXPECT_EQ(UpperChar(0x10428), 0x10400u);
    EXPECT_EQ(UpperChar(0x110000), 0x110000u);
}

TEST(Text, AnsiCaseFollowsUserLocale) {
    ResetSettings();
    EXPECT_EQ(AnsiUpperCase(u"i"), u"I");
    ASSERT_TRUE(SetUserLCID(0x041F));
    EXPECT_EQ(AnsiUpperCase(u"i"), u"\u0130");
    EXPECT_EQ(AnsiLowerCase(u"I"), u"\u0131");
    ResetSettings();
}

TEST(Text, Utf8RoundTripKeepsLoneSurrogates) {
    const std::vector<std::u16string> cases{
        u"",
        u"plain ASCII that is longer than one eight-byte word",
        u"caf\u00E9 \u20AC \U0001F600 \u4E2D\u6587",
        std::u16string(1, char16_t(0xD800)),
        std::u16string(1, char16_t(0xDFFF)),
        std::u16string(u"a") + char16_t(0xDC00) + char16_t(0xD800) + u"b", // reversed pair
        std::u16string(u"x") + char16_t(0xDBFF),                           // high at the end
    };
    for (const auto& s : cases) {
        const std::string utf8 = Utf16ToUtf8(s);
        EXPECT_EQ(Utf8ToUtf16(utf8), s);
    }
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xED\xA0\x80");
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_FALSE(IsValidUtf8(Utf16ToUtf8(std::u16string(1, char16_t(0xDC00)))));
}

TEST(Text, InvalidUtf8) {
    struct TCase {
        std::string bytes;
        std::u16string text; // what it reads as
        bool valid;
    };
    const std::vector<TCase> cases{
        {"", u"", true},
        {"abc\xC3\xA9", u"abc\u00E9", true},
        {"\xEF\xBF\xBD", u"\uFFFD", true},
        {"\xF4\x8F\xBF\xBF", u"\U0010FFFF", true},
        {"0123456789\xE2\x82\xAC"
         "0123456789",
         u"0123456789\u20AC0123456789", true},
        {"\xED\xA0\x80", u"\xD800", false},             // surrogate: read, but not valid
        {"\xC0\xAF", u"\uFFFD\uFFFD", false},           // overlong
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD", false}, // overlong
        {"\xE2\x82", u"\uFFFD", false},                 // truncated
        {"\xF0\x9F\x98"
         "A",
         u"\uFFFD"
         "A",
         false},                                                  // truncated in the middle
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", false}, // above U+10FFFF
        {"\xC3"
         "A\xE4\xB8"
         "B",
         u"\uFFFD"
         u"A\uFFFD"
         u"B",
         false}, // lead bytes without their trail bytes
        {"a\x80"
         "b\xFF",
         u"a\uFFFD"
         "b\uFFFD",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(Utf8ToUtf16(c.bytes), c.text);
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid);
    }
}

} // namespace
} // namespace qm7::platform
