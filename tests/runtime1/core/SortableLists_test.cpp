#include "runtime1/core/SortableLists.h"

#include <algorithm>
#include <random>
#include <stdexcept>

#include <gtest/gtest.h>

#include "runtime1/core/myKpSmall.h"

namespace qm7 {
namespace {

struct TRow {
    int32_t key[3];
    int id;
};

// A descendant as the tools write them: SetBase caches the base's key, the
// comparison reads one entry against it.
class TRowList : public T3SortYieldingList {
public:
    TRowList() { OwnObjects<TRow>(); }
    void AddRow(int32_t a, int32_t b, int32_t c) { Add(new TRow{{a, b, c}, Count()}); }
    const TRow& Row(int i) const { return *static_cast<const TRow*>(Items(i)); }

    void SetBase(void* P, int32_t sortvar) override {
        base_var_ = sortvar;
        base_key_ = static_cast<const TRow*>(P)->key[sortvar];
    }
    TCompareFunctOfObject Compare() {
        return [this](const void* item, const void*) {
            const int32_t k = static_cast<const TRow*>(item)->key[base_var_];
            return int32_t((k > base_key_) - (k < base_key_));
        };
    }
    std::vector<std::array<int32_t, 3>> Keys() const {
        std::vector<std::array<int32_t, 3>> v;
        for (int i = 0; i < Count(); ++i)
            v.push_back({Row(i).key[0], Row(i).key[1], Row(i).key[2]});
        return v;
    }
    std::vector<int> Ids() const {
        std::vector<int> v;
        for (int i = 0; i < Count(); ++i)
            v.push_back(Row(i).id);
        return v;
    }

private:
    int32_t base_var_ = 0;
    int32_t base_key_ = 0;
};

class SortableListsTest : public ::testing::Test {
protected:
    void TearDown() override { AYieldProcessProc = nullptr; }
};

// The order the sort must give: lexicographic over the keys asked for, each
// by its level's direction.
std::vector<std::array<int32_t, 3>> Expected(std::vector<std::array<int32_t, 3>> keys,
                                             std::vector<int> vars, TAscendingSort asc) {
    std::stable_sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        for (size_t l = 0; l < vars.size(); ++l) {
            const int32_t x = a[size_t(vars[l])], y = b[size_t(vars[l])];
            if (x != y)
                return asc[l] ? x < y : x > y;
        }
        return false;
    });
    return keys;
}

TEST_F(SortableListsTest, AllLevelsAndDirectionsAgreeWithALexicographicSort) {
    std::mt19937 random(7);
    const std::vector<int> all_vars{2, 0, 1}; // keys asked for in an unusual order
    for (int flags = 0; flags < 8; ++flags) {
        const TAscendingSort asc{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0};
        for (int levels = 1; levels <= 3; ++levels) {
            SCOPED_TRACE(testing::Message() << "flags " << flags << " levels " << levels);
            TRowList list;
            for (int i = 0; i < 1500; ++i)
                list.AddRow(int32_t(random() % 4), int32_t(random() % 5), int32_t(random() % 6));
            list.SetAscending(asc[0], asc[1], asc[2]);
            const std::vector<int> vars(all_vars.begin(), all_vars.begin() + levels);
            const auto expected = Expected(list.Keys(), vars, asc);
            if (levels == 1)
                list.DoASingleSort(list.Compare(), vars[0]);
            else if (levels == 2)
                list.DoADoubleSort(list.Compare(), vars[0], vars[1]);
            else
                list.DoATrebleSort(list.Compare(), vars[0], vars[1], vars[2]);
            // Only the keys sorted on are fixed by the order.
            auto got = list.Keys();
            for (size_t i = 0; i < got.size(); ++i)
                for (int v : vars)
                    ASSERT_EQ(got[i][size_t(v)], expected[i][size_t(v)]) << "at " << i;
            EXPECT_TRUE(list.sorted);
            EXPECT_FALSE(list.BusySorting);
        }
    }
}

