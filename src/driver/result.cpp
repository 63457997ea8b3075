#include "driver/result.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <cstring>

#include "prepare/options.h"
#include "store/numbers.h"
#include "store/text.h"

namespace kwarel {
namespace {

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

// The option of run `run` at `position`, loaded into the option slot; its
// step loaded into the step slot. Returns false when either is missing.
bool takeOption(JobState& state, int32_t run, int32_t position) {
    if (loadOptionAt(state, position, state.selectedRuns[run][position]) < 0) return false;
    return state.bendSteps.load(state.bendOptions.current.stepIndex) == 1;
}

int32_t templateLength(const JobState& state) {
    return state.options.ADD_TEMPLATE_LENGTH != 0 ? state.options.TEMPLATE_LENGTH : 0;
}

std::string lengthText(const JobState& state, int32_t length) {
    char text[32];
    formatLength(length, state.lengthUnits, text);
    return text;
}

}  // namespace

void writeText(JobState& state, const char* text) {
    if (state.resultFile != nullptr) std::fputs(text, state.resultFile);
}

void writeJobHeader(JobState& state) {
    writeLine(state, "PIPELINE       %s\n", state.headerPipeline);
    writeLine(state, "DATE           %s\n\n", state.headerDate);
    writeLine(state, "LENGTH-UNITS   %s", state.lengthUnits == 2 ? "INCH\n" : "MM\n");
    writeLine(state, "BORE-UNITS     %s", state.boreUnits == 2 ? "INCH\n\n" : "MM\n\n");
}

void writeCutPieceBlock(JobState& state, int32_t runs) {
    const CutPieceRecord piece = state.cutPieces.current;
    writeText(state, "STARTCUTPIECE\n\n");
    writeLine(state, "CUT-ID        %s\n", piece.cutId);
    writeLine(state, "SPOOL-ID      %s\n", piece.spoolId);
    writeLine(state, "PIPING-SPEC   %s\n", piece.pipingSpec);
    writeLine(state, "ITEM-CODE     %s\n", piece.itemCode);
    // The whole part of the bore; bores beyond the int64 range are clamped.
    long long bore = 0;
    if (piece.nominalBore == piece.nominalBore) {
        if (piece.nominalBore >= 9.2e18) {
            bore = 9200000000000000000LL;
        } else if (piece.nominalBore <= -9.2e18) {
            bore = -9200000000000000000LL;
        } else {
            bore = static_cast<long long>(piece.nominalBore);
        }
    }
    writeLine(state, "BORE          %lld\n", bore);
    if (state.clashLineCount > 0) {
        writeText(state, "\nSTART-CLASH-REPORT\n");
        for (int32_t i = 0; i < state.clashLineCount && i < kMaxClashLines; ++i) writeText(state, state.clashLines[i]);
        writeText(state, "END-CLASH-REPORT\n\n");
    }
    if (piece.failed == 0) {
        writeText(state, "RESULT        PASS\n");
        writeLine(state, "RUNS-PRODUCED   %d\n\n", runs);
        for (int32_t run = 0; run < runs; ++run) writeRunBlock(state, run);
    } else if (piece.failed == 1) {
        writeLine(state, "RESULT        FAIL   %s\n\n", piece.failureText);
    } else {
        writeText(state, "RESULT        NO BENDING REQUIRED.\n\n");
    }
    writeText(state, "ENDCUTPIECE\n\n");
}

double computeRunLengths(JobState& state, int32_t run, int32_t& startPlay, int32_t& endPlay) {
    const int32_t n = state.cutPieces.current.bendCount;
    double total = 0.0;
    startPlay = 0;
    endPlay = 0;
    for (int32_t p = 0; p <= 2 * n; ++p) {
        if (!takeOption(state, run, p)) continue;
        const BendOptionRecord& option = state.bendOptions.current;
        total = ((option.extraBefore + total) + option.extraAfter) + state.bendSteps.current.length;
        if (p == 1) startPlay = clampToInt32(int64_t{templateLength(state)} + option.extraBefore);
        if (p == 2 * n - 1) endPlay = clampToInt32(int64_t{templateLength(state)} + option.extraAfter);
    }
    return total;
}

int32_t listRunCuts(JobState& state, int32_t run) {
    const int32_t n = state.cutPieces.current.bendCount;
    if (state.options.ALLOW_ADDITIONAL_MATERIAL == 0 || n < 2) return 0;
    int32_t entries = 0;
    for (int32_t p = 3; p <= 2 * n - 1; p += 2) {
        if (loadOptionAt(state, p, state.selectedRuns[run][p]) < 0) continue;
        const BendOptionRecord& option = state.bendOptions.current;
        if (option.extraBefore != 0 && entries < kMaxCutEntries) {
            state.cutTable[entries].number = (p - 1) / 2;
            state.cutTable[entries].length = option.extraBefore;
            ++entries;
        }
    }
    return entries;
}

int32_t countRunTooling(JobState& state, int32_t run, int32_t& machinesUsed, int32_t& bendersUsed) {
    bool machineSeen[kMaxToolingIndex] = {};
    bool benderSeen[kMaxToolingIndex] = {};
    machinesUsed = 0;
    bendersUsed = 0;
    // Indexes beyond the flag tables are counted once each time they are new
    // among the run's earlier positions.
    const int32_t n = state.cutPieces.current.bendCount;
    int32_t seenMachines[kMaxPositions];
    int32_t seenBenders[kMaxPositions];
    int32_t extraMachines = 0;
    int32_t extraBenders = 0;
    for (int32_t p = 0; p <= 2 * n; ++p) {
        if (loadOptionAt(state, p, state.selectedRuns[run][p]) < 0) continue;
        const BendOptionRecord& option = state.bendOptions.current;
        const int32_t m = option.machineIndex;
        const int32_t b = option.benderIndex;
        if (m >= 0 && m < kMaxToolingIndex) {
            if (!machineSeen[m]) {
                machineSeen[m] = true;
                ++machinesUsed;
            }
        } else if (std::find(seenMachines, seenMachines + extraMachines, m) == seenMachines + extraMachines) {
            seenMachines[extraMachines++] = m;
            ++machinesUsed;
        }
        if (b >= 0 && b < kMaxToolingIndex) {
            if (!benderSeen[b]) {
                benderSeen[b] = true;
                ++bendersUsed;
            }
        } else if (std::find(seenBenders, seenBenders + extraBenders, b) == seenBenders + extraBenders) {
            seenBenders[extraBenders++] = b;
            ++bendersUsed;
        }
    }
    return 0;
}

void writeRunBlock(JobState& state, int32_t run) {
    const CutPieceRecord piece = state.cutPieces.current;
    const JobOptions& options = state.options;
    const int32_t n = piece.bendCount;
    const int32_t last = 2 * n;

    writeLine(state, "STARTRUN  %d\n\n", run + 1);
    writeLine(state, "SCORE           %d\n", state.selectedScores[run]);

    int32_t startPlay = 0;
    int32_t endPlay = 0;
    const double total = computeRunLengths(state, run, startPlay, endPlay);
    writeLine(state, "PIPE-LENGTH     %s\n", lengthText(state, truncateToInt32(total)).c_str());
    writeLine(state, "START-PLAY      %s\n", lengthText(state, startPlay).c_str());
    writeLine(state, "END-PLAY        %s\n", lengthText(state, endPlay).c_str());

    const int32_t cuts = listRunCuts(state, run);
    for (int32_t i = 0; i < cuts; ++i) {
        writeLine(state, "CUT       %d    %s\n", state.cutTable[i].number, lengthText(state, state.cutTable[i].length).c_str());
    }

    int32_t machinesUsed = 0;
    int32_t bendersUsed = 0;
    countRunTooling(state, run, machinesUsed, bendersUsed);
    writeLine(state, "MACHINES-USED  %d\n", machinesUsed);
    writeLine(state, "BENDERS-USED   %d\n", bendersUsed);

    takeOption(state, run, 0);
    const int16_t direction = state.bendOptions.current.direction;
    writeText(state, direction == 1 ? "DIRECTION       1\n" : "DIRECTION       2\n");
    if (!equalsNoCase(piece.startEndType, piece.finishEndType)) {
        writeLine(state, "START-TYPE     %s\n", direction == 1 ? piece.startEndType : piece.finishEndType);
    }

    // The machine program.
    int32_t toolMachine = -1;
    int32_t toolBender = -1;
    int32_t toolHand = -1;
    int32_t radius = 0;
    for (int32_t p = 0; p <= last; ++p) {
        bool loaded = false;
        if (!takeOption(state, run, p)) continue;
        BendOptionRecord option = state.bendOptions.current;
        if (option.machineIndex != toolMachine || option.benderIndex != toolBender || option.hand != toolHand) {
            if (toolMachine != -1 || toolBender != -1 || toolHand != -1) writeText(state, "UNLOAD\n");
            toolMachine = option.machineIndex;
            toolBender = option.benderIndex;
            toolHand = option.hand;
            // The radius of the tooling is that of the bend that follows; at a
            // load on a bend position the look-ahead reaches the straight after
            // it, whose radius is 0.
            if (p < last) {
                if (takeOption(state, run, p + 1)) radius = state.bendSteps.current.bendRadius;
                takeOption(state, run, p);
            }
            state.machines.load(option.machineIndex);
            state.benders.load(option.benderIndex);
            const MachineRecord& machine = state.machines.current;
            const BenderRecord& bender = state.benders.current;
            writeLine(state, "\nMACHINE     %s\n", machine.name);
            writeLine(state, "BENDER       %s\n", bender.name);
            writeText(state, option.hand == 1 ? "HAND         L\n" : "HAND         R\n");
            writeLine(state, "RADIUS       %s\n", lengthText(state, radius).c_str());
            for (int32_t i = 0; i < state.materialCapabilities.count; ++i) {
                const MaterialCapabilityRecord& material = state.materialCapabilities.at(i);
                if (equalsNoCase(material.benderName, bender.name) &&
                    equalsNoCase(material.materialSpec, piece.pipingSpec) &&
                    material.minWallThickness <= piece.wallThickness &&
                    piece.wallThickness <= material.maxWallThickness) {
                    writeText(state, material.mandrel != 0 ? "MANDREL     ON\n" : "MANDREL     OFF\n");
                    break;
                }
            }
            writeText(state, "\nLOAD\n");

            double freeLength = 0.0;
            if (state.bendSteps.current.stepType == kStraight) {
                loaded = true;
                freeLength = state.bendSteps.current.length - bender.minFirstStraight;
                if (p < last) {
                    if (loadOptionAt(state, p + 1, state.selectedRuns[run][p + 1]) >= 0) {
                        freeLength += state.bendOptions.current.extraBefore;
                    }
                    takeOption(state, run, p);
                }
            } else {
                if (takeOption(state, run, p - 1)) freeLength = state.bendSteps.current.length - bender.minFirstStraight;
                takeOption(state, run, p);
                freeLength += state.bendOptions.current.extraBefore;
            }
            writeLine(state, "FREE       %s\n", lengthText(state, truncateToInt32(freeLength)).c_str());
        }

        takeOption(state, run, p);
        option = state.bendOptions.current;
        const BendStepRecord step = state.bendSteps.current;
        if (step.stepType == kStraight) {
            if (!loaded && p < last) {
                double feed = step.length;
                if (loadOptionAt(state, p + 1, state.selectedRuns[run][p + 1]) >= 0) {
                    feed += state.bendOptions.current.extraBefore;
                }
                takeOption(state, run, p);
                writeLine(state, "FEED       %s\n", lengthText(state, truncateToInt32(feed)).c_str());
            }
            if (option.rotation != 0 && p < last && option.rotation != 360 && option.rotation != -360) {
                const int64_t magnitude = option.rotation < 0 ? -int64_t{option.rotation} : int64_t{option.rotation};
                writeLine(state, "ROTATION   %lld%s\n", static_cast<long long>(magnitude),
                          option.rotation < 0 ? " CCW" : " CW");
            }
        } else {
            if (step.bendRadius != radius) {
                radius = step.bendRadius;
                writeLine(state, "CHANGE_RADIUS       %s\n", lengthText(state, radius).c_str());
            }
            int64_t angle = step.bendAngle;
            if (options.INCLUDE_BEND_SPRINGBACK != 0) angle += piece.springbackAngle;
            writeLine(state, "BEND       %lld\n", static_cast<long long>(angle));
        }
    }
    writeText(state, "UNLOAD\n\nENDRUN\n");
}

}  // namespace kwarel
