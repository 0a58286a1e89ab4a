// Tests for the least-squares fits against four datasheet tables (data/,
// each file names its source). Expected coefficients and errors come from a
// separate solve of the same T²-weighted problem in exact rational
// arithmetic (Python's fractions), never from the code under test; the
// kept-R0 B likewise.
#include "models/table_fit.h"

#include "model_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using models::FitKind;
using models::TablePoint;

using models_test::loadTable;

struct Expected {
    const char* file;
    FitKind kind;
    double a, b, c, d; // 1/T = a + b·L + d·L² + c·L³
    double maxErrorKelvin, rmsErrorKelvin;
};

const Expected kFits[] = {
    {"murata_ncp15xh103.csv", FitKind::steinhart, 8.6445238842e-04, 2.5558758271e-04, 1.7383515282e-07, 0, 0.2116, 0.0673},
    {"murata_ncp15xh103.csv", FitKind::steinhart4, 9.5235274102e-04, 2.2453341101e-04, 3.9843528614e-08, 3.5743343388e-06, 0.0918, 0.0440},
    {"murata_ncp15xh103.csv", FitKind::beta, 6.4555594739e-04, 2.9532448502e-04, 0, 0, 2.4869, 1.1410},
    {"semitec_104gt2.csv", FitKind::steinhart, 8.1025565941e-04, 2.1154353145e-04, 7.0954384177e-08, 0, 0.0711, 0.0197},
    {"semitec_104gt2.csv", FitKind::steinhart4, 8.0946870265e-04, 2.1185379596e-04, 7.2338802526e-08, -3.7484907525e-08, 0.0612, 0.0190},
    {"semitec_104gt2.csv", FitKind::beta, 7.3977327382e-04, 2.2667497839e-04, 0, 0, 6.0557, 2.2609},
    {"tdk_b57861s_8016.csv", FitKind::steinhart, 1.1254376601e-03, 2.3468490801e-04, 8.5877785320e-08, 0, 0.0369, 0.0117},
    {"tdk_b57861s_8016.csv", FitKind::steinhart4, 1.1227504963e-03, 2.3569635749e-04, 9.0439599798e-08, -1.2066718176e-07, 0.0373, 0.0104},
    {"tdk_b57861s_8016.csv", FitKind::beta, 1.0306597719e-03, 2.5343941632e-04, 0, 0, 2.9667, 1.1599},
    {"vishay_ntcle100e3103.csv", FitKind::steinhart, 1.1387206045e-03, 2.3239137668e-04, 9.5652778664e-08, 0, 0.0396, 0.0171},
    {"vishay_ntcle100e3103.csv", FitKind::steinhart4, 1.1566289390e-03, 2.2594267462e-04, 6.7502383398e-08, 7.4983014038e-07, 0.0059, 0.0023},
    {"vishay_ntcle100e3103.csv", FitKind::beta, 1.0218953446e-03, 2.5412357364e-04, 0, 0, 1.9993, 0.8482},
};

::testing::AssertionResult closeTo(double actual, double expected, double relative)
{
    if (std::fabs(actual - expected) <= std::fabs(expected) * relative) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not within " << relative << " of " << expected;
}

TEST(TableFit, DatasheetTablesMatchAnExactRationalSolve)
{
    for (const Expected& e : kFits) {
        SCOPED_TRACE(std::string(e.file) + " kind " + std::to_string(int(e.kind)));
        const auto points = loadTable(e.file);
        const models::TableFit fit = models::fitTable(points, e.kind);
        EXPECT_TRUE(closeTo(fit.curve.a, e.a, 1e-9));
        EXPECT_TRUE(closeTo(fit.curve.b, e.b, 1e-9));
        EXPECT_TRUE(closeTo(fit.curve.c, e.c, 1e-8));
        EXPECT_TRUE(closeTo(fit.curve.d, e.d, 1e-8));
        EXPECT_NEAR(fit.maxErrorKelvin, e.maxErrorKelvin, 6e-5);
        EXPECT_NEAR(fit.rmsErrorKelvin, e.rmsErrorKelvin, 6e-5);
        EXPECT_TRUE(fit.monotonic);
        EXPECT_EQ(fit.residualsKelvin.size(), points.size());
    }
}

