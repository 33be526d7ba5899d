#include "ui/EventPump.h"

#include "ui/Toolkit.h"

namespace plevo {

EventPump::EventPump(ui::Toolkit& toolkit) : toolkit_(toolkit), last_(toolkit.milliseconds()) {}

void EventPump::pump() {
    if (toolkit_.milliseconds() - last_ >= kIntervalMs) pumpNow();
}

void EventPump::pumpNow() {
    toolkit_.processEvents();
    last_ = toolkit_.milliseconds();
}

}  // namespace plevo
