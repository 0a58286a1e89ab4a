// ntc-beta-cli: the command-line twin of the window, as one callable function.
#include "cli/run.h"

#include "calc/b_value.h"
#include "calc/quantity.h"
#include "calc/rt_table.h"
#include "calc/steinhart_hart.h"
#include "calc/thermistor.h"
#include "cli/csv_batch.h"
#include "cli/messages.h"
#include "cli/readings.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#ifndef NTC_BETA_VERSION
#error "NTC_BETA_VERSION comes from project() through the build"
#endif

namespace cli {

namespace {

// A command-line value that cannot be read: a usage error, exit 2.
class UnreadableArgument : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the commands were given, as texts until each command reads them.
struct Arguments {
    std::vector<std::string> readings;
    std::string csv;
    bool kelvin = false;
    std::string r25, beta;
    std::vector<std::string> steinhart;
    std::string from = "-40", to = "125", step = "5", format = "csv";
};

// A coefficient with 15 significant digits in exponent form, trailing
// zeros of the mantissa dropped: "8.2649517014797e-04".
std::string scientificText(double value)
{
    std::array<char, 64> buf{};
    char* end = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific, 14).ptr;
    std::string text(buf.data(), end);
    const auto e = text.find('e');
    std::size_t cut = e;
    while (cut > 0 && text[cut - 1] == '0') --cut;
    if (cut > 0 && text[cut - 1] == '.') --cut;
    return text.erase(cut, e - cut);
}

class Program {
public:
    Program(Language language, std::istream& in, std::ostream& out, std::ostream& err)
        : m_(messages(language)), in_(in), out_(out), err_(err)
    {
    }

    int run(int argc, char** argv);

private:
    void describe(CLI::App& app);
    void addModelOptions(CLI::App* command);
    CLI::App* addCommand(CLI::App& app, const char* name, std::string_view description);

    int beta();
    int betaOfCsv();
    int steinhart();
    int table();
    int temperature();
    int resistance();

    double resistanceArgument(std::string_view name, const std::string& text) const;
    Temperature temperatureArgument(std::string_view name, const std::string& text) const;
    double numberArgument(std::string_view name, const std::string& text) const;
    double celsiusArgument(std::string_view name, const std::string& text) const;
    calc::ThermistorModel model() const;
    std::string modelDescription() const;
    void warn(std::string_view text) { err_ << m_.warningPrefix << text << '\n'; }
    int finish();

