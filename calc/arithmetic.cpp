// ntc-beta: double arithmetic that raises a failure instead of giving infinities or NaN.
#include "calc/arithmetic.h"

#include <cmath>

namespace calc {

const char* NumericFailure::what() const noexcept
{
    switch (kind_) {
    case FailureKind::overflow: return "numeric overflow";
    case FailureKind::divisionByZero: return "division by zero";
    case FailureKind::invalidArgument: return "invalid argument";
    }
    return "numeric failure";
}

double Log(double value)
{
    if (!(value > 0)) throw NumericFailure(FailureKind::invalidArgument);
    return std::log(value);
}

namespace {
double checked(double result)
{
    if (std::isinf(result)) throw NumericFailure(FailureKind::overflow);
    if (std::isnan(result)) throw NumericFailure(FailureKind::invalidArgument);
    return result;
}
} // namespace

double add(double a, double b) { return checked(a + b); }
double subtract(double a, double b) { return checked(a - b); }

double divide(double a, double b)
{
    if (b == 0) throw NumericFailure(FailureKind::divisionByZero);
    return checked(a / b);
}

} // namespace calc
