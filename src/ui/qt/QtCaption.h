#pragma once
// What labels, panels and pictures share: a QLabel that takes its clicks, showing a caption.

#include <QLabel>
#include <QMouseEvent>
#include <functional>

#include "ui/qt/QtControl.h"

namespace plevo::ui::qt {

// A label that takes its left clicks, so that a panel under it does not run a second time.
class ClickLabel : public QLabel {
public:
    ClickLabel(QWidget* parent, std::function<void()> clicked)
        : QLabel(parent), clicked_(std::move(clicked)) {
        // Captions are shown as they are, never read as markup.
        setTextFormat(Qt::PlainText);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) return event->accept();
        QLabel::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
        event->accept();
        if (rect().contains(event->position().toPoint())) clicked_();
    }

private:
    std::function<void()> clicked_;
};

inline Qt::Alignment horizontal(unsigned flags, Qt::Alignment otherwise) {
    if (flags & kRight) return Qt::AlignRight;
    if (flags & kCentre) return Qt::AlignHCenter;
    return otherwise;
}

template <class Interface>
class QtCaption : public QtControl<Interface> {
public:
    QtCaption(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtControl<Interface>(form, spec,
                               new ClickLabel(parent, [this] { this->clickIfEnabled(); })) {}

protected:
    QLabel* label() const { return static_cast<QLabel*>(this->widget()); }
    QString captionText() const override { return label()->text(); }
    void setCaptionText(const QString& text) override { label()->setText(text); }
    int captionRoom() const override {
        return label()->wordWrap() ? -1 : label()->contentsRect().width();
    }
};

}  // namespace plevo::ui::qt
