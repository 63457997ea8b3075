#include <gtest/gtest.h>

#include "clash_fixture.h"
#include "clash/report.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

std::string lineFor(JobState& s, int32_t position, int32_t phase, const char* surface) {
    s.clashLineCount = 0;
    s.simulationPosition = position;
    s.motionPhase = phase;
    EXPECT_EQ(addClashLine(s, surface), 0);
    EXPECT_EQ(s.clashLineCount, 1);
    return s.clashLines[0];
}

TEST(ClashReport, NamesMachineSurfaceAndMomentOfTheRun) {
    auto s = testing::freshState();
    testing::addRoom(*s, {});
    s->machines.load(0);
    EXPECT_EQ(lineFor(*s, 4, 1, "floor"), "Machine: M1  Pipe hitting floor during bend 2.\n");
    EXPECT_EQ(lineFor(*s, 3, 3, "left wall"),
              "Machine: M1  Pipe hitting left wall after bend 1 during pipe rotation.\n");
    EXPECT_EQ(lineFor(*s, 1, 0, "Front wall."), "Machine: M1  Pipe hitting Front wall. before first bend.\n");
    EXPECT_EQ(lineFor(*s, 5, 2, "back wall"), "Machine: M1  Pipe hitting back wall after bend 2 during pipe feed.\n");

    // The longest line: an 11-character name, the longest surface, bend 20.
    copyText(s->machines.current.name, "MACHINE-XYZ");
    EXPECT_EQ(lineFor(*s, 41, 3, "front wall of pit"),
              "Machine: MACHINE-XYZ  Pipe hitting front wall of pit after bend 20 during pipe rotation.\n");
    EXPECT_EQ(lineFor(*s, 40, 1, "machine"), "Machine: MACHINE-XYZ  Pipe hitting machine during bend 20.\n");
}

TEST(ClashReport, KeepsTheFirstTenLines) {
    auto s = testing::freshState();
    copyText(s->machines.current.name, "M1");
    s->simulationPosition = 2;
    const char* surfaces[12] = {"floor",        "ceiling",          "left wall",       "right wall",
                                "front wall",   "back wall",        "machine",         "front of machine",
                                "floor of pit", "back wall of pit", "left wall of pit", "right wall of pit"};
    for (const char* surface : surfaces) EXPECT_EQ(addClashLine(*s, surface), 0);
    EXPECT_EQ(s->clashLineCount, 10);
    EXPECT_EQ(testing::clashLine(*s, 0), "Machine: M1  Pipe hitting floor during bend 1.\n");
    EXPECT_EQ(testing::clashLine(*s, 9), "Machine: M1  Pipe hitting back wall of pit during bend 1.\n");
}

}  // namespace
}  // namespace kwarel
