#include "ui/win32/Label.h"

#include "ui/win32/Text.h"
#include "ui/win32/Win32Toolkit.h"

namespace plevo::ui::win32 {

void Win32Label::build(const ControlSpec& spec) {
    // The caption is shown as it is written: "&" is no mnemonic here. A wrapping caption runs
    // from the top, a one-line caption is centred from top to bottom.
    DWORD style = SS_NOTIFY | SS_NOPREFIX;
    if (spec.flags & kCentre)
        style |= SS_CENTER;
    else if (spec.flags & kRight)
        style |= SS_RIGHT;
    else
        style |= spec.flags & kWordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
    if (!(spec.flags & kWordWrap)) style |= SS_CENTERIMAGE;
    createWindow("STATIC", style, 0, false, spec);
}

void Win32Label::setCaption(std::string_view caption) {
    setWindowText(caption);
    // A transparent label leaves its old text behind unless the parent paints again below it.
    if ((flags_ & kTransparent) && hwnd_) {
        RECT r;
        GetWindowRect(hwnd_, &r);
        HWND parent = GetParent(hwnd_);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
        RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

void Win32Label::command(WORD code) {
    // A double click comes as WM_LBUTTONDBLCLK to the label itself.
    if (code == STN_CLICKED) clicked();
}

void Win32Label::performClick() {
    SendMessageA(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), STN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd_));
    toolkit().rethrowPending();
}

}  // namespace plevo::ui::win32
