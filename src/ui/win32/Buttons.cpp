#include "ui/win32/Buttons.h"

#include "ui/win32/Win32Form.h"
#include "ui/win32/Win32Toolkit.h"

namespace plevo::ui::win32 {
namespace {

// What the button's parent receives from the button's own click.
void sendClicked(HWND button) {
    SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

bool isDark(COLORREF c) {
    return GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114 < 80 * 1000;
}

// WM_CTLCOLORSTATIC of a check box or radio button.
bool colourMarked(const NativeControl& control, std::optional<Colour> own, WPARAM wParam,
                  LRESULT& result) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, markedTextColour(control, own));
    SetBkColor(dc, control.background());
    result = reinterpret_cast<LRESULT>(control.backgroundBrush());
    return true;
}

}  // namespace

bool isPressMessage(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            return true;
        default:
            return false;
    }
}

bool trackPress(HWND hwnd, UINT msg, LPARAM lParam, bool& tracking) {
    // What the system's button does with the mouse, without its SetFocus: the control that has
    // the focus keeps it, and its exit handler does not run.
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    RECT client;
    GetClientRect(hwnd, &client);
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            tracking = true;
            SetCapture(hwnd);
            SendMessageA(hwnd, BM_SETSTATE, TRUE, 0);
            break;
        case WM_MOUSEMOVE:
            if (tracking) SendMessageA(hwnd, BM_SETSTATE, PtInRect(&client, at), 0);
            break;
        case WM_LBUTTONUP:
            if (!tracking) break;
            tracking = false;
            ReleaseCapture();
            SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
            return PtInRect(&client, at) != FALSE;
        case WM_CAPTURECHANGED:
            if (tracking) SendMessageA(hwnd, BM_SETSTATE, FALSE, 0);
            tracking = false;
            break;
        default:
            break;
    }
    return false;
}

std::string withoutMnemonics(const std::string& caption) {
    std::string out;
    out.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
}

COLORREF markedTextColour(const NativeControl& control, std::optional<Colour> own) {
    if (own) return colorRef(*own);
    if (isDark(control.background())) return RGB(0xff, 0xff, 0xff);
    return control.textColour();
}

Win32Button::Win32Button(Win32Form& form, const ControlSpec& spec, NativeControl* parent)
    : ControlImpl<Button>(form, spec, parent), modalResult_(spec.modalResult) {}

void Win32Button::build(const ControlSpec& spec) {
    const DWORD style = (spec.flags & kDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP;
    createWindow("BUTTON", style, 0, false, spec);
}

LRESULT Win32Button::message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if ((flags_ & kNoFocus) && isPressMessage(msg)) {
        if (trackPress(hwnd, msg, lParam, tracking_)) sendClicked(hwnd);
        return 0;
    }
    return callDefault(hwnd, msg, wParam, lParam);
}

void Win32Button::performClick() {
    sendClicked(hwnd_);
    toolkit().rethrowPending();
}

void Win32Button::command(WORD code) {
    if (code == BN_CLICKED) clicked();
}

void Win32Button::clicked() {
    NativeControl::clicked();
    // A button with a modal result ends its window's showing after its handler.
    if (modalResult_ != kResultNone) form_.endModal(modalResult_);
}

template <class I>
void Win32Checkable<I>::build(const ControlSpec& spec) {
    DWORD style = BS_AUTOCHECKBOX | WS_TABSTOP;
    if (spec.kind == Kind::ToggleButton)
        style |= BS_PUSHLIKE;
    else if (spec.flags & kWordWrap)
        style |= BS_MULTILINE | BS_TOP;  // the caption wraps from the top, beside the mark
    this->createWindow("BUTTON", style, 0, false, spec);
    if (spec.flags & kChecked) setChecked(true);
}

template <class I>
LRESULT Win32Checkable<I>::message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if ((this->flags_ & kNoFocus) && isPressMessage(msg)) {
        // The state turns as BS_AUTOCHECKBOX turns it on the release.
        if (trackPress(hwnd, msg, lParam, tracking_)) {
            setChecked(!checked());
            sendClicked(hwnd);
        }
        return 0;
    }
    return this->callDefault(hwnd, msg, wParam, lParam);
}

template <class I>
int Win32Checkable<I>::captionRoom() const {
    if (this->kind_ == Kind::ToggleButton) return this->width() - this->scaled(kBevelRoom);
    return (this->flags_ & kWordWrap) ? -1 : this->width() - this->scaled(kMarkRoom);
}

template <class I>
bool Win32Checkable<I>::reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_CTLCOLORSTATIC && this->kind_ == Kind::CheckBox)
        return colourMarked(*this, this->fontColour_, wParam, result);
    return NativeControl::reflected(msg, wParam, lParam, result);
}

template <class I>
bool Win32Checkable<I>::checked() const {
    return SendMessageA(this->hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

template <class I>
void Win32Checkable<I>::setChecked(bool checked) {
    SendMessageA(this->hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

template <class I>
void Win32Checkable<I>::performClick() {
    // What BS_AUTOCHECKBOX does on a click: the state turns, then the parent hears of it.
    setChecked(!checked());
    sendClicked(this->hwnd_);
    this->toolkit().rethrowPending();
}

template <class I>
void Win32Checkable<I>::command(WORD code) {
    if (code == BN_CLICKED) this->clicked();
}

template class Win32Checkable<CheckBox>;
template class Win32Checkable<ToggleButton>;

Win32RadioButton::Win32RadioButton(Win32Form& form, const ControlSpec& spec, NativeControl* parent)
    : ControlImpl<RadioButton>(form, spec, parent) {}

void Win32RadioButton::build(const ControlSpec& spec) {
    // Not BS_AUTORADIOBUTTON: the system groups radio buttons by WS_GROUP, the layer by parent.
    createWindow("BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0, false, spec);
    if (spec.flags & kChecked) setChecked(true);
}

bool Win32RadioButton::checked() const {
    return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32RadioButton::setChecked(bool checked) {
    SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (checked) uncheckSiblings();
}

void Win32RadioButton::uncheckSiblings() {
    for (Control* c : form_.controls()) {
        auto* other = dynamic_cast<Win32RadioButton*>(c);
        if (other && other != this && other->container() == parent_ && other->checked())
            SendMessageA(other->hwnd(), BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

bool Win32RadioButton::reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_CTLCOLORSTATIC) return colourMarked(*this, fontColour_, wParam, result);
    return NativeControl::reflected(msg, wParam, lParam, result);
}

void Win32RadioButton::performClick() {
    sendClicked(hwnd_);
    toolkit().rethrowPending();
}

void Win32RadioButton::command(WORD code) {
    if (code != BN_CLICKED) return;
    setChecked(true);
    clicked();
}

}  // namespace plevo::ui::win32
