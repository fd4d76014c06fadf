#include "runtime1/core/DLL_utils.h"

#include <gtest/gtest.h>

namespace qm7 {
namespace {

TEST(FindLibraryFunction, FindsLoadsAndFrees) {
    Tlibrary_rec rec = FindLibraryFunction(u"libm.so.6", u"cos");
    ASSERT_NE(rec.Hinst, nullptr);
    ASSERT_NE(rec.FPointer, nullptr);
    EXPECT_EQ(reinterpret_cast<double (*)(double)>(rec.FPointer)(0.0), 1.0);
    EXPECT_TRUE(CloseLibraryFunction(rec));
    EXPECT_EQ(rec.Hinst, nullptr);
    EXPECT_EQ(rec.FPointer, nullptr);
    EXPECT_FALSE(CloseLibraryFunction(rec)); // nothing left to free
}

TEST(FindLibraryFunction, MissingFunctionOrLibrary) {
    Tlibrary_rec rec = FindLibraryFunction(u"libm.so.6", u"no_such_function_here");
    EXPECT_NE(rec.Hinst, nullptr);
    EXPECT_EQ(rec.FPointer, nullptr);
    EXPECT_TRUE(CloseLibraryFunction(rec));

    rec = FindLibraryFunction(u"libno-such-library.so", u"cos");
    EXPECT_EQ(rec.Hinst, nullptr);
    EXPECT_EQ(rec.FPointer, nullptr);
    EXPECT_FALSE(CloseLibraryFunction(rec));
}

} // namespace
} // namespace qm7
