#include "driver/job.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "driver/parameters.h"
#include "driver/result.h"
#include "generate/criteria.h"
#include "generate/search.h"
#include "input/cutpiece_reader.h"
#include "input/database_reader.h"
#include "prepare/bend_steps.h"
#include "prepare/options.h"
#include "prepare/resolve.h"
#include "store/text.h"

namespace kwarel {
namespace {

constexpr const char* kVersionText = "1.0.0";

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
int32_t failJob(JobState& state, int32_t status, const char* text, bool release, JobObserver* observer) {
    if (observer != nullptr) observer->finished(status, text);
    writeText(state, text);
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

int32_t readAndCheckJob(JobState& state, const char* parameterFilePath, JobObserver* observer) {
    if (!pathExists(parameterFilePath)) {
        if (observer != nullptr) observer->finished(13, nullptr);
        return 13;
    }

    readParameterFile(state.options, parameterFilePath, state.cutPieceFilePath, state.resultFilePath,
                      state.databaseFilePath);
    resetSimulationSteps(state.clash);
    state.shop.clear();
    state.cutFile.clear();
    state.prep.clear();

    state.resultFile = openResultFile(state.resultFilePath);
    if (state.resultFile == nullptr) {
        if (observer != nullptr) observer->finished(12, nullptr);
        return 12;
    }

    writeEchoBlock(state);
    if (observer != nullptr) {
        observer->optionsRead(state.options, state.cutPieceFilePath, state.resultFilePath, state.databaseFilePath);
    }

    const JobOptions& options = state.options;
    if (setTrialCriteriaOrder(options, state.search) == -1) {
        return failJob(state, 14, "ERROR - The trial criteria order has not been set correctly.", false, observer);
    }
    if (options.NUMBER_OF_PROGRAMS < 1) {
        return failJob(state, 10, "ERROR - You must request AT LEAST one program for creation.", false, observer);
    }
    if (options.NUMBER_OF_PROGRAMS > kMaxSelected) {
        return failJob(state, 11, "ERROR - You have requested more than the maximum number of programs.", false, observer);
    }
    if (!pathExists(state.cutPieceFilePath)) {
        return failJob(state, 1, "ERROR - Cut piece file not found.", false, observer);
    }
    if (!pathExists(state.databaseFilePath)) {
        return failJob(state, 2, "ERROR - Bender database file not found.", false, observer);
    }

    Shop& shop = state.shop;
    readBenderDatabase(shop, state.databaseFilePath);
    if (shop.machines.count == 0) {
        return failJob(state, 3, "ERROR - No machines defined in bender database file.", true, observer);
    }
    if (shop.benders.count == 0) {
        return failJob(state, 4, "ERROR - No benders defined in bender database file.", true, observer);
    }
    if (shop.bendCapabilities.count == 0) {
        return failJob(state, 5, "ERROR - No bend capability records in database file.", true, observer);
    }
    if (shop.materialCapabilities.count == 0) {
        return failJob(state, 6, "ERROR - No material capability records in database file.", true, observer);
    }
    if (shop.tubeData.count == 0) {
        return failJob(state, 7, "ERROR - No itemcode records in database file.", true, observer);
    }
    if (options.FORCE_MACHINE != 0 && !forcePriorities(shop.machines, options.forcedMachineId)) {
        return failJob(state, 15, "ERROR - The forced machine ID does not exist.", true, observer);
    }
    if (options.FORCE_BENDER != 0 && !forcePriorities(shop.benders, options.forcedBenderId)) {
        return failJob(state, 16, "ERROR - The forced bender ID does not exist.", true, observer);
    }

    readCutPieceFile(state.cutFile, state.cutPieceFilePath);
    writeJobHeader(state);
    if (observer != nullptr) {
        const CutPieceFile& file = state.cutFile;
        observer->headerRead(file.headerPipeline, file.headerDate, file.lengthUnits, file.boreUnits);
    }
    if (state.cutFile.cutPieces.count == 0) {
        return failJob(state, 8, "ERROR - No cut pieces in VELMOR bend file.", true, observer);
    }
    if (state.cutFile.pipeBends.count == 0) {
        return failJob(state, 9, "ERROR - No pipe bends found in VELMOR bend file.", true, observer);
    }
    return 0;
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

void writeCutPieceResult(JobState& state, int32_t index, int32_t runs, PlanCutPiece* plan) {
    writeCutPieceBlock(state, runs, plan);
    if (state.watcher != nullptr) state.watcher->cutPieceDone(state, index, runs);
    forgetCutPieceOptions(state);
}

int32_t runJob(JobState& state, const char* parameterFilePath, JobObserver* observer) {
    const int32_t status = readAndCheckJob(state, parameterFilePath, observer);
    if (status != 0) return status;
    prepareCutPieces(state);
    const int32_t count = state.cutFile.cutPieces.count;
    const bool wantsPlan = observer != nullptr && observer->wantsPlan();
    PlanCutPiece plan;
    if (observer != nullptr) observer->progress(0, count);
    for (int32_t i = 0; i < count; ++i) {
        const int32_t runs = planCutPiece(state, i);
        writeCutPieceResult(state, i, runs, wantsPlan ? &plan : nullptr);
        if (wantsPlan) observer->cutPiecePlanned(plan);
        if (observer != nullptr) observer->progress(i + 1, count);
    }
    writeText(state, "ENDFILE\n");
    std::fclose(state.resultFile);
    state.resultFile = nullptr;
    releaseRecordLists(state);
    if (observer != nullptr) observer->finished(0, nullptr);
    return 0;
}

}  // namespace kwarel
