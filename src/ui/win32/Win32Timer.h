#pragma once
// A timer of a window: SetTimer on the toolkit's hidden window, whose WM_TIMER runs onTimer.

#include <string>

#include "ui/Controls.h"
#include "ui/win32/Win32.h"

namespace plevo::ui::win32 {

class Win32Toolkit;

class Win32Timer final : public Timer {
public:
    Win32Timer(Win32Toolkit& toolkit, std::string name, int intervalMs);
    ~Win32Timer() override;
    Win32Timer(const Win32Timer&) = delete;
    Win32Timer& operator=(const Win32Timer&) = delete;

    const std::string& name() const override { return name_; }
    int interval() const override { return interval_; }
    void setInterval(int milliseconds) override;
    bool running() const override { return id_ != 0; }
    // Starting a running timer starts its interval anew.
    void start() override;
    void stop() override;

private:
    Win32Toolkit& toolkit_;
    std::string name_;
    int interval_;
    UINT_PTR id_ = 0;
};

}  // namespace plevo::ui::win32
