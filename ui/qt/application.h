// ntc-beta: opening the display the window is shown on.
#pragma once

#include <memory>

class QApplication;

namespace ui {

// Creates the application object on the user's display, left to right, with
// Qt's own texts in Simplified Chinese. The command line is not read: neither
// the program nor the toolkit takes options (argc and argv stay untouched).
// Where the desktop runs no session bus, no private one is started. Where no display can
// be opened, prints one line that says so, in Chinese and English, to
// standard error and ends the process with exit code 1 instead of the
// toolkit's abort. Toolkit messages raised on the way are passed on only
// when the display opens.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv);

} // namespace ui
