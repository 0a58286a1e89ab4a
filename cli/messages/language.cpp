// ntc-beta-cli: which language the help and the messages speak.
#include "cli/messages/language.h"

#include <cstdlib>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

namespace cli {

namespace {

bool systemUiIsChinese()
{
#ifdef _WIN32
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE;
#else
    return false;
#endif
}

} // namespace

Language chooseLanguage(const char* lcAll, const char* lcMessages, const char* lang, bool systemChinese)
{
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (value == nullptr || *value == '\0') continue;
        return std::string_view(value).starts_with("zh") ? Language::chinese : Language::english;
    }
    return systemChinese ? Language::chinese : Language::english;
}

Language languageFromEnvironment()
{
    return chooseLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"),
                          systemUiIsChinese());
}

} // namespace cli
