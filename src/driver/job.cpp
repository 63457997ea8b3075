#include "driver/job.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver/ordered_pool.h"
#include "driver/parameters.h"
#include "driver/result.h"
#include "driver/result_file.h"
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

void forgetAppendFailures(JobState& state) {
    state.shop.forgetAppendFailures();
    state.cutFile.forgetAppendFailures();
    state.prep.forgetAppendFailures();
    forgetClashAppendFailures(state.clash);
}

// True when a record list of `state` could not take a record since the job
// (or the planning thread's state) started: what was planned from the lists
// would then not be the job's plan.
bool anyAppendFailed(const JobState& state) {
    return state.shop.appendFailed() || state.cutFile.appendFailed() || state.prep.appendFailed() ||
           clashAppendFailed(state.clash);
}

constexpr const char* kWriteFailed = "the result file could not be written completely";

// Ends the job with a status: its text (the error text without a line end,
// or ENDFILE), the result file closed and moved into place, and the lists
// released where the status calls for it. A result file that could not be
// written completely turns the status into 12; the final path then keeps
// what it held before.
int32_t finishJob(JobState& state, KwarelStatus status, bool release, JobObserver* observer) {
    const char* text = status == KWAREL_JOB_COMPLETED ? "ENDFILE\n" : kwarelStatusTexts[status].resultText;
    if (text != nullptr) writeText(state, text);
    state.resultFile = nullptr;
    const bool written = commitResultTarget(state.resultTarget);
    if (release) releaseRecordLists(state);
    if (!written && status != KWAREL_OUT_OF_MEMORY) {
        status = KWAREL_RESULT_FILE_NOT_OPENED;
        text = nullptr;
        state.statusDetail = kWriteFailed;
    }
    if (observer != nullptr) observer->finished(status, status == KWAREL_JOB_COMPLETED ? nullptr : text);
    return status;
}

// A write to the result file failed while cut pieces were planned: the
// temporary file is dropped, so the final path keeps what it held before.
int32_t failResultWrite(JobState& state, JobObserver* observer) {
    abandonResultTarget(state.resultTarget);
    state.resultFile = nullptr;
    releaseRecordLists(state);
    state.statusDetail = kWriteFailed;
    if (observer != nullptr) observer->finished(KWAREL_RESULT_FILE_NOT_OPENED, nullptr);
    return KWAREL_RESULT_FILE_NOT_OPENED;
}

// A failed allocation ended the job somewhere: what was made is given back,
// the error text ends the result file when one is open, and the status
// tells the host. Nothing here needs memory.
int32_t endWithoutMemory(JobState& state, JobObserver* observer) {
    releaseRecordLists(state);
    state.prep.bendOptions.release();
    state.clash.pipeShapes.release();
    state.clash.pointTurns.release();
    state.resultBuffer = nullptr;
    state.statusDetail = nullptr;
    if (state.resultTarget.stream != nullptr) {
        state.resultFile = state.resultTarget.stream;
        writeText(state, kwarelStatusTexts[KWAREL_OUT_OF_MEMORY].resultText);
        state.resultFile = nullptr;
        commitResultTarget(state.resultTarget);
    }
    state.resultFile = nullptr;
    if (observer != nullptr) {
        try {
            observer->finished(KWAREL_OUT_OF_MEMORY, kwarelStatusTexts[KWAREL_OUT_OF_MEMORY].resultText);
        } catch (...) {  // an observer that needs memory to hear of it learns it from the status
        }
    }
    return KWAREL_OUT_OF_MEMORY;
}

