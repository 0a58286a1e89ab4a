// ntc-beta-cli: the divider options adc, pullup and budget share, and the circuit in words for a header comment.
#pragma once

#include "cli/commands/command.h"
#include "models/divider.h"

#include <string>
#include <vector>

namespace cli {

// The circuit as typed. `pullUp`/`pullDown` name the fixed resistor and its
// side (adc, budget); `side` names the side alone where the resistor is to
// be chosen (pullup).
struct CircuitOptions {
    std::string pullUp, pullDown, side = "up", bits, fullScale = "2^N", series, parallel, supply = "3.3", vref;
};

// Which of the options a command takes: the fixed resistor by value
// (--pull-up R or --pull-down R) or its side alone (--side up|down).
enum class FixedResistor { byValue, sideOnly };

void addCircuitOptions(std::vector<OptionSpec>& commandOptions, CircuitOptions& options, const Messages& m,
                       FixedResistor fixed);

// The divider the options give; with FixedResistor::sideOnly its fixed
// resistor is 1 Ω, for the caller to replace. Throws UnreadableArgument
// when a value cannot be read, the resistor or --bits is missing, or the
// values make no circuit.
models::Divider dividerOf(const Messages& m, const CircuitOptions& options, FixedResistor fixed);

// "Circuit: thermistor to ground, 10000 ohm pull-up to the supply; 12-bit
// ADC, code = V / Vref * 2^12 rounded, Vref = the supply (ratiometric)",
// ASCII, for a header comment.
std::string circuitText(const models::Divider& divider);

} // namespace cli
