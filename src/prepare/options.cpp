#include "prepare/options.h"

#include <cstdio>

#include "prepare/bend_steps.h"
#include "prepare/resolve.h"
#include "store/numbers.h"
#include "store/text.h"

namespace kwarel {
namespace {

int16_t roleOfPosition(int32_t position, int32_t bendCount) {
    const int32_t last = 2 * bendCount;
    if (position == 0) return kRoleFirstStraight;
    if (position == last) return kRoleLastStraight;
    if (position == 1) return bendCount == 1 ? kRoleOnlyBend : kRoleFirstBend;
    if (position == last - 1) return kRoleLastBend;
    return kRoleMiddle;
}

// Bending position of an option of the cut piece whose first step is at
// list index `firstStep`.
int32_t positionOfOption(const BendOptionRecord& option, int32_t firstStep, int32_t bendCount) {
    if (option.direction == 1) return option.stepIndex - firstStep;
    return firstStep + 2 * bendCount - option.stepIndex;
}

// Groups the options of the current cut piece by bending position, in list
// order, so that loadOptionAt does not walk the list.
void indexOptions(JobState& state) {
    const CutPieceRecord& piece = state.cutPieces.current;
    const int32_t firstStep = firstStepOfKey(state, piece.cutId, piece.spoolId);
    for (auto& positions : state.optionsAtPosition) positions.clear();
    for (int32_t i = 0; i < state.bendOptions.count; ++i) {
        const int32_t position = positionOfOption(state.bendOptions.at(i), firstStep, piece.bendCount);
        if (position >= 0 && position < kMaxPositions) state.optionsAtPosition[position].push_back(i);
    }
    state.optionsIndexedCount = state.bendOptions.count;
    state.optionsIndexedFirstStep = firstStep;
    state.optionsIndexedBends = piece.bendCount;
}

inline void ensureOptionIndex(JobState& state) {
    if (state.optionsIndexedCount != state.bendOptions.count) indexOptions(state);
}

// Machine or bender priority value: the priority itself when priorities of
// that kind are in use, otherwise 1 for any non-zero priority.
int32_t priorityValueOf(int32_t priority, int32_t inUse) {
    if (inUse != 0) return priority;
    return priority != 0 ? 1 : 0;
}

int32_t optionPriority(const JobOptions& options, int32_t machinePriority, int32_t benderPriority, bool bend) {
    const int64_t mp = priorityValueOf(machinePriority, options.USE_MACHINE_PRIORITY);
    const int64_t bp = priorityValueOf(benderPriority, options.USE_BENDER_PRIORITY);
    const int64_t single = bend ? 100 : 1;
    int64_t value = 0;
    if (options.USE_MACHINE_PRIORITY == 0 && options.USE_BENDER_PRIORITY == 0) {
        value = 0;
    } else if (options.USE_MACHINE_PRIORITY == 0) {
        value = bp * single;
    } else if (options.USE_BENDER_PRIORITY == 0) {
        value = mp * single;
    } else if (options.MACHINE_OVER_BENDER_PRIORITY == 0) {
        value = mp + bp * 100;
    } else {
        value = bp + mp * 100;
    }
    return clampToInt32(value);
}

bool stepBelongsToPiece(const BendStepRecord& step, const CutPieceRecord& piece) {
    return equalsNoCase(step.cutId, piece.cutId) && equalsNoCase(step.spoolId, piece.spoolId);
}

}  // namespace

int32_t stepAtPosition(JobState& state, int32_t position, int32_t direction, int32_t& stepIndex) {
    const CutPieceRecord& piece = state.cutPieces.current;
    const int32_t steps = 2 * piece.bendCount + 1;
    const int32_t firstStep = firstStepOfKey(state, piece.cutId, piece.spoolId);
    const int16_t role = roleOfPosition(position, piece.bendCount);
    const int32_t index = direction == 1 ? firstStep + position : firstStep + steps - 1 - position;
    if (firstStep < 0 || !state.bendSteps.load(index)) {
        stepIndex = -1;
        return role;
    }
    stepIndex = index;
    return role;
}

int32_t findBenderById(JobState& state, const char* name) {
    for (int32_t i = 0; i < state.benders.count; ++i) {
        if (equalsNoCase(state.benders.at(i).name, name)) {
            state.benders.load(i);
            return i + 1;
        }
    }
    return 0;
}

int32_t benderCanBend(JobState& state) {
    const BenderRecord& bender = state.benders.current;
    const BendStepRecord& step = state.bendSteps.current;
    const CutPieceRecord& piece = state.cutPieces.current;
    bool capable = false;
    for (int32_t i = 0; i < state.bendCapabilities.count; ++i) {
        const BendCapabilityRecord& capability = state.bendCapabilities.at(i);
        if (equalsNoCase(capability.benderName, bender.name) && capability.nominalBore == piece.nominalBore &&
            (step.bendRadius == 0 || capability.bendRadius == step.bendRadius)) {
            capable = true;
            break;
        }
    }
    if (!capable) return 0;
    for (int32_t i = 0; i < state.materialCapabilities.count; ++i) {
        const MaterialCapabilityRecord& material = state.materialCapabilities.at(i);
        if (equalsNoCase(material.benderName, bender.name) && equalsNoCase(material.materialSpec, piece.pipingSpec) &&
            material.minWallThickness <= piece.wallThickness && piece.wallThickness <= material.maxWallThickness) {
            return 1;
        }
    }
    return 0;
}

int32_t loadOptionAt(JobState& state, int32_t position, int32_t ordinal) {
    ensureOptionIndex(state);
    if (position < 0 || position >= kMaxPositions || ordinal < 0) return -1;
    const std::vector<int32_t>& options = state.optionsAtPosition[position];
    if (static_cast<std::size_t>(ordinal) >= options.size()) return -1;
    const int32_t index = options[static_cast<std::size_t>(ordinal)];
    state.bendOptions.load(index);
    return index;
}

int32_t optionsAtPositionCount(JobState& state, int32_t position) {
    ensureOptionIndex(state);
    if (position < 0 || position >= kMaxPositions) return 0;
    return static_cast<int32_t>(state.optionsAtPosition[position].size());
}

int32_t listBendOptions(JobState& state, int32_t index) {
    const JobOptions& options = state.options;
    CutPieceRecord& piece = state.cutPieces.current;
    if (piece.failed != 0) return 0;
    forgetOptionIndex(state);

    // The run tables hold 41 positions: longer pieces cannot be planned.
    if (piece.bendCount > kMaxBends) {
        markCutPieceFailed(state, index, "Cut piece has more than 20 bends, which is more than can be planned.");
        return 0;
    }

    const int32_t n = piece.bendCount;
    const int32_t steps = 2 * n + 1;
    const int32_t firstStep = firstStepOfKey(state, piece.cutId, piece.spoolId);
    if (firstStep < 0 || firstStep + steps > state.bendSteps.count) {
        // Steps are built for every cut piece still to be made; without them
        // there is nothing to list.
        return 0;
    }

    // 1. Template length at both pipe ends, for good.
    if (options.ADD_TEMPLATE_LENGTH != 0) {
        for (int32_t end : {firstStep, firstStep + steps - 1}) {
            state.bendSteps.load(end);
            state.bendSteps.current.length += options.TEMPLATE_LENGTH;
            state.bendSteps.store(end);
        }
    }

    // 2. Developed length and the largest bend angle.
    double developed = 0.0;
    int32_t largestAngle = state.bendSteps.at(firstStep).bendAngle;
    for (int32_t i = firstStep; i < firstStep + steps; ++i) {
        const BendStepRecord& step = state.bendSteps.at(i);
        developed += step.length;
        if (step.bendAngle > largestAngle) largestAngle = step.bendAngle;
    }
    int64_t largestNeeded = largestAngle;
    if (options.INCLUDE_BEND_SPRINGBACK != 0) largestNeeded += piece.springbackAngle;

    // 3. Stock length.
    if (static_cast<double>(piece.maxDeliveryLength) < developed) {
        char length[32];
        formatLength(truncateToInt32(developed), state.lengthUnits, length);
        char text[160];
        std::snprintf(text, sizeof text, "Pipe comes to %s which is greater than the max delivery length.", length);
        markCutPieceFailed(state, index, text);
        return 0;
    }

    // 4. Some machine must take the length and the largest angle.
    bool machineAvailable = false;
    for (int32_t m = 0; m < state.machines.count && !machineAvailable; ++m) {
        const MachineRecord& machine = state.machines.at(m);
        machineAvailable = developed <= static_cast<double>(machine.maxPipeLength) &&
                           largestNeeded <= machine.maxBendAngle &&
                           (options.USE_MACHINE_PRIORITY == 0 || machine.priority != 0);
    }
    if (!machineAvailable) {
        markCutPieceFailed(state, index, "There is no machine available that can handle this pipe length or bend angle.");
        return 0;
    }

    // 5. The computed developed length replaces the one read.
    piece.devLength = truncateToInt32(developed);
    state.cutPieces.store(index);

    // 6. One option per direction, hand, position, machine and bender.
    //
    // Each machine's bender list is read once: names in order up to the first
    // one that names no bender or a bender of priority 0. Whether a bender can
    // make a step depends, within one cut piece, only on the bender and the
    // step's radius, so that answer is kept per (bender, radius).
    std::vector<std::vector<int32_t>> machineBenders(static_cast<std::size_t>(state.machines.count));
    char name[kLineBuffer];
    for (int32_t m = 0; m < state.machines.count; ++m) {
        const MachineRecord& machine = state.machines.at(m);
        int32_t cursor = 0;
        while ((cursor = nextField(machine.benderNames, cursor, ',', name)) != -1) {
            const int32_t found = findBenderById(state, name);
            if (found == 0 || state.benders.current.priority == 0) break;
            machineBenders[static_cast<std::size_t>(m)].push_back(found - 1);
        }
    }
    struct Capability {
        int32_t bender;
        int32_t radius;
        bool canBend;
    };
    std::vector<Capability> capabilities;
    auto canBend = [&](int32_t bender) {
        const int32_t radius = state.bendSteps.current.bendRadius;
        for (const Capability& known : capabilities) {
            if (known.bender == bender && known.radius == radius) return known.canBend;
        }
        state.benders.load(bender);
        const bool result = benderCanBend(state) != 0;
        capabilities.push_back({bender, radius, result});
        return result;
    };

    for (int16_t direction = 1; direction <= 2; ++direction) {
        for (int16_t hand = 1; hand <= 2; ++hand) {
            double previousStraight = 0.0;
            double nextStraight = 0.0;
            for (int32_t position = 0; position < steps; ++position) {
                int32_t stepIndex = -1;
                const int16_t role = static_cast<int16_t>(stepAtPosition(state, position, direction, stepIndex));
                if (stepIndex < 0 || !stepBelongsToPiece(state.bendSteps.current, piece)) continue;
                const bool isBend = state.bendSteps.current.stepType != kStraight;
                if (!isBend) {
                    previousStraight = state.bendSteps.current.length;
                } else {
                    int32_t nextIndex = -1;
                    stepAtPosition(state, position + 1, direction, nextIndex);
                    nextStraight = state.bendSteps.current.length;
                    stepAtPosition(state, position, direction, stepIndex);
                }
                const BendStepRecord step = state.bendSteps.current;
                int64_t neededAngle = step.bendAngle;
                if (isBend && options.INCLUDE_BEND_SPRINGBACK != 0) neededAngle += piece.springbackAngle;

                for (int32_t m = 0; m < state.machines.count; ++m) {
                    const MachineRecord& machine = state.machines.at(m);
                    if (machine.priority == 0 || piece.devLength > machine.maxPipeLength ||
                        (machine.hand != hand && machine.hand != 3) || neededAngle > machine.maxBendAngle) {
                        continue;
                    }
                    for (const int32_t benderIndex : machineBenders[static_cast<std::size_t>(m)]) {
                        if (!canBend(benderIndex)) continue;
                        const BenderRecord& bender = state.benders.at(benderIndex);

                        int64_t extraBefore = 0;
                        int64_t extraAfter = 0;
                        bool refused = false;
                        if (isBend) {
                            const int64_t previous = truncateToInt32(previousStraight);
                            const int64_t next = truncateToInt32(nextStraight);
                            if (role == kRoleFirstBend || role == kRoleOnlyBend) {
                                if (previousStraight < bender.minFirstStraight) {
                                    extraBefore = bender.minFirstStraight - previous;
                                }
                            } else if (previousStraight < bender.minMiddleStraight) {
                                if (options.ALLOW_ADDITIONAL_MATERIAL != 0) {
                                    extraBefore = bender.minMiddleStraight - previous;
                                    if (options.INCLUDE_WELD_SHRINKAGE != 0) extraBefore += piece.weldShrinkage;
                                } else {
                                    refused = true;
                                }
                            }
                            if ((role == kRoleOnlyBend || role == kRoleLastBend) &&
                                nextStraight < bender.minLastStraight) {
                                extraAfter = bender.minLastStraight - next;
                            }
                        }
                        if (refused) continue;

                        BendOptionRecord& option = state.bendOptions.current;
                        state.bendOptions.zeroCurrent();
                        copyText(option.cutId, piece.cutId);
                        copyText(option.spoolId, piece.spoolId);
                        option.stepIndex = stepIndex;
                        option.machineIndex = m;
                        option.benderIndex = benderIndex;
                        option.direction = direction;
                        option.hand = hand;
                        option.rotation = 0;
                        option.extraBefore = clampToInt32(extraBefore);
                        option.extraAfter = clampToInt32(extraAfter);
                        option.priorityValue = optionPriority(options, machine.priority, bender.priority, isBend);
                        option.positionRole = role;
                        if (state.bendOptions.append()) state.bendOptions.store(state.bendOptions.count - 1);
                    }
                }
            }
        }
    }
    indexOptions(state);
    return 0;
}

}  // namespace kwarel
