// ntc-beta-cli: which language the help and the messages speak.
#pragma once

namespace cli {

enum class Language { english, chinese };

// The choice from the locale variables as POSIX ranks them: the first of
// LC_ALL, LC_MESSAGES, LANG that is set and not empty decides, Chinese
// when it starts with "zh" (zh_CN.UTF-8, zh_TW, zh). When none is set, the
// system's choice decides (`systemChinese`: on Windows, the user's UI
// language is Chinese). Null pointers stand for unset variables.
Language chooseLanguage(const char* lcAll, const char* lcMessages, const char* lang, bool systemChinese);

// chooseLanguage on this process's environment and system.
Language languageFromEnvironment();

} // namespace cli
