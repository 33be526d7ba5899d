#include "ui/qt/Forms.h"

#include <QFontMetrics>
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

void setCaptionOnDark(QWidget* button) {
    // The caption takes the colour; the mark stays black in a white box, as it is drawn on a
    // light window, so that it can be seen on a black one.
    setForeground(button, Qt::white);
    QPalette p = button->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Base, Qt::white);
        p.setColor(group, QPalette::Text, Qt::black);
        p.setColor(group, QPalette::Window, QColor(0xa0, 0xa0, 0xa0));  // the box's outline
    }
    button->setPalette(p);
}

void fitCaption(QWidget* widget, const QString& caption, int width) {
    QFont f = widget->font();
    while (QFontMetrics(f).horizontalAdvance(caption) > width && f.pointSizeF() > 6.0)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    widget->setFont(f);
}

}  // namespace plevo
