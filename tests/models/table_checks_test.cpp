// Tests of the checks a datasheet table goes through before and after a fit:
// every clean table in data/ (and thinned copies of it) passes without a
// word, and each corruption of a copy is caught at its own row. Expected
// errors come from a separate solve in exact rational arithmetic (Python's
// fractions).
#include "models/table_checks.h"

#include "model_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

namespace {

using models::TableFaultKind;
using models::TablePoint;
using models_test::loadTable;

const char* const kCleanTables[] = {"murata_ncp15xh103.csv", "semitec_104gt2.csv", "tdk_b57861s_8016.csv",
                                    "vishay_ntcle100e3103.csv"};

// A resistance as a datasheet printing three significant digits has it.
double threeDigits(double ohms)
{
    const double unit = std::pow(10.0, std::floor(std::log10(ohms)) - 2);
    return std::round(ohms / unit) * unit;
}

// The rule may not cry wolf on any clean table, however coarse its steps,
// nor when its resistances are printed to three digits only (their rounding
// puts the worst row up to four times the typical one's error off, beyond
// the half kelvin).
TEST(TableChecks, CleanTablesAndThinnedCopiesPassWithoutAWord)
{
    for (const char* name : kCleanTables)
        for (bool rounded : {false, true}) {
        auto full = loadTable(name);
        if (rounded)
            for (TablePoint& p : full) p.ohms = threeDigits(p.ohms);
        for (std::size_t step = 1; step <= 6; ++step)
            for (std::size_t offset = 0; offset < step; ++offset) {
                SCOPED_TRACE(std::string(name) + (rounded ? " to three digits" : "") + " every " +
                             std::to_string(step) + " from " + std::to_string(offset));
                std::vector<TablePoint> points;
                for (std::size_t i = offset; i < full.size(); i += step) points.push_back(full[i]);
                EXPECT_TRUE(models::tableFaults(points, 4).faults.empty());
                EXPECT_TRUE(models::findOutliers(points).empty());
            }
        }
}

// Readings of a bath measured every 5 K with a thermometer that scatters
// ±0.4 K: no row stands out from the others, however large the scatter, as
// long as no row is ten times as far off as the typical one.
TEST(TableChecks, ScatterOfAMeasurementIsNoOutlier)
{
    std::vector<TablePoint> points;
    std::uint32_t state = 12345;
    for (int c = -20; c <= 120; c += 5) {
        state = state * 1664525u + 1013904223u; // a fixed pseudo-random sequence
        const double scatter = (double(state >> 8) / double(1u << 24) - 0.5) * 0.8;
        const double kelvin = c + 273.15;
        points.push_back({kelvin + scatter, 10000 * std::exp(3435 * (1 / kelvin - 1 / 298.15))});
    }
    EXPECT_TRUE(models::findOutliers(points).empty());
    points[10].kelvin += 5; // a row 5 K off among them is named
    const auto outliers = models::findOutliers(points);
    ASSERT_EQ(outliers.size(), 1u);
    EXPECT_EQ(outliers[0].row, 10u);
}

// A copy of the Murata table with one corruption, and where it must be caught.
struct Corruption {
    const char* name;
    std::function<void(std::vector<TablePoint>&)> apply;
    TableFaultKind fault;      // ignored when `outlierAt` is set
    double faultAtCelsius;     // the row named at fault, by its temperature
    double outlierAtCelsius;   // NaN: no outlier expected
};

std::size_t rowAt(const std::vector<TablePoint>& points, double celsius)
{
    for (std::size_t i = 0; i < points.size(); ++i)
        if (std::fabs(points[i].kelvin - 273.15 - celsius) < 1e-9) return i;
    ADD_FAILURE() << "no row at " << celsius;
    return 0;
}

void setOhms(std::vector<TablePoint>& p, double celsius, double ohms) { p[rowAt(p, celsius)].ohms = ohms; }

const double kNone = std::nan("");

const Corruption kCorruptions[] = {
    {"an extra zero (70 °C: 2228 -> 22280)", [](auto& p) { setOhms(p, 70, 22280); }, TableFaultKind::notFalling, 70,
     kNone},
    {"a lost decimal point (85 °C: 1452 -> 14520)", [](auto& p) { setOhms(p, 85, 14520); },
     TableFaultKind::notFalling, 85, kNone},
    {"a lost minus sign (-20 -> 20)", [](auto& p) { p[rowAt(p, -20)].kelvin = 293.15; },
     TableFaultKind::repeatedTemperature, 20, kNone},
    {"a temperature written twice with another R", [](auto& p) { p.insert(p.begin() + 20, {323.15, 4200, 99}); },
     TableFaultKind::repeatedTemperature, 50, kNone},
    {"two resistances swapped (10 and 15 °C)",
     [](auto& p) { std::swap(p[rowAt(p, 10)].ohms, p[rowAt(p, 15)].ohms); }, TableFaultKind::notFalling, 10, kNone},
    {"two digits transposed (20 °C: 12081 -> 12801)", [](auto& p) { setOhms(p, 20, 12801); },
     TableFaultKind::tooFewRows, kNone, 20},
    {"an extra zero at the cold end, where the fall still holds", [](auto& p) { setOhms(p, -40, 1956520); },
     TableFaultKind::tooFewRows, kNone, -40},
    {"the columns of a PTC, or swapped", [](auto& p) {
         for (std::size_t i = 0, j = p.size() - 1; i < j; ++i, --j) std::swap(p[i].ohms, p[j].ohms);
     },
     TableFaultKind::risingThroughout, -40, kNone},
};

TEST(TableChecks, EachCorruptionOfADatasheetTableIsNamedAtItsRow)
{
    for (const Corruption& c : kCorruptions) {
        SCOPED_TRACE(c.name);
        auto points = loadTable("murata_ncp15xh103.csv");
        c.apply(points);
        const models::TableFaults faults = models::tableFaults(points, 3);
        if (std::isnan(c.outlierAtCelsius)) {
            ASSERT_FALSE(faults.faults.empty());
            EXPECT_EQ(faults.faults[0].kind, c.fault);
            EXPECT_NEAR(points[faults.faults[0].row].kelvin - 273.15, c.faultAtCelsius, 1e-9);
            continue;
        }
        EXPECT_TRUE(faults.faults.empty());
        const auto outliers = models::findOutliers(points);
        ASSERT_EQ(outliers.size(), 1u);
        EXPECT_NEAR(points[outliers[0].row].kelvin - 273.15, c.outlierAtCelsius, 1e-9);
    }
}

// On the Vishay table, whose rows lie within 0.01 K of the curve, a slip of
// a quarter kelvin is still too small to name (1.2 % at 25 °C, where the
// part's α is 4.4 %/K); one of 0.9 K (4 %) is named.
TEST(TableChecks, OnlySlipsAboveHalfAKelvinAreNamed)
{
    for (const auto& [factor, named] : {std::pair{1.012, false}, std::pair{1.04, true}}) {
        auto points = loadTable("vishay_ntcle100e3103.csv");
        points[rowAt(points, 25)].ohms *= factor;
        EXPECT_EQ(models::findOutliers(points).size(), named ? 1u : 0u) << factor;
    }
}

TEST(TableChecks, TooFewRowsForTheModel)
{
    const std::vector<TablePoint> three{{273.15, 32650, 2}, {298.15, 10000, 3}, {323.15, 3603, 4}};
    const auto faults = models::tableFaults(three, 4);
    ASSERT_EQ(faults.faults.size(), 1u);
    EXPECT_EQ(faults.faults[0].kind, TableFaultKind::tooFewRows);
    EXPECT_EQ(faults.faults[0].distinct, 3u);
    EXPECT_EQ(faults.faults[0].needed, 4u);
    EXPECT_TRUE(models::tableFaults(three, 3).faults.empty());
}

TEST(TableChecks, ManyFaultsNameTenAndCountTheRest)
{
    std::vector<TablePoint> points;
    for (int i = 0; i < 40; ++i) points.push_back({273.15 + i, i % 2 == 0 ? 10000.0 - i : 20000.0 - i, std::size_t(i)});
    const auto faults = models::tableFaults(points, 3);
    EXPECT_EQ(faults.faults.size(), models::kMaxNamedFaults);
    EXPECT_EQ(faults.faults.size() + faults.unnamed, 20u);
}

// The error the outlier test gives a row is the error of a four-term fit
// through the other rows: 1.5421 K for the transposed digits, from an exact
// rational solve without that row.
TEST(TableChecks, AnOutliersErrorIsThatOfAFitWithoutIt)
{
    auto points = loadTable("murata_ncp15xh103.csv");
    setOhms(points, 20, 12801);
    const auto outliers = models::findOutliers(points);
    ASSERT_EQ(outliers.size(), 1u);
    EXPECT_NEAR(outliers[0].errorKelvin, -1.54213, 1e-4);
    EXPECT_GT(outliers[0].typicalKelvin, 0.0);
    EXPECT_LT(outliers[0].typicalKelvin, 0.1);
}

// Murata states B25/85 = 3435 K for the NCP15XH103; its own table gives it
// back between those rows.
TEST(TableChecks, EndToEndBOfTwoRows)
{
    const std::vector<TablePoint> rows{{358.15, 1452}, {298.15, 10000}};
    EXPECT_NEAR(models::endToEndB(rows), 3435, 1);
    EXPECT_TRUE(std::isnan(models::endToEndB(std::vector<TablePoint>{{298.15, 10000}})));
}

} // namespace
