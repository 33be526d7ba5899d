#include "ui/win32/Picture.h"

#include "ui/win32/Raster.h"
#include "ui/win32/Win32Toolkit.h"

namespace plevo::ui::win32 {

void Win32Picture::build(const ControlSpec& spec) {
    drawing_ = spec.drawing;
    createWindow(kPictureClass, 0, 0, true, spec);
}

void Win32Picture::setDrawing(const Drawing& drawing) {
    drawing_ = drawing;
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT Win32Picture::message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint(hwnd);
            return 0;
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, FALSE);
            break;
        case WM_SETCURSOR:
            // A picture is something to click, as a link is.
            if (LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));  // IDC_HAND
                return TRUE;
            }
            break;
        default:
            break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void Win32Picture::paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    const int w = client.right;
    const int h = client.bottom;
    const COLORREF background = this->background();
    const bool greyed = !IsWindowEnabled(hwnd);
    if (drawing_.empty() || w <= 0 || h <= 0) {
        FillRect(dc, &client, toolkit().brush(background));
        EndPaint(hwnd, &ps);
        return;
    }
    if (shown_.key != drawing_.key || shown_.width != w || shown_.height != h ||
        shown_.background != background || shown_.greyed != greyed || shown_.pixels.empty()) {
        const Image& full = toolkit().pictures().rendered(drawing_);
        shown_ = {drawing_.key, w,      h,
                  background,   greyed, compose(resample(full, w, h), background, greyed)};
    }
    if (shown_.pixels.size() != static_cast<std::size_t>(w) * h) {
        FillRect(dc, &client, toolkit().brush(background));
    } else {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(w), static_cast<DWORD>(h), 0, 0, 0,
                          static_cast<UINT>(h), shown_.pixels.data(), &info, DIB_RGB_COLORS);
    }
    EndPaint(hwnd, &ps);
}

}  // namespace plevo::ui::win32
