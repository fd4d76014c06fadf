#include "lemmatiser/General_Trees.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "lemmatiser/myKpSmall.h"

namespace qm7::lemmatiser {
namespace {

int32_t CompareInts(const void* a, const void* b) {
    const int x = *static_cast<const int*>(a);
    const int y = *static_cast<const int*>(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

// A tree of ints that records what its hooks see.
class TIntTree : public TGeneral_Tree {
public:
    TIntTree() : TGeneral_Tree(CompareInts) {}

    bool Add(int& value) {
        current.this_ = &value;
        return Add_One(current);
    }
    anything_ptr Find(int value) {
        current.this_ = &value;
        return WhereIs(current);
    }

    std::vector<int> visited, positions, deleted, found_matches;
    std::vector<int> seeds;

protected:
    bool IsASeed(const void* a) override {
        return std::find(seeds.begin(), seeds.end(), *static_cast<const int*>(a)) != seeds.end();
    }
    void Do_In_Order(anything_ptr& item) override {
        visited.push_back(*static_cast<int*>(item->this_));
        positions.push_back(going);
    }
    void Do_Deleting(anything_ptr& item) override {
        deleted.push_back(*static_cast<int*>(item->this_));
    }
    void Do_Found_Match(anything_ptr& item) override {
        found_matches.push_back(*static_cast<int*>(item->this_));
    }
};

std::vector<int> Range(int from, int to) {
    std::vector<int> values(size_t(to - from + 1));
    std::iota(values.begin(), values.end(), from);
    return values;
}

TEST(GeneralTree, EmptyWalkCallsNothingAndClearStillMarksModified) {
    TIntTree tree;
    tree.going = 42;
    tree.Traverse();
    EXPECT_TRUE(tree.visited.empty());
    EXPECT_EQ(tree.going, 42);
    EXPECT_FALSE(tree.TreeModified());
    tree.Clear();
    EXPECT_TRUE(tree.TreeModified());
    EXPECT_EQ(tree.Root(), nullptr);
}

TEST(GeneralTree, DuplicateIsRefusedAndReportedOnce) {
    TIntTree tree;
    int a = 5, b = 5;
    EXPECT_TRUE(tree.Add(a));
    EXPECT_FALSE(tree.Add(b));
    EXPECT_EQ(tree.counter, 1);
    EXPECT_EQ(tree.found_matches, std::vector<int>{5});
    tree.current.this_ = &b;
    EXPECT_EQ(tree.Add_OnePtr(tree.current), nullptr);
    EXPECT_EQ(tree.found_matches.size(), 2u);
}

TEST(GeneralTree, AscendingWalkVisitsInOrderWithPositions) {
    TIntTree tree;
    std::vector<int> values = Range(1, 3000);
    for (int& v : values)
        ASSERT_TRUE(tree.Add(v));
    tree.Traverse();
    EXPECT_EQ(tree.visited, values);
    EXPECT_EQ(tree.positions, values);
    EXPECT_FALSE(tree.TreeModified());
}

TEST(GeneralTree, DescendingChainFailsVisitWalksButClearsCompletely) {
    TIntTree tree;
    std::vector<int> values = Range(1, 3000);
    std::reverse(values.begin(), values.end());
    for (int& v : values)
        ASSERT_TRUE(tree.Add(v));
    try {
        tree.Traverse();
        FAIL() << "walk of a 3000-node left chain succeeded";
    } catch (const ETreeError& error) {
        EXPECT_STREQ(error.what(), "lopsided data: stack overflow in Tree");
    }
    EXPECT_THROW(tree.BuildPtrArray({}), ETreeError);
    // Clearing never fails: every node is deleted, in order.
    tree.Clear();
    EXPECT_EQ(tree.deleted, Range(1, 3000));
    EXPECT_EQ(tree.counter, 0);
    EXPECT_EQ(tree.Root(), nullptr);
}

TEST(GeneralTree, LeftChainLimitIsAtTwoThousandAndFortyEightPendingNodes) {
    for (const auto& [length, fails] : {std::pair{2047, false}, std::pair{2048, true}}) {
        TIntTree tree;
        std::vector<int> values = Range(1, length);
        std::reverse(values.begin(), values.end());
        for (int& v : values)
            tree.Add(v);
        if (fails)
            EXPECT_THROW(tree.Traverse(), ETreeError) << length;
        else
            EXPECT_NO_THROW(tree.Traverse()) << length;
    }
}

TEST(GeneralTree, WhereIsFindsKeysDifferingInHighCodeUnits) {
    TGeneral_Tree tree([](const void* a, const void* b) {
        const auto& x = *static_cast<const std::u16string*>(a);
        const auto& y = *static_cast<const std::u16string*>(b);
        for (size_t i = 0;; ++i) {
            const int32_t cx = i < x.size() ? x[i] : 0;
            const int32_t cy = i < y.size() ? y[i] : 0;
            if (cx != cy || cx == 0)
                return cx - cy;
        }
    });
    std::u16string low = u"k\u0041", high = u"k\uAC00", mid = u"k\u0100";
    for (std::u16string* s : {&mid, &low, &high}) {
        tree.current.this_ = s;
        ASSERT_TRUE(tree.Add_One(tree.current));
    }
    for (std::u16string* s : {&low, &high, &mid}) {
        std::u16string probe = *s;
        tree.current.this_ = &probe;
        const anything_ptr found = tree.WhereIs(tree.current);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->this_, s);
    }
}

TEST(GeneralTree, TreeWithoutComparisonKeepsOneItem) {
    TGeneral_Tree tree;
    int a = 1, b = 2, c = 3;
    for (int* p : {&a, &b, &c}) {
        tree.current.this_ = p;
        tree.Add_One(tree.current);
    }
    EXPECT_EQ(tree.counter, 1);
    EXPECT_EQ(tree.Root()->this_, &a);
}

TEST(GeneralTree, BuildPtrArrayLeavesOutSeedsAndFilteredItems) {
    TIntTree tree;
    std::vector<int> values = {50, 10, 90, 30, 70};
    for (int& v : values)
        tree.Add(v);
    tree.seeds = {50};
    EXPECT_EQ(tree.BuildPtrArray({}), 4);
    std::vector<int> built;
    for (void* p : tree.BuiltArray())
        built.push_back(*static_cast<int*>(p));
    EXPECT_EQ(built, (std::vector<int>{10, 30, 70, 90}));

    const auto odd_tens = [](anything_ptr& item) { return *static_cast<int*>(item->this_) == 30; };
    EXPECT_EQ(tree.BuildPtrArray(odd_tens), 3);
}

TEST(GeneralTree, NearestFindContinuesAFailedLookUp) {
    TIntTree tree;
    std::vector<int> values = {50, 10, 90};
    for (int& v : values)
        tree.Add(v);
    int key = 60;
    tree.current.this_ = &key;
    ASSERT_EQ(tree.WhereIs(tree.current), nullptr);
    EXPECT_EQ(*static_cast<int*>(tree.nearest_find()->this_), 90);
    EXPECT_TRUE(tree.Add_One_To_Nearest(tree.current));
    EXPECT_NE(tree.Find(60), nullptr);
    tree.Traverse();
    EXPECT_EQ(tree.visited, (std::vector<int>{10, 50, 60, 90}));
}

TEST(GeneralTree, ReorderingAndSortingUseTheNewComparisonForGood) {
    TIntTree tree;
    std::vector<int> values = Range(1, 9);
    std::shuffle(values.begin(), values.end(), std::mt19937(7));
    for (int& v : values)
        tree.Add(v);
    const TCompare2FunctOfObject descending = [](const void* a, const void* b) {
        return CompareInts(b, a);
    };
    std::vector<int> reordered;
    tree.TraverseReordering(descending, [&](anything_ptr& item) {
        reordered.push_back(*static_cast<int*>(item->this_));
    });
    EXPECT_EQ(reordered, (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1}));

    tree.BuildPtrArray({});
    tree.SortBuiltArray(CompareInts);
    std::vector<int> sorted;
    for (void* p : tree.BuiltArray())
        sorted.push_back(*static_cast<int*>(p));
    EXPECT_EQ(sorted, Range(1, 9));
}

TEST(GeneralTree, CopyFromWalksTheOtherTreeWithTheGivenHook) {
    TIntTree source, target;
    std::vector<int> values = {3, 1, 2};
    for (int& v : values)
        source.Add(v);
    target.CopyFrom(
        source,
        [&](anything_ptr& item) {
            target.current.this_ = item->this_;
            target.Add_One(target.current);
        },
        true, true);
    EXPECT_EQ(target.counter, 3);
    EXPECT_EQ(source.counter, 0);
    target.Traverse();
    EXPECT_EQ(target.visited, (std::vector<int>{1, 2, 3}));
}

TEST(GeneralTree, EveryDescentStepAndVisitYields) {
    int yields = 0;
    AYieldProcessProc = {[](void* object) { ++*static_cast<int*>(object); }, &yields};
    TIntTree tree;
    std::vector<int> values = {2, 1, 3};
    for (int& v : values)
        tree.Add(v);
    // Inserting 2 steps through nothing, 1 and 3 one step each.
    EXPECT_EQ(yields, 2);
    yields = 0;
    tree.Find(3);
    EXPECT_EQ(yields, 3); // once before the descent, once per node compared
    yields = 0;
    tree.Traverse();
    EXPECT_GE(yields, 6); // at least one per loop and one per visit
    AYieldProcessProc = {};
}

} // namespace
} // namespace qm7::lemmatiser

