// The progress bar's line: pieces done of total, elapsed time, estimate.
#include <gtest/gtest.h>

#include "progress.h"

namespace {

using kwarel::cli::ProgressBar;

TEST(ProgressBar, Line) {
    EXPECT_EQ(ProgressBar::line(0, 10, 1.2, 10), "[..........] 0/10 cut pieces, 0:01 elapsed");
    EXPECT_EQ(ProgressBar::line(5, 10, 30.0, 10), "[#####.....] 5/10 cut pieces, 0:30 elapsed, about 0:30 left");
    EXPECT_EQ(ProgressBar::line(1, 3, 3725.0, 6), "[##....] 1/3 cut pieces, 1:02:05 elapsed, about 2:04:10 left");
    EXPECT_EQ(ProgressBar::line(4, 4, 2.0, 4), "[####] 4/4 cut pieces, 0:02 elapsed");
    EXPECT_EQ(ProgressBar::line(0, 0, 2.0, 4), "[####] 0/0 cut pieces, 0:02 elapsed");
}

}  // namespace
