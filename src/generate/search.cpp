#include "generate/search.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "clash/simulate.h"
#include "generate/rotation.h"
#include "prepare/options.h"
#include "prepare/resolve.h"
#include "store/numbers.h"

namespace kwarel {
namespace {

// Rows already used for duplicate detection, identified by a hash of the
// run's entries; a hash match is confirmed against the row itself.
struct RunRegister {
    static constexpr int32_t kSlots = 512;  // a power of two, over three times the rows
    uint64_t hashes[kTriedRows + kMaxSelected];
    const int16_t* rows[kTriedRows + kMaxSelected];
    int16_t slots[kSlots] = {};  // by hash, linear probing: row index + 1, 0 when free
    int32_t size = 0;

    void add(uint64_t hash, const int16_t* row) {
        hashes[size] = hash;
        rows[size] = row;
        ++size;
        uint32_t slot = static_cast<uint32_t>(hash) & (kSlots - 1);
        while (slots[slot] != 0) slot = (slot + 1) & (kSlots - 1);
        slots[slot] = static_cast<int16_t>(size);
    }
    bool contains(uint64_t hash, const int16_t* run, int32_t length) const {
        for (uint32_t slot = static_cast<uint32_t>(hash) & (kSlots - 1); slots[slot] != 0;
             slot = (slot + 1) & (kSlots - 1)) {
            const int32_t i = slots[slot] - 1;
            if (hashes[i] == hash &&
                std::memcmp(rows[i], run, static_cast<std::size_t>(length) * sizeof(int16_t)) == 0) {
                return true;
            }
        }
        return false;
    }
};

uint64_t hashRun(const int16_t* run, int32_t length) {
    uint64_t h = 1469598103934665603ull;
    for (int32_t i = 0; i < length; ++i) {
        h ^= static_cast<uint16_t>(run[i]);
        h *= 1099511628211ull;
    }
    return h;
}

// The requirements of one criteria level, 1 when required.
struct LevelFlags {
    int16_t sameMachine;
    int16_t sameBender;
    int16_t sameHand;
    int16_t noEndMaterial;
    int16_t noMiddleMaterial;
};

// The search of one cut piece: its parts and the piece's run length.
struct PieceSearch {
    const SearchParts& parts;
    const CutPieceRecord& piece;
    int32_t last;    // 2n, the last bending position
    int32_t length;  // 2n + 1 entries per run row

