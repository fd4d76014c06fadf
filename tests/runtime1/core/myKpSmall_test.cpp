#include "runtime1/core/myKpSmall.h"

#include <chrono>

#include <gtest/gtest.h>

#include "platform/dialog.h"

namespace qm7 {
namespace {

// Restores the process-wide hook whatever a test does to it.
class YieldHookTest : public ::testing::Test {
protected:
    void TearDown() override { AYieldProcessProc = nullptr; }
};

TEST_F(YieldHookTest, CallsTheHostOnlyWhenSet) {
    MyYieldProcess(); // nothing set: nothing happens
    int calls = 0;
    AYieldProcessProc = [&calls] { ++calls; };
    MyYieldProcess();
    MyYieldProcess();
    EXPECT_EQ(calls, 2);
}

TEST_F(YieldHookTest, WaitsReturnFalseAtOnceWhenAlreadyDone) {
    bool done = true;
    EXPECT_FALSE(WaitTillDone(done, 10));
    bool busy = false;
    EXPECT_FALSE(WaitedFor(busy, 10));
    EXPECT_FALSE(EspereFuncao([] { return false; }, 10));
}

TEST_F(YieldHookTest, WaitsEndWhenTheHostChangesTheFlag) {
    bool flag = false;
    int calls = 0;
    AYieldProcessProc = [&] {
        if (++calls == 7)
            flag = true;
    };
    EXPECT_FALSE(WaitTillDone(flag, 10)); // the flag was set: no time-out
    EXPECT_GE(calls, 7);

    calls = 0;
    AYieldProcessProc = [&] {
        if (++calls == 5)
            flag = false;
    };
    EXPECT_FALSE(WaitedFor(flag, 10));

    calls = 0;
    AYieldProcessProc = [&] { ++calls; };
    EXPECT_FALSE(EspereFuncao([&] { return calls < 9; }, 10));
}

TEST_F(YieldHookTest, WaitTimesOutAfterTheSecondsHavePassed) {
    const bool never = false;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(WaitTillDone(never, 1));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(CheckExec, ShowsAMessageForFailureCodesOnly) {
    struct Case {
        uint32_t code;
        const char16_t* file;
        const char16_t* message; // nullptr: no message
    };
    const Case cases[] = {
        {2, u"x.exe", u"Can't access x.exe"},
        {0, u"big.exe", u"Not enough memory to run big.exe"},
        {16, u"a.exe", u"a.exe already running"},
        {26, u"a.doc", u"Sharing problem: a.doc"},
        {31, u"notes.xyz", u"Can't handle files ending \".xyz\""},
        {12, u"a.exe", u"Can't communicate with a.exe"},
        {32, u"a.exe", nullptr},
        {42, u"a.exe", nullptr},
    };
    for (const Case& c : cases) {
        platform::TScriptedDialogService dialogs;
        platform::TDialogServiceScope scope(dialogs);
        EXPECT_EQ(CheckExec(c.code, c.file), c.code);
        if (c.message == nullptr) {
            EXPECT_TRUE(dialogs.Requests().empty()) << c.code;
            continue;
        }
        ASSERT_EQ(dialogs.Requests().size(), 1u) << c.code;
        const auto& shown = dialogs.Requests().front();
        EXPECT_EQ(shown.Text, c.message);
        EXPECT_TRUE(shown.Caption.empty());
        EXPECT_EQ(shown.Buttons, platform::TMsgDlgButtons{platform::mbOK});
    }
}

} // namespace
} // namespace qm7
