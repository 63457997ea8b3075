#include "driver/result.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "prepare/options.h"
#include "store/numbers.h"
#include "store/text.h"

namespace kwarel {
namespace {

// Machine and bender indexes below this are counted with a flag each; others
// are compared with the run's earlier positions.
constexpr int32_t kMaxToolingIndex = 20;

void writeLine(JobState& state, const char* format, ...) __attribute__((format(printf, 2, 3)));
void writeLine(JobState& state, const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    writeText(state, line);
}

int32_t templateLength(const JobOptions& options) {
    return options.ADD_TEMPLATE_LENGTH != 0 ? options.TEMPLATE_LENGTH : 0;
}

std::string lengthText(const JobState& state, int32_t length) {
    char text[32];
    formatLength(length, state.cutFile.lengthUnits, text);
    return text;
}

PlanLength planLength(const JobState& state, int32_t length) { return {length, lengthText(state, length)}; }

// A clash line as data: the stored text without its line end.
std::string withoutLineEnd(const char* line) {
    std::string text = line;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

PlanStep& addStep(PlanRun& plan, PlanStep::Kind kind) {
    PlanStep& step = plan.steps.emplace_back();
    step.kind = kind;
    return step;
}

// The whole part of a bore; bores beyond the int64 range are clamped.
long long wholeBore(double bore) {
    if (bore != bore) return 0;
    if (bore >= 9.2e18) return 9200000000000000000LL;
    if (bore <= -9.2e18) return -9200000000000000000LL;
    return static_cast<long long>(bore);
}

// One run being written: its row of option ordinals and the piece.
struct RunToWrite {
    JobState& state;
    const CutPieceRecord& piece;
    const int16_t* row;
    int32_t last;  // 2n
    PlanRun* plan;  // null unless the run is also recorded as data

    RunPosition at(int32_t position) const { return runPosition(state.prep, row, position); }
};

// Pipe length, start play and end play of a run.
double runLengths(const RunToWrite& run, int32_t& startPlay, int32_t& endPlay) {
    const int32_t n = run.piece.bendCount;
    const int64_t added = templateLength(run.state.options);
    double total = 0.0;
    startPlay = 0;
    endPlay = 0;
    for (int32_t p = 0; p <= 2 * n; ++p) {
        const RunPosition at = run.at(p);
        if (!at) continue;
        total = ((at.option->extraBefore + total) + at.option->extraAfter) + at.step->length;
        if (p == 1) startPlay = clampToInt32(added + at.option->extraBefore);
        if (p == 2 * n - 1) endPlay = clampToInt32(added + at.option->extraAfter);
    }
    return total;
}

// CUT lines: the additional material before every bend after the first.
void writeCuts(const RunToWrite& run) {
    const int32_t n = run.piece.bendCount;
    if (run.state.options.ALLOW_ADDITIONAL_MATERIAL == 0 || n < 2) return;
    int32_t entries = 0;
    for (int32_t p = 3; p <= 2 * n - 1 && entries < kMaxCutEntries; p += 2) {
        const RunPosition at = run.at(p);
        if (at.option == nullptr || at.option->extraBefore == 0) continue;
        writeLine(run.state, "CUT       %d    %s\n", (p - 1) / 2, lengthText(run.state, at.option->extraBefore).c_str());
        if (run.plan != nullptr) run.plan->cuts.push_back({(p - 1) / 2, planLength(run.state, at.option->extraBefore)});
        ++entries;
    }
}

// Counts an index once: in the flag table when it fits, otherwise against
// the indexes beyond it seen so far.
struct DistinctCount {
    bool seen[kMaxToolingIndex] = {};
    int32_t others[kMaxPositions];
    int32_t otherCount = 0;
    int32_t count = 0;

    void add(int32_t index) {
        if (index >= 0 && index < kMaxToolingIndex) {
            if (!seen[index]) {
                seen[index] = true;
                ++count;
            }
        } else if (std::find(others, others + otherCount, index) == others + otherCount) {
            others[otherCount++] = index;
            ++count;
        }
    }
};

// SCORE, lengths, cuts, tooling counts, DIRECTION and START-TYPE.
void writeRunHeader(const RunToWrite& run, int32_t number) {
    JobState& state = run.state;
    writeLine(state, "STARTRUN  %d\n\n", number + 1);
    writeLine(state, "SCORE           %d\n", state.search.selectedScores[number]);

    int32_t startPlay = 0;
    int32_t endPlay = 0;
    const double total = runLengths(run, startPlay, endPlay);
    writeLine(state, "PIPE-LENGTH     %s\n", lengthText(state, truncateToInt32(total)).c_str());
    writeLine(state, "START-PLAY      %s\n", lengthText(state, startPlay).c_str());
    writeLine(state, "END-PLAY        %s\n", lengthText(state, endPlay).c_str());
    if (run.plan != nullptr) {
        run.plan->number = number + 1;
        run.plan->score = state.search.selectedScores[number];
        run.plan->pipeLength = planLength(state, truncateToInt32(total));
        run.plan->startPlay = planLength(state, startPlay);
        run.plan->endPlay = planLength(state, endPlay);
    }
    writeCuts(run);

    DistinctCount machines;
    DistinctCount benders;
    for (int32_t p = 0; p <= run.last; ++p) {
        const RunPosition at = run.at(p);
        if (at.option == nullptr) continue;
        machines.add(at.option->machineIndex);
        benders.add(at.option->benderIndex);
    }
    writeLine(state, "MACHINES-USED  %d\n", machines.count);
    writeLine(state, "BENDERS-USED   %d\n", benders.count);

    const RunPosition first = run.at(0);
    const int16_t direction = first.option != nullptr ? first.option->direction : 0;
    writeText(state, direction == kFromStart ? "DIRECTION       1\n" : "DIRECTION       2\n");
    const bool startType = !equalsNoCase(run.piece.startEndType, run.piece.finishEndType);
    if (startType) {
        writeLine(state, "START-TYPE     %s\n",
                  direction == kFromStart ? run.piece.startEndType : run.piece.finishEndType);
    }
    if (run.plan != nullptr) {
        run.plan->machinesUsed = machines.count;
        run.plan->bendersUsed = benders.count;
        run.plan->direction = direction == kFromStart ? 1 : 2;
        run.plan->hasStartType = startType;
        if (startType) run.plan->startType = direction == kFromStart ? run.piece.startEndType : run.piece.finishEndType;
    }
}

// The tooling of a new machine, bender or hand at position p, and the LOAD
// with the free length. The radius of the tooling is that of the step that
// follows; at a load on a bend position the look-ahead reaches the straight
// after it, whose radius is 0. Returns true when the load fed the straight
// at p (no FEED follows for it).
bool writeTooling(const RunToWrite& run, int32_t p, const RunPosition& at, int32_t& radius) {
    JobState& state = run.state;
    const BendOptionRecord& option = *at.option;
    if (p < run.last) {
        const RunPosition next = run.at(p + 1);
        if (next) radius = next.step->bendRadius;
    }
    const MachineRecord& machine = state.shop.machines.at(option.machineIndex);
    const BenderRecord& bender = state.shop.benders.at(option.benderIndex);
    writeLine(state, "\nMACHINE     %s\n", machine.name);
    writeLine(state, "BENDER       %s\n", bender.name);
    writeText(state, option.hand == kLeftHand ? "HAND         L\n" : "HAND         R\n");
    writeLine(state, "RADIUS       %s\n", lengthText(state, radius).c_str());
    PlanStep* load = nullptr;
    if (run.plan != nullptr) {
        load = &addStep(*run.plan, PlanStep::Kind::Load);
        load->machine = machine.name;
        load->bender = bender.name;
        load->hand = option.hand == kLeftHand ? 'L' : 'R';
        load->radius = planLength(state, radius);
    }
    for (int32_t i = 0; i < state.shop.materialCapabilities.count; ++i) {
        const MaterialCapabilityRecord& material = state.shop.materialCapabilities.at(i);
        if (materialMatches(material, bender.name, run.piece)) {
            writeText(state, material.mandrel != 0 ? "MANDREL     ON\n" : "MANDREL     OFF\n");
            if (load != nullptr) load->mandrel = material.mandrel != 0 ? 1 : 0;
            break;
        }
    }
    writeText(state, "\nLOAD\n");

    double freeLength = 0.0;
    const bool straight = at.step->stepType == kStraight;
    if (straight) {
        freeLength = at.step->length - bender.minFirstStraight;
        if (p < run.last) {
            const RunPosition next = run.at(p + 1);
            if (next.option != nullptr) freeLength += next.option->extraBefore;
        }
    } else {
        const RunPosition previous = run.at(p - 1);
        if (previous) freeLength = previous.step->length - bender.minFirstStraight;
        freeLength += option.extraBefore;
    }
    writeLine(state, "FREE       %s\n", lengthText(state, truncateToInt32(freeLength)).c_str());
    if (load != nullptr) load->free = planLength(state, truncateToInt32(freeLength));
    return straight;
}

// FEED and ROTATION of a straight, or CHANGE_RADIUS and BEND of a bend.
void writeMotion(const RunToWrite& run, int32_t p, const RunPosition& at, bool loaded, int32_t& radius) {
    JobState& state = run.state;
    const BendOptionRecord& option = *at.option;
    const BendStepRecord& step = *at.step;
    if (step.stepType == kStraight) {
        if (!loaded && p < run.last) {
            double feed = step.length;
            const RunPosition next = run.at(p + 1);
            if (next.option != nullptr) feed += next.option->extraBefore;
            writeLine(state, "FEED       %s\n", lengthText(state, truncateToInt32(feed)).c_str());
            if (run.plan != nullptr) addStep(*run.plan, PlanStep::Kind::Feed).feed = planLength(state, truncateToInt32(feed));
        }
        if (option.rotation != 0 && p < run.last && option.rotation != 360 && option.rotation != -360) {
            const int64_t magnitude = option.rotation < 0 ? -int64_t{option.rotation} : int64_t{option.rotation};
            writeLine(state, "ROTATION   %lld%s\n", static_cast<long long>(magnitude),
                      option.rotation < 0 ? " CCW" : " CW");
            if (run.plan != nullptr) {
                PlanStep& rotation = addStep(*run.plan, PlanStep::Kind::Rotation);
                rotation.degrees = magnitude;
                rotation.counterClockwise = option.rotation < 0;
            }
        }
        return;
    }
    if (step.bendRadius != radius) {
        radius = step.bendRadius;
        writeLine(state, "CHANGE_RADIUS       %s\n", lengthText(state, radius).c_str());
        if (run.plan != nullptr) addStep(*run.plan, PlanStep::Kind::ChangeRadius).radius = planLength(state, radius);
    }
    int64_t angle = step.bendAngle;
    if (state.options.INCLUDE_BEND_SPRINGBACK != 0) angle += run.piece.springbackAngle;
    writeLine(state, "BEND       %lld\n", static_cast<long long>(angle));
    if (run.plan != nullptr) addStep(*run.plan, PlanStep::Kind::Bend).degrees = angle;
}

// The machine program: a LOAD for every change of machine, bender or hand,
// then the motions of every position.
void writeProgram(const RunToWrite& run) {
    int32_t toolMachine = -1;
    int32_t toolBender = -1;
    int32_t toolHand = -1;
    int32_t radius = 0;
    for (int32_t p = 0; p <= run.last; ++p) {
        const RunPosition at = run.at(p);
        if (!at) continue;
        const BendOptionRecord& option = *at.option;
        bool loaded = false;
        if (option.machineIndex != toolMachine || option.benderIndex != toolBender || option.hand != toolHand) {
            if (toolMachine != -1 || toolBender != -1 || toolHand != -1) {
                writeText(run.state, "UNLOAD\n");
                if (run.plan != nullptr) addStep(*run.plan, PlanStep::Kind::Unload);
            }
            toolMachine = option.machineIndex;
            toolBender = option.benderIndex;
            toolHand = option.hand;
            loaded = writeTooling(run, p, at, radius);
        }
        writeMotion(run, p, at, loaded, radius);
    }
    writeText(run.state, "UNLOAD\n\nENDRUN\n");
    if (run.plan != nullptr) addStep(*run.plan, PlanStep::Kind::Unload);
}

}  // namespace

void writeText(JobState& state, const char* text) {
    if (state.resultBuffer != nullptr) {
        state.resultBuffer->append(text);
    } else if (state.resultFile != nullptr) {
        std::fputs(text, state.resultFile);
    }
}

void writeJobHeader(JobState& state) {
    const CutPieceFile& file = state.cutFile;
    writeLine(state, "PIPELINE       %s\n", file.headerPipeline);
    writeLine(state, "DATE           %s\n\n", file.headerDate);
    writeLine(state, "LENGTH-UNITS   %s", file.lengthUnits == kUnitsInch ? "INCH\n" : "MM\n");
    writeLine(state, "BORE-UNITS     %s", file.boreUnits == kUnitsInch ? "INCH\n\n" : "MM\n\n");
}

void writeCutPieceBlock(JobState& state, int32_t runs, PlanCutPiece* plan) {
    const CutPieceRecord& piece = state.cutFile.cutPieces.current;
    writeText(state, "STARTCUTPIECE\n\n");
    writeLine(state, "CUT-ID        %s\n", piece.cutId);
    writeLine(state, "SPOOL-ID      %s\n", piece.spoolId);
    writeLine(state, "PIPING-SPEC   %s\n", piece.pipingSpec);
    writeLine(state, "ITEM-CODE     %s\n", piece.itemCode);
    writeLine(state, "BORE          %lld\n", wholeBore(piece.nominalBore));
    if (plan != nullptr) {
        *plan = PlanCutPiece{};
        plan->cutId = piece.cutId;
        plan->spoolId = piece.spoolId;
        plan->pipingSpec = piece.pipingSpec;
        plan->itemCode = piece.itemCode;
        plan->bore = wholeBore(piece.nominalBore);
        plan->failed = piece.failed;
        if (piece.failed == kPieceFailed) plan->failureText = piece.failureText;
        plan->searchCutShort = state.search.searchCutShort;
    }
    const ClashState& clash = state.clash;
    if (clash.clashLineCount > 0) {
        writeText(state, "\nSTART-CLASH-REPORT\n");
        for (int32_t i = 0; i < clash.clashLineCount && i < kMaxClashLines; ++i) {
            writeText(state, clash.clashLines[i]);
            if (plan != nullptr) plan->clashLines.push_back(withoutLineEnd(clash.clashLines[i]));
        }
        writeText(state, "END-CLASH-REPORT\n\n");
    }
    if (piece.failed == kPieceFine) {
        writeText(state, "RESULT        PASS\n");
        writeLine(state, "RUNS-PRODUCED   %d\n\n", runs);
        for (int32_t run = 0; run < runs; ++run) {
            PlanRun* runPlan = plan != nullptr ? &plan->runs.emplace_back() : nullptr;
            const RunToWrite toWrite{state, piece, state.search.selectedRuns[run], 2 * piece.bendCount, runPlan};
            writeRunHeader(toWrite, run);
            writeProgram(toWrite);
        }
    } else if (piece.failed == kPieceFailed) {
        writeLine(state, "RESULT        FAIL   %s\n\n", piece.failureText);
    } else {
        writeText(state, "RESULT        NO BENDING REQUIRED.\n\n");
    }
    writeText(state, "ENDCUTPIECE\n\n");
}

}  // namespace kwarel
