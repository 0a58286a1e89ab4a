// ntc-beta-cli as the tests drive it in-process: arguments in, exit status and both outputs back.
#pragma once

#include "cli/language.h"
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

inline Outcome runCli(std::initializer_list<std::string> args, const std::string& input = "",
                      cli::Language language = cli::Language::english)
{
    return runCli(std::vector<std::string>(args), input, language);
}

} // namespace cli_test
