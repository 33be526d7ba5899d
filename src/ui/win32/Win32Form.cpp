#include "ui/win32/Win32Form.h"

#include <algorithm>
#include <stdexcept>

#include "ui/win32/ControlFactory.h"
#include "ui/win32/NativeControl.h"
#include "ui/win32/Text.h"
#include "ui/win32/Win32Timer.h"
#include "ui/win32/Win32Toolkit.h"

namespace plevo::ui::win32 {
namespace {

DWORD styleOf(FormStyle style) {
    switch (style) {
        case FormStyle::Window:
            // A fixed frame: no sizing border, no maximise button.
            return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
        case FormStyle::Dialog:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
        case FormStyle::CaptionOnly:
            // Without the system menu the caption bar has no buttons.
            return WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
        case FormStyle::Borderless:
            break;
    }
    return WS_POPUP | WS_CLIPCHILDREN;
}

DWORD exStyleOf(const FormSpec& spec) {
    DWORD ex = spec.style == FormStyle::Dialog ? WS_EX_DLGMODALFRAME : 0;
    // A layered window with a colour key: the system leaves out every pixel of that colour
    // (Windows 2000 and later).
    if (spec.seeThrough) ex |= WS_EX_LAYERED;
    return ex;
}

}  // namespace

Win32Form::Win32Form(Win32Toolkit& toolkit, const FormSpec& spec,
                     std::span<const ControlSpec> controls)
    : toolkit_(toolkit),
      name_(spec.name),
      place_(spec.place),
      font_(Fonts::formFont(spec.font)),
      colour_(spec.colour) {
    font_.face = toolkit_.fonts().intern(font_.face);
    const DWORD style = styleOf(spec.style);
    const DWORD exStyle = exStyleOf(spec);
    // The table's sizes are those of a 96-dot screen; the controls scale theirs alike.
    const Size client = toolkit_.scale().toScreen(spec.client);
    RECT frame{0, 0, client.w, client.h};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const Rect area = toolkit_.workArea();
    const int w = frame.right - frame.left;
    const int h = frame.bottom - frame.top;
    hwnd_ = CreateWindowExA(exStyle, kFormClass, boxText(spec.caption).c_str(), style,
                            area.x + (area.w - w) / 2, area.y + (area.h - h) / 2, w, h, nullptr,
                            nullptr, toolkit_.instance(), static_cast<WindowHandler*>(this));
    if (!hwnd_) throw std::runtime_error("the window " + name_ + " could not be made");
    if (spec.seeThrough)
        SetLayeredWindowAttributes(hwnd_, colorRef(*spec.seeThrough), 0, LWA_COLORKEY);
    toolkit_.addForm(this);
    try {
        for (const ControlSpec& c : controls) {
            NativeControl* parent = nullptr;
            if (c.parent && *c.parent) {
                parent = native(c.parent);
                if (!parent || !parent->childHost())
                    throw std::logic_error(std::string("control ") + c.name + " of " + name_ +
                                           ": no container " + c.parent + " before it");
            }
            if (native(c.name))
                throw std::logic_error(std::string("control ") + c.name + " of " + name_ +
                                       " is in the table twice");
            controls_.push_back(makeControl(*this, c, parent));
        }
    } catch (...) {
        destroy();
        throw;
    }
}

Win32Form::~Win32Form() {
    destroy();
}

void Win32Form::destroy() {
    if (!hwnd_) return;
    toolkit_.removeForm(this);
    timers_.clear();
    for (auto& c : controls_) c->release();
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    controls_.clear();
}

NativeControl* Win32Form::native(std::string_view name) const {
    for (const auto& c : controls_)
        if (c->controlName() == name) return c.get();
    return nullptr;
}

std::string Win32Form::caption() const {
    const int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(std::max(0, GetWindowTextA(hwnd_, text.data(), length + 1))));
    return text;
}

void Win32Form::setCaption(std::string_view caption) {
    SetWindowTextA(hwnd_, boxText(caption).c_str());
}

