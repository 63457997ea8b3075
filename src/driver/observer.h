// What a job can tell its caller while it runs, besides the result file: how
// far it has got, and the plan of every cut piece as data. The entry points
// pass no observer, so the library stays silent and does no extra work; the
// command-line tool passes one for its progress bar and its JSON output.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/job_options.h"

namespace kwarel {

// A length as the result file prints it, with the value it was printed from.
struct PlanLength {
    int32_t tenths = 0;  // tenths of a millimetre
    std::string text;    // "1235 MM", "48.602 INCH"
};

// One instruction of a machine program, in result-file order.
struct PlanStep {
    enum class Kind { Load, Feed, Rotation, ChangeRadius, Bend, Unload };
    Kind kind = Kind::Unload;
    // Load
    std::string machine, bender;
    char hand = 'L';
    PlanLength radius;  // Load, ChangeRadius
    int mandrel = -1;   // Load: -1 no MANDREL line, 0 OFF, 1 ON
    PlanLength free;    // Load
    PlanLength feed;    // Feed
    int64_t degrees = 0;       // Rotation (magnitude), Bend
    bool counterClockwise = false;  // Rotation
};

struct PlanCut {
    int32_t number = 0;
    PlanLength length;
};

struct PlanRun {
    int32_t number = 0;  // 1-based, as STARTRUN prints it
    int32_t score = 0;
    PlanLength pipeLength, startPlay, endPlay;
    std::vector<PlanCut> cuts;
    int32_t machinesUsed = 0, bendersUsed = 0;
    int32_t direction = 1;
    bool hasStartType = false;
    std::string startType;
    std::vector<PlanStep> steps;
};

struct PlanCutPiece {
    std::string cutId, spoolId, pipingSpec, itemCode;
    long long bore = 0;  // whole part, as BORE prints it
    std::vector<std::string> clashLines;  // without their line ends
    int32_t failed = 0;  // 0 PASS, 1 FAIL, otherwise NO BENDING REQUIRED
    std::string failureText;  // FAIL only
    bool searchCutShort = false;  // the guard on the search's size ended its search
    std::vector<PlanRun> runs;
};

struct JobObserver {
    virtual ~JobObserver() = default;
    // The options and file paths as read, right after the result file opened.
    virtual void optionsRead(const JobOptions& /*options*/, const char* /*cutPieceFile*/,
                             const char* /*resultFile*/, const char* /*databaseFile*/) {}
    // The job header values, once the cut-piece file is read.
    virtual void headerRead(const char* /*pipeline*/, const char* /*date*/, int32_t /*lengthUnits*/,
                            int32_t /*boreUnits*/) {}
    // Called with done = 0 before the first cut piece is planned and after
    // each one.
    virtual void progress(int32_t /*done*/, int32_t /*total*/) {}
    // Whether cutPiecePlanned is wanted (the plan is only assembled then).
    virtual bool wantsPlan() const { return false; }
    virtual void cutPiecePlanned(const PlanCutPiece& /*piece*/) {}
    // The job's status and, for an error status written to the result file,
    // its text (null otherwise).
    virtual void finished(int32_t /*status*/, const char* /*errorText*/) {}
};

}  // namespace kwarel
