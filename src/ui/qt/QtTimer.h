#pragma once
// A timer of a window on a QTimer: its ticks run onTimer.

#include <QTimer>

#include "ui/Controls.h"

namespace plevo::ui::qt {

class QtTimer : public Timer {
public:
    QtTimer(std::string name, int intervalMs);

    const std::string& name() const override { return name_; }
    int interval() const override { return timer_.interval(); }
    void setInterval(int milliseconds) override { timer_.setInterval(milliseconds); }
    bool running() const override { return timer_.isActive(); }
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }

private:
    std::string name_;
    QTimer timer_;
};

}  // namespace plevo::ui::qt