    SearchState& tables() const { return parts.search; }
    bool clashChecking() const { return parts.options.DO_CLASH_CHECKING != 0; }
    bool shortcuts() const { return parts.clash.shortcuts; }
    // Without clash checking, once the level holds its 50 candidates and the
    // searched rows of triedRuns are filled, the rest of the level can change
    // nothing that is read again: later tried rows are never searched, and
    // the rotations written depend only on the direction.
    bool levelSettled(int32_t count) const {
        return shortcuts() && !clashChecking() && count >= kMaxCandidates &&
               tables().triedRowsInUse >= kTriedRowsSearched;
    }
    // Runs of the piece enumerated so far, one by one or in blocks: the
    // same count in every build.
    int64_t runsEnumerated() const { return tables().runsTried + tables().runsSkipped; }
    // The guard: with clash checking, no run is tried once the runs
    // enumerated, or the steps of simulating each of them from its load,
    // reach their bound.
    bool guardReached() const {
        const SearchGuard& guard = tables().guard;
        if (!clashChecking() || (runsEnumerated() < guard.runs && parts.clash.simulationSteps < guard.steps)) {
            return false;
        }
        tables().searchCutShort = true;
        return true;
    }
};

// Whether the run's load hits the back wall as the clash memo's did. The
// total pipe length is read nowhere else, so runs that agree on this and on
// the memo's key clash the same way whatever their total.
bool sameBackWallOutcome(const ClashReplay& memo, const LoadCheck& load, double total) {
    if (memo.clashPosition == 0 && load.hitsFrontWall()) return true;  // the total was never read
    return load.hitsBackWall(total) == (memo.clashPosition == 0);
}

// Most outcomes kept for one cut piece; past it the memo starts afresh.
constexpr std::size_t kMaxOutcomes = std::size_t{1} << 18;

// Gives every option of every position its class: the first ordinal at the
// position whose option the simulation reads alike (machine, hand, step,
// additional material before and after). Options without a machine of the
// shop are never keyed: the simulation would read the machine left in the
// slot by an earlier run.
void classifyOptions(const PieceSearch& s) {
    OutcomeMemo& memo = s.tables().outcomeMemo;
    memo.outcomes.clear();
    memo.lines.clear();
    const PrepareState& prep = s.parts.prep;
    for (int32_t p = 0; p < kMaxPositions; ++p) {
        std::vector<int16_t>& classes = memo.classes[p];
        classes.assign(p <= s.last ? static_cast<std::size_t>(s.tables().optionCountByPosition[p]) : 0, -1);
        int16_t run[kMaxPositions] = {};
        int16_t other[kMaxPositions] = {};
        for (std::size_t o = 0; o < classes.size(); ++o) {
            run[p] = static_cast<int16_t>(o);
            const RunPosition at = runPosition(prep, run, p);
            if (!at || at.option->machineIndex < 0 || at.option->machineIndex >= s.parts.shop.machines.count) continue;
            classes[o] = static_cast<int16_t>(o);
            for (std::size_t e = 0; e < o; ++e) {
                if (classes[e] != static_cast<int16_t>(e)) continue;
                other[p] = static_cast<int16_t>(e);
                const BendOptionRecord& a = *at.option;
                const BendOptionRecord& b = *runPosition(prep, other, p).option;
                if (a.machineIndex == b.machineIndex && a.hand == b.hand && a.stepIndex == b.stepIndex &&
                    a.extraBefore == b.extraBefore && a.extraAfter == b.extraAfter) {
                    classes[o] = static_cast<int16_t>(e);
                    break;
                }
            }
        }
    }
}

// The outcome memo's key of a run: false when some option is never keyed.
bool outcomeKey(const PieceSearch& s, const int16_t* run, const int32_t rotations[], bool hitsBackWall,
                std::string& key) {
    const OutcomeMemo& memo = s.tables().outcomeMemo;
    char bytes[1 + kMaxPositions * (sizeof(int16_t) + sizeof(int32_t))];
    std::size_t size = 0;
    bytes[size++] = hitsBackWall ? 1 : 0;
    for (int32_t p = 0; p <= s.last; ++p) {
        const std::vector<int16_t>& classes = memo.classes[p];
        if (run[p] < 0 || static_cast<std::size_t>(run[p]) >= classes.size() || classes[run[p]] < 0) return false;
        std::memcpy(bytes + size, &classes[run[p]], sizeof(int16_t));
        size += sizeof(int16_t);
    }
    for (int32_t q = 2; q <= s.last - 2; q += 2) {
        std::memcpy(bytes + size, &rotations[q], sizeof(int32_t));
        size += sizeof(int32_t);
    }
    key.assign(bytes, size);
    return true;
}

// Gives the outcome of an earlier simulation again, with the side effects the
// simulation has: the straights it passed have their rotations lowered by a
// full turn, its clash lines join the report while it has room, its steps
// count as made.
void replayRemembered(const PieceSearch& s, const int16_t* run, const int32_t rotations[],
                      const SimulationOutcome& outcome) {
    const SearchParts& parts = s.parts;
    for (int32_t q = 2; q < outcome.simulationPosition - 1 && q <= s.last - 2; q += 2) {
        setRunRotation(parts.prep, run, q, clampToInt32(int64_t{rotations[q]} - 360));
    }
    char lines[kMaxClashLines][kClashLineWidth];
    const int32_t lineCount = std::min(outcome.lineCount, kMaxClashLines);
    for (int32_t i = 0; i < lineCount; ++i) {
        std::memcpy(lines[i], parts.search.outcomeMemo.lines[static_cast<std::size_t>(outcome.firstLine + i)].text,
                    kClashLineWidth);
    }
    replayOutcome(parts.clash, lines, lineCount, outcome.simulationPosition, outcome.motionPhase,
                  s.piece.outsideDiameter, outcome.steps);
}

// Replays the last clashing simulation when the run agrees with it on
// everything that simulation read. False, changing nothing, otherwise.
bool replayLastClash(const PieceSearch& s, const int16_t* run, const LoadCheck& load, double total) {
    const SearchParts& parts = s.parts;
    const ClashReplay& memo = parts.search.clashReplay;
    const int32_t last = s.last;
    if (!memo.valid ||
        std::memcmp(run, memo.ordinals, static_cast<std::size_t>(memo.keyLast + 1) * sizeof(int16_t)) != 0 ||
        !sameBackWallOutcome(memo, load, total)) {
        return false;
    }
    for (int32_t q = 2; q <= std::min(memo.clashPosition, last - 2); q += 2) {
        if (runPosition(parts.prep, run, q).option->rotation != memo.rotations[q]) return false;
    }
    // Straights before the clash were passed: each has its rotation lowered
    // by a full turn, as the simulation does.
    for (int32_t q = 2; q < memo.clashPosition && q <= last - 2; q += 2) {
        const int32_t rotation = runPosition(parts.prep, run, q).option->rotation;
        setRunRotation(parts.prep, run, q, clampToInt32(int64_t{rotation} - 360));
    }
    replayOutcome(parts.clash, memo.lines, memo.lineCount, memo.simulationPosition, memo.motionPhase,
                  s.piece.outsideDiameter, memo.steps);
    return true;
}

// What the clash state held before a simulation, so that its share of the
// steps and clash lines can be told apart.
struct ClashMark {
    int32_t lines;
    int64_t steps;
};

// Keeps the outcome of the simulation just made under its key, with the
// clash lines it added; the memo starts afresh when full.
void rememberOutcome(OutcomeMemo& remembered, const ClashState& clash, const ClashMark& before, int32_t result,
                     std::string&& key) {
    if (remembered.outcomes.size() >= kMaxOutcomes) {
        remembered.outcomes.clear();
        remembered.lines.clear();
    }
    SimulationOutcome outcome;
    outcome.result = result;
    outcome.simulationPosition = clash.simulationPosition;
    outcome.motionPhase = clash.motionPhase;
    outcome.steps = clash.simulationSteps - before.steps;
    outcome.firstLine = static_cast<int32_t>(remembered.lines.size());
    outcome.lineCount = clash.clashLineCount - before.lines;
    for (int32_t i = before.lines; i < clash.clashLineCount; ++i) {
        ClashLineText line;
        std::memcpy(line.text, clash.clashLines[i], kClashLineWidth);
        remembered.lines.push_back(line);
    }
    remembered.outcomes.emplace(std::move(key), outcome);
}

// Makes the simulation just made, which clashed, the clash memo's: the
// options it read, the rotations before it and what it left behind.
void rememberClash(const PieceSearch& s, const int16_t* run, const int32_t rotations[], const ClashMark& before) {
    ClashReplay& memo = s.parts.search.clashReplay;
    const ClashState& clash = s.parts.clash;
    const int32_t last = s.last;
    memo.valid = true;
    memo.clashPosition = clash.simulationPosition - 1;
    memo.keyLast = std::min(memo.clashPosition + 1, last);
    std::memcpy(memo.ordinals, run, static_cast<std::size_t>(last + 1) * sizeof(int16_t));
    for (int32_t q = 2; q <= last - 2; q += 2) memo.rotations[q] = rotations[q];
    memo.simulationPosition = clash.simulationPosition;
    memo.motionPhase = clash.motionPhase;
    memo.steps = clash.simulationSteps - before.steps;
    memo.lineCount = clash.clashLineCount - before.lines;
    for (int32_t i = 0; i < memo.lineCount; ++i) {
        std::memcpy(memo.lines[i], clash.clashLines[before.lines + i], kClashLineWidth);
    }
}

// Whether the search has an observer that must be told of each run.
bool observerWantsEachRun(const SearchState& tables) {
    return tables.observer != nullptr && tables.observer->wantsEachRun();
}

// The run's pipe length, summed on from the positions it shares with the
// last run summed (see addPipeLengths).
double runPipeLength(const PieceSearch& s, const int16_t* run) {
    SearchState::PipeTotals& last = s.tables().totals;
    const int32_t n = s.piece.bendCount;
    if (n > kMaxBends) {
        last.valid = false;
        return totalPipeLength(s.parts.prep, n, run);
    }
    int32_t from = 0;
    if (last.valid && last.last == 2 * n) {
        while (from <= 2 * n && run[from] == last.run[from]) ++from;
        if (from > 2 * n) return last.after[2 * n];
    }
    const double total = addPipeLengths(s.parts.prep, run, from, 2 * n, from == 0 ? 0.0 : last.after[from - 1],
                                        last.after);
    for (int32_t p = from; p <= 2 * n; ++p) {
        last.run[p] = run[p];
        last.whole[p] = (p == 0 || last.whole[p - 1]) && static_cast<bool>(runPosition(s.parts.prep, run, p));
    }
    last.last = 2 * n;
    last.valid = true;
    return total;
}

// Simulates the run, or replays the last clashing simulation when the run
// agrees with it on everything that simulation read, or gives the outcome of
// an earlier simulation of a run it cannot be told from.
int32_t simulateOrReplay(const PieceSearch& s, const int16_t* run, bool& replayed) {
    replayed = false;
    const SearchParts& parts = s.parts;
    const double total = runPipeLength(s, run);
    const LoadCheck load = loadCheck(parts.clash, parts.prep, parts.shop, run);
    if (replayLastClash(s, run, load, total)) {
        replayed = true;
        return 0;
    }

    int32_t rotations[kMaxPositions];
    for (int32_t q = 2; q <= s.last - 2; q += 2) rotations[q] = runPosition(parts.prep, run, q).option->rotation;
    const ClashState& clash = parts.clash;
    const ClashMark before{clash.clashLineCount, clash.simulationSteps};
    OutcomeMemo& remembered = parts.search.outcomeMemo;
    std::string key;
    // An observer that wants each run is told of every simulation as it happens.
    const bool keyed = !observerWantsEachRun(parts.search) && outcomeKey(s, run, rotations, load.hitsBackWall(total), key);
    const auto found = keyed ? remembered.outcomes.find(key) : remembered.outcomes.end();
    int32_t result = 0;
    if (found != remembered.outcomes.end()) {
        replayRemembered(s, run, rotations, found->second);
        result = found->second.result;
        replayed = true;
        ++parts.search.outcomesGivenAgain;
    } else {
        result = simulateRun(parts.clash, parts.prep, parts.shop, s.piece, parts.options.INCLUDE_BEND_SPRINGBACK != 0,
                             run);
        if (keyed) rememberOutcome(remembered, clash, before, result, std::move(key));
    }
    if (result == 0 && clash.simulationPosition >= 1) rememberClash(s, run, rotations, before);
    return result;
}

void countOptionsByPosition(const PrepareState& prep, SearchState& tables) {
    for (int32_t position = 0; position < kMaxPositions; ++position) {
        tables.optionCountByPosition[position] =
            static_cast<int16_t>(std::min<int32_t>(optionsAtPositionCount(prep, position), INT16_MAX));
    }
}

// Spans of the kept options of position p (see SearchState::KeptSpan), taken
// in the order of the kept options, so they are what a scan of them at any
// later time finds: an option's length and additional material never change
// during a search.
void measureKeptSpan(const PieceSearch& s, int32_t p) {
    SearchState& tables = s.tables();
    SearchState::KeptSpan span;
    span.valid = true;
    int16_t probe[kMaxPositions] = {};
    for (int32_t d = 0; d < tables.keptCount[p - 1]; ++d) {
        probe[p] = tables.keptOptions[p - 1][d];
        const RunPosition at = runPosition(s.parts.prep, probe, p);
        if (!at) {
            span.valid = false;
            break;
        }
        const double length = at.step->length;
        const double before = at.option->extraBefore, after = at.option->extraAfter;
        if (d == 0) {
            span.lengthLo = span.lengthHi = length, span.beforeLo = span.beforeHi = before;
            span.afterLo = span.afterHi = after;
        }
        span.lengthLo = std::min(span.lengthLo, length), span.lengthHi = std::max(span.lengthHi, length);
        span.beforeLo = std::min(span.beforeLo, before), span.beforeHi = std::max(span.beforeHi, before);
        span.afterLo = std::min(span.afterLo, after), span.afterHi = std::max(span.afterHi, after);
    }
    tables.keptSpans[p - 1] = span;
}

// Keeps, for every position after the first, the ordinals of the options
// the level allows with the first option `reference` (at most 50 each).
// False when some position keeps none.
bool keepOptions(const PieceSearch& s, const LevelFlags& flags, const BendOptionRecord& reference) {
    SearchState& tables = s.tables();
    const PrepareState& prep = s.parts.prep;
    for (auto& slots : tables.keptOptions) std::fill(std::begin(slots), std::end(slots), int16_t{-1});
    bool complete = true;
    for (int32_t p = 1; p <= s.last; ++p) {
        int32_t kept = 0;
        int16_t run[kMaxPositions] = {};
        for (int32_t ordinal = 0; ordinal < tables.optionCountByPosition[p]; ++ordinal) {
            run[p] = static_cast<int16_t>(ordinal);
            const BendOptionRecord& option = *runPosition(prep, run, p).option;
            if (option.direction != reference.direction) continue;
            if (flags.sameMachine == 1 && option.machineIndex != reference.machineIndex) continue;
            if (flags.sameBender == 1 && option.benderIndex != reference.benderIndex) continue;
            if (flags.sameHand == 1 && option.hand != reference.hand) continue;
            if (flags.noEndMaterial == 1) {
                if (p == 1 && option.extraBefore != 0) continue;
                if (p == s.last - 1 && option.extraAfter != 0) continue;
            }
            if (flags.noMiddleMaterial == 1 && p >= 3 && option.extraBefore != 0) continue;
            if (kept < kMaxKeptPerPosition) tables.keptOptions[p - 1][kept++] = static_cast<int16_t>(ordinal);
        }
        tables.keptCount[p - 1] = static_cast<int16_t>(kept);
        if (kept == 0) complete = false;
        // Only blocks of runs read them: they come with clash checking and the shortcuts.
        if (s.clashChecking() && s.shortcuts()) measureKeptSpan(s, p);
    }
    return complete;
}

// Advances the odometer of kept options, the last position turning fastest.
// False past the last combination.
bool nextCombination(const PieceSearch& s, int16_t run[], int32_t digits[]) {
    const SearchState& tables = s.tables();
    int32_t p = s.last;
    while (p >= 1 && digits[p] + 1 >= tables.keptCount[p - 1]) --p;
    if (p < 1) return false;
    ++digits[p];
    run[p] = tables.keptOptions[p - 1][digits[p]];
    for (int32_t q = p + 1; q <= s.last; ++q) {
        digits[q] = 0;
        run[q] = tables.keptOptions[q - 1][0];
    }
    return true;
}

// Notes a run in the tried rows (the first rows also in the register of
// known rows). Returns true when it was known already.
bool noteTried(const PieceSearch& s, RunRegister& known, const int16_t* run) {
    SearchState& tables = s.tables();
    const uint64_t hash = hashRun(run, s.length);
    const bool duplicate = known.contains(hash, run, s.length);
    if (!duplicate && tables.triedRowsInUse < kTriedRows) {
        int16_t* row = tables.triedRuns[tables.triedRowsInUse];
        std::memcpy(row, run, static_cast<std::size_t>(s.length) * sizeof(int16_t));
        if (tables.triedRowsInUse < kTriedRowsSearched) known.add(hash, row);
        ++tables.triedRowsInUse;
    }
    return duplicate;
}

// The runs still to come in the odometer that agree with `run` on
// positions 0 .. keyLast (the last of them has every later digit at its
// highest). Saturates far below the int64 range.
int64_t runsLeftInBlock(const PieceSearch& s, const int32_t digits[], int32_t keyLast) {
    constexpr int64_t kHuge = int64_t{1} << 56;
    int64_t left = 0;
    for (int32_t p = keyLast + 1; p <= s.last; ++p) {
        const int64_t radix = s.tables().keptCount[p - 1];
        if (left >= kHuge) return kHuge;
        left = left * radix + (radix - 1 - digits[p]);
    }
    return left;
}

// Digit of `ordinal` among the kept options of position p, or -1.
int32_t keptDigit(const SearchState& tables, int32_t p, int16_t ordinal) {
    for (int32_t d = 0; d < tables.keptCount[p - 1]; ++d) {
        if (tables.keptOptions[p - 1][d] == ordinal) return d;
    }
    return -1;
}

// Whether every run of the block left loads a pipe whose back-wall test
// ends as the memo's did. The total of each lies between the sums made with
// the least and with the largest step length and additional material of
// each position, added in the order totalPipeLength adds them: rounding
// never reverses an order.
bool blockLoadsAlike(const PieceSearch& s, const int16_t* run, const ClashReplay& memo, const LoadCheck& load) {
    if (memo.clashPosition == 0 && load.hitsFrontWall()) return true;  // the total is never read
    const SearchState& tables = s.tables();
    // Positions 0 .. keyLast are the run's own: both sums are its length up
    // to there, summed alike.
    runPipeLength(s, run);
    if (!tables.totals.valid || !tables.totals.whole[memo.keyLast]) return false;
    // A run that clashed at the load hit the back wall, so every run of the
    // block must, down to the shortest; one that got further did not, so
    // none may, up to the longest.
    const bool least = memo.clashPosition == 0;
    double total = tables.totals.after[memo.keyLast];
    for (int32_t p = memo.keyLast + 1; p <= s.last; ++p) {
        const SearchState::KeptSpan& span = tables.keptSpans[p - 1];
        if (!span.valid) return false;
        total = total + (least ? span.lengthLo : span.lengthHi);
        total = total + (least ? span.beforeLo : span.beforeHi);
        total = total + (least ? span.afterLo : span.afterHi);
    }
    return least ? load.hitsBackWall(total) : !load.hitsBackWall(total);
}

// The runs left in the block of the run just tried when the whole block can
// be accounted for at once (see skipClashBlock), else 0.
int64_t skippableRunsLeft(const PieceSearch& s, const int16_t* run, const int32_t digits[], const bool written[]) {
    const SearchState& tables = s.tables();
    const ClashReplay& memo = tables.clashReplay;
    const ClashState& clash = s.parts.clash;
    const int32_t keyLast = memo.keyLast;
    if (!memo.valid || keyLast >= s.last || tables.triedRowsInUse < kTriedRows ||
        clash.clashLineCount < kMaxClashLines ||
        std::memcmp(run, memo.ordinals, static_cast<std::size_t>(keyLast + 1) * sizeof(int16_t)) != 0) {
        return 0;
    }
    for (int32_t q = 2; q < memo.clashPosition && q <= s.last - 2; q += 2) {
        if (!written[q]) return 0;  // its rotation would differ from run to run
    }
    const int64_t left = runsLeftInBlock(s, digits, keyLast);
    if (left <= 0) return 0;
    if (!blockLoadsAlike(s, run, memo, loadCheck(clash, s.parts.prep, s.parts.shop, run))) return 0;
    return left;
}

// The known rows that can lie in a block of the first option being
// enumerated (that first option, a kept option at every later position),
// sorted as the odometer meets them. Kept options are listed by ascending
// ordinal, so comparing rows' ordinals compares their odometer digits. Made
// when the first block is accounted for: blocks come only once the tried
// rows are full, and from then on no row becomes known.
struct BlockRows {
    bool made = false;
    int32_t count = 0;
    const int16_t* rows[kTriedRows + kMaxSelected] = {};
    int16_t lastKept[kMaxPositions] = {};  // each position's last kept option
};

void makeBlockRows(const PieceSearch& s, const RunRegister& known, const int16_t* run, BlockRows& sorted) {
    const SearchState& tables = s.tables();
    sorted.count = 0;
    for (int32_t i = 0; i < known.size; ++i) {
        const int16_t* row = known.rows[i];
        bool kept = row[0] == run[0];
        for (int32_t p = 1; p <= s.last && kept; ++p) kept = keptDigit(tables, p, row[p]) >= 0;
        if (kept) sorted.rows[sorted.count++] = row;
    }
    for (int32_t p = 1; p <= s.last; ++p) {
        const int32_t kept = tables.keptCount[p - 1];
        sorted.lastKept[p] = kept > 0 ? tables.keptOptions[p - 1][kept - 1] : int16_t{-1};
    }
    std::sort(sorted.rows, sorted.rows + sorted.count, [&s](const int16_t* a, const int16_t* b) {
        return std::lexicographical_compare(a, a + s.length, b, b + s.length);
    });
    sorted.made = true;
}

// The known rows among the runs left in the block of runs that agree with
// `run` on positions 0 .. agree (each of those would be a duplicate), and
// whether the block's last run is one of them: the rows after the run just
// tried, up to the block's last run, in odometer order.
int64_t blockDuplicates(const PieceSearch& s, const BlockRows& sorted, const int16_t* run, int32_t agree,
                        bool& lastIsDuplicate) {
    int16_t blockEnd[kMaxPositions] = {};
    std::copy(run, run + agree + 1, blockEnd);
    std::copy(sorted.lastKept + agree + 1, sorted.lastKept + s.length, blockEnd + agree + 1);
    const auto before = [&s](const int16_t* a, const int16_t* b) {
        return std::lexicographical_compare(a, a + s.length, b, b + s.length);
    };
    const auto* begin = sorted.rows;
    const auto* end = sorted.rows + sorted.count;
    const auto* first = std::upper_bound(begin, end, run, before);
    const auto* last = std::upper_bound(first, end, static_cast<const int16_t*>(blockEnd), before);
    lastIsDuplicate = last != first && std::equal(blockEnd, blockEnd + s.length, *(last - 1));
    return last - first;
}

// Straight options after position `agree`: each one the block meets gets
// the rotation written for the direction (the run just tried holds it).
void writeBlockRotations(const PieceSearch& s, const int16_t* run, const int32_t digits[], const bool written[],
                         int32_t agree) {
    const SearchState& tables = s.tables();
    PrepareState& prep = s.parts.prep;
    bool earlierCanRise = false;
    int16_t probe[kMaxPositions] = {};
    for (int32_t p = agree + 1; p <= s.last; ++p) {
        if (p % 2 == 0 && p <= s.last - 2 && written[p]) {
            const int32_t angle = runPosition(prep, run, p).option->rotation;
            for (int32_t d = earlierCanRise ? 0 : digits[p] + 1; d < tables.keptCount[p - 1]; ++d) {
                probe[p] = tables.keptOptions[p - 1][d];
                setRunRotation(prep, probe, p, angle);
            }
        }
        if (digits[p] < tables.keptCount[p - 1] - 1) earlierCanRise = true;
    }
}

// Accounts at once for the rest of the block of runs that agree with the run
// just tried, which clashed as the clash memo says, on every option its
// simulation read (positions 0 .. keyLast). Tried one by one, each of those
// runs would be a duplicate (rotations written, nothing else) or would clash
// the same way: its straights before the clash get the rotation
// setPlaneRotations writes for the direction, so the memo's key matches, and
// its load tests the back wall as the memo's did. With the tried-run table
// and the clash report full, what they leave behind is the steps of their
// simulations and the rotations: the straights before the clash lowered by
// 360 unless the block's last run is a duplicate, every later straight
// option the block meets holding its written rotation. The odometer is left
// on the block's last run. Where the guard would end the search inside the
// block, the runs that agree with the run just tried on more positions (the
// start of the block, up to where a faster position has turned through its
// options) are accounted for instead, the most that end before the guard,
// so the guard ends the search on the very run it would reach one run at a
// time. Returns false, changing nothing, where this cannot be shown; the
// runs are then tried one by one.
bool skipClashBlock(const PieceSearch& s, const RunRegister& known, BlockRows& sorted, int16_t run[],
                    int32_t digits[], const bool written[]) {
    const int64_t whole = skippableRunsLeft(s, run, digits, written);
    if (whole <= 0) return false;
    if (!sorted.made) makeBlockRows(s, known, run, sorted);
    const ClashReplay& memo = s.tables().clashReplay;
    ClashState& clash = s.parts.clash;
    const SearchGuard& guard = s.tables().guard;
    int32_t agree = memo.keyLast;
    int64_t left = whole, simulated = 0;
    bool lastIsDuplicate = false;
    // The guard must not end the search inside the block: runs and steps stay
    // below their bounds up to its end.
    for (;; left = runsLeftInBlock(s, digits, ++agree)) {
        if (left <= 0 || clash.simulationSteps >= guard.steps) return false;
        simulated = left - blockDuplicates(s, sorted, run, agree, lastIsDuplicate);
        if (left < guard.runs - s.runsEnumerated() &&
            (memo.steps <= 0 || simulated <= (guard.steps - 1 - clash.simulationSteps) / memo.steps)) {
            break;
        }
    }

    clash.simulationSteps += simulated * memo.steps;
    if (lastIsDuplicate) {
        // The last run wrote its rotations and was not simulated: the
        // straights before the clash keep theirs unlowered.
        for (int32_t q = 2; q < memo.clashPosition && q <= s.last - 2; q += 2) {
            const int32_t rotation = runPosition(s.parts.prep, run, q).option->rotation;
            setRunRotation(s.parts.prep, run, q, clampToInt32(int64_t{rotation} + 360));
        }
    }
    writeBlockRotations(s, run, digits, written, agree);
    for (int32_t p = agree + 1; p <= s.last; ++p) {
        digits[p] = s.tables().keptCount[p - 1] - 1;
        run[p] = s.tables().keptOptions[p - 1][digits[p]];
    }
    s.tables().runsSkipped += left;
    if (DecisionObserver* observer = s.tables().observer) observer->runsAccountedFor(simulated, left - simulated);
    return true;
}

// Keeps a run as the level's next candidate, scored by the mean priority of
// its options.
void addCandidate(const PieceSearch& s, int32_t count, const int16_t* run) {
    SearchState& tables = s.tables();
    std::memcpy(tables.levelCandidates[count], run, static_cast<std::size_t>(s.length) * sizeof(int16_t));
    int64_t sum = 0;
    for (int32_t p = 0; p <= s.last; ++p) sum += runPosition(s.parts.prep, run, p).option->priorityValue;
    tables.levelScores[count] = clampToInt32(sum / s.length);
}

// Enumerates the runs of one first option; returns the candidate count.
int32_t enumerateRuns(const PieceSearch& s, RunRegister& known, int16_t first, int32_t count) {
    const SearchParts& parts = s.parts;
    int16_t run[kMaxPositions] = {};
    int32_t digits[kMaxPositions];
    run[0] = first;
    for (int32_t p = 1; p <= s.last; ++p) {
        digits[p] = 0;
        run[p] = s.tables().keptOptions[p - 1][0];
    }
    BlockRows blockRows;
    // Every combination of kept options, in the odometer order, until the
    // odometer has turned through all of them.
    for (bool more = true; more; more = nextCombination(s, run, digits)) {
        if (s.guardReached() || s.levelSettled(count)) break;

        const bool duplicate = noteTried(s, known, run);
        bool written[kMaxPositions];
        if (s.shortcuts()) {
            setPlaneRotations(parts.prep, s.piece.bendCount, run, written, s.tables().planes);
        } else {
            setPlaneRotations(parts.prep, s.piece.bendCount, run, written);
        }
        DecisionObserver* observer = parts.search.observer;
        int32_t rotations[kMaxPositions] = {};
        if (observer != nullptr) {
            for (int32_t q = 2; q <= s.last - 2; q += 2) rotations[q] = runPosition(parts.prep, run, q).option->rotation;
        }
        bool replayed = false;
        int32_t result = 1;
        if (!duplicate && s.clashChecking()) {
            result = s.shortcuts() ? simulateOrReplay(s, run, replayed)
                                   : simulateRun(parts.clash, parts.prep, parts.shop, s.piece,
                                                 parts.options.INCLUDE_BEND_SPRINGBACK != 0, run);
        }
        ++parts.search.runsTried;
        if (!duplicate && s.clashChecking() && !replayed) ++parts.search.runsSimulated;
        const bool passes = duplicate || !s.clashChecking() || result != 0;
        if (observer != nullptr) {
            const RunOutcome outcome = duplicate             ? RunOutcome::Duplicate
                                       : !s.clashChecking() ? RunOutcome::NotSimulated
                                       : passes             ? RunOutcome::Clear
                                       : replayed           ? RunOutcome::RepeatClash
                                                            : RunOutcome::Clash;
            observer->runTried(run, s.length, rotations, outcome);
        }
        if (passes && !duplicate && count < kMaxCandidates) addCandidate(s, count++, run);
        // An observer that wants each run is told of every run, so no block is skipped for it.
        if (!passes && s.shortcuts() && !observerWantsEachRun(parts.search)) {
            skipClashBlock(s, known, blockRows, run, digits, written);
        }
    }
    return count;
}

// Enumerates the runs of one level; fills levelCandidates and levelScores
// and returns the number of candidates.
int32_t findRunsForLevel(const PieceSearch& s, const LevelFlags& flags) {
    SearchState& tables = s.tables();
    // Duplicates are looked for among the first rows of triedRuns and among
    // the chosen runs up to the first row not in use.
    RunRegister known;
    // Option ordinals name other options in another cut piece.
    tables.planes.valid = false;
    tables.totals.valid = false;
    const int32_t triedSearched = std::min(tables.triedRowsInUse, kTriedRowsSearched);
    for (int32_t row = 0; row < triedSearched; ++row) {
        known.add(hashRun(tables.triedRuns[row], s.length), tables.triedRuns[row]);
    }
    // A chosen run is usually among the searched rows as well; it is kept
    // once, so that counting the known rows of a block counts each run once.
    for (int32_t row = 0; row < kMaxSelected && tables.selectedScores[row] != -1; ++row) {
        const uint64_t hash = hashRun(tables.selectedRuns[row], s.length);
        if (!known.contains(hash, tables.selectedRuns[row], s.length)) known.add(hash, tables.selectedRuns[row]);
    }

    int32_t count = 0;
    for (int32_t first = 0; first < tables.optionCountByPosition[0]; ++first) {
        if (s.levelSettled(count) || tables.searchCutShort) break;
        int16_t run[kMaxPositions] = {static_cast<int16_t>(first)};
        const RunPosition reference = runPosition(s.parts.prep, run, 0);
        if (reference.option == nullptr) continue;
        if (!keepOptions(s, flags, *reference.option)) continue;
        count = enumerateRuns(s, known, static_cast<int16_t>(first), count);
    }
    return count;
}

// Copies k level scores to sortedScores, sorted descending (stable).
void sortLevelScores(SearchState& tables, int32_t k) {
    for (int32_t i = 0; i < k; ++i) tables.sortedScores[i] = tables.levelScores[i];
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int32_t i = 0; i + 1 < k; ++i) {
            if (tables.sortedScores[i] < tables.sortedScores[i + 1]) {
                std::swap(tables.sortedScores[i], tables.sortedScores[i + 1]);
                swapped = true;
            }
        }
    }
}

