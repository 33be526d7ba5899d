#include "ui/win32/WindowHandler.h"

namespace plevo::ui::win32 {

namespace {

WindowHandler* handlerOf(HWND hwnd) {
    return reinterpret_cast<WindowHandler*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

}  // namespace

void registerWindowClasses(HINSTANCE instance) {
    // The program's icon is its first icon resource; a program without one gets the system's.
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    if (!icon) icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
    HCURSOR arrow = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    const struct {
        const char* name;
        UINT style;
        bool withIcon;
    } classes[] = {
        {kFormClass, CS_DBLCLKS, true},
        {kPanelClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, false},
        {kPictureClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, false},
        {kGridClass, CS_DBLCLKS, false},
        {kMessageClass, 0, false},
    };
    for (const auto& c : classes) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.style = c.style;
        wc.lpfnWndProc = handlerProc;
        wc.hInstance = instance;
        wc.hIcon = c.withIcon ? icon : nullptr;
        wc.hIconSm = wc.hIcon;
        wc.hCursor = arrow;
        // Every window paints its own background (WM_ERASEBKGND), in its own colour.
        wc.hbrBackground = nullptr;
        wc.lpszClassName = c.name;
        RegisterClassExA(&wc);
    }
}

void unregisterWindowClasses(HINSTANCE instance) {
    for (const char* name : {kFormClass, kPanelClass, kPictureClass, kGridClass, kMessageClass})
        UnregisterClassA(name, instance);
}

LRESULT CALLBACK handlerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (WindowHandler* handler = handlerOf(hwnd)) return handler->handle(hwnd, msg, wParam, lParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

namespace {

// The original procedure of a subclassed control, kept with the window itself so that the
// window can still be served after its handler has gone.
constexpr const char* kOriginalProc = "PlevoOriginalProc";

}  // namespace

LRESULT CALLBACK subclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (WindowHandler* handler = handlerOf(hwnd)) return handler->handle(hwnd, msg, wParam, lParam);
    auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOriginalProc));
    if (original) return CallWindowProcA(original, hwnd, msg, wParam, lParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

WNDPROC attach(HWND hwnd, WindowHandler* handler) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(handler));
    auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassProc)));
    SetPropA(hwnd, kOriginalProc, reinterpret_cast<HANDLE>(original));
    return original;
}

void detach(HWND hwnd, WNDPROC original) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    if (original) {
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(hwnd, kOriginalProc);
    }
}

}  // namespace plevo::ui::win32
