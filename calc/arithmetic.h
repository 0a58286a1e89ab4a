// ntc-beta: double arithmetic that raises a failure instead of giving infinities or NaN.
#pragma once

#include <exception>

namespace calc {

// Raised by every checked operation below and by the readers on a number
// beyond a double's range; the calculation catches it at one point and never
// shows its kind to the user.
enum class FailureKind { overflow, divisionByZero, invalidArgument };

class NumericFailure : public std::exception {
public:
    explicit NumericFailure(FailureKind kind) noexcept : kind_(kind) {}
    FailureKind kind() const noexcept { return kind_; }
    const char* what() const noexcept override;

private:
    FailureKind kind_;
};

// Natural logarithm; throws NumericFailure(invalidArgument) unless value > 0.
double Log(double value);

// Double arithmetic that raises instead of returning infinities or NaN:
// overflow when a finite operand pair gives a result beyond a double's range,
// divisionByZero for any division by zero (0/0 included). An underflow to
// zero is no failure.
double add(double a, double b);
double subtract(double a, double b);
double divide(double a, double b);

} // namespace calc
