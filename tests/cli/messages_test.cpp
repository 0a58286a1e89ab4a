// Tests of the one message catalogue and of the help laid out from it: both
// languages have every message with the same places for its values, every
// help line fits an 80-column terminal (a Chinese character two columns),
// and the commands the README names are the registered ones.
#include "cli/commands/command.h"
#include "cli/messages/messages.h"
#include "cli/output/help_text.h"
#include "cli_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using cli::Language;

// The argument places of a {fmt} pattern: "{}" counts on from 0, "{1}"
// names its place; "{{" and "}}" are braces.
std::multiset<int> placesOf(std::string_view pattern)
{
    std::multiset<int> places;
    int next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.compare(i, 2, "{{") == 0 || pattern.compare(i, 2, "}}") == 0) {
            ++i;
        } else if (pattern[i] == '{') {
            const std::size_t close = pattern.find('}', i);
            const std::string inside(pattern.substr(i + 1, close - i - 1));
            places.insert(inside.empty() ? next++ : std::stoi(inside));
            i = close;
        }
    }
    return places;
}

TEST(Messages, BothLanguagesHaveEveryMessageWithTheSamePlaces)
{
    const auto english = cli::allMessages(cli::messages(Language::english));
    const auto chinese = cli::allMessages(cli::messages(Language::chinese));
    ASSERT_EQ(english.size(), chinese.size());
    ASSERT_GT(english.size(), 150u);
    for (std::size_t i = 0; i < english.size(); ++i) {
        SCOPED_TRACE(std::string(english[i]));
        EXPECT_FALSE(english[i].empty());
        EXPECT_FALSE(chinese[i].empty());
        const auto places = placesOf(english[i]);
        EXPECT_EQ(placesOf(chinese[i]), places) << chinese[i];
        // Every pattern reads with as many values as it has places.
        std::vector<std::string> values(places.empty() ? 0 : std::size_t(*places.rbegin() + 1), "x");
        const auto format = [&](std::string_view pattern) {
            switch (values.size()) {
            case 0: return cli::format(pattern, {});
            case 1: return cli::format(pattern, {values[0]});
            case 2: return cli::format(pattern, {values[0], values[1]});
            case 3: return cli::format(pattern, {values[0], values[1], values[2]});
            case 4: return cli::format(pattern, {values[0], values[1], values[2], values[3]});
            case 5: return cli::format(pattern, {values[0], values[1], values[2], values[3], values[4]});
            case 6: return cli::format(pattern, {values[0], values[1], values[2], values[3], values[4], values[5]});
            default: return cli::format(pattern, {values[0], values[1], values[2], values[3], values[4], values[5],
                                                  values[6]});
            }
        };
        EXPECT_NO_THROW(format(english[i]));
        EXPECT_NO_THROW(format(chinese[i]));
    }
}

TEST(Messages, FormatPutsTheValuesInTheirPlaces)
{
    EXPECT_EQ(cli::format("line {}: {} '{}'", {"7", "R1", "10x"}), "line 7: R1 '10x'");
    EXPECT_EQ(cli::format("{1} before {0}, {{braces}}", {"a", "b"}), "b before a, {braces}");
    EXPECT_THROW(cli::format("{} and {}", {"one"}), std::exception);
}

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
