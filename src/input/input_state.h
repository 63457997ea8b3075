// What the two readers own: the shop read from the bender database and the
// cut pieces read from the cut-piece file, each list with its current-record
// slot, and the header values of the cut-piece file.
#pragma once

#include <cstdint>

#include "store/limits.h"
#include "store/records.h"

namespace kwarel {

// Length units of the cut-piece file and of the result file.
constexpr int32_t kUnitsMillimetre = 1;
constexpr int32_t kUnitsInch = 2;

// Machines, benders, capabilities and tube data of the bender database.
struct Shop {
    RecordList<MachineRecord> machines;
    RecordList<BenderRecord> benders;
    RecordList<BendCapabilityRecord> bendCapabilities;
    RecordList<MaterialCapabilityRecord> materialCapabilities;
    RecordList<TubeDataRecord> tubeData;
    int32_t databaseUnits = kUnitsMillimetre;

    // Sets the list counts to 0 without releasing anything.
    void clear();
    // Releases every list's storage.
    void release();
    // Whether an append to one of the lists found no memory since the marks
    // were last forgotten; forgetting them starts a job.
    bool appendFailed() const;
    void forgetAppendFailures();
};

// Cut pieces and pipe bends of the cut-piece file, and its header values
// (kept from one job to the next, as the file may leave them out).
struct CutPieceFile {
    RecordList<CutPieceRecord> cutPieces;
    RecordList<PipeBendRecord> pipeBends;
    char headerDate[12] = {};
    char headerPipeline[48] = {};
    char headerPipingSpec[24] = {};
    int32_t boreUnits = kUnitsInch;
    int32_t lengthUnits = kUnitsMillimetre;

    void clear();
    void release();
    // Whether an append to one of the lists found no memory since the marks
    // were last forgotten; forgetting them starts a job.
    bool appendFailed() const;
    void forgetAppendFailures();
};

}  // namespace kwarel