// Lowers each candidate's score by 5 per change of machine, bender or hand
// and per middle additional material (counted twice), and by the
// additional material itself.
void penaliseCandidates(const PieceSearch& s, int32_t k) {
    SearchState& tables = s.tables();
    for (int32_t c = 0; c < k; ++c) {
        int64_t changes = 0;
        int64_t middleExtras = 0;
        int64_t extra = 0;
        const BendOptionRecord* previous = nullptr;
        for (int32_t p = 0; p <= s.last; ++p) {
            const BendOptionRecord& option = *runPosition(s.parts.prep, tables.levelCandidates[c], p).option;
            if (previous != nullptr) {
                if (option.machineIndex != previous->machineIndex) ++changes;
                if (option.benderIndex != previous->benderIndex) ++changes;
                if (option.hand != previous->hand) ++changes;
            }
            if (option.extraBefore != 0) extra += option.extraBefore;
            if (option.extraAfter != 0) extra += option.extraAfter;
            if (p >= 3 && option.extraBefore != 0) ++middleExtras;
            previous = &option;
        }
        tables.levelScores[c] = clampToInt32(tables.levelScores[c] - (5 * (changes + 2 * middleExtras) + extra));
    }
}

// Takes the best of a level's k candidates, up to NUMBER_OF_PROGRAMS runs
// in all, with the level's base added to their scores. Returns how many.
int32_t takeBest(const PieceSearch& s, int32_t k, int32_t level, int32_t found) {
    SearchState& tables = s.tables();
    penaliseCandidates(s, k);
    sortLevelScores(tables, k);
    const int32_t base = 6400 - 200 * level;
    const int32_t take = std::min(k, s.parts.options.NUMBER_OF_PROGRAMS - found);
    bool copied[kMaxCandidates] = {};
    for (int32_t t = 0; t < take; ++t) {
        for (int32_t c = 0; c < k; ++c) {
            if (!copied[c] && tables.levelScores[c] == tables.sortedScores[t]) {
                copied[c] = true;
                std::memcpy(tables.selectedRuns[found + t], tables.levelCandidates[c], sizeof tables.selectedRuns[0]);
                tables.selectedScores[found + t] = clampToInt32(int64_t{base} + tables.sortedScores[t]);
                break;
            }
        }
    }
    return take;
}

