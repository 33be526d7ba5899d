#include "ui/win32/Win32Timer.h"

#include "ui/win32/Win32Toolkit.h"

namespace plevo::ui::win32 {

Win32Timer::Win32Timer(Win32Toolkit& toolkit, std::string name, int intervalMs)
    : toolkit_(toolkit), name_(std::move(name)), interval_(intervalMs) {}

Win32Timer::~Win32Timer() {
    stop();
}

void Win32Timer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    if (running()) start();
}

void Win32Timer::start() {
    stop();
    id_ = toolkit_.startTimer(this, interval_);
}

void Win32Timer::stop() {
    if (id_ == 0) return;
    toolkit_.stopTimer(id_);
    id_ = 0;
}

}  // namespace plevo::ui::win32
