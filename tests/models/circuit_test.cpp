// Tests of the circuit around the thermistor: the E series, the choice of the
// fixed resistor, the error budget with self-heating, how far interpolation
// between a table's rows strays, and the forms firmware takes a model in.
// Expected values are the IEC 60063 series, figures worked out by hand, and
// the beta model and the divider written out here in the tests' own words.
#include "models/error_budget.h"
#include "models/firmware_config.h"
#include "models/firmware_curve.h"
#include "models/pullup.h"
#include "models/table_size.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using models::Divider;
using models::ThermistorSide;

constexpr double kNone = std::numeric_limits<double>::infinity();

// R(T) of a beta model and its inverse, T in °C.
double betaOhms(double r25, double b, double celsius)
{
    return r25 * std::exp(b * (1 / (celsius + 273.15) - 1 / 298.15));
}
double betaCelsius(double r25, double b, double ohms)
{
    return 1 / (1 / 298.15 + std::log(ohms / r25) / b) - 273.15;
}

// °C per count of a thermistor to ground under a pull-up, full scale `fs`:
// 1 / (fs · Rp / (R + Rp)² · R · B / T²).
double resolutionByHand(double r25, double b, double pullUp, double fs, double celsius)
{
    const double r = betaOhms(r25, b, celsius), t = celsius + 273.15;
    return 1 / (fs * pullUp / ((r + pullUp) * (r + pullUp)) * r * b / (t * t));
}

TEST(ESeries, DecadesAsIec60063ListsThem)
{
    const struct {
        models::ESeries series;
        std::size_t perDecade;
        double member, nonMember;
    } cases[] = {
        {models::ESeries::e12, 12, 4700, 5100},
        {models::ESeries::e24, 24, 5100, 4990},
        {models::ESeries::e48, 48, 4640, 4990},
        {models::ESeries::e96, 96, 4990, 5100},
    };
    for (const auto& c : cases) {
        // 1 kΩ up to 10 kΩ holds one decade and its next start, both edges in.
        const auto values = models::eSeriesValues(c.series, 1000, 10000);
        ASSERT_EQ(values.size(), c.perDecade + 1);
        EXPECT_EQ(values.front(), 1000);
        EXPECT_EQ(values.back(), 10000);
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
        EXPECT_NE(std::find(values.begin(), values.end(), c.member), values.end()) << c.member;
        EXPECT_EQ(std::find(values.begin(), values.end(), c.nonMember), values.end()) << c.nonMember;
    }
    EXPECT_EQ(models::eSeriesValues(models::ESeries::e24, 100, 1e6).size(), 24u * 4 + 1);
    EXPECT_TRUE(models::eSeriesValues(models::ESeries::e24, 0, 1000).empty());
    EXPECT_TRUE(models::eSeriesValues(models::ESeries::e24, 2000, 1000).empty());
    // A value between two of the series holds none.
    EXPECT_TRUE(models::eSeriesValues(models::ESeries::e12, 4800, 5000).empty());
}

// A 100 kΩ, B 3950 bead read from 0 to 300 °C by a 10-bit ADC: the worst
// resolution lies at an end of the range, worked out there by hand.
TEST(FixedResistor, WorstResolutionOverTheRange)
{
    const models::ThermistorModel bead = models::BetaModel{100000, 3950};
    const auto samples = models::sampleThermistor(bead, 0, 300);
    const Divider circuit{ThermistorSide::low, 1, 0, kNone, 10};
    for (const double pullUp : {1000.0, 2200.0, 3600.0, 4700.0, 10000.0}) {
        SCOPED_TRACE(pullUp);
        const double byHand = std::max(resolutionByHand(100000, 3950, pullUp, 1024, 0),
                                       resolutionByHand(100000, 3950, pullUp, 1024, 300));
        const double candidate[] = {pullUp};
        const auto choice = models::rankFixedResistors(samples, circuit, candidate).front();
        EXPECT_NEAR(choice.summary.worstCelsiusPerCount, byHand, 1e-9 * byHand);
        EXPECT_FALSE(choice.summary.onRail);
    }
    // The figures the issue measured by hand: 6.24, 2.86, 2.37, 4.84 and
    // the best E24 value 3.6 kΩ at 1.85 °C per count.
    const auto e24 = models::eSeriesValues(models::ESeries::e24, 100, 1e6);
    const auto ranked = models::rankFixedResistors(samples, circuit, e24);
    EXPECT_EQ(ranked.front().ohms, 3600);
    EXPECT_NEAR(ranked.front().summary.worstCelsiusPerCount, 1.85, 0.005);
    EXPECT_EQ(ranked.front().summary.worstAtCelsius, 300);
}