// A level asks for no change of machine, bender or hand and no middle
// material that the job does not allow anyway; such a level is skipped.
bool levelAllowed(const JobOptions& options, const int16_t* flags) {
    return !((flags[0] == 0 && options.ALLOW_MACHINE_CHANGE == 0) ||
             (flags[1] == 0 && options.ALLOW_BENDER_CHANGE == 0) || (flags[2] == 0 && options.ALLOW_HAND_CHANGE == 0) ||
             (flags[4] == 0 && options.ALLOW_ADDITIONAL_MATERIAL == 0));
}

}  // namespace

int32_t searchBendingRuns(const SearchParts& parts, int32_t index) {
    const CutPieceRecord& piece = parts.file.cutPieces.current;
    if (piece.failed != kPieceFine) return 0;
    const int32_t n = piece.bendCount;
    if (n < 1 || n > kMaxBends) return 0;
    const PieceSearch s{parts, piece, 2 * n, 2 * n + 1};
    SearchState& tables = parts.search;

    std::fill(std::begin(tables.selectedScores), std::end(tables.selectedScores), -1);
    for (auto& row : tables.triedRuns) row[0] = -1;
    tables.triedRowsInUse = 0;
    tables.clashReplay.valid = false;
    tables.searchCutShort = false;
    tables.runsSkipped = 0;
    tables.runsTried = 0;
    tables.runsSimulated = 0;
    tables.outcomesGivenAgain = 0;
    forgetSimulations(parts.clash);

    countOptionsByPosition(parts.prep, tables);
    if (s.clashChecking() && s.shortcuts()) classifyOptions(s);
    for (int32_t p = 0; p <= s.last; ++p) {
        if (tables.optionCountByPosition[p] == 0) {
            markCutPieceFailed(parts.file, index, "No machine/bender combination(s) can be found to manufacture cutpiece.");
            return 0;
        }
    }

    const JobOptions& options = parts.options;
    int32_t found = 0;
    for (int32_t level = 0; level < kCriteriaLevels; ++level) {
        const int16_t* flags = tables.criteriaLevels[level];
        const bool allowed = levelAllowed(options, flags);
        if (tables.observer != nullptr) tables.observer->levelReached(level, allowed);
        if (!allowed) continue;
        const int32_t k = findRunsForLevel(s, LevelFlags{flags[0], flags[1], flags[2], flags[3], flags[4]});
        if (k > 0) found += takeBest(s, k, level, found);
        if (found >= options.NUMBER_OF_PROGRAMS || tables.searchCutShort) break;
    }

    if (found == 0) markCutPieceFailed(parts.file, index, "Unable to manufacture cutpiece.");
    return found;
}

}  // namespace kwarel
