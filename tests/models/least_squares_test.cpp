// Tests for the least-squares solve with each row's leverage, by hand.
#include "models/least_squares.h"

#include <gtest/gtest.h>

namespace {

// Leverages of a straight line through x = 0, 1, 2 by hand: 1/n + (x − x̄)² /
// Σ(x − x̄)², that is 5/6, 1/3, 5/6; they sum to the number of columns.
TEST(LeastSquares, LeveragesOfAStraightLine)
{
    models::Matrix a{3, 2, {1, 0, 1, 1, 1, 2}};
    const auto fit = models::solveWithLeverages(a, {1, 2, 4});
    ASSERT_TRUE(fit);
    EXPECT_NEAR(fit->leverages[0], 5.0 / 6, 1e-14);
    EXPECT_NEAR(fit->leverages[1], 1.0 / 3, 1e-14);
    EXPECT_NEAR(fit->leverages[2], 5.0 / 6, 1e-14);
    EXPECT_NEAR(fit->x[0], 5.0 / 6, 1e-14); // y = 5/6 + 3/2 x by hand
    EXPECT_NEAR(fit->x[1], 1.5, 1e-14);
}

} // namespace
