#include "ui/qt/QtTimer.h"

namespace plevo::ui::qt {

QtTimer::QtTimer(std::string name, int intervalMs) : name_(std::move(name)) {
    timer_.setObjectName(QString::fromStdString(name_));
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
}

}  // namespace plevo::ui::qt
