// Telling UTF-8 from GB18030 and UTF-16.
#include "cli/input/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextEncoding, Table)
{
    const struct {
        std::string text;
        bool utf8, gb18030, utf16;
        const char* guards;
    } cases[] = {
        {"r1,t1,25\u00b0C,\u6d4b\u8bd5,\U0001F600", true, false, false, "ASCII, two-, three- and four-byte forms"},
        {"\xC0\xAF", false, true, false, "overlong slash (a GBK pair)"},
        {"\xE0\x80\xAF", false, false, false, "overlong in three bytes"},
        {"\xED\xA0\x80", false, false, false, "a surrogate (as GBK, 80 starts nothing)"},
        {"\xF4\x90\x80\x80", false, false, false, "above U+10FFFF"},
        {"\xE6\xB5", false, true, false, "a cut sequence; GBK pair E6 B5"},
        {"25\xA1\xE6,\xB2\xE2\xCA\xD4", false, true, false, "25\u2103 and \u6d4b\u8bd5 in GB18030"},
        {"\x81\x30\x81\x30", false, true, false, "a four-byte GB18030 form"},
        {"caf\xE9,", false, false, false, "Latin-1: E9 then a comma is no GBK pair"},
        {std::string("\xFF\xFEr\0", 4), false, false, true, "UTF-16 LE with its mark"},
        {std::string("r\0001\0", 4), true, true, true, "UTF-16 without a mark: NUL bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.guards);
        EXPECT_EQ(cli::isUtf8(c.text), c.utf8);
        if (!c.utf8) {
            EXPECT_EQ(cli::looksLikeGb18030(c.text), c.gb18030);
        }
        EXPECT_EQ(cli::looksLikeUtf16(c.text), c.utf16);
    }
}

} // namespace