// Why the result path is refused before anything is opened, or null: the
// path must have fitted its buffer, must come from a line of its own, and
// must not name one of the job's input files (the same file, however it is
// spelled), which the job would otherwise overwrite.
const char* refuseResultPath(const JobState& state, const char* parameterFilePath) {
    if (state.resultPathLine.cut) return "the result file path is longer than 199 characters";
    if (state.resultPathLine.runOn) {
        return "line 1 of the parameter file is longer than 249 characters, so line 2 is not the result file path";
    }
    if (sameFile(state.resultFilePath, parameterFilePath)) return "the result file is the parameter file";
    if (sameFile(state.resultFilePath, state.cutPieceFilePath)) return "the result file is the cut-piece file";
    if (sameFile(state.resultFilePath, state.databaseFilePath)) return "the result file is the bender database file";
    return nullptr;
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

// For each cut piece, the earlier piece it must be planned after, or -1.
//
// Planning a piece reads and writes only the bend steps of its block (the
// 2n + 1 steps from the first step with its keys), its own cut-piece record
// and state of its own. Pieces with equal keys share one block, and each adds
// the template length to its ends, so a piece whose block overlaps an earlier
// piece's reads what that piece wrote. Such pieces form a chain planned in
// input order; every other piece is independent of all others.
std::vector<int32_t> planningChains(JobState& state) {
    const RecordList<CutPieceRecord>& pieces = state.cutFile.cutPieces;
    const std::size_t count = static_cast<std::size_t>(pieces.count);
    std::vector<int32_t> after(count, -1);
    std::vector<int32_t> group(count);
    std::iota(group.begin(), group.end(), 0);
    auto root = [&](int32_t i) {
        while (group[static_cast<std::size_t>(i)] != i) {
            const int32_t up = group[static_cast<std::size_t>(i)];
            group[static_cast<std::size_t>(i)] = group[static_cast<std::size_t>(up)];
            i = up;
        }
        return i;
    };
    std::vector<int32_t> lastReader(static_cast<std::size_t>(state.prep.bendSteps.count), -1);
    // The block end and a piece of the last block that began at each step: a
    // piece with the very same block joins that piece's group without walking
    // the block again, which keeps N pieces of one key with N bends linear.
    std::vector<std::pair<int64_t, int32_t>> blockAt(static_cast<std::size_t>(state.prep.bendSteps.count), {-1, -1});
    std::vector<char> planned(count, 0);
    for (int32_t i = 0; i < pieces.count; ++i) {
        const CutPieceRecord& piece = pieces.at(i);
        if (piece.failed != kPieceFine) continue;  // nothing is read or written for it
        const int32_t first = firstStepOfKey(state.prep, piece.cutId, piece.spoolId);
        if (first < 0) continue;
        planned[static_cast<std::size_t>(i)] = 1;
        const int64_t end =
            std::min<int64_t>(first + 2 * int64_t{piece.bendCount} + 1, state.prep.bendSteps.count);
        std::pair<int64_t, int32_t>& block = blockAt[static_cast<std::size_t>(first)];
        if (block.first == end) {
            group[static_cast<std::size_t>(root(block.second))] = root(i);
            continue;
        }
        block = {end, i};
        for (int64_t step = first; step < end; ++step) {
            int32_t& reader = lastReader[static_cast<std::size_t>(step)];
            if (reader >= 0) group[static_cast<std::size_t>(root(reader))] = root(i);
            reader = i;
        }
    }
    std::vector<int32_t> lastOfGroup(count, -1);
    for (int32_t i = 0; i < pieces.count; ++i) {
        if (planned[static_cast<std::size_t>(i)] == 0) continue;
        int32_t& last = lastOfGroup[static_cast<std::size_t>(root(i))];
        after[static_cast<std::size_t>(i)] = last;
        last = i;
    }
    return after;
}

// A planning thread's state: the job's options and records, read through
// views of the job's lists with slots of their own, and every working table
// of its own.
std::unique_ptr<JobState> planningState(JobState& job) {
    auto state = std::make_unique<JobState>();
    state->options = job.options;

    Shop& shop = state->shop;
    shop.machines.viewOf(job.shop.machines);
    shop.benders.viewOf(job.shop.benders);
    shop.bendCapabilities.viewOf(job.shop.bendCapabilities);
    shop.materialCapabilities.viewOf(job.shop.materialCapabilities);
    shop.tubeData.viewOf(job.shop.tubeData);
    shop.databaseUnits = job.shop.databaseUnits;

    CutPieceFile& cutFile = state->cutFile;
    cutFile.cutPieces.viewOf(job.cutFile.cutPieces);
    cutFile.pipeBends.viewOf(job.cutFile.pipeBends);
    std::memcpy(cutFile.headerDate, job.cutFile.headerDate, sizeof cutFile.headerDate);
    std::memcpy(cutFile.headerPipeline, job.cutFile.headerPipeline, sizeof cutFile.headerPipeline);
    std::memcpy(cutFile.headerPipingSpec, job.cutFile.headerPipingSpec, sizeof cutFile.headerPipingSpec);
    cutFile.boreUnits = job.cutFile.boreUnits;
    cutFile.lengthUnits = job.cutFile.lengthUnits;

    state->prep.bendSteps.viewOf(job.prep.bendSteps);
    state->prep.firstStepByKey = job.prep.firstStepByKey;
    state->prep.stepsIndexedCount = job.prep.stepsIndexedCount;

    std::memcpy(state->search.criteriaLevels, job.search.criteriaLevels, sizeof job.search.criteriaLevels);
    state->search.guard = job.search.guard;

    state->clash.feedStep = job.clash.feedStep;
    state->clash.angleStep = job.clash.angleStep;
    state->clash.halfDiameter = job.clash.halfDiameter;
    return state;
}

// Planning reads no slot before it loads or fills it. Zeroed slots make that
// visible: a piece that read one would come out the same on every thread
// count above one, and unlike the serial path.
void zeroSlots(JobState& state) {
    state.shop.machines.zeroCurrent();
    state.shop.benders.zeroCurrent();
    state.shop.bendCapabilities.zeroCurrent();
    state.shop.materialCapabilities.zeroCurrent();
    state.shop.tubeData.zeroCurrent();
    state.cutFile.cutPieces.zeroCurrent();
    state.cutFile.pipeBends.zeroCurrent();
    state.prep.bendSteps.zeroCurrent();
    state.prep.bendOptions.zeroCurrent();
    state.clash.pipeShapes.zeroCurrent();
    std::memset(&state.clash.machine, 0, sizeof state.clash.machine);
}

// Thrown by the ordered writer when the result file took a block only in
// part: no later block is planned.
struct ResultWriteFailed {};

// Plans the cut pieces on `threads` threads and writes their blocks in input
// order: the same bytes as planning them one after another. False when a
// write to the result file failed. A failed allocation on any thread,
// thrown or marked on that thread's own lists, ends the planning and leaves
// here as std::bad_alloc.
bool planCutPiecesInParallel(JobState& job, int32_t threads) {
    OrderedWork work;
    work.count = job.cutFile.cutPieces.count;
    work.threads = threads;
    work.after = planningChains(job);  // also completes the first-step index, which the threads then only read
    std::vector<std::unique_ptr<JobState>> planners;
    for (int32_t t = 0; t < std::min(threads, work.count); ++t) {
        planners.push_back(planningState(job));
        if (job.watcher != nullptr) watchJob(*planners.back(), job.watcher->watcherForThread(t));
    }
    try {
        runOrdered(
            work,
            [&](int32_t thread, int32_t index, std::string& block) {
                JobState& state = *planners[static_cast<std::size_t>(thread)];
                zeroSlots(state);
                state.resultBuffer = &block;
                const int32_t runs = planCutPiece(state, index);
                // A record this thread's lists could not take would print another plan.
                if (anyAppendFailed(state)) throw std::bad_alloc();
                writeCutPieceResult(state, index, runs);
                state.resultBuffer = nullptr;
            },
            [&](int32_t, const std::string& block) {
                if (std::fwrite(block.data(), 1, block.size(), job.resultFile) != block.size() ||
                    std::ferror(job.resultFile) != 0) {
                    throw ResultWriteFailed{};
                }
            });
    } catch (const ResultWriteFailed&) {
        return false;
    }
    for (const std::unique_ptr<JobState>& planner : planners) job.piecesCutShort += planner->piecesCutShort;
    return true;
}

// Reads the parameter file, forgets the last job and opens the result file
// with the echo of the options. KWAREL_RESULT_FILE_NOT_OPENED when the result
// file cannot be written safely, else KWAREL_JOB_COMPLETED.
KwarelStatus openJob(JobState& state, const char* parameterFilePath, JobObserver* observer) {
    state.resultPathLine = readParameterFile(state.options, parameterFilePath, state.cutPieceFilePath,
                                             state.resultFilePath, state.databaseFilePath);
    resetSimulationSteps(state.clash);
    state.piecesCutShort = 0;
    state.shop.clear();
    state.cutFile.clear();
    state.prep.clear();
    forgetAppendFailures(state);

    // The result path is checked before anything is created; the job then
    // writes a temporary file beside it, which takes its place at the end.
    state.statusDetail = refuseResultPath(state, parameterFilePath);
    if (state.statusDetail == nullptr && !openResultTarget(state.resultTarget, state.resultFilePath)) {
        state.statusDetail = "the result file cannot be opened for writing";
    }
    if (state.statusDetail != nullptr) return KWAREL_RESULT_FILE_NOT_OPENED;
    state.resultTarget.syncBeforeMove = state.syncResultFile;
    state.resultFile = state.resultTarget.stream;

    writeEchoBlock(state);
    if (observer != nullptr) {
        observer->optionsRead(state.options, state.cutPieceFilePath, state.resultFilePath, state.databaseFilePath);
    }
    return KWAREL_JOB_COMPLETED;
}

// The first error the options and the two input paths give, in the order
// they are checked, or KWAREL_JOB_COMPLETED.
KwarelStatus optionsStatus(JobState& state) {
    const JobOptions& options = state.options;
    if (setTrialCriteriaOrder(options, state.search) == -1) return KWAREL_TRIAL_ORDER_INVALID;
    if (options.NUMBER_OF_PROGRAMS < 1) return KWAREL_TOO_FEW_PROGRAMS;
    if (options.NUMBER_OF_PROGRAMS > kMaxSelected) return KWAREL_TOO_MANY_PROGRAMS;
    if (!pathExists(state.cutPieceFilePath)) return KWAREL_CUT_PIECE_FILE_NOT_FOUND;
    if (!pathExists(state.databaseFilePath)) return KWAREL_DATABASE_FILE_NOT_FOUND;
    return KWAREL_JOB_COMPLETED;
}

// Reads the bender database; the first error it gives, or
// KWAREL_JOB_COMPLETED.
KwarelStatus readShop(JobState& state) {
    Shop& shop = state.shop;
    const JobOptions& options = state.options;
    readBenderDatabase(shop, state.databaseFilePath);
    if (anyAppendFailed(state)) throw std::bad_alloc();  // a lost record would read as another database
    if (shop.machines.count == 0) return KWAREL_NO_MACHINES;
    if (shop.benders.count == 0) return KWAREL_NO_BENDERS;
    if (shop.bendCapabilities.count == 0) return KWAREL_NO_BEND_CAPABILITIES;
    if (shop.materialCapabilities.count == 0) return KWAREL_NO_MATERIAL_CAPABILITIES;
    if (shop.tubeData.count == 0) return KWAREL_NO_ITEM_CODES;
    if (options.FORCE_MACHINE != 0 && !forcePriorities(shop.machines, options.forcedMachineId)) {
        return KWAREL_FORCED_MACHINE_MISSING;
    }
    if (options.FORCE_BENDER != 0 && !forcePriorities(shop.benders, options.forcedBenderId)) {
        return KWAREL_FORCED_BENDER_MISSING;
    }
    return KWAREL_JOB_COMPLETED;
}

// Reads the cut-piece file and writes the job header; the first error it
// gives, or KWAREL_JOB_COMPLETED.
KwarelStatus readCutPieces(JobState& state, JobObserver* observer) {
    readCutPieceFile(state.cutFile, state.cutPieceFilePath);
    if (anyAppendFailed(state)) throw std::bad_alloc();
    writeJobHeader(state);
    if (observer != nullptr) {
        const CutPieceFile& file = state.cutFile;
        observer->headerRead(file.headerPipeline, file.headerDate, file.lengthUnits, file.boreUnits);
    }
    if (state.cutFile.cutPieces.count == 0) return KWAREL_NO_CUT_PIECES;
    if (state.cutFile.pipeBends.count == 0) return KWAREL_NO_PIPE_BENDS;
    return KWAREL_JOB_COMPLETED;
}

}  // namespace

