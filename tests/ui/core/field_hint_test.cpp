// The hint a field shows when its number was read only in part.
#include "ui/field_hint.h"

#include <gtest/gtest.h>

namespace {

std::string utf8(std::u16string_view text)
{
    std::string out;
    for (char16_t c : text) {
        if (c < 0x80) out += char(c);
        else if (c < 0x800) out += {char(0xC0 | c >> 6), char(0x80 | (c & 0x3F))};
        else out += {char(0xE0 | c >> 12), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
    }
    return out;
}

TEST(FieldHint, NamesTheNumberReadAndThePartIgnored)
{
    const struct {
        std::u16string_view text;
        std::u16string_view expected; // empty: no hint
    } cases[] = {
        {u"25,5", u"读取为 25，忽略了“,5”；小数点请用“.”"},
        {u"1 000,5", u"读取为 1000，忽略了“,5”；小数点请用“.”"},
        {u"10k5", u"读取为 10，忽略了“k5”；小数点请用“.”"},
        {u"-25,5", u"读取为 -25，忽略了“,5”；小数点请用“.”"},
        {u"25 ,5 ", u"读取为 25，忽略了“,5”；小数点请用“.”"},
        {u"1,000,000", u"读取为 1，忽略了“,000,000”；小数点请用“.”"},
        {u"1.5.2", u"读取为 1.5，忽略了“.2”；小数点请用“.”"},
        {u"25，５", u"读取为 25，忽略了“，５”；小数点请用“.”"},
        {u"1,23456789012345678901", u"读取为 1，忽略了“,23456789012345…”；小数点请用“.”"},
        // Read to the end, or nothing with digits after the stop.
        {u"25.5", u""},
        {u" 25 ", u""},
        {u"25 °C", u""},
        {u"25,", u""},
        {u"10kΩ", u""},
        {u"1e5", u""},
        {u"1e", u""},
        // No number at all, or one beyond a double.
        {u"", u""},
        {u",5", u""},
        {u"abc1", u""},
        {u"1e999,5", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(utf8(c.text));
        const std::optional<std::u16string> hint = ui::fieldHint(c.text);
        if (c.expected.empty()) {
            EXPECT_FALSE(hint.has_value()) << utf8(hint.value_or(u""));
        } else {
            ASSERT_TRUE(hint.has_value());
            EXPECT_EQ(utf8(*hint), utf8(c.expected));
        }
    }
}

} // namespace
