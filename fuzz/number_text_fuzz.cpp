// ntc-beta fuzzing: reading any text, and writing any double.
//
// The whole input is read as one entry text, and as one strict number; its
// first eight bytes are also taken as the bits of a double that is written,
// in the window's form and in those of tables and coefficients, and read
// back.
#include "calc/b_value.h"
#include "calc/number_reading.h"
#include "calc/number_writing.h"
#include "fuzz_input.h"

#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void checkReading(const std::u16string& text)
{
    try {
        const calc::NumberRead r = calc::readNumber(text);
        if (r.end > text.size()) std::abort();
        if (!r.found && (r.value != 0 || r.end != 0)) std::abort();
        if (!std::isfinite(r.value)) std::abort();
    } catch (const calc::NumericFailure& failure) {
        if (failure.kind() != calc::FailureKind::overflow) std::abort();
    }
}

void checkWriting(double d)
{
    if (!std::isfinite(d)) return;
    const std::u16string text = calc::Str(d);
    const double back = calc::Val(text);
    // Same 15 significant digits, and within half a unit of the 15th digit
    // (plus the read-back's own rounding) for normal numbers.
    if (calc::Str(back) != text) std::abort();
    const double tolerance = std::fabs(d) > 1.79769313486231e308 ? 1e-14 : 5e-15 + 0x1p-53;
    if (std::fabs(d) >= 0x1p-1022 && std::fabs(back - d) > tolerance * std::fabs(d)) std::abort();

    // The label's 8 characters never misstate the number: same sign and
    // within a factor of two (two significant digits, or one beside a
    // three-digit exponent, or a cut after the period).
    const std::u16string shown = calc::resultText(d);
    if (shown.size() > 8) std::abort();
    double seen = 0;
    try {
        seen = calc::Val(shown);
    } catch (const calc::NumericFailure&) {
        // " 2E+308": rounding to one digit may pass the largest double.
        if (std::fabs(d) < 1.5e308) std::abort();
        return;
    }
    if (d == 0) {
        if (seen != 0) std::abort();
    } else if (std::fabs(d) >= 1e-3) {
        const double ratio = seen / d;
        if (!(ratio > 0.5 && ratio < 2)) std::abort();
    } else if (std::fabs(seen) > 2 * std::fabs(d) || (seen != 0 && std::signbit(seen) != std::signbit(d))) {
        std::abort(); // fixed form cut below 1E-03 may only lose digits
    }
}

// The strict reader takes any text without fault: a value is finite, and
// what it reads it reads again from the text written back in full.
void checkStrictReading(std::string_view text)
{
    const auto value = calc::parseNumber(text);
    if (!value) return;
    if (!std::isfinite(*value)) std::abort();
    if (calc::parseNumber(calc::scientificText(*value, 17)) != *value) std::abort();
}

// The forms of tables, coefficients and firmware read back through the
// command line's strict reader: 17 digits and the shortest form to the very
// bits, a table's decimals within half their last place, rounded digits
// within half their last place too.
void checkTableForms(double d)
{
    if (!std::isfinite(d)) return;
    const auto exact = calc::parseNumber(calc::scientificText(d, 17));
    if (!exact || std::bit_cast<std::uint64_t>(*exact) != std::bit_cast<std::uint64_t>(d)) std::abort();
    const auto shortest = calc::parseNumber(calc::shortestText(d));
    if (!shortest || std::bit_cast<std::uint64_t>(*shortest) != std::bit_cast<std::uint64_t>(d)) std::abort();
    const double spacing = std::fabs(d) * 0x1p-52;
    if (std::fabs(d) < 1e15) {
        const std::string cell = calc::decimalsText(d, 6);
        const auto back = calc::parseNumber(cell);
        if (!back || cell.find_first_of("eE") != std::string::npos) std::abort();
        if (std::fabs(*back - d) > 0.5e-6 + spacing) std::abort();
    }
    const std::string rounded = calc::roundedText(d, 6);
    const auto near = calc::parseNumber(rounded);
    if (!near) {
        // Only a subnormal's digits may read as "nothing": a non-zero number
        // too small for a double once rounded to six digits.
        if (std::fabs(d) >= 0x1p-1022) std::abort();
        return;
    }
    if (std::fabs(*near - d) > 5e-6 * std::fabs(d) + spacing) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkReading(fuzz::decodeText(data, size));
    checkStrictReading(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= sizeof(double)) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        checkWriting(std::bit_cast<double>(bits));
        checkTableForms(std::bit_cast<double>(bits));
    }
    return 0;
}
