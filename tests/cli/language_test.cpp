// Tests of the language chosen from the environment.
#include "cli/messages/language.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using cli::Language;

struct LanguageCase {
    const char *lcAll, *lcMessages, *lang;
    bool systemChinese;
    Language expected;
    const char* guards;
};

const LanguageCase kLanguages[] = {
    {nullptr, nullptr, nullptr, false, Language::english, "nothing set"},
    {nullptr, nullptr, nullptr, true, Language::chinese, "the system's UI language"},
    {nullptr, nullptr, "zh_CN.UTF-8", false, Language::chinese, "LANG"},
    {nullptr, nullptr, "zh_TW.UTF-8", false, Language::chinese, "any zh"},
    {nullptr, nullptr, "en_US.UTF-8", true, Language::english, "the variables come before the system"},
    {"C", nullptr, "zh_CN.UTF-8", false, Language::english, "LC_ALL wins"},
    {"", "zh_CN", "en_US", false, Language::chinese, "an empty variable counts as unset"},
    {nullptr, "en_GB", "zh_CN", false, Language::english, "LC_MESSAGES before LANG"},
    {nullptr, nullptr, "zhx", false, Language::chinese, "a prefix is enough"},
};

TEST(ChooseLanguage, Table)
{
    for (const LanguageCase& c : kLanguages) {
        SCOPED_TRACE(c.guards);
        EXPECT_EQ(cli::chooseLanguage(c.lcAll, c.lcMessages, c.lang, c.systemChinese), c.expected);
    }
}

} // namespace
