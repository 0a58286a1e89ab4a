// ntc-beta: the workbench's functions as the page's script calls them in its WebAssembly module.
#include "ui/web/workbench/workbench.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

// The answer stays here until the next call; the script reads it at once.
const char* answered(std::string json)
{
    static std::string answer;
    answer = std::move(json);
    return answer.c_str();
}

} // namespace

extern "C" {

// `table` as pasted (UTF-8), `settings` as "name=value" lines, `source` the
// table's name for a firmware table's comment ("murata.csv").
EMSCRIPTEN_KEEPALIVE const char* ntc_workbench_fit(const char* table, const char* settings, const char* source)
{
    return answered(workbench::fitJson(table, workbench::settingsOf(settings), source));
}

EMSCRIPTEN_KEEPALIVE const char* ntc_workbench_adc(const char* settings)
{
    return answered(workbench::adcJson(workbench::settingsOf(settings)));
}

EMSCRIPTEN_KEEPALIVE const char* ntc_workbench_adc_output() { return answered(workbench::adcOutputJson()); }

EMSCRIPTEN_KEEPALIVE const char* ntc_workbench_adc_interpolation()
{
    return answered(workbench::adcInterpolationJson());
}

EMSCRIPTEN_KEEPALIVE const char* ntc_workbench_design(const char* settings)
{
    return answered(workbench::designJson(workbench::settingsOf(settings)));
}

} // extern "C"
