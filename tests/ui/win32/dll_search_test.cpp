// DLLs loaded by name come from the system folder, never from the folder of
// the program, where this test's build plants shcore.dll, dwmapi.dll and
// ntc_planted.dll beside it.
#include "app/dll_search.h"
#include "ui/win32/system_library.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

std::wstring folderOf(HMODULE module)
{
    wchar_t path[MAX_PATH] = L"";
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

std::wstring systemFolder()
{
    wchar_t folder[MAX_PATH] = L"";
    return std::wstring(folder, GetSystemDirectoryW(folder, MAX_PATH));
}

bool besideTheProgram(const wchar_t* name)
{
    return GetFileAttributesW((folderOf(nullptr) + L'\\' + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

using Loader = HMODULE (*)(const wchar_t*);

struct LoadCase {
    const char* loader;
    Loader load;
    const wchar_t* dll;
    bool inSystemFolder; // the system has a DLL of that name
};

void PrintTo(const LoadCase& c, std::ostream* out)
{
    *out << c.loader << '(' << testing::PrintToString(std::wstring(c.dll)) << ')';
}

class SystemLibrary : public testing::TestWithParam<LoadCase> {};

// Each system DLL is asked for once, before anything has loaded it: the
// loader would hand back a loaded one whatever the search.
TEST_P(SystemLibrary, ComesFromTheSystemFolderOnly)
{
    const LoadCase& c = GetParam();
    ASSERT_TRUE(besideTheProgram(c.dll)) << "the build plants the DLL beside the test";
    ASSERT_EQ(GetModuleHandleW(c.dll), nullptr) << "loaded before the test";
    const HMODULE module = c.load(c.dll);
    if (!c.inSystemFolder) {
        EXPECT_EQ(module, nullptr) << "the planted DLL was loaded";
        return;
    }
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(folderOf(module), systemFolder());
}

INSTANTIATE_TEST_SUITE_P(Table, SystemLibrary, testing::Values(
    LoadCase{"loadSystemLibrary", ui::win32::loadSystemLibrary, L"ntc_planted.dll", false},
    LoadCase{"loadSystemLibrary", ui::win32::loadSystemLibrary, L"shcore.dll", true},
    LoadCase{"loadFromSystemFolder", ui::win32::loadFromSystemFolder, L"ntc_planted.dll", false},
    LoadCase{"loadFromSystemFolder", ui::win32::loadFromSystemFolder, L"dwmapi.dll", true}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.loader) + std::to_string(info.index); });

// Last, since it changes the whole process: the plant loads by its bare
// name until the program restricts the search, and never after.
TEST(SearchSystemFolderOnly, KeepsThePlantedDllOut)
{
    HMODULE planted = LoadLibraryW(L"ntc_planted.dll");
    ASSERT_NE(planted, nullptr) << "without the restriction the DLL beside the program loads";
    FreeLibrary(planted);
    app::searchSystemFolderOnly();
    EXPECT_EQ(LoadLibraryW(L"ntc_planted.dll"), nullptr);
    EXPECT_NE(LoadLibraryW(L"imagehlp.dll"), nullptr) << "system DLLs still load by name";
}

} // namespace
