#include "prepare/check.h"

#include <cstdio>
#include <string>
#include <vector>

#include "prepare/bend_steps.h"
#include "prepare/options.h"
#include "prepare/resolve.h"
#include "store/text.h"

namespace kwarel {
namespace {

int32_t lineAt(const std::vector<int32_t>& lines, int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < lines.size() ? lines[static_cast<std::size_t>(index)] : 0;
}

std::string text(const char* value) { return quoted(value); }

std::string number(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

std::string length(const CutPieceFile& file, int32_t tenths) {
    char buffer[32];
    formatLength(tenths, file.lengthUnits, buffer);
    return buffer;
}

std::string pieceName(const CutPieceRecord& piece) {
    return "cut piece " + text(piece.cutId) + " of spool " + text(piece.spoolId);
}

// Reports the second and later records of a list whose key equals an
// earlier one's.
template <typename Record, typename SameKey, typename Describe>
void duplicates(const RecordList<Record>& list, const std::vector<int32_t>& lines, Diagnostics& d, const std::string& file,
                SameKey sameKey, Describe describe) {
    for (int32_t i = 1; i < list.count; ++i) {
        for (int32_t j = 0; j < i; ++j) {
            if (sameKey(list.at(j), list.at(i))) {
                d.warning(file, lineAt(lines, i), describe(list.at(i), lineAt(lines, j)));
                break;
            }
        }
    }
}

// Machines, benders and tube data defined more than once.
void checkRepeatedRecords(const Shop& shop, Diagnostics& d, const std::string& file) {
    duplicates(
        shop.machines, d.machineLines, d, file,
        [](const MachineRecord& a, const MachineRecord& b) { return equalsNoCase(a.name, b.name) != 0; },
        [](const MachineRecord& m, int32_t first) {
            return "machine " + text(m.name) + " is defined again (first at line " + std::to_string(first) +
                   "): both are planned with as separate machines, and a forced machine ID forces both";
        });
    duplicates(
        shop.benders, d.benderLines, d, file,
        [](const BenderRecord& a, const BenderRecord& b) { return equalsNoCase(a.name, b.name) != 0; },
        [](const BenderRecord& b, int32_t first) {
            return "bender " + text(b.name) + " is defined again (first at line " + std::to_string(first) +
                   "): machines use only the first";
        });
    duplicates(
        shop.tubeData, d.tubeDataLines, d, file,
        [](const TubeDataRecord& a, const TubeDataRecord& b) {
            return equalsNoCase(a.itemCode, b.itemCode) != 0 && a.nominalBore == b.nominalBore &&
                   a.sizeUnits == b.sizeUnits;
        },
        [](const TubeDataRecord& t, int32_t first) {
            return "tube data for item " + text(t.itemCode) + " at bore " + number(t.nominalBore) +
                   " is defined again (first at line " + std::to_string(first) + "): only the first is used";
        });
}

// Bender names that machines and capabilities use but no bender has.
void checkBenderNames(const Shop& shop, Diagnostics& d, const std::string& file) {
    auto benderExists = [&](const char* name) {
        for (int32_t b = 0; b < shop.benders.count; ++b) {
            if (equalsNoCase(shop.benders.at(b).name, name)) return true;
        }
        return false;
    };
    for (int32_t m = 0; m < shop.machines.count; ++m) {
        const MachineRecord& machine = shop.machines.at(m);
        char name[kLineBuffer];
        int32_t cursor = 0;
        while ((cursor = nextField(machine.benderNames, cursor, ',', name)) != -1) {
            if (!benderExists(name)) {
                d.warning(file, lineAt(d.machineLines, m),
                          "machine " + text(machine.name) + " names bender " + text(name) +
                              ", which is not defined: it and the benders after it in the list are not used");
                break;
            }
        }
    }
    for (int32_t i = 0; i < shop.bendCapabilities.count; ++i) {
        const char* name = shop.bendCapabilities.at(i).benderName;
        if (!benderExists(name)) {
            d.warning(file, lineAt(d.bendCapabilityLines, i),
                      "bend capability of bender " + text(name) + ", which is not defined: it is never used");
        }
    }
    for (int32_t i = 0; i < shop.materialCapabilities.count; ++i) {
        const char* name = shop.materialCapabilities.at(i).benderName;
        if (!benderExists(name)) {
            d.warning(file, lineAt(d.materialCapabilityLines, i),
                      "material capability of bender " + text(name) + ", which is not defined: it is never used");
        }
    }
}

}  // namespace

void checkDatabaseKeys(const Shop& shop, Diagnostics& d) {
    checkRepeatedRecords(shop, d, d.databaseFile);
    checkBenderNames(shop, d, d.databaseFile);
}

namespace {

// What the cut-piece checks read and where they report.
struct PieceChecks {
    const JobOptions& options;
    const Shop& shop;
    CutPieceFile& cut;
    PrepareState& prep;
    Diagnostics& d;
    const std::string& file;
};

// Repeated keys: both pieces take the bends (and bend steps) of the key.
// Returns which pieces repeat an earlier one's key.
std::vector<bool> checkRepeatedKeys(const PieceChecks& c) {
    const int32_t pieces = c.cut.cutPieces.count;
    std::vector<bool> repeated(static_cast<std::size_t>(pieces), false);
    for (int32_t i = 1; i < pieces; ++i) {
        for (int32_t j = 0; j < i; ++j) {
            const CutPieceRecord& a = c.cut.cutPieces.at(j);
            const CutPieceRecord& b = c.cut.cutPieces.at(i);
            if (equalsNoCase(a.cutId, b.cutId) && equalsNoCase(a.spoolId, b.spoolId)) {
                c.d.warning(c.file, lineAt(c.d.cutPieceLines, i),
                            pieceName(b) + " has the CUT-ID and SPOOL-ID of the piece stored at line " +
                                std::to_string(lineAt(c.d.cutPieceLines, j)) +
                                ": the two share their bends and are planned alike");
                repeated[static_cast<std::size_t>(i)] = true;
                break;
            }
        }
    }
    return repeated;
}

// Coincident points of piece i: start, bend points in order, finish.
void checkCoincidentPoints(const PieceChecks& c, int32_t i) {
    const CutPieceRecord piece = c.cut.cutPieces.at(i);
    double x = piece.startX, y = piece.startY, z = piece.startZ;
    const char* previous = "the start point";
    for (int32_t b : bendsOfCutPiece(c.prep, c.cut, piece.cutId, piece.spoolId)) {
        const PipeBendRecord& bend = c.cut.pipeBends.at(b);
        if (bend.bendX == x && bend.bendY == y && bend.bendZ == z) {
            c.d.error(c.file, lineAt(c.d.pipeBendLines, b),
                      "bend point of " + pieceName(piece) + " coincides with " + previous +
                          ": the straight between them has no length and no direction");
        }
        x = bend.bendX;
        y = bend.bendY;
        z = bend.bendZ;
        previous = "the previous bend point";
    }
    if (piece.finishX == x && piece.finishY == y && piece.finishZ == z) {
        c.d.error(c.file, lineAt(c.d.cutPieceLines, i),
                  "finish point of " + pieceName(piece) + " coincides with " + previous +
                      ": the straight between them has no length and no direction");
    }
}

// A piece the preparation failed: its failure text, and for an unknown item
// code at this bore the bores the database does have the item at.
void warnFailedPiece(const PieceChecks& c, const CutPieceRecord& piece, int32_t line) {
    std::string message = pieceName(piece) + " will fail: " + piece.failureText;
    bool itemKnown = false;
    std::string bores;
    for (int32_t t = 0; t < c.shop.tubeData.count; ++t) {
        const TubeDataRecord& tube = c.shop.tubeData.at(t);
        if (!equalsNoCase(tube.itemCode, piece.itemCode)) continue;
        itemKnown = true;
        bores += (bores.empty() ? "" : ", ") + number(tube.nominalBore) +
                 (tube.sizeUnits == 2 ? " (inch sizes)" : " (millimetre sizes)");
    }
    if (itemKnown && std::string(piece.failureText).rfind("Itemcode", 0) == 0) {
        message += " (the database has item " + text(piece.itemCode) + " at bore " + bores +
                   "; the piece has bore " + number(piece.nominalBore) + " and " +
                   (c.cut.lengthUnits == 2 ? "inch" : "millimetre") + " lengths)";
    }
    c.d.warning(c.file, line, message);
}

// Straights whose length the bends' setbacks use up.
void checkStraights(const PieceChecks& c, const CutPieceRecord& piece, const std::vector<int32_t>& bends,
                    int32_t line) {
    const int32_t n = piece.bendCount;
    const int32_t first = firstStepOfKey(c.prep, piece.cutId, piece.spoolId);
    for (int32_t k = 0; k <= n && first >= 0 && first + 2 * k < c.prep.bendSteps.count; ++k) {
        const double straight = c.prep.bendSteps.at(first + 2 * k).length;
        if (straight > 0.0) continue;
        const int32_t at = k < n ? lineAt(c.d.pipeBendLines, bends[static_cast<std::size_t>(k)]) : line;
        const std::string which = "straight " + std::to_string(k + 1) + " of " + std::to_string(n + 1) + " of " +
                                  pieceName(piece) + " is " + length(c.cut, static_cast<int32_t>(straight));
        if (straight < 0.0) {
            c.d.error(c.file, at, which + " long: the bends' setbacks overlap, so the piece cannot be bent as drawn");
        } else {
            c.d.warning(c.file, at, which + " long: two bends meet without a straight between them");
        }
    }
}

// Bores, radii and materials some bender must take. Returns false when no
// bend capability has the piece's bore, which ends the piece's checks.
bool checkCapabilities(const PieceChecks& c, const CutPieceRecord& piece, const std::vector<int32_t>& bends,
                       int32_t line) {
    const Shop& shop = c.shop;
    bool boreKnown = false;
    for (int32_t k = 0; k < shop.bendCapabilities.count && !boreKnown; ++k) {
        boreKnown = shop.bendCapabilities.at(k).nominalBore == piece.nominalBore;
    }
    if (!boreKnown) {
        c.d.warning(c.file, line,
                    pieceName(piece) + " has bore " + number(piece.nominalBore) +
                        ", which no bend capability record has: no bender can bend it, so the piece will fail");
        return false;
    }
    for (std::size_t k = 0; k < bends.size(); ++k) {
        const PipeBendRecord& bend = c.cut.pipeBends.at(bends[k]);
        bool radiusKnown = bend.bendRadius == 0;
        for (int32_t b = 0; b < shop.bendCapabilities.count && !radiusKnown; ++b) {
            const BendCapabilityRecord& capability = shop.bendCapabilities.at(b);
            radiusKnown = capability.nominalBore == piece.nominalBore && capability.bendRadius == bend.bendRadius;
        }
        if (!radiusKnown) {
            c.d.warning(c.file, lineAt(c.d.pipeBendLines, bends[k]),
                        "no bender bends bore " + number(piece.nominalBore) + " at radius " +
                            length(c.cut, bend.bendRadius) + ": " + pieceName(piece) + " will fail");
        }
    }
    bool materialKnown = false;
    for (int32_t m = 0; m < shop.materialCapabilities.count && !materialKnown; ++m) {
        const MaterialCapabilityRecord& material = shop.materialCapabilities.at(m);
        materialKnown = equalsNoCase(material.materialSpec, piece.pipingSpec) &&
                        material.minWallThickness <= piece.wallThickness &&
                        piece.wallThickness <= material.maxWallThickness;
    }
    if (!materialKnown) {
        c.d.warning(c.file, line,
                    "no bender bends PIPING-SPEC " + text(piece.pipingSpec) + " at wall thickness " +
                        length(c.cut, piece.wallThickness) + ": " + pieceName(piece) + " will fail");
    }
    return true;
}

// The tooling options themselves: each position needs at least one. With
// `reported` the piece already has a message, which this would only repeat.
void checkToolingOptions(const PieceChecks& c, const CutPieceRecord& piece, int32_t i, int32_t line,
                         bool reported) {
    const int32_t n = piece.bendCount;
    listBendOptions(c.options, c.shop, c.cut, c.prep, i);
    c.cut.cutPieces.load(i);
    if (c.cut.cutPieces.current.failed == 1) {
        c.d.warning(c.file, line, pieceName(piece) + " will fail: " + c.cut.cutPieces.current.failureText);
    } else if (n <= kMaxBends && !reported) {
        for (int32_t p = 0; p <= 2 * n; ++p) {
            if (optionsAtPositionCount(c.prep, p) > 0) continue;
            c.d.warning(c.file, line,
                        pieceName(piece) + " will fail: no machine, bender and hand can make the " +
                            (p % 2 == 0 ? "straight" : "bend") + " at bending position " + std::to_string(p) +
                            " (counted from the end where bending starts), so no run can be made");
            break;
        }
    }
    c.prep.bendOptions.clear();
}

}  // namespace

void checkCutPieces(const JobOptions& options, const Shop& shop, CutPieceFile& cut, PrepareState& prep,
                    Diagnostics& d) {
    const PieceChecks c{options, shop, cut, prep, d, d.cutPieceFile};
    const int32_t pieces = cut.cutPieces.count;
    const std::vector<bool> repeated = checkRepeatedKeys(c);
    for (int32_t i = 0; i < pieces; ++i) checkCoincidentPoints(c, i);

    // The planner's own preparation, as the job runs it.
    for (int32_t i = 0; i < pieces; ++i) resolveCutPieceItem(shop, cut, prep, i);
    for (int32_t i = 0; i < pieces; ++i) buildBendSteps(options, cut, prep, i);

    for (int32_t i = 0; i < pieces; ++i) {
        cut.cutPieces.load(i);
        const CutPieceRecord piece = cut.cutPieces.current;
        const int32_t line = lineAt(d.cutPieceLines, i);
        if (piece.failed == 1) {
            warnFailedPiece(c, piece, line);
            continue;
        }
        if (piece.failed != 0 || repeated[static_cast<std::size_t>(i)]) continue;
        const std::vector<int32_t>& bends = bendsOfCutPiece(prep, cut, piece.cutId, piece.spoolId);
        checkStraights(c, piece, bends, line);
        const std::size_t before = d.items.size();
        if (!checkCapabilities(c, piece, bends, line)) continue;
        checkToolingOptions(c, piece, i, line, d.items.size() != before);
    }
}

}  // namespace kwarel
