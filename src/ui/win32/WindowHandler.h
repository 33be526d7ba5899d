#pragma once
// The objects behind the backend's windows. Each window of the backend's own classes, and each
// system control it subclasses, keeps a pointer to its WindowHandler; one window procedure
// passes every message to it.

#include "ui/win32/Win32.h"

namespace plevo::ui::win32 {

class WindowHandler {
public:
    virtual ~WindowHandler() = default;
    virtual LRESULT handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;
};

// The backend's window classes.
inline constexpr const char* kFormClass = "PlevoForm";
inline constexpr const char* kPanelClass = "PlevoPanel";
inline constexpr const char* kPictureClass = "PlevoPicture";
inline constexpr const char* kGridClass = "PlevoGrid";
inline constexpr const char* kMessageClass = "PlevoMessages";

// Registers the classes above, each with the procedure below.
void registerWindowClasses(HINSTANCE instance);
void unregisterWindowClasses(HINSTANCE instance);

// The procedure of the backend's classes: the handler comes with WM_NCCREATE
// (CreateWindowEx's last argument).
LRESULT CALLBACK handlerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The procedure that subclasses a system control: the handler was attached by `attach`.
LRESULT CALLBACK subclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Makes `handler` receive the messages of a system control; returns the control's own procedure.
WNDPROC attach(HWND hwnd, WindowHandler* handler);
// Stops the messages: the window keeps working on its own procedure (or DefWindowProc).
void detach(HWND hwnd, WNDPROC original);

}  // namespace plevo::ui::win32
