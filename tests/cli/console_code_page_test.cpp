// ntc-beta-cli.exe leaves the console's code pages as it found them: a
// console of this test's own, set to a code page, then the program run in
// it (results, help, a usage error, a file it cannot open), then the code
// pages read again. A program that changed them would garble what the next
// program in that console writes in its own code page (GBK, say).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The program in the build tree (NTC_CLI_FROM_TEST: its path relative to
// this test's folder, with forward slashes).
std::wstring programPath()
{
    wchar_t path[MAX_PATH] = L"";
    std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    std::wstring program = self.substr(0, self.find_last_of(L'\\') + 1) + NTC_CLI_FROM_TEST;
    for (wchar_t& c : program)
        if (c == L'/') c = L'\\';
    return program;
}

// Runs the program with `arguments` in this process's console; its exit
// status, or -1 when it could not be started or did not end.
int runInConsole(const std::wstring& arguments)
{
    std::wstring command = L'"' + programPath() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    DWORD status = DWORD(-1);
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return int(status);
}

struct CodePageCase {
    UINT codePage;
    const wchar_t* arguments;
    int status;
};

void PrintTo(const CodePageCase& c, std::ostream* out)
{
    *out << "code page " << c.codePage << ", " << testing::PrintToString(std::wstring(c.arguments));
}

class ConsoleCodePage : public testing::TestWithParam<CodePageCase> {
protected:
    // A console of its own: the one the test may have been started in is
    // not the test's to change.
    static void SetUpTestSuite()
    {
        FreeConsole();
        ASSERT_TRUE(AllocConsole());
    }
};

TEST_P(ConsoleCodePage, IsLeftAsFound)
{
    const CodePageCase& c = GetParam();
    ASSERT_TRUE(SetConsoleOutputCP(c.codePage));
    ASSERT_TRUE(SetConsoleCP(c.codePage));
    EXPECT_EQ(runInConsole(c.arguments), c.status);
    EXPECT_EQ(GetConsoleOutputCP(), c.codePage);
    EXPECT_EQ(GetConsoleCP(), c.codePage);
}

INSTANTIATE_TEST_SUITE_P(Table, ConsoleCodePage, testing::Values(
    CodePageCase{936, L"beta 10k 25°C 1kΩ 100", 0},
    CodePageCase{437, L"beta 10k 25 1k 100", 0},
    CodePageCase{936, L"--help", 0},
    CodePageCase{936, L"beta 10x 25 1k 100", 2},
    CodePageCase{936, L"fit no-such-table.csv", 2}));

} // namespace
