// ntc-beta-cli: the process set-up the program needs before run(), and the
// pause that keeps a console opened for it alone on the screen.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
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
    void append(std::string argument);

private:
    void point();
    std::vector<std::string> texts_;
    std::vector<char*> pointers_; // into texts_, ending with a null pointer
};

// Standard streams for a filter: C++ streams without C stdio
// synchronisation. On Windows standard input and output are binary (a CSV
// keeps its line ends as they are), files and pipes get the UTF-8 bytes as
// they are, and standard output or error that is a console is written as
// UTF-16 text (WriteConsoleW): a console's UTF-8 code page garbles text
// written a byte at a time, as unbuffered standard error writes it, and
// before Windows 8 miscounts what it wrote. The console's code pages are
// left as they were: they outlive the program.
void prepareStandardStreams();

// True when the program runs in a console no other program shares and can
// read a key from it: on Windows, started by a double click from Explorer,
// whose console closes the moment the program ends. Elsewhere false.
bool ownsConsoleAlone();

// Shows `prompt` on standard error and waits for a key in the console.
void waitForKey(std::string_view prompt);

// The length of the longest prefix of `bytes` that does not end inside a
// UTF-8 sequence: what can be converted now, while the rest waits for the
// bytes still to come. Bytes that start no valid sequence end one.
std::size_t completeUtf8Prefix(std::string_view bytes);

} // namespace cli
