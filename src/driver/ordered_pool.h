// Runs numbered items on a small fixed set of threads and hands their outputs
// on in item order.
//
// Items 0 .. count - 1 are taken in order by the calling thread and up to
// threads - 1 helper threads started here and joined before the call
// returns. Each item's output (a block of text) is passed to `write` in item
// order, on one thread at a time, as soon as every earlier item has been
// written. At most `window` items are taken but not yet written, so the
// memory held by waiting outputs stays bounded however uneven the items are.
// An item may name an earlier item that must be finished before it starts;
// such chains run in item order while other items go on beside them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kwarel {

// Most threads a job uses, whatever is asked.
constexpr int32_t kMaxJobThreads = 64;

// Items taken but not yet written, unless a run asks otherwise. Enough for the
// other threads to go on while one thread plans a piece that takes a thousand
// times longer than most (clash checking is that uneven), and small enough
// that the waiting blocks stay within a few megabytes (a block is at most
// about 100 KB: 50 runs of 41 positions).
constexpr int32_t kDefaultWindow = 256;

// Threads for a job: the whole number in KWAREL_THREADS when it is 1 or more
// (at most kMaxJobThreads), otherwise the hardware threads (at least 1).
int32_t jobThreadCount();

struct OrderedWork {
    int32_t count = 0;
    int32_t threads = 1;  // including the calling thread
    int32_t window = 0;   // items taken but not yet written; 0 = kDefaultWindow (at least one per thread)
    // after[i]: an earlier item that must be finished before item i starts,
    // or -1. Empty = no item waits.
    std::vector<int32_t> after;
};

// plan(thread, item, out) fills `out` with the item's block; `thread` is
// 0 .. threads - 1 and no two calls with the same thread run at once, so
// per-thread working state can be indexed by it. write(item, block) gets the
// blocks in item order. Returns the number of threads that worked (fewer than
// asked when the system refused to start more). An exception thrown by plan
// or write stops the taking of new items and is thrown again here once every
// thread has ended.
int32_t runOrdered(const OrderedWork& work,
                   const std::function<void(int32_t thread, int32_t item, std::string& out)>& plan,
                   const std::function<void(int32_t item, const std::string& block)>& write);

}  // namespace kwarel
