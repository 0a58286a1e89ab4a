// Tests for the divider's counts: worked out by hand, and Marlin's published
// temptable_5 (Semitec 104GT-2, 4.7 kΩ pull-up) with the full scale it used.
#include "models/divider.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using models::Divider;
using models::ThermistorSide;

constexpr double kNone = std::numeric_limits<double>::infinity();

struct HandCount {
    Divider divider;
    double ohms;
    double exact; // by hand
    unsigned count;
};

const HandCount kHand[] = {
    // 1024 · 10000 / 14700
    {{ThermistorSide::low, 4700, 0, kNone, 10}, 10000, 696.59864, 697},
    // thermistor high, 10 kΩ pull-down: 4096 · 10000 / 20000
    {{ThermistorSide::high, 10000, 0, kNone, 12}, 10000, 2048, 2048},
    // 1 kΩ in series: 9 kΩ + 1 kΩ against 10 kΩ
    {{ThermistorSide::low, 10000, 1000, kNone, 12}, 9000, 2048, 2048},
    // 20 kΩ across 20 kΩ is 10 kΩ: half of 1024
    {{ThermistorSide::low, 10000, 0, 20000, 10}, 20000, 512, 512},
    // 5 V supply, 2.5 V reference: 5 · 2500/12500 = 1 V, 1/2.5 · 4096
    {{ThermistorSide::low, 10000, 0, kNone, 12, 5.0, 2.5}, 2500, 1638.4, 1638},
    // beyond the reference: held at the top code
    {{ThermistorSide::low, 10000, 0, kNone, 12, 5.0, 2.5}, 10000, 4096, 4095},
};

TEST(Divider, CountsWorkedOutByHand)
{
    for (const HandCount& c : kHand) {
        EXPECT_NEAR(models::exactCount(c.divider, c.ohms), c.exact, 1e-5);
        EXPECT_EQ(models::adcCount(c.divider, c.ohms), c.count);
        if (c.count == c.exact) {
            EXPECT_NEAR(models::thermistorOhmsAtCount(c.divider, c.count), c.ohms, 1e-9 * c.ohms);
        }
    }
    EXPECT_TRUE(std::isnan(models::thermistorOhmsAtCount(kHand[0].divider, 0)));
    EXPECT_TRUE(std::isnan(models::thermistorOhmsAtCount(kHand[3].divider, 1000))); // beyond what 20 kΩ across allows
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

} // namespace
