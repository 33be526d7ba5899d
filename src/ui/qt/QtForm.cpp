#include "ui/qt/QtForm.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QEventLoop>
#include <QImage>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <stdexcept>

#include "ui/qt/QtControl.h"
#include "ui/qt/QtControlFactory.h"
#include "ui/qt/QtKeys.h"
#include "ui/qt/QtSurface.h"
#include "ui/qt/QtTimer.h"
#include "ui/qt/QtToolkit.h"
#include "ui/qt/Text.h"

namespace plevo::ui::qt {

// The top-level widget: passes its showing, hiding, activation and the close box to the form.
class QtForm::Window : public QWidget {
public:
    explicit Window(QtForm& form) : form_(form) {}
    QtForm& form_;

protected:
    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        form_.fitMask();
        if (!event->spontaneous()) form_.windowShown();
    }
    void hideEvent(QHideEvent* event) override {
        QWidget::hideEvent(event);
        if (!event->spontaneous()) form_.windowHidden();
    }
    void closeEvent(QCloseEvent* event) override {
        if (!form_.closeQuery()) {
            event->ignore();
            return;
        }
        form_.closed();
        event->accept();
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && form_.onActivate) form_.onActivate();
        const bool took = QWidget::event(event);
        // Every repaint of the window and its controls comes through here.
        if (event->type() == QEvent::UpdateRequest) form_.fitMask();
        return took;
    }
};

namespace {

Qt::WindowFlags flagsOf(FormStyle style) {
    switch (style) {
        case FormStyle::Window:
            return Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint;
        case FormStyle::Dialog:
            return Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        case FormStyle::CaptionOnly:
            return Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint;
        case FormStyle::Borderless:
            return Qt::Dialog | Qt::FramelessWindowHint;
    }
    return Qt::Window;
}

void setWindowColour(QWidget* window, std::optional<Colour> colour) {
    QPalette p;
    if (colour) {
        p.setColor(QPalette::Window, toQColor(*colour));
        p.setColor(QPalette::Base, toQColor(*colour));
    }
    window->setPalette(p);
    window->setAutoFillBackground(colour.has_value());
}

// A cell of a grid being edited takes its own Esc and Enter: its editor lies on the view's
// viewport.
bool editingInView(const QWidget* widget) {
    for (const QWidget* w = widget; w && w->parentWidget(); w = w->parentWidget())
        if (auto* view = qobject_cast<const QAbstractItemView*>(w->parentWidget()->parentWidget()))
            if (w->parentWidget() == view->viewport()) return true;
    return false;
}

}  // namespace

QtForm::QtForm(QtToolkit& toolkit, const FormSpec& spec, std::span<const ControlSpec> controls)
    : toolkit_(toolkit),
      name_(spec.name),
      place_(spec.place),
      colour_(spec.colour),
      seeThrough_(spec.seeThrough) {
    auto* window = new Window(*this);
    window_ = window;
    window->setObjectName(QString::fromLatin1(spec.name));
    window->setWindowFlags(flagsOf(spec.style));
    window->setWindowTitle(toQString(spec.caption));
    // The client area is fixed: the user cannot resize the window.
    window->setFixedSize(spec.client.w, spec.client.h);
    setWindowColour(window, colour_);
    window->setFont(toQFont(spec.font));
    build(controls);
    if (place_ == FormPlace::ScreenCentre) centreOnScreen();
}

QtForm::~QtForm() {
    toolkit_.forget(this);
    if (loop_) loop_->exit(0);
    // The widgets go first: what they send while they go (focus, leave) still finds its control.
    delete window_.data();
    timers_.clear();
    controls_.clear();
}

QtForm* QtForm::of(const QWidget* widget) {
    if (!widget) return nullptr;
    auto* window = dynamic_cast<Window*>(widget->window());
    return window ? &window->form_ : nullptr;
}

void QtForm::build(std::span<const ControlSpec> specs) {
    for (const ControlSpec& spec : specs) {
        if (find(spec.name))
            throw std::logic_error(std::string("two controls named ") + spec.name + " in " + name_);
        QWidget* parent = window_;
        if (*spec.parent) {
            const auto it = std::find_if(controls_.begin(), controls_.end(), [&](const auto& c) {
                return c->control().name() == spec.parent;
            });
            if (it == controls_.end())
                throw std::logic_error(std::string("no container ") + spec.parent + " before " +
                                       spec.name + " in " + name_);
            parent = (*it)->childHost();
        }
        std::unique_ptr<QtControlBase> control = makeControl(*this, spec, parent);
        byWidget_.insert(control->widget(), control.get());
        QtControlBase* made = control.get();
        controls_.push_back(std::move(control));
        made->start(spec);
        if ((spec.flags & kDefault) && !defaultButton_) defaultButton_ = made;
        if ((spec.flags & kCancel) && !cancelButton_) cancelButton_ = made;
    }
}

