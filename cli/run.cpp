// ntc-beta-cli: the command-line twin of the window, as one callable function; the only file that knows CLI11.
#include "cli/run.h"

#include "calc/number_writing.h"
#include "cli/commands/command.h"
#include "cli/input/plausibility.h"
#include "cli/output/help_text.h"
#include "models/thermistor.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifndef NTC_BETA_VERSION
#error "NTC_BETA_VERSION comes from project() through the build"
#endif

namespace cli {

namespace {

// The help's layout: option names in the first kNameColumns columns, their
// help beside them, every line within kHelpColumns.
constexpr std::size_t kHelpColumns = 80;
constexpr std::size_t kNameColumns = 34;

// CLI11's help with every line within kHelpColumns, as a terminal shows
// it: texts wrapped by display width (a Chinese character takes two
// columns), the name column padded by width too, not by bytes.
class HelpLayout : public CLI::Formatter {
public:
    std::string make_option(const CLI::Option* option, bool positional) const override
    {
        return entry(make_option_name(option, positional) + make_option_opts(option), option->get_description());
    }

    std::string make_subcommand(const CLI::App* command) const override
    {
        return entry(command->get_display_name(true), command->get_description());
    }

    std::string make_description(const CLI::App* app) const override
    {
        const std::string text = app->get_description();
        return text.empty() ? std::string() : wrapText(text, kHelpColumns) + "\n";
    }

    std::string make_footer(const CLI::App* app) const override
    {
        const std::string text = app->get_footer();
        return text.empty() ? std::string() : wrapText(text, kHelpColumns) + "\n";
    }

private:
    // The name in the first columns, the text beside it, each of its lines
    // after the first indented to the same column; a name too wide for its
    // columns stands on a line of its own.
    static std::string entry(const std::string& name, const std::string& text)
    {
        std::string out = "  " + name;
        const std::size_t width = displayWidth(out);
        if (text.empty()) return out + "\n";
        if (width >= kNameColumns) out += "\n" + std::string(kNameColumns, ' ');
        else out.append(kNameColumns - width, ' ');
        for (const char c : wrapText(text, kHelpColumns - kNameColumns)) {
            out += c;
            if (c == '\n') out.append(kNameColumns, ' ');
        }
        return out + "\n";
    }
};

// The help's labels, flags and footer in the session's language.
void describe(CLI::App& app, const Messages& m)
{
    const auto formatter = std::make_shared<HelpLayout>();
    app.formatter(formatter);
    formatter->label("Usage", std::string(m.usageLabel));
    formatter->label("OPTIONS", std::string(m.optionsLabel));
    formatter->label("SUBCOMMAND", std::string(m.commandLabel));
    formatter->label("SUBCOMMANDS", std::string(m.commandLabel));
    formatter->label("Positionals", std::string(m.positionalsLabel));
    formatter->label("REQUIRED", std::string(m.requiredLabel));
    formatter->column_width(kNameColumns);
    app.option_defaults()->group(std::string(m.optionsGroup));
    app.set_help_flag("-h,--help", std::string(m.helpFlag));
    app.set_version_flag("--version", std::string("ntc-beta-cli ") + NTC_BETA_VERSION, std::string(m.versionFlag));
    // The rules with the figures the checks use.
    app.footer(format(m.footer, {calc::fullValueText(kColdestUseCelsius), calc::fullValueText(kHottestUseCelsius),
                                 calc::fullValueText(models::kLeastNtcB), calc::fullValueText(models::kGreatestNtcB)}));
    app.require_subcommand(1);
}

// One option of a command, as data, handed to CLI11.
void addOption(CLI::App& command, const OptionSpec& described, const Messages& m)
{
    const std::string help(described.help);
    CLI::Option* added = nullptr;
    if (auto* flag = std::get_if<bool*>(&described.target)) {
        added = command.add_flag(described.names, **flag, help);
    } else if (auto* text = std::get_if<std::string*>(&described.target)) {
        added = command.add_option(described.names, **text, help);
    } else {
        added = command.add_option(described.names, *std::get<std::vector<std::string>*>(described.target), help);
        if (described.repeatable) {
            added->expected(1)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)->allow_extra_args(false);
        } else if (described.names.starts_with('-')) {
            added->expected(described.leastValues,
                             described.mostValues < 0 ? CLI::detail::expected_max_vector_size : described.mostValues);
            // The readings after an option's values are no more of them.
            added->allow_extra_args(false);
        }
    }
    if (!described.typeName.empty()) added->type_name(std::string(described.typeName));
    if (!described.choices.empty()) {
        if (described.ignoreCase) added->check(CLI::IsMember(described.choices, CLI::ignore_case));
        else added->check(CLI::IsMember(described.choices));
    }
    if (described.required) added->required();
    added->group(std::string(described.group.empty() ? m.optionsGroup : described.group));
}

// The subcommand for one registered command: its own options first, then
// the groups its options name; a short footer that points to the rules.
CLI::App* addCommand(CLI::App& app, std::string_view name, const CommandSpec& described, const Messages& m)
{
    CLI::App* command = app.add_subcommand(std::string(name), std::string(described.description));
    command->group(std::string(m.commandsGroup));
    command->get_help_ptr()->group(std::string(m.optionsGroup));
    // A file named /path/table.csv is a file, not a Windows-style /option.
    command->allow_windows_style_options(false);
    command->footer(std::string(m.commandFooter));
    for (const OptionSpec& option : described.options)
        if (option.group.empty()) addOption(*command, option, m);
    for (const OptionSpec& option : described.options)
        if (!option.group.empty()) addOption(*command, option, m);
    return command;
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
            return format(m.unknownCommand, {shownValue(m, argv[1]), commandNames(m)});
        return format(m.commandNeeded, {commandNames(m)});
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
int runChosen(const CommandSpec& command, Session& s)
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
    std::vector<std::pair<CLI::App*, CommandSpec>> commands;
    for (const RegisteredCommand& registered : registeredCommands()) {
        commands.emplace_back(nullptr, registered.make(s));
        commands.back().first = addCommand(app, registered.name, commands.back().second, s.m);
    }
    if (const auto status = parse(app, s, argc, argv)) return *status;
    for (const auto& [parsed, command] : commands)
        if (app.got_subcommand(parsed)) return runChosen(command, s);
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
