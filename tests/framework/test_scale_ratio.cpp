// The ratio that takes a length kept at one scale to another: taken only when it and its inverse
// are finite numbers above 0.
#include <gtest/gtest.h>

#include <cmath>

#include "framework/NumberText.h"

namespace {

TEST(ScaleRatio, BothWaysFiniteAndAboveZero) {
    double ratio = -1;
    ASSERT_TRUE(numtext::Ratio(1000, 500, &ratio));
    EXPECT_EQ(2, ratio);
    ASSERT_TRUE(numtext::Ratio(1000, 1e-300, &ratio));
    EXPECT_DOUBLE_EQ(1e303, ratio);
    ASSERT_TRUE(numtext::Ratio(1000, 3e38, &ratio));
    EXPECT_DOUBLE_EQ(1000 / 3e38, ratio);

    // 1000 / 9e-307 is 1.1e309; 1.7e308 / 1e-10, the way back from 5.9e-319, is 1.7e318; 1e-300 /
    // 3e38 is too small to tell from 0.
    ratio = 7;
    for (const auto& [from, to] : {std::pair<double, double>{1000, 9e-307},
                                   {1e-10, 1.7e308},
                                   {1e-300, 3e38},
                                   {0, 500},
                                   {500, 0},
                                   {-1000, 500},
                                   {1000, -500},
                                   {NAN, 500},
                                   {500, NAN},
                                   {INFINITY, 500},
                                   {500, INFINITY}})
        EXPECT_FALSE(numtext::Ratio(from, to, &ratio)) << from << " / " << to;
    EXPECT_EQ(7, ratio);
}

}  // namespace
