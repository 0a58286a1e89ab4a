// ntc-beta-cli: the process set-up the program needs before run().
#pragma once

#include <string>
#include <vector>

namespace cli {

// The program's arguments as UTF-8. On Windows they are read again from the
// wide command line (the narrow argv holds them in the ANSI code page,
// which loses "°" and "Ω" on many systems); elsewhere they are argv as given.
class Utf8Arguments {
public:
    Utf8Arguments(int argc, char** argv);
    int argc() const { return static_cast<int>(pointers_.size()) - 1; }
    char** argv() { return pointers_.data(); }

private:
    std::vector<std::string> texts_;
    std::vector<char*> pointers_; // into texts_, ending with a null pointer
};

// Standard streams for a filter: on Windows the console shows UTF-8 and
// standard input and output are binary (a CSV keeps its line ends as they
// are); everywhere, C++ streams without C stdio synchronisation.
void prepareStandardStreams();

} // namespace cli
