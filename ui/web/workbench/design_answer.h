// ntc-beta: the workbench's design view: the fixed resistor chosen from an E series, and the error budget, as the
// command line's `pullup` and `budget` compute them.
#pragma once

#include "models/error_budget.h"
#include "models/pullup.h"
#include "ui/web/workbench/adc_answer.h"
#include "ui/web/workbench/json_writer.h"

namespace workbench {

// The candidates for the fixed resistor in the ADC view's circuit, over its
// range (from, to), best first: "choices" as columns (ohms, worst, worstAt,
// mean, onRail), "allOnRail" where even the best puts a temperature on a
// rail; or "error" (noFit, fitTurnsBack, noCandidates, noRange,
// outsideModel).
void pullupAnswer(JsonWriter& json, const AdcSettings& settings, const std::optional<FitSource>& fit,
                  models::ESeries series, double lowestOhms, double highestOhms, double milliwattsPerKelvin);

// The error budget of the ADC view's model and circuit over its range
// (from, to, step): "rows" as columns (celsius, worst, rss, corners (the
// tolerances' worst case without quantisation) and each
// contribution: r25, beta, resistor, reference, adc, quantisation,
// selfHeating), "unreadable" (the temperatures a corner puts on a rail);
// or "error" (as above, and vrefTolNeedsVref).
void budgetAnswer(JsonWriter& json, const AdcSettings& settings, const std::optional<FitSource>& fit,
                  const models::Tolerances& tolerances, double milliwattsPerKelvin);

} // namespace workbench
