// ntc-beta: the program's one window, in plain Win32.
#pragma once

#include "ui/actions.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct IAccPropServices;

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

    // The tooltip window: the result's full value, the fields' hints.
    HWND toolTips() const { return toolTips_; }

    // What a field's hint says after the last calculation; empty when its
    // number was read whole (or its text has changed since).
    const std::u16string& fieldHintOf(std::string_view field) const;

    // The result label's context menu: "复制" puts what it shows on the
    // clipboard (without the sign blank), "复制完整数值" B in all 15 digits.
    enum MenuCommand : int { copyShown = 1001, copyFullValue = 1002 };

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
    void resultContextMenu(POINT screen);
    void copyToClipboard(std::u16string_view text);
    void createToolTips();
    void setToolTip(HWND control, std::u16string_view text);
    void describeForScreenReaders();
    void setAccessibleText(HWND control, bool description, std::u16string_view text);
    void showFieldHints();
    void clearFieldHint(std::size_t index);
    static LRESULT CALLBACK fieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR form);
    void paintHintMark(HWND field);

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
    std::array<std::u16string, 13> hints_{};
    HWND toolTips_ = nullptr;
    IAccPropServices* accessibility_ = nullptr;
    bool comStarted_ = false;
    // The formula picture at 1x and, for 150 % and beyond, at 2x.
    HBITMAP picture_ = nullptr;
    SIZE pictureSize_{};
    HBITMAP picture2x_ = nullptr;
    SIZE picture2xSize_{};
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool quitOnDestroy_ = false;
};

// Runs the message loop until the window is closed; gives the exit code.
int runMessageLoop(Form1& form);

} // namespace ui::win32
