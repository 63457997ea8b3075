#include <gtest/gtest.h>

#include <cmath>

#include "prepare/bend_steps.h"
#include "prepare/resolve.h"
#include "support/builders.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

using testing::appendRecord;

void addTube(JobState& s, const char* code, double bore, const char* material, int32_t delivery, int32_t units,
             int32_t stretch = 0) {
    appendRecord(s.shop.tubeData, [&](TubeDataRecord& t) {
        copyText(t.itemCode, code);
        copyText(t.materialSpec, material);
        t.nominalBore = bore, t.wallThickness = 40, t.outsideDiameter = 600, t.maxDeliveryLength = delivery;
        t.stretchPercent = stretch, t.sizeUnits = units;
    });
}

void addPiece(JobState& s, const char* cut, const char* spool, const char* item, double bore, int32_t devLength = 0) {
    appendRecord(s.cutFile.cutPieces, [&](CutPieceRecord& p) {
        copyText(p.cutId, cut);
        copyText(p.spoolId, spool);
        copyText(p.pipingSpec, "A1");
        copyText(p.itemCode, item);
        p.nominalBore = bore, p.devLength = devLength;
    });
}

void addBendPoint(JobState& s, const char* cut, const char* spool, double x, double y, double z, int32_t radius,
                  int32_t angle) {
    appendRecord(s.cutFile.pipeBends, [&](PipeBendRecord& b) {
        copyText(b.cutId, cut);
        copyText(b.spoolId, spool);
        b.bendX = x, b.bendY = y, b.bendZ = z, b.bendRadius = radius, b.bendAngle = angle;
    });
}

TEST(ItemResolution, FailureTexts) {
    auto s = testing::freshState();
    addTube(*s, "P1", 4.0, "B2", 5000, 1);  // first match has another material: ends the search
    addTube(*s, "P1", 4.0, "A1", 5000, 1);
    addTube(*s, "P2", 4.00001, "A1", 5000, 1);
    addTube(*s, "P3", 4.0, "A1", 5000, 1);
    addPiece(*s, "C1", "S1", "P1", 4.0);
    addPiece(*s, "C2", "S1", "P2", 4.0);       // bore compared exactly
    addPiece(*s, "C3", "S1", "P3", 4.0, 5000);  // equal to the delivery length: no bending
    addPiece(*s, "C4", "S1", "P3", 4.0, 5001);  // longer than the delivery length
    addBendPoint(*s, "C2", "S1", 0, 0, 0, 100, 90);
    addBendPoint(*s, "C4", "S2", 0, 0, 0, 100, 90);  // another spool: not a bend of C4
    for (int32_t i = 0; i < 4; ++i) resolveCutPieceItem(s->shop, s->cutFile, s->prep, i);

    const char* texts[] = {"Inconsistent material spec on item P1", "Itemcode P2 not found in database.",
                           "No bends present in cut piece.", "Straight pipe exceeds max delivery length."};
    const int32_t failed[] = {1, 1, 2, 1};
    const int32_t bends[] = {0, 1, 0, 0};
    for (int32_t i = 0; i < 4; ++i) {
        s->cutFile.cutPieces.load(i);
        EXPECT_EQ(s->cutFile.cutPieces.current.failed, failed[i]) << i;
        EXPECT_STREQ(s->cutFile.cutPieces.current.failureText, texts[i]) << i;
        EXPECT_EQ(s->cutFile.cutPieces.current.bendCount, bends[i]) << i;
    }
}

// The setback and arc formulas with their constants, stretching among them:
// the reference jobs run_one_bend_mm and run_three_bends_inch.
TEST(BendGeometry, WorkedExampleGivesThreeSteps) {
    auto s = testing::freshState();
    addTube(*s, "P1", 2.0, "A1", 100000, 1);
    addPiece(*s, "C1", "S1", "P1", 2.0);
    s->cutFile.cutPieces.load(0);
    s->cutFile.cutPieces.current.finishX = 500;
    s->cutFile.cutPieces.current.finishY = 300;
    s->cutFile.cutPieces.store(0);
    addBendPoint(*s, "C1", "S1", 500, 0, 0, 100, 90);
    addBendPoint(*s, "C1", "S9", 900, 900, 0, 100, 90);  // same cut id, other spool
    resolveCutPieceItem(s->shop, s->cutFile, s->prep, 0);
    buildBendSteps(s->options, s->cutFile, s->prep, 0);

    ASSERT_EQ(s->prep.bendSteps.count, 3);
    const BendStepRecord& first = s->prep.bendSteps.at(0);
    const BendStepRecord& arc = s->prep.bendSteps.at(1);
    const BendStepRecord& last = s->prep.bendSteps.at(2);
    EXPECT_EQ(first.stepType, kStraight);
    EXPECT_NEAR(first.length, 399.9996, 1e-4);
    EXPECT_DOUBLE_EQ(first.directionX, 1.0);
    EXPECT_EQ(arc.stepType, kBend);
    EXPECT_EQ(arc.bendAngle, 90);
    EXPECT_EQ(arc.bendRadius, 100);
    EXPECT_NEAR(arc.length, 157.08, 1e-9);
    EXPECT_EQ(arc.directionX, 0.0);
    EXPECT_NEAR(last.length, 199.9996, 1e-4);
    EXPECT_DOUBLE_EQ(last.directionY, 1.0);
    EXPECT_EQ(firstStepOfKey(s->prep, "c1", "s1"), 0);
}

TEST(BendGeometry, CoincidentPointsGiveAZeroDirectionAndANegativeStraight) {
    auto s = testing::freshState();
    addTube(*s, "P1", 2.0, "A1", 100000, 1);
    addPiece(*s, "C1", "S1", "P1", 2.0);
    addBendPoint(*s, "C1", "S1", 0, 0, 0, 100, 90);  // on the start point
    resolveCutPieceItem(s->shop, s->cutFile, s->prep, 0);
    buildBendSteps(s->options, s->cutFile, s->prep, 0);
    ASSERT_EQ(s->prep.bendSteps.count, 3);
    const BendStepRecord& first = s->prep.bendSteps.at(0);
    EXPECT_LT(first.length, 0.0);
    EXPECT_EQ(first.directionX, 0.0);
    EXPECT_EQ(first.directionY, 0.0);
    EXPECT_EQ(first.directionZ, 0.0);
    EXPECT_FALSE(std::isnan(s->prep.bendSteps.at(2).directionX));
}

}  // namespace
}  // namespace kwarel
