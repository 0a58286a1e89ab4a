// ntc-beta: the B constant of an NTC thermistor from two readings.
#include "calc/b_value.h"

#include "calc/decimal.h"
#include "calc/number_reading.h"
#include "calc/number_writing.h"

#include <cmath>

namespace calc {

namespace {

constexpr std::size_t kResultWidth = 8;

// " d.dE+xx" or, for three-digit exponents, " dE+xxx": the widest exponent
// form that fits the label, rounded once from the double itself.
std::u16string fittedExponentForm(double value)
{
    const double magnitude = std::fabs(value);
    DecimalDigits d = significantDigits(magnitude, 2);
    if (d.exponent <= -100 || d.exponent >= 100) d = significantDigits(magnitude, 1);
    std::string text(1, value < 0 ? '-' : ' ');
    text += d.digits[0];
    if (d.digits.size() > 1) text.append(1, '.').append(1, d.digits[1]);
    text += exponentText(d.exponent);
    return std::u16string(text.begin(), text.end());
}

} // namespace

std::u16string resultText(double value)
{
    const std::u16string full = Str(value);
    if (full.size() <= kResultWidth) return full;
    const bool exponentForm = full.find(u'E') != std::u16string::npos;
    const auto point = full.find(u'.');
    const std::size_t integerEnd = point == std::u16string::npos ? full.size() : point;
    if (!exponentForm && integerEnd <= kResultWidth) return Left(full, kResultWidth);
    return fittedExponentForm(value);
}

double celsiusToKelvin(double celsius)
{
    return add(celsius, kCelsiusOffset);
}

double kelvinToCelsius(double kelvin)
{
    return subtract(kelvin, kCelsiusOffset);
}

double computeB(double r1, double r2, double t1, double t2, bool celsius)
{
    if (celsius) {
        t1 = celsiusToKelvin(t1);
        t2 = celsiusToKelvin(t2);
    }
    const double q = divide(r1, r2);
    const double l = Log(q);
    const double a = divide(1, t1);
    const double b = divide(1, t2);
    const double d = subtract(a, b);
    return divide(l, d);
}

std::string betaName(double t1Kelvin, double t2Kelvin)
{
    // Appended in place: GCC 12 warns falsely (-Wrestrict) on "B" + text.
    std::string name = "B";
    name += decimalsText(kelvinToCelsius(t1Kelvin), 2);
    name += '/';
    name += decimalsText(kelvinToCelsius(t2Kelvin), 2);
    return name;
}

Evaluation evaluateInFull(std::u16string_view text1, std::u16string_view text2, std::u16string_view text3,
                          std::u16string_view text4, std::int16_t check)
{
    Evaluation result;
    try {
        // Every field is read before any is judged, so an overflow anywhere
        // wins over an empty field.
        const NumberRead r1 = readNumber(text1);
        const NumberRead r2 = readNumber(text2);
        const NumberRead t1Read = readNumber(text3);
        const NumberRead t2Read = readNumber(text4);
        if (!r1.found || !r2.found || !t1Read.found || !t2Read.found) {
            result.text = kFillInMessage;
            return result;
        }
        // Converted here rather than in computeB, to be given back.
        const double t1 = check == 0 ? celsiusToKelvin(t1Read.value) : t1Read.value;
        const double t2 = check == 0 ? celsiusToKelvin(t2Read.value) : t2Read.value;
        const double b = computeB(r1.value, r2.value, t1, t2, false);
        result.text = resultText(b);
        result.b = b;
        result.t1Kelvin = t1;
        result.t2Kelvin = t2;
    } catch (const NumericFailure&) {
        result.text = kInvalidMessage;
    }
    return result;
}

std::u16string evaluate(std::u16string_view text1, std::u16string_view text2,
                        std::u16string_view text3, std::u16string_view text4,
                        std::int16_t check)
{
    return evaluateInFull(text1, text2, text3, text4, check).text;
}

} // namespace calc
