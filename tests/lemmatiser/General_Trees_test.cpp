#include "lemmatiser/General_Trees.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
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