// With a dissipation constant, each candidate's largest self-heating: a
// range of one temperature, 25 °C, is 10 kΩ against 10 kΩ at 3.3 V, 0.27225 mW.
TEST(FixedResistor, SelfHeatingOfEachCandidate)
{
    const auto samples = models::sampleThermistor(models::BetaModel{10000, 3435}, 25, 25);
    ASSERT_EQ(samples.celsius.size(), 1u);
    const Divider circuit{ThermistorSide::low, 1, 0, kNone, 12};
    const double candidate[] = {10000};
    EXPECT_NEAR(models::rankFixedResistors(samples, circuit, candidate, 1.0)[0].summary.largestRiseKelvin, 0.27225,
                1e-12);
    EXPECT_EQ(models::rankFixedResistors(samples, circuit, candidate)[0].summary.largestRiseKelvin, 0);
}

// Over a narrow range about 25 °C the best pull-up is the thermistor's own
// R25 (d count / dR is largest where the two are equal): 10 kΩ, a decade
// edge, from either side of it.
TEST(FixedResistor, BestAtADecadeEdge)
{
    const models::ThermistorModel part = models::BetaModel{10000, 3435};
    const auto samples = models::sampleThermistor(part, 24, 26);
    const Divider circuit{ThermistorSide::low, 1, 0, kNone, 12};
    for (const auto& [low, high] : {std::pair{1000.0, 10000.0}, std::pair{10000.0, 100000.0}}) {
        const auto ranked =
            models::rankFixedResistors(samples, circuit, models::eSeriesValues(models::ESeries::e24, low, high));
        EXPECT_EQ(ranked.front().ohms, 10000) << low << " to " << high;
    }
}

// A candidate whose reading hits a rail comes after every other one,
// however fine its resolution: with a 2.5 V reference on a 5 V divider, a
// 10 kΩ pull-up puts 5 · R/(R + 10k) >= 2.5 V on the input wherever R >=
// 10 kΩ, at and below 25 °C (the top code), while 47 kΩ stays within the
// reference from 0 to 50 °C (at 0 °C, 28.3 kΩ: 5 · 28.3/75.3 = 1.88 V).
TEST(FixedResistor, OnARailNeverFirst)
{
    const models::ThermistorModel part = models::BetaModel{10000, 3435};
    const auto samples = models::sampleThermistor(part, 0, 50);
    const Divider circuit{ThermistorSide::low, 1, 0, kNone, 12, 5.0, 2.5};
    const double candidates[] = {10000, 47000};
    const auto ranked = models::rankFixedResistors(samples, circuit, candidates);
    EXPECT_EQ(ranked[0].ohms, 47000);
    EXPECT_FALSE(ranked[0].summary.onRail);
    EXPECT_TRUE(ranked[1].summary.onRail);
    EXPECT_EQ(ranked[1].summary.maxCount, 4095u);
    // Finer where it reads at all: ranked last for the rail alone.
    EXPECT_LT(ranked[1].summary.meanCelsiusPerCount, ranked[0].summary.meanCelsiusPerCount);
}

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

