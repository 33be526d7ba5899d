#pragma once
// The BUTTON controls: push buttons, toggle buttons (push-like check boxes), check boxes and radio
// buttons. A programmatic click does what the button's own click does, then sends the same
// BN_CLICKED; only the keyboard focus stays where it is.

#include "ui/win32/NativeControl.h"

namespace plevo::ui::win32 {

// A button's caption as it is measured: a mnemonic's "&" is not shown ("&&" shows one "&").
std::string withoutMnemonics(const std::string& caption);
// Room beside a check box's or radio button's mark, in layer pixels.
inline constexpr int kMarkRoom = 20;
// Room inside a push button's bevel, in layer pixels.
inline constexpr int kBevelRoom = 4;

// A button that takes no focus (kNoFocus) tracks its own press, as the system's button does
// but without its SetFocus: for the mouse messages (isPressMessage) of `hwnd`, true when the
// press was released over the button, which is its click.
bool isPressMessage(UINT msg);
bool trackPress(HWND hwnd, UINT msg, LPARAM lParam, bool& tracking);

class Win32Button final : public ControlImpl<Button> {
public:
    Win32Button(Win32Form& form, const ControlSpec& spec, NativeControl* parent);
    void build(const ControlSpec& spec) override;
    bool takesFocus() const override { return true; }
    void performClick() override;
    void command(WORD code) override;
    void clicked() override;

protected:
    LRESULT message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    int captionRoom() const override { return width() - scaled(kBevelRoom); }
    std::string measuredCaption() const override { return withoutMnemonics(windowText()); }

private:
    int modalResult_;
    bool tracking_ = false;
};

// Check boxes and toggle buttons: BS_AUTOCHECKBOX, push-like for the toggle.
template <class I>
class Win32Checkable final : public ControlImpl<I> {
public:
    Win32Checkable(Win32Form& form, const ControlSpec& spec, NativeControl* parent)
        : ControlImpl<I>(form, spec, parent) {}
    void build(const ControlSpec& spec) override;
    bool takesFocus() const override { return true; }
    bool checked() const override;
    void setChecked(bool checked) override;
    void performClick() override;
    void command(WORD code) override;

protected:
    LRESULT message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    int captionRoom() const override;
    std::string measuredCaption() const override { return withoutMnemonics(this->windowText()); }
    bool reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool tracking_ = false;
};

// Radio buttons check themselves and uncheck the others of their parent (container or window).
class Win32RadioButton final : public ControlImpl<RadioButton> {
public:
    Win32RadioButton(Win32Form& form, const ControlSpec& spec, NativeControl* parent);
    void build(const ControlSpec& spec) override;
    bool takesFocus() const override { return true; }
    bool checked() const override;
    void setChecked(bool checked) override;
    void performClick() override;
    void command(WORD code) override;
    bool reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    int captionRoom() const override { return width() - scaled(kMarkRoom); }
    std::string measuredCaption() const override { return withoutMnemonics(windowText()); }

private:
    void uncheckSiblings();
};

// The text colour of a check box or radio button: its own, else white on a dark background (the
// mark stays black in its white box), else its container's.
COLORREF markedTextColour(const NativeControl& control, std::optional<Colour> own);

using Win32CheckBox = Win32Checkable<CheckBox>;
using Win32ToggleButton = Win32Checkable<ToggleButton>;

}  // namespace plevo::ui::win32
