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

TEST(FieldHint, MarksWhatChangesTheMeaningAndNamesWhatWasReadAndIgnored)
{
    constexpr std::u16string_view comma = u"；小数点请用“.”";
    constexpr std::u16string_view prefix = u"；前缀不参与换算，请写完整数值";
    constexpr std::u16string_view celsius = u"；未勾选“使用绝对温度”，按摄氏度计算";
    constexpr std::u16string_view kelvin = u"；已勾选“使用绝对温度”，按绝对温度计算";
    const struct {
        ui::FieldId field;
        std::u16string_view text;
        std::int16_t check;
        std::u16string_view read, ignored, advice; // read empty: no hint
    } cases[] = {
        // A decimal comma, or digits after any other stop.
        {ui::FieldId::Text3, u"25,5", 0, u"25", u",5", comma},
        {ui::FieldId::Text1, u"1 000,5", 0, u"1000", u",5", comma},
        {ui::FieldId::Text3, u"-25,5", 0, u"-25", u",5", comma},
        {ui::FieldId::Text3, u"25 ,5 ", 0, u"25", u",5", comma},
        {ui::FieldId::Text1, u"1,000,000", 0, u"1", u",000,000", comma},
        {ui::FieldId::Text1, u"1.5.2", 0, u"1.5", u".2", comma},
        {ui::FieldId::Text3, u"25，５", 0, u"25", u"，５", comma},
        {ui::FieldId::Text1, u"4R7", 0, u"4", u"R7", comma},
        {ui::FieldId::Text1, u"1,23456789012345678901", 0, u"1", u",23456789012345…", comma},
        // SI prefixes, on either kind of field; K is kelvin on a temperature.
        {ui::FieldId::Text1, u"10k", 0, u"10", u"k", prefix},
        {ui::FieldId::Text2, u"4.7k", 0, u"4.7", u"k", prefix},
        {ui::FieldId::Text1, u"10 kΩ", 0, u"10", u"kΩ", prefix},
        {ui::FieldId::Text1, u"10K", 1, u"10", u"K", prefix},
        {ui::FieldId::Text1, u"4k7", 0, u"4", u"k7", prefix},
        {ui::FieldId::Text2, u"2.2M", 0, u"2.2", u"M", prefix},
        {ui::FieldId::Text2, u"100m", 0, u"100", u"m", prefix},
        {ui::FieldId::Text2, u"1G", 0, u"1", u"G", prefix},
        {ui::FieldId::Text2, u"47µ", 0, u"47", u"µ", prefix},
        {ui::FieldId::Text2, u"47μ", 0, u"47", u"μ", prefix},
        {ui::FieldId::Text2, u"47u", 0, u"47", u"u", prefix},
        {ui::FieldId::Text2, u"47n", 0, u"47", u"n", prefix},
        {ui::FieldId::Text2, u"47p", 0, u"47", u"p", prefix},
        {ui::FieldId::Text1, u"１０ｋ", 0, u"10", u"ｋ", prefix},
        {ui::FieldId::Text4, u"10k5", 1, u"10", u"k5", prefix},
        {ui::FieldId::Text4, u"1k", 0, u"1", u"k", prefix},
        // Temperature units against the check box.
        {ui::FieldId::Text3, u"298.15K", 0, u"298.15", u"K", celsius},
        {ui::FieldId::Text4, u"373.15 \u212A", 0, u"373.15", u"\u212A", celsius},
        {ui::FieldId::Text4, u"373.15°K", 0, u"373.15", u"°K", celsius},
        {ui::FieldId::Text4, u"373.15 Kelvin", 0, u"373.15", u"Kelvin", celsius},
        {ui::FieldId::Text3, u"25°C", 1, u"25", u"°C", kelvin},
        {ui::FieldId::Text3, u"25℃", 2, u"25", u"℃", kelvin},
        {ui::FieldId::Text3, u"25 C", 1, u"25", u"C", kelvin},
        {ui::FieldId::Text3, u"77°F", 0, u"77", u"°F", u"；华氏度不参与换算"},
        {ui::FieldId::Text3, u"77℉", 1, u"77", u"℉", u"；华氏度不参与换算"},
        // Units that leave the value as meant.
        {ui::FieldId::Text3, u"25°C", 0, u"", u"", u""},
        {ui::FieldId::Text3, u"25 ℃", 0, u"", u"", u""},
        {ui::FieldId::Text3, u"25摄氏度", 0, u"", u"", u""},
        {ui::FieldId::Text3, u"25 度", 1, u"", u"", u""},
        {ui::FieldId::Text3, u"25°", 1, u"", u"", u""},
        {ui::FieldId::Text3, u"298.15K", 1, u"", u"", u""},
        {ui::FieldId::Text3, u"298.15 kelvin", 2, u"", u"", u""},
        {ui::FieldId::Text1, u"680Ω", 0, u"", u"", u""},
        {ui::FieldId::Text1, u"680 ohm", 0, u"", u"", u""},
        // Read to the end, or nothing that changes the meaning after the stop.
        {ui::FieldId::Text3, u"25.5", 0, u"", u"", u""},
        {ui::FieldId::Text3, u" 25 ", 0, u"", u"", u""},
        {ui::FieldId::Text3, u"25,", 0, u"", u"", u""},
        {ui::FieldId::Text1, u"1e5", 0, u"", u"", u""},
        {ui::FieldId::Text1, u"1e", 0, u"", u"", u""},
        // No number at all, or one beyond a double.
        {ui::FieldId::Text1, u"", 0, u"", u"", u""},
        {ui::FieldId::Text1, u",5", 0, u"", u"", u""},
        {ui::FieldId::Text1, u"k10", 0, u"", u"", u""},
        {ui::FieldId::Text1, u"1e999,5", 0, u"", u"", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(ui::nameOf(c.field)) + " " + utf8(c.text) + " check " + std::to_string(c.check));
        const std::optional<std::u16string> hint = ui::fieldHint(c.field, c.text, c.check);
        if (c.read.empty()) {
            EXPECT_FALSE(hint.has_value()) << utf8(hint.value_or(u""));
        } else {
            ASSERT_TRUE(hint.has_value());
            const std::u16string expected = u"读取为 " + std::u16string(c.read) + u"，忽略了“" +
                                            std::u16string(c.ignored) + u"”" + std::u16string(c.advice);
            EXPECT_EQ(utf8(*hint), utf8(expected));
        }
    }
}

// The note names each field by the symbol it stands for in B = ln(R1/R2) /
// (1/T1 - 1/T2); an empty hint has no note.
TEST(FieldHint, NoteNamesTheFieldBySymbol)
{
    const std::u16string hint = u"读取为 10，忽略了“k”；前缀不参与换算，请写完整数值";
    const struct {
        ui::FieldId field;
        std::u16string_view symbol;
    } cases[] = {{ui::FieldId::Text1, u"R1"}, {ui::FieldId::Text2, u"R2"}, {ui::FieldId::Text3, u"T1"},
                 {ui::FieldId::Text4, u"T2"}};
    for (const auto& c : cases) {
        EXPECT_EQ(utf8(ui::hintNote(c.field, hint)), utf8(std::u16string(c.symbol) + u"：" + hint)) << utf8(c.symbol);
        EXPECT_EQ(utf8(ui::hintNote(c.field, u"")), "");
    }
}

} // namespace
