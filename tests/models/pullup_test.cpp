// Tests for the choice of the fixed resistor: the E series, the worst
// resolution over a range, each candidate's self-heating. Expected values
// are the IEC 60063 series, figures worked out by hand, and the beta model
// and the divider written out in the tests' own words (circuit_checks.h).
#include "models/pullup.h"

#include "circuit_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

using models::Divider;
using models::ThermistorSide;
using models_test::resolutionByHand;

constexpr double kNone = std::numeric_limits<double>::infinity();

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

} // namespace
