// ntc-beta-cli: the thermistor model a command is given, --r25 with --beta or --steinhart A B C.
#include "cli/model_options.h"

#include "calc/b_value.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/plausibility.h"

#include <CLI/CLI.hpp>

#include <array>
#include <charconv>

namespace cli {

void addModelOptions(CLI::App& command, ModelOptions& options, const Messages& m)
{
    command.add_option("--r25", options.r25, std::string(m.r25Option))->type_name("R");
    command.add_option("--beta", options.beta, std::string(m.betaOption))->type_name("B");
    command.add_option("--steinhart", options.steinhart, std::string(m.steinhartOption))
        ->expected(3)
        ->allow_extra_args(false) // the readings after the three values are no more of them
        ->type_name("N");
}

std::optional<models::ThermistorModel> chosenModel(const ModelOptions& options, const Messages& m, Findings& found)
{
    const bool beta = !options.r25.empty() && !options.beta.empty();
    const bool partBeta = !options.r25.empty() || !options.beta.empty();
    const bool sh = !options.steinhart.empty();
    if (sh == partBeta || (partBeta && !beta)) throw UnreadableArgument(std::string(m.modelNeeded));
    models::ThermistorModel model;
    if (sh)
        model = models::SteinhartHart{numberArgument(m, "A", options.steinhart[0]),
                                      numberArgument(m, "B", options.steinhart[1]),
                                      numberArgument(m, "C", options.steinhart[2])};
    else
        model = models::BetaModel{resistanceArgument(m, "--r25", options.r25), numberArgument(m, "--beta", options.beta)};
    Findings mine;
    checkModel(m, model, options.r25, options.beta, mine);
    const bool refused = failed(mine);
    found.insert(found.end(), mine.begin(), mine.end());
    if (refused) return std::nullopt;
    return model;
}

std::string modelDescription(const models::ThermistorModel& model)
{
    if (const auto* beta = std::get_if<models::BetaModel>(&model))
        return "beta model: R25 = " + calc::fullValueText(beta->r0) + " ohm, B = " + calc::fullValueText(beta->beta) +
               " K";
    const auto& sh = std::get<models::SteinhartHart>(model);
    return "Steinhart-Hart: A = " + coefficientText(sh.a) + ", B = " + coefficientText(sh.b) +
           ", C = " + coefficientText(sh.c);
}

std::string coefficientText(double value)
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

} // namespace cli
