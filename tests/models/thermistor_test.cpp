// Tests for the beta model and the B measured from two readings, against
// datasheet B values and values computed by hand at 50 significant digits
// (Python's decimal module), never by the code under test.
#include "calc/b_value.h"
#include "model_checks.h"
#include "models/thermistor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using models::ModelFailureKind;
using models_test::expectFailure;
using models_test::near;

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
        const models::MeasuredB b = models::measureB(c.r1, c.t1, c.r2, c.t2, true);
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
    {10000, 1e-310, 1000, 2e-310, false, ModelFailureKind::overflow, "1/T beyond range"},
    // Neighbouring doubles whose reciprocals round to one double (0x1.0624dd2f1a9fbp-10).
    {10000, 1000.0000000000001, 1000, 1000.0000000000002, false, ModelFailureKind::equalTemperatures,
     "temperatures the formula cannot tell apart"},
};

TEST(MeasureB, EachFailureHasItsKind)
{
    for (const FailingB& c : kFailingB) {
        SCOPED_TRACE(c.guards);
        expectFailure([&] { models::measureB(c.r1, c.t1, c.r2, c.t2, c.celsius); }, c.kind);
    }
}

// ---------------------------------------------------------------------------
// The beta model.
TEST(BetaModel, ResistanceTemperatureAndAlpha)
{
    const models::BetaModel model{10000, 3435};
    // 10000 · exp(3435 · (1/358.15 − 1/298.15)) at 50 digits.
    EXPECT_TRUE(near(models::resistanceAt(model, 358.15), 1451.3470874245444058258, 1e-13));
    EXPECT_TRUE(near(models::temperatureAt(model, 1451), 358.15893168768845033630, 1e-14));
    EXPECT_TRUE(near(models::alphaAt(model, 298.15), -3.8641779148507866260, 1e-14));
    EXPECT_EQ(models::resistanceAt(model, 298.15), 10000);
    expectFailure([&] { models::resistanceAt(model, 0); }, ModelFailureKind::absoluteZero);
    expectFailure([&] { models::resistanceAt(model, 1e-300); }, ModelFailureKind::overflow);
    expectFailure([&] { models::temperatureAt(model, -5); }, ModelFailureKind::ratioNotPositive);
    // ln(R/R0)/B = -1/T0 at R = R0·exp(-B/T0) ≈ 0.1 ohm: no finite temperature below it.
    expectFailure([&] { models::temperatureAt(model, 1e-6); }, ModelFailureKind::outsideModel);
}

TEST(IsNtcB, TheRangeMakersState)
{
    for (double b : {1500.0, 3435.0, 7000.0}) EXPECT_TRUE(models::isNtcB(b)) << b;
    for (double b : {1499.0, 11335.8, -3995.0, 0.0, std::nan("")}) EXPECT_FALSE(models::isNtcB(b)) << b;
}

} // namespace
