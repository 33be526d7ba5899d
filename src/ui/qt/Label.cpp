// The label: a caption that can be clicked like a button.
#include "ui/qt/QtCaption.h"
#include "ui/qt/QtControlFactory.h"

namespace plevo::ui::qt {
namespace {

class QtLabel : public QtCaption<Label> {
public:
    QtLabel(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtCaption(form, spec, parent), transparent_(spec.flags & kTransparent) {
        if (spec.flags & kWordWrap) {
            label()->setWordWrap(true);
            label()->setAlignment(horizontal(spec.flags, Qt::AlignLeft) | Qt::AlignTop);
        } else {
            label()->setAlignment(horizontal(spec.flags, Qt::AlignLeft) | Qt::AlignVCenter);
        }
    }

protected:
    bool fillsBackground() const override { return colour_ && !transparent_; }

private:
    bool transparent_;
};

}  // namespace

Made makeLabel(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtLabel>(form, spec, parent);
}

}  // namespace plevo::ui::qt
