// The exported interface, called through the C header as a tool calls it.
#include "QM7Lemmatiser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "list_files.h"

namespace {

using qm7::lemmatiser::testing::TTempFolder;
using qm7::lemmatiser::testing::Utf16Le;

constexpr uint8_t kLemma = QM7_KIND_LEMMA;
constexpr uint8_t kMatch = QM7_KIND_MATCH;
constexpr uint8_t kStop = QM7_KIND_STOP;
constexpr uint8_t kRelation = QM7_KIND_RELATION;
constexpr int16_t kTrue = -1;

std::u16string Wide(const void* text) {
    return text != nullptr ? std::u16string(static_cast<const char16_t*>(text)) : u"<null>";
}
std::string Ansi(const void* text) {
    return text != nullptr ? std::string(static_cast<const char*>(text)) : "<null>";
}

class Exports : public ::testing::Test {
protected:
    void SetUp() override { QM7Lemmatiser_SetSystemCodePage(1252); }
    void TearDown() override {
        QM7Lemmatiser_SetYieldHook({nullptr, nullptr});
        for (uint8_t kind = 0; kind < 4; ++kind)
            for (uint8_t slot = 0; slot < QM7_LEMMATISER_SLOTS; ++slot)
                ClearOne(slot, kind);
    }
    int16_t Load(uint8_t slot, uint8_t kind, std::string_view bytes, uint8_t case_sensitive = 1,
                 uint8_t commas = 0, TAnnounceNumberAndMessageProc announce = {}) {
        const auto file = folder_.Write("list" + std::to_string(++files_) + ".txt", bytes);
        return LoadedOne(slot, file.u16string().c_str(), kind, announce, {}, 0x0409, case_sensitive,
                         commas);
    }
    std::vector<std::u16string> Lines(uint8_t slot, uint8_t kind, int32_t max = 1000) {
        std::vector<std::u16string> lines;
        const int32_t n = TraversedOne(slot, max, kind);
        for (int32_t i = 0; i < n; ++i)
            lines.push_back(Wide(GetAString(i, 1, 0)));
        return lines;
    }