TEST_F(SortableListsTest, SmallListsAndEmptyRangesAreLeftAlone) {
    struct TCase {
        int rows;
        int32_t start, finish;
    } cases[] = {{0, 0, -1}, {1, 0, 0}, {3, 2, 2}, {3, 2, 1}, {3, 5, 9}};
    for (const TCase& c : cases) {
        TRowList list;
        for (int i = 0; i < c.rows; ++i)
            list.AddRow(9 - i, 0, 0);
        list.SetAscending(true, true, true);
        list.DoASingleSort(list.Compare(), 0, c.start, c.finish);
        EXPECT_FALSE(list.sorted);
        EXPECT_FALSE(list.BusySorting);
        for (int i = 0; i < c.rows; ++i)
            EXPECT_EQ(list.Row(i).id, i);
    }
    // A range is clamped to the list.
    TRowList list;
    for (int i = 0; i < 4; ++i)
        list.AddRow(9 - i, 0, 0);
    list.SetAscending(true, true, true);
    list.DoASingleSort(list.Compare(), 0, -5, 100);
    EXPECT_EQ(list.Ids(), (std::vector<int>{3, 2, 1, 0}));
    list.DoASingleSort(list.Compare(), 0, 1, 2); // only the middle two
    list.SetAscending(false, true, true);
    list.DoASingleSort(list.Compare(), 0, 1, 2);
    EXPECT_EQ(list.Ids(), (std::vector<int>{3, 1, 2, 0}));
}

TEST_F(SortableListsTest, DirectionsAndRepeatedKeys) {
    TRowList list;
    const int32_t rows[][2] = {{1, 1}, {2, 2}, {1, 2}, {2, 1}};
    for (const auto& r : rows)
        list.AddRow(r[0], r[1], 0);
    list.SetAscending(false, true, false);
    list.DoADoubleSort(list.Compare(), 0, 1);
    EXPECT_EQ(list.Keys(),
              (std::vector<std::array<int32_t, 3>>{{2, 1, 0}, {2, 2, 0}, {1, 1, 0}, {1, 2, 0}}));

    list.SetAscending(true, false, false);
    list.DoADoubleSort(list.Compare(), 1, 1); // the same key twice: by it alone
    for (int i = 1; i < list.Count(); ++i)
        EXPECT_LE(list.Row(i - 1).key[1], list.Row(i).key[1]);

    EXPECT_TRUE(list.ToggledMainSortAscending() == false);
    EXPECT_EQ(list.fAscending[sort_first_sort], false);
    list.SetSortToAscend(sort_third_sort, true);
    EXPECT_TRUE(list.fAscending[sort_third_sort]);
    list.current_sort_rec.current_sort_doing = sort_third_sort;
    EXPECT_EQ(list.AscendingSwapped(5), -5);
    list.current_sort_rec.current_sort_doing = sort_second_sort;
    EXPECT_EQ(list.AscendingSwapped(5), 5);
}

TEST_F(SortableListsTest, ThirdKeyRunsAreEqualUnderBothEarlierKeys) {
    // Equal second keys in different first-key groups must not be merged
    // into one run for the third key.
    TRowList list;
    const int32_t rows[][3] = {{1, 0, 9}, {2, 0, 1}, {1, 0, 5}, {2, 0, 7}};
    for (const auto& r : rows)
        list.AddRow(r[0], r[1], r[2]);
    list.SetAscending(true, true, true);
    list.DoATrebleSort(list.Compare(), 0, 1, 2);
    EXPECT_EQ(list.Keys(),
              (std::vector<std::array<int32_t, 3>>{{1, 0, 5}, {1, 0, 9}, {2, 0, 1}, {2, 0, 7}}));
}

