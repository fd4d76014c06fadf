#include "runtime1/scanning/bare_assemb.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace qm7 {
namespace {

// A heap copy of exactly the given units, so that AddressSanitizer reports
// any read or write past the count.
template <class T> std::unique_ptr<T[]> Exact(std::basic_string_view<T> s) {
    auto p = std::make_unique<T[]>(s.size());
    std::copy(s.begin(), s.end(), p.get());
    return p;
}

template <class T> std::basic_string<T> Str(const std::unique_ptr<T[]>& p, int64_t n) {
    return std::basic_string<T>(p.get(), size_t(n));
}

struct TPosCase {
    const char* buffer;
    const char* pattern;
    int64_t length;
    int64_t expected; // offset, -1 for none
};

TEST(BareAssembTest, FastStrPosFindsWhollyWithinLength) {
    const TPosCase cases[] = {
        {"abc", "abc", 3, 0},
        {"abc", "abc", 2, -1},
        {"xxabcxx", "abc", 7, 2},
        {"xxabcxx", "abc", 4, -1},
        {"xxabcxx", "abc", 5, 2},
        {"aaab", "aab", 4, 1},
        {"abc", "", 3, -1},
        {"abc", "c", 3, 2},
        {"abc", "abcd", 3, -1},
        {"abc", "a", 0, -1},
        // Long buffers run through the block search and its tail.
        {"0123456789abcdefghijklmnopqrstuvwxyz0123456789", "xyz0", 46, 33},
        {"0123456789abcdefghijklmnopqrstuvwxyz0123456789", "89", 46, 8},
        {"0123456789abcdefghijklmnopqrstuvwxyz0123456789", "456789", 46, 4},
        {"0123456789abcdefghijklmnopqrstuvwxyz0123456789", "456789", 9, -1},
        {"0123456789abcdefghijklmnopqrstuvwxyz0123456789", "456789", 10, 4},
        {"0123456789abcdefghijklmnopqrstuvwxyz0123456789", "yz012345678", 46, 34},
        {"0123456789abcdefghijklmnopqrstuvwxyz0123456789", "0123456789abcdefghijklmnopq", 46, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.buffer) + " / " + c.pattern);
        const std::string_view b(c.buffer, size_t(c.length));
        auto a8 = Exact(b);
        const char* hit8 = FastStrPos(a8.get(), c.pattern, c.length);
        EXPECT_EQ(hit8 ? hit8 - a8.get() : -1, c.expected);

        const std::u16string wb(b.begin(), b.end());
        const std::string p(c.pattern);
        const std::u16string wp(p.begin(), p.end());
        auto a16 = Exact(std::u16string_view(wb));
        const char16_t* hit16 = FastStrPosW(a16.get(), wp.c_str(), c.length);
        EXPECT_EQ(hit16 ? hit16 - a16.get() : -1, c.expected);
    }
    EXPECT_EQ(FastStrPos(static_cast<const char*>(nullptr), "a", 3), nullptr);
    EXPECT_EQ(FastStrPos("abc", nullptr, 3), nullptr);
}

TEST(BareAssembTest, FastStrPosAgreesWithNaiveSearchEverywhere) {
    // Every alignment and tail length, including hits in the last positions.
    std::u16string text;
    for (int i = 0; i < 100; ++i)
        text += char16_t(u'a' + (i * 7) % 5);
    const std::u16string pattern = text.substr(61, 4);
    for (int64_t n = 0; n <= int64_t(text.size()); ++n) {
        auto buf = Exact(std::u16string_view(text).substr(0, size_t(n)));
        const size_t naive = text.substr(0, size_t(n)).find(pattern);
        const char16_t* hit = FastStrPosW(buf.get(), pattern.c_str(), n);
        EXPECT_EQ(hit ? hit - buf.get() : -1, naive == std::u16string::npos ? -1 : int64_t(naive))
            << n;
    }
}

TEST(BareAssembTest, FastStrIPosMatchesEitherCase) {
    auto buf = Exact(std::u16string_view(u"xx HeLLo yy"));
    EXPECT_EQ(FastStrIPosW(buf.get(), u"hello", u"HELLO", 11), buf.get() + 3);
    auto exact = Exact(std::u16string_view(u"AbC"));
    EXPECT_EQ(FastStrIPosW(exact.get(), u"abc", u"ABC", 3), exact.get());
    EXPECT_EQ(FastStrIPosW(exact.get(), u"abc", u"ABC", 2), nullptr);
    EXPECT_EQ(FastStrIPosW(exact.get(), u"b", u"B", 3), exact.get() + 1);
    EXPECT_EQ(FastStrIPosW(exact.get(), u"abc", u"AB", 3), nullptr);
    EXPECT_EQ(FastStrIPosW(exact.get(), u"", u"", 3), nullptr);

    std::string long_text(40, '.');
    long_text += "MiXeD";
    auto a8 = Exact(std::string_view(long_text));
    EXPECT_EQ(FastStrIPos(a8.get(), "mixed", "MIXED", int64_t(long_text.size())), a8.get() + 40);
    EXPECT_EQ(FastStrIPos(a8.get(), "mixed", "MIXED", int64_t(long_text.size()) - 1), nullptr);
}

