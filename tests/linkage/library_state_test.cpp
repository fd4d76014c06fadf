// Each library keeps the process-wide state its own: the lemmatiser carries
// a private copy of the yield hook and of the platform settings, while the
// runtime packs share theirs.
#include <dlfcn.h>

#include <gtest/gtest.h>

#include "QM7Lemmatiser.h"
#include "platform/settings.h"
#include "runtime1/core/myKpSmall.h"

namespace qm7 {
namespace {

TEST(LibraryState, LemmatiserHookIsNotThePacksHook) {
    int pack_calls = 0;
    int lemmatiser_calls = 0;
    AYieldProcessProc = [&pack_calls] { ++pack_calls; };
    QM7Lemmatiser_SetYieldHook(
        {[](void* count) { ++*static_cast<int*>(count); }, &lemmatiser_calls});
    MyYieldProcess();
    EXPECT_EQ(pack_calls, 1);
    EXPECT_EQ(lemmatiser_calls, 0);
    QM7Lemmatiser_SetYieldHook({nullptr, nullptr});
    AYieldProcessProc = nullptr;
}

TEST(LibraryState, LemmatiserCodePageIsItsOwn) {
    platform::ResetSettings();
    EXPECT_EQ(QM7Lemmatiser_SetSystemCodePage(1251), -1);
    EXPECT_EQ(platform::SystemCodePage(), 1252u);
    EXPECT_EQ(QM7Lemmatiser_SetSystemCodePage(42), 0); // unsupported
    QM7Lemmatiser_SetSystemCodePage(1252);
}

TEST(LibraryState, LemmatiserExportsOnlyItsCInterface) {
    void* lemmatiser = dlopen("libQM7Lemmatiser.so", RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(lemmatiser, nullptr);
    EXPECT_NE(dlsym(lemmatiser, "QM7Lemmatiser_SetYieldHook"), nullptr);
    EXPECT_EQ(dlsym(lemmatiser, "_ZN3qm78platform14SystemCodePageEv"), nullptr);
    EXPECT_EQ(dlsym(lemmatiser, "_ZN3qm710lemmatiser14MyYieldProcessEv"), nullptr);
    dlclose(lemmatiser);

    void* pack1 = dlopen("libQM7GeneralRuntimePack1.so", RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(pack1, nullptr);
    EXPECT_NE(dlsym(pack1, "_ZN3qm714MyYieldProcessEv"), nullptr);
    dlclose(pack1);
}

} // namespace
} // namespace qm7