JobState& processJobState() {
    // Lives as long as the loaded library; never destroyed, so nothing runs
    // when the library is unloaded.
    static JobState* state = new JobState();
    return *state;
}

int32_t readAndCheckJob(JobState& state, const char* parameterFilePath, JobObserver* observer) {
    KwarelStatus status =
        pathExists(parameterFilePath) ? openJob(state, parameterFilePath, observer) : KWAREL_PARAMETER_FILE_NOT_FOUND;
    if (status != KWAREL_JOB_COMPLETED) {
        // Nothing was written: there is no result file to finish.
        if (observer != nullptr) observer->finished(status, nullptr);
        return status;
    }
    status = optionsStatus(state);
    if (status != KWAREL_JOB_COMPLETED) return finishJob(state, status, false, observer);
    status = readShop(state);
    if (status == KWAREL_JOB_COMPLETED) status = readCutPieces(state, observer);
    if (status != KWAREL_JOB_COMPLETED) return finishJob(state, status, true, observer);
    return KWAREL_JOB_COMPLETED;
}

void prepareCutPieces(JobState& state) {
    const int32_t count = state.cutFile.cutPieces.count;
    for (int32_t i = 0; i < count; ++i) resolveCutPieceItem(state.shop, state.cutFile, state.prep, i);
    for (int32_t i = 0; i < count; ++i) buildBendSteps(state.options, state.cutFile, state.prep, i);
}

