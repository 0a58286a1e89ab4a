// Tests of the checks a datasheet table goes through before and after a fit:
// every clean table in data/ (and thinned copies of it) passes without a
// word, and each corruption of a copy is caught at its own row. Expected
// errors come from a separate solve in exact rational arithmetic (Python's
// fractions), the kept-R0 B likewise, the leverages of a straight line by
// hand, Marlin's 2^N − 1 counts from its published temptable_5.
#include "models/adc_table.h"
#include "models/divider.h"
#include "models/firmware_text.h"
#include "models/least_squares.h"
#include "models/quantity.h"
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

TEST(TableFit, BetaWithR0KeptFitsBAlone)
{
    // Exact points of R = 10 kΩ · exp(3435 (1/T − 1/298.15)): B comes back.
    std::vector<TablePoint> exact;
    for (double c : {0.0, 50.0, 100.0})
        exact.push_back({c + 273.15, 10000 * std::exp(3435 * (1 / (c + 273.15) - 1 / 298.15))});
    const auto fit = models::fitTable(exact, models::FitRequest{models::FitKind::beta, 298.15, 10000});
    EXPECT_NEAR(fit.beta.beta, 3435, 1e-9);
    EXPECT_EQ(fit.beta.r0, 10000);
    // The Murata table with its R25 kept: B = 3432.97 K (exact rational solve).
    const auto murata = models::fitTable(loadTable("murata_ncp15xh103.csv"),
                                         models::FitRequest{models::FitKind::beta, 298.15, 10000});
    EXPECT_NEAR(murata.beta.beta, 3432.97033, 1e-4);
    EXPECT_NEAR(murata.maxErrorKelvin, 3.80281, 1e-4);
    models_test::expectFailure(
        [&] { models::fitTable(exact, models::FitRequest{models::FitKind::beta, 298.15, -1}); },
        models::ModelFailureKind::ratioNotPositive);
}

TEST(TableFit, PointsWithinARange)
{
    const auto points = loadTable("murata_ncp15xh103.csv");
    const auto within = models::pointsWithin(points, 273.15, 323.15);
    ASSERT_EQ(within.size(), 11u); // 0, 5, ..., 50 °C
    EXPECT_EQ(within.front().ohms, 27219);
    EXPECT_EQ(within.back().ohms, 4161);
}

// Murata states B25/85 = 3435 K for the NCP15XH103; its own table gives it
// back between those rows.
TEST(TableChecks, EndToEndBOfTwoRows)
{
    const std::vector<TablePoint> rows{{358.15, 1452}, {298.15, 10000}};
    EXPECT_NEAR(models::endToEndB(rows), 3435, 1);
    EXPECT_TRUE(std::isnan(models::endToEndB(std::vector<TablePoint>{{298.15, 10000}})));
}

TEST(Plausibility, KelvinLookingValuesAndNtcB)
{
    const struct {
        double value;
        bool kelvin;
    } values[] = {{298.15, true}, {273.15, true}, {173.15, true}, {773.15, true}, {233.15, true},
                  {25, false},    {298.1, false}, {298.16, false}, {173.14, false}, {773.16, false},
                  {800.15, false}, {-25.15, false}, {25.15, false}};
    for (const auto& v : values) EXPECT_EQ(models::looksLikeKelvin(v.value), v.kelvin) << v.value;
    for (double b : {1500.0, 3435.0, 7000.0}) EXPECT_TRUE(models::isNtcB(b)) << b;
    for (double b : {1499.0, 11335.8, -3995.0, 0.0, std::nan("")}) EXPECT_FALSE(models::isNtcB(b)) << b;
}

// Marlin's temptable_5 (Semitec 104GT-2, 4.7 kΩ pull-up) was made with the
// 10-bit full scale taken as 1023: with FullScale::powerOfTwoLessOne every
// published count comes back.
TEST(Divider, MarlinsPublishedCountsWithTheFullScaleTheyUsed)
{
    const struct {
        double ohms;
        unsigned marlin;
    } rows[] = {{80.65, 17},   {174.0, 37},  {439.3, 87},   {1360, 230},   {1758, 278},   {5556, 554},
                {7686, 635},   {10800, 713}, {15440, 784},  {22510, 846},  {33490, 897},  {50960, 937},
                {79360, 966},  {126800, 986}, {208600, 1000}, {353700, 1010}};
    models::Divider marlin{models::ThermistorSide::low, 4700, 0, std::numeric_limits<double>::infinity(), 10, 5.0};
    marlin.fullScale = models::FullScale::powerOfTwoLessOne;
    for (const auto& r : rows) EXPECT_EQ(models::adcCount(marlin, r.ohms), r.marlin) << r.ohms;
    // The code's resistance at that scale by hand: 4700 · 512 / (1023 − 512).
    EXPECT_NEAR(models::thermistorOhmsAtCount(marlin, 512), 4700.0 * 512 / 511, 1e-9);
}

TEST(AdcTable, RowsLeftOutAreNamedByTemperature)
{
    const models::Divider divider{models::ThermistorSide::low, 10000, 0, std::numeric_limits<double>::infinity(), 4};
    const std::vector<double> celsius{-60, 25, 25.1, 200};
    const auto table = models::adcTableAt(models::BetaModel{10000, 3435}, divider, celsius);
    // 4 bits, 16 · R / (R + 10 kΩ) by hand: -60 °C reads 15.8 (the top rail),
    // 200 °C 0.22 (the bottom one);
    // 25 and 25.1 °C share code 8.
    EXPECT_EQ(table.railCelsius, (std::vector<double>{200, -60}));
    ASSERT_EQ(table.mergedCelsius.size(), 1u);
    EXPECT_TRUE(table.mergedCelsius[0] == 25 || table.mergedCelsius[0] == 25.1);
}

TEST(FirmwareText, CHeadersHaveAnIncludeGuard)
{
    models::AdcTable table;
    table.rows.push_back({23, 23.1, 350.04, 80, 0.1, 2.0});
    models::CTableStyle style;
    style.identifier = "hot_end";
    const std::string c = models::adcTableC(table, style);
    EXPECT_NE(c.find("#ifndef HOT_END_H\n#define HOT_END_H\n"), std::string::npos) << c;
    EXPECT_TRUE(c.ends_with("};\n\n#endif /* HOT_END_H */\n")) << c;
    style.identifier = "_table";
    EXPECT_NE(models::adcTableC(table, style).find("#ifndef TABLE_H\n"), std::string::npos);
}

} // namespace
