// T3SortYieldingList: a pointer list that sorts itself by up to three keys,
// each ascending or descending, calling the yield hook as it goes so that the
// host's user interface stays alive during long sorts. The list does not know
// its entries: a descendant keeps the entry handed to SetBase (and the key
// number) and supplies the comparison of any entry with that base.
#pragma once

#include <array>
#include <cstdint>

#include "platform/export.h"
#include "platform/pointerlist.h"
#include "runtime1/core/basic_types.h"

namespace qm7 {

enum Tsort_num : uint8_t { sort_first_sort, sort_second_sort, sort_third_sort };
// True for ascending, by level.
using TAscendingSort = std::array<bool, 3>;

struct TCurrentSortRec {
    Tsort_num current_sort_doing = sort_first_sort; // the level being sorted
    int32_t current_sort_var = 0;                   // the key of that level
};

// The comparisons the sorts take are called as Compare(entry, base): the
// entry being placed and the base last handed to SetBase. The result is
// negative, zero or positive as the entry sorts before, with or after the
// base under the current key (ascending order; the list turns it round for a
// descending level).
class QM7_EXPORT T3SortYieldingList : public platform::TList {
public:
    T3SortYieldingList() = default;

    void SetAscending(bool first_sort, bool second_sort, bool third_sort);
    void SetSortToAscend(Tsort_num srt, bool Value);
    // Inverts the first level's flag; returns its new value.
    bool ToggledMainSortAscending();
    // -comparison when the current level is ascending, comparison otherwise.
    int32_t AscendingSwapped(int32_t comparison) const;

    // Quicksort of start .. finish by sortvar at the current level.
    virtual void DoAPrivateSort(int32_t sortvar, int32_t start, int32_t finish,
                                const TCompareFunctOfObject& Compare);
    // Does nothing here; descendants keep P as the base of the next
    // comparisons and sortvar as their key.
    virtual void SetBase(void* P, int32_t sortvar);

    // A sort asked for while another runs (from inside the yield hook) is
    // ignored. The range is clamped to the list.
    virtual void DoASingleSort(const TCompareFunctOfObject& Compare, int32_t sortvar, int32_t start,
                               int32_t finish);
    virtual void DoASingleSort(const TCompareFunctOfObject& Compare, int32_t sortvar);
    virtual void DoADoubleSort(const TCompareFunctOfObject& Compare, int32_t SortVarFirst,
                               int32_t SortVarSecond, int32_t start, int32_t finish);
    virtual void DoADoubleSort(const TCompareFunctOfObject& Compare, int32_t SortVarFirst,
                               int32_t SortVarSecond);
    // Third-key runs are runs equal under both the first and the second key.
    virtual void DoATrebleSort(const TCompareFunctOfObject& Compare, int32_t SortVarFirst,
                               int32_t SortVarSecond, int32_t SortVarThird, int32_t start,
                               int32_t finish);
    virtual void DoATrebleSort(const TCompareFunctOfObject& Compare, int32_t SortVarFirst,
                               int32_t SortVarSecond, int32_t SortVarThird);

    bool BusySorting = false;
    TAscendingSort fAscending{false, false, false};
    TCurrentSortRec current_sort_rec;
    bool sorted = false; // set by every sort
    int32_t comparison_itemnum = 0;
    int32_t base_itemnum = 0;

protected:
    // The quicksort itself, yielding once per partition.
    void QuickSortRange(int32_t sortvar, int32_t start, int32_t finish,
                        const TCompareFunctOfObject& Compare);

private:
    class TBusyGuard;
    // Sorts start .. finish by the given keys (1 to 3, repeats removed).
    void RunSort(const TCompareFunctOfObject& Compare, const int32_t* keys, int nkeys,
                 int32_t start, int32_t finish);
    // Within start .. finish, which is in order by keys[0 .. level - 1], sorts
    // each run equal under all of those keys by keys[level].
    void SortRuns(const TCompareFunctOfObject& Compare, const int32_t* keys, int level, int nkeys,
                  int32_t start, int32_t finish);
    bool LevelAscending() const;

    // The ascending flags as they were when the running sort began.
    TAscendingSort sort_ascending_{false, false, false};
    bool flags_taken_ = false;
};

// The same list with the host's yield procedure switched off while it sorts
// (and set again afterwards, whatever happens).
class QM7_EXPORT T3SortNonYieldingList : public T3SortYieldingList {
public:
    void DoAPrivateSort(int32_t sortvar, int32_t start, int32_t finish,
                        const TCompareFunctOfObject& Compare) override;
};

} // namespace qm7
