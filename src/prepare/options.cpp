#include "prepare/options.h"

#include <cstdio>

#include "prepare/bend_steps.h"
#include "prepare/resolve.h"
#include "store/numbers.h"
#include "store/text.h"

namespace kwarel {
namespace {

// Position roles: where a step lies in the piece, which decides the
// minimum straights its options must respect.
constexpr int16_t kRoleMiddle = 0;
constexpr int16_t kRoleFirstStraight = 1;
constexpr int16_t kRoleLastStraight = 2;
constexpr int16_t kRoleFirstBend = 3;
constexpr int16_t kRoleLastBend = 4;
constexpr int16_t kRoleOnlyBend = 5;

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
    if (option.direction == kFromStart) return option.stepIndex - firstStep;
    return firstStep + 2 * bendCount - option.stepIndex;
}

// List index of the step bent at position p in direction d.
int32_t stepIndexAt(int32_t firstStep, int32_t steps, int32_t position, int32_t direction) {
    return direction == kFromStart ? firstStep + position : firstStep + steps - 1 - position;
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

// List index of the first bender with this name, or -1.
int32_t findBender(const Shop& shop, const char* name) {
    for (int32_t i = 0; i < shop.benders.count; ++i) {
        if (equalsNoCase(shop.benders.at(i).name, name)) return i;
    }
    return -1;
}

// True when the bender has a bend capability for the piece's bore at this
// radius (any radius when it is 0) and a material capability for its
// material and wall.
// On false, `why` tells which capability was missing: bore, radius,
// material or wall thickness.
bool benderCanBend(const Shop& shop, const BenderRecord& bender, int32_t radius, const CutPieceRecord& piece,
                   BenderCheck& why) {
    bool capable = false;
    bool boreSeen = false;  // only for the reason: some capability had the bore
    for (int32_t i = 0; i < shop.bendCapabilities.count && !capable; ++i) {
        const BendCapabilityRecord& capability = shop.bendCapabilities.at(i);
        const bool bore = equalsNoCase(capability.benderName, bender.name) && capability.nominalBore == piece.nominalBore;
        boreSeen = boreSeen || bore;
        capable = bore && (radius == 0 || capability.bendRadius == radius);
    }
    if (!capable) {
        why = boreSeen ? BenderCheck::Radius : BenderCheck::Bore;
        return false;
    }
    bool specSeen = false;
    for (int32_t i = 0; i < shop.materialCapabilities.count; ++i) {
        const MaterialCapabilityRecord& material = shop.materialCapabilities.at(i);
        if (materialMatches(material, bender.name, piece)) return true;
        specSeen = specSeen || (equalsNoCase(material.benderName, bender.name) &&
                                equalsNoCase(material.materialSpec, piece.pipingSpec));
    }
    why = specSeen ? BenderCheck::WallThickness : BenderCheck::Material;
    return false;
}

// Steps 1 to 5 of the listing: template length at both pipe ends (for
// good), the developed length and largest angle, the stock length, some
// machine for them; the computed developed length replaces the one read.
// False when the piece was marked failed.
bool checkPieceCanBeMade(const JobOptions& options, const Shop& shop, CutPieceFile& file, PrepareState& prep,
                         int32_t index, int32_t firstStep, int32_t steps) {
    CutPieceRecord& piece = file.cutPieces.current;
    if (options.ADD_TEMPLATE_LENGTH != 0) {
        prep.bendSteps.at(firstStep).length += options.TEMPLATE_LENGTH;
        prep.bendSteps.at(firstStep + steps - 1).length += options.TEMPLATE_LENGTH;
    }

    double developed = 0.0;
    int32_t largestAngle = prep.bendSteps.at(firstStep).bendAngle;
    for (int32_t i = firstStep; i < firstStep + steps; ++i) {
        const BendStepRecord& step = prep.bendSteps.at(i);
        developed += step.length;
        if (step.bendAngle > largestAngle) largestAngle = step.bendAngle;
    }
    int64_t largestNeeded = largestAngle;
    if (options.INCLUDE_BEND_SPRINGBACK != 0) largestNeeded += piece.springbackAngle;

    if (prep.observer != nullptr) prep.observer->lengthsComputed(developed, largestNeeded);

    if (static_cast<double>(piece.maxDeliveryLength) < developed) {
        char length[32];
        formatLength(truncateToInt32(developed), file.lengthUnits, length);
        char text[160];
        std::snprintf(text, sizeof text, "Pipe comes to %s which is greater than the max delivery length.", length);
        markCutPieceFailed(file, index, text);
        return false;
    }

    bool machineAvailable = false;
    for (int32_t m = 0; m < shop.machines.count && !machineAvailable; ++m) {
        const MachineRecord& machine = shop.machines.at(m);
        const bool lengthFits = developed <= static_cast<double>(machine.maxPipeLength);
        const bool angleFits = largestNeeded <= machine.maxBendAngle;
        const bool inUse = options.USE_MACHINE_PRIORITY == 0 || machine.priority != 0;
        machineAvailable = lengthFits && angleFits && inUse;
        if (!machineAvailable && prep.observer != nullptr) {
            const MachineCheck why = !lengthFits  ? MachineCheck::PipeLength
                                     : !angleFits ? MachineCheck::BendAngle
                                                  : MachineCheck::Priority;
            prep.observer->machineRefused(-1, 0, 0, m, why);
        }
    }
    if (!machineAvailable) {
        markCutPieceFailed(file, index, "There is no machine available that can handle this pipe length or bend angle.");
        return false;
    }

    piece.devLength = truncateToInt32(developed);
    file.cutPieces.store(index);
    return true;
}

// What the option listing knows of the shop for one cut piece: each
// machine's bender list read once (names in order up to the first one that
// names no bender or a bender of priority 0), and whether a bender can make a
// step, which within one cut piece depends only on the bender and the step's
// radius, kept per (bender, radius).
struct ShopForPiece {
    const Shop& shop;
    const CutPieceRecord& piece;
    std::vector<std::vector<int32_t>> machineBenders;
    struct Capability {
        int32_t bender;
        int32_t radius;
        bool canBend;
        BenderCheck why;
    };
    std::vector<Capability> capabilities;

    ShopForPiece(const Shop& s, const CutPieceRecord& p, DecisionObserver* observer)
        : shop(s), piece(p), machineBenders(static_cast<std::size_t>(s.machines.count)) {
        char name[kLineBuffer];
        for (int32_t m = 0; m < shop.machines.count; ++m) {
            const MachineRecord& machine = shop.machines.at(m);
            int32_t cursor = 0;
            while ((cursor = nextField(machine.benderNames, cursor, ',', name)) != -1) {
                const int32_t found = findBender(shop, name);
                if (found < 0 || shop.benders.at(found).priority == 0) {
                    if (observer != nullptr) {
                        observer->benderRefused(-1, 0, 0, m, found, name,
                                                found < 0 ? BenderCheck::UnknownName : BenderCheck::Priority);
                    }
                    break;
                }
                machineBenders[static_cast<std::size_t>(m)].push_back(found);
            }
        }
    }

    bool canBend(int32_t bender, int32_t radius, BenderCheck& why) {
        for (const Capability& known : capabilities) {
            if (known.bender == bender && known.radius == radius) {
                why = known.why;
                return known.canBend;
            }
        }
        why = BenderCheck::Bore;
        const bool result = benderCanBend(shop, shop.benders.at(bender), radius, piece, why);
        capabilities.push_back({bender, radius, result, why});
        return result;
    }
};

// Additional material before and after a bend for one bender; false when the
// bender refuses the bend (a short middle straight without additional
// material allowed).
bool bendMaterial(const JobOptions& options, const CutPieceRecord& piece, const BenderRecord& bender, int16_t role,
                  double previousStraight, double nextStraight, int64_t& extraBefore, int64_t& extraAfter) {
    extraBefore = 0;
    extraAfter = 0;
    const int64_t previous = truncateToInt32(previousStraight);
    const int64_t next = truncateToInt32(nextStraight);
    if (role == kRoleFirstBend || role == kRoleOnlyBend) {
        if (previousStraight < bender.minFirstStraight) extraBefore = bender.minFirstStraight - previous;
    } else if (previousStraight < bender.minMiddleStraight) {
        if (options.ALLOW_ADDITIONAL_MATERIAL == 0) return false;
        extraBefore = bender.minMiddleStraight - previous;
        if (options.INCLUDE_WELD_SHRINKAGE != 0) extraBefore += piece.weldShrinkage;
    }
    if ((role == kRoleOnlyBend || role == kRoleLastBend) && nextStraight < bender.minLastStraight) {
        extraAfter = bender.minLastStraight - next;
    }
    return true;
}

// One step of one direction and hand: an option per machine and bender that
// can make it.
struct StepToList {
    int32_t position;
    int32_t stepIndex;
    int16_t role;
    int16_t direction;
    int16_t hand;
    double previousStraight;
    double nextStraight;
};

void listStepOptions(const JobOptions& options, ShopForPiece& shop, PrepareState& prep, const StepToList& at) {
    const CutPieceRecord& piece = shop.piece;
    const BendStepRecord step = prep.bendSteps.at(at.stepIndex);
    const bool isBend = step.stepType != kStraight;
    int64_t neededAngle = step.bendAngle;
    if (isBend && options.INCLUDE_BEND_SPRINGBACK != 0) neededAngle += piece.springbackAngle;

    for (int32_t m = 0; m < shop.shop.machines.count; ++m) {
        const MachineRecord& machine = shop.shop.machines.at(m);
        const bool handFits = machine.hand == at.hand || machine.hand == kBothHands;
        if (machine.priority == 0 || piece.devLength > machine.maxPipeLength || !handFits ||
            neededAngle > machine.maxBendAngle) {
            if (prep.observer != nullptr) {
                const MachineCheck why = machine.priority == 0                      ? MachineCheck::Priority
                                         : piece.devLength > machine.maxPipeLength ? MachineCheck::PipeLength
                                         : !handFits                               ? MachineCheck::Hand
                                                                                   : MachineCheck::BendAngle;
                prep.observer->machineRefused(at.position, at.direction, at.hand, m, why);
            }
            continue;
        }
        for (const int32_t benderIndex : shop.machineBenders[static_cast<std::size_t>(m)]) {
            const BenderRecord& bender = shop.shop.benders.at(benderIndex);
            BenderCheck why = BenderCheck::Bore;
            if (!shop.canBend(benderIndex, step.bendRadius, why)) {
                if (prep.observer != nullptr) {
                    prep.observer->benderRefused(at.position, at.direction, at.hand, m, benderIndex, bender.name, why);
                }
                continue;
            }
            int64_t extraBefore = 0;
            int64_t extraAfter = 0;
            if (isBend && !bendMaterial(options, piece, bender, at.role, at.previousStraight, at.nextStraight,
                                        extraBefore, extraAfter)) {
                if (prep.observer != nullptr) {
                    prep.observer->benderRefused(at.position, at.direction, at.hand, m, benderIndex, bender.name,
                                                 BenderCheck::MiddleMaterial);
                }
                continue;
            }
            BendOptionRecord option{};
            copyText(option.cutId, piece.cutId);
            copyText(option.spoolId, piece.spoolId);
            option.stepIndex = at.stepIndex;
            option.machineIndex = m;
            option.benderIndex = benderIndex;
            option.direction = at.direction;
            option.hand = at.hand;
            option.rotation = 0;
            option.extraBefore = clampToInt32(extraBefore);
            option.extraAfter = clampToInt32(extraAfter);
            option.priorityValue = optionPriority(options, machine.priority, bender.priority, isBend);
            option.positionRole = at.role;
            if (prep.bendOptions.append()) prep.bendOptions.at(prep.bendOptions.count - 1) = option;
        }
    }
}

}  // namespace

bool materialMatches(const MaterialCapabilityRecord& material, const char* benderName, const CutPieceRecord& piece) {
    return equalsNoCase(material.benderName, benderName) && equalsNoCase(material.materialSpec, piece.pipingSpec) &&
           material.minWallThickness <= piece.wallThickness && piece.wallThickness <= material.maxWallThickness;
}

void indexOptions(PrepareState& prep, const CutPieceRecord& piece) {
    const int32_t firstStep = firstStepOfKey(prep, piece.cutId, piece.spoolId);
    for (auto& positions : prep.optionsAtPosition) positions.clear();
    for (int32_t i = 0; i < prep.bendOptions.count; ++i) {
        const int32_t position = positionOfOption(prep.bendOptions.at(i), firstStep, piece.bendCount);
        if (position >= 0 && position < kMaxPositions) prep.optionsAtPosition[position].push_back(i);
    }
    prep.optionsIndexedCount = prep.bendOptions.count;
}

int32_t optionsAtPositionCount(const PrepareState& prep, int32_t position) {
    if (position < 0 || position >= kMaxPositions) return 0;
    return static_cast<int32_t>(prep.optionsAtPosition[position].size());
}

RunPosition runPosition(const PrepareState& prep, const int16_t* run, int32_t position) {
    RunPosition at;
    if (position < 0 || position >= kMaxPositions || run[position] < 0) return at;
    const std::vector<int32_t>& options = prep.optionsAtPosition[position];
    if (static_cast<std::size_t>(run[position]) >= options.size()) return at;
    const int32_t index = options[static_cast<std::size_t>(run[position])];
    if (index >= prep.bendOptions.count) return at;
    at.optionIndex = index;
    at.option = &prep.bendOptions.at(index);
    if (at.option->stepIndex >= 0 && at.option->stepIndex < prep.bendSteps.count) {
        at.step = &prep.bendSteps.at(at.option->stepIndex);
    }
    return at;
}

void setRunRotation(PrepareState& prep, const int16_t* run, int32_t position, int32_t rotation) {
    const RunPosition at = runPosition(prep, run, position);
    if (at.option != nullptr) prep.bendOptions.at(at.optionIndex).rotation = rotation;
}

void listBendOptions(const JobOptions& options, const Shop& shop, CutPieceFile& file, PrepareState& prep,
                     int32_t index) {
    const CutPieceRecord& piece = file.cutPieces.current;
    if (piece.failed != kPieceFine) return;
    prep.forgetOptionIndex();

    // The run tables hold 41 positions: longer pieces cannot be planned.
    if (piece.bendCount > kMaxBends) {
        markCutPieceFailed(file, index, "Cut piece has more than 20 bends, which is more than can be planned.");
        return;
    }
    const int32_t n = piece.bendCount;
    const int32_t steps = 2 * n + 1;
    const int32_t firstStep = firstStepOfKey(prep, piece.cutId, piece.spoolId);
    // Steps are built for every cut piece still to be made; without them
    // there is nothing to list.
    if (firstStep >= 0 && firstStep + steps <= prep.bendSteps.count &&
        checkPieceCanBeMade(options, shop, file, prep, index, firstStep, steps)) {
        ShopForPiece shopForPiece(shop, piece, prep.observer);
        for (int16_t direction = kFromStart; direction <= kFromFinish; ++direction) {
            for (int16_t hand = kLeftHand; hand <= kRightHand; ++hand) {
                StepToList at{0, -1, kRoleMiddle, direction, hand, 0.0, 0.0};
                for (int32_t position = 0; position < steps; ++position) {
                    at.position = position;
                    at.stepIndex = stepIndexAt(firstStep, steps, position, direction);
                    at.role = roleOfPosition(position, n);
                    const BendStepRecord& step = prep.bendSteps.at(at.stepIndex);
                    if (!stepBelongsToPiece(step, piece)) continue;
                    if (step.stepType == kStraight) {
                        at.previousStraight = step.length;
                    } else {
                        at.nextStraight = prep.bendSteps.at(stepIndexAt(firstStep, steps, position + 1, direction)).length;
                    }
                    listStepOptions(options, shopForPiece, prep, at);
                }
            }
        }
    }
    indexOptions(prep, piece);
}

}  // namespace kwarel
