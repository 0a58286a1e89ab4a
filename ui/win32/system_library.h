// ntc-beta: system DLLs loaded at run time from Windows' own folder only.
#pragma once

#include <windows.h>

namespace ui::win32 {

// Loads the system DLL `name` (e.g. L"shcore.dll") from the system folder
// and nowhere else, so that a DLL of that name beside the program (an
// unpacked download in a Downloads folder) is never run. Gives nullptr
// where this Windows has no such DLL. Uses LOAD_LIBRARY_SEARCH_SYSTEM32
// where the loader knows it (Windows 8 and later, Windows 7 with update
// KB2533623), else the DLL's full path in the system folder.
HMODULE loadSystemLibrary(const wchar_t* name);

// The second way alone: `name` by its full path in the system folder.
HMODULE loadFromSystemFolder(const wchar_t* name);

} // namespace ui::win32
