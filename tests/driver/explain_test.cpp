// `kwarel explain` on every failure text a cut piece can get, using the
// reference jobs whose derivations give the reason by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

using kwarel::testing::CliOutcome;
using kwarel::testing::readFile;
using kwarel::testing::ScratchDir;
using kwarel::testing::writeFile;

// Copies the reference job `name` into `dir` and explains CUT-ID `cutId`.
CliOutcome explain(const ScratchDir& dir, const std::string& name, const std::string& cutId) {
    const std::string source = std::string(KWAREL_SOURCE_DIR) + "/tests/golden/" + name;
    for (const char* file : {"params.txt", "cut.txt", "db.txt"}) {
        if (!kwarel::testing::fileExists(dir.file(file))) writeFile(dir.file(file), readFile(source + "/" + file));
    }
    return kwarel::testing::runCli("explain params.txt " + cutId, dir.path());
}

void expectLines(const CliOutcome& got, const std::vector<std::string>& lines) {
    EXPECT_EQ(got.status, 0) << got.err;
    for (const std::string& line : lines) EXPECT_NE(got.out.find(line), std::string::npos) << line << "\n" << got.out;
}

// The reasons of pieces_fail_mm, piece by piece, as its derivation gives them.
TEST(Explain, EachFailureOfTheReferenceJob) {
    ScratchDir dir;
    // CUT-ID 1 names two pieces: S1/1 with an unknown item code, S2/1 straight.
    expectLines(explain(dir, "pieces_fail_mm", "1"),
                {"RESULT FAIL: Itemcode NOPE not found in database.",
                 "No tube data record has item code NOPE with bore 50 in MM",
                 "The database has no tube data for item code NOPE at all.",
                 "SPOOL-ID S2", "RESULT NO BENDING REQUIRED.", "has no bends and its length 0 mm fits"});
    // The first match P50X gives material B2; the piece is A1.
    expectLines(explain(dir, "pieces_fail_mm", "2"),
                {"RESULT FAIL: Inconsistent material spec on item P50X",
                 "gives material spec B2, but the cut piece's PIPING-SPEC is A1."});
    // DEV-LENGTH 1000.1 mm against a delivery length of 1000 mm: rounded alike in the result file.
    expectLines(explain(dir, "pieces_fail_mm", "3"),
                {"RESULT FAIL: Straight pipe exceeds max delivery length.",
                 "its length 1000.1 mm is more than the max delivery length 1000 mm of item code P50S"});
    // L = 11355.19 tenths.
    expectLines(explain(dir, "pieces_fail_mm", "5"),
                {"RESULT FAIL: Pipe comes to 1136 MM which is greater than the max delivery length.",
                 "Developed length 1135.5 mm", "max delivery length 1000 mm",
                 "cannot be cut from one stock length"});
    // A 135-degree bend on the only machine, whose limit is 120.
    expectLines(explain(dir, "pieces_fail_mm", "6"),
                {"RESULT FAIL: There is no machine available that can handle this pipe length or bend angle.",
                 "machine M1: the bend angle 135 deg is more than its max bend angle 120 deg"});
    // Radius 200 mm: B1 has 150, B2 250, so the bend has no option in either direction.
    expectLines(explain(dir, "pieces_fail_mm", "7"),
                {"RESULT FAIL: No machine/bender combination(s) can be found to manufacture cutpiece.",
                 "No machine and bender can make position 1 from the START end (bend 1 (90 deg, radius 200 mm))",
                 "left hand, machine M1, bender B1: bend capabilities for bore 50, none for this radius (200 mm)",
                 "right hand, machine M1, bender B2: bend capabilities for bore 50, none for this radius (200 mm)"});
    // Bend 1 needs B1, bend 2 needs B2 and the bender may not change: no run at any level.
    expectLines(explain(dir, "pieces_fail_mm", "8"),
                {"RESULT FAIL: Unable to manufacture cutpiece.", "Runs enumerated: 0",
                 "no run could be formed", "ALLOW_BENDER_CHANGE"});
}

// Every run of piece 1 clashes: the explanation names each run and its clash,
// including the six found after the ten-line report was full.
TEST(Explain, RunsThatClashed) {
    ScratchDir dir;
    const CliOutcome got = explain(dir, "clash_every_run_mm", "1");
    expectLines(got, {"RESULT FAIL: Unable to manufacture cutpiece.",
                      "16 clashed, 24 tried before",
                      "level 0, from the START end, M1/B1 left hand: Machine: M1  Pipe hitting Front wall. before "
                      "first bend.",
                      "level 0, from the FINISH end, M1/B1 left hand: Machine: M1  Pipe hitting left wall during bend 1.",
                      "level 4, from the FINISH end, M1/B1 right hand, from position 1 M1/B1 left hand: Machine: M1  "
                      "Pipe hitting left wall during bend 1."});
    std::size_t described = 0;
    for (std::size_t at = got.out.find("    - level "); at != std::string::npos; at = got.out.find("    - level ", at + 1)) {
        ++described;
    }
    EXPECT_EQ(described, 16u);
}

// More than 20 bends: refused before any option is listed.
TEST(Explain, TooManyBendsAndUnknownCutId) {
    ScratchDir dir;
    std::string cut = readFile(std::string(KWAREL_SOURCE_DIR) + "/tests/golden/pieces_fail_mm/cut.txt");
    std::string piece = "/CUT\nCUT-ID 21B\nITEM-CODE P50\nND 50\nSTART 0 0 0\nFINISH 22000 0 0\n";
    for (int k = 1; k <= 21; ++k) {
        piece += "BEND " + std::to_string(1000 * k) + " " + std::to_string((k % 2) * 1000) + " 0 150 90\n";
    }
    cut.insert(cut.find("/END"), piece);
    writeFile(dir.file("cut.txt"), cut);
    expectLines(explain(dir, "pieces_fail_mm", "21b"),
                {"RESULT FAIL: Cut piece has more than 20 bends, which is more than can be planned.",
                 "The cut piece has 21 bends; a run holds at most 20."});

    const CliOutcome unknown = explain(dir, "pieces_fail_mm", "NOSUCH");
    EXPECT_EQ(unknown.status, 65);
    EXPECT_EQ(unknown.err, "kwarel: no cut piece has CUT-ID NOSUCH\n");
}

}  // namespace
