// The progress bar of a long job: one line on stderr, redrawn in place,
// shown only when stderr is a terminal and only once the job has run for a
// second; the line is cleared when the job ends.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace kwarel::cli {

class ProgressBar {
public:
    // Whether stderr is a terminal (no bar otherwise).
    static bool stderrIsTerminal();

    void start();
    void update(int32_t done, int32_t total);
    void finish();

    // The line for `done` of `total` pieces after `elapsed` seconds, without
    // the carriage return that puts it in place; `width` is the bar's width.
    static std::string line(int32_t done, int32_t total, double elapsed, int width);

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point started_{};
    Clock::time_point lastDrawn_{};
    bool drawn_ = false;
};

}  // namespace kwarel::cli
