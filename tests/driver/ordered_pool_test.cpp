#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "driver/ordered_pool.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

// Items of very uneven cost: every seventh one sleeps, so later items finish
// first and must wait for their turn to be written.
void unevenWork(int32_t item) {
    if (item % 7 == 3) std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

TEST(OrderedPool, BlocksAreWrittenInItemOrderWithBoundedWaitingAndChainsInOrder) {
    for (const int32_t threads : {1, 2, 7}) {
        SCOPED_TRACE(threads);
        OrderedWork work;
        work.count = 300;
        work.threads = threads;
        work.window = 5;
        work.after.assign(300, -1);
        // Chains: items 10, 11, 40, 200 and items 50, 120.
        work.after[11] = 10;
        work.after[40] = 11;
        work.after[200] = 40;
        work.after[120] = 50;
        std::vector<std::atomic<int>> state(300);  // 0 waiting, 1 running, 2 finished
        std::atomic<int> outstanding{0};
        std::atomic<int> mostOutstanding{0};
        std::atomic<bool> chainBroken{false};
        std::vector<std::atomic<int>> threadBusy(static_cast<std::size_t>(threads));
        std::atomic<bool> threadShared{false};
        std::string written;
        const int32_t used = runOrdered(
            work,
            [&](int32_t thread, int32_t item, std::string& out) {
                if (threadBusy[static_cast<std::size_t>(thread)].exchange(1) != 0) threadShared = true;
                const int now = ++outstanding;
                int seen = mostOutstanding.load();
                while (now > seen && !mostOutstanding.compare_exchange_weak(seen, now)) {
                }
                const int32_t before = work.after[static_cast<std::size_t>(item)];
                if (before >= 0 && state[static_cast<std::size_t>(before)].load() != 2) chainBroken = true;
                state[static_cast<std::size_t>(item)] = 1;
                unevenWork(item);
                out = "block " + std::to_string(item) + "\n";
                state[static_cast<std::size_t>(item)] = 2;
                threadBusy[static_cast<std::size_t>(thread)] = 0;
            },
            [&](int32_t item, const std::string& block) {
                EXPECT_EQ(block, "block " + std::to_string(item) + "\n");
                written += block;
                --outstanding;
            });
        EXPECT_GE(used, 1);
        EXPECT_LE(used, threads);
        std::string expected;
        for (int32_t i = 0; i < 300; ++i) expected += "block " + std::to_string(i) + "\n";
        EXPECT_EQ(written, expected);
        EXPECT_LE(mostOutstanding.load(), std::max(5, threads));  // the window is at least one item per thread
        EXPECT_FALSE(chainBroken.load());
        EXPECT_FALSE(threadShared.load());
    }
}

TEST(OrderedPool, AFailureStopsTheWorkAndIsThrownToTheCaller) {
    for (const int32_t threads : {1, 3}) {
        OrderedWork work;
        work.count = 1000;
        work.threads = threads;
        work.window = 8;
        std::atomic<int> planned{0};
        int32_t lastWritten = -1;
        EXPECT_THROW(runOrdered(
                         work,
                         [&](int32_t, int32_t item, std::string&) {
                             ++planned;
                             if (item == 20) throw std::runtime_error("no memory");
                         },
                         [&](int32_t item, const std::string&) { lastWritten = item; }),
                     std::runtime_error);
        EXPECT_LT(lastWritten, 20);          // nothing after the failed item is written
        EXPECT_LT(planned.load(), 20 + 8 + 1);  // taking stops within the window
    }
}

TEST(OrderedPool, NoItemsAndThreadCountFromTheEnvironment) {
    OrderedWork none;
    none.threads = 4;
    int calls = 0;
    runOrdered(none, [&](int32_t, int32_t, std::string&) { ++calls; }, [&](int32_t, const std::string&) { ++calls; });
    EXPECT_EQ(calls, 0);

    const testing::EnvironmentSetting setting("KWAREL_THREADS", "3");
    EXPECT_EQ(jobThreadCount(), 3);
    setting.set("100000000000000000000");
    EXPECT_EQ(jobThreadCount(), kMaxJobThreads);
    for (const char* unusable : {"0", "-2", "two", "2x", ""}) {
        setting.set(unusable);
        const int32_t threads = jobThreadCount();
        EXPECT_GE(threads, 1) << unusable;
        EXPECT_LE(threads, kMaxJobThreads) << unusable;
    }
}

}  // namespace
}  // namespace kwarel
