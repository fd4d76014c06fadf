#include "runtime1/strings/my_string_functions.h"

#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/chartype.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "runtime1/scanning/WinGenOk.h"

namespace qm7 {
namespace {

using platform::TStringList;
using Strings = std::vector<std::u16string>;

Strings ItemsOf(const TStringList& list) {
    Strings items;
    for (int k = 0; k < list.Count(); ++k)
        items.push_back(list.Strings(k));
    return items;
}

std::string Narrow(std::u16string_view s) {
    return platform::Utf16ToUtf8(s);
}

// Pins the number separators to the US defaults for each test.
class NumberStringsTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ResetSettings();
        saved_ = UserDefaultFormatSettings;
        UserDefaultFormatSettings = platform::TFormatSettings{};
    }
    void TearDown() override {
        UserDefaultFormatSettings = saved_;
        platform::ResetSettings();
    }

private:
    platform::TFormatSettings saved_;
};

// --- Sentences ---------------------------------------------------------------------

TEST(SentencesFromParagraphTest, SplitsByCharacterTypes) {
    struct {
        std::u16string text;
        Strings expected;
    } cases[] = {
        {u"He said \"Stop.\" Then he left.", {u"He said \"Stop.\"", u"Then he left."}},
        {u"He said \u201CStop!\u201D Then he left.",
         {u"He said \u201CStop!\u201D", u"Then he left."}},
        {u"Use tools, e.g. this one. Next one.", {u"Use tools, e.g. this one.", u"Next one."}},
        {u"It costs 3.5 dollars. Cheap!", {u"It costs 3.5 dollars.", u"Cheap!"}},
        {u"Really?! Yes.", {u"Really?!", u"Yes."}},
        {u"He came at 4 p.m. and left. Then 2 more came.",
         {u"He came at 4 p.m. and left.", u"Then 2 more came."}},
        {u"Note: Buy milk; Bread too.", {u"Note: Buy milk; Bread too."}},
        {u"Wait... What? no.", {u"Wait...", u"What? no."}},
        {u"\u4F60\u597D\u3002\u4E16\u754C\u3002", {u"\u4F60\u597D\u3002", u"\u4E16\u754C\u3002"}},
        {u"  One.   Two.  ", {u"One.", u"Two."}},
        {u"Stop. A", {u"Stop.", u"A"}}, // a one-character rest is kept
        {u".Start", {u".Start"}},       // the first character ends nothing
        {u"No end", {u"No end"}},
        {u"", {}},
    };
    for (const auto& c : cases) {
        const auto list = SentencesFromParagraph(c.text, u"", 0x0409, 0);
        EXPECT_EQ(ItemsOf(*list), c.expected) << Narrow(c.text);
    }
}

TEST(SentencesFromParagraphTest, TagsCountAsPunctuationWithinTheirLength) {
    const std::u16string text = u"It ended.<b>Next one came.";
    // "<b" is two characters: masked, the split happens and the tag ends the
    // first sentence.
    for (const int32_t max_tag : {2, 3, 100})
        EXPECT_EQ(ItemsOf(*SentencesFromParagraph(text, u"", 0x0409, max_tag)),
                  (Strings{u"It ended.<b>", u"Next one came."}))
            << max_tag;
    // Too short a limit (or none): the tag's lower-case letter follows the
    // stop, so nothing splits there.
    for (const int32_t max_tag : {1, 0, -1})
        EXPECT_EQ(ItemsOf(*SentencesFromParagraph(text, u"", 0x0409, max_tag)), (Strings{text}))
            << max_tag;
    // A long tag is left as text, and a later short one is still masked.
    EXPECT_EQ(ItemsOf(*SentencesFromParagraph(u"A <verylongtag> b.<i>Two.", u"", 0x0409, 3)),
              (Strings{u"A <verylongtag> b.<i>", u"Two."}));
    // An unclosed tag runs to the end of the text.
    EXPECT_EQ(ItemsOf(*SentencesFromParagraph(u"Go.<i", u"", 0x0409, 5)), (Strings{u"Go.<i"}));
}

