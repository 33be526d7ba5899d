#include "platform/Forms.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

namespace plevo {

void fixClientSize(QWidget* window, int w, int h) {
    window->setFixedSize(w, h);
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

void centreOver(QWidget* window, const QWidget* over) {
    if (!over) return centreOnScreen(window);
    const QRect frame = over->frameGeometry();
    window->move(frame.center() - QPoint(window->width() / 2, window->height() / 2));
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Base, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget* widget, const QColor& colour) {
    // Disabled controls keep the greyed-out text of the style.
    QPalette p = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, colour);
        p.setColor(group, QPalette::Text, colour);
        p.setColor(group, QPalette::ButtonText, colour);
    }
    widget->setPalette(p);
}

}  // namespace plevo
