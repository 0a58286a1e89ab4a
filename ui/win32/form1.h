// ntc-beta: the program's one window, in plain Win32.
#pragma once

#include "ui/actions.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ui::win32 {

// The window built from the shared layout: every control is a child window
// of Windows' own classes (Edit, Button, Static) whose window text is what
// it shows; the lines are painted by the window itself. Positions, sizes
// and fonts follow the window's dpi (per-monitor aware), nothing moves when
// the frame is resized. Clicking "计算" evaluates the fields into the result
// label; clicking the formula picture shows the thanks message there.
class Form1 {
public:
    explicit Form1(HINSTANCE instance);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    HWND hwnd() const { return hwnd_; }

    // Shows the window centred on the work area of its monitor; the formula
    // picture follows once the message loop has put the first frame on the
    // screen.
    void showCentred(int showCommand = SW_SHOWNORMAL);

    // The child window of a control of the layout ("Text1", "Label2(3)"…),
    // or nullptr for an unknown name.
    HWND control(std::string_view name) const;

    // The result label's current state, as last set by an action.
    const ResultState& result() const { return result_; }

    // The dots per inch the window is laid out for.
    int dpi() const { return dpi_; }

    // Ends the message loop when the window is destroyed (the program's
    // window does; a window a test creates does not).
    void quitOnDestroy() { quitOnDestroy_ = true; }

    // Lets the dialog manager handle Tab, Shift+Tab and Enter; true when it
    // took the message.
    bool translateDialogMessage(MSG& message);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void applyDpi(int dpi);
    void loadPicture();
    void paint();
    void drawPicture(const DRAWITEMSTRUCT& item);
    HBRUSH labelColours(HDC dc, HWND label);
    void command(int id, int notification);

    void calculateClicked();
    void pictureClicked();
    void showResult(const ResultState& state);
    std::int16_t checkValue() const;
    std::u16string fieldText(HWND field) const;
    HFONT fontOfSize(double pointSize);

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    ResultState result_;
    std::array<HWND, 13> controls_{};
    // Fonts at the current dpi: the window's default and the labels' sizes.
    std::array<std::pair<double, HFONT>, 6> fonts_{};
    HBITMAP picture_ = nullptr;
    SIZE pictureSize_{};
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool quitOnDestroy_ = false;
};

// Runs the message loop until the window is closed; gives the exit code.
int runMessageLoop(Form1& form);

} // namespace ui::win32