TEST(SentencesFromParagraphTest, SplitsAtASeparator) {
    struct {
        std::u16string text, separator;
        Strings expected;
    } cases[] = {
        {u"One. Two. Three", u".", {u"One", u"Two", u"Three"}},
        {u"One. Two. Three.", u".", {u"One", u"Two", u"Three"}},
        {u"One.Two", u".", {u"One", u"Two"}}, // nothing but white space is skipped
        {u"One.A", u".", {u"One", u"A"}},     // a one-character rest is kept
        {u"a||b|| ||c", u"||", {u"a", u"b", u"c"}},
        {u"no separator", u";", {u"no separator"}},
        {u"", u".", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ItemsOf(*SentencesFromParagraph(c.text, c.separator, 0x0409, 0)), c.expected)
            << Narrow(c.text);
}

TEST(SentencesExtractedFromParagraphTest, SentencesByCategory) {
    const std::u16string text = u"The cat sat. Big dog";
    struct {
        bool include_unterminated;
        int32_t min_size;
        std::u16string text;
        Strings expected;
    } cases[] = {
        {false, 2, text, {u"The cat sat."}},
        {true, 2, text, {u"The cat sat.", u"Big dog"}},
        {false, 10, text, {}}, // nine letters are not enough
        {false, 2, u"and so. The end.", {u"The end."}},
        {false, 0, u"It was 3.5 m. Yes.", {u"It was 3.5 m.", u"Yes."}},
        {false,
         0,
         u"\u4F60\u597D\u3002\u4E16\u754C\u3002",
         {u"\u4F60\u597D\u3002", u"\u4E16\u754C\u3002"}},
        {false, 3, u"Hi. Yes. Fine.", {u"Hi. Yes.", u"Fine."}}, // too few letters at "Hi."
        {false, 3, u"ab Cd. Efgh.", {u"Efgh."}}, // "Cd." ends but is too short to keep
        // The tail after the last sentence end, not the whole text again.
        {true, 0, u"Hello there. and more", {u"Hello there.", u"and more"}},
        {true, 0, u"Hello there. ", {u"Hello there."}},
        {true, 0, u"Hello there.", {u"Hello there."}},
        {true, 0, u"", {}},
        {false, 0, u"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            ItemsOf(*SentencesExtractedFromParagraph(c.include_unterminated, c.min_size, c.text)),
            c.expected)
            << Narrow(c.text) << " " << c.min_size;
}

TEST(GetStringTypeExNT2000Test, FillsCharacterTypes) {
    const std::u16string wide = u"a1 .";
    uint16_t types[4] = {};
    ASSERT_TRUE(GetStringTypeExNT2000(true, 0x0409, CT_CTYPE1, wide.data(), 4, types));
    EXPECT_TRUE(types[0] & platform::C1_LOWER);
    EXPECT_TRUE(types[1] & platform::C1_DIGIT);
    EXPECT_TRUE(types[2] & platform::C1_SPACE);
    EXPECT_TRUE(types[3] & platform::C1_PUNCT);

    const char narrow[] = "\xC9x"; // E acute in Windows-1252
    uint16_t narrow_types[2] = {};
    ASSERT_TRUE(GetStringTypeExNT2000(false, 0x0409, CT_CTYPE1, narrow, 2, narrow_types));
    EXPECT_TRUE(narrow_types[0] & platform::C1_UPPER);
    EXPECT_TRUE(narrow_types[1] & platform::C1_LOWER);

    EXPECT_FALSE(GetStringTypeExNT2000(true, 0x0409, 2, wide.data(), 4, types));
    EXPECT_FALSE(GetStringTypeExNT2000(true, 0x0409, CT_CTYPE1, nullptr, 4, types));
    EXPECT_FALSE(GetStringTypeExNT2000(true, 0x0409, CT_CTYPE1, wide.data(), -1, types));
}

// --- Page lists ------------------------------------------------------------------------

TEST_F(NumberStringsTest, AbbreviatesAscendingLists) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    struct {
        TArrayOfIntegers values;
        int32_t offset;
        std::u16string expected;
    } cases[] = {
        {{1, 2, 3, 7}, 0, u"1-3,7"},
        {{4, 5, 9}, 0, u"4,5,9"},
        {{1, 2}, 0, u"1,2"},
        {{5}, 0, u"5"},
        {{}, 0, u""},
        {{1, 2, 3}, 0, u"1-3"},
        {{1, 3, 4, 5, 6, 9, 10}, 0, u"1,3-6,9,10"},
        {{0, 1, 2, 4, 5, 6, 8}, 0, u"0-2,4-6,8"},
        {{0, 1, 2}, 1, u"1-3"},
        {{kMax - 2, kMax - 1, kMax}, 0, u"2147483645-2147483647"},
        {{kMax - 1, kMax}, 1, u"2147483647,2147483648"}, // the offset may leave 32 bits
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HumanAbbreviatedNumberListString(c.values, c.offset), c.expected)
            << Narrow(c.expected);
        if (c.offset == 0) {
            EXPECT_EQ(HumanAbbreviatedNumberListString(*TArrayOfIntegersToStringlist(c.values, 0)),
                      c.expected);
        }
    }
}

