// ntc-beta-cli: what the checks found wrong with the values given, and the exit status it makes.
#pragma once

#include "cli/messages/messages.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// How bad one finding is: a note only tells (the exit status stays); a
// warning leaves the result printed; a refused value or a failed
// computation leaves it out; an unreadable value is a usage error.
enum class Severity { note, warning, refused, unreadable };

struct Finding {
    Severity severity;
    std::string text; // in the session's language, without the program's prefix
};

using Findings = std::vector<Finding>;

// Whether any finding keeps the result from being printed.
bool failed(const Findings& findings);

// The exit status findings make: kExitSuccess for none, kExitWarning for
// warnings only, kExitComputationFailed when a value was refused,
// kExitUsage when one could not be read.
int exitStatus(const Findings& findings);

// Of two exit statuses, the one that says more is wrong: usage error, then
// refused or failed, then warnings, then success.
int worseStatus(int a, int b);

// Each finding on its own line: "ntc-beta-cli: ", "ntc-beta-cli: warning: "
// or "ntc-beta-cli: note: ",
// then `where` ("line 7: " in a batch, or nothing), then its text.
void writeFindings(std::ostream& err, const Messages& m, const Findings& findings, std::string_view where = {});

} // namespace cli