// A three-term curve goes out as three points on it, the firmware's curve
// through them the same; a beta model as it is; a four-term curve as the
// nearest three-term one, with how far it strays.
TEST(FirmwareCurve, FormsFirmwareTakes)
{
    const models::SteinhartHart three{8.2649517014797e-04, 1.99562430992111e-04, 1.50702832891752e-07};
    const auto curve = models::firmwareCurve(three, 273.15, 573.15);
    const auto& points = std::get<std::array<models::Reading, 3>>(curve.form);
    EXPECT_EQ(points[0].kelvin, 273.15);
    EXPECT_EQ(points[1].kelvin, 150 + 273.15);
    EXPECT_EQ(curve.standInErrorKelvin, 0);
    const auto back = models::firmwareSteinhart(curve);
    EXPECT_NEAR(back.b, three.b, 1e-9 * three.b);
    EXPECT_NEAR(back.c, three.c, 1e-6 * three.c);
    // Readings in any order go out in order of temperature, as Klipper sorts them.
    const auto sorted = models::firmwareCurve(std::array<models::Reading, 3>{{{80.65, 573.15}, {126800, 293.15}, {1360, 423.15}}});
    const auto& p = std::get<std::array<models::Reading, 3>>(sorted.form);
    EXPECT_EQ(p[0].ohms, 126800);
    EXPECT_EQ(p[2].ohms, 80.65);
    const models::BetaModel beta{100000, 3974};
    EXPECT_EQ(std::get<models::BetaModel>(models::firmwareCurve(beta, 273.15, 573.15).form).beta, 3974);
    // Vishay's published four-term inverse (data sheet 29049): a three-term
    // curve comes within a few hundredths of a kelvin over -40 to 125 °C.
    const double lnRref = std::log(10000.0);
    const double a1 = 3.354016e-03, b1 = 2.569850e-04, c1 = 2.620131e-06, d1 = 6.383091e-08;
    const models::SteinhartHart4 four{a1 - b1 * lnRref + c1 * lnRref * lnRref - d1 * std::pow(lnRref, 3),
                                      b1 - 2 * c1 * lnRref + 3 * d1 * lnRref * lnRref, d1,
                                      c1 - 3 * d1 * lnRref};
    const auto standIn = models::firmwareCurve(four, 233.15, 398.15);
    EXPECT_GT(standIn.standInErrorKelvin, 0.001);
    EXPECT_LT(standIn.standInErrorKelvin, 0.1);
}

TEST(FirmwareCurve, CircuitsEachFirmwareHolds)
{
    const Divider plain{ThermistorSide::low, 4700, 0, kNone, 12};
    Divider toSupply = plain, series = plain, across = plain, reference = plain;
    toSupply.side = ThermistorSide::high;
    series.seriesOhms = 1000;
    across.parallelOhms = 100000;
    reference.referenceVolts = 2.5;
    using F = models::CircuitFeature;
    const struct {
        const Divider& divider;
        std::optional<F> klipper, reprap, esphome;
    } cases[] = {
        {plain, {}, {}, {}},
        {toSupply, F::thermistorToSupply, F::thermistorToSupply, {}},
        {series, {}, F::seriesResistor, F::seriesResistor},
        {across, F::parallelResistor, F::parallelResistor, F::parallelResistor},
        {reference, F::separateReference, F::separateReference, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(models::unsupportedFeature(models::Firmware::klipper, c.divider), c.klipper);
        EXPECT_EQ(models::unsupportedFeature(models::Firmware::reprap, c.divider), c.reprap);
        EXPECT_EQ(models::unsupportedFeature(models::Firmware::esphome, c.divider), c.esphome);
    }
}

TEST(FirmwareCurve, NamesEveryFormatHolds)
{
    for (const char* good : {"my_thermistor", "ATC Semitec 104GT-2", "NTC Temperature", "热床 NTC"})
        EXPECT_TRUE(models::isFirmwareName(good)) << good;
    for (const char* bad : {"", " x", "x ", "a]b", "a[b", "a\"b", "a#b", "a;b", "a:b", "a\\b", "a{b", "a\nb"})
        EXPECT_FALSE(models::isFirmwareName(bad)) << bad;
}

} // namespace
