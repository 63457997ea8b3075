// Tooling options of every step of the cut piece being planned, and the one
// way to read the option and step a run chose at a bending position.
#pragma once

#include <cstdint>

#include "input/input_state.h"
#include "prepare/prepare_state.h"
#include "store/job_options.h"

namespace kwarel {

// Template length, totals, stock and machine checks, then one option per
// usable (step, direction, hand, machine, bender). Works on the cut piece in
// the cut-piece slot, which is `index`; a piece found unusable is marked
// failed there. Leaves the options grouped by bending position.
void listBendOptions(const JobOptions& options, const Shop& shop, CutPieceFile& file, PrepareState& prep,
                     int32_t index);

// True when the material capability is the named bender's and covers the
// piece's material (PIPING-SPEC) and wall thickness.
bool materialMatches(const MaterialCapabilityRecord& material, const char* benderName, const CutPieceRecord& piece);

// Groups the options in the list by bending position for `piece`, in list
// order (listBendOptions does this; tests that build options by hand call it).
void indexOptions(PrepareState& prep, const CutPieceRecord& piece);

// Number of options at bending position p.
int32_t optionsAtPositionCount(const PrepareState& prep, int32_t position);

// A run row holds, for each bending position p, the ordinal of the option
// chosen among the options at p. This is the option a run chose at one
// position and the step it makes; both null when the run names no option.
struct RunPosition {
    const BendOptionRecord* option = nullptr;
    const BendStepRecord* step = nullptr;
    int32_t optionIndex = -1;  // list index of the option
    explicit operator bool() const { return option != nullptr && step != nullptr; }
};
RunPosition runPosition(const PrepareState& prep, const int16_t* run, int32_t position);

// Gives the option the run chose at `position` a new rotation. Rotations are
// the one value of an option the search and the simulation change.
void setRunRotation(PrepareState& prep, const int16_t* run, int32_t position, int32_t rotation);

}  // namespace kwarel
