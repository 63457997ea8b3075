#include <gtest/gtest.h>

#include "prepare/options.h"
#include "support/builders.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

using testing::addBendCapability;
using testing::addBender;
using testing::addMachine;
using testing::addMaterialCapability;
using testing::addPreparedPiece;
using testing::bend;
using testing::MachineSetup;
using testing::straight;

// The listing of cut piece `index`, which groups the options by position.
void listOptions(JobState& s, int32_t index) { listBendOptions(s.options, s.shop, s.cutFile, s.prep, index); }

int32_t optionCount(JobState& s, int32_t position) { return optionsAtPositionCount(s.prep, position); }

// Loads the ordinal-th option at a position into the option slot; returns
// its list index, or -1.
int32_t loadOptionAt(JobState& s, int32_t position, int32_t ordinal) {
    int16_t run[kMaxPositions] = {};
    run[position] = static_cast<int16_t>(ordinal);
    const RunPosition at = runPosition(s.prep, run, position);
    if (at.option == nullptr) return -1;
    s.prep.bendOptions.current = *at.option;
    return at.optionIndex;
}

// A one-bend piece: straights of 4000 and 3000 around a 90-degree bend of radius 1000.
std::vector<testing::StepSetup> oneBend(double first = 4000, double last = 3000, int32_t angle = 90) {
    return {straight(first), bend(1570.8, angle, 1000), straight(last, 0, 1, 0)};
}

// Bender `name` that bends bore 2 at `radius` in material A1.
void addCapableBender(JobState& s, const char* name, int32_t priority = 1, int32_t radius = 1000, int32_t minFirst = 0,
                      int32_t minMiddle = 0, int32_t minLast = 0) {
    addBender(s, name, priority, minFirst, minMiddle, minLast);
    addBendCapability(s, name, 2.0, radius);
    addMaterialCapability(s, name, "A1", 0, 100, 0);
}

std::string optionName(JobState& s, int32_t index) {
    const BendOptionRecord& o = s.prep.bendOptions.at(index);
    return "d" + std::to_string(o.direction) + "h" + std::to_string(o.hand) + std::string(s.shop.machines.at(o.machineIndex).name) +
           std::string(s.shop.benders.at(o.benderIndex).name);
}

TEST(ToolingOptions, GenerationOrderAtPositionZero) {
    auto s = testing::freshState();
    addMachine(*s, MachineSetup{"M1", 1, "B1,B2", 3});
    addMachine(*s, MachineSetup{"M2", 1, "B3", 1});
    for (const char* b : {"B1", "B2", "B3"}) addCapableBender(*s, b);
    addPreparedPiece(*s, {}, oneBend());
    listOptions(*s, 0);
    const char* expected[] = {"d1h1M1B1", "d1h1M1B2", "d1h1M2B3", "d1h2M1B1", "d1h2M1B2",
                              "d2h1M1B1", "d2h1M1B2", "d2h1M2B3", "d2h2M1B1", "d2h2M1B2"};
    ASSERT_EQ(optionCount(*s, 0), 10);
    for (int32_t k = 0; k < 10; ++k) {
        const int32_t index = loadOptionAt(*s, 0, k);
        ASSERT_GE(index, 0);
        EXPECT_EQ(optionName(*s, index), expected[k]) << k;
        EXPECT_EQ(s->prep.bendOptions.current.positionRole, 1);
    }
    EXPECT_EQ(loadOptionAt(*s, 0, 10), -1);
    // Direction 2 makes the cut piece's last step first.
    loadOptionAt(*s, 0, 5);
    EXPECT_EQ(s->prep.bendOptions.current.stepIndex, 2);
    loadOptionAt(*s, 1, 0);
    EXPECT_EQ(s->prep.bendOptions.current.positionRole, 5);  // the only bend
}

TEST(ToolingOptions, UnknownOrZeroPriorityBenderEndsTheMachineList) {
    auto s = testing::freshState();
    addMachine(*s, MachineSetup{"M1", 1, "B1,NOPE,B2", 3});
    addMachine(*s, MachineSetup{"M2", 1, "B1,B0,B2", 3});
    addMachine(*s, MachineSetup{"M3", 1, "BX,B2", 3});  // BX cannot bend: the list goes on
    addCapableBender(*s, "B1");
    addCapableBender(*s, "B2");
    addBender(*s, "BX", 1);
    addCapableBender(*s, "B0", 0);
    addPreparedPiece(*s, {}, oneBend());
    listOptions(*s, 0);
    std::vector<std::string> names;
    for (int32_t k = 0; k < optionCount(*s, 1); ++k) names.push_back(optionName(*s, loadOptionAt(*s, 1, k)));
    const std::vector<std::string> expected = {"d1h1M1B1", "d1h1M2B1", "d1h1M3B2", "d1h2M1B1", "d1h2M2B1", "d1h2M3B2",
                                               "d2h1M1B1", "d2h1M2B1", "d2h1M3B2", "d2h2M1B1", "d2h2M2B1", "d2h2M3B2"};
    EXPECT_EQ(names, expected);
}

