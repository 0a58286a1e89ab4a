// ntc-beta: the program's one window, in plain Win32.
#pragma once

#include "ui/form_controller.h"
#include "ui/form_view.h"
#include "ui/win32/accessibility.h"
#include "ui/win32/fonts.h"
#include "ui/win32/picture.h"
#include "ui/win32/tool_tips.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui::win32 {

// The window built from the shared layout: every control is a child window
// of Windows' own classes (Edit, Button, Static) whose window text is what
// it shows; the lines are painted by the window itself, and so are the
// labels' texts in the first frame, before the labels' windows are made.
// Positions, sizes and fonts follow the window's dpi (per-monitor aware),
// nothing moves when the frame is resized, and it is never made smaller
// than the described client area. Clicking "计算" evaluates the fields into
// the result label; clicking the formula picture shows the thanks message
// there; Ctrl+C and the keyboard's menu key reach the result, which never
// takes the focus. Each message goes to the controller (form_controller.h)
// as (control, event); the window shows what it decides in Windows'
// controls.
class Form1 : private FormView {
public:
    explicit Form1(HINSTANCE instance);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    HWND hwnd() const { return hwnd_; }

    // Shows the window centred on the work area of its monitor; the labels'
    // and the picture's own windows, the formula picture, the tooltips, the
    // screen readers' annotations and the icons follow once the message loop
    // has put the first frame on the screen (which has the labels' texts).
    void showCentred(int showCommand = SW_SHOWNORMAL);

    // The child window of a control of the layout, or nullptr for a label or
    // the picture until the first frame is on the screen.
    HWND control(ControlId id) const;

    // The dots per inch the window is laid out for.
    int dpi() const { return dpi_; }

    // The tooltip window: the result's full value, the fields' hints; made
    // once the first frame is on the screen (nullptr before).
    HWND toolTips() const { return toolTips_.hwnd(); }

    // The command a result menu's entry sends (WM_COMMAND) when chosen.
    static constexpr int menuCommand(MenuEntry entry) { return kFirstMenuCommand + int(entry); }

    // Ends the message loop when the window is destroyed (the program's
    // window does; a window a test creates does not).
    void quitOnDestroy() { quitOnDestroy_ = true; }

    // The window's keyboard interface: the keys the controller takes
    // (form_event.h: the copy keys, Enter on the button, the menu keys), then
    // the dialog manager's Tab and Shift+Tab; true when it took the message.
    bool translateDialogMessage(MSG& message);

private:
    static constexpr int kFirstMenuCommand = 1001;

    // Started first and ended last: COM for the picture decoder and the
    // screen readers' annotations.
    struct ComApartment {
        ComApartment();
        ~ComApartment();
        bool started;
    };

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    // One handler a message.
    void onPaint();
    HBRUSH onCtlColorStatic(HDC dc, HWND child);
    bool onDrawItem(WPARAM id, const DRAWITEMSTRUCT& item);
    void onCommand(int id, int notification);
    bool onContextMenu(HWND target, LPARAM at);
    void onGetMinMaxInfo(MINMAXINFO& limits) const;
    bool onTimer(WPARAM timer);
    void onDpiChanged(int dpi, const RECT& frame);
    void onDestroy();

    // FormView, in Windows' controls.
    FormInputs inputs() const override;
    std::u16string selectedText(ControlId control) const override;
    Scheme scheme() const override;
    void showResult(const ShownResult& result) override;
    void showFieldHint(FieldId field, const ShownHint& hint) override;
    void openResultMenu(const ResultMenu& menu, std::optional<ViewPoint> at) override;
    void copyToClipboard(std::u16string_view text) override;

    bool send(ControlId control, const Event& event) { return controller_.handle(control, event); }
    std::optional<ControlId> idOf(HWND window) const;
    SIZE frameSize() const;
    void createControls(const std::vector<ControlId>& which);
    HFONT fontOf(ControlId control);
    COLORREF labelColour(ControlId label) const;
    void paintLabels(HDC dc);
    void createToolTips();
    void afterFirstFrame();
    void applyDpi(int dpi);
    void applyFonts();
    void loadIcons(int dpi);
    void repaintUnder(HWND child);

    ComApartment com_;
    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    FormController controller_{*this};
    std::array<HWND, kControlCount> controls_{}; // by ControlId
    double resultPointSize_;                    // what the result shows, as
    std::optional<COLORREF> resultColour_;      // the controller last said (none: the system's text colour)
    FontCache fonts_;
    ToolTips toolTips_;
    Accessibility accessibility_;
    FormulaPicture picture_;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool quitOnDestroy_ = false;
    bool firstFrameShown_ = false; // afterFirstFrame has run
};

// Runs the message loop until the window is closed; gives the exit code.
int runMessageLoop(Form1& form);

} // namespace ui::win32
