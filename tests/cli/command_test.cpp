// Tests of the registered commands: the README names each of them.
#include "cli/commands/command.h"
#include "cli/messages/messages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

using cli::Language;

// The commands the README lists under "Command line" are the registered
// ones, each named `as code`.
TEST(Commands, TheReadmeNamesEveryRegisteredCommand)
{
    std::ifstream in(std::string(NTC_SOURCE_DIR) + "/README.md");
    const std::string readme(std::istreambuf_iterator<char>(in), {});
    const std::size_t section = readme.find("\n## Command line\n");
    ASSERT_NE(section, std::string::npos);
    const std::string text = readme.substr(section, readme.find("\n## ", section + 1) - section);
    for (const auto& command : cli::registeredCommands()) {
        std::string code(1, '`');
        code.append(command.name).append(1, '`');
        EXPECT_NE(text.find(code), std::string::npos) << command.name;
    }
    EXPECT_EQ(cli::commandNames(cli::messages(Language::english)),
              "beta, steinhart, table, temperature, resistance, adc, fit, pullup, budget");
    EXPECT_EQ(cli::commandNames(cli::messages(Language::chinese)),
              "beta、steinhart、table、temperature、resistance、adc、fit、pullup、budget");
}

} // namespace
