// Tests for the checked double arithmetic: which operations fail, and with which kind.
#include "calc/arithmetic.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

using calc::FailureKind;
using calc::NumericFailure;

struct FailureCase {
    double (*operation)();
    FailureKind kind;
    const char* guards;
};

const FailureCase kFailureCases[] = {
    {[] { return calc::Log(0.0); }, FailureKind::invalidArgument, "log of zero"},
    {[] { return calc::Log(-0.0); }, FailureKind::invalidArgument, "log of negative zero"},
    {[] { return calc::Log(-2.0); }, FailureKind::invalidArgument, "log of a negative"},
    {[] { return calc::Log(NAN); }, FailureKind::invalidArgument, "log of NaN"},
    {[] { return calc::divide(1.0, 0.0); }, FailureKind::divisionByZero, "division by zero"},
    {[] { return calc::divide(1.0, -0.0); }, FailureKind::divisionByZero, "division by negative zero"},
    {[] { return calc::divide(0.0, 0.0); }, FailureKind::divisionByZero, "zero by zero"},
    {[] { return calc::divide(1e300, 1e-300); }, FailureKind::overflow, "quotient beyond range"},
    {[] { return calc::add(DBL_MAX, DBL_MAX); }, FailureKind::overflow, "sum beyond range"},
    {[] { return calc::subtract(-DBL_MAX, DBL_MAX); }, FailureKind::overflow, "difference beyond range"},
};

TEST(Arithmetic, Failures)
{
    for (const FailureCase& c : kFailureCases) {
        SCOPED_TRACE(c.guards);
        try {
            c.operation();
            ADD_FAILURE() << "no failure raised";
        } catch (const NumericFailure& f) {
            EXPECT_EQ(f.kind(), c.kind);
        }
    }
}

TEST(Arithmetic, PlainResults)
{
    EXPECT_EQ(calc::Log(1.0), 0.0);
    EXPECT_DOUBLE_EQ(calc::Log(10.0), 2.302585092994046);
    EXPECT_EQ(calc::divide(0.0, 5.0), 0.0);
    EXPECT_EQ(calc::divide(1e-300, 1e300), 0.0) << "underflow is no failure";
    EXPECT_EQ(calc::add(25.0, 273.15), 298.15);
}

} // namespace
