#include "runtime1/core/SortableLists.h"

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "runtime1/core/myKpSmall.h"

namespace qm7 {

namespace {

// One key of a sort and the level whose ascending flag it follows.
struct TSortKey {
    int32_t key;
    Tsort_num level;
};

// Yield now and then while walking runs, which takes no partitions.
constexpr int32_t kYieldEveryWalked = 65536;

} // namespace

// Marks the list busy and takes the ascending flags for the whole sort;
// undone on every way out, errors included.
class T3SortYieldingList::TBusyGuard {
public:
    explicit TBusyGuard(T3SortYieldingList& list) : list_(list) {
        list_.BusySorting = true;
        list_.sort_ascending_ = list_.fAscending;
        list_.flags_taken_ = true;
    }
    ~TBusyGuard() {
        list_.flags_taken_ = false;
        list_.BusySorting = false;
    }
    TBusyGuard(const TBusyGuard&) = delete;
    TBusyGuard& operator=(const TBusyGuard&) = delete;

private:
    T3SortYieldingList& list_;
};

void T3SortYieldingList::SetAscending(bool first_sort, bool second_sort, bool third_sort) {
    fAscending = {first_sort, second_sort, third_sort};
}

void T3SortYieldingList::SetSortToAscend(Tsort_num srt, bool Value) {
    if (srt <= sort_third_sort)
        fAscending[srt] = Value;
}

bool T3SortYieldingList::ToggledMainSortAscending() {
    fAscending[sort_first_sort] = !fAscending[sort_first_sort];
    return fAscending[sort_first_sort];
}

bool T3SortYieldingList::LevelAscending() const {
    const TAscendingSort& flags = flags_taken_ ? sort_ascending_ : fAscending;
    const auto level = size_t(current_sort_rec.current_sort_doing);
    return level < flags.size() && flags[level];
}

int32_t T3SortYieldingList::AscendingSwapped(int32_t comparison) const {
    if (!LevelAscending())
        return comparison;
    return comparison == INT32_MIN ? INT32_MAX : -comparison;
}

void T3SortYieldingList::SetBase(void*, int32_t) {}

void T3SortYieldingList::DoAPrivateSort(int32_t sortvar, int32_t start, int32_t finish,
                                        const TCompareFunctOfObject& Compare) {
    sorted = true;
    current_sort_rec.current_sort_var = sortvar;
    start = std::max(start, 0);
    finish = std::min(finish, Count() - 1);
    QuickSortRange(sortvar, start, finish, Compare);
}

void T3SortYieldingList::QuickSortRange(int32_t sortvar, int32_t start, int32_t finish,
                                        const TCompareFunctOfObject& Compare) {
    const bool ascending = LevelAscending();
    void** items = Data();
    const void* base = nullptr;
    // Sign of entry i against the base, turned round for a descending level:
    // negative means "belongs before the base".
    const auto before = [&](int32_t i) {
        comparison_itemnum = i;
        const int32_t c = Compare(items[i], base);
        return ascending ? c < 0 : c > 0;
    };
    const auto after = [&](int32_t i) {
        comparison_itemnum = i;
        const int32_t c = Compare(items[i], base);
        return ascending ? c > 0 : c < 0;
    };
    const int32_t count = Count();
    while (start < finish) {
        MyYieldProcess();
        // The host must not add or remove entries during a sort; if it did,
        // the sort stops rather than work on a list that has moved.
        if (Count() != count)
            return;
        items = Data();
        base_itemnum = start + (finish - start) / 2;
        base = items[base_itemnum];
        SetBase(items[base_itemnum], sortvar);
        int32_t i = start, j = finish;
        do {
            // Bounded scans: a comparison that is not a consistent order
            // cannot take them outside the range.
            while (i < finish && before(i))
                ++i;
            while (j > start && after(j))
                --j;
            if (i <= j) {
                std::swap(items[i], items[j]);
                ++i;
                --j;
            }
        } while (i <= j);
        // Recurse into the smaller part, loop on the larger: the stack stays
        // shallow on any input.
        if (j - start < finish - i) {
            if (start < j)
                QuickSortRange(sortvar, start, j, Compare);
            start = i;
        } else {
            if (i < finish)
                QuickSortRange(sortvar, i, finish, Compare);
            finish = j;
        }
        current_sort_rec.current_sort_var = sortvar;
    }
}

void T3SortYieldingList::SortRuns(const TCompareFunctOfObject& Compare, const int32_t* keys,
                                  int level, int nkeys, int32_t start, int32_t finish) {
    // keys holds (key, level) pairs flattened: keys[2 * k], keys[2 * k + 1].
    const int32_t run_key = keys[2 * (level - 1)];
    const int32_t sort_key = keys[2 * level];
    const auto sort_level = Tsort_num(keys[2 * level + 1]);
    const int32_t count = Count();
    void** items = Data();
    int32_t walked = 0;
    int32_t c = start;
    while (c <= finish) {
        void* base = items[c];
        SetBase(base, run_key);
        int32_t e = c;
        while (e < finish) {
            if (++walked % kYieldEveryWalked == 0) {
                MyYieldProcess();
                if (Count() != count)
                    return;
                items = Data();
                base = items[c];
                SetBase(base, run_key);
            }
            comparison_itemnum = e + 1;
            if (Compare(items[e + 1], base) != 0)
                break;
            ++e;
        }
        if (e > c) {
            const Tsort_num saved = current_sort_rec.current_sort_doing;
            current_sort_rec.current_sort_doing = sort_level;
            DoAPrivateSort(sort_key, c, e, Compare);
            if (Count() == count && level + 1 < nkeys)
                SortRuns(Compare, keys, level + 1, nkeys, c, e);
            current_sort_rec.current_sort_doing = saved;
            if (Count() != count)
                return;
            items = Data();
        }
        c = e + 1;
    }
}

void T3SortYieldingList::RunSort(const TCompareFunctOfObject& Compare, const int32_t* keys,
                                 int nkeys, int32_t start, int32_t finish) {
    if (BusySorting)
        return;
    TBusyGuard guard(*this);
    start = std::max(start, 0);
    finish = std::min(finish, Count() - 1);
    if (start >= finish)
        return;
    // A key already sorted on adds nothing; each key keeps the level it was
    // given at.
    std::vector<int32_t> flat;
    for (int k = 0; k < nkeys; ++k) {
        bool repeated = false;
        for (size_t f = 0; f < flat.size(); f += 2)
            repeated = repeated || flat[f] == keys[k];
        if (!repeated) {
            flat.push_back(keys[k]);
            flat.push_back(k);
        }
    }
    const Tsort_num saved = current_sort_rec.current_sort_doing;
    current_sort_rec.current_sort_doing = sort_first_sort;
    try {
        const int32_t count = Count();
        DoAPrivateSort(flat[0], start, finish, Compare);
        if (flat.size() > 2 && Count() == count)
            SortRuns(Compare, flat.data(), 1, int(flat.size() / 2), start, finish);
    } catch (...) {
        current_sort_rec.current_sort_doing = saved;
        throw;
    }
    current_sort_rec.current_sort_doing = sort_first_sort;
}

void T3SortYieldingList::DoASingleSort(const TCompareFunctOfObject& Compare, int32_t sortvar,
                                       int32_t start, int32_t finish) {
    const int32_t keys[] = {sortvar};
    RunSort(Compare, keys, 1, start, finish);
}

void T3SortYieldingList::DoASingleSort(const TCompareFunctOfObject& Compare, int32_t sortvar) {
    DoASingleSort(Compare, sortvar, 0, Count() - 1);
}

void T3SortYieldingList::DoADoubleSort(const TCompareFunctOfObject& Compare, int32_t SortVarFirst,
                                       int32_t SortVarSecond, int32_t start, int32_t finish) {
    const int32_t keys[] = {SortVarFirst, SortVarSecond};
    RunSort(Compare, keys, 2, start, finish);
}

void T3SortYieldingList::DoADoubleSort(const TCompareFunctOfObject& Compare, int32_t SortVarFirst,
                                       int32_t SortVarSecond) {
    DoADoubleSort(Compare, SortVarFirst, SortVarSecond, 0, Count() - 1);
}

void T3SortYieldingList::DoATrebleSort(const TCompareFunctOfObject& Compare, int32_t SortVarFirst,
                                       int32_t SortVarSecond, int32_t SortVarThird, int32_t start,
                                       int32_t finish) {
    const int32_t keys[] = {SortVarFirst, SortVarSecond, SortVarThird};
    RunSort(Compare, keys, 3, start, finish);
}

void T3SortYieldingList::DoATrebleSort(const TCompareFunctOfObject& Compare, int32_t SortVarFirst,
                                       int32_t SortVarSecond, int32_t SortVarThird) {
    DoATrebleSort(Compare, SortVarFirst, SortVarSecond, SortVarThird, 0, Count() - 1);
}

void T3SortNonYieldingList::DoAPrivateSort(int32_t sortvar, int32_t start, int32_t finish,
                                           const TCompareFunctOfObject& Compare) {
    // The host's procedure is put back on every way out.
    struct TRestore {
        TYieldProcessProc saved;
        ~TRestore() { AYieldProcessProc = std::move(saved); }
    } restore{std::exchange(AYieldProcessProc, nullptr)};
    T3SortYieldingList::DoAPrivateSort(sortvar, start, finish, Compare);
}

} // namespace qm7
