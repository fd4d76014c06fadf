// The yield hook, the process-wide stop request, and waiting that keeps the
// host's user interface alive.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/export.h"
#include "runtime1/core/basic_types.h"

namespace qm7 {

enum Tpanic_mode : uint8_t { panic_no_panic, panic_stop_at_EOF, panic_stop_asap, panic_stop };

// The stop request that long operations check before each step.
extern QM7_EXPORT Tpanic_mode panic_mode;
// The host's yield procedure; unset until the host sets it.
extern QM7_EXPORT TYieldProcessProc AYieldProcessProc;
// A standing answer to a run of confirmations, and "an error message is on
// screen".
extern QM7_EXPORT bool yes_to_all;
extern QM7_EXPORT bool no_to_all;
extern QM7_EXPORT bool Global_ErrorMessageBusy;

// Calls AYieldProcessProc when it is set; otherwise does nothing.
QM7_EXPORT void MyYieldProcess();

// Waits, yielding, while Condition stays true, for at most Seconds. Returns
// false at once when Condition is false at the first call; otherwise true
// when the time ran out with Condition still true, false when it turned false.
QM7_EXPORT bool EspereFuncao(const std::function<bool()>& Condition, int32_t Seconds);
// Waits while Flag stays false; false at once when Flag is already true, else
// true on time-out and false when Flag was set.
QM7_EXPORT bool WaitTillDone(const bool& Flag, int32_t Seconds);
// Waits while Flag stays true; false at once when Flag is already false, else
// true on time-out and false when Flag was cleared.
QM7_EXPORT bool WaitedFor(const bool& Flag, int32_t Seconds);

// Reports the result code of starting a program or opening a document: codes
// 0 to 31 are failures and show a message; the code comes back unchanged.
QM7_EXPORT uint32_t CheckExec(uint32_t Code, const std::u16string& FileName);

} // namespace qm7