    const Messages& m_;
    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    Arguments a_;
    CLI::App* beta_ = nullptr;
    CLI::App* steinhart_ = nullptr;
    CLI::App* table_ = nullptr;
    CLI::App* temperature_ = nullptr;
    CLI::App* resistance_ = nullptr;
};

CLI::App* Program::addCommand(CLI::App& app, const char* name, std::string_view description)
{
    CLI::App* command = app.add_subcommand(name, std::string(description));
    command->group(std::string(m_.commandsGroup));
    command->get_help_ptr()->group(std::string(m_.optionsGroup));
    return command;
}

void Program::addModelOptions(CLI::App* command)
{
    command->add_option("--r25", a_.r25, std::string(m_.r25Option))->type_name("R");
    command->add_option("--beta", a_.beta, std::string(m_.betaOption))->type_name("B");
    command->add_option("--steinhart", a_.steinhart, std::string(m_.steinhartOption))
        ->expected(3)
        ->type_name("N");
}

void Program::describe(CLI::App& app)
{
    const auto formatter = app.get_formatter();
    formatter->label("Usage", std::string(m_.usageLabel));
    formatter->label("OPTIONS", std::string(m_.optionsLabel));
    formatter->label("SUBCOMMAND", std::string(m_.commandLabel));
    formatter->label("SUBCOMMANDS", std::string(m_.commandLabel));
    formatter->label("Positionals", std::string(m_.positionalsLabel));
    formatter->label("REQUIRED", std::string(m_.requiredLabel));
    formatter->column_width(34);
    app.option_defaults()->group(std::string(m_.optionsGroup));
    app.set_help_flag("-h,--help", std::string(m_.helpFlag));
    app.set_version_flag("--version", std::string("ntc-beta-cli ") + NTC_BETA_VERSION, std::string(m_.versionFlag));
    app.footer(std::string(m_.footer));
    app.require_subcommand(1);

    beta_ = addCommand(app, "beta", m_.betaCommand);
    beta_->add_option("readings", a_.readings, std::string(m_.betaValues))->type_name("R1 T1 R2 T2");
    beta_->add_option("--csv", a_.csv, std::string(m_.csvOption))->type_name("FILE");
    beta_->add_flag("-k,--kelvin", a_.kelvin, std::string(m_.kelvinOption));

    steinhart_ = addCommand(app, "steinhart", m_.steinhartCommand);
    steinhart_->add_option("readings", a_.readings, std::string(m_.steinhartValues))->type_name("R1 T1 R2 T2 R3 T3");
    steinhart_->add_flag("-k,--kelvin", a_.kelvin, std::string(m_.kelvinOption));

    table_ = addCommand(app, "table", m_.tableCommand);
    addModelOptions(table_);
    table_->add_option("--from", a_.from, std::string(m_.fromOption))->type_name("T");
    table_->add_option("--to", a_.to, std::string(m_.toOption))->type_name("T");
    table_->add_option("--step", a_.step, std::string(m_.stepOption))->type_name("K");
    table_->add_option("--format", a_.format, std::string(m_.formatOption))
        ->type_name("FORMAT")
        ->check(CLI::IsMember({"csv", "markdown", "c"}));

    temperature_ = addCommand(app, "temperature", m_.temperatureCommand);
    temperature_->add_option("readings", a_.readings, std::string(m_.temperatureValues))
        ->type_name("R ...")
        ->required();
    addModelOptions(temperature_);

    resistance_ = addCommand(app, "resistance", m_.resistanceCommand);
    resistance_->add_option("readings", a_.readings, std::string(m_.resistanceValues))
        ->type_name("T ...")
        ->required();
    resistance_->add_flag("-k,--kelvin", a_.kelvin, std::string(m_.kelvinOption));
    addModelOptions(resistance_);
}

double Program::resistanceArgument(std::string_view name, const std::string& text) const
{
    if (const auto value = calc::parseResistance(text)) return *value;
    throw UnreadableArgument(unreadable(m_, name, text, m_.expectedResistance));
}

Temperature Program::temperatureArgument(std::string_view name, const std::string& text) const
{
    if (const auto value = readTemperature(text, a_.kelvin)) return *value;
    throw UnreadableArgument(unreadable(m_, name, text, m_.expectedTemperature));
}

double Program::numberArgument(std::string_view name, const std::string& text) const
{
    if (const auto value = calc::parseNumber(text)) return *value;
    throw UnreadableArgument(unreadable(m_, name, text, m_.expectedNumber));
}

// A table bound in °C; one written in K or °F is converted.
double Program::celsiusArgument(std::string_view name, const std::string& text) const
{
    const Temperature t = temperatureArgument(name, text);
    return t.celsius ? t.value : t.value - calc::kCelsiusOffset;
}

calc::ThermistorModel Program::model() const
{
    const bool beta = !a_.r25.empty() && !a_.beta.empty();
    const bool partBeta = !a_.r25.empty() || !a_.beta.empty();
    const bool sh = !a_.steinhart.empty();
    if (sh == partBeta || (partBeta && !beta)) throw UnreadableArgument(std::string(m_.modelNeeded));
    if (sh)
        return calc::SteinhartHart{numberArgument("A", a_.steinhart[0]), numberArgument("B", a_.steinhart[1]),
                                   numberArgument("C", a_.steinhart[2])};
    return calc::BetaModel{resistanceArgument("--r25", a_.r25), numberArgument("--beta", a_.beta)};
}

std::string Program::modelDescription() const
{
    const calc::ThermistorModel chosen = model();
    if (const auto* beta = std::get_if<calc::BetaModel>(&chosen))
        return "beta model: R25 = " + calc::fullValueText(beta->r0) + " ohm, B = " + calc::fullValueText(beta->beta) +
               " K";
    const auto& sh = std::get<calc::SteinhartHart>(chosen);
    return "Steinhart-Hart: A = " + scientificText(sh.a) + ", B = " + scientificText(sh.b) +
           ", C = " + scientificText(sh.c);
}

int Program::beta()
{
    if (!a_.csv.empty()) {
        if (!a_.readings.empty()) throw UnreadableArgument(std::string(m_.betaNeedsValues));
        return betaOfCsv();
    }
    if (a_.readings.size() != 4) throw UnreadableArgument(std::string(m_.betaNeedsValues));
    const double r1 = resistanceArgument("R1", a_.readings[0]);
    const Temperature t1 = temperatureArgument("T1", a_.readings[1]);
    const double r2 = resistanceArgument("R2", a_.readings[2]);
    const Temperature t2 = temperatureArgument("T2", a_.readings[3]);
    const calc::MeasuredB b = betaOf(r1, t1, r2, t2);
    out_ << calc::betaName(b.t1Kelvin, b.t2Kelvin) << " = " << calc::fullValueText(b.value) << " K\n";
    return kExitSuccess;
}

int Program::betaOfCsv()
{
    if (a_.csv == "-") return runCsvBatch(in_, out_, err_, m_, a_.kelvin);
    // The name arrives as UTF-8 on every system; a path made from char8_t
    // keeps it so on Windows too.
    const std::u8string name(a_.csv.begin(), a_.csv.end());
    std::ifstream file(std::filesystem::path(name), std::ios::binary);
    if (!file) throw UnreadableArgument(std::string(m_.cannotOpen) + a_.csv);
    return runCsvBatch(file, out_, err_, m_, a_.kelvin);
}

int Program::steinhart()
{
    if (a_.readings.size() != 6) throw UnreadableArgument(std::string(m_.steinhartNeedsValues));
    struct Point {
        double ohms;
        Temperature t;
        double kelvin;
    };
    std::array<Point, 3> points{};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        points[i].ohms = resistanceArgument("R" + n, a_.readings[2 * i]);
        points[i].t = temperatureArgument("T" + n, a_.readings[2 * i + 1]);
    }
    for (Point& p : points) p.kelvin = kelvinOf(p.t);
    const calc::SteinhartHart fit =
        calc::fitSteinhartHart({points[0].ohms, points[0].kelvin}, {points[1].ohms, points[1].kelvin},
                               {points[2].ohms, points[2].kelvin});

