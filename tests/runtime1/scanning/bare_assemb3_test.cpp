#include "runtime1/scanning/bare_assemb3.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/chartype.h"
#include "scan_fixture.h"

namespace qm7 {
namespace {

using scan_test::Describe;
using scan_test::kBothForms;
using scan_test::ParsedWord;
using scan_test::ScanAll;
using scan_test::TForm;
using scan_test::TScanOptions;
using scan_test::TScanText;
using scan_test::Utf8;

using THits = std::vector<std::string>;

// Preparation of the class array before scanning.
struct TMiddles {
    std::u16string_view allowables;
    bool at_right = false;
    bool at_left = false;
};

struct TScanCase {
    const char* what;
    std::u16string_view text; // a scan_fixture description
    std::u16string_view entry;
    THits hits;
    TScanOptions options = {};
    std::optional<TMiddles> middles = {};
    std::optional<bool> number_middles = {}; // spaces allowed in numbers
};

TScanOptions SkipPunctuation() {
    TScanOptions o;
    o.skip_punctuation = true;
    return o;
}

TScanOptions EndBound(int64_t entry) {
    TScanOptions o;
    o.end_bound = entry;
    return o;
}

const TScanCase kScanCases[] = {
    // Word bounds.
    {"right bounded: no hit inside a longer word", u"books", u"book", {}},
    {"right unbounded: the hit runs on to the word end", u"books", u"book*", {"0:book+s"}},
    {"left bounded: no hit inside a word", u"book", u"ook", {}},
    {"left bounded: punctuation before is a boundary", u"(ook)", u"ook", {"1:ook"}},
    {"left unbounded", u"happiness", u"*ness", {"5:ness"}},
    {"both unbounded", u"book", u"*oo*", {"1:oo+k"}},
    {"markup before is a boundary", u"«<i>»book", u"book", {"3:book"}},
    {"a marker before is a boundary", u"¦Sxbook", u"book", {"1:book"}},
    {"a marker after is a boundary", u"book¦Sx", u"book", {"0:book"}},
    {"the extension stops at a marker", u"books¦Sx", u"book*", {"0:book+s"}},

    // Case.
    {"case-insensitive: lower, upper, capitalised or mixed",
     u"Book book BOOK bOOk",
     u"book",
     {"0:Book", "5:book", "10:BOOK", "15:bOOk"}},
    {"case-sensitive", u"Book book BOOK", u"==Book==", {"0:Book"}},
    {"case of letters beyond ASCII",
     u"\u00C4rger \u00E4rger",
     u"\u00E4rger",
     {"0:\u00C4rger", "6:\u00E4rger"}},

    // Wildcards.
    {"? takes any one character",
     u"woman women wom-n womn",
     u"wom?n",
     {"0:woman", "6:women", "12:wom-n"}},
    {"^ takes one letter", u"colour color colo1r", u"colo^r", {"0:colour"}},
    {"# takes a run of digits", u"19th 4th a19th 1th9 th", u"#th", {"0:19th", "5:4th"}},
    {"any word", u"in spite of it, in front of", u"in * of", {"0:in spite of", "16:in front of"}},
    {"two any words", u"in the face of", u"in * * of", {"0:in the face of"}},
    {"any word takes the markup inside it",
     u"in «<b>»spite«</b>» of",
     u"in * of",
     {"0:in <b>spite</b> of"}},
    {"an in-word star never crosses a space", u"colonel colour", u"co*r", {"8:colour"}},
    {"a pending star takes a failed character", u"axbxbc", u"a*bc", {"0:axbxbc"}},
    {"a star never starts on a space", u"a b", u"a*b", {}},
    {"a star before a space may take nothing",
     u"books of, book of",
     u"book* of",
     {"0:books of", "10:book of"}},
    {"? before a space may take nothing",
     u"cat dog cats dog",
     u"cat? dog",
     {"0:cat dog", "8:cats dog"}},
    {"a first ? taking nothing starts the hit at its candidate", u" cat", u"? cat", {"0: cat"}},
    {"a first ? taking a character", u"x cat", u"? cat", {"0:x cat"}},
    {"a star left at the end takes the rest of the run",
     u"abcde ab-x ab ",
     u"ab**",
     {"0:abcde", "6:ab-x"}},

    // Markup.
    {"markup inside a word is skipped", u"b«<i>»oo«</i>»k", u"book", {"0:b<i>oo</i>k"}},
    {"markup in the search word is matched",
     u"«\x19"
     u"b\x18»bold and bold",
     u"<b>bold",
     {"0:\x19"
      "b\x18"
      "bold"}},
    {"a plain word starts after markup, never inside it",
     u"«\x19"
     u"b\x18»bold and bold",
     u"bold",
     {"3:bold", "12:bold"}},
    {"an unclosed markup character is searched as typed", u"a<b and ab", u"a<b", {"0:a<b"}},

    // Spaces and punctuation.
    {"a space matches punctuation", u"in,the", u"in the", {"0:in,the"}},
    {"punctuation and a space need skipping", u"in, the", u"in the", {}},
    {"skipping punctuation after a space", u"in, the", u"in the", {"0:in, the"}, SkipPunctuation()},
    {"a run of spaces", u"in   the", u"in the", {"0:in   the"}},

    // Middle characters.
    {"an apostrophe ends a word", u"don't", u"don", {"0:don"}},
    {"an allowed apostrophe is a letter", u"don't", u"don", {}, {}, TMiddles{u"'"}},
    {"numbers split at their points", u"3.5 and 3 500", u"#", {"0:3", "2:5", "8:3", "10:500"}},
    {"points between digits join numbers",
     u"3.5 and 3 500",
     u"#",
     {"0:3.5", "8:3", "10:500"},
     {},
     {},
     false},
    {"spaces between digits join numbers when allowed",
     u"3.5 and 3 500",
     u"#",
     {"0:3.5", "8:3 500"},
     {},
     {},
     true},

    // Markers inside a match.
    {"a digit run stops at a marker", u"19¦S9th", u"#th", {}},
    {"the digits wildcard never takes a marker", u"¦S9th", u"#th", {}},
    {"an any word stops at a marker", u"in spi¦Ste of", u"in * of", {}},

    // Buffer ends and bounds.
    {"a digit run at the buffer end", u"19th", u"#th", {"0:19th"}},
    {"skipped markup at the buffer end", u"b«<i>»oo«</i>»k", u"book", {"0:b<i>oo</i>k"}},
    {"skipped spaces at the buffer end", u"in  the", u"in the", {"0:in  the"}},
    {"an any word at the buffer end", u"in spite of", u"in * of", {"0:in spite of"}},
    {"a candidate at the last character", u"a b", u"b", {"2:b"}},
    {"nothing past the last character", u"a bo", u"book", {}},
    {"reading stops at the end bound", u"book bookshelf", u"book*", {"0:book"}, EndBound(7)},
    {"the extension stops at the end bound",
     u"book bookshelf",
     u"book*",
     {"0:book", "5:book+s"},
     EndBound(9)},
};

// Sets the scanner's vector width for one scope.
class TVectorWidth {
public:
    explicit TVectorWidth(int32_t bits) { ScannerVectorWidth = bits; }
    ~TVectorWidth() { ScannerVectorWidth = 256; }
};
constexpr int32_t kVectorWidths[] = {256, 128, 0};

// Each text is also run padded with forty hyphens on either side, so that
// the cases meet the vector blocks as well as the one-by-one tail.
TEST(NewFindWantedInBuffer, CasesInBothBufferForms) {
    const std::u16string pad(40, u'-');
    for (const TScanCase& c : kScanCases) {
        for (const bool padded : {false, true}) {
            const std::u16string description =
                padded ? pad + std::u16string(c.text) + pad : std::u16string(c.text);
            const int64_t shift = padded ? int64_t(pad.size()) : 0;
            for (const int32_t width : kVectorWidths) {
                TVectorWidth vectors(width);
                for (const TForm form : kBothForms) {
                    SCOPED_TRACE(std::string(c.what) + " [" + scan_test::FormName(form) + ", " +
                                 std::to_string(width) + (padded ? " bits, padded]" : " bits]"));
                    TScanText text(description);
                    if (c.middles)
                        text.HandleMiddles(c.middles->allowables, c.middles->at_right,
                                           c.middles->at_left);
                    if (c.number_middles)
                        text.HandleNumberMiddles(*c.number_middles);
                    TScanOptions options = c.options;
                    if (padded && options.end_bound >= 0)
                        options.end_bound += shift;
                    auto run = ScanAll(text, ParsedWord(std::u16string(c.entry)), form, options);
                    for (auto& hit : run.hits)
                        hit.start -= shift;
                    // Describe reads the hits in the unpadded text.
                    EXPECT_EQ(Describe(TScanText(c.text), run.hits), c.hits);
                }
            }
        }
    }
}

// A long run of letters without a break (unspaced text) gives lengths beyond
// 16 bits.
TEST(NewFindWantedInBuffer, LongHitLengthsDoNotWrap) {
    const std::u16string letters(70000, u'a');
    for (const TForm form : kBothForms) {
        SCOPED_TRACE(scan_test::FormName(form));
        TScanText text(u" " + letters);
        const auto run = ScanAll(text, ParsedWord(u"a*"), form);
        ASSERT_FALSE(run.hits.empty());
        EXPECT_EQ(run.hits[0].start, 1);
        EXPECT_EQ(run.hits[0].exact, 1);
        EXPECT_EQ(run.hits[0].length, 70000);
        const auto star = ScanAll(text, ParsedWord(u"a**"), form);
        ASSERT_FALSE(star.hits.empty());
        EXPECT_EQ(star.hits[0].exact, 70000);
    }
}

// Combining marks (defined only) belong to the word they follow.
TEST(NewFindWantedInBuffer, ExtensionTakesCombiningMarks) {
    TScanText text(u"book\u0301s x");
    const auto run = ScanAll(text, ParsedWord(u"book*"), TForm::utf16);
    EXPECT_EQ(Describe(text, run.hits), THits{"0:book+\u0301s"});
}

TEST(NewFindWantedInBuffer, NothingToSearch) {
    TScanText text(u"book");
    TSearchStatsRec stats;
    bool in_heading = false;
    int32_t length = 7, exact = 7;
    const uint16_t* classes = text.Classes(TForm::utf16);
    // An empty word finds nothing and books nothing.
    EXPECT_EQ(NewFindWantedInBuffer(text.Buffer(TForm::utf16), 4, classes, classes, classes + 4,
                                    u"", u"", u"", 0, false, true, true, true, false, length, exact,
                                    stats, in_heading, false, false, false, false),
              nullptr);
    EXPECT_EQ(length, 0);
    // A length beyond the copies is cut to them.
    EXPECT_NE(NewFindWantedInBuffer(text.Buffer(TForm::utf16), 4, classes, classes, classes + 4,
                                    u"BOOK", u"book", u"Book", 99, false, true, true, true, false,
                                    length, exact, stats, in_heading, false, false, false, false),
              nullptr);
    EXPECT_EQ(exact, 4);
    // No characters left.
    EXPECT_EQ(NewFindWantedInBuffer(text.Buffer(TForm::utf16), 0, classes, classes, classes + 4,
                                    u"BOOK", u"book", u"Book", 4, false, true, true, true, false,
                                    length, exact, stats, in_heading, false, false, false, false),
              nullptr);
}

// ---- statistics and unit-end callbacks ----

struct TUnitEnd {
    char unit;
    int32_t number, ends_at;
    bool operator==(const TUnitEnd&) const = default;
};
std::vector<TUnitEnd> g_unit_ends;

void RecordSentence(int32_t n, int32_t at) {
    g_unit_ends.push_back({'S', n, at});
}
void RecordParagraph(int32_t n, int32_t at) {
    g_unit_ends.push_back({'P', n, at});
}
void RecordHeading(int32_t n, int32_t at) {
    g_unit_ends.push_back({'H', n, at});
}
void RecordSection(int32_t n, int32_t at) {
    g_unit_ends.push_back({'C', n, at});
}

class ScannerStatistics : public ::testing::Test {
protected:
    void SetUp() override {
        g_unit_ends.clear();
        HandleSentenceEndProc = RecordSentence;
        HandleParagraphEndProc = RecordParagraph;
        HandleHeadingEndProc = RecordHeading;
        HandleSectionEndProc = RecordSection;
    }
    void TearDown() override {
        HandleSentenceEndProc = DoNothingAtTextSectionEnd;
        HandleParagraphEndProc = DoNothingAtTextSectionEnd;
        HandleHeadingEndProc = DoNothingAtTextSectionEnd;
        HandleSectionEndProc = DoNothingAtTextSectionEnd;
    }
};

using TArr = std::array<int32_t, 5>;

TEST_F(ScannerStatistics, WordStartsAreSpacesBeforeNonSpaces) {
    for (const TForm form : kBothForms) {
        SCOPED_TRACE(scan_test::FormName(form));
        // The first word of the buffer is not counted; a run of spaces counts once.
        TScanText text(u"one two   three\tfour");
        const auto run = ScanAll(text, ParsedWord(u"zzz"), form);
        EXPECT_TRUE(run.hits.empty());
        EXPECT_EQ(run.stats.number, (TArr{3, 0, 0, 0, 0}));
        EXPECT_EQ(run.stats.position, (TArr{0, 3, 3, 0, 3}));
        EXPECT_EQ(run.stats.out_of, run.stats.position);
    }
}

// The statistics after each call book every character up to the hit start,
// once, whatever the hits.
TEST_F(ScannerStatistics, AfterEachCall) {
    for (const TForm form : kBothForms) {
        SCOPED_TRACE(scan_test::FormName(form));
        g_unit_ends.clear();
        TScanText text(u"one two¦S. two three¦P. two");
        const auto run = ScanAll(text, ParsedWord(u"two"), form);
        ASSERT_EQ(Describe(text, run.hits), (THits{"4:two", "9:two", "20:two"}));
        // First call: the space before the hit is a word start.
        EXPECT_EQ(run.hits[0].stats.number, (TArr{1, 0, 0, 0, 0}));
        EXPECT_EQ(run.hits[0].stats.position, (TArr{0, 1, 1, 0, 1}));
        // Second: the sentence ended at the marker, and one word started.
        EXPECT_EQ(run.hits[1].stats.number, (TArr{2, 1, 0, 0, 0}));
        EXPECT_EQ(run.hits[1].stats.position, (TArr{0, 2, 2, 0, 2}));
        EXPECT_EQ(run.hits[1].stats.out_of, run.hits[1].stats.position);
        // Third: "three", the paragraph end and the last "two".
        EXPECT_EQ(run.hits[2].stats.number, (TArr{4, 1, 1, 0, 0}));
        EXPECT_EQ(run.hits[2].stats.position, (TArr{0, 4, 2, 0, 4}));
        EXPECT_EQ(run.stats.number, run.hits[2].stats.number);
        EXPECT_EQ(g_unit_ends, (std::vector<TUnitEnd>{{'S', 0, 1}, {'P', 0, 3}}));
    }
}

TEST_F(ScannerStatistics, StartMarkersEndUnitsUnlessEndMarkersExist) {
    for (const TForm form : kBothForms) {
        SCOPED_TRACE(scan_test::FormName(form));
        TScanText text(u"¦sa b ¦pc d ¦ce f");
        g_unit_ends.clear();
        auto run = ScanAll(text, ParsedWord(u"zzz"), form);
        EXPECT_EQ(g_unit_ends, (std::vector<TUnitEnd>{{'S', 0, 0}, {'P', 0, 2}, {'C', 0, 4}}));
        EXPECT_EQ(run.stats.number, (TArr{5, 1, 1, 0, 1}));

        g_unit_ends.clear();
        TScanOptions ends;
        ends.sentence_end_markers = ends.paragraph_end_markers = ends.section_end_markers = true;
        run = ScanAll(text, ParsedWord(u"zzz"), form, ends);
        EXPECT_TRUE(g_unit_ends.empty());
        EXPECT_EQ(run.stats.number, (TArr{5, 0, 0, 0, 0}));
    }
}

TEST_F(ScannerStatistics, HeadingWordsAreCountedInsideHeadings) {
    for (const TForm form : kBothForms) {
        SCOPED_TRACE(scan_test::FormName(form));
        TScanText text(u"x ¦ha b c¦H. d e");
        // Without heading-end markers a heading start ends a heading at once.
        g_unit_ends.clear();
        auto run = ScanAll(text, ParsedWord(u"zzz"), form);
        EXPECT_FALSE(run.in_heading);
        EXPECT_EQ(run.stats.number[3], 2);
        EXPECT_EQ(run.stats.position[3], 1);
        EXPECT_EQ(g_unit_ends, (std::vector<TUnitEnd>{{'H', 0, 0}, {'H', 1, 1}}));

        // With them, the words between the markers count as heading words.
        g_unit_ends.clear();
        TScanOptions ends;
        ends.heading_end_markers = true;
        run = ScanAll(text, ParsedWord(u"zzz"), form, ends);
        EXPECT_FALSE(run.in_heading);
        EXPECT_EQ(run.stats.number[3], 1);
        EXPECT_EQ(g_unit_ends, (std::vector<TUnitEnd>{{'H', 0, 2}}));

        // The in-heading flag is carried out of a call that stops inside one.
        const auto inside = ScanAll(text, ParsedWord(u"b"), form, ends);
        ASSERT_EQ(inside.hits.size(), 1u);
        EXPECT_EQ(inside.hits[0].stats.position[3], 1);
    }
}

// ---- middle characters ----

TEST(HandleMiddleChars, ApostrophesAndNeighbours) {
    struct TCase {
        std::u16string_view text;
        bool at_right, at_left;
        std::vector<uint16_t> expected; // class of each apostrophe, in order
    } cases[] = {
        {u"don't", false, false, {cw_middle_letter}},
        {u"'tis", false, false, {0}},
        {u"'tis", false, true, {cw_middle_letter}},
        {u"rock'", false, false, {0}},
        {u"rock'", true, false, {cw_middle_letter}},
        {u"80'90", false, false, {cw_middle_digit}},
        {u"a'9 9'a", false, false, {cw_middle_digit, cw_middle_digit}},
        {u"b«<i>»'t", false, false, {cw_middle_letter}}, // markup skipped
        {u"b¦S.'t", false, false, {0}},                  // a marker stops the look
        {u"b«'»t", false, false, {0}},                   // markup is left alone
        {u"rock'n'roll", false, false, {cw_middle_letter, cw_middle_letter}},
    };
    for (const auto& c : cases) {
        for (const TForm form : kBothForms) {
            SCOPED_TRACE(Utf8(c.text) + " [" + scan_test::FormName(form) + "]");
            TScanText text(c.text);
            std::vector<uint16_t> before;
            for (int64_t i = 0; i < text.Size(); ++i)
                if (text.Text()[size_t(i)] == u'\'')
                    before.push_back(text.Classes(form)[i]);
            text.HandleMiddles(u"'", c.at_right, c.at_left);
            std::vector<uint16_t> after;
            for (int64_t i = 0; i < text.Size(); ++i)
                if (text.Text()[size_t(i)] == u'\'')
                    after.push_back(text.Classes(form)[i]);
            ASSERT_EQ(after.size(), c.expected.size());
            for (size_t k = 0; k < after.size(); ++k)
                EXPECT_EQ(after[k], c.expected[k] ? c.expected[k] : before[k]) << k;
        }
    }
}

// In an 8-bit buffer an allowable character is looked for as its byte in the
// buffer's code page, never as its low eight bits.
TEST(HandleMiddleChars, EightBitBuffersUseTheCodePage) {
    // U+2019 is 0x92 in code page 1252; its low byte 0x19 is another character.
    const uint8_t bytes[] = {'d', 'o', 'n', 0x92, 't', ' ', 'a', 0x19, 'b', 0};
    uint16_t classes[11] = {};
    platform::StringType1A(reinterpret_cast<const char*>(bytes), 9, 1252, classes);
    const uint16_t before = classes[7];
    HandleMiddleChars(bytes, classes, u"\u2019", 1, 9, false, false, false, 1252);
    EXPECT_EQ(classes[3], cw_middle_letter);
    EXPECT_EQ(classes[7], before);
    // A character the code page cannot hold changes nothing.
    uint16_t copy[11];
    std::copy(std::begin(classes), std::end(classes), copy);
    HandleMiddleChars(bytes, classes, u"\u4E00", 1, 9, false, true, true, 1252);
    EXPECT_TRUE(std::equal(std::begin(classes), std::end(classes), copy));
    // Nothing allowable, or no text: nothing happens.
    HandleMiddleChars(bytes, classes, u"", 0, 9, false, true, true, 1252);
    HandleMiddleChars(bytes, classes, u"'", 1, 0, false, true, true, 1252);
    EXPECT_TRUE(std::equal(std::begin(classes), std::end(classes), copy));
}

TEST(HandleMiddleCharsInNumbers, PointsCommasDotsAndSpaces) {
    struct TCase {
        std::u16string_view text;
        bool spaces;
        int64_t index;
        bool becomes_digit;
    } cases[] = {
        {u"3.5", false, 1, true},    {u"3,5", false, 1, true},  {u"3\u00B75", false, 1, true},
        {u"3 500", false, 1, false}, {u"3 500", true, 1, true}, {u"3-5", true, 1, false},
        {u"a.5", false, 1, false},   {u"3.", false, 1, false},  {u"3¦S.5", false, 1, false},
        {u"3«.»5", false, 1, false},
    };
    for (const auto& c : cases) {
        for (const TForm form : kBothForms) {
            SCOPED_TRACE(Utf8(c.text) + " [" + scan_test::FormName(form) + "]");
            TScanText text(c.text);
            const uint16_t before = text.Classes(form)[c.index];
            text.HandleNumberMiddles(c.spaces);
            EXPECT_EQ(text.Classes(form)[c.index], c.becomes_digit ? cw_middle_digit : before);
        }
    }
}

// ---- small routines ----

TEST(BareAssemb3Small, ScanForIntRemoveAndReplace) {
    const int32_t values[] = {4, 8, 15, 16, 23, 42};
    EXPECT_EQ(ScanForInt(15, values, 6), 3);
    EXPECT_EQ(ScanForInt(42, values, 5), 0);
    EXPECT_EQ(ScanForInt(4, values, 0), 0);

    char a[] = "a-b--c";
    EXPECT_EQ(RemoveCharA(a, '-', 6), 3);
    EXPECT_STREQ(a, "abc");
    char16_t w[] = u"x.y.";
    EXPECT_EQ(RemoveCharW(w, u'.', 4), 2);
    EXPECT_EQ(std::u16string(w), u"xy");
    // Nothing removed: nothing written past the count.
    char exact[3] = {'a', 'b', 'c'};
    EXPECT_EQ(RemoveCharA(exact, '-', 3), 3);
    EXPECT_EQ(RemoveCharA(exact, 'a', 0), 0);

    char16_t r[] = u"a b c";
    ReplaceChar1ByChar2W(r, u' ', u'_', 3);
    EXPECT_EQ(std::u16string(r), u"a_b c");
}

} // namespace
} // namespace qm7
