#include <gtest/gtest.h>

#include <cmath>

#include "store/vectors.h"

namespace kwarel {
namespace {

TEST(VectorAngle, DescribedAngles) {
    EXPECT_EQ(vectorAngle(1, 0, 0, 2, 0, 0), 0);
    EXPECT_EQ(vectorAngle(1, 0, 0, -3, 0, 0), 180);  // arccos(-1) x 57.2958 = 180.00006
    EXPECT_EQ(vectorAngle(1, 0, 0, 0, 5, 0), 90);
    EXPECT_EQ(vectorAngle(1, 0, 0, 1, 1, 0), 45);
    EXPECT_EQ(vectorAngle(0, 0, 1, 0, 1, 1), 45);
    // 57.2958 instead of 180/pi: a 60-degree angle comes to 60.0000 and
    // truncates to 60; 120 degrees to 120.0001.
    EXPECT_EQ(vectorAngle(1, 0, 0, 0.5, std::sqrt(3.0) / 2, 0), 60);
    EXPECT_EQ(vectorAngle(1, 0, 0, -0.5, std::sqrt(3.0) / 2, 0), 120);
}

TEST(VectorAngle, ZeroVectorCountsAsOpposite) {
    EXPECT_EQ(vectorAngle(0, 0, 0, 1, 0, 0), 180);
    EXPECT_EQ(vectorAngle(1, 0, 0, 0, 0, 0), 180);
}

TEST(VectorHelpers, CrossProductAndNormalize) {
    double c1, c2, c3;
    crossProduct(1, 0, 0, 0, 1, 0, c1, c2, c3);
    EXPECT_EQ(c1, 0.0);
    EXPECT_EQ(c2, 0.0);
    EXPECT_EQ(c3, 1.0);
    crossProduct(0, 1, 0, 1, 0, 0, c1, c2, c3);
    EXPECT_EQ(c3, -1.0);

    double x, y, z;
    normalizeVector(3, 0, 4, x, y, z);
    EXPECT_DOUBLE_EQ(x, 0.6);
    EXPECT_DOUBLE_EQ(y, 0.0);
    EXPECT_DOUBLE_EQ(z, 0.8);
    normalizeVector(0, 0, 0, x, y, z);
    EXPECT_TRUE(std::isnan(x) && std::isnan(y) && std::isnan(z));
}

}  // namespace
}  // namespace kwarel
