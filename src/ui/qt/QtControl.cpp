#include "ui/qt/QtControl.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPalette>
#include <cmath>

#include "ui/CaptionFit.h"
#include "ui/qt/QtForm.h"
#include "ui/qt/QtKeys.h"
#include "ui/qt/QtSurface.h"
#include "ui/qt/Text.h"

namespace plevo::ui::qt {

// Mouse entering and leaving, double clicks and the focus leaving, for any kind of control.
class QtControlBase::Events : public QObject {
public:
    Events(QtControlBase& control, QWidget* widget) : QObject(widget), control_(control) {
        widget->installEventFilter(this);
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
            area->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        Control& c = control_.control();
        switch (event->type()) {
            case QEvent::Enter:
                if (watched == control_.widget()) run(c.onMouseEnter);
                break;
            case QEvent::Leave:
                if (watched == control_.widget()) run(c.onMouseLeave);
                break;
            case QEvent::MouseButtonDblClick:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                    control_.baseDoubleClick();
                break;
            case QEvent::FocusOut:
                // The focus has moved already: into a cell editor of a grid is not leaving it.
                if (watched == control_.widget()) {
                    const QWidget* now = QApplication::focusWidget();
                    if (!now || !control_.widget()->isAncestorOf(now)) run(c.onExit);
                }
                break;
            default:
                break;
        }
        return false;
    }

private:
    static void run(Handler handler) {
        if (handler) handler();
    }
    QtControlBase& control_;
};

QString withoutMnemonics(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

QtControlBase::QtControlBase(QtForm& form, const ControlSpec& spec, QWidget* widget)
    : form_(form),
      name_(spec.name),
      kind_(spec.kind),
      widget_(widget),
      events_(new Events(*this, widget)) {}

QtControlBase::~QtControlBase() = default;

Form& QtControlBase::uiForm() const {
    return form_;
}

Control* QtControlBase::parentControl() const {
    // A scroll box's children lie on its page, inside its viewport: the nearest control above.
    QtControlBase* c = form_.controlOf(widget_->parentWidget());
    return c ? &c->control() : nullptr;
}

void QtControlBase::start(const ControlSpec& spec) {
    widget_->setObjectName(QString::fromLatin1(spec.name));
    widget_->setGeometry(spec.at.x, spec.at.y, spec.at.w, spec.at.h);
    if (!spec.hint.empty()) widget_->setToolTip(toQString(spec.hint));
    colour_ = spec.colour;
    fontColour_ = spec.fontColour;
    applyPalette();
    font_ = spec.font;
    widget_->setFont(toQFont(font_));
    setCaptionText(toQString(spec.caption));
    fitCaption();
    if (spec.flags & kDisabled) widget_->setEnabled(false);
    visible_ = !(spec.flags & kHidden);
    widget_->setVisible(visible_);
}

void QtControlBase::clickIfEnabled() {
    // A control inside a disabled container is as unusable as a disabled one.
    if (widget_ && widget_->isEnabled()) clickAction();
}

void QtControlBase::runClick() {
    // A copy: the handler may bind another one while it runs.
    const Handler handler = control().onClick;
    if (handler) handler();
}

void QtControlBase::baseDoubleClick() {
    if (!widget_ || !widget_->isEnabled()) return;
    const Handler handler = control().onDoubleClick;
    if (handler) handler();
}

void QtControlBase::sendKey(const KeyPress& key) {
    QPointer<QWidget> target = widget_;
    const auto press = toQKeyEvent(key, QEvent::KeyPress);
    QApplication::sendEvent(target, press.get());
    const auto release = toQKeyEvent(key, QEvent::KeyRelease);
    if (target) QApplication::sendEvent(target, release.get());
}

std::optional<Colour> QtControlBase::parentColour() const {
    const QWidget* window = form_.window();
    for (const QWidget* w = widget_->parentWidget(); w && w != window; w = w->parentWidget())
        if (QtControlBase* c = form_.controlOf(w)) return c->shownColour();
    return form_.colour();
}

std::optional<Colour> QtControlBase::shownColour() const {
    return colour_ ? colour_ : parentColour();
}

void QtControlBase::refreshColours() {
    applyPalette();
}

void QtControlBase::applyPalette() {
    // Only the roles set here are the control's own; the rest comes from its container.
    QPalette p;
    if (colour_) {
        p.setColor(QPalette::Window, toQColor(*colour_));
        p.setColor(QPalette::Base, toQColor(*colour_));
    } else if (isBox()) {
        // Without a colour of its own a box shows the system's window colour and text, as on
        // Windows, not its container's: the help page of a black window is white.
        const QPalette system = QApplication::palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(group, QPalette::Base, system.color(group, QPalette::Base));
            if (!fontColour_)
                p.setColor(group, QPalette::Text, system.color(group, QPalette::Text));
        }
    }
    const bool dark = onDark();
    if (fontColour_ || dark) {
        // Disabled controls keep the greyed-out text of the style.
        const QColor text = fontColour_ ? toQColor(*fontColour_) : QColor(Qt::white);
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            p.setColor(group, QPalette::WindowText, text);
            p.setColor(group, QPalette::Text, text);
            p.setColor(group, QPalette::ButtonText, text);
        }
    }
    if (dark) {
        // The mark stays black in a white box, as it is drawn on a light window, so that it can
        // be seen on a dark one.
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            p.setColor(group, QPalette::Base, Qt::white);
            p.setColor(group, QPalette::Text, Qt::black);
            p.setColor(group, QPalette::Window, QColor(0xa0, 0xa0, 0xa0));  // the box's outline
        }
    }
    widget_->setPalette(p);
    widget_->setAutoFillBackground(fillsBackground());
    paletteApplied();
}

