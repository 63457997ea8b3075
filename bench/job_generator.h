// Writes large, realistic jobs for the benchmarks: a bender database (machines
// with their rooms, benders, bend and material capabilities, tube data), a
// cut-piece file of spools and cut pieces with real pipe geometry, and the
// parameter file that ties them together.
//
// The same recipe and seed give the same files: the generator uses its own
// random number generator (not the standard distributions, whose output
// differs between standard libraries) and writes numbers rounded to tenths
// of a millimetre with integer arithmetic.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kwarel::bench {

struct JobRecipe {
    int32_t cutPieces = 1000;  // cut pieces besides the probe piece
    int32_t minBends = 1;
    int32_t maxBends = 12;     // 1 to 20
    int32_t machines = 10;     // 1 to 10
    int32_t benders = 6;       // 1 to 6
    int32_t programs = 10;     // NUMBER_OF_PROGRAMS
    bool clashChecking = false;
    uint64_t seed = 20261206;
    // Bends of an extra cut piece written last, in spool PROBE, whose shape
    // does not depend on the seed or on the number of other pieces; 0 = none.
    int32_t probeBends = 0;
    // Pieces that test how cut pieces depend on one another, all 0 (off) by
    // default so that the usual jobs stay as they are:
    int32_t templateLength = 0;   // ADD_TEMPLATE_LENGTH with this TEMPLATE_LENGTH (tenths of mm) when > 0
    int32_t duplicateEvery = 0;   // every k-th piece repeats the CUT-ID of the piece before it in its spool
    int32_t unknownItemEvery = 0; // every k-th piece names an item code the database does not have
    // When not empty, only the pieces with these indexes (from 0, below
    // cutPieces) are written, each as it is in the whole job.
    std::vector<int32_t> onlyPieces;
};

struct GeneratedJob {
    std::string folder;
    std::string parameterFile;
    std::string databaseFile;
    std::string cutPieceFile;
    std::string resultFile;
    int32_t cutPieces = 0;  // including the probe piece
    int32_t bends = 0;      // over all cut pieces
    int32_t probeIndex = -1;  // list index of the probe piece, or -1
};

// Writes the three input files into `folder` (created when missing) and
// names the result file there. Throws std::runtime_error when a file cannot
// be written.
GeneratedJob writeJob(const std::string& folder, const JobRecipe& recipe);

// A fresh folder under the system's temporary directory.
std::string makeTempFolder(const std::string& prefix);

}  // namespace kwarel::bench
