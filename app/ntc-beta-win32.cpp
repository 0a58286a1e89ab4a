// ntc-beta: shows the window and runs the message loop until it is closed.
#include "app/dll_search.h"
#include "ui/win32/form1.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    app::searchSystemFolderOnly();
    ui::win32::Form1 window(instance);
    window.showCentred(showCommand);
    return ui::win32::runMessageLoop(window);
}
