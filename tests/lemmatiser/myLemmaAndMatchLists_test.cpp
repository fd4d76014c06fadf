#include "lemmatiser/myLemmaAndMatchLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <type_traits>
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

// ---- The lists' trees keep the shape plain descents give them ----

// The seeds every load plants first, in 8-bit form (UTF-16 lists hold the
// same characters).
const std::vector<std::string> kSeedTexts = {
    "M_8z", "F_8z", "S_8z", "C_8z", "U_8z", "\xC0_8z", "}_8z", "P_8z", "\xE0_8z", "J_8z",
    "T_8z", "m_8z", "f_8z", "s_8z", "c_8z", "u_8z",    "p_8z", "j_8z", "t_8z"};

template <typename Char> std::string Shown(const std::basic_string<Char>& text) {
    std::string out;
    for (const Char c : text) {
        const auto u = unsigned(std::make_unsigned_t<Char>(c));
        out += u >= 0x20 && u < 0x7F ? std::string(1, char(u)) : "<" + std::to_string(u) + ">";
    }
    return out;
}

template <typename Char> std::basic_string<Char> Units(const std::string& bytes) {
    std::basic_string<Char> units;
    for (const char c : bytes)
        units += Char(static_cast<unsigned char>(c));
    return units;
}

// A binary search tree grown by plain descents, ordered as the lists order
// their entries (ordinal, by unsigned units).
template <typename Char> class TReferenceTree {
public:
    void Add(const std::basic_string<Char>& text) {
        if (nodes_.empty()) {
            nodes_.push_back({text});
            return;
        }
        for (size_t at = 0;;) {
            if (text == nodes_[at].text)
                return;
            const bool left = text < nodes_[at].text;
            const int next = left ? nodes_[at].left : nodes_[at].right;
            if (next >= 0) {
                at = size_t(next);
                continue;
            }
            (left ? nodes_[at].left : nodes_[at].right) = int(nodes_.size());
            nodes_.push_back({text});
            return;
        }
    }
    // Whether the text is present, and the last node a descent compares.
    std::string Find(const std::basic_string<Char>& text) const {
        std::string last = "-";
        for (int at = nodes_.empty() ? -1 : 0; at >= 0;) {
            const TNode& node = nodes_[size_t(at)];
            last = Shown(node.text);
            if (text == node.text)
                return "found near " + last;
            at = text < node.text ? node.left : node.right;
        }
        return "missing near " + last;
    }
    std::vector<std::string> Shape() const {
        std::vector<std::string> shape;
        std::vector<int> level{nodes_.empty() ? -1 : 0};
        for (size_t i = 0; i < level.size(); ++i) {
            if (level[i] < 0)
                continue;
            const TNode& node = nodes_[size_t(level[i])];
            shape.push_back(Shown(node.text) + " " + TextOf(node.left) + " " + TextOf(node.right));
            level.push_back(node.left);
            level.push_back(node.right);
        }
        return shape;
    }

private:
    struct TNode {
        std::basic_string<Char> text;
        int left = -1;
        int right = -1;
    };
    std::string TextOf(int at) const { return at < 0 ? "-" : Shown(nodes_[size_t(at)].text); }
    std::vector<TNode> nodes_;
};

template <typename Char> std::basic_string<Char> EntryKey(const void* entry) {
    const Char* text = *static_cast<const Char* const*>(entry);
    return std::basic_string<Char>(text);
}

template <typename Char> std::vector<std::string> ShapeOf(const TReadFileTree& list) {
    std::vector<std::string> shape;
    std::vector<anything_ptr> level{list.Root()};
    const auto text_of = [](anything_ptr node) {
        return node == nullptr ? std::string("-") : Shown(EntryKey<Char>(node->this_));
    };
    for (size_t i = 0; i < level.size(); ++i) {
        if (level[i] == nullptr)
            continue;
        shape.push_back(text_of(level[i]) + " " + text_of(level[i]->left) + " " +
                        text_of(level[i]->right));
        level.push_back(level[i]->left);
        level.push_back(level[i]->right);
    }
    return shape;
}

// Entry texts in the orders a list file may have, with repeats, seed texts
// and units above 0x7F.
std::vector<std::string> EntryTexts(const std::string& order) {
    std::vector<std::string> texts;
    for (int i = 0; i < 700; ++i)
        texts.push_back((i % 3 ? "w" : "W") + std::to_string(10000 + i));
    std::sort(texts.begin(), texts.end());
    if (order == "descending")
        std::reverse(texts.begin(), texts.end());
    if (order == "random with repeats") {
        std::shuffle(texts.begin(), texts.end(), std::mt19937(5));
        for (size_t i = 0; i < texts.size(); i += 5)
            texts.push_back(texts[i]);
        texts.insert(texts.begin() + 100, {"M_8z", "\xC0x", "\xE0", "zz",
                                           "\xFF"
                                           "end",
                                           "x_8z"});
        std::shuffle(texts.begin() + 50, texts.end(), std::mt19937(6));
    }
    return texts;
}

std::vector<std::string> ProbeTexts() {
    std::vector<std::string> probes = {"", "A", "M_8z", "t_8z", "\xC0", "\xC0x", "zz", "\xFF"};
    for (int i = 0; i < 700; i += 13) {
        const std::string word = (i % 3 ? "w" : "W") + std::to_string(10000 + i);
        probes.push_back(word);
        probes.push_back(word + "!");
        probes.push_back(word.substr(0, 4));
    }
    return probes;
}

