#include "progress.h"

#include <cstdio>
#include <string>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace kwarel::cli {
namespace {

std::string clock(double seconds) {
    const long whole = seconds < 0 ? 0 : static_cast<long>(seconds + 0.5);
    char text[32];
    if (whole >= 3600) {
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", whole / 3600, whole / 60 % 60, whole % 60);
    } else {
        std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
    }
    return text;
}

}  // namespace

bool ProgressBar::stderrIsTerminal() {
#if defined(_WIN32)
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

void ProgressBar::start() {
    started_ = Clock::now();
    drawn_ = false;
}

std::string ProgressBar::line(int32_t done, int32_t total, double elapsed, int width) {
    const double fraction = total > 0 ? static_cast<double>(done) / total : 1.0;
    const int filled = static_cast<int>(fraction * width);
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(static_cast<std::size_t>(width), '.');
    std::string text = "[" + bar + "] " + std::to_string(done) + "/" + std::to_string(total) + " cut pieces, " +
                       clock(elapsed) + " elapsed";
    if (done > 0 && done < total) text += ", about " + clock(elapsed / done * (total - done)) + " left";
    return text;
}

void ProgressBar::update(int32_t done, int32_t total) {
    const Clock::time_point now = Clock::now();
    const double elapsed = std::chrono::duration<double>(now - started_).count();
    if (elapsed < 1.0) return;
    if (drawn_ && done < total && now - lastDrawn_ < std::chrono::milliseconds(100)) return;
    std::fprintf(stderr, "\r%s\033[K", line(done, total, elapsed, 30).c_str());
    std::fflush(stderr);
    drawn_ = true;
    lastDrawn_ = now;
}

void ProgressBar::finish() {
    if (!drawn_) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    drawn_ = false;
}

}  // namespace kwarel::cli
