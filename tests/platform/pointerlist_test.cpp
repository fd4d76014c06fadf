#include "platform/pointerlist.h"

#include <gtest/gtest.h>

namespace qm7::platform {
namespace {

struct TCounted {
    explicit TCounted(int& alive) : alive_(alive) { ++alive_; }
    ~TCounted() { --alive_; }
    int& alive_;
};

TEST(PointerList, OwningListFreesWhatItDropsAndNothingElse) {
    int alive = 0;
    {
        TList list;
        list.OwnObjects<TCounted>();
        for (int i = 0; i < 4; ++i)
            list.Add(new TCounted(alive));
        list.Delete(0);
        EXPECT_EQ(alive, 3);
        auto* kept = static_cast<TCounted*>(list.Extract(list.Items(0)));
        EXPECT_EQ(alive, 3);
        delete kept;
        list.SetItem(0, new TCounted(alive)); // the one replaced is freed
        EXPECT_EQ(alive, 2);
        list.Add(nullptr);
        list.Pack();
        EXPECT_EQ(list.Count(), 2);
    }
    EXPECT_EQ(alive, 0);
}

TEST(PointerList, OrderOperationsAndBounds) {
    int v[4] = {3, 1, 2, 1};
    TList list;
    for (int& x : v)
        list.Add(&x);
    list.Sort([](const void* a, const void* b) {
        return *static_cast<const int*>(a) - *static_cast<const int*>(b);
    });
    EXPECT_EQ(list.Items(0), &v[1]); // stable: the first 1 stays first
    EXPECT_EQ(list.Items(1), &v[3]);
    list.Exchange(0, 3);
    EXPECT_EQ(list.Items(0), &v[0]);
    list.Move(0, 2);
    EXPECT_EQ(list.IndexOf(&v[0]), 2);
    EXPECT_EQ(list.Remove(&v[0]), 2);
    EXPECT_EQ(list.IndexOf(&v[0]), -1);
    EXPECT_THROW(list.Items(3), EListError);
    EXPECT_THROW(list.Insert(5, nullptr), EListError);
    list.Clear(); // not owning: nothing freed
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
} // namespace qm7::platform