    out_ << "A = " << scientificText(fit.a) << '\n'
         << "B = " << scientificText(fit.b) << '\n'
         << "C = " << scientificText(fit.c) << '\n';
    std::sort(points.begin(), points.end(), [](const Point& l, const Point& r) { return l.kelvin < r.kelvin; });
    for (const auto& [i, j] : {std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 2}}) {
        const calc::MeasuredB b = betaOf(points[i].ohms, points[i].t, points[j].ohms, points[j].t);
        out_ << calc::betaName(b.t1Kelvin, b.t2Kelvin) << " = " << calc::fullValueText(b.value) << " K\n";
    }
    if (!(fit.c > 0)) warn(m_.cNotPositive);
    if (!(points[0].ohms > points[1].ohms && points[1].ohms > points[2].ohms)) warn(m_.notFalling);
    return kExitSuccess;
}

int Program::table()
{
    const calc::TableRange range{celsiusArgument("--from", a_.from), celsiusArgument("--to", a_.to),
                                 numberArgument("--step", a_.step)};
    const calc::ThermistorModel chosen = model();
    const std::vector<double> temperatures = calc::tableTemperatures(range);
    if (temperatures.empty()) throw UnreadableArgument(std::string(m_.noRange));

    // Every row first: a table with a hole is no use to firmware.
    std::vector<calc::TableRow> rows;
    rows.reserve(temperatures.size());
    for (double celsius : temperatures) {
        try {
            rows.push_back(calc::tableRow(chosen, celsius));
        } catch (const calc::ModelFailure& failure) {
            err_ << m_.errorPrefix << m_.atTemperature << calc::fullValueText(celsius) << " °C: "
                 << failureText(m_, failure.kind()) << '\n';
            return kExitComputationFailed;
        }
    }

    std::string text;
    const auto cell = [](double v) { return calc::fullValueText(v); };
    if (a_.format == "csv") {
        text = "temperature_c,resistance_ohm,alpha_percent_per_k\n";
        for (const auto& r : rows)
            text.append(cell(r.celsius)).append(",").append(cell(r.ohms)).append(",")
                .append(cell(r.alphaPercentPerKelvin)).append("\n");
    } else if (a_.format == "markdown") {
        text = "| T (°C) | R (Ω) | α (%/K) |\n|---:|---:|---:|\n";
        for (const auto& r : rows)
            text.append("| ").append(cell(r.celsius)).append(" | ").append(cell(r.ohms)).append(" | ")
                .append(cell(r.alphaPercentPerKelvin)).append(" |\n");
    } else {
        const std::string count = std::to_string(rows.size());
        text = "/* NTC thermistor R/T table, ntc-beta-cli " NTC_BETA_VERSION ": " + cell(rows.front().celsius) +
               " degC to " + cell(rows.back().celsius) + " degC in steps of " + cell(range.step) + " K, " + count +
               " rows.\n * " + modelDescription() +
               ".\n * Columns: temperature in degC, resistance in ohm, alpha in %/K. */\n"
               "static const struct ntc_rt_row {\n    double celsius;\n    double ohms;\n"
               "    double alpha_percent_per_k;\n} ntc_rt_table[" + count + "] = {\n";
        for (const auto& r : rows)
            text.append("    {").append(cell(r.celsius)).append(", ").append(cell(r.ohms)).append(", ")
                .append(cell(r.alphaPercentPerKelvin)).append("},\n");
        text.append("};\n");
    }
    out_ << text;
    return kExitSuccess;
}