int32_t planCutPiece(JobState& state, int32_t index) {
    if (state.watcher != nullptr) state.watcher->cutPieceBegins(index);
    state.cutFile.cutPieces.load(index);
    startClashReport(state.clash);
    listBendOptions(state.options, state.shop, state.cutFile, state.prep, index);
    const SearchParts parts{state.options, state.shop, state.cutFile, state.prep, state.search, state.clash};
    const int32_t runs = searchBendingRuns(parts, index);
    if (state.search.searchCutShort) ++state.piecesCutShort;
    return runs;
}

void forgetCutPieceOptions(JobState& state) { state.prep.bendOptions.clear(); }

void writeCutPieceResult(JobState& state, int32_t index, int32_t runs, PlanCutPiece* plan) {
    // A watcher is given the piece's block as the result file gets it: a
    // job on one thread collects the block first and then writes it whole.
    const bool collect = state.watcher != nullptr && state.resultBuffer == nullptr && state.resultFile != nullptr;
    if (collect) {
        state.watchedBlock.clear();
        state.resultBuffer = &state.watchedBlock;
    }
    writeCutPieceBlock(state, runs, plan);
    if (state.watcher != nullptr) state.watcher->cutPieceDone(state, index, runs);
    if (collect) {
        state.resultBuffer = nullptr;
        std::fwrite(state.watchedBlock.data(), 1, state.watchedBlock.size(), state.resultFile);
    }
    forgetCutPieceOptions(state);
}

