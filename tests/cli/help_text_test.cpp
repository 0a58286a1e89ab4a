// Tests of the help laid out for an 80-column terminal: display width (a
// Chinese character two columns), wrapping, and every help line of every
// command in both languages.
#include "cli/commands/command.h"
#include "cli/output/help_text.h"
#include "cli_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cli::Language;

struct WidthCase {
    std::string text;
    std::size_t width;
};

const WidthCase kWidths[] = {
    {"", 0}, {"abc", 3}, {"25 °C", 5}, {"680Ω", 4}, {"用法", 4}, {"（K）", 5}, {"“CSV UTF-8”", 11}, {"\xFF", 1},
};

TEST(HelpText, DisplayWidthCountsChineseCharactersAsTwo)
{
    for (const WidthCase& c : kWidths) EXPECT_EQ(cli::displayWidth(c.text), c.width) << c.text;
}

struct WrapCase {
    std::string text;
    std::size_t width;
    std::string wrapped;
    const char* guards;
};

const WrapCase kWraps[] = {
    {"one two three", 7, "one two\nthree", "at blanks"},
    {"one\ntwo three", 20, "one\ntwo three", "line ends kept"},
    {"a verylongword b", 4, "a\nverylongword\nb", "a word longer than the line stands alone"},
    {"温度与电阻", 4, "温度\n与电\n阻", "between Chinese characters"},
    {"温度，电阻", 4, "温\n度，\n电阻", "never before a comma"},
    {"a（温度）", 5, "a（温\n度）", "never after an opening bracket"},
};

TEST(HelpText, WrapsAtBlanksAndBetweenChineseCharacters)
{
    for (const WrapCase& c : kWraps) EXPECT_EQ(cli::wrapText(c.text, c.width), c.wrapped) << c.guards;
}

// Every line of every --help, in both languages, within 80 columns.
TEST(HelpText, EveryHelpLineFitsEightyColumns)
{
    std::vector<std::vector<std::string>> helps{{"--help"}};
    for (const auto& command : cli::registeredCommands()) helps.push_back({std::string(command.name), "--help"});
    for (Language language : {Language::english, Language::chinese})
        for (const auto& args : helps) {
            const cli_test::Outcome o = cli_test::runCli(args, "", language);
            ASSERT_EQ(o.status, 0);
            std::size_t start = 0, lines = 0;
            for (std::size_t end = o.out.find('\n'); end != std::string::npos; end = o.out.find('\n', start)) {
                const std::string line = o.out.substr(start, end - start);
                EXPECT_LE(cli::displayWidth(line), 80u) << args[0] << ": " << line;
                start = end + 1;
                ++lines;
            }
            EXPECT_GT(lines, 5u);
        }
}

} // namespace
