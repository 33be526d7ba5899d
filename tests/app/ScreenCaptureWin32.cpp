// The screen capture of the Win32 backend: the screen's pixels copied with GDI, written as PNG by
// the system's image encoder (GDI+).
#include <windows.h>

// GDI+ needs the COM types that WIN32_LEAN_AND_MEAN leaves out of windows.h.
#include <objidl.h>

#include <gdiplus.h>

#include <vector>

#include "ScreenCapture.h"
#include "support/TestToolkit.h"
#include "ui/win32/Win32Toolkit.h"

namespace plevo::test {
namespace {

bool pngEncoder(CLSID& found) {
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
    std::vector<char> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i)
        if (lstrcmpiW(codecs[i].MimeType, L"image/png") == 0) {
            found = codecs[i].Clsid;
            return true;
        }
    return false;
}

bool savePng(HBITMAP bitmap, const std::string& file) {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;
    bool saved = false;
    {
        CLSID png;
        Gdiplus::Bitmap image(bitmap, nullptr);
        const int length = MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, nullptr, 0);
        std::vector<wchar_t> wide(static_cast<std::size_t>(length > 0 ? length : 1));
        MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide.data(), length);
        saved = pngEncoder(png) && image.Save(wide.data(), &png, nullptr) == Gdiplus::Ok;
    }
    Gdiplus::GdiplusShutdown(token);
    return saved;
}

}  // namespace

bool captureScreenArea(const ui::Rect& area, const std::string& file) {
    // The area is in the layer's pixels; the screen has its own.
    const auto& toolkit = dynamic_cast<ui::win32::Win32Toolkit&>(testToolkit());
    const ui::Rect r = toolkit.scale().toScreen(area);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.w, r.h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, r.w, r.h, screen, r.x, r.y, SRCCOPY) != FALSE;
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const bool saved = copied && savePng(bitmap, file);
    DeleteObject(bitmap);
    return saved;
}

}  // namespace plevo::test
