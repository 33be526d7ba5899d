// The screen capture of the Qt backend.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "ScreenCapture.h"

namespace plevo::test {

bool captureScreenArea(const ui::Rect& area, const std::string& file) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return false;
    const QPixmap shot = screen->grabWindow(0, area.x, area.y, area.w, area.h);
    return !shot.isNull() && shot.save(QString::fromLocal8Bit(file.c_str()));
}

}  // namespace plevo::test
