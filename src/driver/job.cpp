#include "driver/job.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "driver/parameters.h"
#include "driver/result.h"
#include "generate/criteria.h"
#include "kwarel.h"
#include "kwarel_version.h"
#include "generate/search.h"
#include "input/cutpiece_reader.h"
#include "input/database_reader.h"
#include "prepare/bend_steps.h"
#include "prepare/options.h"
#include "prepare/resolve.h"
#include "store/text.h"

namespace kwarel {
namespace {

constexpr const char* kVersionText = KWAREL_VERSION;

// Existence test only: a folder or an unreadable file exists too.
bool pathExists(const char* path) {
    if (path == nullptr || path[0] == '\0') return false;
    struct stat info;
    return ::stat(path, &info) == 0;
}

std::FILE* openResultFile(const char* path) {
    if (path == nullptr || path[0] == '\0') return nullptr;
#if defined(_WIN32)
    return std::fopen(path, "w+t");  // text mode: line ends become CR LF
#else
    return std::fopen(path, "w+");
#endif
}

void writeFlag(JobState& state, const char* label, int32_t flag, const char* lineEnd) {
    char line[kLineBuffer];
    std::snprintf(line, sizeof line, "%s%s%s", label, flag != 0 ? "YES" : "NO", lineEnd);
    writeText(state, line);
}

void writeEchoBlock(JobState& state) {
    const JobOptions& o = state.options;
    char line[512];
    std::snprintf(line, sizeof line, "TORVEX (Version %s)\n\n", kVersionText);
    writeText(state, line);
    std::snprintf(line, sizeof line, "CUTPIECEFILE      %s\n", state.cutPieceFilePath);
    writeText(state, line);
    std::snprintf(line, sizeof line, "OUTPUTFILE        %s\n", state.resultFilePath);
    writeText(state, line);
    std::snprintf(line, sizeof line, "DATABASEFILE      %s\n\n", state.databaseFilePath);
    writeText(state, line);
    writeFlag(state, "ALLOW_ADDITIONAL_MATERIAL      ", o.ALLOW_ADDITIONAL_MATERIAL, "\n");
    writeFlag(state, "INCLUDE_BEND_STRETCHING        ", o.INCLUDE_BEND_STRETCHING, "\n");
    writeFlag(state, "INCLUDE_WELD_SHRINKAGE         ", o.INCLUDE_WELD_SHRINKAGE, "\n");
    writeFlag(state, "INCLUDE_BEND_SPRINGBACK        ", o.INCLUDE_BEND_SPRINGBACK, "\n");
    writeFlag(state, "USE_MACHINE_PRIORITY           ", o.USE_MACHINE_PRIORITY, "\n");
    writeFlag(state, "USE_BENDER_PRIORITY            ", o.USE_BENDER_PRIORITY, "\n");
    writeFlag(state, "MACHINE_OVER_BENDER_PRIORITY   ", o.MACHINE_OVER_BENDER_PRIORITY, "\n");
    writeFlag(state, "DO_CLASH_CHECKING              ", o.DO_CLASH_CHECKING, "\n");
    std::snprintf(line, sizeof line, "NUMBER_OF_PROGRAMS             %d\n", o.NUMBER_OF_PROGRAMS);
    writeText(state, line);
    writeFlag(state, "ADD_TEMPLATE_LENGTH            ", o.ADD_TEMPLATE_LENGTH, "\n");
    std::snprintf(line, sizeof line, "TEMPLATE_LENGTH                %d MM\n", o.TEMPLATE_LENGTH / 10);
    writeText(state, line);
    writeFlag(state, "ALLOW_MACHINE_CHANGE           ", o.ALLOW_MACHINE_CHANGE, "\n");
    writeFlag(state, "ALLOW_BENDER_CHANGE            ", o.ALLOW_BENDER_CHANGE, "\n");
    writeFlag(state, "ALLOW_HAND_CHANGE              ", o.ALLOW_HAND_CHANGE, "\n\n");
    if (o.FORCE_MACHINE != 0) {
        std::snprintf(line, sizeof line, "FORCE_MACHINE             %s\n", o.forcedMachineId);
        writeText(state, line);
    }
    if (o.FORCE_BENDER != 0) {
        std::snprintf(line, sizeof line, "FORCE_BENDER              %s\n", o.forcedBenderId);
        writeText(state, line);
    }
    writeText(state, "\n");
}

// Releases the record lists of the job (not the options of the last cut
// piece: they are dropped after each piece).
void releaseRecordLists(JobState& state) {
    state.shop.release();
    state.cutFile.release();
    state.prep.release();
}

// Ends the job with a status: the error text without a line end, the result
// file closed, and the lists released where the status calls for it.
int32_t failJob(JobState& state, KwarelStatus status, bool release) {
    writeText(state, kwarelStatusTexts[status].resultText);
    std::fclose(state.resultFile);
    state.resultFile = nullptr;
    if (release) releaseRecordLists(state);
    return status;
}

// Gives the named record priority 10 and every other one 0; true when some
// record matched.
template <typename Record>
bool forcePriorities(RecordList<Record>& list, const char* forcedId) {
    bool matched = false;
    for (int32_t i = 0; i < list.count; ++i) {
        Record& record = list.at(i);
        if (equalsNoCase(record.name, forcedId)) {
            record.priority = 10;
            matched = true;
        } else {
            record.priority = 0;
        }
    }
    return matched;
}

}  // namespace

JobState& processJobState() {
    // Lives as long as the loaded library; never destroyed, so nothing runs
    // when the library is unloaded.
    static JobState* state = new JobState();
    return *state;
}

int32_t readAndCheckJob(JobState& state, const char* parameterFilePath) {
    if (!pathExists(parameterFilePath)) return KWAREL_PARAMETER_FILE_NOT_FOUND;

    readParameterFile(state.options, parameterFilePath, state.cutPieceFilePath, state.resultFilePath,
                      state.databaseFilePath);
    resetSimulationSteps(state.clash);
    state.shop.clear();
    state.cutFile.clear();
    state.prep.clear();

    state.resultFile = openResultFile(state.resultFilePath);
    if (state.resultFile == nullptr) return KWAREL_RESULT_FILE_NOT_OPENED;

    writeEchoBlock(state);

    const JobOptions& options = state.options;
    if (setTrialCriteriaOrder(options, state.search) == -1) {
        return failJob(state, KWAREL_TRIAL_ORDER_INVALID, false);
    }
    if (options.NUMBER_OF_PROGRAMS < 1) {
        return failJob(state, KWAREL_TOO_FEW_PROGRAMS, false);
    }
    if (options.NUMBER_OF_PROGRAMS > kMaxSelected) {
        return failJob(state, KWAREL_TOO_MANY_PROGRAMS, false);
    }
    if (!pathExists(state.cutPieceFilePath)) {
        return failJob(state, KWAREL_CUT_PIECE_FILE_NOT_FOUND, false);
    }
    if (!pathExists(state.databaseFilePath)) {
        return failJob(state, KWAREL_DATABASE_FILE_NOT_FOUND, false);
    }

    Shop& shop = state.shop;
    readBenderDatabase(shop, state.databaseFilePath);
    if (shop.machines.count == 0) {
        return failJob(state, KWAREL_NO_MACHINES, true);
    }
    if (shop.benders.count == 0) {
        return failJob(state, KWAREL_NO_BENDERS, true);
    }
    if (shop.bendCapabilities.count == 0) {
        return failJob(state, KWAREL_NO_BEND_CAPABILITIES, true);
    }
    if (shop.materialCapabilities.count == 0) {
        return failJob(state, KWAREL_NO_MATERIAL_CAPABILITIES, true);
    }
    if (shop.tubeData.count == 0) {
        return failJob(state, KWAREL_NO_ITEM_CODES, true);
    }
    if (options.FORCE_MACHINE != 0 && !forcePriorities(shop.machines, options.forcedMachineId)) {
        return failJob(state, KWAREL_FORCED_MACHINE_MISSING, true);
    }
    if (options.FORCE_BENDER != 0 && !forcePriorities(shop.benders, options.forcedBenderId)) {
        return failJob(state, KWAREL_FORCED_BENDER_MISSING, true);
    }

    readCutPieceFile(state.cutFile, state.cutPieceFilePath);
    writeJobHeader(state);
    if (state.cutFile.cutPieces.count == 0) {
        return failJob(state, KWAREL_NO_CUT_PIECES, true);
    }
    if (state.cutFile.pipeBends.count == 0) {
        return failJob(state, KWAREL_NO_PIPE_BENDS, true);
    }
    return KWAREL_JOB_COMPLETED;
}

void prepareCutPieces(JobState& state) {
    const int32_t count = state.cutFile.cutPieces.count;
    for (int32_t i = 0; i < count; ++i) resolveCutPieceItem(state.shop, state.cutFile, state.prep, i);
    for (int32_t i = 0; i < count; ++i) buildBendSteps(state.options, state.cutFile, state.prep, i);
}

int32_t planCutPiece(JobState& state, int32_t index) {
    state.cutFile.cutPieces.load(index);
    startClashReport(state.clash);
    listBendOptions(state.options, state.shop, state.cutFile, state.prep, index);
    const SearchParts parts{state.options, state.shop, state.cutFile, state.prep, state.search, state.clash};
    return searchBendingRuns(parts, index);
}

void forgetCutPieceOptions(JobState& state) { state.prep.bendOptions.clear(); }

void writeCutPieceResult(JobState& state, int32_t index, int32_t runs) {
    writeCutPieceBlock(state, runs);
    if (state.watcher != nullptr) state.watcher->cutPieceDone(state, index, runs);
    forgetCutPieceOptions(state);
}

int32_t runJob(JobState& state, const char* parameterFilePath) {
    const int32_t status = readAndCheckJob(state, parameterFilePath);
    if (status != KWAREL_JOB_COMPLETED) return status;
    prepareCutPieces(state);
    for (int32_t i = 0; i < state.cutFile.cutPieces.count; ++i) {
        const int32_t runs = planCutPiece(state, i);
        writeCutPieceResult(state, i, runs);
    }
    writeText(state, "ENDFILE\n");
    std::fclose(state.resultFile);
    state.resultFile = nullptr;
    releaseRecordLists(state);
    return KWAREL_JOB_COMPLETED;
}

}  // namespace kwarel
