// What the clash room owns: the formed pipe of the run being simulated, the
// checkpoints of the last simulated run, the sample points of one pipe
// piece, the machine whose room the pipe is tested in, and the clash report
// of the current cut piece.
#pragma once

#include <cstdint>
#include <vector>

#include "clash/point_turns.h"
#include "store/limits.h"
#include "store/decision_observer.h"
#include "store/records.h"
#include "store/shortcuts.h"

namespace kwarel {

// Motion phases of the simulation, as the clash report names them.
constexpr int32_t kPhaseBend = 1;
constexpr int32_t kPhaseFeed = 2;
constexpr int32_t kPhaseRotation = 3;

// The state of the simulation after each position of the last run
// simulated for the current cut piece: the formed pipe, the feed line it was
// built on, the motion phase, the clash lines each position added and the
// steps made up to it. A run that agrees with it on everything positions 0
// to k read (the options up to k, or k + 1 after a straight, the rotations
// of the straights up to k, and a pipe that passes the load's back-wall
// test) resumes after position k with the same side effects, instead of
// simulating those positions again.
struct SimulationCheckpoints {
    bool valid = false;
    char cutId[31] = {};
    char spoolId[31] = {};
    int32_t optionCount = 0;
    int32_t bendCount = 0;
    int16_t ordinals[kMaxPositions] = {};
    int32_t rotations[kMaxPositions] = {};  // straight rotations when the run began
    int32_t completed = -1;  // positions 0 .. completed were finished
    bool fedNext = false;    // the straight after `completed` was fed clear as well
    int64_t offsetY[kMaxPositions] = {};
    int32_t motionPhase[kMaxPositions] = {};
    int32_t shapeEnd[kMaxPositions] = {};  // pieces after position p: shapes[shapeEnd[p-1] .. shapeEnd[p])
    int64_t steps[kMaxPositions] = {};     // steps from the load to the end of position p
    std::vector<PipeShapeRecord> shapes;
    int32_t lineCount = 0;
    int32_t linePosition[kMaxClashLines] = {};
    char lines[kMaxClashLines][kClashLineWidth] = {};
};

// A rotation made in full steps (forward, or the long way round), by the
// pipe it began from. Its full steps apply one map again and again, so a
// later rotation of the same pipe in the same room, about the same feed line
// and in the same sense goes through the same positions as this one did, all
// of them clear, for as far as this one went in full clear steps: it goes on
// from `reached`.
struct TurnMemo {
    uint64_t key = 0;  // hash of the pipe and the rest of what is compared (where ClashState::turnSlots has it)
    std::vector<PipeShapeRecord> start;
    MachineRecord machine{};
    int16_t hand = 0;
    int32_t radius = 0;
    int32_t outsideDiameter = 0;
    int32_t halfDiameter = 0;
    int32_t angleStep = 0;
    int64_t sense = 0;
    int64_t turned = 0;  // degrees turned in full steps, every one clear
    std::vector<PipeShapeRecord> reached;
    uint64_t lastUse = 0;  // when it was last looked up (ClashState::turnClock)
};

// A feed made from one pipe in one room: a later feed of the same pipe in
// the same room, with the same step, goes through the same positions in its
// full steps (each adds the same step to the same coordinates), so as many
// of them as this one found clear are made untested.
struct FeedMemo {
    uint64_t generation = 0;  // the piece's search that kept it (ClashState::memoGeneration)
    int32_t machineIndex = 0;
    int32_t outsideDiameter = 0;
    int32_t feedStep = 0;
    int64_t clearSteps = 0;  // full steps from the start found clear
    std::vector<PipeShapeRecord> start;
};

// What one position of a run reads besides the formed pipe it begins with:
// the position, the machine whose room is tested, the step and hand of its
// option, the bend's radius, and for a bend the feed line the pipe was built
// on and whether it springs back, for a straight its rotation and the next
// bend's additional material before it.
struct PositionReads {
    int32_t position = 0;
    int32_t machineIndex = 0;
    int32_t stepIndex = 0;
    int32_t bendRadius = 0;
    int32_t rotation = 0;
    int32_t extraBefore = 0;
    int64_t offsetY = 0;
    int16_t hand = 0;
    bool springback = false;
    bool operator==(const PositionReads&) const = default;
};

// A position of a run, kept by the pipe it began from and what else it
// read: whether it ended clear, the clash lines it added (at most
// kMostMemoLines), the pipe it left when clear (a clash ends the run) and
// the slot, the motion phase and feed line after it, and the steps it
// counted. A later run that reaches the same position from the same pipe,
// reading the same, does the same to the bit: it takes these instead of
// simulating it.
constexpr int kMostMemoLines = 2;
struct PositionMemo {
    uint64_t generation = 0;  // the piece's search that kept it (ClashState::memoGeneration)
    uint64_t hash = 0;
    PositionReads reads{};
    std::vector<PipeShapeRecord> before;
    std::vector<PipeShapeRecord> after;
    PipeShapeRecord slot{};
    int64_t offsetY = 0;
    int32_t motionPhase = 0;
    int64_t steps = 0;
    int32_t result = 0;
    int32_t lineCount = 0;
    char lines[kMostMemoLines][kClashLineWidth] = {};
};

struct ClashState {
    // Told every clash found, when set (never by the entry points).
    // recordFrames: a run is being replayed for drawing and the observer is
    // shown each motion; framesUntested: that replay moves the pipe without
    // testing it against the room.
    DecisionObserver* observer = nullptr;
    bool recordFrames = false;
    bool framesUntested = false;
    // Whether the simulation takes its shortcuts (resuming from checkpoints,
    // going on from an earlier rotation, leaving out pieces and tests that
    // provably cannot clash); the search reads it for its own.
    bool shortcuts = kShortcutsByDefault;

