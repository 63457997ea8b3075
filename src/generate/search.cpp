#include "generate/search.h"

#include <algorithm>
#include <cstring>

#include "clash/simulate.h"
#include "generate/rotation.h"
#include "prepare/bend_steps.h"
#include "prepare/options.h"
#include "prepare/resolve.h"
#include "store/numbers.h"
#include "store/text.h"

namespace kwarel {
namespace {

// Rows already used for duplicate detection, identified by a hash of the
// run's entries; a hash match is confirmed against the row itself.
struct RunRegister {
    uint64_t hashes[kTriedRows + kMaxSelected];
    const int16_t* rows[kTriedRows + kMaxSelected];
    int32_t size = 0;

    void add(uint64_t hash, const int16_t* row) {
        hashes[size] = hash;
        rows[size] = row;
        ++size;
    }
    bool contains(uint64_t hash, const int16_t* run, int32_t length) const {
        for (int32_t i = 0; i < size; ++i) {
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

// Rotation of the run's straight option at `position`.
int32_t& straightRotation(JobState& state, const int16_t* run, int32_t position) {
    return state.bendOptions.at(state.optionsAtPosition[position][static_cast<std::size_t>(run[position])]).rotation;
}

// Simulates the run (first, combination), or replays the last clashing
// simulation when the run agrees with it on everything that simulation read.
int32_t simulateOrReplay(JobState& state, int32_t first, const int16_t* run, int32_t last) {
    JobState::ClashReplay& memo = state.clashReplay;
    const double total = totalPipeLength(state, first);
    if (memo.valid && total == memo.total &&
        std::memcmp(run, memo.ordinals, static_cast<std::size_t>(memo.keyLast + 1) * sizeof(int16_t)) == 0) {
        bool same = true;
        for (int32_t q = 2; q <= std::min(memo.clashPosition, last - 2) && same; q += 2) {
            same = straightRotation(state, run, q) == memo.rotations[q];
        }
        if (same) {
            for (int32_t i = 0; i < memo.lineCount && state.clashLineCount < kMaxClashLines; ++i) {
                std::memcpy(state.clashLines[state.clashLineCount], memo.lines[i], kClashLineWidth);
                ++state.clashLineCount;
            }
            // Straights before the clash were passed: each has its rotation
            // lowered by a full turn, as the simulation does.
            for (int32_t q = 2; q < memo.clashPosition && q <= last - 2; q += 2) {
                int32_t& rotation = straightRotation(state, run, q);
                rotation = clampToInt32(int64_t{rotation} - 360);
            }
            state.simulationPosition = memo.simulationPosition;
            state.motionPhase = memo.motionPhase;
            state.halfDiameter = state.cutPieces.current.outsideDiameter / 2;
            return 0;
        }
    }

    int32_t rotations[kMaxPositions];
    for (int32_t q = 2; q <= last - 2; q += 2) rotations[q] = straightRotation(state, run, q);
    const int32_t linesBefore = state.clashLineCount;
    state.simulationPosition = 0;
    const int32_t result = simulateRun(state, first);
    if (result == 0 && state.simulationPosition >= 1) {
        memo.valid = true;
        memo.clashPosition = state.simulationPosition - 1;
        memo.keyLast = std::min(memo.clashPosition + 1, last);
        std::memcpy(memo.ordinals, run, static_cast<std::size_t>(last + 1) * sizeof(int16_t));
        for (int32_t q = 2; q <= last - 2; q += 2) memo.rotations[q] = rotations[q];
        memo.total = total;
        memo.simulationPosition = state.simulationPosition;
        memo.motionPhase = state.motionPhase;
        memo.lineCount = state.clashLineCount - linesBefore;
        for (int32_t i = 0; i < memo.lineCount; ++i) {
            std::memcpy(memo.lines[i], state.clashLines[linesBefore + i], kClashLineWidth);
        }
    }
    return result;
}

}  // namespace

void countOptionsByPosition(JobState& state) {
    std::fill(std::begin(state.optionCountByPosition), std::end(state.optionCountByPosition), int16_t{0});
    for (int32_t position = 0; position < kMaxPositions; ++position) {
        state.optionCountByPosition[position] =
            static_cast<int16_t>(std::min<int32_t>(optionsAtPositionCount(state, position), INT16_MAX));
    }
}

void combinationForNumber(JobState& state, int64_t m) {
    const int32_t positions = 2 * state.cutPieces.current.bendCount;
    // The m-th combination counts m - 1 advances of an odometer whose last
    // position turns fastest; past the last combination it stays there.
    int64_t rest = m - 1;
    int32_t digits[kMaxPositions - 1];
    for (int32_t p = positions; p >= 1; --p) {
        const int32_t radix = std::max<int32_t>(state.keptCount[p - 1], 1);
        digits[p - 1] = static_cast<int32_t>(rest % radix);
        rest /= radix;
    }
    if (rest > 0) {
        for (int32_t p = 1; p <= positions; ++p) digits[p - 1] = std::max<int32_t>(state.keptCount[p - 1], 1) - 1;
    }
    for (int32_t p = 1; p <= positions; ++p) state.combination[p - 1] = state.keptOptions[p - 1][digits[p - 1]];
}

void sortLevelScores(JobState& state, int32_t k) {
    for (int32_t i = 0; i < k; ++i) state.sortedScores[i] = state.levelScores[i];
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int32_t i = 0; i + 1 < k; ++i) {
            if (state.sortedScores[i] < state.sortedScores[i + 1]) {
                std::swap(state.sortedScores[i], state.sortedScores[i + 1]);
                swapped = true;
            }
        }
    }
}

int32_t findRunsForLevel(JobState& state, int16_t sameMachine, int16_t sameBender, int16_t sameHand,
                         int16_t noEndMaterial, int16_t noMiddleMaterial) {
    const int32_t n = state.cutPieces.current.bendCount;
    const int32_t last = 2 * n;
    const int32_t length = last + 1;
    int32_t count = 0;

    // Duplicates are looked for among the first rows of triedRuns and among
    // the chosen runs up to the first row not in use.
    RunRegister known;
    const int32_t triedSearched = std::min(state.triedRowsInUse, kTriedRowsSearched);
    for (int32_t row = 0; row < triedSearched; ++row) {
        known.add(hashRun(state.triedRuns[row], length), state.triedRuns[row]);
    }
    for (int32_t row = 0; row < kMaxSelected && state.selectedScores[row] != -1; ++row) {
        known.add(hashRun(state.selectedRuns[row], length), state.selectedRuns[row]);
    }

    const std::vector<int32_t>* atPosition = state.optionsAtPosition;
    int16_t run[kMaxPositions];
    int32_t digits[kMaxPositions];

    for (int32_t first = 0; first < state.optionCountByPosition[0]; ++first) {
        // Without clash checking, once the level holds its 50 candidates and
        // the searched rows of triedRuns are filled, the rest of the level can
        // change nothing that is read again: later tried rows are never
        // searched, and the rotations written depend only on the direction.
        if (state.options.DO_CLASH_CHECKING == 0 && count >= kMaxCandidates &&
            state.triedRowsInUse >= kTriedRowsSearched) {
            break;
        }
        if (loadOptionAt(state, 0, first) < 0) continue;
        const BendOptionRecord reference = state.bendOptions.current;
        for (auto& slots : state.keptOptions) std::fill(std::begin(slots), std::end(slots), int16_t{-1});

        bool complete = true;
        for (int32_t p = 1; p <= last; ++p) {
            int32_t kept = 0;
            const std::vector<int32_t>& candidates = atPosition[p];
            for (int32_t ordinal = 0; ordinal < state.optionCountByPosition[p]; ++ordinal) {
                const BendOptionRecord& option = state.bendOptions.at(candidates[static_cast<std::size_t>(ordinal)]);
                if (option.direction != reference.direction) continue;
                if (sameMachine == 1 && option.machineIndex != reference.machineIndex) continue;
                if (sameBender == 1 && option.benderIndex != reference.benderIndex) continue;
                if (sameHand == 1 && option.hand != reference.hand) continue;
                if (noEndMaterial == 1) {
                    if (p == 1 && option.extraBefore != 0) continue;
                    if (p == last - 1 && option.extraAfter != 0) continue;
                }
                if (noMiddleMaterial == 1 && p >= 3 && option.extraBefore != 0) continue;
                if (kept < kMaxKeptPerPosition) state.keptOptions[p - 1][kept++] = static_cast<int16_t>(ordinal);
            }
            state.keptCount[p - 1] = static_cast<int16_t>(kept);
            if (kept == 0) complete = false;
        }
        if (!complete) continue;

        // Number of runs for this first option, bounded so that huge products
        // neither overflow nor keep the search from ending.
        int64_t total = 1;
        for (int32_t p = 1; p <= last; ++p) {
            total *= state.keptCount[p - 1];
            if (total > kMaxCombinationsPerFirstOption) {
                total = kMaxCombinationsPerFirstOption;
                break;
            }
        }

        run[0] = static_cast<int16_t>(first);
        for (int32_t p = 1; p <= last; ++p) {
            digits[p] = 0;
            state.combination[p - 1] = state.keptOptions[p - 1][0];
            run[p] = state.combination[p - 1];
        }
        for (int64_t m = 1; m <= total; ++m) {
            if (state.options.DO_CLASH_CHECKING != 0 && state.simulationSteps >= kMaxSimulationStepsPerPiece) break;
            if (state.options.DO_CLASH_CHECKING == 0 && count >= kMaxCandidates &&
                state.triedRowsInUse >= kTriedRowsSearched) {
                break;
            }
            if (m > 1) {
                // Advance the odometer: the last position turns fastest.
                int32_t p = last;
                while (p >= 1 && digits[p] + 1 >= state.keptCount[p - 1]) --p;
                if (p < 1) break;
                ++digits[p];
                state.combination[p - 1] = state.keptOptions[p - 1][digits[p]];
                run[p] = state.combination[p - 1];
                for (int32_t q = p + 1; q <= last; ++q) {
                    digits[q] = 0;
                    state.combination[q - 1] = state.keptOptions[q - 1][0];
                    run[q] = state.combination[q - 1];
                }
            }

            const uint64_t hash = hashRun(run, length);
            const bool duplicate = known.contains(hash, run, length);
            if (!duplicate && state.triedRowsInUse < kTriedRows) {
                int16_t* row = state.triedRuns[state.triedRowsInUse];
                std::memcpy(row, run, static_cast<std::size_t>(length) * sizeof(int16_t));
                if (state.triedRowsInUse < kTriedRowsSearched) known.add(hash, row);
                ++state.triedRowsInUse;
            }

            setPlaneRotations(state, first);

            const bool passes =
                duplicate || state.options.DO_CLASH_CHECKING == 0 || simulateOrReplay(state, first, run, last) != 0;
            if (passes && !duplicate && count < kMaxCandidates) {
                std::memcpy(state.levelCandidates[count], run, static_cast<std::size_t>(length) * sizeof(int16_t));
                int64_t sum = 0;
                for (int32_t p = 0; p <= last; ++p) {
                    sum += state.bendOptions.at(atPosition[p][static_cast<std::size_t>(run[p])]).priorityValue;
                }
                state.levelScores[count] = clampToInt32(sum / length);
                ++count;
            }
        }
    }
    return count;
}

int32_t searchBendingRuns(JobState& state, int32_t index) {
    const CutPieceRecord& piece = state.cutPieces.current;
    if (piece.failed != 0) return 0;
    const int32_t n = piece.bendCount;
    const int32_t last = 2 * n;
    if (n < 1 || n > kMaxBends) return 0;

    std::fill(std::begin(state.selectedScores), std::end(state.selectedScores), -1);
    for (auto& row : state.triedRuns) row[0] = -1;
    state.triedRowsInUse = 0;
    state.clashReplay.valid = false;
    state.simulationCheckpoints.valid = false;
    state.simulationSteps = 0;

    countOptionsByPosition(state);
    for (int32_t p = 0; p <= last; ++p) {
        if (state.optionCountByPosition[p] == 0) {
            markCutPieceFailed(state, index, "No machine/bender combination(s) can be found to manufacture cutpiece.");
            return 0;
        }
    }

    const JobOptions& options = state.options;
    int32_t found = 0;
    for (int32_t level = 0; level < 32; ++level) {
        const int16_t* flags = state.criteriaLevels[level];
        const int32_t base = 6400 - 200 * level;
        if ((flags[0] == 0 && options.ALLOW_MACHINE_CHANGE == 0) || (flags[1] == 0 && options.ALLOW_BENDER_CHANGE == 0) ||
            (flags[2] == 0 && options.ALLOW_HAND_CHANGE == 0) ||
            (flags[4] == 0 && options.ALLOW_ADDITIONAL_MATERIAL == 0)) {
            continue;
        }
        const int32_t k = findRunsForLevel(state, flags[0], flags[1], flags[2], flags[3], flags[4]);
        if (k > 0) {
            for (int32_t c = 0; c < k; ++c) {
                int64_t changes = 0;
                int64_t middleExtras = 0;
                int64_t extra = 0;
                const BendOptionRecord* previous = nullptr;
                for (int32_t p = 0; p <= last; ++p) {
                    const BendOptionRecord& option =
                        state.bendOptions.at(state.optionsAtPosition[p][static_cast<std::size_t>(state.levelCandidates[c][p])]);
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
                state.levelScores[c] =
                    clampToInt32(state.levelScores[c] - (5 * (changes + 2 * middleExtras) + extra));
            }
            sortLevelScores(state, k);
            const int32_t take = std::min(k, options.NUMBER_OF_PROGRAMS - found);
            bool copied[kMaxCandidates] = {};
            for (int32_t t = 0; t < take; ++t) {
                for (int32_t c = 0; c < k; ++c) {
                    if (!copied[c] && state.levelScores[c] == state.sortedScores[t]) {
                        copied[c] = true;
                        std::memcpy(state.selectedRuns[found + t], state.levelCandidates[c],
                                    sizeof state.selectedRuns[0]);
                        state.selectedScores[found + t] = clampToInt32(int64_t{base} + state.sortedScores[t]);
                        break;
                    }
                }
            }
            found += take;
        }
        if (found >= options.NUMBER_OF_PROGRAMS) break;
        if (options.DO_CLASH_CHECKING != 0 && state.simulationSteps >= kMaxSimulationStepsPerPiece) break;
    }

    if (found == 0) markCutPieceFailed(state, index, "Unable to manufacture cutpiece.");
    return found;
}

}  // namespace kwarel
