#pragma once
// Long walks over a list let pending window events run, so that the window repaints and timers
// fire, but at most every ~20 ms rather than once per entry: a walk over a million lines must not
// cost a million event loops. While a walk runs, steps started by a click are refused (the walk
// owns the lists until it ends).

#include <cstdint>

namespace plevo {

namespace ui {
class Toolkit;
}

class EventPump {
public:
    static constexpr int kIntervalMs = 20;

    explicit EventPump(ui::Toolkit& toolkit);
    // Processes pending events when kIntervalMs have passed since the last time.
    void pump();
    // Processes pending events now.
    void pumpNow();

    bool walking() const { return walks_ > 0; }

    // Marks a walk as running for its lifetime.
    class Walk {
    public:
        explicit Walk(EventPump& pump) : pump_(pump) { ++pump_.walks_; }
        ~Walk() { --pump_.walks_; }
        Walk(const Walk&) = delete;
        Walk& operator=(const Walk&) = delete;

    private:
        EventPump& pump_;
    };

private:
    ui::Toolkit& toolkit_;
    std::int64_t last_ = 0;
    int walks_ = 0;
};

}  // namespace plevo
