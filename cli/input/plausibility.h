// ntc-beta-cli: the rules for values no thermistor gives, applied alike by every command and the batch.
#pragma once

#include "cli/messages/findings.h"
#include "models/rt_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace models {
struct MeasuredB;
}

namespace cli {

// The temperatures thermistors are used at, in °C: from cryogenic-rated
// parts to glass-encapsulated ones for ovens and exhausts. A value outside is
// warned about, not refused: rare parts do go beyond.
inline constexpr double kColdestUseCelsius = -100;
inline constexpr double kHottestUseCelsius = 500;

// Each check adds what it finds to `found`, naming the value by `name` and
// the text it was read from ("T1 '1000'", as named() writes it).

// Warns "T1 '1000': 1000 °C lies outside -100 °C to 500 °C, where
// thermistors are used" for a temperature outside that range; for a
// temperature computed from a resistance, `name` and `text` are the
// resistance's.
void checkUseRange(const Messages& m, std::string_view name, std::string_view text, double kelvin,
                   Findings& found);

// Refuses a resistance of 0 or less; gives whether it passed.
bool checkResistance(const Messages& m, std::string_view name, std::string_view text, double ohms,
                     Findings& found);

// Refuses a B of 0 or less measured from R1 and R2 ("B = -3415.64467232579 K
// is not above 0: ..."), equal resistances named as such, and warns about a
// B outside the NTC range (checkNtcB); gives whether it passed.
bool checkMeasuredB(const Messages& m, double r1, double r2, const models::MeasuredB& b, Findings& found);

// Warns "B25/100 = 11335.8 K lies outside 1500 K to 7000 K, ..." about a B
// above 0 that no NTC thermistor has (models::isNtcB); `name` is the B's
// name ("B25/100", "B").
void checkNtcB(const Messages& m, std::string_view name, double b, Findings& found);

// Warns that temperatures typed without a unit and read as °C look like
// kelvin (models::looksLikeKelvin, every one of them): `named` are the
// values as named() writes them ("T1 '298.15'"), `values` their numbers.
void checkReadAsCelsius(const Messages& m, const std::vector<std::string>& named, const std::vector<double>& values,
                        Findings& found);

// A model given with --r25/--beta or --steinhart: refuses R25 or B of 0 or
// less ("--beta '0': ..."; `r25Text` and `betaText` as typed), warns about
// Steinhart-Hart coefficients as checkCoefficients does.
void checkModel(const Messages& m, const models::ThermistorModel& model, std::string_view r25Text,
                std::string_view betaText, Findings& found);

// A beta model's R0 and B as checkModel does, R0 named `r0Name` ("--r25",
// "--r0").
void checkBetaModel(const Messages& m, const models::BetaModel& beta, std::string_view r0Name, std::string_view r0Text,
                    std::string_view betaText, Findings& found);

// Warns about Steinhart-Hart coefficients no thermistor has: B of 0 or less
// (the curve does not fall), C below 0 (it turns back beyond the points).
void checkCoefficients(const Messages& m, const models::SteinhartHart& coefficients, Findings& found);

// For `beta`: when its four values look typed in the window's order, R1 R2
// T1 T2 (the second a resistance, "1k" or 1000, the third a temperature
// thermistors are used at), the hint that shows them in the command's order:
// "... ntc-beta-cli beta 10k 25 1k 100". std::nullopt otherwise.
std::optional<std::string> windowOrderHint(const Messages& m, const std::vector<std::string>& readings,
                                           bool kelvinByDefault);

} // namespace cli
