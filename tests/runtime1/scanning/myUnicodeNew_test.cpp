#include "runtime1/scanning/myUnicodeNew.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace qm7 {
namespace {

TEST(MyUnicodeNewTest, HeapCopies) {
    char16_t* a = MyNewPChar(u"abc");
    EXPECT_EQ(std::u16string(a), u"abc");
    DeletePWideChar(a);

    // The copy stops at the text's own terminator, even when n is larger.
    auto source = std::make_unique<char16_t[]>(3);
    std::copy_n(u"ab", 3, source.get());
    char16_t* b = CheckedNewLenPchar(source.get(), 10);
    EXPECT_EQ(std::u16string(b), u"ab");
    DeletePWideChar(b);
    char16_t* c = CheckedNewLenPchar(u"abcdef", 3);
    EXPECT_EQ(std::u16string(c), u"abc");
    DeletePWideChar(c);
    char16_t* d = CheckedNewLenPchar(nullptr, 3);
    EXPECT_EQ(std::u16string(d), u"");
    DeletePWideChar(d);
    char* e = CheckedNewLenPAnsichar("xyz", 0);
    EXPECT_EQ(std::string(e), "");
    DeletePAnsichar(e);
    char* f = MyNewPAnsichar("xyz");
    EXPECT_EQ(std::string(f), "xyz");
    DeletePAnsichar(f);
}

TEST(MyUnicodeNewTest, NumberNotations) {
    struct {
        std::u16string in, out;
        int32_t result;
    } cases[] = {
        {u"ab{chr(65)}c#66", u"abAcB", 66},
        {u"{CHR(x)}", u"{CHR(x)}", -1},
        {u"{Chr(66)}{chr(x)}{CHR(67)}", u"B{chr(x)}C", 67},
        {u"a)}{chr(70", u"a)}{chr(70", -1},
        {u"# #12a", u"# \u000Ca", 12},
        {u"#99999999999", u"#99999999999", -1}, // does not fit 32 bits
        {u"#65601", u"A", 65},                  // modulo 65536
        {u"plain", u"plain", -1},
    };
    for (auto c : cases) {
        const std::u16string in = c.in;
        EXPECT_EQ(MyFormatValidNumberStr(c.in), c.result);
        EXPECT_EQ(c.in, c.out);
    }
}

TEST(MyUnicodeNewTest, SmallHelpers) {
    EXPECT_EQ(StrScanIndex(u"abcabc", u'b', 1), 2);
    EXPECT_EQ(StrScanIndex(u"abcabc", u'b', 3), 5);
    EXPECT_EQ(StrScanIndex(u"abcabc", u'b', 6), 0);
    EXPECT_EQ(StrScanIndex(u"abc", u'b', 9), 0);
    EXPECT_EQ(ExpandTabbedWideString(u"a\tb", 3), u"a   b");
    char16_t buffer[4] = {1, 1, 1, 1};
    FillWChar(buffer, 5, u'x');
    EXPECT_EQ(std::u16string(buffer, 4), std::u16string(u"xx\u0001\u0001"));
    EXPECT_TRUE(IsHashSymbol(0x1B));
    EXPECT_FALSE(IsHashSymbol(u'#'));
    EXPECT_TRUE(IsHashOrBrace(u'#'));
    EXPECT_TRUE(IsHashOrBrace(u'{'));

    const search_word_type32 field = StringToSearch_word_type32(std::u16string(100, u'w'));
    EXPECT_EQ(field[79], u'w');
    EXPECT_EQ(field[80], 0);
    EXPECT_EQ(Search_word_type32ToString(field), std::u16string(80, u'w'));
    EXPECT_EQ(Search_word_type32ToString(StringToSearch_word_type32(u"hi")), u"hi");
}

TEST(MyUnicodeNewTest, TextExtent) {
    EXPECT_EQ(GetTextExtentW(nullptr, u"abc", 3), TSize{});
    const TTextExtentProc saved = TextExtentProc;
    TextExtentProc = [](TDeviceContext, const char16_t*, int32_t n, TSize& size) {
        size = {7 * n, 12};
        return true;
    };
    EXPECT_EQ(GetTextExtentW(nullptr, u"abc", 2), (TSize{14, 12}));
    EXPECT_EQ(GetTextExtentW(nullptr, u"abc", 9), (TSize{21, 12}));
    EXPECT_EQ(GetTextExtentW(nullptr, u"abc", 0), TSize{});
    TextExtentProc = saved;
}

} // namespace
} // namespace qm7
