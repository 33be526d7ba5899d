#pragma once
// The BUTTON controls: push buttons, toggle buttons (push-like check boxes), check boxes and radio
// buttons. A programmatic click does what the button's own click does, then sends the same
// BN_CLICKED; only the keyboard focus stays where it is.

#include "ui/win32/NativeControl.h"

namespace plevo::ui::win32 {

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

private:
    int modalResult_;
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

private:
    void uncheckSiblings();
};

using Win32CheckBox = Win32Checkable<CheckBox>;
using Win32ToggleButton = Win32Checkable<ToggleButton>;

}  // namespace plevo::ui::win32
