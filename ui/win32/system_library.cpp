// ntc-beta: system DLLs loaded at run time from Windows' own folder only.
#include "ui/win32/system_library.h"

#include <string>

namespace ui::win32 {

HMODULE loadSystemLibrary(const wchar_t* name)
{
    if (HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
    // A loader without the search flags refuses them as an invalid parameter;
    // any other error means the DLL is not there.
    if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
    return loadFromSystemFolder(name);
}

HMODULE loadFromSystemFolder(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    std::wstring path(folder, length);
    path += L'\\';
    path += name;
    // The DLL's own imports are looked for beside it first, in the system folder.
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace ui::win32
