// The progress bar of qm: drawn on stderr, only when stderr is a terminal,
// driven by the libraries' yield and progress hooks.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace qm7::tool {

class TProgressBar {
public:
    // Starts a bar for a job; total 0 means "unknown": a spinner instead.
    void Begin(std::string label, int64_t total = 0);
    // Sets the work done so far (out of the total of Begin).
    void Set(int64_t done);
    // Sets a percentage directly.
    void SetPercent(int percent);
    // A sign of life from a yield: redraws the spinner now and then.
    void Tick();
    // Clears the bar's line.
    void End();

    bool Active() const { return active_; }

private:
    void Draw(bool force);

    bool enabled_ = false;
    bool active_ = false;
    std::string label_;
    int64_t total_ = 0;
    int64_t done_ = 0;
    int percent_ = -1;
    unsigned spin_ = 0;
    std::chrono::steady_clock::time_point last_draw_{};
};

// The one bar of the program.
TProgressBar& Progress();

// Binds the yield hooks of the runtime packs and of the lemmatiser to the bar
// and to the stop request of Ctrl-C.
void InstallHooks();

} // namespace qm7::tool