    TTempFolder folder_;
    int files_ = 0;
};

TEST_F(Exports, ChangeWordGivesTheHeadwordOrTheWordItself) {
    ASSERT_EQ(Load(0, kLemma, Utf16Le(u"GO -> WENT")), kTrue);
    EXPECT_EQ(Wide(WordListerChangeWord(0, u"WENT", 0, kTrue)), u"GO");
    const char16_t* other = u"COME";
    EXPECT_EQ(WordListerChangeWord(0, other, 0, kTrue), other);
    // Asked for 8-bit text, the headword comes in the system code page.
    EXPECT_EQ(Ansi(WordListerChangeWord(0, u"WENT", 0, 0)), "GO");

    ASSERT_EQ(Load(1, kLemma, "BE -> WAS"), kTrue);
    ASSERT_EQ(Load(2, kLemma, "HAVE -> HAD"), kTrue);
    EXPECT_EQ(Ansi(LineFinderChangeWord("WAS", 0, 0)), "BE");
    EXPECT_EQ(Wide(KeyFinderChangeWord("HAD", 0, kTrue)), u"HAVE");
    EXPECT_EQ(Ansi(KeyFinderChangeWord("WAS", 0, 0)), "WAS");
}

TEST_F(Exports, WalkIntoDisplayLines) {
    ASSERT_EQ(Load(0, kLemma, Utf16Le(u"GO -> WENT")), kTrue);
    EXPECT_EQ(TraversedOne(0, 0, kLemma), 1);
    EXPECT_EQ(Wide(GetAString(0, 1, 0)), u"WENT (GO)");
    EXPECT_EQ(Ansi(GetAString(0, 0, 0)), "WENT (GO)");
    EXPECT_EQ(GetAString(1, 1, 0), nullptr);
    EXPECT_EQ(GetAString(-1, 1, 0), nullptr);

    std::string ten = "H ->";
    for (int i = 0; i < 10; ++i)
        ten += " v" + std::to_string(i) + ",";
    ASSERT_EQ(Load(3, kLemma, ten), kTrue);
    EXPECT_EQ(TraversedOne(3, 5, kLemma), 6);
    EXPECT_EQ(TraversedOne(3, 5, 4), 0);
}

TEST_F(Exports, FoundInTheList) {
    ASSERT_EQ(Load(0, kLemma, Utf16Le(u"GO -> WENT")), kTrue);
    EXPECT_EQ(FoundInTheList(0, u"GO", 1, kLemma), nullptr);
    EXPECT_EQ(Wide(FoundInTheList(0, u"WENT", 1, kLemma)), u"GO");
    // An 8-bit word is converted to the list's encoding.
    EXPECT_EQ(Wide(FoundInTheList(0, "WENT", 0, kLemma)), u"GO");
    EXPECT_EQ(FoundInTheList(0, "went", 0, kLemma), nullptr);

    ASSERT_EQ(Load(0, kMatch, "caf\xE9\nLONDON"), kTrue);
    EXPECT_EQ(Ansi(FoundInTheList(0, "LONDON", 0, kMatch)), "LONDON");
    EXPECT_EQ(Ansi(FoundInTheList(0, u"café", 1, kMatch)), "caf\xE9");
    EXPECT_EQ(FoundInTheList(0, "LONDON", 0, 4), nullptr);
    EXPECT_EQ(FoundInTheList(0, nullptr, 0, kMatch), nullptr);
}

TEST_F(Exports, SeedsAreNeverFound) {
    ASSERT_EQ(Load(0, kLemma, "GO -> WENT"), kTrue);
    ASSERT_EQ(Load(0, kMatch, "A\n"), kTrue);
    EXPECT_EQ(FoundInTheList(0, "M_8z", 0, kMatch), nullptr);
    EXPECT_EQ(FoundInTheList(0, "M_8z", 0, kLemma), nullptr);
    const char* seed = "t_8z";
    EXPECT_EQ(WordListerChangeWord(0, seed, 0, kTrue), seed);
    ASSERT_EQ(Load(0, kMatch, "q_8z"), kTrue);
    EXPECT_EQ(Ansi(FoundInTheList(0, "q_8z", 0, kMatch)), "q_8z");
    EXPECT_EQ(TraversedOne(0, 10, kMatch), 0);
}

TEST_F(Exports, LoadAndClearResults) {
    for (uint8_t kind = 0; kind < 6; ++kind)
        EXPECT_EQ(ClearOne(0, kind), kTrue) << int(kind);
    EXPECT_EQ(Load(0, 4, "GO -> WENT"), 0);
    EXPECT_EQ(Load(0, kLemma, "\xFF\xFE"), 0);
    EXPECT_EQ(LoadedOne(0, u"/no/such/file.txt", kLemma, {}, {}, 0x0409, 1, 0), 0);
    EXPECT_EQ(LoadedOne(0, nullptr, kLemma, {}, {}, 0x0409, 1, 0), 0);
    // A folder is no list file.
    EXPECT_EQ(LoadedOne(0, folder_.Path().u16string().c_str(), kMatch, {}, {}, 0x0409, 1, 0), 0);
}

TEST_F(Exports, ReloadingForgetsThePreviousFile) {
    ASSERT_EQ(Load(0, kMatch, "A\nB"), kTrue);
    EXPECT_EQ(Load(0, kMatch, "; nothing but a comment"), 0);
    EXPECT_EQ(MatchListWordsCount(0), 0);

    // A missing file leaves a match list as it was and a lemma list empty.
    ASSERT_EQ(Load(0, kMatch, "A\nB"), kTrue);
    EXPECT_EQ(LoadedOne(0, u"/no/such/file.txt", kMatch, {}, {}, 0x0409, 1, 0), 0);
    EXPECT_EQ(MatchListWordsCount(0), 2);
    ASSERT_EQ(Load(0, kLemma, "GO -> WENT"), kTrue);
    EXPECT_EQ(LoadedOne(0, u"/no/such/file.txt", kLemma, {}, {}, 0x0409, 1, 0), 0);
    EXPECT_EQ(LemmaPairEntriesAltogether(0), 0);

    // Bare variants of a new file never join the old file's headword.
    ASSERT_EQ(Load(0, kLemma, "GO -> WENT"), kTrue);
    EXPECT_EQ(Load(0, kLemma, "GONE"), 0);
    EXPECT_EQ(LemmaPairEntriesAltogether(0), 0);
}

TEST_F(Exports, CountsHeadwordsAndVariants) {
    struct TAnnounced {
        std::vector<int32_t> n;
    } announced;
    TAnnounceNumberAndMessageProc announce = {[](void* object, int32_t n, const char16_t*) {
                                                  static_cast<TAnnounced*>(object)->n.push_back(n);
                                              },
                                              &announced};
    ASSERT_EQ(Load(5, kLemma, "GO -> GOES, WENT\nbe -> was\nWENT\n", 1, 0, announce), kTrue);
    EXPECT_EQ(announced.n, (std::vector<int32_t>{4, 4, 3}));
    EXPECT_EQ(LemmaPairEntriesAltogether(5), 3);
    EXPECT_EQ(LemmaHeadWordsCount(5), 2);
    EXPECT_EQ(Wide(LemmaHeadWords(5, 0)), u"be");
    EXPECT_EQ(Wide(LemmaHeadWords(5, 1)), u"GO");
    EXPECT_EQ(LemmaHeadWords(5, 2), nullptr);
    EXPECT_EQ(LemmaHeadWords(5, -1), nullptr);
    EXPECT_EQ(Wide(LemmaVariantsOf(5, u"go", u", ")), u"GOES, WENT");
    EXPECT_EQ(Wide(LemmaVariantsOf(5, u"come", u", ")), u"");
    // A result handed back as an argument is read before the buffer is refilled.
    const char16_t* headword =
        static_cast<const char16_t*>(WordListerChangeWord(5, "was", 0, kTrue));
    EXPECT_EQ(Wide(LemmaVariantsOf(5, headword, u", ")), u"was");

    ASSERT_EQ(Load(5, kMatch, "New York, NY\nLONDON", 1, 1), kTrue);
    EXPECT_EQ(MatchListWordsCount(5), 2);
    ASSERT_EQ(Load(5, kStop, "New York, NY\nLONDON", 1, 1), kTrue);
    EXPECT_EQ(StopListWordsCount(5), 3);
    ASSERT_EQ(Load(5, kRelation, "New York, NY", 1, 1), kTrue);
    EXPECT_EQ(Lines(5, kRelation), (std::vector<std::u16string>{u"NY", u"New York"}));
}

TEST_F(Exports, UpperCasingLoadNeedsUpperCaseKeys) {
    ASSERT_EQ(Load(0, kLemma, Utf16Le(u"go -> straße"), 0), kTrue);
    EXPECT_EQ(Wide(WordListerChangeWord(0, u"STRAßE", 0, kTrue)), u"GO");
    const char16_t* lower = u"straße";
    EXPECT_EQ(WordListerChangeWord(0, lower, 0, kTrue), lower);
}

TEST_F(Exports, SlotsAboveTwentyOneGiveNothing) {
    const char16_t* word = u"WENT";
    EXPECT_EQ(Load(22, kLemma, "GO -> WENT"), 0);
    EXPECT_EQ(ClearOne(22, kLemma), 0);
    CancelOne(255, kLemma);
    EXPECT_EQ(WordListerChangeWord(22, word, 0, kTrue), word);
    EXPECT_EQ(FoundInTheList(22, word, 1, kLemma), nullptr);
    EXPECT_EQ(LemmaVariantsOf(22, word, u","), nullptr);
    EXPECT_EQ(LemmaHeadWords(22, 0), nullptr);
    EXPECT_EQ(LemmaHeadWordsCount(22), 0);
    EXPECT_EQ(LemmaPairEntriesAltogether(22), 0);
    EXPECT_EQ(MatchListWordsCount(22), 0);
    EXPECT_EQ(StopListWordsCount(22), 0);
    EXPECT_EQ(TraversedOne(22, 10, kLemma), 0);
    TraverseLemmasDoing(22, {});
    TraverseMatchesDoing(200, {});
}

TEST_F(Exports, ResultsAreCutAt255WithoutSplittingCharacters) {
    // A headword whose 255th unit would be the first half of a pair.
    const std::u16string head = std::u16string(254, u'h') + u"\U0001F600";
    ASSERT_EQ(Load(0, kLemma, Utf16Le(head + u" -> V")), kTrue);
    EXPECT_EQ(Wide(WordListerChangeWord(0, u"V", 0, kTrue)), std::u16string(254, u'h'));
    EXPECT_EQ(Ansi(WordListerChangeWord(0, u"V", 0, 0)), std::string(254, 'h') + "?");

    // In a double-byte code page a character is kept whole or left out.
    ASSERT_EQ(QM7Lemmatiser_SetSystemCodePage(932), kTrue);
    const std::u16string kana = std::u16string(254, u'k') + u"\u3042";
    ASSERT_EQ(Load(0, kLemma, Utf16Le(kana + u" -> V")), kTrue);
    EXPECT_EQ(Ansi(WordListerChangeWord(0, u"V", 0, 0)), std::string(254, 'k'));
    EXPECT_EQ(QM7Lemmatiser_SetSystemCodePage(12345), 0);
}

TEST_F(Exports, SystemCodePageGovernsEightBitText) {
    ASSERT_EQ(QM7Lemmatiser_SetSystemCodePage(1251), kTrue);
    ASSERT_EQ(Load(0, kLemma, "\xC8\xC4\xD2\xC8 -> \xD8\xC5\xCB"), kTrue); // ИДТИ -> ШЕЛ
    EXPECT_EQ(Wide(WordListerChangeWord(0, "\xD8\xC5\xCB", 0, kTrue)), u"ИДТИ");
    EXPECT_EQ(Lines(0, kLemma), (std::vector<std::u16string>{u"ШЕЛ (ИДТИ)"}));
}

struct TWalkRecord {
    std::vector<std::u16string> texts;
    std::vector<int32_t> positions;
    int32_t out_of = 0;
    bool unicode = false;
};

TEST_F(Exports, TraverseDoingCallsTheHostForEveryEntry) {
    ASSERT_EQ(Load(0, kLemma, Utf16Le(u"GO -> WENT, GONE")), kTrue);
    TWalkRecord record;
    TraverseLemmasDoing(0, {[](void* object, const TLemmaEntryRec* t, uint8_t in_unicode, uint8_t,
                               int32_t this_, int32_t out_of) {
                                auto* r = static_cast<TWalkRecord*>(object);
                                r->texts.push_back(static_cast<const char16_t*>(t->variantp) +
                                                   std::u16string(u"/") + t->headwordp);
                                r->positions.push_back(this_);
                                r->out_of = out_of;
                                r->unicode = in_unicode != 0;
                            },
                            &record});
    EXPECT_EQ(record.texts, (std::vector<std::u16string>{u"GONE/GO", u"WENT/GO"}));
    EXPECT_EQ(record.out_of, 21);
    EXPECT_TRUE(record.unicode);

    const auto collect = [](void* object, TMatchEntryRec t, uint8_t, uint8_t, int32_t, int32_t) {
        static_cast<TWalkRecord*>(object)->texts.push_back(
            std::u16string(u"8:") + char16_t(*static_cast<const char*>(t.searchp)));
    };
    for (uint8_t kind : {kMatch, kStop, kRelation})
        ASSERT_EQ(Load(0, kind, "B\nA"), kTrue);
    TWalkRecord matches, stops, relations;
    TraverseMatchesDoing(0, {collect, &matches});
    TraverseStopsDoing(0, {collect, &stops});
    TraverseRelationsDoing(0, {collect, &relations});
    const std::vector<std::u16string> expected = {u"8:A", u"8:B"};
    EXPECT_EQ(matches.texts, expected);
    EXPECT_EQ(stops.texts, expected);
    EXPECT_EQ(relations.texts, expected);
    // The next TraversedOne binds the collector again.
    EXPECT_EQ(Lines(0, kStop), (std::vector<std::u16string>{u"A", u"B"}));
}

// Host code run by the yield hook during a load of slot 4.
struct TReentry {
    bool done = false;
    int16_t loaded = 1, cleared = 1;
    int32_t walked = 1;
    const void* changed = nullptr;
    std::u16string file;
};

TEST_F(Exports, ReentryFromTheYieldHookGivesNothingButCancelWorks) {
    std::string text;
    for (int i = 0; i < 50; ++i)
        text += "W" + std::to_string(i) + "\n";
    TReentry reentry;
    reentry.file = folder_.Write("other.txt", "A\nB").u16string();
    QM7Lemmatiser_SetYieldHook({[](void* object) {
                                    auto* r = static_cast<TReentry*>(object);
                                    if (r->done || MatchListWordsCount(4) < 5)
                                        return;
                                    r->done = true;
                                    r->loaded =
                                        LoadedOne(4, r->file.c_str(), kMatch, {}, {}, 0x0409, 1, 0);
                                    r->cleared = ClearOne(4, kMatch);
                                    r->walked = TraversedOne(4, 10, kMatch);
                                    r->changed = FoundInTheList(4, "W1", 0, kMatch);
                                    CancelOne(4, kMatch);
                                },
                                &reentry});
    EXPECT_EQ(Load(4, kMatch, text), kTrue);
    QM7Lemmatiser_SetYieldHook({nullptr, nullptr});
    EXPECT_TRUE(reentry.done);
    EXPECT_EQ(reentry.loaded, 0);
    EXPECT_EQ(reentry.cleared, 0);
    EXPECT_EQ(reentry.walked, 0);
    EXPECT_EQ(reentry.changed, nullptr);
    // Cancelled: the load stopped before its next item and kept what it read.
    EXPECT_EQ(MatchListWordsCount(4), 6);
    EXPECT_NE(FoundInTheList(4, "W1", 0, kMatch), nullptr);
    // Another slot stays usable from inside the hook.
    EXPECT_EQ(LoadedOne(5, reentry.file.c_str(), kMatch, {}, {}, 0x0409, 1, 0), kTrue);
}

TEST_F(Exports, LopsidedListKeepsCollectedLinesAndCanBeCleared) {
    std::string text = "A1\n";
    for (int i = 2999; i >= 0; --i)
        text += "w" + std::to_string(10000 + i) + "\n";
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(Load(7, kMatch, text), kTrue);
        EXPECT_EQ(TraversedOne(7, 100000, kMatch), 0);
        EXPECT_EQ(Wide(GetAString(0, 1, 0)), u"A1");
        EXPECT_EQ(GetAString(1, 1, 0), nullptr);
        EXPECT_EQ(ClearOne(7, kMatch), kTrue);
    }
    EXPECT_EQ(TraversedOne(7, 10, kMatch), 0);
    EXPECT_EQ(GetAString(0, 1, 0), nullptr);
}

