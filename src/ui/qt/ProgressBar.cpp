// The progress bar.
#include <QProgressBar>

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

}  // namespace

Made makeProgressBar(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtProgressBar>(form, spec, parent);
}

}  // namespace plevo::ui::qt
