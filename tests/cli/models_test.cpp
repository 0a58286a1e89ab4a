// Tests for the thermistor models against published data: datasheet B
// values, a published Steinhart-Hart set, and values computed by hand at
// 50 significant digits (Python's decimal module), never by the code under test.
#include "calc/b_value.h"
#include "calc/rt_table.h"
#include "calc/steinhart_hart.h"
#include "calc/thermistor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using calc::ModelFailure;
using calc::ModelFailureKind;

// Relative closeness, for values that went through exp/log.
::testing::AssertionResult near(double actual, double expected, double relative)
{
    if (std::fabs(actual - expected) <= std::fabs(expected) * relative) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not within " << relative << " of " << expected;
}

template <typename F>
void expectFailure(F&& f, ModelFailureKind kind)
{
    try {
        f();
        ADD_FAILURE() << "no failure";
    } catch (const ModelFailure& failure) {
        EXPECT_EQ(failure.kind(), kind) << failure.what();
    }
}

// ---------------------------------------------------------------------------
// B from two readings: datasheet values, to the datasheet's rounding.
struct DatasheetB {
    double r1, t1, r2, t2;
    double datasheet;     // as printed, whole kelvin
    double exact;         // at 50 digits
    const char* name;
    const char* part;
};

const DatasheetB kDatasheet[] = {
    {100000, 25, 33195, 50, 4250, 4249.9544169991136543693, "B25/50", "Murata NCP03WF104"},
    {100000, 25, 8873, 85, 4311, 4310.7302749354796704152, "B25/85", "Murata NCP03WF104"},
    {100000, 25, 5384, 100, 4334, 4334.0942715554534110114, "B25/100", "Murata NCP03WF104"},
    {10000, 25, 1451, 85, 3435, 3435.4256651033619110128, "B25/85", "Semitec 103AT-2"},
    {10000, 25, 1000, 100, 3416, 3415.6446723257946270061, "B25/100", "the window's example"},
};

TEST(MeasureB, DatasheetValues)
{
    for (const DatasheetB& c : kDatasheet) {
        SCOPED_TRACE(c.part);
        const calc::MeasuredB b = calc::measureB(c.r1, c.t1, c.r2, c.t2, true);
        EXPECT_EQ(std::round(b.value), c.datasheet);
        EXPECT_TRUE(near(b.value, c.exact, 1e-13));
        EXPECT_EQ(calc::betaName(b.t1Kelvin, b.t2Kelvin), c.name);
        // The window's own arithmetic, to the last bit.
        EXPECT_EQ(b.value, calc::computeB(c.r1, c.r2, c.t1, c.t2, true));
    }
}

struct FailingB {
    double r1, t1, r2, t2;
    bool celsius;
    ModelFailureKind kind;
    const char* guards;
};

const FailingB kFailingB[] = {
    {10000, 25, 1000, 25, true, ModelFailureKind::equalTemperatures, "equal temperatures"},
    {10000, 0, 1000, 100, false, ModelFailureKind::absoluteZero, "0 K"},
    {10000, -273.15, 1000, 100, true, ModelFailureKind::absoluteZero, "-273.15 degC is 0 K"},
    {10000, -300, 1000, 100, true, ModelFailureKind::belowAbsoluteZero, "below 0 K"},
    {10000, -5, 1000, 100, false, ModelFailureKind::belowAbsoluteZero, "negative kelvin"},
    {10000, 25, -1000, 100, true, ModelFailureKind::ratioNotPositive, "opposite signs"},
    {0, 25, 1000, 100, true, ModelFailureKind::ratioNotPositive, "R1 of 0"},
    {10000, 25, 0, 100, true, ModelFailureKind::ratioNotPositive, "R2 of 0"},
    {1e300, 25, 1e-300, 100, true, ModelFailureKind::overflow, "ratio beyond range"},
    {1e308, 1e-300, 1e-8, 2e-300, false, ModelFailureKind::overflow, "quotient beyond range"},
};

