#include "ui/win32/ProgressBar.h"

namespace plevo::ui::win32 {

void Win32ProgressBar::build(const ControlSpec& spec) {
    createWindow(PROGRESS_CLASSA, PBS_SMOOTH, 0, false, spec);
    SendMessageA(hwnd_, PBM_SETRANGE32, 0, 100);
    if (colour_) setColour(colour_);
    if (fontColour_) setFontColour(fontColour_);
}

// The bar's colour is the background's; its font colour fills the done part.
void Win32ProgressBar::setColour(std::optional<Colour> colour) {
    colour_ = colour;
    SendMessageA(hwnd_, PBM_SETBKCOLOR, 0,
                 static_cast<LPARAM>(colour ? colorRef(*colour) : CLR_DEFAULT));
}

void Win32ProgressBar::setFontColour(std::optional<Colour> colour) {
    fontColour_ = colour;
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