std::string QtForm::caption() const {
    return fromQString(window_->windowTitle());
}

void QtForm::setCaption(std::string_view caption) {
    window_->setWindowTitle(toQString(caption));
}

Size QtForm::clientSize() const {
    return {window_->width(), window_->height()};
}

Point QtForm::position() const {
    const QPoint p = window_->frameGeometry().topLeft();
    return {p.x(), p.y()};
}

void QtForm::move(Point topLeft) {
    window_->move(topLeft.x, topLeft.y);
}

Point QtForm::toScreen(Point client) const {
    const QPoint p = window_->mapToGlobal(QPoint(client.x, client.y));
    return {p.x(), p.y()};
}

void QtForm::setColour(std::optional<Colour> colour) {
    colour_ = colour;
    setWindowColour(window_, colour);
    for (const auto& c : controls_) c->refreshColours();
}

FormStyle QtForm::style() const {
    const Qt::WindowFlags flags = window_->windowFlags();
    if (flags & Qt::FramelessWindowHint) return FormStyle::Borderless;
    if (flags & Qt::WindowMinimizeButtonHint) return FormStyle::Window;
    if (flags & Qt::WindowCloseButtonHint) return FormStyle::Dialog;
    return FormStyle::CaptionOnly;
}

void QtForm::fitMask() {
    // Qt has no colour key; a mask cut from what the window draws comes nearest (it needs no
    // compositing manager, and the mouse passes through where it is cut, as with a colour key).
    if (!seeThrough_ || !window_) return;
    const QColor key = toQColor(*seeThrough_);
    QImage drawn(window_->size(), QImage::Format_RGB32);
    drawn.fill(key);
    window_->render(&drawn, QPoint(), QRegion(),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
    const QRegion kept(QBitmap::fromImage(drawn.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
    if (kept != window_->mask()) window_->setMask(kept);
}

void QtForm::place() {
    switch (place_) {
        case FormPlace::ScreenCentre:
            centreOnScreen();
            break;
        case FormPlace::OwnerCentre:
            if (QtForm* main = toolkit_.mainForm(); main && main != this)
                centreOver(*main);
            else
                centreOnScreen();
            break;
        case FormPlace::AsPlaced:
            break;
    }
}

void QtForm::show() {
    if (window_->isVisible()) {
        window_->raise();
    } else {
        result_ = kResultNone;
        place();
        window_->show();  // a window shown comes up on top
        // Its frame is known once it is up: a window placed for the user stays on the screen,
        // frame included.
        if (place_ != FormPlace::AsPlaced) moveOnScreen(window_->pos());
    }
    activateNow();
}

void QtForm::hide() {
    window_->hide();
}

bool QtForm::visible() const {
    return window_->isVisible();
}

bool QtForm::active() const {
    return window_->isActiveWindow();
}

void QtForm::activate() {
    window_->raise();
    activateNow();
}

void QtForm::activateNow() {
    window_->activateWindow();
    // The offscreen platform of the tests keeps a window it hid as its focus window and never
    // activates it again when it is shown: the application is told directly.
    if (QGuiApplication::platformName() == QLatin1String("offscreen") && window_->isVisible() &&
        !window_->isActiveWindow())
        QApplication::setActiveWindow(window_);
}

int QtForm::showModal() {
    if (loop_) return kResultNone;  // already shown modally
    // The window that was active is active again afterwards, as when a system dialog closes:
    // the keys go back to it.
    const QPointer<QWidget> before = QApplication::activeWindow();
    if (window_->isVisible()) window_->hide();
    window_->setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    loop_ = &loop;
    // onShow may have ended the showing already.
    if (window_->isVisible()) loop.exec(QEventLoop::DialogExec);
    loop_ = nullptr;
    if (window_->isVisible()) window_->hide();
    window_->setWindowModality(Qt::NonModal);
    if (QtForm* owner = before ? of(before) : nullptr;
        owner && owner != this && before->isVisible())
        owner->activateNow();
    if (result_ == kResultNone) result_ = kResultCancel;
    return result_;
}

void QtForm::endModal(int result) {
    result_ = result;
    if (result != kResultNone) window_->hide();
}

void QtForm::buttonEnded(int modalResult) {
    if (modalResult != kResultNone) endModal(modalResult);
}

bool QtForm::closeQuery() {
    return !onCloseQuery || onCloseQuery();
}

void QtForm::closed() {
    if (onClose) onClose();
    if (result_ == kResultNone) result_ = kResultCancel;
}

void QtForm::close() {
    if (!closeQuery()) return;
    closed();
    window_->hide();
}

void QtForm::windowShown() {
    if (onShow) onShow();
}

void QtForm::windowHidden() {
    if (loop_) loop_->exit(0);
}

void QtForm::centreOnScreen() {
    const QScreen* screen =
        window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    moveOnScreen(area.center() - QPoint(window_->width() / 2, window_->height() / 2));
}

void QtForm::centreOver(const Form& other) {
    const auto* over = dynamic_cast<const QtForm*>(&other);
    if (!over || over == this) return centreOnScreen();
    const QRect frame = over->window_->frameGeometry();
    moveOnScreen(frame.center() - QPoint(window_->width() / 2, window_->height() / 2));
}

void QtForm::moveOnScreen(QPoint topLeft) {
    const QScreen* screen =
        window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    if (!screen) return window_->move(topLeft);
    const QRect area = screen->availableGeometry();
    const QSize size = window_->frameGeometry().size();
    const Point p = keptInside({topLeft.x(), topLeft.y()}, {size.width(), size.height()},
                               {area.x(), area.y(), area.width(), area.height()});
    window_->move(p.x, p.y);
}

void QtForm::repaint() {
    window_->repaint();
}

Control* QtForm::find(std::string_view name) const {
    for (const auto& c : controls_)
        if (c->control().name() == name) return &c->control();
    return nullptr;
}

std::vector<Control*> QtForm::controls() const {
    std::vector<Control*> out;
    out.reserve(controls_.size());
    for (const auto& c : controls_) out.push_back(&c->control());
    return out;
}

QtControlBase* QtForm::controlOf(const QWidget* widget) const {
    for (const QWidget* w = widget; w && w != window_; w = w->parentWidget())
        if (QtControlBase* c = byWidget_.value(w)) return c;
    return nullptr;
}

Control* QtForm::focusedControl() const {
    QtControlBase* c = controlOf(window_->focusWidget());
    return c ? &c->control() : nullptr;
}

Timer& QtForm::addTimer(const std::string& name, int intervalMs) {
    return timers_.add(std::make_unique<QtTimer>(name, intervalMs), name_);
}

Timer* QtForm::findTimer(std::string_view name) const {
    return timers_.find(name);
}

void QtForm::pressKey(const KeyPress& key) {
    QWidget* target = window_->focusWidget() ? window_->focusWidget() : window_.data();
    const auto press = toQKeyEvent(key, QEvent::KeyPress);
    QApplication::sendEvent(target, press.get());
    const auto release = toQKeyEvent(key, QEvent::KeyRelease);
    if (QPointer<QWidget> alive = target) QApplication::sendEvent(alive, release.get());
}

bool QtForm::previewKey(QWidget* receiver, const QKeyEvent& event) {
    const KeyPress key = toKeyPress(event);
    if (key.key == 0) return false;
    if (onKey && onKey(key)) return true;
    if (QtControlBase* c = controlOf(receiver); c && c->control().onKey && c->control().onKey(key))
        return true;
    if (key.ctrl || key.alt || editingInView(receiver)) return false;
    if (key.key == kKeyEscape) {
        if (cancelButton_ && cancelButton_->control().visible()) {
            cancelButton_->clickIfEnabled();
            return true;
        }
        if (loop_) {
            endModal(kResultCancel);
            return true;
        }
    }
    if (key.key == kKeyReturn && defaultButton_ && defaultButton_->control().visible()) {
        // A focused push button presses itself; a memo takes the line break.
        if (qobject_cast<QPushButton*>(receiver)) return false;
        for (const QWidget* w = receiver; w; w = w->parentWidget())
            if (qobject_cast<const QPlainTextEdit*>(w)) return false;
        defaultButton_->clickIfEnabled();
        return true;
    }
    return false;
}

}  // namespace plevo::ui::qt