TEST(MeasureB, EachFailureHasItsKind)
{
    for (const FailingB& c : kFailingB) {
        SCOPED_TRACE(c.guards);
        expectFailure([&] { calc::measureB(c.r1, c.t1, c.r2, c.t2, c.celsius); }, c.kind);
    }
}

// ---------------------------------------------------------------------------
// Steinhart-Hart.
TEST(FitSteinhartHart, PublishedFirmwareSet)
{
    // 25 degC / 100000, 150 degC / 1628, 250 degC / 205 give the published
    // A = 8.2649517014797e-4, B = 1.99562430992111e-4, C = 1.50702832891752e-7.
    const calc::Reading p25{100000, 298.15}, p150{1628, 423.15}, p250{205, 523.15};
    for (const auto& [a, b, c] : {std::tuple{p25, p150, p250}, std::tuple{p250, p25, p150},
                                  std::tuple{p150, p250, p25}}) {
        const calc::SteinhartHart fit = calc::fitSteinhartHart(a, b, c);
        EXPECT_TRUE(near(fit.a, 8.2649517014797e-4, 1e-13));
        EXPECT_TRUE(near(fit.b, 1.99562430992111e-4, 1e-13));
        EXPECT_TRUE(near(fit.c, 1.50702832891752e-7, 1e-12));
    }
}

TEST(FitSteinhartHart, NegativeCIsReturnedForTheCallerToJudge)
{
    // At 50 digits: A = -2.33721619460981e-3, B = 6.78956296651434e-4,
    // C = -1.30224830124523e-6.
    const calc::SteinhartHart fit =
        calc::fitSteinhartHart({200720, 279.15}, {57094, 295.15}, {28766, 310.15});
    EXPECT_TRUE(near(fit.a, -2.3372161946098094582e-3, 1e-11));
    EXPECT_TRUE(near(fit.b, 6.7895629665143414418e-4, 1e-11));
    EXPECT_TRUE(near(fit.c, -1.3022483012452321283e-6, 1e-10));
    EXPECT_LT(fit.c, 0);
}

TEST(FitSteinhartHart, Failures)
{
    expectFailure([] { calc::fitSteinhartHart({1e5, 298.15}, {1e4, 298.15}, {1e3, 350}); },
                  ModelFailureKind::equalTemperatures);
    expectFailure([] { calc::fitSteinhartHart({1e4, 298.15}, {1e4, 320}, {1e3, 350}); },
                  ModelFailureKind::equalResistances);
    expectFailure([] { calc::fitSteinhartHart({0, 298.15}, {1e4, 320}, {1e3, 350}); },
                  ModelFailureKind::ratioNotPositive);
    expectFailure([] { calc::fitSteinhartHart({1e5, 0}, {1e4, 320}, {1e3, 350}); }, ModelFailureKind::absoluteZero);
    // ln 10 + ln 1 + ln 0.1 = 0: the system's determinant vanishes.
    expectFailure([] { calc::fitSteinhartHart({10, 298.15}, {1, 320}, {0.1, 350}); }, ModelFailureKind::singularFit);
}

const calc::SteinhartHart kPublished{8.2649517014797e-4, 1.99562430992111e-4, 1.50702832891752e-7};

struct ShPoint {
    double kelvin, ohms, alpha;
    const char* guards;
};

// R and alpha at 50 digits by bisection on ln R with the published set.
const ShPoint kShPoints[] = {
    {298.15, 99999.999999999834649535, -4.3352351303562503289, "25 degC"},
    {373.15, 6481.6336333631860545226, -3.0640531283418020234, "100 degC"},
    {233.15, 2866521.3232469609774641, -6.1420607591972958773, "-40 degC"},
};

