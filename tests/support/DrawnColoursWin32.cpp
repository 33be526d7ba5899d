// The colours a Win32 control paints its text and background with. The system's controls ask
// their parent with WM_CTLCOLOR...: the answer's text colour and brush are what they paint with,
// except that a disabled control greys its text itself. The backend's own classes paint with the
// colours the backend gives them, greyed while disabled, but for the grid.
#include "support/Legibility.h"
#include "ui/win32/NativeControl.h"
#include "ui/win32/Win32.h"

namespace plevo::test {
namespace {

ui::Colour colourOf(COLORREF c) {
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

// The WM_CTLCOLOR... a control of the system's class `name` sends before it paints; 0 for the
// backend's own classes.
UINT colourQuestion(HWND hwnd, const char* name) {
    if (lstrcmpiA(name, "EDIT") == 0) {
        const bool readOnly = (GetWindowLongA(hwnd, GWL_STYLE) & ES_READONLY) != 0;
        return readOnly || !IsWindowEnabled(hwnd) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    }
    if (lstrcmpiA(name, "LISTBOX") == 0) return WM_CTLCOLORLISTBOX;
    if (lstrcmpiA(name, "STATIC") == 0 || lstrcmpiA(name, "BUTTON") == 0) return WM_CTLCOLORSTATIC;
    return 0;
}

}  // namespace

std::optional<DrawnColours> drawnColours(const ui::Control& control) {
    const auto* native = dynamic_cast<const ui::win32::NativeControl*>(&control);
    if (!native || !native->hwnd()) return std::nullopt;
    HWND hwnd = native->hwnd();
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    if (const UINT question = colourQuestion(hwnd, name)) {
        HDC dc = CreateCompatibleDC(nullptr);
        // What the system's own default answer would leave.
        const bool box = question != WM_CTLCOLORSTATIC;
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(box ? COLOR_WINDOW : COLOR_BTNFACE));
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(hwnd), question,
                                                                 reinterpret_cast<WPARAM>(dc),
                                                                 reinterpret_cast<LPARAM>(hwnd)));
        COLORREF background = GetBkColor(dc);
        LOGBRUSH fill{};
        if (brush && GetObjectA(brush, sizeof(fill), &fill) && fill.lbStyle == BS_SOLID)
            background = fill.lbColor;
        const COLORREF text = enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
        DeleteDC(dc);
        return DrawnColours{colourOf(text), colourOf(background)};
    }
    // The grid paints its cells in its text colour whatever its state.
    const bool greyed = !enabled && native->kind() != ui::Kind::Grid;
    const COLORREF text = greyed ? GetSysColor(COLOR_GRAYTEXT) : native->textColour();
    return DrawnColours{colourOf(text), colourOf(native->background())};
}

std::optional<DrawnColours> drawnTitleColours(const ui::Grid&) {
    // The grid paints its title row in the system's button colours whatever its state.
    return DrawnColours{colourOf(GetSysColor(COLOR_BTNTEXT)), colourOf(GetSysColor(COLOR_BTNFACE))};
}

}  // namespace plevo::test