bool QtControlBase::isBox() const {
    return kind_ == Kind::Edit || kind_ == Kind::Memo || kind_ == Kind::ListBox ||
           kind_ == Kind::Grid;
}

void QtControlBase::fitCaption() {
    // The font is set only when it changes: a new font goes to every child of a container.
    const QFont asked = toQFont(font_);
    const QWidget* parent = widget_->parentWidget();
    const QFont shown = asked.resolve(parent ? parent->font() : QApplication::font());
    const QString text = measuredCaption();
    const int dpi = widget_->logicalDpiY();
    const double now = shown.pixelSize() > 0 ? shown.pixelSize() : shown.pointSizeF() * dpi / 72;
    const int pixels = fittedCaptionPixels(
        captionRoom(), QFontMetrics(shown).horizontalAdvance(text),
        static_cast<int>(std::ceil(now)), captionFloorPixels(dpi), [&](int size) {
            QFont smaller = shown;
            smaller.setPixelSize(size);
            return QFontMetrics(smaller).horizontalAdvance(text);
        });
    if (pixels == fittedPixels_ && !fontChanged_) return;
    QFont set = asked;
    if (pixels > 0) set.setPixelSize(pixels);
    widget_->setFont(set);
    fittedPixels_ = pixels;
    fontChanged_ = false;
}

Rect QtControlBase::baseGeometry() const {
    const QRect r = widget_->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void QtControlBase::baseSetGeometry(const Rect& where) {
    const int width = widget_->width();
    widget_->setGeometry(where.x, where.y, where.w, where.h);
    if (where.w != width) fitCaption();
}

bool QtControlBase::baseEnabled() const {
    // The control's own state, as the window set it (a container's state is the container's).
    return !widget_->testAttribute(Qt::WA_ForceDisabled);
}

void QtControlBase::baseSetEnabled(bool enabled) {
    widget_->setEnabled(enabled);
}

std::string QtControlBase::baseCaption() const {
    return fromQString(captionText());
}

void QtControlBase::baseSetCaption(std::string_view caption) {
    setCaptionText(toQString(caption));
    fitCaption();
}

std::string QtControlBase::baseHint() const {
    return fromQString(widget_->toolTip());
}

void QtControlBase::baseSetHint(std::string_view hint) {
    widget_->setToolTip(toQString(hint));
}

void QtControlBase::baseSetColour(std::optional<Colour> colour) {
    colour_ = colour;
    applyPalette();
    // Check boxes inside see a new background.
    for (Control* c : form_.controls())
        if (auto* base = dynamic_cast<QtControlBase*>(c); base && base != this)
            if (widget_->isAncestorOf(base->widget())) base->refreshColours();
}

void QtControlBase::baseSetFontColour(std::optional<Colour> colour) {
    fontColour_ = colour;
    applyPalette();
}

Font QtControlBase::baseFont() const {
    Font f = font_;
    if (fittedPixels_ > 0) f.pixels = fittedPixels_;
    return f;
}

void QtControlBase::baseSetFont(const Font& font) {
    font_ = font;
    fontChanged_ = true;
    fitCaption();
}

bool QtControlBase::baseFocused() const {
    return form_.controlOf(form_.window()->focusWidget()) == this;
}

}  // namespace plevo::ui::qt
