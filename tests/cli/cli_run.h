// ntc-beta-cli as the tests drive it in-process: arguments in, exit status and both outputs back.
#pragma once

#include "cli/messages/language.h"
#include "cli/run.h"

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace cli_test {

struct Outcome {
    int status;
    std::string out, err;
};

inline Outcome runCli(const std::vector<std::string>& args, const std::string& input = "",
                      cli::Language language = cli::Language::english)
{
    std::vector<std::string> texts{"ntc-beta-cli"};
    texts.insert(texts.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& t : texts) argv.push_back(t.data());
    argv.push_back(nullptr);
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = cli::run(static_cast<int>(texts.size()), argv.data(), in, out, err, language);
    return {status, out.str(), err.str()};
}

// Standard error without the notes (lines "ntc-beta-cli: note: ..."), which
// tell and leave the exit status alone: what is left is what alarms.
inline std::string withoutNotes(const std::string& err)
{
    std::string kept;
    std::size_t start = 0;
    while (start < err.size()) {
        std::size_t end = err.find('\n', start);
        end = end == std::string::npos ? err.size() : end + 1;
        const std::string line = err.substr(start, end - start);
        if (line.rfind("ntc-beta-cli: note: ", 0) != 0) kept += line;
        start = end;
    }
    return kept;
}

inline Outcome runCli(std::initializer_list<std::string> args, const std::string& input = "",
                      cli::Language language = cli::Language::english)
{
    return runCli(std::vector<std::string>(args), input, language);
}

} // namespace cli_test
