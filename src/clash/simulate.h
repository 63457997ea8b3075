// Run simulation: the pipe is loaded, fed, bent and rotated step by step.
#pragma once

#include <cstdint>

#include "clash/clash_state.h"
#include "input/input_state.h"
#include "prepare/prepare_state.h"

namespace kwarel {

// Simulates the run (one option ordinal per bending position, kMaxPositions
// entries) of `piece` in the rooms of the shop's machines: 1 when it stays
// clear, 0 on a clash (the clash lines are added to the report). The
// rotation of every straight the run passes is left lowered by 360 in its
// option.
int32_t simulateRun(ClashState& state, PrepareState& prep, const Shop& shop, const CutPieceRecord& piece,
                    bool springback, const int16_t* run);

// The outcome of a simulation that clashed, given again without simulating:
// its clash lines, where it stopped, the half diameter it sampled with and
// the steps it made.
void replayOutcome(ClashState& state, const char (*lines)[kClashLineWidth], int32_t lineCount,
                   int32_t simulationPosition, int32_t motionPhase, int32_t outsideDiameter, int64_t steps);

// What the load step tests: the length fed before the first bend (the first
// straight and the first bend's additional material) against the front wall,
// and the rest of the pipe (total - length) against the back wall, of the
// first option's machine. The total pipe length is read nowhere else.
struct LoadCheck {
    double length = 0.0;
    int32_t frontWall = 0;
    int32_t backWall = 0;
    bool hitsFrontWall() const { return frontWall <= length; }
    bool hitsBackWall(double total) const { return backWall <= total - length; }
};
LoadCheck loadCheck(const ClashState& state, const PrepareState& prep, const Shop& shop, const int16_t* run);

// Length of the pipe the run bends: every step and the options' additional
// material, in the order the simulation adds them.
double totalPipeLength(const PrepareState& prep, int32_t bendCount, const int16_t* run);
// The same sum carried on from `total` through positions from .. last,
// noting the running total after each position p in after[p] when given:
// a run that shares positions 0 .. from - 1 with one summed before can start
// from that one's after[from - 1] and reach the same bits.
double addPipeLengths(const PrepareState& prep, const int16_t* run, int32_t from, int32_t last, double total,
                      double* after);

// Single motion steps of the formed pipe, each followed by the room test.
int32_t feedPipeStep(ClashState& state, int32_t distance, int32_t outsideDiameter);
int32_t bendPipeStep(ClashState& state, int16_t hand, int32_t fromAngle, int32_t toAngle, int32_t outsideDiameter,
                     int32_t bendRadius);
int32_t rotatePipeStep(ClashState& state, int16_t hand, int32_t angle, int32_t outsideDiameter, int32_t bendRadius);
int32_t shiftPipeSideways(ClashState& state, int32_t delta);

// Direction angles in degrees (0 to 360) of a point seen from a centre: in
// the plane of the bend, and about the feed line.
double planarAngle(double cx, double cy, double x, double y);
double axialAngle(double cy, double cz, double y, double z);
int32_t placeAtAxialAngle(double cy, double cz, double angle, double& y, double& z);

}  // namespace kwarel
