#include "runtime1/search/search_engines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/codepage.h"
#include "platform/pointerlist.h"
#include "platform/stream.h"
#include "platform/text.h"
#include "runtime1/scanning/scan_fixture.h"

namespace qm7 {
namespace {

using scan_test::TForm;
using scan_test::TScanText;

constexpr uint32_t kEnglish = 0x0409; // code page 1252
constexpr uint32_t kGreek = 0x0408;   // code page 1253

std::string U8(std::u16string_view s) {
    return platform::Utf16ToUtf8(s);
}

TSearch_word_format_rec Word(std::u16string entry) {
    return scan_test::ParsedWord(std::move(entry));
}

// Runs an engine over a UTF-16 text with its own class array; the hit
// offsets in order.
struct TRun {
    std::vector<int32_t> starts;
    std::vector<TSearchFound_Rec> recs;
    int word_count_calls = 0;
};

class EngineTest : public ::testing::Test {
protected:
    void TearDown() override {
        Global_in_heading = false;
        Global_LowestJumpTo = 0;
    }

    // answer(i) says whether hit i counts.
    TRun RunOver(const std::u16string& text, TSearch_word_format_rec& word,
                 const std::function<bool(TSearchAndDoEngine*, int)>& answer = {}) {
        TRun run;
        TSearchAndDoEngine engine(true, true, kEnglish);
        engine.PrepareFirst(
            text.c_str(), int64_t(text.size() * 2), 0,
            [&](TSearchAndDoEngine* e, const TSearchFound_Rec& r) {
                run.starts.push_back(r.hit_pos_in_wchar_kinds);
                run.recs.push_back(r);
                return answer ? answer(e, int(run.starts.size()) - 1) : true;
            },
            [&](TSearchAndDoEngine*, const TSearchStatsRec&) { ++run.word_count_calls; });
        EXPECT_TRUE(engine.SearchAndDo(&word));
        return run;
    }
};

TEST_F(EngineTest, ReportsEveryHitWithItsPositionAndLengths) {
    auto word = Word(u"book*");
    const TRun run = RunOver(u"a book, books and a bookcase", word);
    ASSERT_EQ(run.starts, (std::vector<int32_t>{2, 8, 20}));
    EXPECT_EQ(run.recs[1].exact_hit_len, 4);
    EXPECT_EQ(run.recs[1].hit_characters, 5); // extended to the end of "books"
    EXPECT_EQ(run.recs[2].hit_characters, 8);
    EXPECT_EQ(run.recs[0].hit_pos_in_characters, 2);
    EXPECT_EQ(run.word_count_calls, 1);
}

TEST_F(EngineTest, LimitCountsOnlyAcceptedHits) {
    const std::u16string text = u"cat cat cat cat cat";
    auto word = Word(u"cat");
    word.n_to_find = 3;
    EXPECT_EQ(RunOver(text, word).starts.size(), 3u);
    word.n_to_find = 3;
    // The second hit is refused: it does not count, so four calls.
    EXPECT_EQ(RunOver(text, word, [](TSearchAndDoEngine*, int i) { return i != 1; }).starts.size(),
              4u);
    word.n_to_find = 0;
    EXPECT_EQ(RunOver(text, word).starts.size(), 5u);
}

TEST_F(EngineTest, FoundEnoughAndCancelEndTheSearchAfterThatHit) {
    const std::u16string text = u"cat cat cat cat";
    auto word = Word(u"cat");
    TRun run = RunOver(text, word, [](TSearchAndDoEngine* e, int i) {
        if (i == 1)
            e->FoundEnough();
        return true;
    });
    EXPECT_EQ(run.starts.size(), 2u);
    EXPECT_EQ(run.word_count_calls, 1);
    run = RunOver(text, word, [](TSearchAndDoEngine* e, int) {
        e->Cancel();
        return true;
    });
    EXPECT_EQ(run.starts.size(), 1u);
}

TEST_F(EngineTest, HitAtTheLastCharacterAndOverlappingHits) {
    auto word = Word(u"a");
    EXPECT_EQ(RunOver(u"b a", word).starts, (std::vector<int32_t>{2}));
    auto aa = Word(u"*aa*");
    aa.flags = {};
    // Hits overlap: the scan resumes one character after each hit start.
    EXPECT_EQ(RunOver(u"aaaa", aa).starts, (std::vector<int32_t>{0, 1, 2}));
}

TEST_F(EngineTest, HeadingStatisticsAreMinusOneOutsideHeadings) {
    auto word = Word(u"sea");
    TRun run = RunOver(u"the sea", word);
    ASSERT_EQ(run.recs.size(), 1u);
    EXPECT_EQ(run.recs[0].count_stats.number[3], -1);
    EXPECT_EQ(run.recs[0].count_stats.position[3], -1);
    Global_in_heading = true;
    run = RunOver(u"the sea", word);
    EXPECT_NE(run.recs[0].count_stats.number[3], -1);
}

TEST_F(EngineTest, DoesNotRunWithoutEventBufferOrWord) {
    TSearchAndDoEngine engine(true, true, kEnglish);
    auto word = Word(u"x");
    EXPECT_FALSE(engine.SearchAndDo(&word)); // not prepared
    const std::u16string text = u"x";
    int calls = 0;
    engine.PrepareFirst(text.c_str(), 2, 0, {}, [&](auto*, const auto&) { ++calls; });
    EXPECT_FALSE(engine.SearchAndDo(&word)); // no search-found event
    engine.PrepareFirst(text.c_str(), 2, 0, [&](auto*, const auto&) { return ++calls, true; }, {});
    EXPECT_FALSE(engine.SearchAndDo(nullptr));
    TSearch_word_format_rec empty;
    EXPECT_FALSE(engine.SearchAndDo(&empty));
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(engine.SearchAndDo(&word, 7));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(engine.current_search_number, 7);
}

TEST_F(EngineTest, FailureInsideTheSearchNamesFileAndTypedText) {
    const std::u16string text = u"one two";
    TSearchAndDoEngine engine(true, true, kEnglish);
    engine.PrepareForConcordancing(
        u"corpus.txt", text.c_str(), nullptr, nullptr, 14, int64_t(text.size()), 0, false,
        [](auto*, const auto&) -> bool { throw std::runtime_error("x"); }, {});
    auto word = Word(u"two");
    try {
        engine.SearchAndDo(&word);
        FAIL() << "no error";
    } catch (const ESearchError& e) {
        EXPECT_STREQ(e.what(), "problem searching corpus.txt for \"two\"");
    }
}

TEST_F(EngineTest, PercentOfFileAndEmptyFile) {
    const std::u16string text = u"ab cd";
    auto word = Word(u"cd");
    float percent = -1;
    TSearchAndDoEngine engine(true, true, kEnglish);
    auto keep = [&](auto*, const TSearchFound_Rec& r) { return percent = r.percent_of_file, true; };
    engine.PrepareFirst(text.c_str(), 20, 4, keep, {});
    engine.SearchAndDo(&word);
    EXPECT_FLOAT_EQ(percent, (3 * 2 + 4) * 100.0f / 20); // byte 6 of the buffer, buffer at 4
    engine.PrepareFirst(text.c_str(), 0, 0, keep, {});
    engine.SearchAndDo(&word);
    EXPECT_EQ(percent, 0.0f);
}

TEST_F(EngineTest, LowestJumpToIsClampedToTheBufferAndCharacterBoundaries) {
    auto word = Word(u"cat");
    const std::u16string text = u"cat cat";
    Global_LowestJumpTo = 9; // byte 9: inside character 4, taken as character 4
    EXPECT_EQ(RunOver(text, word).starts, (std::vector<int32_t>{4}));
    Global_LowestJumpTo = 1'000'000;
    EXPECT_TRUE(RunOver(text, word).starts.empty());
}

TEST_F(EngineTest, EightBitBufferConvertsCopiesOncePerCodePage) {
    const std::string bytes = platform::UnicodeToAnsi(u"un café, deux Café", 1252);
    TSearchAndDoEngine engine(false, true, kEnglish);
    std::vector<int32_t> starts;
    engine.PrepareFirst(bytes.c_str(), int64_t(bytes.size()), 0,
                        [&](auto*, const TSearchFound_Rec& r) {
                            return starts.push_back(r.hit_pos_in_wchar_kinds), true;
                        },
                        {});
    auto word = Word(u"café");
    ASSERT_TRUE(engine.SearchAndDo(&word));
    EXPECT_EQ(starts, (std::vector<int32_t>{3, 14}));
    EXPECT_TRUE(word.copies_converted);
    EXPECT_EQ(word.copies[2], std::u16string(u"caf\u00e9")); // one code-page byte each
    starts.clear();
    ASSERT_TRUE(engine.SearchAndDo(&word)); // already converted: same hits
    EXPECT_EQ(starts.size(), 2u);

    // Greek code page 1253 has no é: after SetLCID the word is converted
    // again and has no hits (never hits on a "?").
    engine.SetLCID(kGreek);
    const std::string greek = "caf? caf\xE9";
    engine.PrepareFirst(greek.c_str(), int64_t(greek.size()), 0,
                        [&](auto*, const TSearchFound_Rec& r) {
                            return starts.push_back(r.hit_pos_in_wchar_kinds), true;
                        },
                        {});
    starts.clear();
    EXPECT_TRUE(engine.SearchAndDo(&word));
    EXPECT_TRUE(starts.empty());
    engine.SetLCID(kEnglish);
    starts.clear();
    engine.SearchAndDo(&word); // back in 1252: the é of "caf\xE9" is found
    EXPECT_EQ(starts, (std::vector<int32_t>{5}));
}

TEST_F(EngineTest, UnmappableWordNeverMatchesQuestionMarks) {
    const std::string bytes = "a ?mega here";
    TSearchAndDoEngine engine(false, true, kEnglish);
    int calls = 0;
    engine.PrepareFirst(bytes.c_str(), int64_t(bytes.size()), 0,
                        [&](auto*, const auto&) { return ++calls, true; }, {});
    auto word = Word(u"\u03a9mega");
    EXPECT_TRUE(engine.SearchAndDo(&word));
    EXPECT_EQ(calls, 0);
}

// Statistics through a tool-prepared class array with sentence and paragraph
// end markers.
TEST_F(EngineTest, ConcordancingReportsWordSentenceAndParagraphNumbers) {
    TScanText text(u" The sea¦S. A sea¦S.¦P\n\nThe sea¦S.");
    TSearchAndDoEngine engine(true, true, kEnglish);
    std::vector<TSearchFound_Rec> hits;
    TSearchStatsRec final_stats{};
    engine.SetArrayOfTagsFound({0, 1, 0, 1, 0, 0, 0, 0});
    engine.PrepareForConcordancing(
        u"t", text.Buffer(TForm::utf16), text.Classes(TForm::utf16), nullptr, text.Size() * 2,
        text.Size(), 0, false,
        [&](auto*, const TSearchFound_Rec& r) { return hits.push_back(r), true; },
        [&](auto*, const TSearchStatsRec& s) { final_stats = s; });
    EXPECT_TRUE(engine.PreAssigned());
    auto word = Word(u"sea");
    ASSERT_TRUE(engine.SearchAndDo(&word));
    ASSERT_EQ(hits.size(), 3u);
    struct {
        int32_t pos, word, sentence, paragraph;
    } const want[] = {{5, 2, 0, 0}, {12, 4, 1, 0}, {22, 6, 2, 1}};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(hits[i].hit_pos_in_wchar_kinds, want[i].pos);
        EXPECT_EQ(hits[i].count_stats.number[0], want[i].word);
        EXPECT_EQ(hits[i].count_stats.number[1], want[i].sentence);
        EXPECT_EQ(hits[i].count_stats.number[2], want[i].paragraph);
    }
    EXPECT_EQ(final_stats.number[1], 3); // the scan went on past the last hit
}

TEST_F(EngineTest, ConcordancingWithoutClassArrayBuildsOne) {
    const std::u16string text = u"no array here";
    TSearchAndDoEngine engine(true, true, kEnglish);
    int calls = 0;
    engine.PrepareForConcordancing(u"f", text.c_str(), nullptr, nullptr, 26, int64_t(text.size()),
                                   0, false, [&](auto*, const auto&) { return ++calls, true; }, {});
    EXPECT_FALSE(engine.PreAssigned());
    ASSERT_NE(engine.BufferDetails(), nullptr);
    EXPECT_EQ(engine.BufferDetailsStart(), engine.BufferDetails());
    EXPECT_EQ(engine.BufferDetailsEnd(), engine.BufferDetails() + text.size());
    auto word = Word(u"here");
    engine.SearchAndDo(&word);
    EXPECT_EQ(calls, 1);
}

TEST_F(EngineTest, ToolStartBoundSeesTheEntryBeforeAWindow) {
    TScanText text(u"xbook book");
    // A window from character 1: with the tool's start bound at entry 0 the
    // left-bounded word sees the x before it.
    TSearchAndDoEngine engine(true, true, kEnglish);
    std::vector<int32_t> starts;
    engine.SetBufferDetailsStart(text.Classes(TForm::utf16));
    engine.PrepareForConcordancing(
        u"w", static_cast<const char16_t*>(text.Buffer(TForm::utf16)) + 1,
        text.Classes(TForm::utf16) + 1, nullptr, 20, text.Size() - 1, 2, false,
        [&](auto*, const TSearchFound_Rec& r) {
            return starts.push_back(r.hit_pos_in_wchar_kinds), true;
        },
        {});
    EXPECT_EQ(engine.BufferDetailsStart(), text.Classes(TForm::utf16));
    auto word = Word(u"book");
    engine.SearchAndDo(&word);
    EXPECT_EQ(starts, (std::vector<int32_t>{5}));
}

TEST(CleanToTagOnOff, PairsEachOpeningWithTheFirstClosingAfterIt) {
    const struct {
        std::u16string in, out;
    } cases[] = {
        {u"a < b", u"a < b"},
        {u"<i>x</i>", u"\x19i\x18x\x19/i\x18"},
        {u"<<b>", u"\x19\x19"
                  u"b\x18"},
        {u"> <", u"> <"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanToTagOnOff(c.in), c.out) << U8(c.in);
}

TEST(WLSearchAndDo, QuickSearchAnswersYesOrNo) {
    const std::u16string text = u"The Old Man-of-war sails";
    TWLSearchAndDo engine(true, true, kEnglish);
    engine.SetABuffer(text.c_str());
    engine.SetSearchWord(u"man-of-war", {});
    EXPECT_EQ(engine.title_copy, u"Man-Of-War");
    EXPECT_EQ(engine.search_text, u"MAN-OF-WAR");
    EXPECT_TRUE(engine.QuickSearchFoundIgnoringTags());
    engine.SetSearchWord(u"man-of-war", TMySearchFlags::FromBits(1 << myCaseIsSensitive));
    EXPECT_FALSE(engine.QuickSearchFoundIgnoringTags());
    engine.SetSearchWord(u"a very long word beyond the buffer", {});
    EXPECT_FALSE(engine.QuickSearchFoundIgnoringTags());
}

TEST(SearchFoundList, SortsHitsByTheirOffset) {
    const char16_t text[] = u"abcdef";
    TSearchFoundList list;
    for (int offset : {4, 1, 3}) {
        TSearchFound_Rec r;
        r.start_of_memory = text;
        r.where_hit_started = text + offset;
        list.Add(new TSearchFoundHolder(r));
    }
    list.SetAscending(true, true, true);
    // Compare gives the sign of base - item; the sorts take item - base.
    list.DoASingleSort([&](const void* a, const void*) { return -list.Compare(a); }, 0);
    std::vector<int64_t> keys;
    for (int i = 0; i < list.Count(); ++i)
        keys.push_back(TSearchFoundList::KeyOf(list.Holder(i)->data()));
    EXPECT_EQ(keys, (std::vector<int64_t>{2, 6, 8}));
}

// ---- search items ----

std::vector<std::string> Typed(const TBaseSearchItems& items) {
    std::vector<std::string> out;
    for (int i = 0; i < items.Count(); ++i)
        out.push_back(U8(items.GetSWR(i).typed_in_text));
    return out;
}

TIgnore_tag_type Tags() {
    return scan_test::AngleTags();
}

TEST(SearchItems, AlternativesAreAddedLastFirst) {
    TBaseSearchItems items(Tags(), kEnglish, true);
    EXPECT_EQ(items.AddedSearchWords(u"cat/dog"), (TIndexArray{0, 1}));
    EXPECT_EQ(Typed(items), (std::vector<std::string>{"dog", "cat"}));
    // The same text again reuses the item in a base list ...
    EXPECT_EQ(items.AddedSearchWords(u"cat"), (TIndexArray{1}));
    EXPECT_EQ(items.Count(), 2);
    // ... and adds nothing at all in a search-word list.
    TSearchWordItems words(Tags(), kEnglish, true);
    words.AddedSearchWords(u"cat");
    EXPECT_TRUE(words.AddedSearchWords(u"cat").empty());
    // Runs of spaces are one space; an entry of spaces adds nothing.
    EXPECT_EQ(items.AddedSearchWords(u"the   sea"), (TIndexArray{2}));
    EXPECT_EQ(items.GetSWR(2).typed_in_text, u"the sea");
    EXPECT_TRUE(items.AddedSearchWords(u"   ").empty());
}

TEST(SearchItems, OverloadsStampTheAddedItems) {
    TBaseSearchItems items(Tags(), kEnglish, true);
    items.AddedSearchWords(u"a/b", int16_t(3));
    items.AddedSearchWords(u"c", true);
    items.AddedSearchWords(u"d", int32_t(7));
    EXPECT_EQ(items.GetLanguage(0), 3);
    EXPECT_EQ(items.GetLanguage(1), 3);
    EXPECT_TRUE(items.GetAutoLemmaAdded(2));
    EXPECT_EQ(items.GetNToFind(3), 7);
}

TEST(SearchItems, IndexOfMatchesTextAndLanguage) {
    TBaseSearchItems items;
    TSearch_word_format_rec r = Word(u"bank");
    r.Langnum = 1;
    EXPECT_EQ(items.EnsureContains(r), 0);
    TSearch_word_format_rec other = r;
    other.Langnum = 2;
    EXPECT_EQ(items.TypeInIndexOf(u"bank"), 0);
    EXPECT_EQ(items.IndexOf(other), -1);
    EXPECT_EQ(items.EnsureContains(other), 1);
    EXPECT_EQ(items.EnsureContains(other), 1);
    EXPECT_EQ(items.IndexOf(r), 0);
}

TEST(SearchItems, InsertAtTopMovesTheAddedItemsInOrder) {
    TBaseSearchItems items(Tags(), kEnglish, true);
    for (auto w : {u"a", u"b", u"c", u"d", u"e"})
        items.AddedSearchWords(w);
    EXPECT_EQ(items.InsertSearchWordsAtTop(u"x/y", true), (TIndexArray{0, 1}));
    EXPECT_EQ(Typed(items), (std::vector<std::string>{"y", "x", "a", "b", "c", "d", "e"}));
    EXPECT_TRUE(items.GetAutoLemmaAdded(0));
    // An existing item named twice is moved once.
    EXPECT_EQ(items.InsertSearchWordsAtTop(u"c/c", false), (TIndexArray{0}));
    EXPECT_EQ(Typed(items), (std::vector<std::string>{"c", "y", "x", "a", "b", "d", "e"}));
    items.MoveToTop(4);
    EXPECT_EQ(Typed(items)[0], "b");
}

TEST(SearchItems, IndicesOutsideTheListAreIgnoredOrRefused) {
    TBaseSearchItems items;
    items.AddedSearchWords(u"one");
    for (int bad : {-1, 1}) {
        EXPECT_EQ(items.GetSWR(bad).typed_in_text, u"");
        EXPECT_EQ(items.GetPtr(bad), nullptr);
        EXPECT_EQ(items.GetHitsFound(bad), 0);
        EXPECT_FALSE(items.GetSearchFound(bad));
        items.SetAFlag(bad, TMySearchFlags::FromBits(0xFF));
        items.IncrementHits(bad);
        items.ClearOne(bad);
        EXPECT_THROW(items.SetHitsFound(bad, 1), platform::EListError);
        EXPECT_THROW(items.SetLanguage(bad, 1), platform::EListError);
        EXPECT_THROW(items.SetNToFind(bad, 1), platform::EListError);
        EXPECT_THROW(items.SetAutoLemmaAdded(bad, true), platform::EListError);
    }
    EXPECT_EQ(items.Count(), 1);
    items.IncrementHits(0);
    items.IncrementHits(0);
    items.AddedSearchWords(u"two");
    items.SetHits({5, 6, 7});
    EXPECT_EQ(items.TotalHits(), 11);
    items.ClearHits();
    EXPECT_EQ(items.TotalHits(), 0);
    EXPECT_EQ(items.CopyOFArrayOFSWItems({1, -1})[0].typed_in_text, u"two");
    EXPECT_EQ(items.CopyOFArrayOFSWItems({1, -1})[1].typed_in_text, u"");
}

TEST(SearchItems, TypedWordsAsOneAndPlainSearchWords) {
    TBaseSearchItems items;
    for (int i = 0; i < 12; ++i)
        items.AddedSearchWords(platform::Utf8ToUtf16("w" + std::to_string(i)));
    EXPECT_EQ(items.AllTypedSearchWordsAsOne(true), u"w0/w1/w2/w3/w4/w5/w6/w7/w8/w9 etc.");
    EXPECT_EQ(items.AllTypedSearchWordsAsOne(false).size(), 12 * 3 - 1 + 2);
    items.Clear();
    items.AddedSearchWords(u"==Sea==");
    TSimpleSearchlist& plain = items.ComputePlainSearchWords();
    ASSERT_EQ(plain.Count(), 1);
    EXPECT_EQ(plain.GetAValue(0).seek, u"Sea");
    EXPECT_TRUE(plain.GetAValue(0).flags.Contains(myCaseIsSensitive));
}

TEST(SearchItems, ContextWordOfAnyAddedItemMakesTheContextEngine) {
    TSearchWordItems words(Tags(), kEnglish, true);
    words.AddedSearchWords(u"plain");
    EXPECT_EQ(words.TempEngine(), nullptr);
    words.AddedSearchWords(u"sea context:=ship");
    ASSERT_NE(words.TempEngine(), nullptr);
    ASSERT_NE(words.TempCWItems(), nullptr);
    EXPECT_TRUE(words.HasAnyContextWords);
    EXPECT_FALSE(words.TempEngine()->BufferInUnicode());
    EXPECT_TRUE(words.TempCWItems()->SplittingAtSlashes());
}

std::string Bytes(platform::TMemoryStream& s) {
    std::string out(size_t(s.Size()), '\0');
    s.SetPosition(0);
    s.ReadBuffer(out.data(), s.Size());
    return out;
}

TEST(SearchItems, StreamsAreByteExactAndRoundTrip) {
    TBaseSearchItems items(Tags(), kEnglish, true);
    items.AddedSearchWords(u"é");
    items.SetHitsFound(0, 12);
    items.SetLanguage(0, 3);
    platform::TMemoryStream stream;
    ASSERT_TRUE(items.SaveToStream(stream));
    const std::string want =
        std::string("\x01\x00\x00\x00\x06\x00\x00\x00", 8) + std::string("\xE9\x00\x09\x00"
                                                                         "1\x00"
                                                                         "2\x00\x09\x00"
                                                                         "3\x00",
                                                                         12);
    EXPECT_EQ(Bytes(stream), want);
    TBaseSearchItems back(Tags(), kEnglish, true);
    stream.SetPosition(0);
    ASSERT_TRUE(back.ReadFromStream(stream));
    EXPECT_EQ(back.GetSWR(0).typed_in_text, u"é");
    EXPECT_EQ(back.GetHitsFound(0), 12);
    EXPECT_EQ(back.GetLanguage(0), 3);
}

void WriteItem(platform::TStream& s, std::u16string_view text) {
    platform::WriteI32(s, int32_t(text.size()));
    for (char16_t c : text)
        platform::WriteU16(s, c);
}

TEST(SearchItems, ReadingItemStrings) {
    platform::TMemoryStream stream;
    platform::WriteI32(stream, 4);
    WriteItem(stream, u"book\t12\t3");
    WriteItem(stream, u"pen\t12");      // one tab: no counts
    WriteItem(stream, u"a\tb\t5\t2");   // a tab inside the typed text
    WriteItem(stream, u"ink\tmany\t4"); // a count that is no number
    stream.SetPosition(0);
    TBaseSearchItems items;
    ASSERT_TRUE(items.ReadFromStream(stream));
    ASSERT_EQ(items.Count(), 4);
    EXPECT_EQ(items.GetHitsFound(0), 12);
    EXPECT_EQ(items.GetLanguage(0), 3);
    EXPECT_EQ(items.GetSWR(1).typed_in_text, u"pen");
    EXPECT_EQ(items.GetHitsFound(1), 0);
    EXPECT_EQ(items.GetSWR(2).typed_in_text, u"a\tb");
    EXPECT_EQ(items.GetHitsFound(2), 5);
    EXPECT_EQ(items.GetLanguage(2), 2);
    EXPECT_EQ(items.GetHitsFound(3), 0);
    EXPECT_EQ(items.GetLanguage(3), 4);
}

TEST(SearchItems, DamagedStreamsAreRefusedKeepingWhatWasRead) {
    {
        platform::TMemoryStream stream;
        platform::WriteI32(stream, 1'000'000'000); // more items than bytes
        stream.SetPosition(0);
        TBaseSearchItems items;
        EXPECT_FALSE(items.ReadFromStream(stream));
    }
    platform::TMemoryStream stream;
    platform::WriteI32(stream, 2);
    WriteItem(stream, u"kept");
    platform::WriteI32(stream, 0x7FFFFFFF); // a length beyond the end
    platform::WriteU16(stream, u'x');
    stream.SetPosition(0);
    TBaseSearchItems items;
    EXPECT_FALSE(items.ReadFromStream(stream));
    EXPECT_EQ(Typed(items), (std::vector<std::string>{"kept"}));
}

class SearchItemFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("qm_search_items_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path Write(const std::string& name, const std::string& bytes) {
        const auto path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::filesystem::path dir_;
};

TEST_F(SearchItemFiles, SaveWritesUtf16WithAMarkAndLoadReadsItBack) {
    TBaseSearchItems items(Tags(), kEnglish, true);
    items.AddedSearchWords(u"b/ça");
    const auto path = dir_ / "items.txt";
    ASSERT_TRUE(items.SaveToFile(path));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(bytes, std::string("\xFF\xFE\xE7\x00"
                                 "a\x00\x0D\x00\x0A\x00"
                                 "b\x00\x0D\x00\x0A\x00",
                                 16));
    TBaseSearchItems back(Tags(), kEnglish, true);
    EXPECT_TRUE(back.LoadFromFile(path, 5));
    EXPECT_TRUE(back.FromAFile());
    EXPECT_EQ(Typed(back), (std::vector<std::string>{"ça", "b"}));
    EXPECT_EQ(back.GetNToFind(1), 5);
}

TEST_F(SearchItemFiles, FilesWithoutAMarkAreUtf8WhenValidElseTheSystemCodePage) {
    TBaseSearchItems items(Tags(), kEnglish, true);
    EXPECT_TRUE(items.LoadFromFile(Write("u8.txt", "caf\xC3\xA9\n"), 0));
    EXPECT_EQ(items.GetSWR(0).typed_in_text, u"café");
    EXPECT_TRUE(items.LoadFromFile(Write("ansi.txt", "caf\xE9\r\n"), 0));
    EXPECT_EQ(Typed(items), (std::vector<std::string>{"café"}));
    EXPECT_FALSE(items.LoadFromFile(Write("empty.txt", "\n\n\r\n"), 0));
    EXPECT_EQ(items.Count(), 0);
    EXPECT_FALSE(items.FromAFile());
    EXPECT_ANY_THROW(items.LoadFromFile(dir_ / "missing.txt", 0));
}

} // namespace
} // namespace qm7
