#pragma once
// The progress bar: the common controls' PROGRESS_CLASS, its range and position as the layer's.

#include "ui/win32/NativeControl.h"

namespace plevo::ui::win32 {

class Win32ProgressBar final : public ControlImpl<ProgressBar> {
public:
    using ControlImpl<ProgressBar>::ControlImpl;
    void build(const ControlSpec& spec) override;
    void setColour(std::optional<Colour> colour) override;
    void setFontColour(std::optional<Colour> colour) override;
    void setRange(int minimum, int maximum) override;
    int maximum() const override;
    void setPosition(int position) override;
    int position() const override;

protected:
    bool clicksOnMouseUp() const override { return true; }
};

}  // namespace plevo::ui::win32
