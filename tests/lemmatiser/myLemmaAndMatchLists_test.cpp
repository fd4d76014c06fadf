#include "lemmatiser/myLemmaAndMatchLists.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "lemmatiser/myKpSmall.h"
#include "list_files.h"
#include "platform/text.h"

namespace qm7::lemmatiser {
namespace {

using testing::TTempFolder;
using testing::Utf16Be;
using testing::Utf16Le;

std::unique_ptr<TReadFileTree> MakeList(TLemmaMatchStopOptions kind, TShowClass& collector) {
    switch (kind) {
    case as_lemma: {
        auto list = std::make_unique<TLemmaList>(true);
        list->ShowProc = collector.LemmaProc();
        return list;
    }
    case as_stop: {
        auto list = std::make_unique<TStopList>(true);
        list->ShowProc = collector.StopProc();
        return list;
    }
    default: {
        auto list = std::make_unique<TMatchList>(true);
        list->ShowProc = collector.MatchProc();
        return list;
    }
    }
}

std::vector<std::string> Utf8Lines(const std::vector<std::u16string>& lines) {
    std::vector<std::string> result;
    for (const std::u16string& line : lines)
        result.push_back(platform::Utf16ToUtf8(line));
    return result;
}

// Announcements and progress reports of a load.
struct TLoadEvents {
    std::vector<int32_t> announced;
    std::vector<std::string> names;
    std::vector<int32_t> progress;

    TAnnounceNumberAndMessageProc Announcer() {
        return {[](void* object, int32_t n, const char16_t* mess) {
                    auto* self = static_cast<TLoadEvents*>(object);
                    self->announced.push_back(n);
                    self->names.push_back(platform::Utf16ToUtf8(mess));
                },
                this};
    }
    TShowSomeProgressProc Progress() {
        return {[](void* object, int32_t n) {
                    static_cast<TLoadEvents*>(object)->progress.push_back(n);
                },
                this};
    }
};

class ListFiles : public ::testing::Test {
protected:
    bool Load(TReadFileTree& list, std::string_view bytes, bool upper = false,
              uint32_t lcid = 0x0409) {
        const auto file = folder_.Write("list" + std::to_string(++files_) + ".txt", bytes);
        return list.LoadFromFile(events_.Announcer(), events_.Progress(), lcid, upper,
                                 file.u16string());
    }
    std::vector<std::string> Walk(TReadFileTree& list) {
        if (auto* lemma = dynamic_cast<TLemmaList*>(&list))
            lemma->ShowProc = collector_.LemmaProc();
        else if (auto* match = dynamic_cast<TMatchList*>(&list); match && !match->ShowProc.code)
            match->ShowProc = collector_.MatchProc();
        collector_.Clear();
        collector_.max_To_Show = 1'000'000;
        list.Traverse();
        return Utf8Lines(collector_.StringList);
    }

