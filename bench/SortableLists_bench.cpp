// The three-level yielding sort on 5,000,000 entries, beside std::sort with
// the same three-key comparison, for random, ordered, reversed and all-equal
// input. The "yields" counter is the number of calls of the host's yield
// procedure in one sort.
#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "runtime1/core/SortableLists.h"
#include "runtime1/core/myKpSmall.h"

using namespace qm7;

namespace {

constexpr int kEntries = 5'000'000;

struct TRow {
    int32_t key[3];
};

enum TShape { shape_random, shape_sorted, shape_reversed, shape_equal };

bool RowLess(const TRow* a, const TRow* b) {
    for (int k = 0; k < 3; ++k)
        if (a->key[k] != b->key[k])
            return a->key[k] < b->key[k];
    return false;
}

// The rows of each shape, made once, and their pointers in input order.
const std::vector<void*>& Input(TShape shape) {
    static std::vector<TRow> rows[4];
    static std::vector<void*> pointers[4];
    std::vector<void*>& p = pointers[shape];
    if (!p.empty())
        return p;
    std::vector<TRow>& r = rows[shape];
    r.resize(kEntries);
    std::mt19937 random(42);
    for (TRow& row : r) {
        if (shape == shape_equal)
            row = {{7, 7, 7}};
        else // runs of about 5,000 under the first key, 5 under the first two
            row = {
                {int32_t(random() % 1000), int32_t(random() % 1000), int32_t(random() % 1000000)}};
    }
    p.resize(kEntries);
    for (int i = 0; i < kEntries; ++i)
        p[size_t(i)] = &r[size_t(i)];
    if (shape == shape_sorted || shape == shape_reversed) {
        std::sort(p.begin(), p.end(), [](const void* a, const void* b) {
            return RowLess(static_cast<const TRow*>(a), static_cast<const TRow*>(b));
        });
        if (shape == shape_reversed)
            std::reverse(p.begin(), p.end());
    }
    return p;
}

// A descendant as a tool writes one: SetBase caches the base's key.
class TRowList : public T3SortYieldingList {
public:
    void Load(const std::vector<void*>& items) {
        if (Count() != int(items.size())) {
            Clear();
            for (void* item : items)
                Add(item);
        } else {
            std::memcpy(Data(), items.data(), items.size() * sizeof(void*));
        }
    }
    void SetBase(void* P, int32_t sortvar) override {
        var_ = sortvar;
        key_ = static_cast<const TRow*>(P)->key[sortvar];
    }
    TCompareFunctOfObject Compare() {
        return [this](const void* item, const void*) {
            const int32_t k = static_cast<const TRow*>(item)->key[var_];
            return int32_t((k > key_) - (k < key_));
        };
    }
    bool Ordered() const {
        for (int i = 1; i < Count(); ++i)
            if (RowLess(static_cast<const TRow*>(Items(i)), static_cast<const TRow*>(Items(i - 1))))
                return false;
        return true;
    }

private:
    int32_t var_ = 0;
    int32_t key_ = 0;
};

void BM_TrebleYieldingSort(benchmark::State& state) {
    const auto shape = TShape(state.range(0));
    const std::vector<void*>& input = Input(shape);
    TRowList list;
    list.SetAscending(true, true, true);
    int64_t yields = 0;
    AYieldProcessProc = [&yields] { ++yields; };
    for (auto _ : state) {
        state.PauseTiming();
        list.Load(input);
        yields = 0;
        state.ResumeTiming();
        list.DoATrebleSort(list.Compare(), 0, 1, 2);
    }
    AYieldProcessProc = nullptr;
    state.counters["yields"] = double(yields);
    if (!list.Ordered())
        state.SkipWithError("not in order");
}

void BM_StdSortThreeKeys(benchmark::State& state) {
    const auto shape = TShape(state.range(0));
    const std::vector<void*>& input = Input(shape);
    std::vector<void*> items;
    for (auto _ : state) {
        state.PauseTiming();
        items = input;
        state.ResumeTiming();
        std::sort(items.begin(), items.end(), [](const void* a, const void* b) {
            return RowLess(static_cast<const TRow*>(a), static_cast<const TRow*>(b));
        });
        benchmark::DoNotOptimize(items.data());
    }
}

void Shapes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"shape"})->Unit(benchmark::kMillisecond)->Iterations(3);
    for (int shape = shape_random; shape <= shape_equal; ++shape)
        b->Arg(shape);
}

} // namespace

// shape: 0 random, 1 sorted, 2 reversed, 3 all equal.
BENCHMARK(BM_TrebleYieldingSort)->Apply(Shapes);
BENCHMARK(BM_StdSortThreeKeys)->Apply(Shapes);
