// Allocation faults on demand for the tests of this program: while an
// AllocationFault lives, the allocation (through operator new, on any
// thread) numbered `failAt` from its start throws std::bad_alloc; every
// other allocation is served.
#pragma once

namespace kwarel::testing {

class AllocationFault {
public:
    explicit AllocationFault(long failAt);  // -1: none fails, allocations are only counted
    ~AllocationFault();
    AllocationFault(const AllocationFault&) = delete;
    AllocationFault& operator=(const AllocationFault&) = delete;

    long allocations() const;  // made since the start
    // Whether the last allocation made to fail was made off the thread that
    // set the fault up.
    static bool lastFailedOffMainThread();
};

}  // namespace kwarel::testing
