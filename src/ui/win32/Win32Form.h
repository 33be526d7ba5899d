#pragma once
// A window of the tool built from its table: a top-level window with exactly the client size of
// its spec and a fixed frame, and its controls in table order (later ones on top).

#include <memory>
#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/TimerSet.h"
#include "ui/win32/WindowHandler.h"

namespace plevo::ui::win32 {

class NativeControl;
class Win32Toolkit;

class Win32Form final : public Form, private WindowHandler {
public:
    Win32Form(Win32Toolkit& toolkit, const FormSpec& spec, std::span<const ControlSpec> controls);
    ~Win32Form() override;
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    const std::string& name() const override { return name_; }
    std::string caption() const override;
    void setCaption(std::string_view caption) override;
    Size clientSize() const override;
    Point position() const override;
    void move(Point topLeft) override;
    Point toScreen(Point client) const override;
    std::optional<Colour> colour() const override { return colour_; }
    void setColour(std::optional<Colour> colour) override;
    FormStyle style() const override;
    std::optional<Colour> seeThrough() const override;

    void show() override;
    void hide() override;
    bool visible() const override;
    bool active() const override;
    void activate() override;
    int showModal() override;
    // A result other than kResultNone hides the window (and so ends a modal showing).
    void endModal(int result) override;
    // How the last showing ended: endModal's result, kResultCancel when closed, kResultNone while
    // it has not ended.
    int modalResult() const { return modalResult_; }
    void close() override;
    void centreOnScreen() override;
    void centreOver(const Form& other) override;
    void repaint() override;

    Control* find(std::string_view name) const override;
    std::vector<Control*> controls() const override;
    Control* focusedControl() const override;
    Timer& addTimer(const std::string& name, int intervalMs) override;
    Timer* findTimer(std::string_view name) const override;
    void pressKey(const KeyPress& key) override;

    // For the backend.
    HWND hwnd() const { return hwnd_; }
    Win32Toolkit& toolkit() const { return toolkit_; }
    const Font& baseFont() const { return font_; }
    COLORREF background() const;
    HWND tooltip();
    // A key as the keyboard gives it, to `target` (the focused control, or none): to the window's
    // onKey, to the control's onKey, then to what the window does with it (Tab, Enter on a button
    // or the default button, Esc, Ctrl+A in a box). True when one of them took it.
    bool previewKey(const KeyPress& key, NativeControl* target);
    // A programmatic key press: previewKey, then the control's own handling of the key.
    void keyTo(const KeyPress& key, NativeControl* target);
    // Where the keyboard focus is, or goes when the window is next active.
    void rememberFocus(HWND window) { lastFocus_ = window; }
    HWND rememberedFocus() const { return lastFocus_; }
    bool showingModally() const { return modal_; }

private:
    LRESULT handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    NativeControl* native(std::string_view name) const;
    NativeControl* focusedNative() const;
    NativeControl* buttonWith(unsigned flag) const;
    void focusNext(NativeControl* from, bool backwards);
    // Gives the focus to the control that had it last, or to the first that takes it; false when
    // no control takes it.
    bool focusControl();
    void destroy();
    // Each showing from hidden: centred on the screen, or over the program's main window.
    void place();
    // Moves the window's top left corner there (in the screen's pixels), or as near as keeps it
    // on the screen.
    void moveOnScreen(Point topLeft);
    void moveTo(Point topLeft);
    // onCloseQuery, onClose, then hiding (or the end of the modal showing); false when kept open.
    bool closeQueried();

    Win32Toolkit& toolkit_;
    std::string name_;
    FormPlace place_;
    Font font_;
    std::optional<Colour> colour_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    std::vector<std::unique_ptr<NativeControl>> controls_;
    TimerSet timers_;
    HWND lastFocus_ = nullptr;
    bool modal_ = false;
    int modalResult_ = kResultNone;
};

}  // namespace plevo::ui::win32
