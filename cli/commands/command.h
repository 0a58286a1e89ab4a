// ntc-beta-cli: what every command shares: its streams and texts, its options as data, how it fails.
#pragma once

#include "cli/messages/messages.h"
#include "cli/run.h"

#include <functional>
#include <iosfwd>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace models {
struct MeasuredB;
}

namespace cli {

// A command-line value that cannot be read, or values that do not fit
// together: a usage error, exit status kExitUsage. what() is the message.
class UnreadableArgument : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where a command reads and writes, and in which language.
struct Session {
    const Messages& m;
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// One option or positional argument of a command, as data: run.cpp hands
// it to the parser, which stores what was typed in `target` (a text, a
// list of texts, or a flag). `names` is "--r25" or "-k,--kelvin"; a name
// without a leading '-' ("readings") is a positional argument.
struct OptionSpec {
    std::string names;
    std::string_view help;
    std::string_view typeName; // "R", "FILE"; empty for a flag
    std::variant<std::string*, std::vector<std::string>*, bool*> target;
    int leastValues = 1, mostValues = 1; // for a list; mostValues -1: any number
    bool repeatable = false;             // a list whose option may be given again, a value each time
    std::vector<std::string> choices;    // when given, the value must be one of them
    bool ignoreCase = false;             // ... in any case
    bool required = false;
    std::string_view group;              // the help's heading; empty: the command's own options
};

OptionSpec textOption(std::string names, std::string_view help, std::string_view typeName, std::string& target);
OptionSpec listOption(std::string names, std::string_view help, std::string_view typeName,
                      std::vector<std::string>& target, int least, int most);
OptionSpec flagOption(std::string names, std::string_view help, bool& target);

// One command: its help, its options in the order the help lists them, and
// what runs it once the command line has been parsed. `run` gives the exit
// status; it throws UnreadableArgument for a usage error and
// models::ModelFailure when the computation fails.
struct CommandSpec {
    std::string_view description;
    std::vector<OptionSpec> options;
    std::function<int()> run;
};

// A registered command: its name and what builds it for a session (which
// must outlive the command).
struct RegisteredCommand {
    std::string_view name;
    CommandSpec (*make)(Session& session);
};

// Every command, in the order the help lists them; the messages, the help
// and the README name them from here.
std::span<const RegisteredCommand> registeredCommands();

// The commands' names joined as the language lists them: "beta, steinhart,
// ..." or "beta、steinhart、...".
std::string commandNames(const Messages& m);

// The commands, one file each.
CommandSpec betaCommand(Session& session);
CommandSpec steinhartCommand(Session& session);
CommandSpec tableCommand(Session& session);
CommandSpec temperatureCommand(Session& session);
CommandSpec resistanceCommand(Session& session);
CommandSpec adcCommand(Session& session);
CommandSpec fitCommand(Session& session);
CommandSpec pullupCommand(Session& session);
CommandSpec budgetCommand(Session& session);

// The -k/--kelvin flag: temperatures without a unit are kelvin.
OptionSpec kelvinFlag(bool& kelvin, const Messages& m);

// "B25/100 = 3415.64467232579 K" and a line end.
void writeMeasuredB(std::ostream& out, const models::MeasuredB& b);

} // namespace cli
