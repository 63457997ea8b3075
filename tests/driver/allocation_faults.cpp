#include "driver/allocation_faults.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <thread>

namespace {

std::atomic<bool> armed{false};
std::atomic<long> made{0};
std::atomic<long> failAtCount{-1};
std::atomic<bool> failedOffMain{false};
std::thread::id mainThread;

}  // namespace

// Replaces the program's allocation functions; the array and nothrow forms
// call these. Unarmed, one relaxed load per allocation.
void* operator new(std::size_t size) {
    if (armed.load(std::memory_order_relaxed) && made.fetch_add(1) == failAtCount.load()) {
        failedOffMain = std::this_thread::get_id() != mainThread;
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size != 0 ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace kwarel::testing {

AllocationFault::AllocationFault(long failAt) {
    mainThread = std::this_thread::get_id();
    made = 0;
    failAtCount = failAt;
    failedOffMain = false;
    armed = true;
}

AllocationFault::~AllocationFault() { armed = false; }

long AllocationFault::allocations() const { return made.load(); }

bool AllocationFault::lastFailedOffMainThread() { return failedOffMain.load(); }

}  // namespace kwarel::testing