int Program::temperature()
{
    const calc::ThermistorModel chosen = model();
    std::vector<double> ohms;
    for (std::size_t i = 0; i < a_.readings.size(); ++i)
        ohms.push_back(resistanceArgument("R" + std::to_string(i + 1), a_.readings[i]));
    for (std::size_t i = 0; i < ohms.size(); ++i) {
        const double kelvin = calc::temperatureAt(chosen, ohms[i]);
        out_ << "T(" << a_.readings[i] << ") = " << calc::fullValueText(kelvin - calc::kCelsiusOffset) << " °C = "
             << calc::fullValueText(kelvin) << " K\n";
    }
    return kExitSuccess;
}

int Program::resistance()
{
    const calc::ThermistorModel chosen = model();
    std::vector<double> kelvins;
    for (std::size_t i = 0; i < a_.readings.size(); ++i)
        kelvins.push_back(kelvinOf(temperatureArgument("T" + std::to_string(i + 1), a_.readings[i])));
    for (std::size_t i = 0; i < kelvins.size(); ++i)
        out_ << "R(" << a_.readings[i] << ") = " << calc::fullValueText(calc::resistanceAt(chosen, kelvins[i]))
             << " Ω\n";
    return kExitSuccess;
}

int Program::finish()
{
    out_.flush();
    if (!out_) {
        err_ << m_.errorPrefix << m_.cannotWrite << '\n';
        return kExitComputationFailed;
    }
    return kExitSuccess;
}

int Program::run(int argc, char** argv)
{
    CLI::App app(std::string(m_.program), "ntc-beta-cli");
    describe(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out_ << app.help();
        return finish();
    } catch (const CLI::CallForAllHelp&) {
        out_ << app.help("", CLI::AppFormatMode::All);
        return finish();
    } catch (const CLI::CallForVersion& version) {
        out_ << version.what() << '\n';
        return finish();
    } catch (const CLI::ParseError& error) {
        err_ << m_.errorPrefix << error.what() << '\n' << m_.runHelp << '\n';
        return kExitUsage;
    }

    int status = kExitSuccess;
    try {
        if (app.got_subcommand(beta_)) status = beta();
        else if (app.got_subcommand(steinhart_)) status = steinhart();
        else if (app.got_subcommand(table_)) status = table();
        else if (app.got_subcommand(temperature_)) status = temperature();
        else if (app.got_subcommand(resistance_)) status = resistance();
    } catch (const UnreadableArgument& error) {
        err_ << m_.errorPrefix << error.what() << '\n';
        return kExitUsage;
    } catch (const calc::ModelFailure& failure) {
        out_.flush();
        err_ << m_.errorPrefix << failureText(m_, failure.kind()) << '\n';
        return kExitComputationFailed;
    }
    const int written = finish();
    return status != kExitSuccess ? status : written;
}

} // namespace

int run(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err, Language language)
{
    try {
        return Program(language, in, out, err).run(argc, argv);
    } catch (const std::exception& failure) {
        err << "ntc-beta-cli: " << failure.what() << '\n';
        return kExitComputationFailed;
    }
}

int run(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err)
{
    return run(argc, argv, in, out, err, languageFromEnvironment());
}

} // namespace cli
