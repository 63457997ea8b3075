// Replaying chosen runs through the run simulation, to show their motions.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "driver/job_state.h"

namespace kwarel {

// A cut piece's chosen runs as their replays read them: the piece, the steps
// and options the runs use (each option with the rotation its straight had
// when the search simulated the run), the machine and pipe-shape slots as the
// job left them, and the simulation's settings. Copied out of the job while
// the piece's options are listed, so that the replays can be made later, on
// another thread, while the job plans the next cut pieces: they read nothing
// the job writes afterwards, and give the same bytes wherever they run.
struct DrawingRuns {
    CutPieceRecord piece{};
    bool springback = false;
    bool clashChecking = false;
    bool shortcuts = true;
    int32_t feedStep = 0;
    int32_t angleStep = 0;
    int32_t halfDiameter = 0;
    int32_t simulationPosition = 0;
    int32_t motionPhase = 0;
    MachineRecord machine{};
    int32_t machineIndex = -1;
    PipeShapeRecord shapeSlot{};
    // The steps the options name (an option's stepIndex counts in this list)
    // and the options the runs use, listed per bending position.
    std::vector<BendStepRecord> steps;
    std::vector<BendOptionRecord> options;
    std::vector<std::vector<int32_t>> optionsAtPosition;
    // Per run: its ordinals in optionsAtPosition, and the rotation of each
    // straight by position.
    std::vector<std::array<int16_t, kMaxPositions>> runs;
    std::vector<std::array<int32_t, kMaxPositions>> rotations;
    // The job's option and step index of each copy, while copying.
    std::vector<int32_t> optionFrom, stepFrom;
};

// Copies chosen runs `rows[0 .. count)` of the cut piece in the slot, with
// the rotations `rotations[i * kMaxPositions + p]` for straight p of run i,
// into `out` (whatever it held before is replaced; its storage is reused).
// Call only while the cut piece's options are listed (JobWatcher::cutPieceDone).
void copyRunsForDrawing(const JobState& state, const int32_t* rows, const int32_t* rotations, int32_t count,
                        DrawingRuns& out);

// The shop's machines and a prepare and clash part of its own, which replays
// for drawing work in; one per thread that replays.
//
// Without clash checking its point turns keep at most 2^14 slots (1 MB)
// instead of a planning thread's 2^18 (16 MB): a replay then makes one step
// per motion, and on a generated job of 1,000 pieces the small table takes
// 1.13 million of the 2.47 million turns from its slots against 1.21 million
// for the large one, while zeroing the large table cost more than the turns
// it keeps besides. With clash checking a replay steps through every motion
// as the search did, and the room keeps as many slots as a planning thread.
struct DrawingRoom {
    static constexpr int kUntestedSlotBits = 14;
    Shop shop;
    PrepareState prep;
    ClashState clash;
};

// Gives the room the shop's machines (the only shop records a replay reads).
void setDrawingMachines(DrawingRoom& room, const MachineRecord* machines, int32_t count);

// Simulates run `index` of `runs` in the room, showing `observer` every
// motion (DecisionObserver::motionDone) and every clash. When the job checks
// clashes the replay is the search's own step-by-step simulation, so it finds
// what the search found. When it does not, the pipe is moved through each
// motion in one step and tested nowhere. Returns the simulation's result
// (1 clear, 0 clash).
int32_t replayForDrawing(DrawingRoom& room, const DrawingRuns& runs, int32_t index, DecisionObserver* observer);

}  // namespace kwarel
