// The containers: panels and group boxes, which can be clicked like buttons, and the scroll box.
#include <QGroupBox>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <functional>

#include "ui/qt/QtCaption.h"
#include "ui/qt/QtControlFactory.h"

namespace plevo::ui::qt {
namespace {

class QtPanel : public QtCaption<Panel> {
public:
    QtPanel(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtCaption(form, spec, parent) {
        label()->setAlignment(horizontal(spec.flags, Qt::AlignHCenter) | Qt::AlignVCenter);
        if (spec.flags & kNoBorder)
            label()->setFrameStyle(QFrame::NoFrame);
        else
            label()->setFrameStyle(QFrame::Panel |
                                   ((spec.flags & kSunken) ? QFrame::Sunken : QFrame::Raised));
    }

protected:
    // A panel paints its own face, in its own colour or its container's.
    bool fillsBackground() const override { return true; }
    // The caption keeps off the bevel: two pixels either side at the least.
    int captionRoom() const override {
        return std::min(label()->contentsRect().width(), label()->width() - 4);
    }
};

// A group box that can be clicked (the how-to window scrolls to a step when its box is).
class ClickGroupBox : public QGroupBox {
public:
    ClickGroupBox(QWidget* parent, std::function<void()> clicked)
        : QGroupBox(parent), clicked_(std::move(clicked)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QGroupBox::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            clicked_();
    }

private:
    std::function<void()> clicked_;
};

class QtGroupBox : public QtControl<GroupBox> {
public:
    QtGroupBox(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtControl(form, spec, new ClickGroupBox(parent, [this] { clickIfEnabled(); })) {}

protected:
    QGroupBox* box() const { return static_cast<QGroupBox*>(widget()); }
    QString captionText() const override { return box()->title(); }
    void setCaptionText(const QString& text) override { box()->setTitle(text); }
    // The title is drawn from the box's left edge in, with a small margin either side.
    int captionRoom() const override { return box()->width() - 8; }
    QString measuredCaption() const override { return withoutMnemonics(box()->title()).trimmed(); }
};

Qt::ScrollBarPolicy barPolicy(bool wanted) {
    return wanted ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
}

class QtScrollBox : public QtControl<ScrollBox> {
public:
    QtScrollBox(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtControl(form, spec, new QScrollArea(parent)), page_(new QWidget) {
        QScrollArea* a = area();
        a->setVerticalScrollBarPolicy(barPolicy(spec.flags & kVScroll));
        a->setHorizontalScrollBarPolicy(
            (spec.flags & kNoHScroll) ? Qt::ScrollBarAlwaysOff : barPolicy(spec.flags & kHScroll));
        if (spec.flags & kNoBorder) a->setFrameShape(QFrame::NoFrame);
        page_->setFixedSize(spec.at.w, spec.at.h);
        a->setWidget(page_);
    }
    QWidget* childHost() const override { return page_; }
    void setContentSize(Size size) override { page_->setFixedSize(size.w, size.h); }
    int scrollY() const override { return area()->verticalScrollBar()->value(); }
    void setScrollY(int y) override { area()->verticalScrollBar()->setValue(y); }

protected:
    // The colour is the page's: the children lie on it.
    bool fillsBackground() const override { return false; }
    void paletteApplied() override { page_->setAutoFillBackground(colour_.has_value()); }

private:
    QScrollArea* area() const { return static_cast<QScrollArea*>(widget()); }
    QWidget* page_;
};

}  // namespace

Made makePanel(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtPanel>(form, spec, parent);
}

Made makeGroupBox(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtGroupBox>(form, spec, parent);
}

Made makeScrollBox(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtScrollBox>(form, spec, parent);
}

}  // namespace plevo::ui::qt
