// The one-line edit box.
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <functional>

#include "ui/qt/QtControl.h"
#include "ui/qt/QtControlFactory.h"
#include "ui/qt/Text.h"

namespace plevo::ui::qt {
namespace {

// A click into the box runs its onClick, as a click on any other control does.
class ClickLineEdit : public QLineEdit {
public:
    ClickLineEdit(QWidget* parent, std::function<void()> clicked)
        : QLineEdit(parent), clicked_(std::move(clicked)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLineEdit::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton) clicked_();
    }

private:
    std::function<void()> clicked_;
};

class QtEdit : public QtControl<Edit> {
public:
    QtEdit(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtControl(form, spec, new ClickLineEdit(parent, [this] { clickIfEnabled(); })) {
        edit()->setReadOnly(spec.flags & kReadOnly);
        noHideSel_ = spec.flags & kNoHideSel;
        if (spec.flags & kRight) edit()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (spec.flags & kCentre) edit()->setAlignment(Qt::AlignCenter);
        QObject::connect(edit(), &QLineEdit::textChanged, edit(), [this] {
            const Handler handler = onChange;
            if (handler) handler();
        });
    }
    void selectAll() override { edit()->selectAll(); }
    void select(int start, int length) override {
        if (length > 0) {
            edit()->setSelection(start, length);
        } else {
            edit()->deselect();
            edit()->setCursorPosition(start);
        }
    }
    std::string selectedText() const override { return fromQString(edit()->selectedText()); }
    void setReadOnly(bool readOnly) override { edit()->setReadOnly(readOnly); }
    void type(std::string_view text) override { edit()->insert(toQString(text)); }

protected:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
    void paletteApplied() override {
        if (!noHideSel_) return;
        // The inactive highlight is the active one: the selection shows without the focus.
        QPalette p = edit()->palette();
        p.setColor(QPalette::Inactive, QPalette::Highlight,
                   p.color(QPalette::Active, QPalette::Highlight));
        p.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   p.color(QPalette::Active, QPalette::HighlightedText));
        edit()->setPalette(p);
    }
    QString captionText() const override { return edit()->text(); }
    void setCaptionText(const QString& text) override { edit()->setText(text); }

private:
    bool noHideSel_ = false;
};

}  // namespace

Made makeEdit(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtEdit>(form, spec, parent);
}

}  // namespace plevo::ui::qt
