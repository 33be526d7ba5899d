// Push buttons, toggle buttons, check boxes and radio buttons.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/qt/QtControl.h"
#include "ui/qt/QtControlFactory.h"
#include "ui/qt/QtForm.h"

namespace plevo::ui::qt {
namespace {

bool isDark(Colour c) {
    return c.r * 299 + c.g * 587 + c.b * 114 < 80 * 1000;
}

// The width a button's caption may take: the button less its bevel and margins, or less the
// mark of a check box or radio button (as the button's own size hint counts them).
int roomBesideMark(const QAbstractButton* button) {
    const QFontMetrics fm(button->font());
    const int text = fm.size(Qt::TextShowMnemonic, button->text()).width();
    return button->width() - (button->sizeHint().width() - text);
}

// A push button's caption keeps off its bevel: two pixels either side at the least.
int pushButtonRoom(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect inside =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return std::min(inside.width(), button->width() - 4);
}

template <class Interface, class Widget>
class QtAbstractButton : public QtControl<Interface> {
public:
    QtAbstractButton(QtForm& form, const ControlSpec& spec, Widget* widget)
        : QtControl<Interface>(form, spec, widget) {
        QObject::connect(widget, &QAbstractButton::clicked, widget, [this] { pressed(); });
    }

protected:
    Widget* button() const { return static_cast<Widget*>(this->widget()); }
    // A user's click or click(): the state has changed, now the handler runs.
    virtual void pressed() { this->runClick(); }
    void clickAction() override { button()->click(); }
    QString captionText() const override { return button()->text(); }
    void setCaptionText(const QString& text) override { button()->setText(text); }
    QString measuredCaption() const override { return withoutMnemonics(button()->text()); }
};

class QtButton : public QtAbstractButton<Button, QPushButton> {
public:
    QtButton(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtAbstractButton(form, spec, new QPushButton(parent)), modalResult_(spec.modalResult) {
        // Enter on a focused button presses it, as Space does.
        button()->setAutoDefault(true);
        if (spec.flags & kDefault) button()->setDefault(true);
        if (spec.flags & kNoFocus) button()->setFocusPolicy(Qt::TabFocus);
    }

protected:
    void pressed() override {
        runClick();
        if (modalResult_ != kResultNone) qtForm().buttonEnded(modalResult_);
    }
    int captionRoom() const override { return pushButtonRoom(button()); }

private:
    int modalResult_;
};

class QtToggleButton : public QtAbstractButton<ToggleButton, QPushButton> {
public:
    QtToggleButton(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtAbstractButton(form, spec, new QPushButton(parent)) {
        button()->setCheckable(true);
        button()->setChecked(spec.flags & kChecked);
        if (spec.flags & kNoFocus) button()->setFocusPolicy(Qt::TabFocus);
    }
    bool checked() const override { return button()->isChecked(); }
    void setChecked(bool checked) override { button()->setChecked(checked); }

protected:
    int captionRoom() const override { return pushButtonRoom(button()); }
};

// A check box whose caption wraps over several lines inside its width, from the top.
class WrappingCheckBox : public QCheckBox {
public:
    explicit WrappingCheckBox(QWidget* parent) : QCheckBox(parent) {}
    QSize sizeHint() const override { return {120, 40}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        const QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
        option.rect = QRect(box.left(), 2, box.width(), box.height());
        p.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);
        const int left = box.right() + 6;
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
        p.drawText(QRect(left, 0, width() - left, height()), Qt::TextWordWrap | Qt::AlignTop,
                   text());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = QRect(left - 2, 0, width() - left + 2, height());
            p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

template <class Interface, class Widget>
class QtMarkedButton : public QtAbstractButton<Interface, Widget> {
public:
    QtMarkedButton(QtForm& form, const ControlSpec& spec, Widget* widget, bool wraps)
        : QtAbstractButton<Interface, Widget>(form, spec, widget), wraps_(wraps) {
        widget->setChecked(spec.flags & kChecked);
    }
    bool checked() const override { return this->button()->isChecked(); }

protected:
    bool onDark() const override {
        const std::optional<Colour> under = this->parentColour();
        return under && isDark(*under);
    }
    int captionRoom() const override { return wraps_ ? -1 : roomBesideMark(this->button()); }

private:
    bool wraps_;
};

class QtCheckBox : public QtMarkedButton<CheckBox, QCheckBox> {
public:
    QtCheckBox(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtMarkedButton(
              form, spec,
              (spec.flags & kWordWrap) ? new WrappingCheckBox(parent) : new QCheckBox(parent),
              spec.flags & kWordWrap) {}
    void setChecked(bool checked) override { button()->setChecked(checked); }
};

class QtRadioButton : public QtMarkedButton<RadioButton, QRadioButton> {
public:
    QtRadioButton(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtMarkedButton(form, spec, new QRadioButton(parent), false) {}
    void setChecked(bool checked) override {
        // Qt keeps one radio button of a group checked; the window may clear them all.
        QRadioButton* b = button();
        if (!checked && b->isChecked()) {
            b->setAutoExclusive(false);
            b->setChecked(false);
            b->setAutoExclusive(true);
        } else {
            b->setChecked(checked);
        }
    }
};

}  // namespace

Made makeButton(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtButton>(form, spec, parent);
}

Made makeToggleButton(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtToggleButton>(form, spec, parent);
}

Made makeCheckBox(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtCheckBox>(form, spec, parent);
}

Made makeRadioButton(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtRadioButton>(form, spec, parent);
}

}  // namespace plevo::ui::qt
