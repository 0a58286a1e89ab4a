// ntc-beta-cli: the command-line twin of the ntc-beta window.
#include "cli/dropped_files.h"
#include "cli/messages/language.h"
#include "cli/messages/messages.h"
#include "cli/platform.h"
#include "cli/run.h"

#include <iostream>

#include "app/dll_search.h"

int main(int argc, char** argv)
{
    app::searchSystemFolderOnly();
    cli::prepareStandardStreams();
    cli::Utf8Arguments arguments(argc, argv);
    // Double-clicked in Explorer: show the help rather than a usage error,
    // and keep the console open until it has been read.
    const bool ownConsole = cli::ownsConsoleAlone();
    if (ownConsole && arguments.argc() <= 1) arguments.append("--help");
    const cli::Language language = cli::languageFromEnvironment();
    // Files dragged onto its icon: the batch on each, into a new file beside it.
    const bool dropped = ownConsole && cli::areDroppedFiles(arguments.argc(), arguments.argv());
    const int status =
        dropped ? cli::runDroppedFiles({arguments.argv() + 1, arguments.argv() + arguments.argc()}, std::cerr, language)
                : cli::run(arguments.argc(), arguments.argv(), std::cin, std::cout, std::cerr, language);
    if (ownConsole) cli::waitForKey(cli::messages(language).pressAnyKey);
    return status;
}
