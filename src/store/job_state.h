// The process-wide state of the planner, gathered in one struct.
//
// The entry points keep one instance for the life of the loaded library, so
// what is process-wide by design (header texts kept between jobs,
// rotations left in options, the last simulation values) behaves as such,
// while tests can make their own instance and run jobs or single cut pieces
// in isolation.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

#include "store/records.h"

namespace kwarel {

// Table limits of the trial search.
constexpr int kMaxBends = 20;
constexpr int kMaxPositions = 2 * kMaxBends + 1;  // 41 entries per run row
constexpr int kMaxKeptPerPosition = 50;
constexpr int kMaxCandidates = 50;
constexpr int kTriedRows = 100;
constexpr int kTriedRowsSearched = 50;  // the duplicate search reads only these
constexpr int kMaxSelected = 50;
constexpr int kMaxCutEntries = kMaxBends;
constexpr int kMaxClashLines = 10;
constexpr int kClashLineWidth = 200;
constexpr int kMaxSamples = 300;
constexpr int kLineBuffer = 200;  // line buffer of the database and cut-piece readers

// Options of one job, read from the parameter file. Flags are off when 0.
struct JobOptions {
    int32_t ALLOW_ADDITIONAL_MATERIAL = 0;
    int32_t INCLUDE_BEND_STRETCHING = 0;
    int32_t INCLUDE_WELD_SHRINKAGE = 0;
    int32_t INCLUDE_BEND_SPRINGBACK = 0;
    int32_t USE_MACHINE_PRIORITY = 0;
    int32_t USE_BENDER_PRIORITY = 0;
    int32_t MACHINE_OVER_BENDER_PRIORITY = 0;
    int32_t DO_CLASH_CHECKING = 0;
    int32_t ADD_TEMPLATE_LENGTH = 0;
    int32_t TEMPLATE_LENGTH = 0;  // tenths of a millimetre
    int32_t NUMBER_OF_PROGRAMS = 0;
    int32_t ALLOW_MACHINE_CHANGE = 0;
    int32_t ALLOW_BENDER_CHANGE = 0;
    int32_t ALLOW_HAND_CHANGE = 0;
    int32_t TRIAL_CRITERION[5] = {0, 0, 0, 0, 0};  // ranks of criteria 1 to 5
    int32_t FORCE_MACHINE = 0;
    int32_t FORCE_BENDER = 0;
    char forcedMachineId[12] = {};
    char forcedBenderId[12] = {};
};

struct JobState {
    // --- job control -------------------------------------------------------
    JobOptions options;
    char cutPieceFilePath[kLineBuffer] = {};
    char resultFilePath[kLineBuffer] = {};
    char databaseFilePath[kLineBuffer] = {};
    char versionText[8] = {};
    std::FILE* resultFile = nullptr;

    // --- simulation values set by the driver and the run simulation --------
    int32_t feedStep = 100;
    int32_t angleStep = 5;
    int32_t halfDiameter = 50;
    int32_t simulationPosition = 0;
    int32_t motionPhase = 0;
    int64_t simulationSteps = 0;  // feed, bend and rotation steps made for the current cut piece

    // --- header values of the cut-piece file (kept between jobs) -----------
    char headerDate[12] = {};
    char headerPipeline[48] = {};
    char headerPipingSpec[24] = {};
    int32_t boreUnits = 2;
    int32_t lengthUnits = 1;

    // --- database reader ----------------------------------------------------
    int32_t databaseUnits = 1;

    // --- the ten record lists ----------------------------------------------
    RecordList<MachineRecord> machines;
    RecordList<BenderRecord> benders;
    RecordList<BendCapabilityRecord> bendCapabilities;
    RecordList<MaterialCapabilityRecord> materialCapabilities;
    RecordList<TubeDataRecord> tubeData;
    RecordList<CutPieceRecord> cutPieces;
    RecordList<PipeBendRecord> pipeBends;
    RecordList<BendStepRecord> bendSteps;
    RecordList<BendOptionRecord> bendOptions;
    RecordList<PipeShapeRecord> pipeShapes;

    // --- trial criteria levels: [level][criterion], 1 = required -------------
    int16_t criteriaLevels[32][5] = {};

    // --- trial search working tables ----------------------------------------
    // Tables indexed "per position 1 .. 2n" hold position p at index p - 1.
    int16_t optionCountByPosition[kMaxPositions] = {};
    int16_t keptOptions[kMaxPositions - 1][kMaxKeptPerPosition] = {};
    int16_t keptCount[kMaxPositions - 1] = {};
    int16_t combination[kMaxPositions - 1] = {};
    int16_t triedRuns[kTriedRows][kMaxPositions] = {};
    int32_t triedRowsInUse = 0;  // rows fill in order: this is the first free row
    int16_t levelCandidates[kMaxCandidates][kMaxPositions] = {};
    int32_t levelScores[kMaxCandidates] = {};
    int32_t sortedScores[kMaxCandidates] = {};
    int16_t selectedRuns[kMaxSelected][kMaxPositions] = {};
    int32_t selectedScores[kMaxSelected] = {};

