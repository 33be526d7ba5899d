#include "ui/win32/Win32Toolkit.h"

#include <shellapi.h>
#include <algorithm>
#include <new>
#include <stdexcept>

#include "ui/win32/NativeControl.h"
#include "ui/win32/Win32Form.h"
#include "ui/win32/Win32Timer.h"

namespace plevo::ui::win32 {

Win32Toolkit::Win32Toolkit(const std::string& title)
    : instance_(GetModuleHandleA(nullptr)), title_(title) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    registerWindowClasses(instance_);
    messages_ = CreateWindowExA(0, kMessageClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                instance_, static_cast<WindowHandler*>(this));
    if (!messages_) throw std::runtime_error("the toolkit's message window could not be made");
    lastTick_ = GetTickCount();
}

Win32Toolkit::~Win32Toolkit() {
    for (auto& [id, timer] : timers_) KillTimer(messages_, id);
    SetWindowLongPtrA(messages_, GWLP_USERDATA, 0);
    DestroyWindow(messages_);
    for (auto& [colour, brush] : brushes_) DeleteObject(brush);
    unregisterWindowClasses(instance_);
}

std::unique_ptr<Form> Win32Toolkit::createForm(const FormSpec& form,
                                               std::span<const ControlSpec> controls) {
    return std::make_unique<Win32Form>(*this, form, controls);
}

void Win32Toolkit::dispatch(MSG& msg) {
    if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && previewKey(msg)) {
        rethrowPending();
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    rethrowPending();
}

bool Win32Toolkit::previewKey(const MSG& msg) {
    Win32Form* form = formOf(msg.hwnd);
    if (!form) return false;
    const KeyPress key{static_cast<int>(msg.wParam), GetKeyState(VK_SHIFT) < 0,
                       GetKeyState(VK_CONTROL) < 0, (HIWORD(msg.lParam) & KF_ALTDOWN) != 0};
    NativeControl* target = controlOf(msg.hwnd);
    if (target && &target->owner() != form) target = nullptr;
    return form->previewKey(key, target);
}

void Win32Toolkit::processEvents() {
    MSG msg;
    // Bounded, so that a window that keeps posting to itself cannot hold the caller forever.
    for (int i = 0; i < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (msg.message == WM_QUIT) {
            // For the loop that runs (run() or a modal showing), not for this one.
            if (running()) PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        dispatch(msg);
    }
}

bool Win32Toolkit::waitAndDispatch() {
    MSG msg;
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    dispatch(msg);
    return true;
}

int Win32Toolkit::run() {
    ++runs_;
    quitting_ = false;
    exitCode_ = 0;
    struct Leave {
        int& runs;
        ~Leave() { --runs; }
    } leave{runs_};
    MSG msg;
    while (!quitting_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            exitCode_ = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1) break;
        dispatch(msg);
    }
    // Ended by quit() from a handler: its WM_QUIT is still queued, and would end the next loop
    // the moment it starts.
    if (quitting_) PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    quitting_ = false;
    return exitCode_;
}

void Win32Toolkit::quit() {
    // As with a loop that is not running: nothing to end.
    if (!running()) return;
    quitting_ = true;
    PostQuitMessage(0);
}

std::int64_t Win32Toolkit::milliseconds() const {
    // GetTickCount wraps after 49.7 days; Windows XP has no GetTickCount64.
    const DWORD now = GetTickCount();
    if (now < lastTick_) ++wraps_;
    lastTick_ = now;
    return (wraps_ << 32) + now;
}

Rect Win32Toolkit::workArea() const {
    RECT area;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return toRect(area);
}

Rect Win32Toolkit::screenArea() const {
    return scale_.toLayer(workArea());
}

int Win32Toolkit::textWidth(const Font& font, std::string_view text) const {
    HDC dc = GetDC(nullptr);
    const Font resolved = Fonts::formFont(font);
    HGDIOBJ old = SelectObject(dc, const_cast<Fonts&>(fonts_).get(resolved));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return scale_.textToLayer(size.cx);
}

