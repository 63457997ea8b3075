// What the command-line tool learns from a job through its observer: the
// shop, every cut piece's outcome and reasons, the chosen runs with the pipe
// after each motion of their programs, and the first clash of each piece.
#pragma once

#include <cstdint>
#include <cstdio>
#include <array>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "driver/job_state.h"
#include "driver/replay.h"
#include "store/decision_observer.h"

namespace kwarel::cli {

// One piece of the formed pipe (a straight or an arc), in room coordinates,
// tenths of a millimetre.
struct ShapePiece {
    int16_t type = 1;  // 1 straight, 2 arc
    double start[3] = {};
    double end[3] = {};
    double centre[3] = {};
    int32_t arcAngle = 0;
};

// The pipe after one motion of a program. The formed pieces are those of
// the run's last frame, pieces 0 .. count - 1, moved as one rigid body: a
// point p of the last frame stands at rotate(q, p) + t. Every motion of the
// simulation (load, bend, feed, rotation, the sideways shift) moves all
// formed pieces together, so one placement per frame gives the whole pipe;
// a frame whose pieces the placement does not reproduce to a tenth of a
// millimetre keeps its own pieces instead.
struct Frame {
    MotionKind kind = MotionKind::Load;
    int32_t machine = 0;   // the machine the motion is made on
    int32_t position = 0;  // 0-based bending position
    int32_t count = 0;     // formed pieces
    double pending = 0.0;  // straight fed past the bend head, not yet formed
    double feedY = 0.0;
    double axisZ = 0.0;
    double q[4] = {1.0, 0.0, 0.0, 0.0};  // w, x, y, z
    double t[3] = {};
    std::vector<ShapePiece> own;  // when the placement does not hold
};

// A clash the simulation found, with the pipe as it stood.
struct ClashMoment {
    int32_t machine = -1;
    std::string surface;
    std::string line;  // the clash line, as the report writes it
    int32_t position = 0;  // 1-based simulation position
    std::vector<ShapePiece> pieces;
};

struct RunOption {
    int32_t machine = 0;
    int32_t bender = 0;
    int16_t hand = 0;
    int16_t direction = 0;
    int32_t stepIndex = 0;
    int32_t extraBefore = 0;
    int32_t extraAfter = 0;
};

struct ChosenRun {
    int32_t score = 0;
    std::vector<RunOption> options;  // per bending position
    std::vector<ShapePiece> pieces;  // the formed pipe of the last frame
    std::vector<Frame> frames;
    double pipeLength = 0.0;  // the whole pipe with its additional material
    int32_t sameMotionsAs = -1;  // an earlier run of the piece the simulation moves alike
    bool replayClear = true;
    bool hasClash = false;
    ClashMoment clash;  // when the replay clashed
};

struct Refusal {
    int32_t position = -1;
    int16_t direction = 0;
    int16_t hand = 0;
    int32_t machine = -1;
    int32_t bender = -1;
    int32_t check = 0;  // MachineCheck or BenderCheck
    bool isBender = false;
    char benderName[32] = {};  // as the machine's list names it
};

struct TriedRun {
    int32_t level = 0;
    std::vector<int16_t> ordinals;
    RunOutcome outcome = RunOutcome::Clear;
    std::string clashLine;  // for clashes: the clash that ended it
};

struct StepInfo {
    int16_t type = 1;
    double length = 0.0;
    int32_t bendAngle = 0;
    int32_t bendRadius = 0;
};

struct PieceReport {
    CutPieceRecord record{};
    int32_t tubeIndex = -2;  // -2 not looked up, -1 none found
    double developed = 0.0;
    int64_t largestAngle = 0;
    bool lengthsKnown = false;
    std::vector<StepInfo> steps;  // in the cut piece's own order
    std::vector<Refusal> refusals;
    std::vector<int32_t> optionCountByPosition;  // positions 0 .. 2n
    std::vector<int32_t> levelsSearched;
    std::vector<int32_t> levelsSkipped;
    int64_t outcomeCounts[5] = {};
    bool searchCutShort = false;  // the guard on the search's size ended it
    std::vector<TriedRun> clashedRuns;  // the first ones, described
    std::vector<std::string> clashLines;
    bool hasClash = false;
    ClashMoment firstClash;
    int32_t runCount = 0;  // chosen runs
    // Option descriptions per position for the runs tried (positions of
    // pieces that failed at the search).
    std::vector<std::vector<RunOption>> optionsAtPosition;
};

struct MachineRoom {
    MachineRecord record{};
};

// The page data of every cut piece (after the first, the separator from
// the piece before; then pieceDataHead, runsJson and, when the piece's
// block was at hand, pieceDataTail), from the moment its runs are
// drawn until the page is written. They go to a
// temporary file when one can be made: the page data of a large job is
// tens of megabytes that would otherwise all be held in memory at once. A
// piece whose write failed, and every later one, is held in memory instead.
// Safe to use from several threads.
class RunsData {
public:
    // Keeps the data in a temporary file, or in memory where none can be made.
    RunsData();
    // Keeps the data in `file` (owned from here on; null: in memory), whose
    // writes may fail: the data from the first failed write on stay in memory.
    explicit RunsData(std::FILE* file);
    ~RunsData();
    RunsData(const RunsData&) = delete;
    RunsData& operator=(const RunsData&) = delete;

