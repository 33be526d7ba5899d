#include "platform/EventPump.h"

#include <QCoreApplication>

namespace plevo {

EventPump::EventPump() {
    sinceLast_.start();
}

void EventPump::pump() {
    if (sinceLast_.elapsed() >= kIntervalMs) pumpNow();
}

void EventPump::pumpNow() {
    QCoreApplication::processEvents();
    sinceLast_.restart();
}

}  // namespace plevo
