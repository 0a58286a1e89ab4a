// ntc-beta: the page's workbench: a table fitted and an ADC table made, from the page's texts, as the command line
// makes them, answered as JSON for the page's script.
#include "ui/web/workbench/workbench.h"

#include "calc/b_value.h"
#include "calc/number_reading.h"
#include "models/adc_table.h"
#include "models/beta_reference.h"
#include "models/firmware_text.h"
#include "models/model_text.h"
#include "ui/web/workbench/adc_answer.h"
#include "ui/web/workbench/design_answer.h"
#include "ui/web/workbench/fit_answer.h"

#include <cmath>
#include <optional>
#include <stdexcept>
#include <vector>

namespace workbench {

namespace {

// A setting that does not read: the page names the field.
struct Unreadable : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The last ADC table made, for its output.
std::optional<AdcOutput>& lastTable()
{
    static std::optional<AdcOutput> table;
    return table;
}

// The last fit that went through, and what it came from.
std::optional<FitSource>& lastFit()
{
    static std::optional<FitSource> fit;
    return fit;
}

std::string text(const Settings& s, std::string_view name, std::string_view otherwise = {})
{
    const auto found = s.find(name);
    return found == s.end() || found->second.empty() ? std::string(otherwise) : found->second;
}

double number(const Settings& s, std::string_view name, std::string_view otherwise = {})
{
    const auto value = calc::parseNumber(text(s, name, otherwise));
    if (!value) throw Unreadable(std::string(name));
    return *value;
}

double ohms(const Settings& s, std::string_view name, std::string_view otherwise = {})
{
    const auto value = models::parseResistance(text(s, name, otherwise));
    if (!value || !(*value > 0)) throw Unreadable(std::string(name));
    return *value;
}

// A temperature setting in kelvin; without a unit °C, or kelvin when `kelvin`.
double kelvin(const Settings& s, std::string_view name, bool kelvinUnitless, std::string_view otherwise = {})
{
    const auto read = models::parseTemperature(text(s, name, otherwise));
    if (!read) throw Unreadable(std::string(name));
    auto unit = read->unit == models::TemperatureUnit::unspecified
                    ? (kelvinUnitless ? models::TemperatureUnit::kelvin : models::TemperatureUnit::celsius)
                    : read->unit;
    const double value = unit == models::TemperatureUnit::fahrenheit ? models::fahrenheitToCelsius(read->value) : read->value;
    const double k = models::toKelvin(value, unit != models::TemperatureUnit::kelvin);
    if (!(k > 0)) throw Unreadable(std::string(name));
    return k;
}

// A temperature setting in °C (one in K or °F converted), as the command
// line reads a table's bounds.
double celsius(const Settings& s, std::string_view name, std::string_view otherwise)
{
    const auto read = models::parseTemperature(text(s, name, otherwise));
    if (!read) throw Unreadable(std::string(name));
    double value = read->value;
    if (read->unit == models::TemperatureUnit::fahrenheit) value = models::fahrenheitToCelsius(value);
    if (read->unit == models::TemperatureUnit::kelvin) value = calc::kelvinToCelsius(value);
    if (!(value > -calc::kCelsiusOffset)) throw Unreadable(std::string(name));
    return value;
}

models::FitKind kindOf(const std::string& model)
{
    if (model == "steinhart4") return models::FitKind::steinhart4;
    if (model == "beta") return models::FitKind::beta;
    return models::FitKind::steinhart;
}

FitSettings fitSettingsOf(const Settings& s)
{
    const bool kelvinUnitless = text(s, "kelvin") == "1";
    FitSettings f;
    f.kind = kindOf(text(s, "model", "steinhart"));
    f.t0Kelvin = kelvin(s, "t0", kelvinUnitless, kelvinUnitless ? "298.15" : "25");
    if (!text(s, "r0").empty() && f.kind == models::FitKind::beta) f.keptR0 = ohms(s, "r0");
    if (!text(s, "from").empty()) f.fromKelvin = kelvin(s, "from", kelvinUnitless);
    if (!text(s, "to").empty()) f.toKelvin = kelvin(s, "to", kelvinUnitless);
    return f;
}

models::PastedTableOptions tableOptionsOf(const Settings& s)
{
    models::PastedTableOptions o;
    const std::string mark = text(s, "mark");
    o.decimalMark = mark == "comma" ? models::DecimalMark::comma
                    : mark == "point" ? models::DecimalMark::point
                                      : models::DecimalMark::automatic;
    o.kelvin = text(s, "kelvin") == "1";
    o.resistanceFactor = text(s, "factor").empty() ? 0 : number(s, "factor");
    return o;
}

models::Divider dividerOf(const Settings& s)
{
    models::Divider d;
    d.side = text(s, "side") == "down" ? models::ThermistorSide::high : models::ThermistorSide::low;
    d.fixedOhms = ohms(s, "fixed");
    if (!text(s, "series").empty()) d.seriesOhms = number(s, "series") == 0 ? 0 : ohms(s, "series");
    if (!text(s, "parallel").empty()) d.parallelOhms = ohms(s, "parallel");
    const double bits = number(s, "bits", "10");
    if (!(bits >= 1 && bits <= 16 && bits == std::floor(bits))) throw Unreadable("bits");
    d.bits = static_cast<int>(bits);
    d.fullScale = text(s, "scale") == "2^N-1" ? models::FullScale::powerOfTwoLessOne : models::FullScale::powerOfTwo;
    d.supplyVolts = number(s, "supply", "3.3");
    if (!text(s, "vref").empty()) d.referenceVolts = number(s, "vref");
    if (!models::isValid(d)) throw Unreadable("divider");
    return d;
}

void readModel(const Settings& s, AdcSettings& a)
{
    const std::string model = text(s, "model", "fit");
    a.model = model == "beta" ? AdcModel::beta : model == "steinhart" ? AdcModel::steinhart : AdcModel::fit;
    if (a.model == AdcModel::beta) {
        a.beta = {ohms(s, "r0"), number(s, "beta"), kelvin(s, "t0", false, "25")};
        if (!(a.beta.beta > 0)) throw Unreadable("beta");
    } else if (a.model == AdcModel::steinhart) {
        a.curve = {number(s, "a"), number(s, "b"), number(s, "c"), 0.0};
        a.fourTerms = !text(s, "d").empty();
        if (a.fourTerms) a.curve.d = number(s, "d");
    }
}

AdcSettings adcSettingsOf(const Settings& s)
{
    AdcSettings a;
    readModel(s, a);
    a.divider = dividerOf(s);
    a.everyCount = text(s, "every") == "1";
    a.range = {celsius(s, "from", "-40"), celsius(s, "to", "125"), number(s, "step", "5")};
    const bool perCount = a.everyCount || !text(s, "maxerror").empty();
    const bool isRange = perCount ? a.range.fromCelsius <= a.range.toCelsius : models::tableRowCount(a.range) > 0;
    if (!isRange) throw Unreadable("range");
    const std::string format = text(s, "format", "csv");
    a.format = format == "marlin"    ? AdcFormat::marlin
               : format == "c"       ? AdcFormat::c
               : format == "klipper" ? AdcFormat::klipper
               : format == "reprap"  ? AdcFormat::reprap
               : format == "esphome" ? AdcFormat::esphome
                                     : AdcFormat::csv;
    a.name = text(s, "name");
    a.maxErrorText = text(s, "maxerror");
    if (!a.maxErrorText.empty()) a.maxErrorKelvin = number(s, "maxerror");
    // A bound places the rows itself, as `adc --max-error` takes no step.
    if (!a.maxErrorText.empty()) a.everyCount = false;
    const std::string type = text(s, "ctype", "x10");
    a.cType = type == "x100" ? models::TemperatureType::hundredths
              : type == "int" ? models::TemperatureType::whole
              : type == "float" ? models::TemperatureType::floating
                                : models::TemperatureType::tenths;
    a.fahrenheit = text(s, "fahrenheit") == "1";
    return a;
}

// A tolerance in % ("1" or "1%") as a fraction, 0 or more.
double fraction(const Settings& s, std::string_view name)
{
    std::string typed = text(s, name, "0");
    if (typed.back() == '%') typed.pop_back();
    const auto value = calc::parseNumber(typed);
    if (!value || !(*value >= 0)) throw Unreadable(std::string(name));
    return *value / 100;
}

models::ESeries seriesOf(const Settings& s)
{
    const std::string series = text(s, "eseries", "E24");
    return series == "E12" ? models::ESeries::e12 : series == "E48" ? models::ESeries::e48
                         : series == "E96" ? models::ESeries::e96 : models::ESeries::e24;
}

double dissipationOf(const Settings& s)
{
    if (text(s, "dissipation").empty()) return 0;
    const double value = number(s, "dissipation");
    if (!(value > 0)) throw Unreadable("dissipation");
    return value;
}

models::Tolerances tolerancesOf(const Settings& s)
{
    models::Tolerances t;
    t.r25 = fraction(s, "r25tol");
    t.beta = fraction(s, "betatol");
    t.resistor = fraction(s, "resistortol");
    t.reference = fraction(s, "vreftol");
    t.adcCounts = std::fabs(number(s, "adcerror", "0"));
    return t;
}

} // namespace

Settings settingsOf(std::string_view lines)
{
    Settings settings;
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        const std::string_view line = lines.substr(0, end);
        if (const std::size_t equals = line.find('='); equals != line.npos)
            settings[std::string(line.substr(0, equals))] = std::string(line.substr(equals + 1));
        if (end == lines.npos) break;
        lines.remove_prefix(end + 1);
    }
    return settings;
}

