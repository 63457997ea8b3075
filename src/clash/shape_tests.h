// Whole-pipe tests for a run of feed steps, used by the run simulation.
#pragma once

#include <cstdint>

#include "clash/clash_state.h"

namespace kwarel::clash {

// Marks in `clear` (one flag per piece) the pieces that no test of the room
// in the machine slot can reach while the pipe is fed along x by any amount
// between 0 and `feed`, in at most `steps` feed steps.
void piecesClearOverFeed(ClashState& state, int32_t outsideDiameter, double feed, double steps, bool clear[]);

// The same for a turn in at most `steps` steps by any angle: about the feed
// line at (cy, cz) (a rotation) when `aboutFeedLine`, otherwise about the
// bending centre (a bend of radius `bendRadius`).
void piecesClearOverTurn(ClashState& state, int32_t outsideDiameter, bool aboutFeedLine, double cy, double cz,
                         double bendRadius, double steps, bool clear[]);

// testPipeShape leaving out the pieces marked in `clear` (none when null).
int32_t testPipeShapeExcept(ClashState& state, int32_t outsideDiameter, const bool clear[]);

}  // namespace kwarel::clash
