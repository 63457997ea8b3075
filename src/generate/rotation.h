// Rotation between bend planes of a run.
#pragma once

#include <cstdint>

#include "prepare/prepare_state.h"
#include "store/limits.h"

namespace kwarel {

// For the run (one option ordinal per bending position) of a piece with
// `bendCount` bends, writes the angle between successive bend planes into
// the rotation of each straight option between two bends whose plane normal
// changes. With `written`, marks there (entries 0 .. kMaxPositions - 1) the
// positions whose rotation it wrote; which they are depends only on the
// run's direction.
void setPlaneRotations(PrepareState& prep, int32_t bendCount, const int16_t* run, bool written[] = nullptr);

// What setPlaneRotations worked out for the last run it was given with this
// record, so that the next run, which in the search's odometer usually
// differs only in its last positions, computes only the planes its changed
// straights touch. Every angle comes from the same operations on the same
// directions, so the rotations written are the same to the bit. Forget it
// (valid = false) whenever the options of the positions change: a new cut
// piece.
struct PlaneRotations {
    bool valid = false;
    int32_t bendCount = 0;
    int16_t run[kMaxPositions] = {};
    double normalBefore[kMaxPositions][3] = {};  // the plane normal the straight at p is compared with
    int32_t angle[kMaxPositions] = {};
    bool written[kMaxPositions] = {};
};

// setPlaneRotations reusing, and then updating, what `last` holds.
void setPlaneRotations(PrepareState& prep, int32_t bendCount, const int16_t* run, bool written[],
                       PlaneRotations& last);

}  // namespace kwarel
