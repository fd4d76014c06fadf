#include "tools/qm/progress.h"

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>

#include "QM7Lemmatiser.h"
#include "runtime1/core/myKpSmall.h"
#include "tools/qm/qm.h"

namespace qm7::tool {

namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr int kBarWidth = 30;

volatile std::sig_atomic_t stop_signals = 0;

void OnInterrupt(int) {
    // The first Ctrl-C asks the work to stop; the second ends the program.
    stop_signals = stop_signals + 1;
    if (stop_signals >= 2)
        std::_Exit(130);
}

void YieldToTool() {
    if (stop_signals > 0)
        panic_mode = panic_stop;
    Progress().Tick();
}

void LemmatiserYield(void*) {
    YieldToTool();
}

} // namespace

bool StopRequested() {
    return stop_signals > 0;
}

TProgressBar& Progress() {
    static TProgressBar bar;
    return bar;
}

void TProgressBar::Begin(std::string label, int64_t total) {
    enabled_ = isatty(STDERR_FILENO) == 1;
    active_ = true;
    label_ = std::move(label);
    total_ = total;
    done_ = 0;
    percent_ = -1;
    Draw(true);
}

void TProgressBar::Set(int64_t done) {
    done_ = done;
    Draw(false);
}

void TProgressBar::SetPercent(int percent) {
    percent_ = std::clamp(percent, 0, 100);
    Draw(false);
}

void TProgressBar::Tick() {
    // Yields come at every step of a loop: look at the clock only now and then.
    if (++spin_ % 64 == 0)
        Draw(false);
}

void TProgressBar::End() {
    if (active_ && enabled_)
        std::fputs("\r\033[K", stderr);
    active_ = false;
}

void TProgressBar::Draw(bool force) {
    if (!active_ || !enabled_)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (!force && now - last_draw_ < kRedrawInterval)
        return;
    last_draw_ = now;
    int percent = percent_;
    if (percent < 0 && total_ > 0)
        percent = int(std::clamp<int64_t>(done_ * 100 / total_, 0, 100));
    std::string bar;
    if (percent >= 0) {
        const int filled = percent * kBarWidth / 100;
        bar = "[" + std::string(size_t(filled), '#') +
              std::string(size_t(kBarWidth - filled), '.') + "] " + std::to_string(percent) + "%";
    } else {
        static constexpr char kSpinner[] = {'|', '/', '-', '\\'};
        bar = std::string(1, kSpinner[(spin_ / 64) % 4]);
    }
    std::fprintf(stderr, "\r\033[K%s %s", label_.c_str(), bar.c_str());
    std::fflush(stderr);
}

void InstallHooks() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    AYieldProcessProc = YieldToTool;
    QM7Lemmatiser_SetYieldHook({&LemmatiserYield, nullptr});
}

} // namespace qm7::tool