TEST(BareAssembTest, ScansAndEquality) {
    auto a = Exact(std::string_view("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(FastStrScan(a.get(), 'z', 26), a.get() + 25);
    EXPECT_EQ(FastStrScan(a.get(), 'z', 25), nullptr);
    auto w = Exact(std::u16string_view(u"abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(FastStrScanW(w.get(), u'z', 26), w.get() + 25);
    EXPECT_EQ(FastStrScanW(w.get(), u'z', 25), nullptr);
    EXPECT_EQ(FastStrScanW(w.get(), u'a', 0), nullptr);

    EXPECT_EQ(HowFarEqualContentsW(u"abcde", u"abXde", 5), 2);
    EXPECT_EQ(HowFarEqualContentsW(u"abcde", u"abcde", 5), 0);
    EXPECT_EQ(HowFarEqualContentsA("Xbcde", "abcde", 5), 4);
    EXPECT_TRUE(EqualContentsW(u"abc", u"abd", 2));
    EXPECT_FALSE(EqualContentsA("abc", "abd", 3));
    EXPECT_TRUE(EqualContentsA("a", "b", 0));
}

TEST(BareAssembTest, ByteOrderMarks) {
    const uint8_t le[] = {0xFF, 0xFE}, be[] = {0xFE, 0xFF}, utf8[] = {0xEF, 0xBB, 0xBF};
    EXPECT_TRUE(UnicodeSigned(le, 2));
    EXPECT_TRUE(UnicodeSigned(be, 2));
    EXPECT_FALSE(UnicodeSigned(utf8, 3));
    EXPECT_FALSE(UnicodeSigned(le, 1));
    EXPECT_TRUE(UnicodeByteReversed(be, 2));
    EXPECT_FALSE(UnicodeByteReversed(le, 2));
    EXPECT_FALSE(UnicodeByteReversed(be, 1));
}

TEST(BareAssembTest, ReplacementsStayWithinCount) {
    auto a = Exact(std::string_view("a\tb\r\nc\x01\r"));
    ReplaceTabsBySpace(a.get(), 8);
    EXPECT_EQ(Str(a, 8), "a b\r\nc\x01\r");
    ReplaceCarriageReturnsBySpaceA(a.get(), 8);
    EXPECT_EQ(Str(a, 8), "a b  c\x01 ");
    ReplaceControlCharsBySpaceA(a.get(), 8);
    EXPECT_EQ(Str(a, 8), "a b  c  ");

    auto w = Exact(std::u16string_view(u"x\r\ny\r\u0100\u0019\r"));
    ReplaceCarriageReturnsBySpaceW(w.get(), 8);
    EXPECT_EQ(Str(w, 8), u"x  y \u0100\u0019 ");
    ReplaceControlCharsBySpaceW(w.get(), 8);
    EXPECT_EQ(Str(w, 8), u"x  y \u0100  ");
    ReplaceCharacterBySpaceW(w.get(), u'y', 8);
    EXPECT_EQ(Str(w, 8), u"x    \u0100  ");
    BlankOutSomeBytesW(w.get(), -1);
    ZeroSomeBytesW(w.get(), 2);
    EXPECT_EQ(Str(w, 8), std::u16string(2, u'\0') + u"   \u0100  ");
}

TEST(BareAssembTest, CompactingRoutines) {
    auto a = Exact(std::string_view("a\nb\n\nc"));
    EXPECT_EQ(LengthConvertedToUnix(a.get(), 6), 3);
    EXPECT_EQ(Str(a, 3), "abc");

    auto r = Exact(std::u16string_view(u"a  b"));
    EXPECT_EQ(RemoveRedundantSpaceW(r.get(), 4), 3);
    EXPECT_EQ(Str(r, 4), std::u16string(u"a b\0", 4));
    // Nothing shorter: no terminator is written, not even past the count.
    auto same = Exact(std::u16string_view(u"a b "));
    EXPECT_EQ(RemoveRedundantSpaceW(same.get(), 4), 4);
    EXPECT_EQ(Str(same, 4), u"a b ");
    auto tail = Exact(std::u16string_view(u"ab   "));
    EXPECT_EQ(RemoveRedundantSpaceW(tail.get(), 5), 3);
    EXPECT_EQ(Str(tail, 4), std::u16string(u"ab \0", 4));

    auto crlf = Exact(std::u16string_view(u"a\r\n\r\n\r\nb\r\nc\r"));
    EXPECT_EQ(CutDoubleCRLFsW(crlf.get(), 12), 8);
    EXPECT_EQ(Str(crlf, 9), std::u16string(u"a\r\nb\r\nc\r\0", 9));
}

TEST(BareAssembTest, BetweenChars) {
    struct TCase {
        const char* in;
        const char* out;
    } clear_cases[] = {
        {"a<x>b", "ab"},    {"a<b", "ab"},  {"<>", ""},
        {"a<x>b<y", "aby"}, {"a>b", "a>b"}, {"<a<b>c", "c"},
    };
    for (const auto& c : clear_cases) {
        const int64_t n = int64_t(std::strlen(c.in));
        auto a = Exact(std::string_view(c.in));
        const int64_t kept = ClearBetweenChars(a.get(), '<', '>', n);
        EXPECT_EQ(Str(a, kept), c.out) << c.in;
        if (kept < n) {
            EXPECT_EQ(a[size_t(kept)], '\0') << c.in;
        }
    }

    auto spaced = Exact(std::string_view("a<x>b"));
    EXPECT_EQ(CleanBetweenChars(spaced.get(), '<', '>', 5, 10, false), 5);
    EXPECT_EQ(Str(spaced, 5), "a   b");
    // The closing character lies beyond the span: the opening one goes alone.
    auto far = Exact(std::string_view("a<xyz>b"));
    EXPECT_EQ(CleanBetweenChars(far.get(), '<', '>', 7, 3, true), 6);
    EXPECT_EQ(Str(far, 6), "axyz>b");
    auto near = Exact(std::string_view("a<xyz>b"));
    EXPECT_EQ(CleanBetweenChars(near.get(), '<', '>', 7, 4, true), 2);
    EXPECT_EQ(Str(near, 2), "ab");
}

TEST(BareAssembTest, LowercaseWordsAndCapitals) {
    const ANSILower_or_upperStr_type lower("\xE9\xE0"), upper("\xC9\xC0");
    std::string text = "the Cat iPhone \xE9t\xE9 \xC9t\xE9 caf\xE9\ttea";
    auto a = Exact(std::string_view(text));
    CutLowercaseWords(a.get(), lower, upper, int64_t(text.size()));
    EXPECT_EQ(Str(a, int64_t(text.size())), "    Cat iPhone     \xC9t\xE9     \t   ");

    std::string caps = "ab\xE9z1";
    auto c = Exact(std::string_view(caps));
    CapitaliseABuffer(c.get(), lower, upper, 5);
    EXPECT_EQ(Str(c, 5), "AB\xC9Z1");
}

TEST(BareAssembTest, ZeroWidthClasses) {
    const std::u16string text = u"a\u200Db\u200Cc";
    std::vector<uint16_t> classes(text.size(), 0x0103);
    SetZeroWidthJoinersToDefined(text.data(), classes.data(), int64_t(text.size()));
    SetZeroWidthNonJoinersToDefinedAlpha(text.data(), classes.data(), int64_t(text.size()));
    EXPECT_EQ(classes, (std::vector<uint16_t>{0x0103, 0x0200, 0x0103, 0x0300, 0x0103}));
}

TEST(BareAssembTest, Swap2Strings) {
    auto s = Exact(std::u16string_view(u"abcde"));
    Swap2Strings(s.get(), 2, 3);
    EXPECT_EQ(Str(s, 5), u"cdeab");
    Swap2Strings(s.get(), 0, 5);
    Swap2Strings(s.get(), 5, 0);
    EXPECT_EQ(Str(s, 5), u"cdeab");
    auto z = Exact(std::u16string_view(u"\0bc", 3));
    Swap2Strings(z.get(), 1, 2);
    EXPECT_EQ(Str(z, 3), std::u16string(u"\0bc", 3));
}

TEST(BareAssembTest, SearchAndReplace) {
    auto s = Exact(std::u16string_view(u"cat hat cat"));
    EXPECT_EQ(SearchAndReplaceFastW(s.get(), u"cat", u"do", 11, 3), 2);
    EXPECT_EQ(Str(s, 11), u"do  hat do ");
    EXPECT_EQ(SearchAndReplaceFastW(s.get(), u"hat", u"longer", 11, 3), 0);
    EXPECT_EQ(Str(s, 11), u"do  hat do ");
}

TEST(BareAssembTest, Checksums) {
    const uint8_t bytes[] = {1, 0, 2, 0, 0xFF, 0xFF, 9};
    EXPECT_EQ(My4Checksum(bytes, 7), 0x00020001u);
    EXPECT_EQ(My4Checksum(bytes, 3), 0u);
    EXPECT_EQ(My2Checksum(bytes, 3), uint16_t(1 + 2 + 0xFFFF));
    const uint8_t wrap[] = {0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0};
    EXPECT_EQ(My4Checksum(wrap, 8), 1u);
}

} // namespace
} // namespace qm7
