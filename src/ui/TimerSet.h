#pragma once
// A window's timers by their names, as both backends keep them: the window owns them, and a
// second timer of a name already taken is a fault of the program.

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Controls.h"

namespace plevo::ui {

class TimerSet {
public:
    // Takes `timer` as the window `formName`'s timer of its name.
    Timer& add(std::unique_ptr<Timer> timer, std::string_view formName) {
        if (find(timer->name()))
            throw std::logic_error("two timers named " + timer->name() + " in " +
                                   std::string(formName));
        timers_.push_back(std::move(timer));
        return *timers_.back();
    }
    Timer* find(std::string_view name) const {
        for (const auto& t : timers_)
            if (t->name() == name) return t.get();
        return nullptr;
    }
    void clear() { timers_.clear(); }

private:
    std::vector<std::unique_ptr<Timer>> timers_;
};

}  // namespace plevo::ui