namespace {

int32_t runJobPhases(JobState& state, const char* parameterFilePath, JobObserver* observer) {
    const int32_t status = readAndCheckJob(state, parameterFilePath, observer);
    if (status != KWAREL_JOB_COMPLETED) return status;
    prepareCutPieces(state);
    if (anyAppendFailed(state)) throw std::bad_alloc();
    // An observer, and a watcher without watchers for the planning threads,
    // sees every piece on the calling thread, in order.
    const int32_t count = state.cutFile.cutPieces.count;
    int32_t threads = observer != nullptr ? 1 : std::min(jobThreadCount(), count);
    if (state.watcher != nullptr) {
        state.watcher->planningBegins(state);
        if (threads > 1 && state.watcher->watcherForThread(0) == nullptr) threads = 1;
    }
    if (threads <= 1) {
        const bool wantsPlan = observer != nullptr && observer->wantsPlan();
        PlanCutPiece plan;
        if (observer != nullptr) observer->progress(0, count);
        for (int32_t i = 0; i < count; ++i) {
            const int32_t runs = planCutPiece(state, i);
            // A lost option or pipe piece would print another plan.
            if (anyAppendFailed(state)) throw std::bad_alloc();
            writeCutPieceResult(state, i, runs, wantsPlan ? &plan : nullptr);
            // A write that failed fails the job; the rest need not be planned.
            if (std::ferror(state.resultFile) != 0) return failResultWrite(state, observer);
            if (wantsPlan) observer->cutPiecePlanned(plan);
            if (observer != nullptr) observer->progress(i + 1, count);
        }
    } else if (!planCutPiecesInParallel(state, threads)) {
        return failResultWrite(state, observer);
    }
    return finishJob(state, KWAREL_JOB_COMPLETED, true, observer);
}

}  // namespace

int32_t runJob(JobState& state, const char* parameterFilePath, JobObserver* observer) {
    state.statusDetail = nullptr;
    try {
        return runJobPhases(state, parameterFilePath, observer);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return endWithoutMemory(state, observer);
}

}  // namespace kwarel
