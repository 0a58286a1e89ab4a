// ntc-beta-cli: what the checks found wrong with the values given, and the exit status it makes.
#include "cli/messages/findings.h"

#include "cli/run.h"

#include <algorithm>
#include <ostream>

namespace cli {

namespace {

int statusOf(Severity severity)
{
    switch (severity) {
    case Severity::note: return kExitSuccess;
    case Severity::warning: return kExitWarning;
    case Severity::refused: return kExitComputationFailed;
    case Severity::unreadable: return kExitUsage;
    }
    return kExitUsage;
}

int rank(int status)
{
    switch (status) {
    case kExitSuccess: return 0;
    case kExitWarning: return 1;
    case kExitComputationFailed: return 2;
    default: return 3;
    }
}

} // namespace

bool failed(const Findings& findings)
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity > Severity::warning; });
}

int exitStatus(const Findings& findings)
{
    int status = kExitSuccess;
    for (const Finding& f : findings) status = worseStatus(status, statusOf(f.severity));
    return status;
}

int worseStatus(int a, int b) { return rank(a) >= rank(b) ? a : b; }

void writeFindings(std::ostream& err, const Messages& m, const Findings& findings, std::string_view where)
{
    for (const Finding& f : findings)
        err << (f.severity == Severity::note      ? m.notePrefix
                : f.severity == Severity::warning ? m.warningPrefix
                                                  : m.errorPrefix)
            << where << f.text << '\n';
}

} // namespace cli