TEST(ToolingOptions, HandsFollowTheMachine) {
    for (int16_t hand : {1, 2, 3}) {
        auto s = testing::freshState();
        addMachine(*s, MachineSetup{"M1", 1, "B1", hand});
        addCapableBender(*s, "B1");
        addPreparedPiece(*s, {}, oneBend());
        listOptions(*s, 0);
        ASSERT_EQ(optionCount(*s, 0), hand == 3 ? 4 : 2) << hand;
        loadOptionAt(*s, 0, 0);
        EXPECT_EQ(s->prep.bendOptions.current.hand, hand == 2 ? 2 : 1);
    }
}

// Options of the bend of a one- or two-bend piece under the given material rules.
struct MaterialCase {
    std::vector<testing::StepSetup> steps;
    int32_t allowAdditional;
    int32_t includeWeld;
    int32_t position;
    std::vector<std::pair<int32_t, int32_t>> extras;  // (extraBefore, extraAfter) per option of both directions, hand 1
};

TEST(ToolingOptions, AdditionalMaterial) {
    const MaterialCase cases[] = {
        // Only bend: first straight 400 < minFirst 500 -> 100 before; last 300 < minLast 350 -> 50 after.
        // Direction 2: first straight 300 -> 200 before; last 400 -> nothing after.
        {oneBend(400, 300), 0, 0, 1, {{100, 50}, {200, 0}}},
        // A straight exactly as long as the minimum needs nothing; in direction 2
        // the 350 straight comes first and is 150 short of minFirst.
        {oneBend(500, 350), 0, 0, 1, {{0, 0}, {150, 0}}},
        // Middle straight 400 < minMiddle 500: refused without additional material.
        {{straight(600), bend(1570.8, 90, 1000), straight(400, 0, 1), bend(1570.8, 90, 1000), straight(600, -1, 0)},
         0, 0, 3, {}},
        // With additional material: 100, plus the weld shrinkage of 7 when included.
        {{straight(600), bend(1570.8, 90, 1000), straight(400.9, 0, 1), bend(1570.8, 90, 1000), straight(600, -1, 0)},
         1, 0, 3, {{100, 0}, {100, 0}}},
        {{straight(600), bend(1570.8, 90, 1000), straight(400.9, 0, 1), bend(1570.8, 90, 1000), straight(600, -1, 0)},
         1, 1, 3, {{107, 0}, {107, 0}}},
    };
    for (const MaterialCase& c : cases) {
        auto s = testing::freshState();
        s->options.ALLOW_ADDITIONAL_MATERIAL = c.allowAdditional;
        s->options.INCLUDE_WELD_SHRINKAGE = c.includeWeld;
        addMachine(*s, MachineSetup{"M1", 1, "B1", 1});
        addCapableBender(*s, "B1", 1, 1000, 500, 500, 350);
        testing::PieceSetup piece;
        piece.weldShrinkage = 7;
        addPreparedPiece(*s, piece, c.steps);
        listOptions(*s, 0);
        ASSERT_EQ(optionCount(*s, c.position), static_cast<int32_t>(c.extras.size()));
        for (std::size_t k = 0; k < c.extras.size(); ++k) {
            loadOptionAt(*s, c.position, static_cast<int32_t>(k));
            EXPECT_EQ(s->prep.bendOptions.current.extraBefore, c.extras[k].first) << k;
            EXPECT_EQ(s->prep.bendOptions.current.extraAfter, c.extras[k].second) << k;
        }
    }
}

TEST(ToolingOptions, PriorityValues) {
    // (use machine, use bender, machine over bender) -> straight, bend; machine priority 3, bender 7.
    const struct { int32_t m, b, mob, straightValue, bendValue; } rows[] = {
        {0, 0, 0, 0, 0},       {0, 0, 1, 0, 0},       {0, 1, 0, 7, 700},     {0, 1, 1, 7, 700},
        {1, 0, 0, 3, 300},     {1, 0, 1, 3, 300},     {1, 1, 0, 703, 703},   {1, 1, 1, 307, 307},
    };
    for (const auto& row : rows) {
        auto s = testing::freshState();
        s->options.USE_MACHINE_PRIORITY = row.m;
        s->options.USE_BENDER_PRIORITY = row.b;
        s->options.MACHINE_OVER_BENDER_PRIORITY = row.mob;
        addMachine(*s, MachineSetup{"M1", 3, "B1", 1});
        addCapableBender(*s, "B1", 7);
        addPreparedPiece(*s, {}, oneBend());
        listOptions(*s, 0);
        loadOptionAt(*s, 0, 0);
        EXPECT_EQ(s->prep.bendOptions.current.priorityValue, row.straightValue) << row.m << row.b << row.mob;
        loadOptionAt(*s, 1, 0);
        EXPECT_EQ(s->prep.bendOptions.current.priorityValue, row.bendValue) << row.m << row.b << row.mob;
    }
}