TEST(SteinhartHartModel, ResistanceTemperatureAndAlpha)
{
    for (const ShPoint& p : kShPoints) {
        SCOPED_TRACE(p.guards);
        EXPECT_TRUE(near(calc::resistanceAt(kPublished, p.kelvin), p.ohms, 1e-13));
        EXPECT_TRUE(near(calc::temperatureAt(kPublished, p.ohms), p.kelvin, 1e-14));
        EXPECT_TRUE(near(calc::alphaAt(kPublished, p.kelvin), p.alpha, 1e-12));
    }
    // The fit's own points: 1628 ohm is 150 degC (423.149999999999985 at 50 digits).
    EXPECT_TRUE(near(calc::temperatureAt(kPublished, 1628), 423.15, 1e-14));
}

TEST(SteinhartHartModel, NoValueOffTheCurve)
{
    expectFailure([] { calc::temperatureAt(kPublished, 0); }, ModelFailureKind::ratioNotPositive);
    expectFailure([] { calc::resistanceAt(kPublished, -1); }, ModelFailureKind::belowAbsoluteZero);
    // With C < 0 the curve's 1/T peaks at ln R = 13.19: -40 degC lies beyond.
    const calc::SteinhartHart negative{-2.33721619460982e-3, 6.78956296651436e-4, -1.30224830124524e-6};
    expectFailure([&] { calc::resistanceAt(negative, 233.15); }, ModelFailureKind::outsideModel);
    EXPECT_TRUE(near(calc::resistanceAt(negative, 295.15), 57094, 1e-9));
}

// ---------------------------------------------------------------------------
// The beta model.
TEST(BetaModel, ResistanceTemperatureAndAlpha)
{
    const calc::BetaModel model{10000, 3435};
    // 10000 · exp(3435 · (1/358.15 − 1/298.15)) at 50 digits.
    EXPECT_TRUE(near(calc::resistanceAt(model, 358.15), 1451.3470874245444058258, 1e-13));
    EXPECT_TRUE(near(calc::temperatureAt(model, 1451), 358.15893168768845033630, 1e-14));
    EXPECT_TRUE(near(calc::alphaAt(model, 298.15), -3.8641779148507866260, 1e-14));
    EXPECT_EQ(calc::resistanceAt(model, 298.15), 10000);
    expectFailure([&] { calc::resistanceAt(model, 0); }, ModelFailureKind::absoluteZero);
    expectFailure([&] { calc::resistanceAt(model, 1e-300); }, ModelFailureKind::overflow);
    expectFailure([&] { calc::temperatureAt(model, -5); }, ModelFailureKind::ratioNotPositive);
    // ln(R/R0)/B = -1/T0 at R = R0·exp(-B/T0) ≈ 0.1 ohm: no finite temperature below it.
    expectFailure([&] { calc::temperatureAt(model, 1e-6); }, ModelFailureKind::outsideModel);
}

// ---------------------------------------------------------------------------
// Table ranges.
struct RangeCase {
    calc::TableRange range;
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
        const auto temperatures = calc::tableTemperatures(c.range);
        ASSERT_EQ(temperatures.size(), c.rows);
        if (c.rows == 0) continue;
        EXPECT_NEAR(temperatures.back(), c.last, 1e-12);
        EXPECT_EQ(temperatures.front(), c.range.fromCelsius);
    }
    EXPECT_EQ(calc::tableTemperatures({-0.3, 0.3, 0.1})[3], 0.0);
}

TEST(TableRow, EitherModel)
{
    const calc::TableRow beta = calc::tableRow(calc::BetaModel{10000, 3435}, 85);
    EXPECT_TRUE(near(beta.ohms, 1451.3470874245444058258, 1e-13));
    // -3435 / 358.15² · 100 at 50 digits.
    EXPECT_TRUE(near(beta.alphaPercentPerKelvin, -2.6779152620686030047, 1e-14));
    const calc::TableRow sh = calc::tableRow(kPublished, 100);
    EXPECT_TRUE(near(sh.ohms, 6481.6336333631860545226, 1e-13));
    EXPECT_EQ(sh.celsius, 100);
}

} // namespace
