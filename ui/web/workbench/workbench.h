// ntc-beta: the page's workbench: a table fitted and an ADC table made, from the page's texts, as the command line
// makes them, answered as JSON for the page's script.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace workbench {

// The page's settings as "name=value" lines (values as typed: "4.7k",
// "25", "-40 °C"); a name missing takes the command line's default.
using Settings = std::map<std::string, std::string, std::less<>>;
Settings settingsOf(std::string_view lines);

// Reads `table` (models::readPastedTable), checks it and fits it as `fit`
// does: settings model (steinhart, steinhart4, beta), t0, r0 (beta: R0
// kept), from, to, kelvin (1), mark (point, comma), factor (1000 for kΩ).
// The answer: how the table was read ("read"), the rows that could not be
// ("problems"), why the fit was refused ("refusals"), what to warn about
// ("warnings"), and the fit ("fit": coefficients as the command line
// prints them and in full, largest and RMS error, every fitted row's
// error, the curve over the table's range for the plot). The fit is kept
// for adcJson's model "fit", named `source` in a table's comment.
std::string fitJson(std::string_view table, const Settings& settings, std::string_view source);

// An ADC table as `adc` makes it: model fit (the last fit that went
// through; a curve that turns back is refused for a table), beta (r0, t0,
// beta) or steinhart (a, b, c, d); the circuit: side (up, down), fixed,
// series, parallel, bits, scale (2^N, 2^N-1), supply, vref; the range:
// from, to, step, every (1: one row per count); the output: format (csv,
// c, marlin), name, ctype (x10, x100, int, float), fahrenheit (1). The
// answer: the rows as columns ("rows": count, celsius, ohms, volts,
// perCount), the rows merged and on the rails, why there are none
// ("error"), and what the settings could not read. The table is kept for
// adcOutputJson.
std::string adcJson(const Settings& settings);

// The last table's output as `adc --format` writes it ("output"), or why
// there is none ("error"); {} when there is no table.
std::string adcOutputJson();

// The last table's largest interpolation error ("interpolation"); {} when
// there is no table or it has one row.
std::string adcInterpolationJson();

// The design view: the ADC view's model and circuit (as adcJson reads
// them), with eseries (E12, E24, E48, E96), lowest and highest (the
// candidates' decades, 100 Ω to 1 MΩ unless given), dissipation (mW/K) and
// the tolerances r25tol, betatol, resistortol, vreftol (in %) and adcerror
// (counts): "pullup" (design_answer.h: the candidates, best first) and
// "budget" (the error at each temperature of the range), or "unreadable".
std::string designJson(const Settings& settings);

} // namespace workbench