TEST_F(NumberStringsTest, AbbreviatesStringListsSkippingOtherItems) {
    TStringList list;
    for (const char16_t* item : {u"1", u"x", u"2", u"3", u"", u"7", u"8", u"9", u"page"})
        list.Add(item);
    // The last integer closes its run even when other items follow it.
    EXPECT_EQ(HumanAbbreviatedNumberListString(list), u"1-3,7-9");
}

TEST_F(NumberStringsTest, ReadsPageListsBack) {
    struct {
        std::u16string text;
        int32_t offset;
        TArrayOfIntegers expected;
    } cases[] = {
        {u"2-4,9", 1, {1, 2, 3, 8}},
        {u"1-3,7", 0, {1, 2, 3, 7}},
        {u"", 0, {}},
        {u"5-3", 0, {}},
        {u"-3", 0, {0, 1, 2, 3}},
        {u"p. 1, 3", 0, {1, 3}},
        {u"a1b2", 0, {12}},
        {u"99999999999,4", 0, {4}}, // a number beyond 32 bits is skipped
        {u"1-3-5", 0, {1, 2, 3, 0, 1, 2, 3, 4, 5}},
    };
    for (const auto& c : cases) {
        TArrayOfIntegers result = {42};
        HumanAbbreviatedNumberListStringAsIntegers(c.text, c.offset, result);
        EXPECT_EQ(result, c.expected) << Narrow(c.text);
    }
    EXPECT_EQ(HumanAbbreviatedNumberListStringExpanded(u"1-3,7"), u"1,2,3,7");
    EXPECT_EQ(HumanAbbreviatedNumberListStringExpanded(u""), u"");
}

TEST_F(NumberStringsTest, RefusesHugeRangesWithoutExpandingThem) {
    TArrayOfIntegers result = {1};
    EXPECT_THROW(HumanAbbreviatedNumberListStringAsIntegers(u"1-2000000000", 0, result),
                 std::invalid_argument);
    EXPECT_TRUE(result.empty());
    EXPECT_THROW(HumanAbbreviatedNumberListStringExpanded(u"0-2147483647"), std::invalid_argument);
    const std::u16string at_limit =
        u"1-" + platform::Utf8ToUtf16(std::to_string(kMaxExpandedNumbers));
    HumanAbbreviatedNumberListStringAsIntegers(at_limit, 0, result);
    EXPECT_EQ(int64_t(result.size()), kMaxExpandedNumbers);
    // Picking one number never expands the list.
    EXPECT_EQ(ANumberInHumanString(u"1-2000000000", 1999999999), u"1999999999");
}

