// What the generation room owns: the criteria levels, the working tables of
// the trial search, the runs it chose, and the memo of the last clashing
// simulation.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "generate/rotation.h"
#include "store/limits.h"
#include "store/decision_observer.h"

namespace kwarel {

// Levels of the trial criteria: each of the 32 patterns of five criteria.
constexpr int kCriteriaLevels = 32;
constexpr int kCriteria = 5;

// The last clashing simulation of the current cut piece. A run that clashed
// at position p read nothing but the options of positions 0 to p + 1, the
// rotations of its straights up to p and, in the load's back-wall test, the
// total pipe length. A later run that agrees on all of them (on that test's
// outcome, not on the total) clashes in the same way, so the search replays
// the outcome (the clash lines, the rotations of the straights passed, the
// last position and phase, the steps) instead of simulating it again.
struct ClashReplay {
    bool valid = false;
    int32_t keyLast = 0;  // the key holds positions 0 .. keyLast
    int16_t ordinals[kMaxPositions] = {};
    int32_t rotations[kMaxPositions] = {};
    int32_t clashPosition = 0;  // 0-based position of the clash
    int32_t simulationPosition = 0;
    int32_t motionPhase = 0;
    int64_t steps = 0;  // steps the simulation made from the load to the clash
    int32_t lineCount = 0;
    char lines[kMaxClashLines][kClashLineWidth] = {};
};

// What simulating a run did, given again for any later run of the same cut
// piece that the simulation cannot tell from it: the result, where it
// stopped, the steps it made from the load, and its clash lines (lines
// firstLine .. firstLine + lineCount of the memo's list).
struct SimulationOutcome {
    int32_t result = 0;
    int32_t simulationPosition = 0;
    int32_t motionPhase = 0;
    int64_t steps = 0;
    int32_t firstLine = 0;
    int32_t lineCount = 0;
};

struct ClashLineText {
    char text[kClashLineWidth];
};

// The outcomes of the runs simulated for the current cut piece, by what the
// simulation reads of a run: per position the option's class (options that
// agree on machine, hand, step and additional material share one; the bender
// is never read), the rotations of the straights as the run began, and the
// load's back-wall outcome.
struct OutcomeMemo {
    std::vector<int16_t> classes[kMaxPositions];  // by option ordinal; -1: never keyed
    std::unordered_map<std::string, SimulationOutcome> outcomes;
    std::vector<ClashLineText> lines;
};

// The guard against searches that would not end in a lifetime: with clash
// checking on, once the runs enumerated for one cut piece (visited one by one
// or accounted for in blocks) reach `runs`, or the feed, bend and rotation
// steps of simulating every one of them from its load reach `steps`, no
// further run is tried and the piece keeps the runs chosen so far
// (SearchState::searchCutShort tells). Both counts are those of the plain
// enumeration and simulation whatever shortcut saved the work, so every build
// stops at the same run.
struct SearchGuard {
    int64_t runs;
    int64_t steps;
};
constexpr SearchGuard kSearchGuard{1000000000, 10000000000000000};

struct SearchState {
    // Told every level reached and every run enumerated, when set (never by
    // the entry points).
    DecisionObserver* observer = nullptr;

    // [level][criterion], 1 = required.
    int16_t criteriaLevels[kCriteriaLevels][kCriteria] = {};

    // Tables indexed "per position 1 .. 2n" hold position p at index p - 1.
    int16_t optionCountByPosition[kMaxPositions] = {};
    int16_t keptOptions[kMaxPositions - 1][kMaxKeptPerPosition] = {};
    int16_t keptCount[kMaxPositions - 1] = {};
    // The least and largest step length and additional material before and
    // after among the kept options of each position, as the back-wall test
    // of a block of runs needs them (measured with clash checking and the
    // shortcuts only); valid when every kept option has its step.
    struct KeptSpan {
        bool valid = false;
        double lengthLo = 0, lengthHi = 0, beforeLo = 0, beforeHi = 0, afterLo = 0, afterHi = 0;
    };
    KeptSpan keptSpans[kMaxPositions - 1] = {};
    int16_t triedRuns[kTriedRows][kMaxPositions] = {};
    int32_t triedRowsInUse = 0;  // rows fill in order: this is the first free row
    int16_t levelCandidates[kMaxCandidates][kMaxPositions] = {};
    int32_t levelScores[kMaxCandidates] = {};
    int32_t sortedScores[kMaxCandidates] = {};
    int16_t selectedRuns[kMaxSelected][kMaxPositions] = {};
    int32_t selectedScores[kMaxSelected] = {};

    ClashReplay clashReplay;
    OutcomeMemo outcomeMemo;
    // The plane rotations of the last run tried (with the shortcuts).
    PlaneRotations planes;
    // The pipe length of the last run whose length was summed, after each
    // position (with the shortcuts); valid = false for a new cut piece.
    struct PipeTotals {
        bool valid = false;
        int32_t last = 0;
        int16_t run[kMaxPositions] = {};
        double after[kMaxPositions] = {};
        bool whole[kMaxPositions] = {};  // every position up to p names its option and step
    };
    PipeTotals totals;

    // The guard's bounds: kSearchGuard, lowered only by tests.
    SearchGuard guard = kSearchGuard;
    // Whether the guard ended the search of the current cut piece, and how
    // many of its runs were accounted for in blocks instead of one by one.
    bool searchCutShort = false;
    int64_t runsSkipped = 0;
    // Runs of the current cut piece visited one by one (with runsSkipped, the
    // runs the guard counts), of those the ones simulated (neither duplicates
    // nor replayed), and the ones whose outcome the outcome memo gave; the
    // last two for the benchmarks and tests.
    int64_t runsTried = 0;
    int64_t runsSimulated = 0;
    int64_t outcomesGivenAgain = 0;
};

}  // namespace kwarel
