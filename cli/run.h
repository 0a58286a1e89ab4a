// ntc-beta-cli: the command-line twin of the window, as one callable function.
#pragma once

#include "cli/messages/language.h"

#include <istream>
#include <ostream>

namespace cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitComputationFailed = 1;
inline constexpr int kExitUsage = 2;
// Every result printed, but standard error warns about a value.
inline constexpr int kExitWarning = 3;

// Runs the program on UTF-8 arguments (argv[0] is the program's name):
// reads standard input from `in` (for `beta --csv -`), writes results and
// help to `out`, messages and warnings to `err`, in `language`.
// Returns the exit status: kExitSuccess, kExitComputationFailed when a
// value was refused or a computation (or any CSV row) failed, kExitUsage for
// a usage error, including a number that cannot be read, kExitWarning when
// every result was printed but a value looked implausible (see --help).
// Never throws.
int run(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err, Language language);

// run() in the language the environment chooses (languageFromEnvironment).
int run(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace cli