TEST_F(NumberStringsTest, PicksTheNthNumber) {
    struct {
        std::u16string text;
        int32_t n;
        std::u16string expected;
    } cases[] = {
        {u"1-3,7", 2, u"2"}, {u"1-3,7", 9, u"7"}, {u"1-3,7", 4, u"7"}, {u"1-3,7", 0, u"1"},
        {u" 4-6 ", 3, u"6"}, {u"", 1, u""},       {u"x", 1, u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ANumberInHumanString(c.text, c.n), c.expected) << Narrow(c.text) << c.n;
}

// Ascending, unique, non-negative lists survive abbreviation and expansion.
TEST_F(NumberStringsTest, PageListsRoundTrip) {
    std::mt19937 random(20240611);
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    for (int round = 0; round < 400; ++round) {
        const int32_t offset = round % 4 == 0 ? 0 : int32_t(random() % 1000);
        TArrayOfIntegers values;
        int64_t v = int64_t(random() % (round % 5 == 0 ? uint32_t(kMax) : 20u));
        const size_t size = random() % 60;
        for (size_t k = 0; k < size && v <= kMax - offset; ++k) {
            values.push_back(int32_t(v));
            const uint32_t kind = random() % 10;
            v += kind < 6 ? 1 : kind < 9 ? 2 + random() % 3 : 1 + random() % 100000000;
        }
        const std::u16string text = HumanAbbreviatedNumberListString(values, 0);
        TArrayOfIntegers back;
        HumanAbbreviatedNumberListStringAsIntegers(text, 0, back);
        ASSERT_EQ(back, values) << Narrow(text);

        std::u16string joined;
        for (const int32_t value : values)
            joined += (joined.empty() ? u"" : u",") + platform::Utf8ToUtf16(std::to_string(value));
        EXPECT_EQ(HumanAbbreviatedNumberListStringExpanded(text), joined);
        EXPECT_EQ(HumanAbbreviatedNumberListString(*TArrayOfIntegersToStringlist(values, 0)), text);
        if (!values.empty()) {
            const size_t k = random() % values.size();
            EXPECT_EQ(ANumberInHumanString(text, int32_t(k + 1)),
                      platform::Utf8ToUtf16(std::to_string(values[k])));
        }

        const std::u16string shifted = HumanAbbreviatedNumberListString(values, offset);
        HumanAbbreviatedNumberListStringAsIntegers(shifted, offset, back);
        ASSERT_EQ(back, values) << Narrow(shifted) << " offset " << offset;
    }
}

TEST_F(NumberStringsTest, MonthNames) {
    EXPECT_EQ(HumanAbbreviatedNumberListStringToMonths(u"01-03,12"), u"Jan-Mar,Dec");
    EXPECT_EQ(HumanAbbreviatedNumberListStringToMonths(u"05,05"), u"May,05");
    EXPECT_EQ(HumanAbbreviatedNumberListStringToMonths(u"13"), u"13");
}

TEST_F(NumberStringsTest, ForceItemsToInclude) {
    struct {
        Strings items;
        int32_t n;
        Strings expected;
    } cases[] = {
        {{u"1", u"3", u"7"}, 5, {u"1", u"3", u"5", u"7"}},
        {{u"1", u"3", u"7"}, 3, {u"1", u"3", u"7"}},
        {{u"1", u"3", u"7"}, 0, {u"0", u"1", u"3", u"7"}},
        {{u"1", u"3", u"7"}, 9, {u"1", u"3", u"7", u"9"}},
        {{u"1", u"3"}, -2, {u"-2", u"1", u"3"}}, // below every item: first
        {{}, 4, {u"4"}},
    };
    for (const auto& c : cases) {
        TStringList list;
        for (const auto& item : c.items)
            list.Add(item);
        ForceItemsToInclude(list, c.n);
        EXPECT_EQ(ItemsOf(list), c.expected) << c.n;
    }
    TStringList bad;
    bad.Add(u"1");
    bad.Add(u"x");
    EXPECT_THROW(ForceItemsToInclude(bad, 5), std::invalid_argument);
}

TEST_F(NumberStringsTest, SelectionsMarkClampedIndexes) {
    struct {
        std::u16string text;
        bool one_based;
        size_t size;
        std::vector<size_t> marked;
    } cases[] = {
        {u"2, 5-6", false, 10, {1, 4, 5}},
        {u"-3", false, 10, {0, 1, 2}},
        {u"40", false, 10, {9}},
        {u"2", true, 10, {2}},
        {u"0", false, 10, {0}},
        {u"6-5", false, 10, {}},
        {u"x-5, y, 3-z", false, 10, {}},
        {u"8 - 9", true, 10, {8, 9}},
        {u"1-2000000000", false, 10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {u"-2000000000", true, 3, {1, 2}},
        {u"3", false, 0, {}},
        {u"", false, 4, {}},
    };
    for (const auto& c : cases) {
        std::vector<bool> marks(c.size, true);
        ConvertStringToRangeOfBoolean(c.text, c.one_based, marks);
        std::vector<size_t> marked;
        for (size_t i = 0; i < marks.size(); ++i)
            if (marks[i])
                marked.push_back(i);
        EXPECT_EQ(marked, c.marked) << Narrow(c.text);
    }
}

// --- Tests and small conversions -------------------------------------------------------

TEST_F(NumberStringsTest, NumberTests) {
    struct {
        std::u16string text;
        bool is_number;
        std::u16string digits_only;
    } cases[] = {
        {u"1,234.5%", true, u"12345"},
        {u"12a", false, u"12"},
        {u"", false, u""},
        {u"-12", true, u"-12"},
        {u"$1F", true, u"$1F"},
        {u" 42", true, u" 42"},
        {u"\u0663\u0664", true, u""}, // Arabic-Indic digits
        {u"1 2", false, u"12"},
        {u"99999999999", true, u"99999999999"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsANumber(c.text), c.is_number) << Narrow(c.text);
        EXPECT_EQ(DigitsOnlyOf(c.text), c.digits_only) << Narrow(c.text);
    }
}

TEST_F(NumberStringsTest, IntegersInsideTexts) {
    EXPECT_EQ(AfterTabIntegerOf(u"word\t42"), 42);
    EXPECT_EQ(AfterTabIntegerOf(u"word\tx12y"), 12);
    EXPECT_EQ(AfterTabIntegerOf(u"word\tnone"), -1);
    EXPECT_EQ(AfterTabIntegerOf(u"word 42"), -1);

    EXPECT_EQ(IntegerInsideSquareBrackets(u"word [12]"), 12);
    EXPECT_EQ(IntegerInsideSquareBrackets(u"[7] and [8]"), 7);
    EXPECT_EQ(IntegerInsideSquareBrackets(u"word [12"), 12);
    EXPECT_EQ(IntegerInsideSquareBrackets(u"no brackets"), 0);
    EXPECT_THROW(IntegerInsideSquareBrackets(u"[x]"), std::invalid_argument);
    EXPECT_THROW(IntegerInsideSquareBrackets(u"["), std::invalid_argument);

    EXPECT_EQ(PositionOfNumberInString(u"ab3c4", 1), 3);
    EXPECT_EQ(PositionOfNumberInString(u"ab3c4", 4), 5);
    EXPECT_EQ(PositionOfNumberInString(u"3", -5), 1);
    EXPECT_EQ(PositionOfNumberInString(u"abc", 1), -1);
    EXPECT_EQ(PositionOfNumberInString(u"ab3", 9), -1);

    EXPECT_EQ(ValueString(u"a=b=c"), u"b=c");
    EXPECT_EQ(ValueString(u"abc"), u"");
}

TEST_F(NumberStringsTest, SmallConversions) {
    EXPECT_EQ(WithLeftZeros(4, 7), u"0007");
    EXPECT_EQ(WithLeftZeros(2, 123), u"123");
    EXPECT_EQ(WithLeftZeros(4, -7), u"-007");
    EXPECT_EQ(WithLeftZeros(0, 0), u"0");
    EXPECT_EQ(WideCharFromCardinal(0x41), u'A');
    EXPECT_EQ(WideCharFromCardinal(0xFFFF), u'\xFFFF');
    EXPECT_EQ(WideCharFromCardinal(0x10000), u'?');
    EXPECT_EQ(WideStringFromCardinal(0x20AC), u"\u20AC");
    EXPECT_EQ(YesorNo(true), u"Yes");
    EXPECT_EQ(YesorNo(false), u"No");
    EXPECT_EQ(BracedNumberStrToDigitalformat(u"x1f"), u"$1F");
    EXPECT_EQ(BracedNumberStrToDigitalformat(u"1fh"), u"$1F");
    EXPECT_EQ(BracedNumberStrToDigitalformat(u"xffh"), u"$FF");
    EXPECT_EQ(BracedNumberStrToDigitalformat(u"12"), u"12");
    EXPECT_EQ(BracedNumberStrToDigitalformat(u""), u"");
}

// --- Formatting --------------------------------------------------------------------------

TEST_F(NumberStringsTest, FormattedWithDecimals) {
    struct {
        int32_t decimals;
        bool thousands, percent;
        float x;
        std::u16string expected;
    } cases[] = {
        {2, false, false, 0.125f, u"0.13"}, // halves away from zero
        {2, false, false, -0.125f, u"-0.13"},
        {2, false, false, 2.675f, u"2.68"},
        {2, true, false, 1234567.5f, u"1,234,567.50"},
        {2, false, false, 1234567.5f, u"1234567.50"},
        {0, false, false, 2.5f, u"3"},
        {1, false, true, 12.34f, u"12.3%"},
        {2, true, false, -0.001f, u"0.00"},
        {-3, false, false, 7.0f, u"7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormattedWithDecimals(c.decimals, c.thousands, c.percent, c.x), c.expected)
            << c.x;
    UserDefaultFormatSettings = {u'.', u','};
    EXPECT_EQ(FormattedWithDecimals(2, true, false, 1234.5f), u"1.234,50");
}

TEST_F(NumberStringsTest, LargeNumbersAndByteCounts) {
    struct {
        float x;
        std::u16string expected;
    } numbers[] = {
        {1000.0f, u"1,000"},     {1500.0f, u"1.5K"}, {999.4f, u"999"},
        {2500000.0f, u"2.5M"},   {3e9f, u"3.0G"},    {5e12f, u"5.0Yikes"},
        {-20000.0f, u"-20,000"}, {INFINITY, u"INF"}, {NAN, u"NAN"},
    };
    for (const auto& c : numbers)
        EXPECT_EQ(EasiestNRepresentationOfLargeNumber(c.x), c.expected) << c.x;

    constexpr int64_t kMega = int64_t(1) << 20, kGiga = int64_t(1) << 30;
    struct {
        int64_t v;
        std::u16string expected;
    } bytes[] = {
        {1048576, u"1048576bytes"}, {1048577, u"1024Kb"},   {8388609, u"8Mb"},
        {8 * kMega, u"8192Kb"},     {8 * kGiga, u"8192Mb"}, {8 * kGiga + 1, u"8Gb"},
        {-5, u"-5bytes"},           {0, u"0bytes"},
    };
    for (const auto& c : bytes)
        EXPECT_EQ(ValueToByteStr(c.v), c.expected) << c.v;
}

TEST_F(NumberStringsTest, PValues) {
    struct {
        double p;
        std::u16string expected;
    } cases[] = {
        {0.0500001, u"0.05"},  {0.001, u"0.001"}, {0.0123, u"0.0123"},
        {0.00999995, u"0.01"}, {1.0, u"1."},      {0.0, u"0."},
        {1e-20, u"0."},        {0.3, u"0.3"},     {0.1234567890123456789, u"0.1234567890123457"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PValueStr(c.p), c.expected) << c.p;
    UserDefaultFormatSettings = {u'.', u','};
    EXPECT_EQ(PValueStr(0.05), u"0,05");
}

TEST_F(NumberStringsTest, OrdinalFormats) {
    struct {
        int32_t n;
        std::u16string expected;
    } cases[] = {
        {1, u"%dst"},   {2, u"%dnd"},   {3, u"%drd"},   {4, u"%dth"},
        {11, u"%dth"},  {12, u"%dth"},  {13, u"%dth"},  {21, u"%dst"},
        {22, u"%dnd"},  {23, u"%drd"},  {101, u"%dst"}, {111, u"%dth"},
        {112, u"%dth"}, {113, u"%dth"}, {0, u"%dth"},   {-1, u"%dth"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OrdinalFormatOf(c.n), c.expected) << c.n;
}

// --- Character-code lists ------------------------------------------------------------------

TEST_F(NumberStringsTest, CharacterCodeLists) {
    EXPECT_EQ(PwdToNumStr(u"Hi"), u"72,105,");
    EXPECT_EQ(ToHexNumStr(u"A\u20AC\n"), u"41,20AC,0A,");
    EXPECT_EQ(FromNumStr(u"65,x,66,67"), u"AB"); // bad pieces and the unended tail go
    EXPECT_EQ(FromNumStr(u"70000,65,"), u"A");
    EXPECT_EQ(FromHexNumStr(u"41,zz,42,"), u"AAB"); // a bad pair repeats the previous
    EXPECT_EQ(FromHexNumStr(u"zz,41"), std::u16string(u"\0A", 2));
    EXPECT_EQ(FromHexNumStr(u"41 42 43"), u"ABC");

    const std::u16string texts[] = {
        u"",
        u"password",
        std::u16string(u"a\0b", 3),
        u"\u00FF\u0100\uFFFF\xD83D\xDE00 x",
    };
    for (const auto& text : texts) {
        EXPECT_EQ(FromNumStr(PwdToNumStr(text)), text);
        EXPECT_EQ(FromHexNumStr(ToHexNumStr(text)), text);
    }
}

} // namespace
} // namespace qm7
