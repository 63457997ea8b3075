// Why a cut piece came out as it did, told from what the job's own checks
// reported to the observer.
#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>

#include "generate/search.h"
#include "report_model.h"
#include "store/numbers.h"
#include "store/text.h"

namespace kwarel::cli {
namespace {

std::string boreText(double bore) {
    std::ostringstream out;
    out << bore;
    return out.str();
}

std::string unitsName(int32_t units) { return units == 2 ? "INCH" : "MM"; }

// A length in tenths of a millimetre, exact to the tenth in a millimetre job
// ("1000.1 mm") and to the thousandth of an inch in an inch job: the
// explanation compares lengths the result file rounds alike.
std::string exactLength(const JobReport& report, double tenths) {
    char text[48];
    if (report.lengthUnits == 2) {
        std::snprintf(text, sizeof text, "%.3f inch", tenths / 254.0);
    } else if (std::fabs(tenths - std::round(tenths / 10.0) * 10.0) < 1e-9) {
        std::snprintf(text, sizeof text, "%.0f mm", tenths / 10.0);
    } else {
        std::snprintf(text, sizeof text, "%.1f mm", std::trunc(tenths) / 10.0);
    }
    return text;
}

std::string machineName(const JobReport& report, int32_t machine) {
    if (machine < 0 || static_cast<std::size_t>(machine) >= report.machines.size()) return "?";
    return report.machines[static_cast<std::size_t>(machine)].name;
}

std::string benderName(const JobReport& report, int32_t bender) {
    if (bender < 0 || static_cast<std::size_t>(bender) >= report.benders.size()) return "?";
    return report.benders[static_cast<std::size_t>(bender)].name;
}

std::string handName(int32_t hand) { return hand == 1 ? "left hand" : "right hand"; }

// The step a bending position makes in a direction, as the cut piece counts
// its straights and bends from the START end.
int32_t stepOfPosition(const PieceReport& piece, int32_t position, int32_t direction) {
    const int32_t n = piece.record.bendCount;
    return direction == 1 ? position : 2 * n - position;
}

std::string stepName(const PieceReport& piece, int32_t step) {
    std::ostringstream out;
    if (step % 2 == 1) {
        out << "bend " << (step + 1) / 2;
        if (static_cast<std::size_t>(step) < piece.steps.size()) {
            const StepInfo& info = piece.steps[static_cast<std::size_t>(step)];
            out << " (" << info.bendAngle << " deg";
            if (info.bendRadius != 0) out << ", radius " << info.bendRadius / 10.0 << " mm";
            out << ")";
        }
    } else if (step == 0) {
        out << "the first straight";
    } else if (step == 2 * piece.record.bendCount) {
        out << "the last straight";
    } else {
        out << "the straight after bend " << step / 2;
    }
    return out.str();
}

std::string positionName(const PieceReport& piece, int32_t position, int32_t direction) {
    std::ostringstream out;
    out << "position " << position << " from the " << (direction == 1 ? "START" : "FINISH") << " end ("
        << stepName(piece, stepOfPosition(piece, position, direction)) << ")";
    return out.str();
}

std::string machineReason(const JobReport& report, const PieceReport& piece, const Refusal& refusal) {
    const MachineRecord& machine = report.machines[static_cast<std::size_t>(refusal.machine)];
    std::ostringstream out;
    out << "machine " << machine.name << ": ";
    switch (static_cast<MachineCheck>(refusal.check)) {
        case MachineCheck::Priority:
            if (report.options.FORCE_MACHINE != 0) {
                out << "not the forced machine " << report.options.forcedMachineId;
            } else {
                out << "its priority is 0, so it is not used";
            }
            break;
        case MachineCheck::PipeLength:
            out << "the developed length " << exactLength(report, refusal.position < 0 ? piece.developed
                                                                                      : piece.record.devLength)
                << " is more than its max pipe length " << exactLength(report, machine.maxPipeLength);
            break;
        case MachineCheck::Hand:
            out << "it bends with the " << (machine.hand == 1 ? "left" : machine.hand == 2 ? "right" : "other")
                << " hand only";
            break;
        case MachineCheck::BendAngle: {
            int64_t angle = piece.largestAngle;
            if (refusal.position >= 0) {
                const int32_t step = stepOfPosition(piece, refusal.position, refusal.direction);
                if (step >= 0 && static_cast<std::size_t>(step) < piece.steps.size()) {
                    angle = piece.steps[static_cast<std::size_t>(step)].bendAngle;
                    if (report.options.INCLUDE_BEND_SPRINGBACK != 0 && step % 2 == 1) {
                        angle += piece.record.springbackAngle;
                    }
                }
            }
            out << "the bend angle " << angle << " deg"
                << (report.options.INCLUDE_BEND_SPRINGBACK != 0 ? " (springback included)" : "")
                << " is more than its max bend angle " << machine.maxBendAngle << " deg";
            break;
        }
    }
    return out.str();
}

std::string benderReason(const JobReport& report, const PieceReport& piece, const Refusal& refusal) {
    const std::string machine = machineName(report, refusal.machine);
    const std::string bender = refusal.benderName;
    std::ostringstream out;
    switch (static_cast<BenderCheck>(refusal.check)) {
        case BenderCheck::UnknownName:
            out << "machine " << machine << " lists bender " << bender
                << ", which the database does not have; the benders listed after it are not used";
            break;
        case BenderCheck::Priority:
            if (report.options.FORCE_BENDER != 0) {
                out << "machine " << machine << " lists bender " << bender << ", not the forced bender "
                    << report.options.forcedBenderId << "; the benders listed after it are not used";
            } else {
                out << "machine " << machine << " lists bender " << bender
                    << ", whose priority is 0; the benders listed after it are not used";
            }
            break;
        case BenderCheck::Bore:
            out << "machine " << machine << ", bender " << bender << ": no bend capability for bore "
                << boreText(piece.record.nominalBore);
            break;
        case BenderCheck::Radius: {
            out << "machine " << machine << ", bender " << bender << ": bend capabilities for bore "
                << boreText(piece.record.nominalBore) << ", none for this radius";
            const int32_t step = stepOfPosition(piece, refusal.position, refusal.direction);
            if (step >= 0 && static_cast<std::size_t>(step) < piece.steps.size()) {
                out << " (" << piece.steps[static_cast<std::size_t>(step)].bendRadius / 10.0 << " mm)";
            }
            break;
        }
        case BenderCheck::Material:
            out << "machine " << machine << ", bender " << bender << ": no material capability for PIPING-SPEC "
                << piece.record.pipingSpec;
            break;
        case BenderCheck::WallThickness:
            out << "machine " << machine << ", bender " << bender << ": material capabilities for "
                << piece.record.pipingSpec << " do not cover the wall thickness "
                << exactLength(report, piece.record.wallThickness);
            break;
        case BenderCheck::MiddleMaterial: {
            int32_t minimum = 0;
            if (refusal.bender >= 0 && static_cast<std::size_t>(refusal.bender) < report.benders.size()) {
                minimum = report.benders[static_cast<std::size_t>(refusal.bender)].minMiddleStraight;
            }
            out << "machine " << machine << ", bender " << bender
                << ": the straight before this bend is shorter than the bender's min middle straight "
                << exactLength(report, minimum) << " and ALLOW_ADDITIONAL_MATERIAL is NO";
            break;
        }
    }
    return out.str();
}

std::string describeRun(const JobReport& report, const PieceReport& piece, const std::vector<int16_t>& ordinals) {
    std::ostringstream out;
    const RunOption* previous = nullptr;
    for (std::size_t p = 0; p < ordinals.size() && p < piece.optionsAtPosition.size(); ++p) {
        const auto& at = piece.optionsAtPosition[p];
        if (ordinals[p] < 0 || static_cast<std::size_t>(ordinals[p]) >= at.size()) break;
        const RunOption& option = at[static_cast<std::size_t>(ordinals[p])];
        if (previous == nullptr) {
            out << "from the " << (option.direction == 1 ? "START" : "FINISH") << " end, "
                << machineName(report, option.machine) << "/" << benderName(report, option.bender) << " "
                << handName(option.hand);
        } else if (option.machine != previous->machine || option.bender != previous->bender ||
                   option.hand != previous->hand) {
            out << ", from position " << p << " " << machineName(report, option.machine) << "/"
                << benderName(report, option.bender) << " " << handName(option.hand);
        }
        previous = &option;
    }
    return out.str();
}

void listRefusals(std::ostringstream& out, const JobReport& report, const PieceReport& piece,
                  const std::vector<const Refusal*>& refusals) {
    std::set<std::string> said;
    for (const Refusal* refusal : refusals) {
        std::string line = refusal->isBender ? benderReason(report, piece, *refusal)
                                             : machineReason(report, piece, *refusal);
        if (refusal->position >= 0 && !(refusal->isBender &&
                                        static_cast<BenderCheck>(refusal->check) == BenderCheck::MiddleMaterial)) {
            line = handName(refusal->hand) + ", " + line;
        }
        if (said.insert(line).second) out << "    - " << line << "\n";
    }
}

}  // namespace

std::string lengthText(const JobReport& report, double tenths) {
    char text[32];
    formatLength(truncateToInt32(tenths), report.lengthUnits, text);
    return text;
}

namespace {

// What the item lookup and the piece's own checks decided: a straight
// piece, an unknown item, another material, no bends, too many bends.
// Returns true when that explains the piece.
bool explainItem(std::ostringstream& out, const JobReport& report, const PieceReport& piece) {
    const CutPieceRecord& record = piece.record;
    const std::string units = unitsName(report.lengthUnits);
    if (record.failed == 2) {
        out << "  The cut piece has no bends and its length " << exactLength(report, record.devLength)
            << " fits the max delivery length " << exactLength(report, record.maxDeliveryLength) << " of item code "
            << record.itemCode << ".\n";
        return true;
    }
    if (record.failed == 1 && piece.tubeIndex == -1) {
        out << "  No tube data record has item code " << record.itemCode << " with bore "
            << boreText(record.nominalBore) << " in " << units << " (the cut-piece file's UNITS-LENGTH).\n";
        bool any = false;
        for (const TubeDataRecord& tube : report.tubeData) {
            if (!equalsNoCase(tube.itemCode, record.itemCode)) continue;
            if (!any) out << "  Tube data for item code " << record.itemCode << " exists for:\n";
            any = true;
            out << "    - bore " << boreText(tube.nominalBore) << " in "
                << (tube.sizeUnits == 1 ? "MM" : tube.sizeUnits == 2 ? "INCH" : "unknown units") << "\n";
        }
        if (!any) out << "  The database has no tube data for item code " << record.itemCode << " at all.\n";
        return true;
    }
    if (record.failed == 1 && piece.tubeIndex >= 0 &&
        static_cast<std::size_t>(piece.tubeIndex) < report.tubeData.size() &&
        !equalsNoCase(report.tubeData[static_cast<std::size_t>(piece.tubeIndex)].materialSpec, record.pipingSpec)) {
        const TubeDataRecord& tube = report.tubeData[static_cast<std::size_t>(piece.tubeIndex)];
        out << "  The tube data for item code " << tube.itemCode << ", bore " << boreText(tube.nominalBore) << " in "
            << units << " gives material spec " << tube.materialSpec << ", but the cut piece's PIPING-SPEC is "
            << record.pipingSpec << ".\n";
        return true;
    }
    if (record.failed == 1 && record.bendCount == 0) {
        out << "  The cut piece has no bends and its length " << exactLength(report, record.devLength)
            << " is more than the max delivery length " << exactLength(report, record.maxDeliveryLength)
            << " of item code " << record.itemCode << ".\n";
        return true;
    }
    if (record.failed == 1 && record.bendCount > kMaxBends) {
        out << "  The cut piece has " << record.bendCount << " bends; a run holds at most " << kMaxBends << ".\n";
        return true;
    }
    return false;
}

// What the lengths and the tooling options decided: the stock length, the
// machines' limits, positions no machine and bender can make. Returns true
// when that explains the piece.
bool explainOptions(std::ostringstream& out, const JobReport& report, const PieceReport& piece) {
    const CutPieceRecord& record = piece.record;
    const std::string failure = record.failureText;
    if (piece.lengthsKnown) {
        out << "  Developed length " << exactLength(report, piece.developed)
            << (report.options.ADD_TEMPLATE_LENGTH != 0 ? " (template length added at both ends)" : "")
            << ", largest bend angle " << piece.largestAngle << " deg"
            << (report.options.INCLUDE_BEND_SPRINGBACK != 0 ? " (springback included)" : "")
            << ", max delivery length " << exactLength(report, record.maxDeliveryLength) << ".\n";
    }
    if (record.failed == 1 && failure.rfind("Pipe comes to ", 0) == 0) {
        out << "  The developed length (straights between tangent points plus bend arcs) is more than the max "
               "delivery length of item code "
            << record.itemCode << ": the pipe cannot be cut from one stock length.\n";
        return true;
    }
    if (record.failed == 1 && failure.rfind("There is no machine available", 0) == 0) {
        out << "  No machine takes the whole pipe:\n";
        std::vector<const Refusal*> refusals;
        for (const Refusal& refusal : piece.refusals) {
            if (refusal.position < 0 && !refusal.isBender) refusals.push_back(&refusal);
        }
        listRefusals(out, report, piece, refusals);
        return true;
    }
    if (record.failed == 1 && failure.rfind("No machine/bender combination", 0) == 0) {
        for (std::size_t p = 0; p < piece.optionCountByPosition.size(); ++p) {
            if (piece.optionCountByPosition[p] != 0) continue;
            const int32_t position = static_cast<int32_t>(p);
            out << "  No machine and bender can make " << positionName(piece, position, 1) << " or "
                << positionName(piece, position, 2) << ":\n";
            std::vector<const Refusal*> refusals;
            for (const Refusal& refusal : piece.refusals) {
                if (refusal.position == position) refusals.push_back(&refusal);
            }
            for (const Refusal& refusal : piece.refusals) {
                if (refusal.position < 0 && refusal.isBender) refusals.push_back(&refusal);
            }
            listRefusals(out, report, piece, refusals);
        }
        return true;
    }

    return false;
}

// What the run search found: the levels searched, the runs enumerated and
// the runs that clashed.
void explainSearch(std::ostringstream& out, const JobReport& report, const PieceReport& piece) {
    const CutPieceRecord& record = piece.record;
    const int64_t* counts = piece.outcomeCounts;
    const int64_t tried = counts[0] + counts[1] + counts[2] + counts[3] + counts[4];
    out << "  Criteria levels searched: " << piece.levelsSearched.size() << " of 32";
    if (!piece.levelsSkipped.empty()) {
        out << " (" << piece.levelsSkipped.size() << " not searched: they relax a criterion that";
        const JobOptions& o = report.options;
        std::vector<std::string> off;
        if (o.ALLOW_MACHINE_CHANGE == 0) off.push_back("ALLOW_MACHINE_CHANGE");
        if (o.ALLOW_BENDER_CHANGE == 0) off.push_back("ALLOW_BENDER_CHANGE");
        if (o.ALLOW_HAND_CHANGE == 0) off.push_back("ALLOW_HAND_CHANGE");
        if (o.ALLOW_ADDITIONAL_MATERIAL == 0) off.push_back("ALLOW_ADDITIONAL_MATERIAL");
        for (std::size_t i = 0; i < off.size(); ++i) out << (i == 0 ? " " : i + 1 == off.size() ? " or " : ", ") << off[i];
        out << " NO forbids)";
    }
    out << ".\n";
    out << "  Runs enumerated: " << tried << " (" << counts[static_cast<int>(RunOutcome::Clear)] << " clear, "
        << counts[static_cast<int>(RunOutcome::NotSimulated)] << " kept without clash checking, "
        << counts[static_cast<int>(RunOutcome::Clash)] + counts[static_cast<int>(RunOutcome::RepeatClash)]
        << " clashed, " << counts[static_cast<int>(RunOutcome::Duplicate)] << " tried before).\n";
    if (piece.searchCutShort) {
        out << "  The search ended at the guard of " << kSearchGuard.runs << " runs or " << kSearchGuard.steps
            << " simulation steps per cut piece: the runs above are those tried before it, and the runs chosen are"
               " the best of them; later runs and levels were not searched.\n";
    }
    if (record.failed == 1 && tried == 0) {
        out << "  At every level searched, some position had no option that keeps the first option's direction"
               " and meets the level's criteria (same machine, bender, hand; no additional material), so no run"
               " could be formed.\n";
    }
    if (!piece.clashedRuns.empty()) {
        out << "  Runs that clashed" << (piece.clashedRuns.size() < static_cast<std::size_t>(
                                                                     counts[3] + counts[4])
                                              ? " (the first " + std::to_string(piece.clashedRuns.size()) + ")"
                                              : std::string())
            << ":\n";
        for (const TriedRun& run : piece.clashedRuns) {
            out << "    - level " << run.level << ", " << describeRun(report, piece, run.ordinals) << ": "
                << run.clashLine << (run.outcome == RunOutcome::RepeatClash ? " (same as the run before)" : "")
                << "\n";
        }
    }
    if (!piece.clashLines.empty()) {
        out << "  Clash report:\n";
        for (const std::string& line : piece.clashLines) out << "    " << line << "\n";
    }
}

}  // namespace

std::string explainPiece(const JobReport& report, const PieceReport& piece) {
    const CutPieceRecord& record = piece.record;
    std::ostringstream out;
    out << "CUT-ID " << record.cutId << ", SPOOL-ID " << record.spoolId << ", ITEM-CODE " << record.itemCode
        << ", BORE " << boreText(record.nominalBore) << ", PIPING-SPEC " << record.pipingSpec << ", "
        << record.bendCount << (record.bendCount == 1 ? " bend" : " bends") << "\n";
    if (record.failed == 0) {
        out << "RESULT PASS: " << piece.runCount << (piece.runCount == 1 ? " run" : " runs") << " chosen.\n";
    } else if (record.failed == 1) {
        out << "RESULT FAIL: " << record.failureText << "\n";
    } else {
        out << "RESULT NO BENDING REQUIRED.\n";
    }
    out << "Why:\n";
    if (!explainItem(out, report, piece) && !explainOptions(out, report, piece)) explainSearch(out, report, piece);
    return out.str();
}

}  // namespace kwarel::cli
