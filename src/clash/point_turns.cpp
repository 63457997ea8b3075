#include "clash/point_turns.h"

#include <new>

namespace kwarel {

bool PointTurns::allocate() {
    // Zeroed slots are empty (kind 0). A failed allocation leaves the slots
    // absent: the turns are then computed, which gives the same points.
    slots_.reset(new (std::nothrow) PointTurn[std::size_t{1} << slotBits_]());
    unavailable_ = slots_ == nullptr;
    return slots_ != nullptr;
}

}  // namespace kwarel