std::string fitJson(std::string_view table, const Settings& settings, std::string_view source)
{
    JsonWriter json;
    json.beginObject();
    try {
        const FitSettings fit = fitSettingsOf(settings);
        const auto kept = fitAnswer(json, models::readPastedTable(table, tableOptionsOf(settings)), fit);
        if (kept) lastFit() = FitSource{*kept, text(settings, "model", "steinhart"), std::string(source)};
        else lastFit().reset();
    } catch (const Unreadable& unreadable) {
        lastFit().reset();
        json.field("unreadable", unreadable.what());
    }
    return json.endObject().text();
}

std::string adcJson(const Settings& settings)
{
    JsonWriter json;
    json.beginObject();
    try {
        adcAnswer(json, adcSettingsOf(settings), lastFit(), lastTable());
    } catch (const Unreadable& unreadable) {
        lastTable().reset();
        json.field("unreadable", unreadable.what());
    }
    return json.endObject().text();
}

std::string adcOutputJson()
{
    JsonWriter json;
    json.beginObject();
    if (lastTable()) outputAnswer(json, *lastTable());
    return json.endObject().text();
}

std::string adcInterpolationJson()
{
    JsonWriter json;
    json.beginObject();
    if (lastTable()) interpolationAnswer(json, *lastTable());
    return json.endObject().text();
}

std::string designJson(const Settings& settings)
{
    JsonWriter json;
    json.beginObject();
    try {
        const AdcSettings adc = adcSettingsOf(settings);
        const double dissipation = dissipationOf(settings);
        json.key("pullup").beginObject();
        pullupAnswer(json, adc, lastFit(), seriesOf(settings), ohms(settings, "lowest", "100"),
                     ohms(settings, "highest", "1M"), dissipation);
        json.endObject().key("budget").beginObject();
        budgetAnswer(json, adc, lastFit(), tolerancesOf(settings), dissipation);
        json.endObject();
    } catch (const Unreadable& unreadable) {
        json = JsonWriter();
        json.beginObject().field("unreadable", unreadable.what());
    }
    return json.endObject().text();
}

} // namespace workbench
