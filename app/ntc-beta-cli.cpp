// ntc-beta-cli: the command-line twin of the ntc-beta window.
#include "cli/platform.h"
#include "cli/run.h"

#include <iostream>

int main(int argc, char** argv)
{
    cli::prepareStandardStreams();
    cli::Utf8Arguments arguments(argc, argv);
    return cli::run(arguments.argc(), arguments.argv(), std::cin, std::cout, std::cerr);
}
