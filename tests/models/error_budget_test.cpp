// Tests for the error budget: the tolerances' corners through the divider,
// the quantisation alone, a separate reference, self-heating by hand. The
// beta model and the divider are written out in the tests' own words
// (circuit_checks.h).
#include "models/error_budget.h"

#include "circuit_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using models::Divider;
using models::ThermistorSide;
using models_test::betaCelsius;
using models_test::betaOhms;
using models_test::resolutionByHand;

constexpr double kNone = std::numeric_limits<double>::infinity();

// One corner of the tolerances through the divider, in the test's words:
// the true part read through the nominal circuit and model.
double cornerError(double celsius, double r25Tol, double betaTol, double resistorTol)
{
    const double truth = betaOhms(10000 * (1 + r25Tol), 3435 * (1 + betaTol), celsius);
    const double pullUp = 10000 * (1 + resistorTol);
    const double fraction = truth / (truth + pullUp);
    return betaCelsius(10000, 3435, 10000 * fraction / (1 - fraction)) - celsius;
}

// A 10 kΩ, B 3435 part, 1 % R25, 1 % B, a 1 % 10 kΩ pull-up, 12 bits: the
// issue's 0.52 K at 25 °C and 1.76 K at 100 °C are the corners alone; half
// a count of quantisation comes on top.
TEST(ErrorBudget, CornersOfTheTolerances)
{
    const Divider divider{ThermistorSide::low, 10000, 0, kNone, 12};
    const models::Tolerances tolerances{0.01, 0.01, 0.01, 0, 0};
    const double at[] = {25, 100};
    const auto rows = models::errorBudget(models::BetaModel{10000, 3435}, divider, tolerances, 0, at);
    const double issue[] = {0.52, 1.76};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        double worst = 0, r25 = 0;
        for (const int a : {-1, 1})
            for (const int b : {-1, 1})
                for (const int c : {-1, 1}) worst = std::max(worst, std::fabs(cornerError(at[i], a * .01, b * .01, c * .01)));
        for (const int a : {-1, 1}) r25 = std::max(r25, std::fabs(cornerError(at[i], a * .01, 0, 0)));
        EXPECT_NEAR(rows[i].cornersKelvin, worst, 1e-9);
        EXPECT_NEAR(rows[i].cornersKelvin, issue[i], 0.005);
        EXPECT_NEAR(rows[i].r25Kelvin, r25, 1e-9);
        const double half = resolutionByHand(10000, 3435, 10000, 4096, at[i]) / 2;
        EXPECT_NEAR(rows[i].quantisationKelvin, half, 1e-12);
        EXPECT_NEAR(rows[i].worstKelvin, worst + half, 1e-9);
        EXPECT_EQ(rows[i].selfHeatingKelvin, 0);
    }
}

// With every tolerance 0 the error is exactly the quantisation.
TEST(ErrorBudget, NoToleranceLeavesTheQuantisation)
{
    const Divider divider{ThermistorSide::high, 4700, 0, kNone, 10, 5.0, 4.5};
    const double at[] = {-20, 25, 80};
    const auto rows = models::errorBudget(models::BetaModel{10000, 3950}, divider, {}, 0, at);
    for (const auto& row : rows) {
        EXPECT_NEAR(row.cornersKelvin, 0, 1e-9);
        EXPECT_NEAR(row.worstKelvin, row.quantisationKelvin, 1e-9);
        EXPECT_NEAR(row.rssKelvin, row.quantisationKelvin, 1e-9);
        EXPECT_GT(row.quantisationKelvin, 0);
    }
}

// A separate reference's tolerance counts; a ratiometric one's does not.
TEST(ErrorBudget, ReferenceToleranceOnlyWhereTheReferenceIsSeparate)
{
    const double at[] = {25};
    models::Tolerances t;
    t.reference = 0.01;
    const Divider ratiometric{ThermistorSide::low, 10000, 0, kNone, 12};
    Divider separate = ratiometric;
    separate.referenceVolts = 3.3;
    EXPECT_EQ(models::errorBudget(models::BetaModel{10000, 3435}, ratiometric, t, 0, at)[0].referenceKelvin, 0);
    // A reference 1 % high or low reads half the supply as 0.5/1.01 or
    // 0.5/0.99 of full scale, whose resistance the nominal model turns into
    // a temperature; the larger error of the two.
    double byHand = 0;
    for (const double scale : {1.01, 0.99}) {
        const double fraction = 0.5 / scale;
        byHand = std::max(byHand, std::fabs(betaCelsius(10000, 3435, 10000 * fraction / (1 - fraction)) - 25));
    }
    EXPECT_NEAR(models::errorBudget(models::BetaModel{10000, 3435}, separate, t, 0, at)[0].referenceKelvin, byHand,
                1e-9);
}

// 10 kΩ against a 10 kΩ pull-up at 3.3 V: 1.65 V across the part, 0.27225 mW;
// at 1 mW/K that is 0.27225 K.
TEST(SelfHeating, WorkedOutByHand)
{
    const Divider divider{ThermistorSide::low, 10000, 0, kNone, 12};
    EXPECT_NEAR(models::selfHeatingKelvin(divider, 10000, 1.0), 0.27225, 1e-12);
    EXPECT_EQ(models::selfHeatingKelvin(divider, 10000, 0), 0);
    // 1 kΩ in series: 10 kΩ of 21 kΩ at 3.3 V drives 3.3/21k through 10 kΩ.
    const Divider series{ThermistorSide::low, 10000, 1000, kNone, 12};
    EXPECT_NEAR(models::selfHeatingKelvin(series, 10000, 2.0), std::pow(3.3 / 21000, 2) * 10000 * 1000 / 2, 1e-12);
    // The firmware reads the warmer part: to first order its error is the rise.
    const double at[] = {25};
    const auto row = models::errorBudget(models::BetaModel{10000, 3435}, divider, {}, 1.0, at)[0];
    EXPECT_NEAR(row.selfHeatingKelvin, 0.27225, 0.01);
    EXPECT_NEAR(row.riseKelvin, 0.27225, 1e-12);
}

} // namespace
