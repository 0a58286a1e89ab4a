// Tests of the console glue that every platform shares: where UTF-8 text
// can be cut for conversion without splitting a character.
#include "cli/platform.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

struct PrefixCase {
    std::string_view bytes;
    std::size_t complete;
};

class CompleteUtf8Prefix : public testing::TestWithParam<PrefixCase> {};

TEST_P(CompleteUtf8Prefix, StopsBeforeAnUnfinishedSequence)
{
    EXPECT_EQ(cli::completeUtf8Prefix(GetParam().bytes), GetParam().complete);
}

INSTANTIATE_TEST_SUITE_P(Table, CompleteUtf8Prefix, testing::Values(
    PrefixCase{"", 0},
    PrefixCase{"680", 3},
    PrefixCase{"680\xCE\xA9", 5},          // "680Ω", whole
    PrefixCase{"680\xCE", 3},              // Ω's first byte alone
    PrefixCase{"25\xC2\xB0" "C", 5},       // "25°C"
    PrefixCase{"\xE7\x94\xA8", 3},         // "用", three bytes
    PrefixCase{"a\xE7\x94", 1},            // two of its three
    PrefixCase{"\xF0\x9F\x98\x80", 4},     // a four-byte character
    PrefixCase{"ab\xF0\x9F\x98", 2},       // three of its four
    PrefixCase{"\x80\x80\x80\x80", 4},     // stray continuation bytes end nothing
    PrefixCase{"a\xFF", 2}));              // a byte that starts no sequence

} // namespace
