// Tests of the logarithm and exponential rounded alike everywhere: the
// correctly rounded values, worked out with Python's decimal module at 100
// digits (an arithmetic of its own), for the arguments the C libraries get
// wrong in the last bit (175203 Ω, where glibc's log and WebAssembly's
// differ) and for the ends of the range; and no more than an ulp from the C
// library's over a sweep.
#include "models/exact_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

const struct {
    double x, expected;
} kLogs[] = {
    {175203, 0x1.825bc151ef727p+3},
    {2, 0x1.62e42fefa39efp-1},
    {10, 0x1.26bb1bbb55516p+1},
    {0.5, -0x1.62e42fefa39efp-1},
    {10000, 0x1.26bb1bbb55516p+3},
    {195652, 0x1.85e416b03af93p+3},
    {531, 0x1.9195b371daafep+2},
    {8.743e6, 0x1.ff7afe82ac9ebp+3},
    {0x1.56e1fc2f8f359p-997, -0x1.5963447f87fb5p+9},
    {0x1.fffffffffffffp+1023, 0x1.62e42fefa39efp+9},
    {0x0.0000000000001p-1022, -0x1.74385446d71c3p+9},
    {1, 0},
};

const struct {
    double x, expected;
} kExps[] = {
    {1, 0x1.5bf0a8b145769p+1},
    {-1, 0x1.78b56362cef38p-2},
    {0.5, 0x1.a61298e1e069cp+0},
    {709, 0x1.d422d2be5dc9bp+1022},
    {-700, 0x1.14f2b0fb9307fp-1010},
    {0x1.b7cdfd9d7bdbbp-34, 0x1.000000006df38p+0},
    {0x1.18b2b1dc6bfc2p+9, 0x1.e57dc26058bfep+809}, // glibc: one ulp off
    {0x1.3669f03c6e111p+0, 0x1.ae57fe88c4620p+1},
    {-0x1.2866aa2f1e5b4p+1, 0x1.944a4e80c9874p-4},
    {0, 1},
};

TEST(ExactMath, CorrectlyRoundedWhereWorkedOut)
{
    for (const auto& c : kLogs) EXPECT_EQ(models::logOf(c.x), c.expected) << std::hexfloat << c.x;
    for (const auto& c : kExps) EXPECT_EQ(models::expOf(c.x), c.expected) << std::hexfloat << c.x;
    EXPECT_EQ(models::cubeRootOf(27), 3);
    EXPECT_EQ(models::cubeRootOf(-8), -2);
    EXPECT_NEAR(models::cubeRootOf(2), 0x1.428a2f98d728bp+0, 0x1p-52);
    // glibc's cbrt: 0x1.8e50a4112574fp+2, two ulps off.
    EXPECT_EQ(models::cubeRootOf(0x1.e222f5f799405p+7), 0x1.8e50a4112574dp+2);
    // Where Newton's step with its miss in plain doubles lands an ulp off.
    EXPECT_EQ(models::cubeRootOf(0x1.95107f75abaf8p-16), 0x1.d989af64e9038p-6);
    EXPECT_EQ(models::cubeRootOf(0x1.eabd41c85e973p+10), 0x1.90ab8aa483d2bp+3);
    EXPECT_EQ(models::cubeRootOf(-0x1.aa432d2d1cp+53), -0x1.e1a881c1fcd05p+17);
}

TEST(ExactMath, LogarithmOfOnePlusASmallNumber)
{
    // ln(1 + 0.01), ln(1 − 0.05) and ln(1 + 2^-60), from Python's decimal
    // module at 100 digits; the last where 1 + x is 1 as a double.
    EXPECT_EQ(models::log1pOf(0.01), 0x1.460d6ccca3677p-7);
    EXPECT_EQ(models::log1pOf(-0.05), -0x1.a431d5bcc1938p-5);
    EXPECT_EQ(models::log1pOf(0x1p-60), 0x1p-60);
    EXPECT_EQ(models::log1pOf(0), 0);
    EXPECT_EQ(models::log1pOf(-1), -std::numeric_limits<double>::infinity());
}

TEST(ExactMath, TheEndsOfTheRange)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(models::logOf(-1)));
    EXPECT_TRUE(std::isnan(models::logOf(std::nan(""))));
    EXPECT_EQ(models::logOf(0), -inf);
    EXPECT_EQ(models::logOf(inf), inf);
    EXPECT_EQ(models::expOf(710), inf);
    EXPECT_EQ(models::expOf(-746), 0);
    EXPECT_EQ(models::expOf(-inf), 0);
    EXPECT_TRUE(std::isnan(models::expOf(std::nan(""))));
}

// Within an ulp of the C library's log and exp (three of its cbrt) over resistances from 1 mΩ to 10 TΩ and
// exponents over e^±600: a slip in the series or the reduction shows as
// thousands of ulps.
TEST(ExactMath, WithinAnUlpOfTheCLibrary)
{
    std::mt19937_64 random(30);
    std::uniform_real_distribution<double> exponent(-7, 30);
    const auto ulps = [](double a, double b) { return std::fabs(a - b) / std::ldexp(1.0, std::ilogb(b) - 52); };
    for (int i = 0; i < 20000; ++i) {
        const double x = std::exp(exponent(random));
        ASSERT_LE(ulps(models::logOf(x), std::log(x)), 1.0) << std::hexfloat << x;
        const double y = exponent(random) * 20;
        ASSERT_LE(ulps(models::expOf(y), std::exp(y)), 1.0) << std::hexfloat << y;
        // glibc's cbrt itself errs up to two ulps.
        ASSERT_LE(ulps(models::cubeRootOf(y), std::cbrt(y)), 3.0) << std::hexfloat << y;
    }
}

} // namespace
