// Tests for the Steinhart-Hart fit and model against a published set and
// values computed by hand at 50 significant digits, never by the code under test.
#include "model_checks.h"
#include "models/steinhart_hart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

using models::ModelFailureKind;
using models_test::expectFailure;
using models_test::kPublished;
using models_test::near;

// ---------------------------------------------------------------------------
// Steinhart-Hart.
TEST(FitSteinhartHart, PublishedFirmwareSet)
{
    // 25 degC / 100000, 150 degC / 1628, 250 degC / 205 give the published
    // A = 8.2649517014797e-4, B = 1.99562430992111e-4, C = 1.50702832891752e-7.
    const models::Reading p25{100000, 298.15}, p150{1628, 423.15}, p250{205, 523.15};
    for (const auto& [a, b, c] : {std::tuple{p25, p150, p250}, std::tuple{p250, p25, p150},
                                  std::tuple{p150, p250, p25}}) {
        const models::SteinhartHart fit = models::fitSteinhartHart(a, b, c);
        EXPECT_TRUE(near(fit.a, 8.2649517014797e-4, 1e-13));
        EXPECT_TRUE(near(fit.b, 1.99562430992111e-4, 1e-13));
        EXPECT_TRUE(near(fit.c, 1.50702832891752e-7, 1e-12));
    }
}

TEST(FitSteinhartHart, NegativeCIsReturnedForTheCallerToJudge)
{
    // At 50 digits: A = -2.33721619460981e-3, B = 6.78956296651434e-4,
    // C = -1.30224830124523e-6.
    const models::SteinhartHart fit =
        models::fitSteinhartHart({200720, 279.15}, {57094, 295.15}, {28766, 310.15});
    EXPECT_TRUE(near(fit.a, -2.3372161946098094582e-3, 1e-11));
    EXPECT_TRUE(near(fit.b, 6.7895629665143414418e-4, 1e-11));
    EXPECT_TRUE(near(fit.c, -1.3022483012452321283e-6, 1e-10));
    EXPECT_LT(fit.c, 0);
}

TEST(FitSteinhartHart, Failures)
{
    expectFailure([] { models::fitSteinhartHart({1e5, 298.15}, {1e4, 298.15}, {1e3, 350}); },
                  ModelFailureKind::equalTemperatures);
    expectFailure([] { models::fitSteinhartHart({1e4, 298.15}, {1e4, 320}, {1e3, 350}); },
                  ModelFailureKind::equalResistances);
    expectFailure([] { models::fitSteinhartHart({0, 298.15}, {1e4, 320}, {1e3, 350}); },
                  ModelFailureKind::ratioNotPositive);
    expectFailure([] { models::fitSteinhartHart({1e5, 0}, {1e4, 320}, {1e3, 350}); }, ModelFailureKind::absoluteZero);
    // ln 10 + ln 1 + ln 0.1 = 0: the system's determinant vanishes.
    expectFailure([] { models::fitSteinhartHart({10, 298.15}, {1, 320}, {0.1, 350}); }, ModelFailureKind::singularFit);
}


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
        EXPECT_TRUE(near(models::resistanceAt(kPublished, p.kelvin), p.ohms, 1e-13));
        EXPECT_TRUE(near(models::temperatureAt(kPublished, p.ohms), p.kelvin, 1e-14));
        EXPECT_TRUE(near(models::alphaAt(kPublished, p.kelvin), p.alpha, 1e-12));
    }
    // The fit's own points: 1628 ohm is 150 degC (423.149999999999985 at 50 digits).
    EXPECT_TRUE(near(models::temperatureAt(kPublished, 1628), 423.15, 1e-14));
}

TEST(SteinhartHartModel, NoValueOffTheCurve)
{
    expectFailure([] { models::temperatureAt(kPublished, 0); }, ModelFailureKind::ratioNotPositive);
    expectFailure([] { models::resistanceAt(kPublished, -1); }, ModelFailureKind::belowAbsoluteZero);
    // With C < 0 the curve's 1/T peaks at ln R = 13.19: -40 degC lies beyond.
    const models::SteinhartHart negative{-2.33721619460982e-3, 6.78956296651436e-4, -1.30224830124524e-6};
    expectFailure([&] { models::resistanceAt(negative, 233.15); }, ModelFailureKind::outsideModel);
    EXPECT_TRUE(near(models::resistanceAt(negative, 295.15), 57094, 1e-9));
}

} // namespace
