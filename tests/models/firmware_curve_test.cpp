// Tests for the forms firmware takes a model in, and the circuits each
// firmware can be told of.
#include "models/firmware_curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

using models::Divider;
using models::ThermistorSide;

constexpr double kNone = std::numeric_limits<double>::infinity();

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

} // namespace
