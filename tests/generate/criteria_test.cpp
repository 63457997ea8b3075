#include <gtest/gtest.h>

#include <algorithm>

#include "generate/criteria.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

std::string row(const JobState& s, int level) {
    std::string text;
    for (int c = 0; c < 5; ++c) text += static_cast<char>('0' + s.search.criteriaLevels[level][c]);
    return text;
}

int32_t build(JobState& s, std::array<int32_t, 5> ranks) {
    std::copy(ranks.begin(), ranks.end(), s.options.TRIAL_CRITERION);
    return setTrialCriteriaOrder(s.options, s.search);
}

TEST(TrialCriteria, LevelsCountDownFromTheMostImportantCriterion) {
    auto s = testing::freshState();
    ASSERT_EQ(build(*s, {1, 2, 3, 4, 5}), 0);
    EXPECT_EQ(row(*s, 0), "11111");
    EXPECT_EQ(row(*s, 1), "11110");
    EXPECT_EQ(row(*s, 2), "11101");
    EXPECT_EQ(row(*s, 3), "11100");
    EXPECT_EQ(row(*s, 4), "11011");
    EXPECT_EQ(row(*s, 15), "10000");
    EXPECT_EQ(row(*s, 16), "01111");
    EXPECT_EQ(row(*s, 31), "00000");

    ASSERT_EQ(build(*s, {5, 4, 3, 2, 1}), 0);
    EXPECT_EQ(row(*s, 1), "01111");

    // Flags stay in criterion order: criterion 4 (rank 5) goes first, then 5 (rank 4).
    ASSERT_EQ(build(*s, {3, 1, 2, 5, 4}), 0);
    EXPECT_EQ(row(*s, 1), "11101");
    EXPECT_EQ(row(*s, 2), "11110");
    EXPECT_EQ(row(*s, 3), "11100");
}

TEST(TrialCriteria, InvalidRankingsBuildNothing) {
    auto s = testing::freshState();
    s->search.criteriaLevels[0][0] = 7;
    for (auto ranks : {std::array<int32_t, 5>{1, 2, 3, 4, 4}, std::array<int32_t, 5>{0, 1, 2, 3, 4},
                       std::array<int32_t, 5>{1, 2, 3, 4, 6}, std::array<int32_t, 5>{-1, 2, 3, 4, 5}}) {
        EXPECT_EQ(build(*s, ranks), -1);
    }
    EXPECT_EQ(s->search.criteriaLevels[0][0], 7);
}

}  // namespace
}  // namespace kwarel