Size Win32Form::clientSize() const {
    RECT r;
    GetClientRect(hwnd_, &r);
    return toolkit_.scale().toLayer(Size{r.right - r.left, r.bottom - r.top});
}

Point Win32Form::position() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    return toolkit_.scale().toLayer(Point{r.left, r.top});
}

void Win32Form::move(Point topLeft) {
    moveTo(toolkit_.scale().toScreen(topLeft));
}

void Win32Form::moveTo(Point topLeft) {
    SetWindowPos(hwnd_, nullptr, topLeft.x, topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Point Win32Form::toScreen(Point client) const {
    const Point at = toolkit_.scale().toScreen(client);
    POINT p{at.x, at.y};
    ClientToScreen(hwnd_, &p);
    return toolkit_.scale().toLayer(Point{p.x, p.y});
}

FormStyle Win32Form::style() const {
    const LONG s = GetWindowLongA(hwnd_, GWL_STYLE);
    if ((s & WS_CAPTION) != WS_CAPTION) return FormStyle::Borderless;
    if (s & WS_MINIMIZEBOX) return FormStyle::Window;
    if (s & WS_SYSMENU) return FormStyle::Dialog;
    return FormStyle::CaptionOnly;
}

std::optional<Colour> Win32Form::seeThrough() const {
    COLORREF key = 0;
    DWORD flags = 0;
    if (!(GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_LAYERED) ||
        !GetLayeredWindowAttributes(hwnd_, &key, nullptr, &flags) || !(flags & LWA_COLORKEY))
        return std::nullopt;
    return Colour{GetRValue(key), GetGValue(key), GetBValue(key)};
}

COLORREF Win32Form::background() const {
    return colour_ ? colorRef(*colour_) : GetSysColor(COLOR_BTNFACE);
}

void Win32Form::setColour(std::optional<Colour> colour) {
    colour_ = colour;
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND Win32Form::tooltip() {
    if (!tooltip_) {
        tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                   toolkit_.instance(), nullptr);
        // Hints of several lines break where their text does.
        if (tooltip_) SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, toolkit_.scale().toScreen(480));
    }
    return tooltip_;
}

void Win32Form::place() {
    switch (place_) {
        case FormPlace::ScreenCentre:
            centreOnScreen();
            break;
        case FormPlace::OwnerCentre: {
            Win32Form* main = toolkit_.mainForm();
            if (main && main != this)
                centreOver(*main);
            else
                centreOnScreen();
            break;
        }
        case FormPlace::AsPlaced:
            break;
    }
}

void Win32Form::show() {
    if (IsWindowVisible(hwnd_)) {
        SetForegroundWindow(hwnd_);
        BringWindowToTop(hwnd_);
    } else {
        modalResult_ = kResultNone;
        place();
        ShowWindow(hwnd_, SW_SHOW);
        SetForegroundWindow(hwnd_);
    }
    UpdateWindow(hwnd_);
    toolkit_.rethrowPending();
}

void Win32Form::hide() {
    ShowWindow(hwnd_, SW_HIDE);
    toolkit_.rethrowPending();
}

bool Win32Form::visible() const {
    return IsWindowVisible(hwnd_) != FALSE;
}

bool Win32Form::active() const {
    return GetActiveWindow() == hwnd_;
}

void Win32Form::activate() {
    if (!IsWindowVisible(hwnd_)) return;
    // On top of the program's other windows too, as the user's click on it would bring it.
    BringWindowToTop(hwnd_);
    SetForegroundWindow(hwnd_);
    SetActiveWindow(hwnd_);
    toolkit_.rethrowPending();
}

int Win32Form::showModal() {
    if (modal_) return kResultNone;  // shown modally already
    if (IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
    // Ends the showing whatever way the loop is left: the other windows are enabled again
    // before this one hides, so that the one that was active becomes active again.
    struct Ending {
        Win32Form& form;
        Win32Toolkit::ModalScope scope;
        bool wasDisabled;
        ~Ending() {
            scope.restore();
            ShowWindow(form.hwnd_, SW_HIDE);
            if (wasDisabled) EnableWindow(form.hwnd_, FALSE);
            if (scope.owner() && IsWindowVisible(scope.owner())) SetActiveWindow(scope.owner());
            form.modal_ = false;
        }
    } ending{*this, Win32Toolkit::ModalScope(toolkit_, hwnd_), !IsWindowEnabled(hwnd_)};
    // A modal showing disables every other window, hidden ones too, so that none shown during it
    // takes input; a window shown modally from within that showing is the one that takes it now.
    if (ending.wasDisabled) EnableWindow(hwnd_, TRUE);
    modal_ = true;
    show();
    // The showing lasts while the window is on the screen: a button's result, endModal, Esc and
    // the close box all hide it.
    while (IsWindowVisible(hwnd_) && toolkit_.waitAndDispatch()) {
    }
    if (modalResult_ == kResultNone) modalResult_ = kResultCancel;
    return modalResult_;
}

void Win32Form::endModal(int result) {
    modalResult_ = result;
    if (result != kResultNone) ShowWindow(hwnd_, SW_HIDE);
}

bool Win32Form::closeQueried() {
    if (onCloseQuery && !toolkit_.invokeQuery(onCloseQuery, false)) return false;
    toolkit_.invoke(onClose);
    if (modalResult_ == kResultNone) modalResult_ = kResultCancel;
    ShowWindow(hwnd_, SW_HIDE);
    // As with the last window of a program: when no window is left on the screen, the loop ends.
    const auto& forms = toolkit_.forms();
    if (!modal_ && toolkit_.running() &&
        std::none_of(forms.begin(), forms.end(), [](Win32Form* f) { return f->visible(); }))
        toolkit_.quit();
    return true;
}

void Win32Form::close() {
    closeQueried();
    toolkit_.rethrowPending();
}

void Win32Form::centreOnScreen() {
    const Rect area = toolkit_.workArea();
    RECT r;
    GetWindowRect(hwnd_, &r);
    moveOnScreen(
        {area.x + (area.w - (r.right - r.left)) / 2, area.y + (area.h - (r.bottom - r.top)) / 2});
}

void Win32Form::centreOver(const Form& other) {
    const auto* over = dynamic_cast<const Win32Form*>(&other);
    if (!over) return centreOnScreen();
    RECT them;
    RECT me;
    GetWindowRect(over->hwnd_, &them);
    GetWindowRect(hwnd_, &me);
    moveOnScreen({(them.left + them.right - (me.right - me.left)) / 2,
                  (them.top + them.bottom - (me.bottom - me.top)) / 2});
}

void Win32Form::moveOnScreen(Point topLeft) {
    RECT r;
    GetWindowRect(hwnd_, &r);
    moveTo(keptInside(topLeft, {r.right - r.left, r.bottom - r.top}, toolkit_.workArea()));
}

void Win32Form::repaint() {
    RedrawWindow(hwnd_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

Control* Win32Form::find(std::string_view name) const {
    NativeControl* c = native(name);
    return c ? &c->control() : nullptr;
}

std::vector<Control*> Win32Form::controls() const {
    std::vector<Control*> out;
    out.reserve(controls_.size());
    for (const auto& c : controls_) out.push_back(&c->control());
    return out;
}

NativeControl* Win32Form::focusedNative() const {
    HWND focus = GetFocus();
    if (!focus || GetAncestor(focus, GA_ROOT) != hwnd_) focus = lastFocus_;
    NativeControl* c = focus ? toolkit_.controlOf(focus) : nullptr;
    return c && &c->owner() == this ? c : nullptr;
}

Control* Win32Form::focusedControl() const {
    NativeControl* c = focusedNative();
    return c ? &c->control() : nullptr;
}

Timer& Win32Form::addTimer(const std::string& name, int intervalMs) {
    return timers_.add(std::make_unique<Win32Timer>(toolkit_, name, intervalMs), name_);
}

Timer* Win32Form::findTimer(std::string_view name) const {
    return timers_.find(name);
}

void Win32Form::pressKey(const KeyPress& key) {
    keyTo(key, focusedNative());
}

void Win32Form::keyTo(const KeyPress& key, NativeControl* target) {
    if (!previewKey(key, target) && target) target->deliverKey(key);
    toolkit_.rethrowPending();
}

NativeControl* Win32Form::buttonWith(unsigned flag) const {
    for (const auto& c : controls_)
        if (c->kind() == Kind::Button && (c->flags() & flag)) return c.get();
    return nullptr;
}

bool Win32Form::previewKey(const KeyPress& key, NativeControl* target) {
    if (toolkit_.invokeKey(onKey, key)) return true;
    if (target && toolkit_.invokeKey(target->control().onKey, key)) return true;
    if (target && target->keyAction(key)) return true;
    if (key.ctrl || key.alt) return false;
    if (key.key == kKeyTab) {
        focusNext(target, key.shift);
        return true;
    }
    if (key.key == kKeyReturn) {
        // A focused button presses itself; a memo takes the line break.
        if (target && target->kind() == Kind::Button) {
            target->control().click();
            return true;
        }
        if (target && target->kind() == Kind::Memo) return false;
        NativeControl* button = buttonWith(kDefault);
        if (!button || !button->control().visible()) return false;
        button->control().click();
        return true;
    }
    if (key.key == kKeyEscape) {
        NativeControl* button = buttonWith(kCancel);
        if (button && button->control().visible()) {
            button->control().click();
            return true;
        }
        if (modal_) {
            endModal(kResultCancel);
            return true;
        }
    }
    return false;
}

void Win32Form::focusNext(NativeControl* from, bool backwards) {
    std::vector<NativeControl*> stops;
    for (const auto& c : controls_)
        if (c->takesFocus() && c->reallyVisible() && c->reallyEnabled()) stops.push_back(c.get());
    if (stops.empty()) return;
    auto at = std::find(stops.begin(), stops.end(), from);
    std::size_t next = 0;
    if (at == stops.end()) {
        next = backwards ? stops.size() - 1 : 0;
    } else {
        const std::size_t i = static_cast<std::size_t>(at - stops.begin());
        next = backwards ? (i + stops.size() - 1) % stops.size() : (i + 1) % stops.size();
    }
    SetFocus(stops[next]->hwnd());
}

bool Win32Form::focusControl() {
    if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) &&
        IsWindowEnabled(lastFocus_) && GetAncestor(lastFocus_, GA_ROOT) == hwnd_) {
        SetFocus(lastFocus_);
        return true;
    }
    for (const auto& c : controls_) {
        if (c->takesFocus() && c->reallyVisible() && c->reallyEnabled()) {
            SetFocus(c->hwnd());
            return true;
        }
    }
    return false;
}

LRESULT Win32Form::handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(hwnd, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, toolkit_.brush(background()));
            return 1;
        }
        case WM_CLOSE:
            closeQueried();
            return 0;
        case WM_SHOWWINDOW:
            if (wParam && lParam == 0) toolkit_.invoke(onShow);
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd, focus)) lastFocus_ = focus;
                break;
            }
            if (!HIWORD(wParam) && !focusControl()) SetFocus(hwnd);
            toolkit_.invoke(onActivate);
            return 0;
        case WM_SETFOCUS:
            // The window itself got the focus (a click on its background): a control takes it.
            if (hwnd_) focusControl();
            return 0;
        case WM_COMMAND:
            // Commands of no control (the system's IDOK and IDCANCEL) mean nothing here.
            if (lParam == 0) return 0;
            break;
        default:
            break;
    }
    LRESULT result = 0;
    if (reflectToChild(toolkit_, msg, wParam, lParam, result)) return result;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace plevo::ui::win32
