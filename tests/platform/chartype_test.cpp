#include "platform/chartype.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/codepage.h"

namespace qm7::platform {
namespace {

constexpr uint16_t U = C1_UPPER, L = C1_LOWER, D = C1_DIGIT, S = C1_SPACE, P = C1_PUNCT,
                   C = C1_CNTRL, B = C1_BLANK, X = C1_XDIGIT, A = C1_ALPHA, DEF = C1_DEFINED;

struct TCase {
    char32_t c;
    uint16_t flags;
    const char* what;
};

TEST(CharTypeTest, ClassificationTable) {
    const TCase cases[] = {
        // ASCII
        {0x00, DEF | C, "NUL"},
        {0x09, DEF | C | S | B, "tab"},
        {0x0A, DEF | C | S, "line feed"},
        {0x0D, DEF | C | S, "carriage return"},
        {0x1F, DEF | C, "unit separator"},
        {0x20, DEF | S | B, "space"},
        {'!', DEF | P, "exclamation"},
        {'$', DEF | P, "dollar (symbol)"},
        {'+', DEF | P, "plus (symbol)"},
        {'^', DEF | P, "circumflex (symbol)"},
        {'~', DEF | P, "tilde (symbol)"},
        {'0', DEF | D | X, "zero"},
        {'A', DEF | U | A | X, "A"},
        {'G', DEF | U | A, "G"},
        {'f', DEF | L | A | X, "f"},
        {'z', DEF | L | A, "z"},
        {0x7F, DEF | C, "delete"},
        // Latin-1
        {0x85, DEF | C | S, "next line"},
        {0xA0, DEF | S | B, "no-break space"},
        {0xA2, DEF | P, "cent"},
        {0xA9, DEF | P, "copyright"},
        {0xAA, DEF | L | A, "feminine ordinal"},
        {0xAD, DEF | C, "soft hyphen"},
        {0xB2, DEF | D, "superscript two"},
        {0xB5, DEF | L | A, "micro"},
        {0xB9, DEF | D, "superscript one"},
        {0xBA, DEF | L | A, "masculine ordinal"},
        {0xBD, DEF | P, "one half"},
        {0xBF, DEF | P, "inverted question mark"},
        {0xC9, DEF | U | A, "E acute"},
        {0xD7, DEF | P, "multiplication"},
        {0xDF, DEF | L | A, "sharp s"},
        {0xF7, DEF | P, "division"},
        // Greek and Cyrillic
        {0x03A3, DEF | U | A, "capital sigma"},
        {0x03C2, DEF | L | A, "final sigma"},
        {0x0301, DEF, "combining acute"},
        {0x0416, DEF | U | A, "Cyrillic Zhe"},
        {0x0436, DEF | L | A, "Cyrillic zhe"},
        // Arabic
        {0x0628, DEF | A, "Arabic beh"},
        {0x064E, DEF, "Arabic fatha"},
        {0x0663, DEF | D, "Arabic-Indic three"},
        {0x060C, DEF | P, "Arabic comma"},
        // Devanagari
        {0x0915, DEF | A, "Devanagari ka"},
        {0x093F, DEF, "Devanagari vowel sign i (spacing mark)"},
        {0x094D, DEF, "Devanagari virama"},
        {0x0967, DEF | D, "Devanagari one"},
        {0x0964, DEF | P, "danda"},
        // CJK
        {0x3000, DEF | S | B, "ideographic space"},
        {0x3002, DEF | P, "ideographic full stop"},
        {0x4E2D, DEF | A, "ideograph"},
        {0x3042, DEF | A, "hiragana a"},
        {0xFF21, DEF | U | A, "fullwidth A"},
        // Joiners and other format characters
        {0x200C, DEF | C, "zero-width non-joiner"},
        {0x200D, DEF | C, "zero-width joiner"},
        {0xFEFF, DEF | C | B, "byte-order mark"},
        {0x2028, DEF | S, "line separator"},
        // Symbols outside Latin-1 are not punctuation
        {0x20AC, DEF, "euro"},
        {0x2192, DEF, "arrow"},
        {0x2014, DEF | P, "em dash"},
        // Others
        {0xE000, DEF, "private use"},
        {0xD800, DEF, "lone surrogate"},
        {0x0378, 0, "unassigned"},
        {0xFFFF, 0, "noncharacter"},
        {0x1D400, DEF | U | A, "mathematical bold A"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CharType1OfCodePoint(c.c), c.flags) << c.what;
        if (c.c < 0x10000) {
            EXPECT_EQ(CharType1(char16_t(c.c)), c.flags) << c.what;
        }
    }
}

TEST(CharTypeTest, StringFormTiesSurrogatePairsTogether) {
    const std::u16string text = u"a\U0001D400\xD800z";
    std::vector<uint16_t> types(text.size());
    StringType1W(text.data(), text.size(), types.data());
    EXPECT_EQ(types,
              (std::vector<uint16_t>{DEF | L | A | X, DEF | U | A, DEF | U | A, DEF, DEF | L | A}));
}

TEST(CharTypeTest, StringFormAgreesWithCodePointsAtEveryAlignment) {
    // Pairs straddling the blocks the string form looks at, and lone halves.
    for (size_t at = 0; at < 20; ++at) {
        std::u16string text(20, u'a');
        text[3] = u'\u0416';
        text[at] = 0xD835;
        if (at + 1 < text.size())
            text[at + 1] = 0xDC00; // U+1D400, mathematical bold A
        text[19] = at == 18 ? text[19] : char16_t(0xDC01);
        std::vector<uint16_t> types(text.size());
        StringType1W(text.data(), text.size(), types.data());
        for (size_t i = 0; i < text.size(); ++i) {
            uint16_t expected = CharType1(text[i]);
            if (i == at && at + 1 < text.size())
                expected = DEF | U | A;
            else if (i == at + 1)
                expected = DEF | U | A;
            EXPECT_EQ(types[i], expected) << "pair at " << at << ", unit " << i;
        }
    }
}

TEST(CharTypeTest, EightBitTablesFollowTheCodePage) {
    EXPECT_EQ(CodePageType1Table(1252)[0xC9], DEF | U | A); // É
    EXPECT_EQ(CodePageType1Table(1252)[0x80], DEF);         // €
    EXPECT_EQ(CodePageType1Table(1252)[0x81], DEF | C);     // read as U+0081
    EXPECT_EQ(CodePageType1Table(1251)[0xC6], DEF | U | A); // Ж
    EXPECT_EQ(CodePageType1Table(1253)[0xF2], DEF | L | A); // ς
    EXPECT_EQ(CodePageType1Table(1256)[0xC8], DEF | A);     // beh
    EXPECT_EQ(CodePageType1Table(874)[0xA1], DEF | A);      // Thai ko kai

    // Shift-JIS: both bytes of a double-byte character carry its flags.
    const std::string sjis = "A\x82\xA0\xB1"; // A, hiragana a, katakana a
    std::vector<uint16_t> types(sjis.size());
    StringType1A(sjis.data(), sjis.size(), 932, types.data());
    EXPECT_EQ(types, (std::vector<uint16_t>{DEF | U | A | X, DEF | A, DEF | A, DEF | A}));
}

TEST(CharTypeTest, SingleByteCodePagesRoundTripTheirDefinedBytes) {
    for (uint32_t page : {874u, 1250u, 1251u, 1252u, 1253u, 1254u, 1255u, 1256u, 1257u, 1258u}) {
        int defined = 0;
        for (int b = 0; b < 256; ++b) {
            const std::string byte(1, char(b));
            const std::u16string u = AnsiToUnicode(byte, page);
            ASSERT_EQ(u.size(), 1u);
            if (u[0] == 0xFFFD) {
                EXPECT_EQ(CodePageType1Table(page)[size_t(b)], 0) << page << " " << b;
                continue;
            }
            ++defined;
            bool all_mapped = false;
            EXPECT_EQ(UnicodeToAnsi(u, page, all_mapped), byte) << page << " byte " << b;
            EXPECT_TRUE(all_mapped) << page << " byte " << b;
            EXPECT_EQ(CodePageType1Table(page)[size_t(b)], CharType1(u[0])) << page << " " << b;
        }
        EXPECT_GE(defined, 200) << page;
    }
}

} // namespace
} // namespace qm7::platform