// Vishay publishes its own inverse for the 3977 curve (A1..D1), which errs
// up to 0.0115 K against its forward formula over −40..125 °C; a four-term
// least-squares fit of the same table must do at least as well.
TEST(TableFit, FourTermsMatchVishaysPublishedInverse)
{
    const auto points = loadTable("vishay_ntcle100e3103.csv");
    const models::TableFit fit = models::fitTable(points, FitKind::steinhart4);
    EXPECT_LT(fit.maxErrorKelvin, 0.0115);
    // The published inverse, rewritten from ln(R/10 kΩ) to ln R by hand.
    const double l0 = std::log(10000.0);
    for (const auto& p : points) {
        const double x = std::log(p.ohms) - l0;
        const double vishay = 1 / (3.354016e-3 + 2.569850e-4 * x + 2.620131e-6 * x * x + 6.383091e-8 * x * x * x);
        EXPECT_NEAR(models::temperatureAt(fit.curve, p.ohms), vishay, 0.0115 + 0.006);
    }
}

// Exact points of a known curve (Vishay's inverse in ln R) give the curve
// back: the scaled QR keeps the digits the normal equations would lose.
TEST(TableFit, RecoversAKnownCurveToTenDigits)
{
    const models::SteinhartHart4 known{1.1594912128e-03, 2.2496480244e-04, 6.383091e-08, 8.5641777794e-07};
    std::vector<models::TablePoint> points;
    for (double ohms = 500; ohms < 400000; ohms *= 1.3)
        points.push_back({1 / models::inverseKelvinAt(known, std::log(ohms)), ohms});
    const models::TableFit fit = models::fitTable(points, FitKind::steinhart4);
    EXPECT_TRUE(closeTo(fit.curve.a, known.a, 1e-10));
    EXPECT_TRUE(closeTo(fit.curve.b, known.b, 1e-10));
    EXPECT_TRUE(closeTo(fit.curve.c, known.c, 1e-9));
    EXPECT_TRUE(closeTo(fit.curve.d, known.d, 1e-9));
    EXPECT_LT(fit.maxErrorKelvin, 1e-9);
}

TEST(TableFit, BetaAtAChosenReference)
{
    // R = 10 kΩ · exp(3435 · (1/T − 1/298.15)) at 0, 50 and 100 °C, stated at 0 °C:
    // R0 = 10 kΩ · exp(3435 · (1/273.15 − 1/298.15)) = 28.704 kΩ by hand.
    std::vector<models::TablePoint> points;
    for (double c : {0.0, 50.0, 100.0})
        points.push_back({c + 273.15, 10000 * std::exp(3435 * (1 / (c + 273.15) - 1 / 298.15))});
    const models::TableFit fit = models::fitTable(points, FitKind::beta, 273.15);
    EXPECT_TRUE(closeTo(fit.beta.beta, 3435, 1e-12));
    EXPECT_TRUE(closeTo(fit.beta.r0, 10000 * std::exp(3435 * (1 / 273.15 - 1 / 298.15)), 1e-12));
    EXPECT_NEAR(fit.beta.r0, 28704.3, 0.1);
}

TEST(TableFit, RefusesWhatFixesNoCurve)
{
    const std::vector<models::TablePoint> three{{273.15, 30000}, {298.15, 10000}, {323.15, 4000}};
    const std::vector<models::TablePoint> sameT{{298.15, 10000}, {298.15, 10100}, {298.15, 9900}, {298.15, 10000}};
    const std::vector<models::TablePoint> negative{{273.15, 30000}, {298.15, -10000}, {323.15, 4000}};
    const struct {
        const std::vector<models::TablePoint>* points;
        FitKind kind;
        models::ModelFailureKind failure;
    } cases[] = {
        {&three, FitKind::steinhart4, models::ModelFailureKind::singularFit},
        {&sameT, FitKind::beta, models::ModelFailureKind::singularFit},
        {&negative, FitKind::steinhart, models::ModelFailureKind::ratioNotPositive},
    };
    for (const auto& c : cases) {
        try {
            models::fitTable(*c.points, c.kind);
            ADD_FAILURE() << "no failure";
        } catch (const models::ModelFailure& failure) {
            EXPECT_EQ(failure.kind(), c.failure);
        }
    }
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

} // namespace
