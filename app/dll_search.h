// ntc-beta: where Windows looks for the DLLs a program loads by name.
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

namespace app {

#ifdef _WIN32

// Called first in each Windows program: every DLL loaded by name from then
// on, by the program or by a system DLL on its behalf, comes from the
// system folder, never from the program's own folder (an unpacked download
// in Downloads, where anyone's DLL may lie) or the current one. Windows 7
// without update KB2533623 lacks SetDefaultDllDirectories; there the
// current folder at least leaves the search.
inline void searchSystemFolderOnly()
{
    using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD);
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    // GetProcAddress hands every export back as one generic pointer type.
    auto* const setDefault = reinterpret_cast<SetDefaultDllDirectoriesFunction*>(
        reinterpret_cast<void*>(GetProcAddress(kernel32, "SetDefaultDllDirectories")));
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    SetDllDirectoryW(L"");
}
#else
inline void searchSystemFolderOnly() {} // elsewhere no loader looks in the program's own folder unasked
#endif

} // namespace app
