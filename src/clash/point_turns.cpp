#include "clash/point_turns.h"

#include <new>

namespace kwarel {

bool PointTurns::allocate() {
    // Zeroed slots are empty (kind 0). A failed allocation leaves the slots
    // absent: the turns are then computed, which gives the same points.
    bitsInUse_ = slotBits_ < kFirstSlotBits ? slotBits_ : kFirstSlotBits;
    slots_.reset(new (std::nothrow) PointTurn[std::size_t{1} << bitsInUse_]());
    unavailable_ = slots_ == nullptr;
    computedBefore_ = computed;
    return slots_ != nullptr;
}

void PointTurns::grow() {
    // The kept turns are let go: they are only kept, and the new table
    // fills again from the turns that follow. Without memory for the larger
    // table the present one stays, and the next growth is tried after as
    // many turns again.
    const int bits = bitsInUse_ + 2 < slotBits_ ? bitsInUse_ + 2 : slotBits_;
    std::unique_ptr<PointTurn[]> larger(new (std::nothrow) PointTurn[std::size_t{1} << bits]());
    computedBefore_ = computed;
    if (larger == nullptr) return;
    slots_ = std::move(larger);
    bitsInUse_ = bits;
}

}  // namespace kwarel
