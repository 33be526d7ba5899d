#include "ui/win32/ProgressBar.h"

namespace plevo::ui::win32 {
namespace {

// A themed progress bar (Wine's, or one in a program with a manifest) keeps the theme's colours:
// the plain look takes ours. SetWindowTheme is looked up, not imported: Windows 2000 has no
// uxtheme.dll, and nothing else needs it.
void plainLook(HWND bar) {
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    static const HMODULE uxtheme = LoadLibraryA("uxtheme.dll");
    if (!uxtheme) return;
    const FARPROC found = GetProcAddress(uxtheme, "SetWindowTheme");
    if (!found) return;
    const auto setTheme = reinterpret_cast<SetWindowThemeFn>(reinterpret_cast<void (*)()>(found));
    // A theme name no theme has (Wine refuses an empty one).
    setTheme(bar, L" ", L" ");
}

}  // namespace

void Win32ProgressBar::build(const ControlSpec& spec) {
    createWindow(PROGRESS_CLASSA, PBS_SMOOTH, WS_EX_STATICEDGE, false, spec);
    SendMessageA(hwnd_, PBM_SETRANGE32, 0, 100);
    if (colour_) setColour(colour_);
    if (fontColour_) setFontColour(fontColour_);
}

// The bar's colour is the background's; its font colour fills the done part.
void Win32ProgressBar::setColour(std::optional<Colour> colour) {
    colour_ = colour;
    if (colour) plainLook(hwnd_);
    SendMessageA(hwnd_, PBM_SETBKCOLOR, 0,
                 static_cast<LPARAM>(colour ? colorRef(*colour) : CLR_DEFAULT));
}

void Win32ProgressBar::setFontColour(std::optional<Colour> colour) {
    fontColour_ = colour;
    if (colour) plainLook(hwnd_);
    SendMessageA(hwnd_, PBM_SETBARCOLOR, 0,
                 static_cast<LPARAM>(colour ? colorRef(*colour) : CLR_DEFAULT));
}

void Win32ProgressBar::setRange(int minimum, int maximum) {
    SendMessageA(hwnd_, PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
}

int Win32ProgressBar::maximum() const {
    return static_cast<int>(SendMessageA(hwnd_, PBM_GETRANGE, FALSE, 0));
}

void Win32ProgressBar::setPosition(int position) {
    SendMessageA(hwnd_, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

int Win32ProgressBar::position() const {
    return static_cast<int>(SendMessageA(hwnd_, PBM_GETPOS, 0, 0));
}

}  // namespace plevo::ui::win32
