// The observer that gathers a job's reasons and motions for the report and
// the explanation.
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>

#include "clash/report.h"
#include "driver/job.h"
#include "driver/replay.h"
#include "prepare/bend_steps.h"
#include "prepare/options.h"
#include "store/text.h"
#include "report_model.h"

namespace kwarel::cli {
namespace {

// Clashed runs described per cut piece; the rest are only counted.
constexpr std::size_t kDescribedClashes = 20;

// Appends the pieces of the formed pipe to `pieces`.
void appendShape(const PipeShapeRecord* records, int32_t count, std::vector<ShapePiece>& pieces) {
    for (int32_t i = 0; i < count; ++i) {
        const PipeShapeRecord& record = records[i];
        ShapePiece& piece = pieces.emplace_back();
        piece.type = record.pieceType;
        piece.start[0] = record.startX;
        piece.start[1] = record.startY;
        piece.start[2] = record.startZ;
        piece.end[0] = record.endX;
        piece.end[1] = record.endY;
        piece.end[2] = record.endZ;
        if (record.pieceType == 2) {
            piece.centre[0] = record.centreX;
            piece.centre[1] = record.centreY;
            piece.centre[2] = record.centreZ;
            piece.arcAngle = record.arcAngle;
        }
    }
}

}  // namespace

void ReportCollector::captureShop(const JobState& state) {
    if (shopCaptured_) return;
    shopCaptured_ = true;
    const Shop& shop = state.shop;
    report_.machines.assign(shop.machines.entries.begin(), shop.machines.entries.begin() + shop.machines.count);
    report_.benders.assign(shop.benders.entries.begin(), shop.benders.entries.begin() + shop.benders.count);
    report_.tubeData.assign(shop.tubeData.entries.begin(), shop.tubeData.entries.begin() + shop.tubeData.count);
    report_.materials.assign(shop.materialCapabilities.entries.begin(),
                             shop.materialCapabilities.entries.begin() + shop.materialCapabilities.count);
    report_.bendCapabilities.assign(shop.bendCapabilities.entries.begin(),
                                    shop.bendCapabilities.entries.begin() + shop.bendCapabilities.count);
    report_.options = state.options;
    report_.lengthUnits = state.cutFile.lengthUnits;
    report_.boreUnits = state.cutFile.boreUnits;
    report_.pipeline = state.cutFile.headerPipeline;
    report_.date = state.cutFile.headerDate;
    report_.pieces.resize(static_cast<std::size_t>(state.cutFile.cutPieces.count));
}

ReportCollector::ReportCollector(JobReport& report, bool drawRuns) : ReportCollector(report, drawRuns, nullptr) {}

ReportCollector::ReportCollector(JobReport& report, bool drawRuns, const ReportCollector* parent)
    : report_(report), drawRuns_(drawRuns), parent_(parent) {}

void ReportCollector::planningBegins(const JobState& state) { captureShop(state); }

JobWatcher* ReportCollector::watcherForThread(int32_t thread) {
    if (parent_ != nullptr || thread < 0) return nullptr;
    while (threads_.size() <= static_cast<std::size_t>(thread)) {
        threads_.push_back(std::unique_ptr<ReportCollector>(new ReportCollector(report_, drawRuns_, this)));
    }
    return threads_[static_cast<std::size_t>(thread)].get();
}

void ReportCollector::cutPieceBegins(int32_t piece) { activePiece_ = piece; }

void ReportCollector::finish() {
    report_.clashLineTotal = clashLines_;
    for (const std::unique_ptr<ReportCollector>& thread : threads_) report_.clashLineTotal += thread->clashLines_;
}

PieceReport& ReportCollector::current() {
    const std::size_t index = static_cast<std::size_t>(activePiece_);
    if (index >= report_.pieces.size()) report_.pieces.resize(index + 1);
    return report_.pieces[index];
}

void ReportCollector::itemLookedUp(int32_t piece, int32_t tubeIndex) {
    if (piece < 0) return;
    if (static_cast<std::size_t>(piece) >= tubeIndexOf_.size()) tubeIndexOf_.resize(static_cast<std::size_t>(piece) + 1, -2);
    tubeIndexOf_[static_cast<std::size_t>(piece)] = tubeIndex;
}

void ReportCollector::lengthsComputed(double developed, int64_t largestAngle) {
    PieceReport& piece = current();
    piece.developed = developed;
    piece.largestAngle = largestAngle;
    piece.lengthsKnown = true;
}

void ReportCollector::machineRefused(int32_t position, int16_t direction, int16_t hand, int32_t machine,
                                     MachineCheck why) {
    Refusal& refusal = refusals_.emplace_back();
    refusal.position = position;
    refusal.direction = direction;
    refusal.hand = hand;
    refusal.machine = machine;
    refusal.check = static_cast<int32_t>(why);
}

void ReportCollector::benderRefused(int32_t position, int16_t direction, int16_t hand, int32_t machine,
                                    int32_t bender, const char* name, BenderCheck why) {
    Refusal& refusal = refusals_.emplace_back();
    refusal.position = position;
    refusal.direction = direction;
    refusal.hand = hand;
    refusal.machine = machine;
    refusal.bender = bender;
    refusal.isBender = true;
    refusal.check = static_cast<int32_t>(why);
    copyText(refusal.benderName, name);
}

void ReportCollector::levelReached(int32_t level, bool searched) {
    level_ = level;
    PieceReport& piece = current();
    (searched ? piece.levelsSearched : piece.levelsSkipped).push_back(level);
}

void ReportCollector::runTried(const int16_t* run, int32_t length, const int32_t* rotations, RunOutcome outcome) {
    PieceReport& piece = current();
    ++piece.outcomeCounts[static_cast<int32_t>(outcome)];
    if (outcome == RunOutcome::Clear || outcome == RunOutcome::NotSimulated) {
        if (drawRuns_ && length <= static_cast<int32_t>(kRunWidth)) {
            const std::size_t at = keptRuns_.size();
            keptRuns_.resize(at + kRunWidth, -1);
            keptRotations_.resize(at + kRunWidth, 0);
            std::copy(run, run + length, keptRuns_.begin() + static_cast<std::ptrdiff_t>(at));
            std::copy(rotations, rotations + length, keptRotations_.begin() + static_cast<std::ptrdiff_t>(at));
        }
        return;
    }
    if (outcome == RunOutcome::Clash) lastRunClash_ = lastClashLine_;
    if ((outcome == RunOutcome::Clash || outcome == RunOutcome::RepeatClash) &&
        piece.clashedRuns.size() < kDescribedClashes) {
        TriedRun& tried = piece.clashedRuns.emplace_back();
        tried.level = level_;
        tried.ordinals.assign(run, run + length);
        tried.outcome = outcome;
        tried.clashLine = lastRunClash_;
    }
}

// Each run is wanted until the clashed runs the piece describes are all
// known; after that they are only counted, so the search may give outcomes
// again and account for blocks of runs at once.
bool ReportCollector::wantsEachRun() const {
    const std::size_t index = static_cast<std::size_t>(activePiece_);
    return index >= report_.pieces.size() || report_.pieces[index].clashedRuns.size() < kDescribedClashes;
}

void ReportCollector::runsAccountedFor(int64_t clashed, int64_t duplicates) {
    PieceReport& piece = current();
    piece.outcomeCounts[static_cast<int32_t>(RunOutcome::RepeatClash)] += clashed;
    piece.outcomeCounts[static_cast<int32_t>(RunOutcome::Duplicate)] += duplicates;
}

void ReportCollector::clashFound(const char* surface, const char* line, int32_t machine,
                                 const PipeShapeRecord* pieces, int32_t count) {
    lastClashLine_ = line;
    PieceReport& piece = current();
    if (piece.hasClash) return;
    piece.hasClash = true;
    ClashMoment& moment = piece.firstClash;
    moment.machine = machine;
    moment.surface = surface;
    moment.line = line;
    moment.pieces.clear();
    appendShape(pieces, count, moment.pieces);
}

void RunDrawer::clashFound(const char* surface, const char* line, int32_t machine, const PipeShapeRecord* pieces,
                           int32_t count) {
    if (replaying_ == nullptr) return;
    // The last clash is the one that ended the replay, if any: a rotation
    // that clashed on the short way round goes on the long way round.
    replaying_->hasClash = true;
    ClashMoment& moment = replaying_->clash;
    moment.machine = machine;
    moment.surface = surface;
    moment.line = line;
    moment.pieces.clear();
    appendShape(pieces, count, moment.pieces);
}

void RunDrawer::motionDone(MotionKind kind, int32_t position, int32_t machine, double pending, double feedY,
                           double axisZ, const PipeShapeRecord* pieces, int32_t count) {
    if (replaying_ == nullptr) return;
    Frame& frame = replaying_->frames.emplace_back();
    frame.kind = kind;
    frame.machine = machine;
    frame.position = position;
    frame.count = count;
    frame.pending = pending;
    frame.feedY = feedY;
    frame.axisZ = axisZ;
    frameBegin_.push_back(framePieces_.size());
    appendShape(pieces, count, framePieces_);
}

namespace {

using Vec = std::array<double, 3>;

Vec minus(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
double dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
Vec cross(const Vec& a, const Vec& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
bool unit(Vec& a) {
    const double length = std::sqrt(dot(a, a));
    if (length < 1e-9) return false;
    for (double& v : a) v /= length;
    return true;
}

// The points of pieces: start, end and, on arcs, centre.
void pointsOf(const ShapePiece* pieces, int32_t count, std::vector<Vec>& points) {
    points.clear();
    for (int32_t i = 0; i < count; ++i) {
        points.push_back({pieces[i].start[0], pieces[i].start[1], pieces[i].start[2]});
        points.push_back({pieces[i].end[0], pieces[i].end[1], pieces[i].end[2]});
        if (pieces[i].type == 2) points.push_back({pieces[i].centre[0], pieces[i].centre[1], pieces[i].centre[2]});
    }
}

// An orthonormal basis (columns) from three chosen points; the second axis
// is any perpendicular when the points lie on one line.
std::array<Vec, 3> basisOf(const Vec& p0, const Vec& p1, const Vec& p2) {
    Vec e1 = minus(p1, p0);
    if (!unit(e1)) e1 = {1.0, 0.0, 0.0};
    Vec d = minus(p2, p0);
    const double along = dot(d, e1);
    Vec e2 = {d[0] - along * e1[0], d[1] - along * e1[1], d[2] - along * e1[2]};
    if (!unit(e2)) {
        e2 = cross(e1, Vec{0.0, 0.0, 1.0});
        if (!unit(e2)) {
            e2 = cross(e1, Vec{1.0, 0.0, 0.0});
            unit(e2);
        }
    }
    return {e1, e2, cross(e1, e2)};
}

// The rigid placement that carries the last frame's first pieces onto `to`
// (a frame's pieces); false when it does not reproduce them. `a` holds the
// points of the last frame's pieces (pointsOf); its first b.size() points are
// those of the first `count` pieces.
//
// The placement follows from three of the points: the first, the one
// farthest from it and the one farthest off the line through those two. A
// rigid placement keeps distances, so the three are chosen among the last
// frame's points, once for each number of points: the frames of a run have
// at most one number per bend.
struct BasisFrom {
    std::size_t points = 0;  // the number of points i1, i2 and the basis are for; 0: none yet
    std::size_t i1 = 0, i2 = 0;
    std::array<Vec, 3> basis{};
};

bool placementOf(const std::vector<Vec>& a, const ShapePiece* to, int32_t count, double q[4], double t[3],
                 std::vector<Vec>& b, BasisFrom& from) {
    pointsOf(to, count, b);
    if (b.empty()) return true;
    if (b.size() > a.size()) return false;
    if (from.points != b.size()) {
        std::size_t i1 = 0, i2 = 0;
        double far = -1.0;
        for (std::size_t i = 0; i < b.size(); ++i) {
            const Vec d = minus(a[i], a[0]);
            if (dot(d, d) > far) far = dot(d, d), i1 = i;
        }
        Vec axis = minus(a[i1], a[0]);
        unit(axis);
        far = -1.0;
        for (std::size_t i = 0; i < b.size(); ++i) {
            const Vec d = minus(a[i], a[0]);
            const Vec off = cross(d, axis);
            if (dot(off, off) > far) far = dot(off, off), i2 = i;
        }
        from.basis = basisOf(a[0], a[i1], a[i2]);
        from.points = b.size(), from.i1 = i1, from.i2 = i2;
    }
    const std::size_t i1 = from.i1, i2 = from.i2;
    const std::array<Vec, 3>& bf = from.basis;
    const auto bt = basisOf(b[0], b[i1], b[i2]);
    double r[3][3];
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) r[i][j] = bt[0][i] * bf[0][j] + bt[1][i] * bf[1][j] + bt[2][i] * bf[2][j];
    }
    for (int i = 0; i < 3; ++i) t[i] = b[0][i] - (r[i][0] * a[0][0] + r[i][1] * a[0][1] + r[i][2] * a[0][2]);
    for (std::size_t k = 0; k < b.size(); ++k) {
        for (int i = 0; i < 3; ++i) {
            const double moved = r[i][0] * a[k][0] + r[i][1] * a[k][1] + r[i][2] * a[k][2] + t[i];
            if (std::fabs(moved - b[k][i]) > 1.0) return false;
        }
    }
    // Rotation matrix to unit quaternion.
    const double trace = r[0][0] + r[1][1] + r[2][2];
    if (trace > 0.0) {
        const double s = std::sqrt(trace + 1.0) * 2.0;
        q[0] = 0.25 * s, q[1] = (r[2][1] - r[1][2]) / s, q[2] = (r[0][2] - r[2][0]) / s, q[3] = (r[1][0] - r[0][1]) / s;
    } else if (r[0][0] > r[1][1] && r[0][0] > r[2][2]) {
        const double s = std::sqrt(1.0 + r[0][0] - r[1][1] - r[2][2]) * 2.0;
        q[0] = (r[2][1] - r[1][2]) / s, q[1] = 0.25 * s, q[2] = (r[0][1] + r[1][0]) / s, q[3] = (r[0][2] + r[2][0]) / s;
    } else if (r[1][1] > r[2][2]) {
        const double s = std::sqrt(1.0 + r[1][1] - r[0][0] - r[2][2]) * 2.0;
        q[0] = (r[0][2] - r[2][0]) / s, q[1] = (r[0][1] + r[1][0]) / s, q[2] = 0.25 * s, q[3] = (r[1][2] + r[2][1]) / s;
    } else {
        const double s = std::sqrt(1.0 + r[2][2] - r[0][0] - r[1][1]) * 2.0;
        q[0] = (r[1][0] - r[0][1]) / s, q[1] = (r[0][2] + r[2][0]) / s, q[2] = (r[1][2] + r[2][1]) / s, q[3] = 0.25 * s;
    }
    return true;
}

}  // namespace

void RunDrawer::placeFrames(ChosenRun& run) {
    if (run.frames.empty()) return;
    const std::size_t lastBegin = frameBegin_.back();
    run.pieces.assign(framePieces_.begin() + static_cast<std::ptrdiff_t>(lastBegin), framePieces_.end());
    std::vector<std::array<double, 3>>& a = pointsFrom_;
    std::vector<std::array<double, 3>>& b = pointsTo_;
    pointsOf(run.pieces.data(), static_cast<int32_t>(run.pieces.size()), a);
    BasisFrom from;
    for (std::size_t f = 0; f < run.frames.size(); ++f) {
        Frame& frame = run.frames[f];
        const ShapePiece* own = framePieces_.data() + frameBegin_[f];
        if (frame.count > static_cast<int32_t>(run.pieces.size()) ||
            !placementOf(a, own, frame.count, frame.q, frame.t, b, from)) {
            frame.own.assign(own, own + frame.count);
        }
    }
    framePieces_.clear();
    frameBegin_.clear();
}

void ReportCollector::recordPiece(JobState& state, int32_t index, PieceReport& piece) {
    piece.record = state.cutFile.cutPieces.current;
    // The item lookups were made before planning, on the job's collector.
    const std::vector<int32_t>& tubes = parent_ != nullptr ? parent_->tubeIndexOf_ : tubeIndexOf_;
    if (static_cast<std::size_t>(index) < tubes.size()) piece.tubeIndex = tubes[static_cast<std::size_t>(index)];
    const ClashState& clash = state.clash;
    for (int32_t i = 0; i < clash.clashLineCount && i < kMaxClashLines; ++i) {
        std::string line = clash.clashLines[i];
        if (!line.empty() && line.back() == '\n') line.pop_back();
        piece.clashLines.push_back(line);
    }
    clashLines_ += clash.clashLineCount;
    piece.searchCutShort = state.search.searchCutShort;

    PrepareState& prep = state.prep;
    const int32_t n = piece.record.bendCount;
    // Steps were built only for pieces that left the item lookup ready.
    const bool resolved = piece.tubeIndex >= 0 &&
                          equalsNoCase(state.shop.tubeData.at(piece.tubeIndex).materialSpec, piece.record.pipingSpec);
    const int32_t first = resolved ? firstStepOfKey(prep, piece.record.cutId, piece.record.spoolId) : -1;
    if (first >= 0 && n >= 1 && n <= kMaxBends && first + 2 * n + 1 <= prep.bendSteps.count) {
        for (int32_t s = first; s <= first + 2 * n; ++s) {
            const BendStepRecord& step = prep.bendSteps.at(s);
            piece.steps.push_back({step.stepType, step.length, step.bendAngle, step.bendRadius});
        }
        for (int32_t p = 0; p <= 2 * n; ++p) piece.optionCountByPosition.push_back(optionsAtPositionCount(prep, p));
        if (piece.record.failed == 1 || !piece.clashedRuns.empty()) {
            piece.optionsAtPosition.resize(static_cast<std::size_t>(2 * n + 1));
            for (int32_t p = 0; p <= 2 * n; ++p) {
                for (int32_t at : prep.optionsAtPosition[p]) {
                    const BendOptionRecord& option = prep.bendOptions.at(at);
                    piece.optionsAtPosition[static_cast<std::size_t>(p)].push_back(
                        {option.machineIndex, option.benderIndex, option.hand, option.direction, option.stepIndex,
                         option.extraBefore, option.extraAfter});
                }
            }
        }
    }
    // Only a piece that failed needs the reasons for refusals.
    if (piece.record.failed != 0) piece.refusals = refusals_;
    refusals_.clear();
}

void ReportCollector::recordChosenRuns(const JobState& state, int32_t runs, int32_t bendCount,
                                       std::vector<ChosenRun>& into) {
    const PrepareState& prep = state.prep;
    const SearchState& search = state.search;
    const int32_t count = std::clamp(runs, 0, kMaxSelected);
    into.resize(static_cast<std::size_t>(count));
    for (int32_t r = 0; r < count; ++r) {
        // Refilled in place: a drawing task's runs keep their storage from piece to piece.
        ChosenRun& chosen = into[static_cast<std::size_t>(r)];
        chosen.score = search.selectedScores[r];
        chosen.options.clear();
        chosen.pieces.clear();
        chosen.frames.clear();
        chosen.pipeLength = 0.0;
        chosen.sameMotionsAs = -1;
        chosen.replayClear = true;
        chosen.hasClash = false;
        chosen.clash.machine = -1;
        chosen.clash.surface.clear();
        chosen.clash.line.clear();
        chosen.clash.position = 0;
        chosen.clash.pieces.clear();
        for (int32_t p = 0; p <= 2 * bendCount; ++p) {
            const int32_t ordinal = search.selectedRuns[r][p];
            const auto& at = prep.optionsAtPosition[p];
            if (ordinal < 0 || static_cast<std::size_t>(ordinal) >= at.size()) break;
            const BendOptionRecord& option = prep.bendOptions.at(at[static_cast<std::size_t>(ordinal)]);
            chosen.options.push_back(
                {option.machineIndex, option.benderIndex, option.hand, option.direction, option.stepIndex,
                 option.extraBefore, option.extraAfter});
            // The pipe length as the simulation adds it up.
            chosen.pipeLength = chosen.pipeLength + prep.bendSteps.at(option.stepIndex).length;
            if (p >= 1) {
                chosen.pipeLength = chosen.pipeLength + option.extraBefore;
                chosen.pipeLength = chosen.pipeLength + option.extraAfter;
            }
        }
    }
}

void ReportCollector::keptRotationsOf(const int16_t* run, std::size_t length, int32_t* rotations) const {
    for (std::size_t at = 0; at + kRunWidth <= keptRuns_.size(); at += kRunWidth) {
        if (std::equal(run, run + length, keptRuns_.begin() + static_cast<std::ptrdiff_t>(at))) {
            std::copy(keptRotations_.begin() + static_cast<std::ptrdiff_t>(at),
                      keptRotations_.begin() + static_cast<std::ptrdiff_t>(at + length), rotations);
            return;
        }
    }
}

void ReportCollector::drawChosenRuns(JobState& state, int32_t runs, PieceReport& piece) {
    DrawingTask* task = &task_;
    task->piece = activePiece_;
    recordChosenRuns(state, runs, piece.record.bendCount, task->runs);

    // What the simulation reads of a run, per position: the step, the
    // machine, the hand, the additional material and the rotation. Runs
    // that agree on all of it (say, that differ only in the bender) move
    // alike, so each such group is replayed and embedded once.
    const std::size_t length = static_cast<std::size_t>(2 * piece.record.bendCount + 1);
    const int32_t count = static_cast<int32_t>(task->runs.size());
    motionKeys_.resize(static_cast<std::size_t>(count));
    rows_.clear();
    rotations_.assign(static_cast<std::size_t>(count) * kMaxPositions, 0);
    for (int32_t r = 0; r < count; ++r) {
        ChosenRun& chosen = task->runs[static_cast<std::size_t>(r)];
        int32_t* turns = rotations_.data() + static_cast<std::ptrdiff_t>(r) * kMaxPositions;
        keptRotationsOf(state.search.selectedRuns[r], length, turns);
        std::vector<int64_t>& key = motionKeys_[static_cast<std::size_t>(r)];
        key.clear();
        for (std::size_t p = 0; p < length && p < chosen.options.size(); ++p) {
            const RunOption& option = chosen.options[p];
            key.insert(key.end(), {option.stepIndex, option.machine, option.hand, option.extraBefore,
                                   option.extraAfter, turns[p]});
        }
        for (int32_t earlier = 0; earlier < r; ++earlier) {
            if (motionKeys_[static_cast<std::size_t>(earlier)] == key) {
                chosen.sameMotionsAs = earlier;
                break;
            }
        }
        rows_.push_back(r);
    }
    copyRunsForDrawing(state, rows_.data(), rotations_.data(), count, task->replays);
    json_.clear();
    if (task->piece > 0) json_ += ",\n";  // the page's separator from the piece before
    pieceDataHead(report_, piece, json_);
    drawer_.draw(report_, *task, json_);
    // A planning thread has the piece's block at hand (the serial job
    // writes it straight to the result file, which is read for it later).
    if (state.resultBuffer != nullptr) {
        pieceDataTail(piece, *state.resultBuffer, json_);
        report_.runs.put(task->piece, json_, RunsData::Kept::Whole);
    } else {
        report_.runs.put(task->piece, json_, RunsData::Kept::UpToPrograms);
    }
}

void RunDrawer::draw(const JobReport& report, DrawingTask& task, std::string& into) {
    if (machinesGiven_ != static_cast<int32_t>(report.machines.size())) {
        setDrawingMachines(room_, report.machines.data(), static_cast<int32_t>(report.machines.size()));
        machinesGiven_ = static_cast<int32_t>(report.machines.size());
    }
    const std::size_t length = static_cast<std::size_t>(2 * std::max(task.replays.piece.bendCount, 0) + 1);
    for (std::size_t r = 0; r < task.runs.size() && r < task.replays.runs.size(); ++r) {
        ChosenRun& chosen = task.runs[r];
        if (chosen.sameMotionsAs >= 0) continue;
        replaying_ = &chosen;
        if (!spareFrames_.empty()) {
            chosen.frames = std::move(spareFrames_.back());
            spareFrames_.pop_back();
        }
        chosen.frames.reserve(2 * length);
        chosen.replayClear = replayForDrawing(room_, task.replays, static_cast<int32_t>(r), this) != 0;
        if (chosen.replayClear) chosen.hasClash = false;
        replaying_ = nullptr;
        placeFrames(chosen);
    }
    // Kept as page data only: a large job would hold every frame otherwise.
    runsJson(report, task.runs, into);
    // The frames go back to this drawer; the rest of the task keeps its
    // storage for the piece it is used for next.
    for (ChosenRun& run : task.runs) {
        if (spareFrames_.size() < kMaxSelected && run.frames.capacity() > 0) {
            run.frames.clear();
            spareFrames_.push_back(std::move(run.frames));
        }
        std::vector<Frame>().swap(run.frames);
    }
}

void ReportCollector::cutPieceDone(JobState& state, int32_t index, int32_t runs) {
    if (parent_ == nullptr) captureShop(state);  // a planning thread's collector finds it captured
    activePiece_ = index;
    PieceReport& piece = current();
    recordPiece(state, index, piece);
    piece.runCount = std::clamp(runs, 0, kMaxSelected);
    if (drawRuns_) drawChosenRuns(state, runs, piece);
    keptRuns_.clear();
    keptRotations_.clear();
    lastClashLine_.clear();
    lastRunClash_.clear();
    activePiece_ = index + 1;
}

int32_t runObservedJob(const char* parameterFile, JobReport& report, bool drawRuns) {
    auto state = std::make_unique<JobState>();
    ReportCollector collector(report, drawRuns);
    watchJob(*state, &collector);
    const auto begin = std::chrono::steady_clock::now();
    report.status = runJob(*state, parameterFile);
    collector.finish();
    report.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    report.resultPath = state->resultFilePath;
    report.pipeline = state->cutFile.headerPipeline;
    report.date = state->cutFile.headerDate;
    report.lengthUnits = state->cutFile.lengthUnits;
    report.boreUnits = state->cutFile.boreUnits;
    return report.status;
}

}  // namespace kwarel::cli