    // Step sizes of the simulation and the sampling distance.
    int32_t feedStep = 100;
    int32_t angleStep = 5;
    int32_t halfDiameter = 50;

    // Where the simulation is: position (from 1) and motion phase, read by
    // the clash report; the feed, bend and rotation steps that simulating
    // every run tried for the current cut piece from its load makes
    // (replayed, resumed and skipped parts counted as made).
    int32_t simulationPosition = 0;
    int32_t motionPhase = 0;
    int64_t simulationSteps = 0;
    int64_t stepsTakenUp = 0;  // of those, rotation steps taken up from an earlier rotation
    // Feed, bend and rotation steps actually made (moved and tested) over the
    // job, for the benchmarks.
    int64_t feedStepsMade = 0;
    int64_t bendStepsMade = 0;
    int64_t rotationStepsMade = 0;

    // The machine whose room the pipe is tested in, and its list index.
    MachineRecord machine{};
    int32_t machineIndex = -1;

    // The formed pipe, piece by piece.
    RecordList<PipeShapeRecord> pipeShapes;
    SimulationCheckpoints checkpoints;
    std::vector<TurnMemo> turnMemos;
    // turnMemos by key: open addressing with linear probing, each slot the
    // memo's index + 1 (0: empty); allocated on first use.
    std::vector<uint32_t> turnSlots;
    std::size_t turnCursor = 0;  // where the next search for a memo to give up begins
    uint64_t turnClock = 0;
    // Positions kept, direct-mapped by a hash of the pipe and the reads
    // (allocated on first use; empty when there was no memory for them).
    std::vector<PositionMemo> positionMemos;
    std::vector<FeedMemo> feedMemos;  // direct-mapped by the pipe fed, as the positions
    uint64_t memoGeneration = 1;
    int64_t positionsTaken = 0;  // positions taken from the memo, for the benchmarks
    PointTurns pointTurns;  // used only with the shortcuts

    // Clash report of the current cut piece.
    char clashLines[kMaxClashLines][kClashLineWidth] = {};
    int32_t clashLineCount = 0;
    int64_t clashesFound = 0;  // every clash line added, kept in the report or not
    char recentLines[kMostMemoLines][kClashLineWidth] = {};  // line n found is at n % kMostMemoLines

    // Sample points of one pipe piece.
    double sampleX[kMaxSamples] = {};
    double sampleY[kMaxSamples] = {};
    double sampleZ[kMaxSamples] = {};
};

// Whether an append to the formed pipe found no memory since the mark was
// last forgotten; forgetting it starts a job.
inline bool clashAppendFailed(const ClashState& clash) { return clash.pipeShapes.appendFailed; }
inline void forgetClashAppendFailures(ClashState& clash) { clash.pipeShapes.appendFailed = false; }

// Sets the step sizes a job starts with.
void resetSimulationSteps(ClashState& clash);

// Empties the clash report for a new cut piece.
void startClashReport(ClashState& clash);

// Forgets the checkpoints of the last simulated run and the rotations made,
// and starts counting simulation steps afresh, for the search of a new cut
// piece.
void forgetSimulations(ClashState& clash);

}  // namespace kwarel
