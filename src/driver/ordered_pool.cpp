#include "driver/ordered_pool.h"

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <thread>

#if defined(_WIN32)
#include <windows.h>  // NOMINMAX and WIN32_LEAN_AND_MEAN come from the build
#endif

namespace kwarel {
namespace {

// Reads a whole number of 1 or more from the text; 0 when it is anything else.
int32_t parseThreadCount(const char* text) {
    if (text == nullptr || *text == '\0') return 0;
    int64_t value = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9') return 0;
        value = value * 10 + (*p - '0');
        if (value > kMaxJobThreads) value = kMaxJobThreads;  // no overflow on long texts
    }
    return static_cast<int32_t>(value);
}

class OrderedRun {
public:
    OrderedRun(const OrderedWork& work, int32_t window,
               const std::function<void(int32_t, int32_t, std::string&)>& plan,
               const std::function<void(int32_t, const std::string&)>& write)
        : work_(work),
          window_(window),
          plan_(plan),
          write_(write),
          blocks_(static_cast<std::size_t>(window)),
          ready_(static_cast<std::size_t>(window), 0),
          finished_(static_cast<std::size_t>(work.count), 0) {}

    void work(int32_t thread) {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            if (error_ || taken_ >= work_.count) return;
            const int32_t item = taken_++;
            const int32_t before = item < static_cast<int32_t>(work_.after.size()) ? work_.after[item] : -1;
            // Room for its block, and the item it follows finished.
            changed_.wait(lock, [&] {
                return error_ || (item < written_ + window_ &&
                                  (before < 0 || finished_[static_cast<std::size_t>(before)] != 0));
            });
            if (error_) return;
            lock.unlock();
            std::string block;
            try {
                plan_(thread, item, block);
            } catch (...) {
                lock.lock();
                fail(std::current_exception());
                return;
            }
            lock.lock();
            const std::size_t slot = static_cast<std::size_t>(item % window_);
            blocks_[slot] = std::move(block);
            ready_[slot] = 1;
            finished_[static_cast<std::size_t>(item)] = 1;
            changed_.notify_all();
            if (!writing_) flush(lock);
        }
    }

    std::exception_ptr error() const { return error_; }

private:
    // Writes every block that is next in order; one thread at a time does so,
    // with the lock released while it writes.
    void flush(std::unique_lock<std::mutex>& lock) {
        writing_ = true;
        while (!error_ && written_ < work_.count) {
            const std::size_t slot = static_cast<std::size_t>(written_ % window_);
            if (ready_[slot] == 0) break;
            std::string block = std::move(blocks_[slot]);
            blocks_[slot].clear();
            ready_[slot] = 0;
            const int32_t item = written_;
            lock.unlock();
            try {
                write_(item, block);
            } catch (...) {
                lock.lock();
                fail(std::current_exception());
                break;
            }
            lock.lock();
            ++written_;
            changed_.notify_all();
        }
        writing_ = false;
    }

    void fail(std::exception_ptr error) {
        if (!error_) error_ = error;
        changed_.notify_all();
    }

    const OrderedWork& work_;
    const int32_t window_;
    const std::function<void(int32_t, int32_t, std::string&)>& plan_;
    const std::function<void(int32_t, const std::string&)>& write_;

    std::mutex mutex_;
    std::condition_variable changed_;
    int32_t taken_ = 0;
    int32_t written_ = 0;
    bool writing_ = false;
    std::exception_ptr error_;
    std::vector<std::string> blocks_;  // block of item i at i % window
    std::vector<char> ready_;
    std::vector<char> finished_;
};

// The process environment as it is now. On Windows the C runtime linked into
// the DLL keeps its own copy, made when the DLL was loaded; a host that sets
// the variable later (SetEnvironmentVariable) is seen only through the system.
int32_t threadsFromEnvironment() {
#if defined(_WIN32)
    char text[32];
    const DWORD length = GetEnvironmentVariableA("KWAREL_THREADS", text, sizeof text);
    if (length == 0 || length >= sizeof text) return 0;
    return parseThreadCount(text);
#else
    return parseThreadCount(std::getenv("KWAREL_THREADS"));
#endif
}

}  // namespace

int32_t jobThreadCount() {
    const int32_t asked = threadsFromEnvironment();
    if (asked >= 1) return asked;
    const unsigned hardware = std::thread::hardware_concurrency();
    if (hardware == 0) return 1;
    return static_cast<int32_t>(std::min<unsigned>(hardware, static_cast<unsigned>(kMaxJobThreads)));
}

int32_t runOrdered(const OrderedWork& work,
                   const std::function<void(int32_t thread, int32_t item, std::string& out)>& plan,
                   const std::function<void(int32_t item, const std::string& block)>& write) {
    if (work.count <= 0) return 1;
    const int32_t threads = std::clamp(std::min(work.threads, work.count), 1, kMaxJobThreads);
    const int32_t window = std::max(work.window > 0 ? work.window : kDefaultWindow, threads);
    OrderedRun run(work, window, plan, write);

    std::vector<std::thread> helpers;
    helpers.reserve(static_cast<std::size_t>(threads - 1));
    for (int32_t t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back([&run, t] { run.work(t); });
        } catch (...) {
            break;  // the threads already started and the caller's do the work
        }
    }
    run.work(0);
    for (std::thread& helper : helpers) helper.join();
    if (run.error()) std::rethrow_exception(run.error());
    return static_cast<int32_t>(helpers.size()) + 1;
}

}  // namespace kwarel
