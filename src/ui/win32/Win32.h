#pragma once
// The Win32 headers as the backend uses them (the ...A functions, Windows XP's set), and the few
// conversions every file of the backend needs.

#include <windows.h>
// After windows.h: the common controls and the common dialogs build on its types.
#include <commctrl.h>
#include <commdlg.h>

#include "ui/Types.h"

namespace plevo::ui::win32 {

inline COLORREF colorRef(Colour c) {
    return RGB(c.r, c.g, c.b);
}

inline Rect toRect(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The backend's own messages to its windows.
enum : UINT {
    // A programmatic click or double click: runs what the user's does, nothing else.
    kMsgClick = WM_APP + 1,
    kMsgDoubleClick,
};

}  // namespace plevo::ui::win32