// A piece the machine limits refuse or take: springback counts against the
// machine's angle (88 + 3 on machines of 90 and 91 degrees), and the delivery
// length is compared with the untruncated sum of the steps (987.6 tenths).
TEST(ToolingOptions, MachineAngleAndDeliveryLength) {
    const std::vector<testing::StepSetup> short987 = {straight(400.0), bend(157.6, 90, 100), straight(430.0, 0, 1)};
    const struct {
        int32_t maxAngle, springback, delivery, radius;
        std::vector<testing::StepSetup> steps;
        const char* failure;  // null: planned, with this developed length
        int32_t devLength;
    } cases[] = {
        {90, 3, 1000000, 1000, oneBend(4000, 3000, 88),
         "There is no machine available that can handle this pipe length or bend angle.", 0},
        {91, 3, 1000000, 1000, oneBend(4000, 3000, 88), nullptr, 8570},
        {180, 0, 900, 100, short987, "Pipe comes to 99 MM which is greater than the max delivery length.", 0},
        {180, 0, 987, 100, short987, "Pipe comes to 99 MM which is greater than the max delivery length.", 0},
        {180, 0, 988, 100, short987, nullptr, 987},
    };
    for (const auto& c : cases) {
        auto s = testing::freshState();
        s->options.INCLUDE_BEND_SPRINGBACK = c.springback != 0;
        addMachine(*s, MachineSetup{"M1", 1, "B1", 1, 1000000, c.maxAngle});
        addCapableBender(*s, "B1", 1, c.radius);
        testing::PieceSetup piece;
        piece.springbackAngle = c.springback;
        piece.maxDeliveryLength = c.delivery;
        addPreparedPiece(*s, piece, c.steps);
        listOptions(*s, 0);
        s->cutFile.cutPieces.load(0);
        const CutPieceRecord& p = s->cutFile.cutPieces.current;
        const std::string name = std::to_string(c.maxAngle) + " " + std::to_string(c.delivery);
        EXPECT_STREQ(p.failureText, c.failure != nullptr ? c.failure : "") << name;
        EXPECT_EQ(p.failed, c.failure != nullptr ? 1 : 0) << name;
        if (c.failure == nullptr) {
            EXPECT_EQ(p.devLength, c.devLength) << name;
            EXPECT_EQ(optionCount(*s, 1), 2) << name;
        }
    }
}

TEST(ToolingOptions, MachineLengthAndTemplateLength) {
    auto s = testing::freshState();
    s->options.ADD_TEMPLATE_LENGTH = 1;
    s->options.TEMPLATE_LENGTH = 1000;
    addMachine(*s, MachineSetup{"M1", 1, "B1", 1, 9570});  // too short once the template is added
    addMachine(*s, MachineSetup{"M2", 1, "B1", 1, 9571});
    addCapableBender(*s, "B1", 1, 1000, 1401);
    addPreparedPiece(*s, {}, oneBend(400, 3000));  // 400 + 1570.8 + 3000 + 2 x 1000 = 6970.8
    listOptions(*s, 0);
    s->cutFile.cutPieces.load(0);
    EXPECT_EQ(s->cutFile.cutPieces.current.devLength, 6970);
    EXPECT_DOUBLE_EQ(s->prep.bendSteps.at(0).length, 1400.0);
    EXPECT_DOUBLE_EQ(s->prep.bendSteps.at(2).length, 4000.0);
    // 1400 against minFirstStraight 1401 needs 1 more; both machines take 6970.
    loadOptionAt(*s, 1, 0);
    EXPECT_EQ(s->prep.bendOptions.current.extraBefore, 1);
    EXPECT_EQ(optionCount(*s, 1), 4);
}

TEST(ToolingOptions, PiecesBeyondTheTablesAndOddInputStaySafe) {
    {
        auto s = testing::freshState();
        testing::addSimpleShop(*s, {1000});
        std::vector<testing::StepSetup> steps;
        for (int i = 0; i < 25; ++i) {
            steps.push_back(straight(5000));
            steps.push_back(bend(1570.8, 90, 1000));
        }
        steps.push_back(straight(5000));
        addPreparedPiece(*s, {}, steps);
        listOptions(*s, 0);
        s->cutFile.cutPieces.load(0);
        EXPECT_EQ(s->cutFile.cutPieces.current.failed, 1);
        EXPECT_EQ(s->prep.bendOptions.count, 0);
    }
    {
        // Angles of 0 and 200, a huge radius, a negative straight, a bore matching nothing.
        auto s = testing::freshState();
        testing::addSimpleShop(*s, {1000, 2000000000});
        addPreparedPiece(*s, {}, {straight(-50), bend(0, 0, 1000), straight(10), bend(1e12, 200, 2000000000),
                                 straight(1e9)});
        listOptions(*s, 0);
        testing::PieceSetup other;
        other.cutId = "C2";
        other.bore = 3.0;
        addPreparedPiece(*s, other, oneBend());
        s->prep.bendOptions.clear();
        listOptions(*s, 1);
        EXPECT_EQ(optionCount(*s, 1), 0);
    }
}

}  // namespace
}  // namespace kwarel