    // How much of a piece's data is kept: none, up to its programs, or all.
    enum class Kept { None, UpToPrograms, Whole };
    void put(int32_t piece, std::string_view json, Kept kept);
    Kept kept(int32_t piece) const;
    // Writes the data of pieces `first` to `last - 1` to `out`, one after
    // another; false when it cannot be read back or written.
    bool copyTo(int32_t first, int32_t last, std::FILE* out) const;

private:
    struct Entry {
        int64_t offset = -1;  // in the file, or -1: held
        std::size_t size = 0;
        Kept kept = Kept::None;
        std::string held;
    };
    bool copySegment(int64_t offset, std::size_t size, std::FILE* out) const;
    mutable std::mutex mutex_;
    std::FILE* file_ = nullptr;
    bool writable_ = true;  // no write to the file has failed
    int64_t end_ = 0;
    std::vector<Entry> entries_;
    mutable std::vector<char> chunk_;  // copyTo's buffer
};

struct JobReport {
    std::vector<MachineRecord> machines;
    std::vector<BenderRecord> benders;
    std::vector<TubeDataRecord> tubeData;
    std::vector<MaterialCapabilityRecord> materials;
    std::vector<BendCapabilityRecord> bendCapabilities;
    JobOptions options{};
    int32_t lengthUnits = 1;
    int32_t boreUnits = 1;
    std::string pipeline;
    std::string date;
    std::vector<PieceReport> pieces;
    int32_t status = 0;
    double seconds = 0.0;
    std::string resultPath;
    int64_t clashLineTotal = 0;
    RunsData runs;  // each cut piece's drawn runs, as page data
};

// A cut piece's chosen runs on their way to the page: copied out of the job
// when the piece is done, then replayed and written as page data. A task is
// used again, piece after piece, so its lists keep their storage.
struct DrawingTask {
    int32_t piece = 0;
    std::vector<ChosenRun> runs;  // the piece's, while they are drawn
    DrawingRuns replays;          // run r of the piece is replays' run r
};

// Replays chosen runs in a prepare and clash part of its own and writes
// their page data: the pipe after every motion, placed as the final pipe
// moved, and the clash a replay found.
class RunDrawer : public DecisionObserver {
public:
    // Replays the runs of the task that are not drawn alike by an earlier
    // run, and appends their page data (runsJson) to `into`; frames are
    // not kept.
    void draw(const JobReport& report, DrawingTask& task, std::string& into);

    void clashFound(const char* surface, const char* line, int32_t machine, const PipeShapeRecord* pieces,
                    int32_t count) override;
    void motionDone(MotionKind kind, int32_t position, int32_t machine, double pending, double feedY, double axisZ,
                    const PipeShapeRecord* pieces, int32_t count) override;

private:
    void placeFrames(ChosenRun& run);

    DrawingRoom room_;
    int32_t machinesGiven_ = -1;
    ChosenRun* replaying_ = nullptr;
    // The pipe of every motion of the run being replayed.
    std::vector<ShapePiece> framePieces_;
    std::vector<std::size_t> frameBegin_;
    // Storage reused from run to run: frame lists whose runs are written as
    // page data, and the points placeFrames compares.
    std::vector<std::vector<Frame>> spareFrames_;
    std::vector<std::array<double, 3>> pointsFrom_, pointsTo_;
};

// The observer that fills a JobReport. With `drawRuns` the chosen runs of
// each cut piece are replayed to record their motions, right after the
// piece, on the thread that planned it. A job that may use several threads
// plans its pieces side by side, each planning thread with a collector of
// its own (watcherForThread) that writes only the entries of the pieces that
// thread plans; the page data is the same on any number of threads.
class ReportCollector : public JobWatcher {
public:
    ReportCollector(JobReport& report, bool drawRuns);

    void itemLookedUp(int32_t piece, int32_t tubeIndex) override;
    void lengthsComputed(double developed, int64_t largestAngle) override;
    void machineRefused(int32_t position, int16_t direction, int16_t hand, int32_t machine, MachineCheck why) override;
    void benderRefused(int32_t position, int16_t direction, int16_t hand, int32_t machine, int32_t bender,
                       const char* name, BenderCheck why) override;
    void levelReached(int32_t level, bool searched) override;
    void runTried(const int16_t* run, int32_t length, const int32_t* rotations, RunOutcome outcome) override;
    bool wantsEachRun() const override;
    void runsAccountedFor(int64_t clashed, int64_t duplicates) override;
    void clashFound(const char* surface, const char* line, int32_t machine, const PipeShapeRecord* pieces,
                    int32_t count) override;
    void planningBegins(const JobState& state) override;
    void cutPieceBegins(int32_t piece) override;
    void cutPieceDone(JobState& state, int32_t piece, int32_t runs) override;
    JobWatcher* watcherForThread(int32_t thread) override;

