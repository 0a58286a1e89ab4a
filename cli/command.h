// ntc-beta-cli: what every command shares: its streams and texts, how it joins the command line, how it fails.
#pragma once

#include "cli/messages.h"
#include "cli/run.h"

#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string_view>

namespace CLI {
class App;
}

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

// One command: its subcommand, and what runs it once the command line has
// been parsed. `run` gives the exit status; it throws UnreadableArgument for
// a usage error and models::ModelFailure when the computation fails.
struct Command {
    CLI::App* app = nullptr;
    std::function<int()> run;
};

// The five commands, one file each: each adds its subcommand, its options
// bound to values of its own, and its help texts in the session's language.
// The session must outlive the command.
Command addBetaCommand(CLI::App& app, Session& session);
Command addSteinhartCommand(CLI::App& app, Session& session);
Command addTableCommand(CLI::App& app, Session& session);
Command addTemperatureCommand(CLI::App& app, Session& session);
Command addResistanceCommand(CLI::App& app, Session& session);

// A subcommand listed under the commands group, its help flag under options.
CLI::App* addSubcommand(CLI::App& app, const char* name, std::string_view description, const Messages& m);

// The -k/--kelvin flag: temperatures without a unit are kelvin.
void addKelvinFlag(CLI::App& command, bool& kelvin, const Messages& m);

// "B25/100 = 3415.64467232579 K" and a line end.
void writeMeasuredB(std::ostream& out, const models::MeasuredB& b);

} // namespace cli
