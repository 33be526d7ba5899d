#pragma once
// The Win32 toolkit: the window classes, the message loop (keys go to the window before the
// focused control), the clock, the screen, the shared fonts, brushes and pictures, and the
// registry of the backend's windows.

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "ui/Toolkit.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/Raster.h"
#include "ui/win32/Scale.h"
#include "ui/win32/WindowHandler.h"

namespace plevo::ui::win32 {

class NativeControl;
class Win32Form;
class Win32Timer;

class Win32Toolkit final : public Toolkit, private WindowHandler {
public:
    // `title`: the program's application title, the caption of its message boxes.
    explicit Win32Toolkit(const std::string& title);
    ~Win32Toolkit() override;
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;

    std::unique_ptr<Form> createForm(const FormSpec& form,
                                     std::span<const ControlSpec> controls) override;
    void processEvents() override;
    int run() override;
    void quit() override;
    std::int64_t milliseconds() const override;
    // Sizes and places in layer pixels (see Scale).
    Rect screenArea() const override;
    int textWidth(const Font& font, std::string_view text) const override;
    int textHeight(const Font& font) const override;
    int textBlockHeight(const Font& font, std::string_view text, int width) const override;
    bool openDocument(const std::string& path) override;

    HINSTANCE instance() const { return instance_; }
    Fonts& fonts() { return fonts_; }
    // Between the layer's pixels and the screen's.
    const Scale& scale() const { return scale_; }
    // The screen's work area in the screen's pixels.
    Rect workArea() const;
    PictureCache& pictures() { return pictures_; }
    // A solid brush of `colour`, kept for the toolkit's lifetime.
    HBRUSH brush(COLORREF colour);
    // The title of message boxes.
    const std::string& title() const { return title_; }

    // Handlers run through these: an exception is kept and thrown again by rethrowPending once the
    // system's code (a window procedure, a message box) has returned, since none may cross it.
    void invoke(const std::function<void()>& handler) noexcept;
    bool invokeKey(const std::function<bool(const KeyPress&)>& handler,
                   const KeyPress& key) noexcept;
    bool invokeQuery(const std::function<bool()>& query, bool otherwise) noexcept;
    void rethrowPending();

    // One message of a loop: a key goes to its window's preview first.
    void dispatch(MSG& msg);
    // Waits for a message and dispatches it; false at WM_QUIT, which is posted again for the
    // loop outside.
    bool waitAndDispatch();
    bool running() const { return runs_ > 0; }

    void addForm(Win32Form* form);
    void removeForm(Win32Form* form);
    const std::vector<Win32Form*>& forms() const { return forms_; }
    // The program's main window: the first window made (and still there).
    Win32Form* mainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    Win32Form* formOf(HWND window) const;

    void addControl(HWND window, NativeControl* control);
    void removeControl(HWND window);
    // The control of `window`, or (with `around`) of the nearest window around it that is one.
    NativeControl* controlOf(HWND window, bool around = true) const;

    // Timers run on a hidden window of the toolkit.
    UINT_PTR startTimer(Win32Timer* timer, int intervalMs);
    void stopTimer(UINT_PTR id);

    // While one window is modal, every other window of the program is disabled.
    class ModalScope {
    public:
        ModalScope(Win32Toolkit& toolkit, HWND except);
        ~ModalScope() { restore(); }
        ModalScope(ModalScope&& other) noexcept;
        ModalScope(const ModalScope&) = delete;
        ModalScope& operator=(const ModalScope&) = delete;
        // Enables again what it disabled.
        void restore();
        // The window that was active before, the owner of what is shown modally.
        HWND owner() const { return active_; }

    private:
        std::vector<HWND> disabled_;
        HWND active_;
    };

private:
    LRESULT handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool previewKey(const MSG& msg);

    HINSTANCE instance_;
    std::string title_;
    Fonts fonts_;
    Scale scale_{fonts_.dpi()};
    PictureCache pictures_;
    std::map<COLORREF, HBRUSH> brushes_;
    std::exception_ptr pending_;
    std::vector<Win32Form*> forms_;
    std::unordered_map<HWND, NativeControl*> controls_;
    std::unordered_map<UINT_PTR, Win32Timer*> timers_;
    UINT_PTR nextTimer_ = 1;
    HWND messages_ = nullptr;
    int runs_ = 0;
    bool quitting_ = false;
    int exitCode_ = 0;
    mutable DWORD lastTick_ = 0;
    mutable std::int64_t wraps_ = 0;
};

}  // namespace plevo::ui::win32