    // --- the last clashing simulation of the current cut piece -------------
    // A run that clashed at position p read nothing but the options of
    // positions 0 to p + 1, the rotations of its straights up to p and the
    // total pipe length. A later run that agrees on all of them clashes in
    // the same way, so the search replays the outcome (the clash lines, the
    // rotations of the straights passed, the last position and phase)
    // instead of simulating it again.
    struct ClashReplay {
        bool valid = false;
        int32_t keyLast = 0;  // the key holds positions 0 .. keyLast
        int16_t ordinals[kMaxPositions] = {};
        int32_t rotations[kMaxPositions] = {};
        double total = 0.0;
        int32_t clashPosition = 0;  // 0-based position of the clash
        int32_t simulationPosition = 0;
        int32_t motionPhase = 0;
        int32_t lineCount = 0;
        char lines[kMaxClashLines][kClashLineWidth] = {};
    };
    ClashReplay clashReplay;

    // --- checkpoints of the last simulated run -------------------------------
    // The state of the simulation after each position of the last run
    // simulated for the current cut piece: the formed pipe, the feed line it
    // was built on, the motion phase, and the clash lines each position added.
    // A run that agrees with it on everything positions 0 to k read (the
    // options up to k, or k + 1 after a straight, the rotations of the
    // straights up to k, the total pipe length) resumes after position k with
    // the same side effects, instead of simulating those positions again.
    struct SimulationCheckpoints {
        bool valid = false;
        char cutId[31] = {};
        char spoolId[31] = {};
        int32_t optionCount = 0;
        int32_t bendCount = 0;
        int16_t ordinals[kMaxPositions] = {};
        int32_t rotations[kMaxPositions] = {};  // straight rotations when the run began
        double total = 0.0;
        int32_t completed = -1;  // positions 0 .. completed were finished
        int64_t offsetY[kMaxPositions] = {};
        int32_t motionPhase[kMaxPositions] = {};
        int32_t shapeEnd[kMaxPositions] = {};  // pieces after position p: shapes[shapeEnd[p-1] .. shapeEnd[p])
        std::vector<PipeShapeRecord> shapes;
        int32_t lineCount = 0;
        int32_t linePosition[kMaxClashLines] = {};
        char lines[kMaxClashLines][kClashLineWidth] = {};
    };
    SimulationCheckpoints simulationCheckpoints;

    // --- cut table of the run being written: CUT number and length --------
    // One entry per bend after the first, so every cut of a run is listed.
    struct CutEntry {
        int32_t number;
        int32_t length;
    };
    CutEntry cutTable[kMaxCutEntries] = {};

    // --- clash report of the current cut piece ------------------------------
    char clashLines[kMaxClashLines][kClashLineWidth] = {};
    int32_t clashLineCount = 0;

    // --- sample points of one pipe piece ------------------------------------
    double sampleX[kMaxSamples] = {};
    double sampleY[kMaxSamples] = {};
    double sampleZ[kMaxSamples] = {};

    // --- lookup indexes (no observable effect; they only make lookups fast) --
    // Cut-piece key (cutId, spoolId compared without regard to case) to the
    // list indexes of its pipe bends, in list order. Built on demand for the
    // pipe bend count it was built for.
    std::unordered_map<std::string, std::vector<int32_t>> bendsByKey;
    int32_t bendsIndexedCount = -1;
    // Cut-piece key to the list index of the first bend step with that key.
    std::unordered_map<std::string, int32_t> firstStepByKey;
    int32_t stepsIndexedCount = 0;
    // The last key looked up there and its answer, valid while the step
    // count is stepsIndexedCount.
    char lastStepKeyCutId[33] = {};
    char lastStepKeySpoolId[33] = {};
    int32_t lastStepKeyFirst = -1;
    bool lastStepKeyValid = false;
    // Bend options of the current cut piece grouped by bending position, in
    // list order; valid for optionsIndexedCount options and optionsIndexedFirstStep.
    std::vector<int32_t> optionsAtPosition[kMaxPositions];
    int32_t optionsIndexedCount = -1;
    int32_t optionsIndexedFirstStep = -1;
    int32_t optionsIndexedBends = -1;
};

// Normalised cut-piece key: cutId and spoolId with a to z mapped to A to Z.
std::string cutPieceKey(const char* cutId, const char* spoolId);

// Sets the counts of the nine job lists to 0 without releasing anything and
// forgets the lookup indexes built over them.
void resetJobLists(JobState& state);

// Releases machine, bender, bend capability, material capability, tube data,
// cut piece, pipe bend and bend step lists, in that order.
void releaseRecordLists(JobState& state);

// Forgets the bend-option index (call after the option list changes size).
void forgetOptionIndex(JobState& state);

}  // namespace kwarel
