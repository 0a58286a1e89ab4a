// ntc-beta-cli: the command-line twin of the window, as one callable function.
#include "cli/run.h"

#include "cli/command.h"
#include "models/thermistor.h"

#include <CLI/CLI.hpp>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#ifndef NTC_BETA_VERSION
#error "NTC_BETA_VERSION comes from project() through the build"
#endif

namespace cli {

namespace {

// The help's labels, flags and footer in the session's language.
void describe(CLI::App& app, const Messages& m)
{
    const auto formatter = app.get_formatter();
    formatter->label("Usage", std::string(m.usageLabel));
    formatter->label("OPTIONS", std::string(m.optionsLabel));
    formatter->label("SUBCOMMAND", std::string(m.commandLabel));
    formatter->label("SUBCOMMANDS", std::string(m.commandLabel));
    formatter->label("Positionals", std::string(m.positionalsLabel));
    formatter->label("REQUIRED", std::string(m.requiredLabel));
    formatter->column_width(34);
    app.option_defaults()->group(std::string(m.optionsGroup));
    app.set_help_flag("-h,--help", std::string(m.helpFlag));
    app.set_version_flag("--version", std::string("ntc-beta-cli ") + NTC_BETA_VERSION, std::string(m.versionFlag));
    app.footer(std::string(m.footer));
    app.require_subcommand(1);
}

// Standard output flushed; a failed write is a failed run.
int finish(Session& s)
{
    s.out.flush();
    if (!s.out) {
        s.err << s.m.errorPrefix << s.m.cannotWrite << '\n';
        return kExitComputationFailed;
    }
    return kExitSuccess;
}

// The first word of a parse error's text that names an option ("--csv"),
// which the error's own English text carries; empty when there is none.
std::string optionNamedIn(std::string_view text)
{
    const std::size_t start = text.find("-");
    if (start == std::string_view::npos || (start > 0 && text[start - 1] != ' ')) return {};
    const std::size_t end = text.find_first_of(" :=,", start);
    return std::string(text.substr(start, end == std::string_view::npos ? text.size() - start : end - start));
}

// CLI11's messages are in English; each kind of parse error gets ours, in
// the session's language.
std::string parseErrorText(const CLI::ParseError& error, const Messages& m, int argc, char** argv)
{
    const std::string_view what = error.what();
    if (dynamic_cast<const CLI::RequiredError*>(&error)) {
        if (argc > 1 && argv[1][0] != '\0' && argv[1][0] != '-')
            return format(m.unknownCommand, {shownValue(m, argv[1])});
        return std::string(m.commandNeeded);
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
        const std::size_t colon = what.find(": ");
        const std::string_view extras = colon == std::string_view::npos ? what : what.substr(colon + 2);
        return format(m.unexpectedArguments, {shownValue(m, extras)});
    }
    const std::string option = optionNamedIn(what);
    if (option.empty()) return std::string(m.unreadableCommandLine);
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) return format(m.valueMissing, {shownValue(m, option)});
    return format(m.badOptionValue, {shownValue(m, option)});
}

// The command line parsed: help and the version are printed here, a parse
// error is a usage error. Empty when the chosen command is to run.
std::optional<int> parse(CLI::App& app, Session& s, int argc, char** argv)
{
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        s.out << app.help();
        return finish(s);
    } catch (const CLI::CallForAllHelp&) {
        s.out << app.help("", CLI::AppFormatMode::All);
        return finish(s);
    } catch (const CLI::CallForVersion& version) {
        s.out << version.what() << '\n';
        return finish(s);
    } catch (const CLI::ParseError& error) {
        s.err << s.m.errorPrefix << parseErrorText(error, s.m, argc, argv) << '\n' << s.m.runHelp << '\n';
        return kExitUsage;
    }
    return std::nullopt;
}

// Runs the command the line chose; its failures become messages and exit
// statuses here.
int runChosen(const Command& command, Session& s)
{
    int status = kExitSuccess;
    try {
        status = command.run();
    } catch (const UnreadableArgument& error) {
        s.err << s.m.errorPrefix << error.what() << '\n';
        return kExitUsage;
    } catch (const models::ModelFailure& failure) {
        s.out.flush();
        s.err << s.m.errorPrefix << failureText(s.m, failure.kind()) << '\n';
        return kExitComputationFailed;
    }
    const int written = finish(s);
    return status != kExitSuccess ? status : written;
}

int runProgram(int argc, char** argv, Session& s)
{
    CLI::App app(std::string(s.m.program), "ntc-beta-cli");
    describe(app, s.m);
    const std::array commands{addBetaCommand(app, s), addSteinhartCommand(app, s), addTableCommand(app, s),
                              addTemperatureCommand(app, s), addResistanceCommand(app, s)};
    if (const auto status = parse(app, s, argc, argv)) return *status;
    for (const Command& command : commands)
        if (app.got_subcommand(command.app)) return runChosen(command, s);
    return finish(s);
}

} // namespace

int run(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err, Language language)
{
    try {
        Session session{messages(language), in, out, err};
        return runProgram(argc, argv, session);
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
