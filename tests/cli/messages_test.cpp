// Tests of the one message catalogue: both languages have every message with
// the same places for its values, the values go into their places, and the
// values a message quotes are cut clean and counted.
#include "cli/messages/messages.h"

#include <gtest/gtest.h>

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

TEST(ShownValue, CutCleanAndCounted)
{
    const cli::Messages& m = cli::messages(cli::Language::english);
    EXPECT_EQ(cli::shownValue(m, "10x"), "10x");
    EXPECT_EQ(cli::shownValue(m, "25\xA1\xE6\t"), "25\\xA1\\xE6\\x09");
    EXPECT_EQ(cli::shownValue(m, std::string(39, 'a') + "\u6d4b"), std::string(39, 'a') + "\u6d4b");
    EXPECT_EQ(cli::shownValue(m, std::string(41, 'a')), std::string(40, 'a') + "\u2026 (41 bytes)");
    EXPECT_EQ(cli::shownValue(cli::messages(cli::Language::chinese), std::string(40, 'a') + "\u6d4b"),
              std::string(40, 'a') + "\u2026\uff08\u5171 43 \u5b57\u8282\uff09");
}

} // namespace
