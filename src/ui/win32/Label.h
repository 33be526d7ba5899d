#pragma once
// Labels: STATIC controls that tell their clicks (SS_NOTIFY), in their own colours or their
// parent's; a transparent one has no background of its own.

#include "ui/win32/NativeControl.h"

namespace plevo::ui::win32 {

class Win32Label final : public ControlImpl<Label> {
public:
    using ControlImpl<Label>::ControlImpl;
    void build(const ControlSpec& spec) override;
    void command(WORD code) override;
    void performClick() override;
    void setCaption(std::string_view caption) override;

protected:
    int captionRoom() const override { return (flags_ & kWordWrap) ? -1 : width(); }
};

}  // namespace plevo::ui::win32
