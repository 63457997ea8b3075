// Tooling options of every step of the current cut piece.
#pragma once

#include <cstdint>

#include "store/job_state.h"

namespace kwarel {

// Position roles.
constexpr int16_t kRoleMiddle = 0;
constexpr int16_t kRoleFirstStraight = 1;
constexpr int16_t kRoleLastStraight = 2;
constexpr int16_t kRoleFirstBend = 3;
constexpr int16_t kRoleLastBend = 4;
constexpr int16_t kRoleOnlyBend = 5;

// Template length, totals, stock and machine checks, then one option per
// usable (step, direction, hand, machine, bender). Works on the cut piece in
// the current slot. Returns 0.
int32_t listBendOptions(JobState& state, int32_t index);

// Loads the step of the current cut piece at bending position p in direction
// d into the step slot, writes its list index and returns the position role.
int32_t stepAtPosition(JobState& state, int32_t position, int32_t direction, int32_t& stepIndex);

// 1 + list index of the first bender with this name (left in the slot), or 0.
int32_t findBenderById(JobState& state, const char* name);

// 1 when the bender in the slot can make the step in the slot for the
// current cut piece.
int32_t benderCanBend(JobState& state);

// Loads the ordinal-th option at bending position p into the option slot and
// returns its list index, or -1 when there are fewer options there.
int32_t loadOptionAt(JobState& state, int32_t position, int32_t ordinal);

// Number of options at bending position p of the current cut piece.
int32_t optionsAtPositionCount(JobState& state, int32_t position);

}  // namespace kwarel
