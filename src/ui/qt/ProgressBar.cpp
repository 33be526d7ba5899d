// The progress bar and the scroll box.
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>

#include "ui/qt/QtControl.h"
#include "ui/qt/QtControlFactory.h"

namespace plevo::ui::qt {
namespace {

class QtProgressBar : public QtControl<ProgressBar> {
public:
    QtProgressBar(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtControl(form, spec, new QProgressBar(parent)) {
        bar()->setTextVisible(false);
        bar()->setRange(0, 100);
        bar()->setValue(0);
    }
    void setRange(int minimum, int maximum) override {
        bar()->setRange(minimum, std::max(minimum, maximum));
        setPosition(position_);
    }
    int maximum() const override { return bar()->maximum(); }
    // The position stays inside the range, as the system's bar keeps it.
    void setPosition(int position) override {
        position_ = std::clamp(position, bar()->minimum(), bar()->maximum());
        bar()->setValue(position_);
    }
    int position() const override { return position_; }

private:
    QProgressBar* bar() const { return static_cast<QProgressBar*>(widget()); }
    int position_ = 0;
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

Made makeProgressBar(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtProgressBar>(form, spec, parent);
}

Made makeScrollBox(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtScrollBox>(form, spec, parent);
}

}  // namespace plevo::ui::qt