// Pairs in sorted, reverse and shuffled order, with variants repeated under
// other headwords and seed texts among them: every variant gives the headword
// it was first read under, and other words give themselves back.
TEST_F(Exports, ChangeWordOnListsInAnyOrder) {
    std::vector<std::pair<std::string, std::string>> pairs; // variant, headword
    for (int i = 0; i < 600; ++i) {
        const std::string stem = (i % 4 ? "v" : "V") + std::to_string(1000 + i);
        pairs.emplace_back(stem + "s", "H" + stem);
        pairs.emplace_back(stem + "ed", "H" + stem);
    }
    for (const char* order : {"sorted", "reverse", "shuffled"}) {
        SCOPED_TRACE(order);
        std::vector<std::pair<std::string, std::string>> listed = pairs;
        std::sort(listed.begin(), listed.end());
        if (std::string(order) == "reverse")
            std::reverse(listed.begin(), listed.end());
        if (std::string(order) == "shuffled")
            std::shuffle(listed.begin(), listed.end(), std::mt19937(3));
        // Repeats under another headword, and a seed text, lose.
        for (size_t i = 0; i < listed.size(); i += 9)
            listed.push_back({listed[i].first, "LATE"});
        listed.insert(listed.begin() + 40, {"M_8z", "SEED"});
        std::map<std::string, std::string> expected;
        std::string text;
        for (const auto& [variant, headword] : listed) {
            text += headword + " -> " + variant + "\n";
            expected.emplace(variant, headword);
        }
        expected.erase("M_8z");
        std::u16string wide_text(text.begin(), text.end());
        ASSERT_EQ(Load(0, kLemma, text), kTrue);
        ASSERT_EQ(Load(1, kLemma, Utf16Le(wide_text)), kTrue);
        EXPECT_EQ(LemmaPairEntriesAltogether(0), int32_t(expected.size()));
        std::vector<std::string> words = {"", "M_8z", "t_8z", "v1000", "V1000s!", "zzz", "HV1000"};
        for (const auto& [variant, headword] : expected)
            words.push_back(variant);
        for (const std::string& word : words) {
            const auto found = expected.find(word);
            const std::string want = found != expected.end() ? found->second : word;
            const void* narrow = WordListerChangeWord(0, word.c_str(), 0, 0);
            EXPECT_EQ(narrow == word.c_str() ? word : Ansi(narrow), want) << word;
            const std::u16string wide(word.begin(), word.end());
            const void* changed = WordListerChangeWord(1, wide.c_str(), 0, kTrue);
            EXPECT_EQ(changed == wide.c_str() ? wide : Wide(changed),
                      std::u16string(want.begin(), want.end()))
                << word;
        }
    }
}

// Found by fuzzing: an 8-bit word handed to a UTF-16 list is read as UTF-16
// text, whole, up to a zero unit. Ended so, it is looked up like any other.
TEST_F(Exports, WordInTheOtherEncodingIsReadAsTheListsText) {
    ASSERT_EQ(Load(0, kLemma, Utf16Le(u"GO -> GOES\u2028WENT\r\nstra\u00DFe -> x\n") + '\0'),
              kTrue);
    const char word[] = "\xFF\xFE"
                        "G\0\0";
    EXPECT_EQ(WordListerChangeWord(0, word, 0, 0), word);
    const char went[] = "W\0E\0N\0T\0\0";
    EXPECT_EQ(Ansi(WordListerChangeWord(0, went, 0, 0)), "GO");
}

} // namespace
