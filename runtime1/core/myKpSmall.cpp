#include "runtime1/core/myKpSmall.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/dialog.h"
#include "runtime1/files/logging_utilities.h"

namespace qm7 {

Tpanic_mode panic_mode = panic_no_panic;
TYieldProcessProc AYieldProcessProc;
bool yes_to_all = false;
bool no_to_all = false;
bool Global_ErrorMessageBusy = false;

namespace {

// Clears the hook when the library unloads, so nothing calls into a host
// that has gone, and says so in the log.
struct TUnloadHook {
    ~TUnloadHook() {
        AYieldProcessProc = nullptr;
        if (keeping_log)
            AddToLogFile(u"quit myKpSmall");
    }
} unload_hook;

// Yields while keep_waiting() holds, for at most seconds. True on time-out.
bool WaitWhile(const std::function<bool()>& keep_waiting, int32_t seconds) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto limit = std::chrono::seconds(seconds < 0 ? 0 : seconds);
    for (;;) {
        for (int i = 0; i < 3; ++i)
            MyYieldProcess();
        if (!keep_waiting())
            return false;
        if (Clock::now() - start > limit)
            return true;
        // Without a host to yield to, sleep rather than spin.
        if (!AYieldProcessProc)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::u16string CheckExecMessage(uint32_t code, const std::u16string& file_name) {
    switch (code) {
    case 0:
    case 8:
        return u"Not enough memory to run " + file_name;
    case 2:
    case 3:
    case 5:
        return u"Can't access " + file_name;
    case 16:
        return file_name + u" already running";
    case 26:
        return u"Sharing problem: " + file_name;
    case 27:
    case 31:
        return u"Can't handle files ending \"" +
               std::filesystem::path(file_name).extension().u16string() + u"\"";
    default:
        return u"Can't communicate with " + file_name;
    }
}

} // namespace

void MyYieldProcess() {
    if (AYieldProcessProc)
        AYieldProcessProc();
}

bool EspereFuncao(const std::function<bool()>& Condition, int32_t Seconds) {
    if (!Condition())
        return false;
    return WaitWhile(Condition, Seconds);
}

bool WaitTillDone(const bool& Flag, int32_t Seconds) {
    if (Flag)
        return false;
    return WaitWhile([&Flag] { return !Flag; }, Seconds);
}

bool WaitedFor(const bool& Flag, int32_t Seconds) {
    if (!Flag)
        return false;
    return WaitWhile([&Flag] { return Flag; }, Seconds);
}

uint32_t CheckExec(uint32_t Code, const std::u16string& FileName) {
    if (Code > 31)
        return Code;
    platform::TDialogRequest request;
    request.Text = CheckExecMessage(Code, FileName);
    request.Type = platform::mtCustom;
    request.Buttons = {platform::mbOK};
    platform::ShowDialog(request);
    return Code;
}

} // namespace qm7