    // Once the job is done: adds up what the planning threads' collectors
    // counted.
    void finish();

private:
    // A planning thread's collector: it shares the report and the item
    // lookups of `parent`.
    ReportCollector(JobReport& report, bool drawRuns, const ReportCollector* parent);

    void captureShop(const JobState& state);
    PieceReport& current();
    // The parts of cutPieceDone: the piece's record, steps, options and
    // refusals; its chosen runs with their options and pipe lengths; the
    // copy of those runs their drawings are made from.
    void recordPiece(JobState& state, int32_t index, PieceReport& piece);
    void recordChosenRuns(const JobState& state, int32_t runs, int32_t bendCount, std::vector<ChosenRun>& into);
    void drawChosenRuns(JobState& state, int32_t runs, PieceReport& piece);
    // The rotations the search simulated `run` with (the first kept run
    // equal to it); `rotations` is left as it is when none is.
    void keptRotationsOf(const int16_t* run, std::size_t length, int32_t* rotations) const;

    JobReport& report_;
    bool drawRuns_;
    const ReportCollector* parent_;  // null for the job's own collector
    bool shopCaptured_ = false;
    int32_t level_ = 0;
    int32_t activePiece_ = 0;  // the cut piece whose options and runs are being worked out
    std::vector<int32_t> tubeIndexOf_;  // per cut piece, from the item lookup (the job's collector only)
    int64_t clashLines_ = 0;  // clash lines of the pieces this collector recorded
    std::string lastClashLine_;  // the last clash a simulation of the search found
    std::string lastRunClash_;   // the clash that ended the last run simulated to a clash
    // Runs the search kept (clear or not simulated), kRunWidth entries
    // each, with the rotations their straights were simulated with.
    static constexpr std::size_t kRunWidth = kMaxPositions;
    std::vector<int16_t> keptRuns_;
    std::vector<int32_t> keptRotations_;
    // Refusals of the cut piece being listed; kept only if it fails.
    std::vector<Refusal> refusals_;

    // The drawings, made with a task whose lists keep their storage from
    // piece to piece, and drawChosenRuns' working lists.
    RunDrawer drawer_;
    DrawingTask task_;
    std::vector<std::vector<int64_t>> motionKeys_;
    std::vector<int32_t> rows_;
    std::vector<int32_t> rotations_;
    std::string json_;  // a piece's page data, on its way to the report

    std::vector<std::unique_ptr<ReportCollector>> threads_;  // the planning threads' collectors
};

// Runs one job with a collector. Returns the job status.
int32_t runObservedJob(const char* parameterFile, JobReport& report, bool drawRuns);

// The explanation of a cut piece's outcome, in plain text, one fact a line.
std::string explainPiece(const JobReport& report, const PieceReport& piece);

// Writes the HTML report; `resultPath` is the result file the job wrote,
// whose programs the page shows. Returns false when the file cannot be written.
bool writeHtmlReport(const JobReport& report, const std::string& resultPath, const std::string& path,
                     std::string& error);

// Appends the start of a cut piece's page data to `into`: everything before
// its runs (its steps, clash lines, explanation and first clash).
void pieceDataHead(const JobReport& report, const PieceReport& piece, std::string& into);

// Appends the end of a cut piece's page data to `into`: its programs, from
// `block`, the piece's block as the result file gets it (from its
// STARTCUTPIECE line on).
void pieceDataTail(const PieceReport& piece, std::string_view block, std::string& into);

// Appends the chosen runs of a piece to `out` as the page's data holds them
// (frames, placements, clashes), without their programs.
void runsJson(const JobReport& report, const std::vector<ChosenRun>& runs, std::string& out);

// Lengths as the result file writes them (e.g. "1234 MM").
std::string lengthText(const JobReport& report, double tenths);

// Exit statuses of the report and explain commands besides the job's own.
constexpr int kNoSuchCutPiece = 65;
constexpr int kCannotWriteReport = 73;

// `kwarel report`: runs the job and writes the HTML report (to the result
// file's path with ".html" added when `output` is empty). Returns the exit
// status: the job's, or kCannotWriteReport.
int reportCommand(const std::string& parameterFile, const std::string& output);

// `kwarel explain`: runs the job and prints why each cut piece with this
// CUT-ID came out as it did. Returns the job's status, or kNoSuchCutPiece.
int explainCommand(const std::string& parameterFile, const std::string& cutId);

}  // namespace kwarel::cli
