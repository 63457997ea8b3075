// The state of the planner, composed of each room's own part.
//
// The entry points keep one instance for the life of the loaded library, so
// what is process-wide by design (header texts kept between jobs, the last
// simulation values) behaves as such, while tests can make their own
// instance and run jobs or single cut pieces in isolation.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "clash/clash_state.h"
#include "driver/parameters.h"
#include "driver/result_file.h"
#include "generate/search_state.h"
#include "input/input_state.h"
#include "prepare/prepare_state.h"
#include "store/job_options.h"
#include "store/limits.h"
#include "store/decision_observer.h"

namespace kwarel {

struct JobState;

// An observer of a whole job: what each room reports (DecisionObserver), and each
// cut piece once its block is written, while its options are still listed.
// A watcher hears of one cut piece at a time, from its beginning to its
// block. Unless it gives a watcher of its own to each planning thread
// (watcherForThread), it hears of all of them on the calling thread, in file
// order: the job then plans its cut pieces one after another.
class JobWatcher : public DecisionObserver {
public:
    // Once the cut pieces are prepared, before the first is planned, on the
    // calling thread.
    virtual void planningBegins(const JobState&) {}
    // The planning of cut piece `piece` begins; what the rooms report until
    // its cutPieceDone is about that piece.
    virtual void cutPieceBegins(int32_t /*piece*/) {}
    virtual void cutPieceDone(JobState&, int32_t /*piece*/, int32_t /*runs*/) {}
    // The watcher for planning thread `thread` of a job planned side by
    // side, asked (maybe more than once, the same each time) on the calling
    // thread before planning begins; it must outlive the job and hears only
    // of the pieces that thread plans, in the order it plans them. Null (the
    // default) keeps the job on one thread.
    virtual JobWatcher* watcherForThread(int32_t /*thread*/) { return nullptr; }
};

struct JobState {
    // Job control: the options and paths of the parameter file, the result file.
    JobOptions options;
    char cutPieceFilePath[kLineBuffer] = {};
    char resultFilePath[kLineBuffer] = {};
    char databaseFilePath[kLineBuffer] = {};
    ResultPathLine resultPathLine;  // what the reader noticed about the result path
    ResultFileTarget resultTarget;  // the temporary file written and the final path
    std::FILE* resultFile = nullptr;  // resultTarget's stream while the job runs
    // Why the last job ended with status 12, in words for the command-line
    // tool; null after any other status.
    const char* statusDetail = nullptr;
    // The result file is forced to the disk before it replaces the previous
    // one. Tests and fuzzers that run thousands of jobs in scratch folders
    // turn this off; it changes no byte of any file.
    bool syncResultFile = true;
    // When set, result text goes here instead of the result file: a planning
    // thread collects one cut piece's block for the ordered writer.
    std::string* resultBuffer = nullptr;
    // The block of the cut piece a watched job on one thread is writing.
    std::string watchedBlock;

    // Each room's own part.
    Shop shop;              // input: the bender database
    CutPieceFile cutFile;   // input: the cut-piece file
    PrepareState prep;      // prepare: bend steps, options and indexes
    SearchState search;     // generate: search tables and chosen runs
    ClashState clash;       // clash: formed pipe, checkpoints, report

    // Set by watchJob only (never by the entry points).
    JobWatcher* watcher = nullptr;

    // Cut pieces of the job whose search the guard on its size ended.
    int32_t piecesCutShort = 0;
};

// Lets `watcher` observe the jobs run on `state` (nullptr: none).
inline void watchJob(JobState& state, JobWatcher* watcher) {
    state.watcher = watcher;
    state.prep.observer = watcher;
    state.search.observer = watcher;
    state.clash.observer = watcher;
}

}  // namespace kwarel