template <typename Char> void CheckListShape(const std::string& order, bool lemma) {
    SCOPED_TRACE(order + (sizeof(Char) == 1 ? ", 8-bit " : ", UTF-16 ") +
                 (lemma ? "lemma list" : "match list"));
    const std::vector<std::string> texts = EntryTexts(order);
    std::basic_string<Char> file;
    TReferenceTree<Char> reference;
    for (const std::string& seed : kSeedTexts)
        reference.Add(Units<Char>(seed));
    for (const std::string& text : texts) {
        // Lemma lines alternate between naming a headword and a bare variant.
        const bool named = lemma && (&text - texts.data()) % 2 == 0;
        file += Units<Char>((named ? "H" + text.substr(1) + " -> " : std::string()) + text + "\n");
        reference.Add(Units<Char>(text));
    }
    std::unique_ptr<TReadFileTree> list;
    if (lemma)
        list = std::make_unique<TLemmaList>(true);
    else
        list = std::make_unique<TMatchList>(true);
    std::string bytes;
    if constexpr (sizeof(Char) == 2)
        bytes = testing::Utf16Le(file);
    else
        bytes = file;
    const testing::TTempFolder folder;
    ASSERT_TRUE(
        list->LoadFromFile({}, {}, 0x0409, false, folder.Write("l.txt", bytes).u16string()));
    EXPECT_TRUE(list->UsesKeyIndex());
    EXPECT_EQ(ShapeOf<Char>(*list), reference.Shape());
    for (const std::string& probe : ProbeTexts()) {
        const std::basic_string<Char> key = Units<Char>(probe);
        const anything_ptr found = list->FindText(key.c_str());
        const anything_ptr nearest = list->nearest_find();
        EXPECT_EQ((found ? "found near " : "missing near ") +
                      (nearest ? Shown(EntryKey<Char>(nearest->this_)) : std::string("-")),
                  reference.Find(key))
            << Shown(key);
    }
}

TEST(ListShape, TreesHaveTheShapeOfPlainDescents) {
    for (const char* order : {"ascending", "descending", "random with repeats"}) {
        for (const bool lemma : {false, true}) {
            CheckListShape<char>(order, lemma);
            CheckListShape<char16_t>(order, lemma);
        }
    }
}

TEST_F(ListFiles, SortedListsWalkAndReverseSortedListsStopAtTheStackLimit) {
    std::string ascending, descending;
    for (int i = 0; i < 2100; ++i) {
        ascending += "w" + std::to_string(10000 + i) + "\n";
        descending += "w" + std::to_string(12099 - i) + "\n";
    }
    TMatchList list(true);
    ASSERT_TRUE(Load(list, ascending));
    const std::vector<std::string> walked = Walk(list);
    ASSERT_EQ(walked.size(), 2100u);
    EXPECT_EQ(walked.front(), "w10000");
    EXPECT_EQ(walked.back(), "w12099");
    ASSERT_TRUE(Load(list, descending));
    try {
        Walk(list);
        FAIL() << "the walk of a reverse-sorted list went through";
    } catch (const ETreeError& error) {
        EXPECT_STREQ(error.what(), "lopsided data: stack overflow in Tree");
    }
}

TEST_F(ListFiles, DuplicatesAreFoundAndDiscardedThroughTheIndex) {
    TLemmaList list(true);
    ASSERT_TRUE(Load(list, "GO -> WENT, GOES\nBE -> WAS, WENT\nGO -> GOES\nM_8z\n"));
    EXPECT_EQ(list.lines, 6);
    EXPECT_EQ(list.lemma_pair_entries, 3);
    EXPECT_EQ(list.counter, 19 + 3); // "M_8z" is a seed already
    EXPECT_EQ(std::string(static_cast<const char*>(list.FoundVariant("WENT").variantp)), "WENT");
    EXPECT_EQ(std::u16string(list.FoundVariant("WENT").headwordp), u"GO");
    EXPECT_EQ(std::u16string(list.FoundVariant("WAS").headwordp), u"BE");
    EXPECT_EQ(list.FoundVariant("M_8z").headwordp, nullptr);
    EXPECT_EQ(std::u16string(list.LemmaVariantsOf(u"BE", u",")), u"WAS");
    EXPECT_EQ(Walk(list), (std::vector<std::string>{"GOES (GO)", "WAS (BE)", "WENT (GO)"}));
}

TEST_F(ListFiles, LoadsAndWalksStillYieldForEveryItem) {
    int yields = 0;
    AYieldProcessProc = {[](void* object) { ++*static_cast<int*>(object); }, &yields};
    std::string text;
    for (int i = 0; i < 500; ++i)
        text += "w" + std::to_string(10000 + i) + "\n";
    TMatchList list(true);
    const bool loaded = Load(list, text);
    const int load_yields = yields;
    yields = 0;
    const size_t shown = Walk(list).size();
    const int walk_yields = yields;
    AYieldProcessProc = {};
    ASSERT_TRUE(loaded);
    EXPECT_EQ(shown, 500u);
    EXPECT_GE(load_yields, 500 + (500 + 19)); // the reading loop and each insertion
    EXPECT_GE(walk_yields, 500 + 19);
}

} // namespace
} // namespace qm7::lemmatiser
