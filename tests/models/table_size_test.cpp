// Tests for a table's size: interpolation between its rows at every code,
// the fewest rows within a bound (as the rows are stored), a stepped
// table's error by the tests' own inverse (circuit_checks.h).
#include "models/table_size.h"

#include "circuit_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

using models::Divider;
using models::ThermistorSide;
using models_test::betaCelsius;
using models_test::betaOhms;

constexpr double kNone = std::numeric_limits<double>::infinity();

// A table with a row at every code interpolates to the model exactly; rows
// apart err, and the fewest rows within a bound keep it at every code.
TEST(TableSize, InterpolationAtEveryCode)
{
    const models::ThermistorModel part = models::BetaModel{10000, 3435};
    const Divider divider{ThermistorSide::low, 10000, 0, kNone, 12};
    const auto everyCount = models::adcTablePerCount(part, divider, -40, 125);
    EXPECT_EQ(models::interpolationError(models::storedRows(everyCount, 0), part, divider).kelvin, 0);
    for (const double bound : {0.05, 0.12, 0.5}) {
        const auto rows = models::fewestRows(everyCount, bound, 0.01);
        ASSERT_GE(rows.size(), 2u);
        EXPECT_EQ(rows.front().count, everyCount.rows.front().count);
        EXPECT_EQ(rows.back().count, everyCount.rows.back().count);
        // Every code between two rows, by the test's own beta inverse.
        double worst = 0;
        for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
            const double t0 = std::round(rows[i].celsius * 100) / 100, t1 = std::round(rows[i + 1].celsius * 100) / 100;
            for (std::uint32_t c = rows[i].count; c <= rows[i + 1].count; ++c) {
                const double f = c / 4096.0;
                const double truth = betaCelsius(10000, 3435, 10000 * f / (1 - f));
                const double line = t0 + (t1 - t0) * (c - rows[i].count) / double(rows[i + 1].count - rows[i].count);
                worst = std::max(worst, std::fabs(line - truth));
            }
        }
        EXPECT_LE(worst, bound + 1e-9) << bound;
        EXPECT_GT(worst, bound / 2) << bound; // not far more rows than needed
    }
    // Finer than the stored step holds: refused.
    EXPECT_TRUE(models::fewestRows(everyCount, 0.4, 1).empty());
}

// Whole degrees, as Marlin stores them: the bound holds for the rows as
// stored, each temperature rounded, not as computed.
TEST(TableSize, BoundHoldsForTheRowsAsStored)
{
    const models::ThermistorModel part = models::BetaModel{100000, 4267};
    const Divider divider{ThermistorSide::low, 4700, 0, kNone, 10};
    const auto everyCount = models::adcTablePerCount(part, divider, 0, 300);
    const auto rows = models::fewestRows(everyCount, 0.6, 1);
    ASSERT_GE(rows.size(), 2u);
    double worst = 0;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        const double t0 = std::round(rows[i].celsius), t1 = std::round(rows[i + 1].celsius);
        for (std::uint32_t c = rows[i].count; c <= rows[i + 1].count; ++c) {
            const double f = c / 1024.0;
            const double line = t0 + (t1 - t0) * (c - rows[i].count) / double(rows[i + 1].count - rows[i].count);
            worst = std::max(worst, std::fabs(line - betaCelsius(100000, 4267, 4700 * f / (1 - f))));
        }
    }
    EXPECT_LE(worst, 0.6 + 1e-9);
}

// Rows 10 K apart from 0 to 100 °C, counts rounded as a table holds them:
// the error at every code, by the test's own inverse.
TEST(TableSize, ErrorOfASteppedTable)
{
    const models::ThermistorModel part = models::BetaModel{10000, 3435};
    const Divider divider{ThermistorSide::low, 10000, 0, kNone, 12};
    std::vector<models::StoredRow> rows;
    for (int t = 100; t >= 0; t -= 10) {
        const double r = betaOhms(10000, 3435, t);
        rows.push_back({std::uint32_t(std::lround(4096 * r / (r + 10000))), double(t)});
    }
    double worst = 0;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i)
        for (std::uint32_t c = rows[i].count; c <= rows[i + 1].count; ++c) {
            const double f = c / 4096.0;
            const double line = rows[i].celsius + (rows[i + 1].celsius - rows[i].celsius) * (c - rows[i].count) /
                                                      double(rows[i + 1].count - rows[i].count);
            worst = std::max(worst, std::fabs(line - betaCelsius(10000, 3435, 10000 * f / (1 - f))));
        }
    EXPECT_NEAR(models::interpolationError(rows, part, divider).kelvin, worst, 1e-9);
    EXPECT_GT(worst, 0.3);
}

} // namespace