    TTempFolder folder_;
    TShowClass collector_;
    TLoadEvents events_;
    int files_ = 0;
};

struct TFileCase {
    const char* name;
    TLemmaMatchStopOptions kind;
    std::string bytes;
    bool loaded;
    int32_t lines;
    std::vector<std::string> shown;
    bool commas = false;
    bool upper = false;
    uint32_t lcid = 0x0409;
};

TEST_F(ListFiles, FileRules) {
    const std::vector<TFileCase> cases = {
        {"pairs and bare variants",
         as_lemma,
         "GO -> GOES, GOING\r\nWENT\r\n",
         true,
         3,
         {"GOES (GO)", "GOING (GO)", "WENT (GO)"}},
        {"same words in UTF-16 LE",
         as_lemma,
         Utf16Le(u"GO -> GOES, GOING\r\nWENT\r\n"),
         true,
         3,
         {"GOES (GO)", "GOING (GO)", "WENT (GO)"}},
        {"same words in UTF-16 BE",
         as_lemma,
         Utf16Be(u"GO -> GOES, GOING\r\nWENT\r\n"),
         true,
         3,
         {"GOES (GO)", "GOING (GO)", "WENT (GO)"}},
        {"headword equal to variant", as_lemma, "GO -> GO", false, 0, {}},
        {"bare variant before any headword", as_lemma, "WENT\nGO -> GOES", true, 1, {"GOES (GO)"}},
        {"headword alone becomes current", as_lemma, "GO ->\nWENT", true, 1, {"WENT (GO)"}},
        {"empty headword", as_lemma, "-> WENT\nGONE", false, 0, {}},
        {"first arrow splits", as_lemma, "A -> B -> C", true, 1, {"B -> C (A)"}},
        {"variant under two headwords: first wins",
         as_lemma,
         "GO -> WENT\nBE -> WENT",
         true,
         2,
         {"WENT (GO)"}},
        {"headwords join without regard to case",
         as_lemma,
         "GO -> GOES\ngo -> went",
         true,
         2,
         {"GOES (GO)", "went (GO)"}},
        {"comment with a comma",
         as_lemma,
         "; remark, with a comma\nGO -> GOES",
         true,
         1,
         {"GOES (GO)"}},
        {"comment after a comma runs to the line end",
         as_match,
         "A, ;b, c\nD",
         true,
         2,
         {"A", "D"}},
        {"commas split a match list", as_match, "New York, NY", true, 2, {"NY", "New York"}},
        {"commas kept when allowed", as_match, "New York, NY", true, 1, {"New York, NY"}, true},
        {"stop list", as_stop, "THE\nA", true, 2, {"A", "THE"}},
        {"duplicates counted, stored once", as_match, "B\nA\nB\n", true, 3, {"A", "B"}},
        {"VT separates in UTF-16", as_match, Utf16Le(u"A\vB"), true, 2, {"A", "B"}},
        {"VT does not separate 8-bit text", as_match, "A\vB", true, 1, {"A\vB"}},
        {"line and paragraph separators in UTF-16",
         as_match,
         Utf16Le(u"A\u2028B\u2029C"),
         true,
         3,
         {"A", "B", "C"}},
        {"CR, LF, CR LF and FF", as_match, "A\rB\nC\r\nD\fE", true, 5, {"A", "B", "C", "D", "E"}},
        {"items trimmed", as_match, "  \tA B \t\n \n", true, 1, {"A B"}},
        {"NUL ends the text", as_match, std::string("A\nB\0C", 5), true, 2, {"A", "B"}},
        {"odd trailing byte ignored", as_match, Utf16Le(u"AB") + "C", true, 1, {"AB"}},
        {"UTF-8 signature is part of the first item",
         as_match,
         "\xEF\xBB\xBF"
         "A",
         true,
         1,
         {"\xC3\xAF\xC2\xBB\xC2\xBF"
          "A"}},
        {"8-bit text read in the system code page", as_match, "caf\xE9", true, 1, {"café"}},
        {"8-bit upper-casing",
         as_match,
         "caf\xE9, stra\xDF"
         "e",
         true,
         2,
         {"CAFÉ", "STRAßE"},
         false,
         true},
        {"UTF-16 upper-casing",
         as_lemma,
         Utf16Le(u"go -> straße"),
         true,
         1,
         {"STRAßE (GO)"},
         false,
         true},
        {"Turkish upper-casing", as_match, Utf16Le(u"i"), true, 1, {"İ"}, false, true, 0x041F},
        {"seed-like entries stored but never shown", as_match, "x_8z\nA", true, 2, {"A"}},
        {"only comments", as_match, "; nothing\n;at all", false, 0, {}},
        {"1-byte file", as_match, "A", false, 0, {}},
    };
    for (const TFileCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto list = MakeList(c.kind, collector_);
        list->allow_strings_with_commas = c.commas;
        const bool read = Load(*list, c.bytes, c.upper, c.lcid);
        EXPECT_EQ(read && list->LoadedOK(), c.loaded);
        EXPECT_EQ(list->lines, c.lines);
        EXPECT_EQ(Walk(*list), c.shown);
    }
}

TEST_F(ListFiles, LemmaCountsVariantsAndHeadwords) {
    TLemmaList list(true);
    ASSERT_TRUE(Load(list, "GO -> GOES, GOING\nWENT\nBE -> WENT\n"));
    EXPECT_EQ(list.lines, 4);
    EXPECT_EQ(list.lemma_pair_entries, 3);
    EXPECT_EQ(std::u16string(list.LemmaVariantsOf(u"go", u", ")), u"GOES, GOING, WENT");
    // BE stays listed although its only variant was taken by GO.
    EXPECT_EQ(list.headwords.Count(), 2);
    EXPECT_EQ(std::u16string(list.LemmaVariantsOf(u"BE", u", ")), u"");
    EXPECT_EQ(std::u16string(list.LemmaVariantsOf(u"NONE", u", ")), u"");
}

TEST_F(ListFiles, HeadwordsSortInLocaleOrderIgnoringCase) {
    TLemmaList list(true);
    ASSERT_TRUE(Load(list, Utf16Le(u"Zebra -> z1\napple -> a1\nÄpfel -> a2\nbanana -> b1\n"
                                   u"APPLE -> a3\n")));
    std::vector<std::u16string> order;
    for (int32_t n = 0; n < list.headwords.Count(); ++n)
        order.push_back(list.headwords.At(n)->text);
    EXPECT_EQ(order, (std::vector<std::u16string>{u"Äpfel", u"apple", u"banana", u"Zebra"}));
    EXPECT_EQ(list.headwords.At(4), nullptr);
    EXPECT_EQ(list.headwords.At(-1), nullptr);
    EXPECT_EQ(std::u16string(list.LemmaVariantsOf(u"Apple", u"+")), u"a1+a3");
}

TEST_F(ListFiles, LemmaVariantsAreCutWithoutSplittingASurrogatePair) {
    TLemmaList list(true);
    // 253 units, then a pair that would straddle the 255-unit limit.
    const std::u16string long_variant = std::u16string(253, u'x') + u"\U0001F600";
    ASSERT_TRUE(Load(list, Utf16Le(u"H -> a\n" + long_variant)));
    const std::u16string joined = list.LemmaVariantsOf(u"H", u",");
    EXPECT_EQ(joined, u"a," + std::u16string(253, u'x'));
}

TEST_F(ListFiles, AnnouncementsAndProgress) {
    TMatchList list(true);
    std::string text;
    for (int i = 0; i < 600; ++i)
        text += "w" + std::to_string(i) + (i % 2 ? "\r\n" : "\n");
    ASSERT_TRUE(Load(list, text));
    // The estimate counts LF-only line ends too.
    EXPECT_EQ(events_.announced, (std::vector<int32_t>{601, 600}));
    EXPECT_EQ(events_.names.front(), "match list");
    EXPECT_EQ(events_.progress, (std::vector<int32_t>{0, 256, 512}));
}

TEST_F(ListFiles, DisplayNamesOfTheKinds) {
    TLemmaList lemma(true);
    TStopList stop(true);
    TMatchList relation(true);
    EXPECT_EQ(std::u16string(lemma.name_of_process.data()), u"lemmas");
    EXPECT_EQ(std::u16string(stop.name_of_process.data()), u"stop list");
    EXPECT_EQ(std::u16string(relation.name_of_process.data()), u"match list");
    EXPECT_EQ(LemmaMatchStopFileTypeStr(as_relation, u"x.txt"), u"relation list file x.txt");
}

TEST_F(ListFiles, MissingFileKeepsTheListAndEmptyFileEmptiesIt) {
    TMatchList list(true);
    ASSERT_TRUE(Load(list, "A\nB"));
    EXPECT_FALSE(list.LoadFromFile({}, {}, 0x0409, false, u"/no/such/list.txt"));
    EXPECT_EQ(list.lines, 2);
    EXPECT_EQ(Walk(list), (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(Load(list, "A"));
    EXPECT_TRUE(Walk(list).empty());
    // A folder exists but cannot be read as a file.
    EXPECT_THROW(list.LoadFromFile({}, {}, 0x0409, false, folder_.Path().u16string()),
                 std::runtime_error);
}

TEST_F(ListFiles, ClearForgetsDataFlagAndCurrentHeadword) {
    TLemmaList list(true);
    ASSERT_TRUE(Load(list, "GO -> GOES"));
    EXPECT_TRUE(list.LoadedOK());
    EXPECT_TRUE(Load(list, "WENT\n; no headword in this file\n"));
    EXPECT_FALSE(list.LoadedOK());
    EXPECT_EQ(list.lemma_pair_entries, 0);
    EXPECT_TRUE(Walk(list).empty());
}

TEST_F(ListFiles, LookUpsAndSeeds) {
    TLemmaList list(true);
    ASSERT_TRUE(Load(list, Utf16Le(u"GO -> WENT\nx_8z -> y_8z")));
    const TLemmaEntryRec went = list.FoundVariant(u"WENT");
    ASSERT_NE(went.headwordp, nullptr);
    EXPECT_EQ(std::u16string(went.headwordp), u"GO");
    EXPECT_EQ(list.FoundVariant(u"went").headwordp, nullptr);
    // A planted seed has no headword; an entry that looks like one is kept.
    EXPECT_EQ(list.FoundVariant(u"M_8z").headwordp, nullptr);
    ASSERT_NE(list.FoundVariant(u"y_8z").headwordp, nullptr);
    EXPECT_EQ(Walk(list), (std::vector<std::string>{"WENT (GO)"}));

    // An 8-bit key is converted whole, whatever its length.
    const std::string long_key(300, 'k');
    ASSERT_TRUE(Load(list, Utf16Le(u"H -> " + std::u16string(300, u'k'))));
    const void* key = list.CopyOfPointer(long_key.c_str(), false);
    EXPECT_NE(list.FoundVariant(key).headwordp, nullptr);
}

TEST_F(ListFiles, ReverseSortedListWalksFailButClearAndReloadWork) {
    // Two entries that a walk reaches before the chain of 3000 left links.
    std::string text = "A1\nA2\n";
    for (int i = 2999; i >= 0; --i)
        text += "w" + std::to_string(10000 + i) + "\n";
    TMatchList list(true);
    ASSERT_TRUE(Load(list, text));
    EXPECT_EQ(list.lines, 3002);
    EXPECT_THROW(Walk(list), ETreeError);
    EXPECT_EQ(Utf8Lines(collector_.StringList), (std::vector<std::string>{"A1", "A2"}));
    list.Clear();
    EXPECT_EQ(list.counter, 0);
    ASSERT_TRUE(Load(list, text));
    EXPECT_EQ(list.counter, 3002 + 19);
}

TEST_F(ListFiles, CancelFromTheYieldHookKeepsWhatWasRead) {
    TMatchList list(true);
    struct TCanceller {
        TMatchList* list;
        int calls = 0;
    } canceller{&list};
    AYieldProcessProc = {[](void* object) {
                             auto* self = static_cast<TCanceller*>(object);
                             if (self->list->lines == 10)
                                 self->list->cancelled = true;
                         },
                         &canceller};
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "w" + std::to_string(i) + "\n";
    const bool read = Load(list, text);
    AYieldProcessProc = {};
    EXPECT_TRUE(read);
    EXPECT_EQ(list.lines, 11);
    // The next load starts afresh.
    EXPECT_TRUE(Load(list, text));
    EXPECT_EQ(list.lines, 100);
}

TEST_F(ListFiles, VisitCallbackArguments) {
    TMatchList list(true);
    struct TSeen {
        std::vector<std::tuple<bool, bool, int32_t, int32_t>> calls;
    } seen;
    list.ShowProc = {[](void* object, TMatchEntryRec, uint8_t in_unicode, uint8_t consider_affixes,
                        int32_t this_, int32_t out_of) {
                         static_cast<TSeen*>(object)->calls.emplace_back(
                             in_unicode != 0, consider_affixes != 0, this_, out_of);
                     },
                     &seen};
    ASSERT_TRUE(Load(list, Utf16Le(u"<un>do\na>b<")));
    list.Traverse();
    ASSERT_EQ(seen.calls.size(), 2u);
    // "<un>do" sorts before every seed; "a>b<" after "U_8z" and before "À_8z".
    EXPECT_EQ(seen.calls[0], std::make_tuple(true, true, 1, 21));
    EXPECT_EQ(std::get<1>(seen.calls[1]), false);
    EXPECT_EQ(std::get<3>(seen.calls[1]), 21);
}

} // namespace
} // namespace qm7::lemmatiser
