#pragma once
// The show-me pulse: the picture of the step to take next shrinks to a dot and grows back to its
// full size, one pixel per tick, while "Show me" is on. There is one pulse in the tool; aiming it
// at a picture of either window takes it off the previous one.

#include <functional>

#include "ui/Controls.h"

namespace plevo {

class ShowMePulse {
public:
    static constexpr int kFullSize = 33;
    static constexpr int kIntervalMs = 20;

    // Ticks on `timer`, whose owner binds tick() to it; with `switchedOn` false the ticks do
    // nothing and the pulse waits where it is.
    ShowMePulse(ui::Timer& timer, std::function<bool()> switchedOn);
    ShowMePulse(const ShowMePulse&) = delete;
    ShowMePulse& operator=(const ShowMePulse&) = delete;

    // Points at `picture` from its current size and starts the timer.
    void aim(ui::Picture& picture);
    void stop();
    void tick();

    ui::Picture* target() const { return target_; }
    int size() const { return size_; }
    bool running() const { return timer_.running(); }

private:
    void resizeTarget();

    ui::Timer& timer_;
    std::function<bool()> switchedOn_;
    ui::Picture* target_ = nullptr;
    int size_ = 0;
    bool growing_ = false;
};

}  // namespace plevo
