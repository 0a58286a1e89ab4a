// Tests for the table ranges and rows of either thermistor model; values
// computed by hand at 50 significant digits.
#include "model_checks.h"
#include "models/rt_table.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using models_test::kPublished;
using models_test::near;

// ---------------------------------------------------------------------------
// Table ranges.
struct RangeCase {
    models::TableRange range;
    std::size_t rows;
    double last;
    const char* guards;
};

const RangeCase kRanges[] = {
    {{-40, 125, 5}, 34, 125, "the usual firmware range"},
    {{0, 1, 0.1}, 11, 1, "a step that is not exact in binary still reaches the end"},
    {{-0.3, 0.3, 0.1}, 7, 0.3, "through zero"},
    {{25, 25, 1}, 1, 25, "one row"},
    {{0, 10, 3}, 4, 9, "the end is not a step"},
    {{10, 0, 1}, 0, 0, "from above to"},
    {{0, 10, 0}, 0, 0, "step 0"},
    {{0, 10, -1}, 0, 0, "negative step"},
    {{0, 1e9, 1}, 0, 0, "too many rows"},
};

TEST(TableRange, RowsAndEnds)
{
    for (const RangeCase& c : kRanges) {
        SCOPED_TRACE(c.guards);
        const auto temperatures = models::tableTemperatures(c.range);
        ASSERT_EQ(temperatures.size(), c.rows);
        if (c.rows == 0) continue;
        EXPECT_NEAR(temperatures.back(), c.last, 1e-12);
        EXPECT_EQ(temperatures.front(), c.range.fromCelsius);
    }
    EXPECT_EQ(models::tableTemperatures({-0.3, 0.3, 0.1})[3], 0.0);
}

TEST(TableRow, EitherModel)
{
    const models::TableRow beta = models::tableRow(models::BetaModel{10000, 3435}, 85);
    EXPECT_TRUE(near(beta.ohms, 1451.3470874245444058258, 1e-13));
    // -3435 / 358.15² · 100 at 50 digits.
    EXPECT_TRUE(near(beta.alphaPercentPerKelvin, -2.6779152620686030047, 1e-14));
    const models::TableRow sh = models::tableRow(kPublished, 100);
    EXPECT_TRUE(near(sh.ohms, 6481.6336333631860545226, 1e-13));
    EXPECT_EQ(sh.celsius, 100);
}

} // namespace
