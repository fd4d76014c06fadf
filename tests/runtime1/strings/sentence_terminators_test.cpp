#include "runtime1/strings/sentence_terminators.h"

#include <algorithm>
#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace qm7 {
namespace {

TEST(SentenceTerminatorsTest, PotentialTerminators) {
    struct {
        char16_t c;
        bool expected;
    } cases[] = {
        {0x002E, true},  {0x0021, true},  {0x003F, true},  {0x3002, true},  {0xFF01, true},
        {0x0589, true},  {0xFF61, true},  {0x203C, true},  {0x002C, false}, {0x0040, false},
        {0x2026, false}, {0x00BF, false}, {0x0020, false}, {0x0041, false}, {0x007D, false},
        {0x0588, false}, {0x037E, false}, {0x3001, false}, {0xFF0C, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPotentialSentenceTerminator(c.c), c.expected) << std::hex << int(c.c);
}

TEST(SentenceTerminatorsTest, TablesAreAscendingAndDisjoint) {
    const auto strictly_ascending = [](const auto& table) {
        return std::adjacent_find(table.begin(), table.end(), std::greater_equal<>()) ==
               table.end();
    };
    EXPECT_TRUE(strictly_ascending(basic_sent_terminators));
    EXPECT_TRUE(strictly_ascending(other_sent_terminators));
    EXPECT_TRUE(strictly_ascending(punct_not_ending_sent));
    for (const char16_t c : other_sent_terminators)
        EXPECT_TRUE(IsPotentialSentenceTerminator(c)) << std::hex << int(c);
    for (const char16_t c : punct_not_ending_sent)
        EXPECT_FALSE(IsPotentialSentenceTerminator(c)) << std::hex << int(c);
    EXPECT_EQ(other_sent_terminators.front(), 0x0589);
    EXPECT_EQ(other_sent_terminators.back(), 0xFF61);
    EXPECT_EQ(punct_not_ending_sent.front(), 0x037E);
    EXPECT_EQ(punct_not_ending_sent.back(), 0xFF65);
}

TEST(SentenceTerminatorsTest, EndOfSentence) {
    struct {
        std::u16string text;
        int64_t start, expected;
    } cases[] = {
        {u"Two words. More", 1, 10},
        {u"Two word. More", 1, 9},
        {u"...", 1, -1},
        {u"Pi is 3.14 today. Yes", 1, 17}, // the decimal point is passed over
        {u"no end here", 1, 11},           // the end of the text ends it
        {u"... Go", 1, 6},
        {u"Stop.\u201DNext", 1, 5},
        {u"One. Two.", 5, 9},
        {u"One. Two.", 0, 4}, // a start before the text counts as 1
        {u"One.", 5, -1},
        {u"", 1, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EndOfSentence(c.start, c.text), c.expected)
            << std::string(c.text.begin(), c.text.end());
}

TEST(SentenceTerminatorsTest, ScannersAfterASentenceEnd) {
    EXPECT_EQ(FirstLetterOrDigitPosAfterSentenceEnd(u"  .Abc", 1), 4);
    EXPECT_EQ(FirstLetterOrDigitPosAfterSentenceEnd(u"...", 1), 3);
    EXPECT_EQ(FirstLetterOrDigitPosAfterSentenceEnd(u"ab", 9), 2);
    EXPECT_EQ(FirstLetterOrDigitPosAfterSentenceEnd(u"", 1), 0);

    EXPECT_FALSE(FirstCharAfterSentenceEndUpperCase(u"ab", 1));
    EXPECT_TRUE(FirstCharAfterSentenceEndUpperCase(u"ab", 2)); // the last position
    EXPECT_TRUE(FirstCharAfterSentenceEndUpperCase(u"Ab", 1));
    EXPECT_TRUE(FirstCharAfterSentenceEndUpperCase(u"9b", 1));
    EXPECT_TRUE(FirstCharAfterSentenceEndUpperCase(u"\u4E2Db", 1)); // caseless
    EXPECT_TRUE(FirstCharAfterSentenceEndUpperCase(u"ab", 0));
}

TEST(SentenceTerminatorsTest, FirstValidStartOfSentence) {
    struct {
        std::u16string text;
        int64_t p, expected;
    } cases[] = {
        {u"the cat sat. The dog ran.", 1, 14},
        {u"  \"Quote\" here.", 1, 4},
        {u"one. two. 3 times.", 1, 11},
        {u"all lower. more lower", 1, 21}, // no other start: the last position
        {u"a...", 1, 4},                   // no end after the first word: the text's end
        {u"", 1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstValidStartOfSentence(c.text, c.p), c.expected)
            << std::string(c.text.begin(), c.text.end());
}

} // namespace
} // namespace qm7
