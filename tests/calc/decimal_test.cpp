// Tests for the decimal digits of a double and the double of a decimal text.
// Expected digits come from the doubles' exact decimal expansions (Python's
// decimal module), rounded by hand with ties to even.
#include "calc/decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct DigitsCase {
    double value;
    int count;
    std::string digits;
    int exponent;
    const char* guards;
};

const DigitsCase kDigitsCases[] = {
    {0.125, 2, "12", -1, "an exact tie goes to the even digit"},
    {0.375, 2, "38", -1, "an exact tie goes to the even digit, upwards"},
    {123456789012344.5, 15, "123456789012344", 14, "a tie at the 15th digit"},
    {123456789012345.5, 15, "123456789012346", 14, "a tie at the 15th digit, upwards"},
    // 2.67499999999999982236...: its shortest text "2.675" would round up.
    {2.675, 3, "267", 0, "just below the midpoint its shortest text sits on"},
    {0.15, 1, "1", -1, "0.149999999999999994..."},
    {2.0 / 3.0, 15, "666666666666667", -1, "0.666666666666666629..."},
    {0x1p-54, 15, "555111512312578", -17, "5.5511151231257827021...e-17"},
    {999.96, 4, "1000", 3, "999.96000000000003637...: the carry moves the exponent"},
    {1e23, 15, "100000000000000", 23, "99999999999999991611392"},
    {1.5, 3, "150", 0, "trailing zeros fill the count"},
    {4.9406564584124654e-324, 3, "494", -324, "the smallest subnormal"},
};

TEST(SignificantDigits, Table)
{
    for (const DigitsCase& c : kDigitsCases) {
        SCOPED_TRACE(c.guards);
        const calc::DecimalDigits d = calc::significantDigits(c.value, c.count);
        EXPECT_EQ(d.digits, c.digits);
        EXPECT_EQ(d.exponent, c.exponent);
    }
}

TEST(NearestDouble, RangeAndTies)
{
    EXPECT_EQ(calc::nearestDouble("9007199254740993"), 9007199254740992.0) << "a tie goes to the even double";
    EXPECT_EQ(calc::nearestDouble("0.1"), 0.1);
    EXPECT_TRUE(std::isinf(calc::nearestDouble("1e400")));
    const double tiny = calc::nearestDouble("-1e-400");
    EXPECT_EQ(tiny, 0.0);
    EXPECT_TRUE(std::signbit(tiny));
}

} // namespace
