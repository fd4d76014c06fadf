#include "runtime1/search/search_parsing.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/text.h"
#include "runtime1/core/Useful_Classes.h"
#include "runtime1/search/user_input_wildcard_parsing.h"

namespace qm7 {
namespace {

std::string Utf8(std::u16string_view s) {
    std::string out;
    for (const char16_t c : s) {
        if (c < 0x20 || c >= 0x7F) {
            char buf[12];
            snprintf(buf, sizeof buf, "\\u%04X", unsigned(c));
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out;
}

TIgnore_tag_type Tags(std::u16string_view opening, std::u16string_view closing) {
    TIgnore_tag_type tags{};
    for (size_t k = 0; k < opening.size() && k < 6; ++k)
        tags[0][k] = opening[k];
    for (size_t k = 0; k < closing.size() && k < 6; ++k)
        tags[1][k] = closing[k];
    return tags;
}

const TIgnore_tag_type kAngles = Tags(u"<", u">");

std::vector<std::u16string> Alternatives(std::u16string entry, bool split) {
    const auto list = SplitSWList(entry, split);
    std::vector<std::u16string> out;
    for (int i = 0; i < list->Count(); ++i)
        out.push_back(list->Strings(i));
    return out;
}

constexpr TMySearchFlags kBounded{myLeftBounded, myRightBounded};
constexpr TMySearchFlags kLeftOnly{myLeftBounded};
constexpr TMySearchFlags kRightOnly{myRightBounded};
constexpr TMySearchFlags kCase{myLeftBounded, myRightBounded, myCaseIsSensitive};
constexpr TMySearchFlags kAvoid{myLeftBounded, myRightBounded, mySW_To_Avoid};

struct TParseCase {
    std::u16string_view entry;
    std::u16string_view work; // search_text
    TMySearchFlags flags = kBounded;
    bool tag = false;
    std::u16string_view context = u"";
    TIgnore_tag_type tags = kAngles;
};

// The worked examples and edge cases of the search-word syntax, one
// alternative each.
const TParseCase kParseCases[] = {
    {u"book", u"book"},
    {u"book*", u"book", kLeftOnly},
    {u"*ness", u"ness", kRightOnly},
    {u"==Book==", u"Book", kCase},
    {u"~the", u"the", kAvoid},
    {u"wom?n", u"wom\x1Cn"},
    {u"colo^r", u"colo\x1Er"},
    {u"#th", u"\x1Bth"},
    {u"?at", u"\x1C"
             u"at"},
    {u"in * of", u"in \x1A of"},
    {u"in * * of", u"in \x1A \x1A of"},
    {u"cat\"/\"dog", u"cat/dog"},
    {u"\"*\"", u"*"},
    {u"5\"#\"", u"5#"},
    {u"\"?\"\"^\"\"==\"\"<\"\">\"\"}}}\"\":\\\"", u"?^==<>}}}:\\"},
    {u"run context:=fast", u"run", kBounded, false, u"fast"},
    {u"<b>bold",
     u"\x19"
     u"b\x18"
     u"bold",
     kBounded, true},
    {u"*", u"", kRightOnly},
    {u"==a", u"==a"},
    {u"==", u"=="},
    {u"===", u"==="},
    {u"====", u"", kCase},
    {u"~*ing", u"\x1Ding", kAvoid},
    {u"a}}}b", u"a\x15"
               u"b"},
    {u"abc/\\", u"abc\x13"},
    {u"/\\abc", u"\x10"
                u"abc"},
    {u"a/\\b", u"a/\\b"},
    {u"\"/\\\"x", u"/\\x"},
    {u"{CHR(65)}ge", u"Age"},
    // The user's own private-use characters come back as typed.
    {u"x\uE002y", u"x\uE002y"},
    {u"\"*\"\uE002", u"*\uE002"},
    {u"\uE000{CHR(57346)}\"*\"", u"\uE000\uE002*"},
    // Markup: an opening character is converted only with its closing one.
    {u"a<b", u"a<b"},
    {u"<a>]",
     u"\x19"
     u"a\x18]",
     kBounded, true, u"", Tags(u"<[", u">]")},
    {u"<a>[b",
     u"\x19"
     u"a\x18[b",
     kBounded, true, u"", Tags(u"<[", u">]")},
    {u"<a[b]",
     u"<a\x19"
     u"b\x18",
     kBounded, true, u"", Tags(u"<[", u">]")},
    {u"a<b",
     u"a\x19"
     u"b",
     kBounded, true, u"", Tags(u"<", u"")},
    // Trimming takes spaces and tabs, never the codes of the work string.
    {u" \tbook \t", u"book"},
};

TEST(Parsed_SearchWord, WorkedExamplesAndEdgeCases) {
    for (const TParseCase& c : kParseCases) {
        SCOPED_TRACE(Utf8(c.entry));
        std::u16string alternative(c.entry);
        TSearch_word_format_rec rec;
        Parsed_SearchWord(c.tags, alternative, rec);
        EXPECT_EQ(Utf8(rec.search_text), Utf8(c.work));
        EXPECT_EQ(rec.flags.ToBits(), c.flags.ToBits());
        EXPECT_EQ(rec.contains_a_tag, c.tag);
        EXPECT_EQ(rec.typed_in_text, c.entry);
        EXPECT_EQ(rec.has_file_based_context_word, !c.context.empty());
        EXPECT_EQ(rec.sw_context_needed, c.context);
        const bool wild =
            rec.search_text.find_first_of(u"\x1A\x1B\x1C\x1D\x1E\x1F") != std::u16string::npos;
        EXPECT_EQ(rec.ambiguous, rec.search_text != rec.typed_in_text || wild);
        EXPECT_EQ(rec.copies[0], rec.search_text);
    }
}

TEST(Parsed_SearchWord, CaseCopiesAndZeroedFields) {
    TSearch_word_format_rec rec;
    rec.hits_found = 9;
    rec.Langnum = 3;
    std::u16string alternative = u"\u00E9cole #";
    Parsed_SearchWord(kAngles, alternative, rec);
    EXPECT_EQ(rec.copies[0], u"\u00E9cole \x1B");
    EXPECT_EQ(rec.copies[1], u"\u00C9COLE \x1B");
    EXPECT_EQ(rec.copies[2], u"\u00E9cole \x1B");
    EXPECT_EQ(rec.copies[3], u"\u00C9cole \x1B");
    EXPECT_EQ(rec.hits_found, 0);
    EXPECT_EQ(rec.Langnum, 0);
    EXPECT_EQ(rec.n_to_find, 0);
    EXPECT_TRUE(rec.ambiguous);

    // A first character outside the basic plane is capitalised whole.
    alternative = u"\U00010428\U00010429";
    Parsed_SearchWord(kAngles, alternative, rec);
    EXPECT_EQ(rec.copies[1], u"\U00010400\U00010401");
    EXPECT_EQ(rec.copies[3], u"\U00010400\U00010429");

    alternative = u"*";
    Parsed_SearchWord(kAngles, alternative, rec);
    EXPECT_TRUE(rec.search_text.empty());
    EXPECT_TRUE(rec.copies[3].empty());
}

TEST(UnParsed_SearchWord, MarkersOnly) {
    std::u16string alternative = u"*wom?n*";
    TSearch_word_format_rec rec;
    UnParsed_SearchWord(alternative, rec);
    EXPECT_EQ(rec.search_text, u"wom?n");
    EXPECT_EQ(rec.typed_in_text, u"*wom?n*");
    EXPECT_TRUE(rec.flags.Empty());
    EXPECT_TRUE(rec.ambiguous);
    EXPECT_EQ(rec.copies[1], u"WOM?N");

    alternative = u"book context:=x";
    UnParsed_SearchWord(alternative, rec);
    EXPECT_EQ(rec.search_text, u"book context:=x");
    EXPECT_FALSE(rec.ambiguous);
    EXPECT_FALSE(rec.has_file_based_context_word);
}

TEST(SplitSWList, SlashesSplitUnlessQuotedOrAtTheEnds) {
    struct TCase {
        std::u16string_view entry;
        bool split;
        std::vector<std::u16string> out;
    } cases[] = {
        {u"cat/dog", true, {u"cat", u"dog"}},
        {u"cat/dog", false, {u"cat/dog"}},
        {u"cat\"/\"dog", true, {u"cat\"/\"dog"}},
        {u"/ab", true, {u"/ab"}},
        {u"ab/", true, {u"ab/"}},
        {u"a / b/c", true, {u"a ", u" b", u"c"}},
        {u"a//b", true, {u"a", u"/b"}},
        {u"abc/\\", true, {u"abc", u"\\"}},
        {u"abc/\\", false, {u"abc/\\"}},
        {u"", true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.entry));
        EXPECT_EQ(Alternatives(std::u16string(c.entry), c.split), c.out);
    }
}

// Alternatives keep the spaces around the slashes; the markers are read
// through them.
TEST(SplitSWList, MarkersOfSpacedAlternatives) {
    std::u16string entry = u"book* / *ness / ==Ann== / ~the";
    const auto list = SplitSWList(entry, true);
    ASSERT_EQ(list->Count(), 4);
    const TMySearchFlags expected[] = {kLeftOnly, kRightOnly, kCase, kAvoid};
    const std::u16string_view words[] = {u"book", u"ness", u"Ann", u"the"};
    for (int i = 0; i < 4; ++i) {
        std::u16string alternative = list->Strings(i);
        TSearch_word_format_rec rec;
        Parsed_SearchWord(kAngles, alternative, rec);
        EXPECT_EQ(rec.search_text, words[i]) << i;
        EXPECT_EQ(rec.flags.ToBits(), expected[i].ToBits()) << i;
    }
}

TEST(QMFormattedReadableStringToWorkString, Escapes) {
    struct TCase {
        std::u16string_view in, out;
    } cases[] = {
        {u"{chr(65)}", u"A"},
        {u"#65", u"A"},
        {u"#x41;", u"A"},
        {u"#x41;;", u"A;"},
        {u"#X41", u"A"},
        {u"#41", u")"},
        {u"a#b", u"a#b"},
        {u"{CHR(35)}66", u"B"},
        {u"{CHR($41)}{CHR(x42)}{CHR(43h)}", u"ABC"},
        {u"x#x10;y", u"x\x10y"},
        {u"abc#x13;", u"abc\x13"},
        {u"{CHR(65)", u"{CHR(65)"},
        {u"{CHR()}", u"{CHR()}"},
        {u"{CHR(a)}{CHR(66)}", u"{CHR(a)}B"},
        // The closing ")}" is looked for after its "{CHR(".
        {u")}{CHR(66)}", u")}B"},
        {u"#99999999999 #65", u"#99999999999 #65"},
        {u"#65 #x #66", u"A #x #66"},
        {u"{CHR(65601)}", u"A"}, // the low 16 bits
        {u"#{CHR(54)}{CHR(53)}", u"A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.in));
        EXPECT_EQ(Utf8(QMFormattedReadableStringToWorkString(c.in)), Utf8(c.out));
    }
}

TEST(UserInputWildcardParsing, TranslateRetainAndRestore) {
    std::u16string s = u"a?b?c";
    EXPECT_TRUE(Parse_Translate(s, u"?", u'!'));
    EXPECT_EQ(s, u"a!b!c");
    EXPECT_FALSE(Parse_Translate(s, u"?", u'!'));
    EXPECT_FALSE(Parse_Translate(s, u"!", u'!')); // would never end
    s = u"aab";
    EXPECT_TRUE(Parse_Translate(s, u"ab", u'b')); // the change makes a new occurrence
    EXPECT_EQ(s, u"bbb");

    s = u"\"^\"a\"/\\\"b\"/\"";
    Parse_Retain(s, 0xE000);
    EXPECT_EQ(s, u"\uE000a\uE00Ab\uE001");
    Parse_Restore(s, 0xE000);
    EXPECT_EQ(s, u"^a/\\b/");

    EXPECT_EQ(RetainedForm(3), u"\"==\"");
    EXPECT_EQ(RetainedForm(11), u"");
}

TEST(UserInputWildcardParsing, TagWildcardConverted) {
    struct TCase {
        std::u16string_view in, out;
    } cases[] = {
        {u"\"~\"x~", u"~x~"},   {u"~x~", u"\x1Fx~"},  {u"<h^*?#>", u"<h\x1E\x1D\x1C\x1B>"},
        {u"<\"*\"*>", u"<**>"}, {u"plain", u"plain"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.in));
        EXPECT_EQ(Utf8(TagWildcardConverted(c.in)), Utf8(c.out));
    }
}

TEST(FlagsFromSW, PrefixAndSuffixMarkers) {
    struct TCase {
        std::u16string_view in, out;
        TMySearchFlags flags;
    } cases[] = {
        {u"==Ab==", u"Ab", kCase},         {u"==", u"==", kBounded},
        {u"===", u"===", kBounded},        {u"====", u"", kCase},
        {u"==a", u"==a", kBounded},        {u"*ab*", u"ab", TMySearchFlags{}},
        {u"~ab", u"ab", kAvoid},           {u" book* ", u"book", kLeftOnly},
        {u"\t*ness", u"ness", kRightOnly}, {u" ==Ann== ", u"Ann", kCase},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.in));
        std::u16string sw(c.in);
        EXPECT_EQ(FlagsFromSW(sw).ToBits(), c.flags.ToBits());
        EXPECT_EQ(sw, c.out);
    }
}

} // namespace
} // namespace qm7
