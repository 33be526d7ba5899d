#pragma once
// What every control of the backend shares: its window (a subclassed system control or one of the
// backend's own classes), its place in the table (parent, name, flags), its looks (colours, font,
// hint) and how clicks, double clicks, keys and the mouse reach its handlers. ControlImpl makes a
// control kind of the layer out of it.

#include <optional>
#include <string>
#include <string_view>

#include "ui/Form.h"
#include "ui/win32/WindowHandler.h"

namespace plevo::ui::win32 {

class Win32Form;
class Win32Toolkit;

class NativeControl : public WindowHandler {
public:
    NativeControl(Win32Form& form, const ControlSpec& spec, NativeControl* parent);
    ~NativeControl() override;
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;

    // Makes the window and gives it the table's start state; called once, right after the object
    // is made.
    virtual void build(const ControlSpec& spec) = 0;
    // Lets go of the window before it is destroyed with its form.
    virtual void release();

    virtual Control& control() = 0;
    virtual const Control& control() const = 0;

    Kind kind() const { return kind_; }
    const std::string& controlName() const { return name_; }
    HWND hwnd() const { return hwnd_; }
    // The container it lies in, or nullptr on the window itself.
    NativeControl* container() const { return parent_; }
    Win32Form& owner() const { return form_; }
    Win32Toolkit& toolkit() const;
    unsigned flags() const { return flags_; }
    // The window that holds this control's children (panels, group and scroll boxes).
    virtual HWND childHost() const { return nullptr; }

    // The colours it shows: its own, else (for the kinds that show their parent's) the parent's,
    // else the system's.
    COLORREF background() const;
    HBRUSH backgroundBrush() const;
    COLORREF textColour() const;
    // Its font with the gaps filled from its parent's, up to the window's (what the controls
    // inside it start from).
    Font effectiveFont() const;
    // The font its caption is shown in: the effective one, made smaller while the caption is too
    // wide for the control.
    Font shownFont() const;
    HFONT hfont() const;
    void applyFont();

    // The parent window's WM_COMMAND, WM_NOTIFY or WM_CTLCOLOR... for this control.
    virtual bool reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A notification code of WM_COMMAND from this control.
    virtual void command(WORD) {}
    // Whether Tab stops here (visible and enabled checked apart).
    virtual bool takesFocus() const { return false; }
    // The control's own handling of a key (what the keyboard would send it).
    virtual void deliverKey(const KeyPress& key);
    // What the window does with a key for this control after the handlers (Ctrl+A in a box);
    // true when it took the key.
    virtual bool keyAction(const KeyPress&) { return false; }
    // A programmatic click or double click of an enabled control.
    virtual void performClick();
    virtual void performDoubleClick();
    // The click (and double click) of this control as the user's ends in it: runs the handler.
    virtual void clicked();
    void doubleClicked();
    // Shown, with every container up to the window (the window itself may be hidden).
    bool reallyVisible() const;
    // Enabled, with every container up to the window.
    bool reallyEnabled() const;

protected:
    LRESULT handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // The kind's own messages; by default the window's own procedure.
    virtual LRESULT message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT callDefault(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // Kinds whose click is the mouse button's release over them (boxes, panels, pictures).
    virtual bool clicksOnMouseUp() const { return false; }
    // Kinds that show their parent's colours when they have none of their own.
    virtual bool showsParentColours() const { return true; }
    // The width a one-line caption may take (the control less its bevel or mark) in the screen's
    // pixels, or -1 for kinds whose caption wraps or which show none.
    virtual int captionRoom() const { return -1; }
    // The caption as it is measured (a mnemonic's "&" takes no room).
    virtual std::string measuredCaption() const { return windowText(); }
    // A caption too wide for captionRoom() is shown in a smaller font, down to 6 points.
    void fitCaption(bool fontChanged = false);
    // The control's width, and a length of the layer, in the screen's pixels.
    int width() const;
    int scaled(int layerPixels) const;
    // The font as asked for, with the size it was made smaller to.
    Font askedFont() const;
    virtual COLORREF systemBackground() const;

    // A system control (`ownClass` false) is subclassed; the backend's own classes get this
    // object at creation.
    void createWindow(const char* className, DWORD style, DWORD exStyle, bool ownClass,
                      const ControlSpec& spec);
    void invalidate(bool children = true) const;

    // The common parts of the layer's Control, used by ControlImpl.
    Rect rect() const;
    void place(const Rect& where);
    bool hasStyle(DWORD style) const;
    void show(bool visible);
    void enable(bool enabled);
    std::string windowText() const;
    void setWindowText(std::string_view text);
    void changeHint(std::string_view hint);
    void changeFont(const Font& font);
    void focus();
    bool hasFocus() const;
    void repaintNow();
    void keyPress(const KeyPress& key);
    Form& uiForm() const;

    Win32Form& form_;
    NativeControl* parent_;
    Kind kind_;
    std::string name_;
    unsigned flags_;
    std::string hint_;
    std::optional<Colour> colour_;
    std::optional<Colour> fontColour_;
    Font font_;
    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;
    bool hovering_ = false;
    bool pressed_ = false;
    bool hasTool_ = false;
    int fittedPixels_ = 0;
};

// Passes a container's WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR... to the control they concern.
bool reflectToChild(Win32Toolkit& toolkit, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

// A control kind of the layer on a NativeControl.
template <class I>
class ControlImpl : public I, public NativeControl {
public:
    ControlImpl(Win32Form& form, const ControlSpec& spec, NativeControl* parent)
        : NativeControl(form, spec, parent) {}

    Control& control() override { return *this; }
    const Control& control() const override { return *this; }

    const std::string& name() const override { return name_; }
    Kind kind() const override { return kind_; }
    Form& form() const override { return uiForm(); }
    Control* parent() const { return parent_ ? &parent_->control() : nullptr; }
    Rect geometry() const override { return rect(); }
    void setGeometry(const Rect& where) override { place(where); }
    bool visible() const override { return hasStyle(WS_VISIBLE); }
    void setVisible(bool visible) override { show(visible); }
    // The control's own state (a container's state is the container's).
    bool enabled() const override { return !hasStyle(WS_DISABLED); }
    void setEnabled(bool enabled) override { enable(enabled); }
    std::string caption() const override { return windowText(); }
    void setCaption(std::string_view caption) override { setWindowText(caption); }
    std::string hint() const override { return hint_; }
    void setHint(std::string_view hint) override { changeHint(hint); }
    std::optional<Colour> colour() const override { return colour_; }
    void setColour(std::optional<Colour> colour) override {
        colour_ = colour;
        invalidate();
    }
    std::optional<Colour> fontColour() const override { return fontColour_; }
    void setFontColour(std::optional<Colour> colour) override {
        fontColour_ = colour;
        invalidate();
    }
    Font font() const override { return askedFont(); }
    void setFont(const Font& font) override { changeFont(font); }
    void setFocus() override { focus(); }
    bool focused() const override { return hasFocus(); }
    void repaint() override { repaintNow(); }
    // A control inside a disabled container is as unusable as a disabled one.
    void click() override {
        if (reallyEnabled()) performClick();
    }
    void doubleClick() override {
        if (reallyEnabled()) performDoubleClick();
    }
    void pressKey(const KeyPress& key) override { keyPress(key); }
};

}  // namespace plevo::ui::win32