int Win32Toolkit::textHeight(const Font& font) const {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, const_cast<Fonts&>(fonts_).get(Fonts::formFont(font)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return scale_.textToLayer(metrics.tmHeight);
}

int Win32Toolkit::textBlockHeight(const Font& font, std::string_view text, int width) const {
    // As a static control lays out its text.
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, const_cast<Fonts&>(fonts_).get(Fonts::formFont(font)));
    RECT r{0, 0, scale_.toScreen(width), 0};
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return scale_.textToLayer(r.bottom);
}

bool Win32Toolkit::openDocument(const std::string& path) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

HBRUSH Win32Toolkit::brush(COLORREF colour) {
    auto it = brushes_.find(colour);
    if (it == brushes_.end()) it = brushes_.emplace(colour, CreateSolidBrush(colour)).first;
    return it->second;
}

void Win32Toolkit::invoke(const std::function<void()>& handler) noexcept {
    if (!handler) return;
    try {
        // A copy: the handler may replace itself.
        const std::function<void()> run = handler;
        run();
    } catch (...) {
        if (!pending_) pending_ = std::current_exception();
    }
}

bool Win32Toolkit::invokeKey(const std::function<bool(const KeyPress&)>& handler,
                             const KeyPress& key) noexcept {
    if (!handler) return false;
    try {
        const std::function<bool(const KeyPress&)> run = handler;
        return run(key);
    } catch (...) {
        if (!pending_) pending_ = std::current_exception();
        // A key whose handler failed is not passed on.
        return true;
    }
}

bool Win32Toolkit::invokeQuery(const std::function<bool()>& query, bool otherwise) noexcept {
    if (!query) return otherwise;
    try {
        const std::function<bool()> run = query;
        return run();
    } catch (...) {
        if (!pending_) pending_ = std::current_exception();
        return otherwise;
    }
}

void Win32Toolkit::rethrowPending() {
    if (!pending_) return;
    std::exception_ptr e = pending_;
    pending_ = nullptr;
    std::rethrow_exception(e);
}

void Win32Toolkit::addForm(Win32Form* form) {
    forms_.push_back(form);
}

void Win32Toolkit::removeForm(Win32Form* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

Win32Form* Win32Toolkit::formOf(HWND window) const {
    if (!window) return nullptr;
    HWND root = GetAncestor(window, GA_ROOT);
    for (Win32Form* f : forms_)
        if (f->hwnd() == root) return f;
    return nullptr;
}

void Win32Toolkit::addControl(HWND window, NativeControl* control) {
    controls_[window] = control;
}

void Win32Toolkit::removeControl(HWND window) {
    controls_.erase(window);
}

NativeControl* Win32Toolkit::controlOf(HWND window, bool around) const {
    while (window) {
        if (auto it = controls_.find(window); it != controls_.end()) return it->second;
        if (!around || (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0) break;
        window = GetParent(window);
    }
    return nullptr;
}

UINT_PTR Win32Toolkit::startTimer(Win32Timer* timer, int intervalMs) {
    const UINT_PTR id = nextTimer_++;
    if (!SetTimer(messages_, id, static_cast<UINT>(std::max(1, intervalMs)), nullptr))
        throw std::runtime_error("the timer " + timer->name() + " could not be started");
    timers_[id] = timer;
    return id;
}

void Win32Toolkit::stopTimer(UINT_PTR id) {
    KillTimer(messages_, id);
    timers_.erase(id);
}

LRESULT Win32Toolkit::handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        if (auto it = timers_.find(wParam); it != timers_.end()) invoke(it->second->onTimer);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

Win32Toolkit::ModalScope::ModalScope(Win32Toolkit& toolkit, HWND except)
    : active_(GetActiveWindow()) {
    for (Win32Form* f : toolkit.forms()) {
        HWND w = f->hwnd();
        if (w != except && IsWindowEnabled(w)) {
            EnableWindow(w, FALSE);
            disabled_.push_back(w);
        }
    }
}

Win32Toolkit::ModalScope::ModalScope(ModalScope&& other) noexcept
    : disabled_(std::move(other.disabled_)), active_(other.active_) {
    other.disabled_.clear();
}

void Win32Toolkit::ModalScope::restore() {
    for (HWND w : disabled_)
        if (IsWindow(w)) EnableWindow(w, TRUE);
    disabled_.clear();
}

}  // namespace plevo::ui::win32