// ---- Trees of ordinal text keys: the index must stand in for descents ----

namespace qm7::lemmatiser {
namespace {

// Ordinal order of NUL-terminated texts of unsigned units, read from any
// address.
template <typename Char> int32_t CompareUnits(const void* a, const void* b) {
    for (size_t i = 0;; ++i) {
        Char x, y;
        std::memcpy(&x, static_cast<const char*>(a) + i * sizeof(Char), sizeof x);
        std::memcpy(&y, static_cast<const char*>(b) + i * sizeof(Char), sizeof y);
        if (x != y)
            return int32_t(std::make_unsigned_t<Char>(x)) - int32_t(std::make_unsigned_t<Char>(y));
        if (x == 0)
            return 0;
    }
}

template <typename Char> std::string Printable(const void* text) {
    std::string out;
    for (size_t i = 0;; ++i) {
        Char c;
        std::memcpy(&c, static_cast<const char*>(text) + i * sizeof(Char), sizeof c);
        if (c == 0)
            return out;
        const auto u = unsigned(std::make_unsigned_t<Char>(c));
        out += u >= 0x20 && u < 0x7F ? std::string(1, char(u)) : "<" + std::to_string(u) + ">";
    }
}

// A tree whose items are texts. With indexed set it declares its keys and
// finds places through the index; without, it descends. Hooks log what they
// see, in order.
template <typename Char> class TTextTree : public TGeneral_Tree {
public:
    explicit TTextTree(bool indexed) : TGeneral_Tree(CompareUnits<Char>) {
        if (indexed)
            UseOrdinalKeys([](const void* item) { return item; }, sizeof(Char));
    }
    std::vector<std::string> log;

    bool Add(const void* text) {
        current.this_ = const_cast<void*>(text);
        return Add_One(current);
    }
    bool AddNearest(const void* text) {
        current.this_ = const_cast<void*>(text);
        return Add_One_To_Nearest(current);
    }
    anything_ptr LookUp(const void* text) {
        current.this_ = const_cast<void*>(text);
        return WhereIs(current);
    }
    std::string Nearest() {
        const anything_ptr nearest = nearest_find();
        return nearest ? Printable<Char>(nearest->this_) : "-";
    }
    std::string Find(const void* text) {
        const anything_ptr found = LookUp(text);
        const anything_ptr nearest = nearest_find();
        return (found ? Printable<Char>(found->this_) : "-") + " near " +
               (nearest ? Printable<Char>(nearest->this_) : "-");
    }
    // Each node with its two children, level by level from the root.
    std::vector<std::string> Shape() const {
        std::vector<std::string> shape;
        std::vector<anything_ptr> level{Root()};
        for (size_t i = 0; i < level.size(); ++i) {
            const anything_ptr node = level[i];
            if (node == nullptr)
                continue;
            shape.push_back(Printable<Char>(node->this_) + " " +
                            (node->left ? Printable<Char>(node->left->this_) : "-") + " " +
                            (node->right ? Printable<Char>(node->right->this_) : "-"));
            level.push_back(node->left);
            level.push_back(node->right);
        }
        return shape;
    }
    // The visits of a walk, or the error that stopped it.
    std::vector<std::string> Walk() {
        std::vector<std::string> visits;
        try {
            Traverse([&](anything_ptr& item) {
                visits.push_back(Printable<Char>(item->this_) + "@" + std::to_string(going));
            });
        } catch (const ETreeError& error) {
            visits.push_back(error.what());
        }
        return visits;
    }
    using TGeneral_Tree::SortBuiltArray;

protected:
    void Do_Found_Match(anything_ptr& item) override {
        log.push_back("match " + Printable<Char>(item->this_));
    }
    void Do_Added_One(anything_ptr& item) override {
        log.push_back("added " + Printable<Char>(item->this_));
    }
    void Do_Deleting(anything_ptr& item) override {
        log.push_back("deleted " + Printable<Char>(item->this_) + "@" + std::to_string(going));
    }
};

// Runs the same steps on an indexed and a descending tree and checks that
// they answer, call their hooks and grow alike.
template <typename Char> class TTwinTrees {
public:
    TTwinTrees() : indexed_(true), plain_(false) {}

    void Add(const std::basic_string<Char>& text) {
        const void* item = Keep(text);
        EXPECT_EQ(indexed_.Add(item), plain_.Add(item)) << Printable<Char>(item);
    }
    void AddNearest(const std::basic_string<Char>& text) {
        const void* item = Keep(text);
        EXPECT_EQ(indexed_.AddNearest(item), plain_.AddNearest(item)) << Printable<Char>(item);
    }
    // Looks the text up from an odd address, as a host's buffer may lie.
    void Find(const std::basic_string<Char>& text) {
        std::vector<char> buffer(1 + (text.size() + 1) * sizeof(Char));
        std::memcpy(buffer.data() + 1, text.c_str(), (text.size() + 1) * sizeof(Char));
        EXPECT_EQ(indexed_.Find(buffer.data() + 1), plain_.Find(buffer.data() + 1))
            << Printable<Char>(text.c_str());
    }
    void ExpectSame() {
        EXPECT_EQ(indexed_.Shape(), plain_.Shape());
        EXPECT_EQ(indexed_.log, plain_.log);
        EXPECT_EQ(indexed_.counter, plain_.counter);
        EXPECT_EQ(indexed_.Walk(), plain_.Walk());
        EXPECT_EQ(indexed_.nearest_find() == nullptr, plain_.nearest_find() == nullptr);
    }
    TTextTree<Char>& Indexed() { return indexed_; }
    TTextTree<Char>& Plain() { return plain_; }

private:
    const void* Keep(const std::basic_string<Char>& text) {
        texts_.push_back(std::make_unique<std::basic_string<Char>>(text));
        return texts_.back()->c_str();
    }
    std::vector<std::unique_ptr<std::basic_string<Char>>> texts_;
    TTextTree<Char> indexed_;
    TTextTree<Char> plain_;
};

template <typename Char> std::basic_string<Char> Text(const std::string& ascii) {
    return std::basic_string<Char>(ascii.begin(), ascii.end());
}

// Word lists in the orders a list file may have. Descending, the words make
// a chain of left links longer than a walk's stack allows.
std::vector<std::string> Words(const std::string& order) {
    std::vector<std::string> words;
    for (int i = 0; i < 2100; ++i)
        words.push_back("w" + std::to_string(10000 + i));
    if (order == "descending")
        std::reverse(words.begin(), words.end());
    if (order == "random" || order == "random with repeats") {
        std::shuffle(words.begin(), words.end(), std::mt19937(11));
        if (order == "random with repeats")
            for (size_t i = 0; i < words.size(); i += 7)
                words.insert(words.begin() + std::ptrdiff_t(i), words[i / 2]);
    }
    if (order == "seeds then sorted")
        words.insert(words.begin(), {"M_8z", "F_8z", "S_8z", "C_8z", "w10500", "U_8z", "m_8z"});
    return words;
}

// Keys that are present, keys between them, and keys before and after all.
std::vector<std::string> Probes() {
    std::vector<std::string> probes = {"", "!", "A", "w", "w1", "w10000", "w09999", "w2", "z"};
    for (int i = 0; i < 2100; i += 37) {
        probes.push_back("w" + std::to_string(10000 + i));
        probes.push_back("w" + std::to_string(10000 + i) + "0");
    }
    return probes;
}

template <typename Char> void CheckOrder(const std::string& order) {
    SCOPED_TRACE(order + (sizeof(Char) == 1 ? " (bytes)" : " (UTF-16)"));
    TTwinTrees<Char> trees;
    for (const std::string& word : Words(order))
        trees.Add(Text<Char>(word));
    EXPECT_TRUE(trees.Indexed().UsesKeyIndex());
    for (const std::string& probe : Probes())
        trees.Find(Text<Char>(probe));
    trees.ExpectSame();
    const std::vector<std::string> walk = trees.Indexed().Walk();
    if (order == "descending") {
        EXPECT_EQ(walk.back(), kLopsidedTreeMessage);
    } else if (order == "ascending") {
        EXPECT_EQ(walk.back(), "w12099@2100");
    }
    // Clearing deletes in the same order, and the tree is ready again.
    trees.Indexed().Clear();
    trees.Plain().Clear();
    trees.ExpectSame();
    EXPECT_TRUE(trees.Indexed().UsesKeyIndex());
    trees.Add(Text<Char>("again"));
    trees.Find(Text<Char>("again"));
    trees.ExpectSame();
}

TEST(OrdinalKeyIndex, GrowsTheSameTreeAsDescentsInEveryOrder) {
    for (const char* order :
         {"ascending", "descending", "random", "random with repeats", "seeds then sorted"}) {
        CheckOrder<char>(order);
        CheckOrder<char16_t>(order);
    }
}

TEST(OrdinalKeyIndex, OrdersUnitsAsUnsigned) {
    TTwinTrees<char> bytes;
    for (const char* word : {"m", "\xC0x", "\x7F", "a", "\xE0", "\xE0\x01", "\x01", "mm", "\xFF"})
        bytes.Add(word);
    for (const char* probe : {"\x80", "\xC0", "\xC0x", "\xFF\xFF", "\x7F", "", "m\xFF"})
        bytes.Find(probe);
    bytes.ExpectSame();

    TTwinTrees<char16_t> units;
    const std::u16string lone_high(1, char16_t(0xD800));
    for (const std::u16string& word :
         {std::u16string(u"k\u0041"), std::u16string(u"k\uAC00"), std::u16string(u"k\u0100"),
          std::u16string(u"\U0001F600"), std::u16string(u"\uFFFF"), std::u16string(u"\u00E0"),
          std::u16string(u"k"), lone_high + u"x"})
        units.Add(word);
    for (const std::u16string& probe :
         {std::u16string(u"k\u0041"), std::u16string(u"k\uAC00"), std::u16string(u"k\u00FF"),
          lone_high, std::u16string(u"\uFFFE"), std::u16string(u"kk")})
        units.Find(probe);
    units.ExpectSame();
}

TEST(OrdinalKeyIndex, InsertionFromTheNearestNodeKeepsTheIndexOnlyWhenInPlace) {
    TTwinTrees<char> trees;
    for (const char* word : {"m", "f", "s", "c", "h", "p", "u"})
        trees.Add(word);
    // As meant: the look-up that missed, then the insertion of the same key.
    trees.Find("g");
    trees.AddNearest("g");
    trees.Find("g");
    trees.ExpectSame();
    EXPECT_TRUE(trees.Indexed().UsesKeyIndex());
    // A duplicate met from the nearest node.
    trees.Find("g");
    trees.AddNearest("g");
    trees.ExpectSame();
    EXPECT_TRUE(trees.Indexed().UsesKeyIndex());
    // Another key, which a descent from "q" places out of order: the tree
    // takes the misplaced node as a descent does, and the index stands down.
    trees.Find("q");
    trees.AddNearest("a");
    EXPECT_FALSE(trees.Indexed().UsesKeyIndex());
    for (const char* probe : {"a", "b", "q", "m", "zz"})
        trees.Find(probe);
    trees.Add("a");
    trees.Add("b");
    trees.ExpectSame();
    // An emptied tree takes its index up again.
    trees.Indexed().Clear();
    trees.Plain().Clear();
    EXPECT_TRUE(trees.Indexed().UsesKeyIndex());
    trees.Add("x");
    trees.Find("y");
    trees.ExpectSame();
}

TEST(OrdinalKeyIndex, ReplacedComparisonEndsTheIndexForGood) {
    TTwinTrees<char> trees;
    for (const char* word : {"b", "a", "c"})
        trees.Add(word);
    // A look-up that missed; nearest_find is not read before the change.
    trees.Indexed().LookUp("bb");
    trees.Plain().LookUp("bb");
    const TCompare2FunctOfObject reversed = [](const void* a, const void* b) {
        return CompareUnits<char>(b, a);
    };
    trees.Indexed().BuildPtrArray({});
    trees.Plain().BuildPtrArray({});
    trees.Indexed().SortBuiltArray(reversed);
    trees.Plain().SortBuiltArray(reversed);
    EXPECT_FALSE(trees.Indexed().UsesKeyIndex());
    // The look-up before the change still names the node it ended at.
    EXPECT_EQ(trees.Indexed().Nearest(), "c");
    EXPECT_EQ(trees.Plain().Nearest(), "c");
    trees.Add("d");
    trees.Find("a");
    trees.Find("d");
    trees.ExpectSame();
    trees.Indexed().Clear();
    trees.Plain().Clear();
    EXPECT_FALSE(trees.Indexed().UsesKeyIndex());
}

TEST(OrdinalKeyIndex, NearestFindIsThatOfTheTreeWhenTheLookUpWasMade) {
    TTwinTrees<char> trees;
    for (const char* word : {"m", "f", "s"})
        trees.Add(word);
    for (auto* tree : {&trees.Indexed(), &trees.Plain()})
        EXPECT_EQ(tree->LookUp("g"), nullptr); // ends at "f"
    trees.Add("h");                            // a look-up of "g" would now end at "h"
    EXPECT_EQ(trees.Indexed().Nearest(), "f");
    EXPECT_EQ(trees.Plain().Nearest(), "f");
    // Likewise when the next look-up is the one that tells.
    for (auto* tree : {&trees.Indexed(), &trees.Plain()})
        EXPECT_EQ(tree->LookUp("t"), nullptr);
    trees.Add("u");
    trees.Find("g");
    EXPECT_EQ(trees.Indexed().Nearest(), "h");
    trees.ExpectSame();
}

TEST(OrdinalKeyIndex, StillYieldsForEveryInsertionLookUpAndVisit) {
    int yields = 0;
    AYieldProcessProc = {[](void* object) { ++*static_cast<int*>(object); }, &yields};
    TTextTree<char> tree(true);
    const std::vector<std::string> words = Words("ascending");
    for (const std::string& word : words) {
        const int before = yields;
        tree.Add(word.c_str());
        EXPECT_GE(yields, before + 1);
    }
    yields = 0;
    tree.Find("w10001");
    tree.Find("none");
    EXPECT_GE(yields, 2);
    yields = 0;
    tree.Walk();
    EXPECT_GE(yields, int(words.size()));
    AYieldProcessProc = {};
}

} // namespace
} // namespace qm7::lemmatiser