TEST_F(SortableListsTest, TheHostCannotStartASecondSortOrChangeTheDirection) {
    TRowList list;
    for (int i = 0; i < 200; ++i)
        list.AddRow(i % 17, i % 5, 0);
    list.SetAscending(true, true, true);
    int yields = 0;
    AYieldProcessProc = [&] {
        ++yields;
        list.DoASingleSort(list.Compare(), 1);  // ignored while busy
        list.SetAscending(false, false, false); // read at the start only
    };
    list.DoASingleSort(list.Compare(), 0);
    EXPECT_GT(yields, 0);
    for (int i = 1; i < list.Count(); ++i)
        ASSERT_LE(list.Row(i - 1).key[0], list.Row(i).key[0]);
    EXPECT_FALSE(list.BusySorting);
}

TEST_F(SortableListsTest, AHostThatChangesTheListStopsTheSort) {
    TRowList list;
    for (int i = 0; i < 5000; ++i)
        list.AddRow(i % 13, i % 7, i % 3);
    int yields = 0;
    AYieldProcessProc = [&] {
        if (++yields == 3)
            for (int i = 0; i < 100; ++i)
                list.AddRow(0, 0, 0); // moves the list's storage
    };
    list.DoATrebleSort(list.Compare(), 0, 1, 2);
    EXPECT_EQ(list.Count(), 5100);
    EXPECT_FALSE(list.BusySorting);
}

TEST_F(SortableListsTest, TheNonYieldingListSilencesAndRestoresTheHook) {
    T3SortNonYieldingList list;
    list.OwnObjects<TRow>();
    for (int i = 0; i < 100; ++i)
        list.Add(new TRow{{100 - i, 0, 0}, i});
    int yields = 0;
    AYieldProcessProc = [&] { ++yields; };
    list.SetAscending(true, true, true);
    const TCompareFunctOfObject by_first = [](const void* item, const void* base) {
        const int32_t a = static_cast<const TRow*>(item)->key[0];
        const int32_t b = static_cast<const TRow*>(base)->key[0];
        return int32_t((a > b) - (a < b));
    };
    list.DoASingleSort(by_first, 0);
    EXPECT_EQ(yields, 0);
    EXPECT_EQ(static_cast<const TRow*>(list.Items(0))->key[0], 1);
    MyYieldProcess();
    EXPECT_EQ(yields, 1);

    // An error inside the comparison: hook and busy flag still restored.
    const TCompareFunctOfObject failing = [](const void*, const void*) -> int32_t {
        throw std::runtime_error("comparison failed");
    };
    EXPECT_THROW(list.DoASingleSort(failing, 0), std::runtime_error);
    EXPECT_FALSE(list.BusySorting);
    MyYieldProcess();
    EXPECT_EQ(yields, 2);
}

TEST_F(SortableListsTest, AnInconsistentComparisonStaysInsideTheList) {
    TRowList list;
    for (int i = 0; i < 3000; ++i)
        list.AddRow(i, 0, 0);
    std::mt19937 random(3);
    const TCompareFunctOfObject chaos = [&](const void*, const void*) {
        return int32_t(random() % 3) - 1;
    };
    list.SetAscending(true, false, true);
    list.DoATrebleSort(chaos, 0, 1, 2);
    auto ids = list.Ids();
    std::sort(ids.begin(), ids.end());
    for (int i = 0; i < int(ids.size()); ++i)
        ASSERT_EQ(ids[size_t(i)], i); // still each entry once
}

TEST_F(SortableListsTest, OrderedReversedAndEqualInputs) {
    for (int shape = 0; shape < 3; ++shape) {
        TRowList list;
        const int n = 50000;
        for (int i = 0; i < n; ++i)
            list.AddRow(shape == 0 ? i : shape == 1 ? n - i : 4, 0, 0);
        list.SetAscending(true, true, true);
        list.DoASingleSort(list.Compare(), 0);
        for (int i = 1; i < n; ++i)
            ASSERT_LE(list.Row(i - 1).key[0], list.Row(i).key[0]);
    }
}

} // namespace
} // namespace qm7
