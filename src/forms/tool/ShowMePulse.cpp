#include "forms/tool/ShowMePulse.h"

namespace plevo {

ShowMePulse::ShowMePulse(ui::Timer& timer, std::function<bool()> switchedOn)
    : timer_(timer), switchedOn_(std::move(switchedOn)) {
    timer_.setInterval(kIntervalMs);
}

void ShowMePulse::aim(ui::Picture& picture) {
    target_ = &picture;
    size_ = picture.geometry().w;
    timer_.start();
}

void ShowMePulse::stop() {
    timer_.stop();
}

void ShowMePulse::tick() {
    // Down by one pixel to 2, then back up to full size, where the pulse ends.
    if (!switchedOn_()) return;
    if (growing_) {
        if (size_ < kFullSize) {
            ++size_;
        } else {
            timer_.stop();
            growing_ = false;
        }
    } else if (size_ <= 2) {
        growing_ = true;
    } else {
        --size_;
    }
    resizeTarget();
}

void ShowMePulse::resizeTarget() {
    // The top left corner stays where it is.
    if (!target_) return;
    ui::Rect r = target_->geometry();
    r.w = r.h = size_;
    target_->setGeometry(r);
}

}  // namespace plevo
