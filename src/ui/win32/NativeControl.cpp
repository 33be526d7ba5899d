#include "ui/win32/NativeControl.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "ui/CaptionFit.h"
#include "ui/win32/Text.h"
#include "ui/win32/Win32Form.h"
#include "ui/win32/Win32Toolkit.h"

namespace plevo::ui::win32 {
namespace {

// Child window identifiers; 1 and 2 (IDOK, IDCANCEL) stay free for the system's own use.
int nextId() {
    static int id = 0x100;
    if (++id > 0x7fff) id = 0x101;
    return id;
}

}  // namespace

NativeControl::NativeControl(Win32Form& form, const ControlSpec& spec, NativeControl* parent)
    : form_(form),
      parent_(parent),
      kind_(spec.kind),
      name_(spec.name),
      flags_(spec.flags),
      hint_(spec.hint),
      colour_(spec.colour),
      fontColour_(spec.fontColour),
      font_(spec.font) {
    font_.face = toolkit().fonts().intern(font_.face);
}

NativeControl::~NativeControl() {
    NativeControl::release();
}

void NativeControl::release() {
    if (!hwnd_) return;
    toolkit().removeControl(hwnd_);
    detach(hwnd_, original_);
    hwnd_ = nullptr;
}

Win32Toolkit& NativeControl::toolkit() const {
    return form_.toolkit();
}

Form& NativeControl::uiForm() const {
    return form_;
}

void NativeControl::createWindow(const char* className, DWORD style, DWORD exStyle, bool ownClass,
                                 const ControlSpec& spec) {
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (!(flags_ & kHidden)) style |= WS_VISIBLE;
    if (flags_ & kDisabled) style |= WS_DISABLED;
    HWND parentWindow = parent_ ? parent_->childHost() : form_.hwnd();
    if (!parentWindow)
        throw std::logic_error("control " + name_ + " of " + form_.name() +
                               ": its parent holds no controls");
    // Boxes of lines take their start lines themselves.
    const bool lines = kind_ == Kind::Memo || kind_ == Kind::ListBox;
    const std::string caption = lines ? std::string() : boxText(spec.caption);
    const Rect at = toolkit().scale().toScreen(spec.at);
    hwnd_ = CreateWindowExA(exStyle, className, caption.c_str(), style, at.x, at.y, at.w, at.h,
                            parentWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId())),
                            toolkit().instance(),
                            ownClass ? static_cast<WindowHandler*>(this) : nullptr);
    if (!hwnd_)
        throw std::runtime_error("control " + name_ + " of " + form_.name() +
                                 ": the window could not be made");
    if (!ownClass) original_ = attach(hwnd_, this);
    toolkit().addControl(hwnd_, this);
    // Later controls of the table lie over earlier ones.
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    applyFont();
    fitCaption();
    if (!hint_.empty()) changeHint(hint_);
}

COLORREF NativeControl::systemBackground() const {
    return GetSysColor(COLOR_BTNFACE);
}

COLORREF NativeControl::background() const {
    if (colour_) return colorRef(*colour_);
    if (showsParentColours()) return parent_ ? parent_->background() : form_.background();
    return systemBackground();
}

HBRUSH NativeControl::backgroundBrush() const {
    return toolkit().brush(background());
}

COLORREF NativeControl::textColour() const {
    if (fontColour_) return colorRef(*fontColour_);
    if (showsParentColours() && parent_) return parent_->textColour();
    return GetSysColor(COLOR_WINDOWTEXT);
}

Font NativeControl::effectiveFont() const {
    return Fonts::resolve(font_, parent_ ? parent_->effectiveFont() : form_.baseFont());
}

Font NativeControl::shownFont() const {
    Font f = effectiveFont();
    if (fittedPixels_ > 0) f.pixels = fittedPixels_;
    return f;
}

Font NativeControl::askedFont() const {
    Font f = font_;
    if (fittedPixels_ > 0) f.pixels = fittedPixels_;
    return f;
}

HFONT NativeControl::hfont() const {
    return toolkit().fonts().get(shownFont());
}

int NativeControl::width() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    return r.right - r.left;
}

namespace {

int textWidthIn(Fonts& fonts, const Font& font, const std::string& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, fonts.get(font));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

}  // namespace

void NativeControl::fitCaption(bool fontChanged) {
    if (!hwnd_) return;
    Fonts& fonts = toolkit().fonts();
    const std::string text = measuredCaption();
    const Font shown = effectiveFont();
    // In the layer's pixels, which the smaller font is named in.
    const int pixels = fittedCaptionPixels(captionRoom(), textWidthIn(fonts, shown, text),
                                           Fonts::layerPixelsOf(shown),
                                           captionFloorPixels(Scale::kLayerDpi), [&](int size) {
                                               Font smaller = shown;
                                               smaller.pixels = size;
                                               return textWidthIn(fonts, smaller, text);
                                           });
    if (pixels == fittedPixels_ && !fontChanged) return;
    fittedPixels_ = pixels;
    applyFont();
}

void NativeControl::applyFont() {
    if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(hfont()), TRUE);
}

void NativeControl::changeFont(const Font& font) {
    font_ = font;
    font_.face = toolkit().fonts().intern(font.face);
    fitCaption(true);
    // Controls inside take the container's font where they have none of their own.
    for (Control* c : form_.controls()) {
        auto* inner = dynamic_cast<NativeControl*>(c);
        for (NativeControl* up = inner ? inner->parent_ : nullptr; up; up = up->parent_) {
            if (up != this) continue;
            inner->applyFont();
            break;
        }
    }
}

bool NativeControl::reflected(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, textColour());
            SetBkColor(dc, background());
            if (flags_ & kTransparent) SetBkMode(dc, TRANSPARENT);
            result = reinterpret_cast<LRESULT>(backgroundBrush());
            return true;
        }
        case WM_COMMAND:
            command(HIWORD(wParam));
            result = 0;
            return true;
        default:
            return false;
    }
}

bool reflectToChild(Win32Toolkit& toolkit, UINT msg, WPARAM wParam, LPARAM lParam,
                    LRESULT& result) {
    HWND child = nullptr;
    switch (msg) {
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_HSCROLL:
        case WM_VSCROLL:
            child = reinterpret_cast<HWND>(lParam);
            break;
        case WM_NOTIFY:
            child = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
            break;
        default:
            return false;
    }
    NativeControl* control = child ? toolkit.controlOf(child, false) : nullptr;
    return control && control->reflected(msg, wParam, lParam, result);
}

LRESULT NativeControl::callDefault(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (original_) return CallWindowProcA(original_, hwnd, msg, wParam, lParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT NativeControl::message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return callDefault(hwnd, msg, wParam, lParam);
}

LRESULT NativeControl::handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hasTool_ && msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) {
        MSG relay{hwnd, msg, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
        SendMessageA(form_.tooltip(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relay));
    }
    switch (msg) {
        case kMsgClick:
            clicked();
            return 0;
        case kMsgDoubleClick:
            doubleClicked();
            return 0;
        case WM_MOUSEMOVE:
            if (!hovering_) {
                hovering_ = true;
                TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
                TrackMouseEvent(&track);
                toolkit().invoke(control().onMouseEnter);
            }
            break;
        case WM_MOUSELEAVE:
            hovering_ = false;
            toolkit().invoke(control().onMouseLeave);
            break;
        case WM_KILLFOCUS: {
            // The focus went elsewhere: into a part of this control (a grid's cell editor) does
            // not count.
            const HWND to = reinterpret_cast<HWND>(wParam);
            if (control().onExit && !(to && (to == hwnd_ || IsChild(hwnd_, to))))
                toolkit().invoke(control().onExit);
            break;
        }
        case WM_LBUTTONDOWN:
            pressed_ = true;
            break;
        case WM_LBUTTONUP: {
            const bool wasPressed = pressed_;
            pressed_ = false;
            const LRESULT r = message(hwnd, msg, wParam, lParam);
            if (wasPressed && clicksOnMouseUp()) {
                RECT client;
                GetClientRect(hwnd, &client);
                const POINT at{static_cast<short>(LOWORD(lParam)),
                               static_cast<short>(HIWORD(lParam))};
                if (PtInRect(&client, at)) clicked();
            }
            return r;
        }
        case WM_LBUTTONDBLCLK: {
            const LRESULT r = message(hwnd, msg, wParam, lParam);
            doubleClicked();
            return r;
        }
        default:
            break;
    }
    if (hwnd_ && hwnd == childHost()) {
        LRESULT r = 0;
        if (reflectToChild(toolkit(), msg, wParam, lParam, r)) return r;
    }
    return message(hwnd, msg, wParam, lParam);
}

void NativeControl::invalidate(bool children) const {
    if (!hwnd_) return;
    UINT how = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME;
    if (children) how |= RDW_ALLCHILDREN;
    RedrawWindow(hwnd_, nullptr, nullptr, how);
}

Rect NativeControl::rect() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return toolkit().scale().toLayer(toRect(r));
}

void NativeControl::place(const Rect& where) {
    const int before = width();
    const Rect at = toolkit().scale().toScreen(where);
    MoveWindow(hwnd_, at.x, at.y, at.w, at.h, TRUE);
    if (at.w != before) fitCaption();
}

int NativeControl::scaled(int layerPixels) const {
    return toolkit().scale().toScreen(layerPixels);
}

bool NativeControl::hasStyle(DWORD style) const {
    return (static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)) & style) != 0;
}

void NativeControl::show(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void NativeControl::enable(bool enabled) {
    EnableWindow(hwnd_, enabled);
    invalidate();
}

bool NativeControl::reallyVisible() const {
    for (const NativeControl* c = this; c; c = c->parent_)
        if (!c->hasStyle(WS_VISIBLE)) return false;
    return true;
}

bool NativeControl::reallyEnabled() const {
    for (const NativeControl* c = this; c; c = c->parent_)
        if (c->hasStyle(WS_DISABLED)) return false;
    return true;
}

std::string NativeControl::windowText() const {
    const int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

void NativeControl::setWindowText(std::string_view text) {
    SetWindowTextA(hwnd_, boxText(text).c_str());
    fitCaption();
}

void NativeControl::changeHint(std::string_view hint) {
    hint_ = hint;
    HWND tip = form_.tooltip();
    if (!tip || !hwnd_) return;
    std::string text = displayText(hint_);
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = GetParent(hwnd_);
    info.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    info.lpszText = text.data();
    if (hint_.empty()) {
        if (hasTool_) SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
        hasTool_ = false;
    } else if (hasTool_) {
        SendMessageA(tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    } else {
        hasTool_ = SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    }
}

void NativeControl::focus() {
    // A hidden window is not activated for it: the control gets the focus when it shows.
    form_.rememberFocus(hwnd_);
    if (form_.visible()) SetFocus(hwnd_);
}

bool NativeControl::hasFocus() const {
    HWND f = GetFocus();
    // In a window that is not active, the control that gets the focus when it is.
    if (!f || GetAncestor(f, GA_ROOT) != form_.hwnd()) f = form_.rememberedFocus();
    return f && (f == hwnd_ || IsChild(hwnd_, f));
}

void NativeControl::repaintNow() {
    RedrawWindow(hwnd_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void NativeControl::keyPress(const KeyPress& key) {
    form_.keyTo(key, this);
}

namespace {

// The character a key types, as the keyboard's translation would give it; 0 for none.
char typedCharacter(const KeyPress& key) {
    const int k = key.key;
    if (key.alt) return 0;
    if (k >= 'A' && k <= 'Z') {
        if (key.ctrl) return static_cast<char>(k - 'A' + 1);
        return static_cast<char>(key.shift ? k : k - 'A' + 'a');
    }
    if (key.ctrl) return 0;
    if (k >= '0' && k <= '9') return static_cast<char>(k);
    switch (k) {
        case kKeySpace:
            return ' ';
        case kKeyBack:
            return '\b';
        case kKeyReturn:
            return '\r';
        case kKeyTab:
            return '\t';
        case kKeyEscape:
            return '\x1b';
        default:
            return 0;
    }
}

}  // namespace

void NativeControl::deliverKey(const KeyPress& key) {
    const UINT down = key.alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    const UINT up = key.alt ? WM_SYSKEYUP : WM_KEYUP;
    const WPARAM vk = static_cast<WPARAM>(key.key);
    SendMessageA(hwnd_, down, vk, 1);
    if (const char c = typedCharacter(key))
        SendMessageA(hwnd_, WM_CHAR, static_cast<unsigned char>(c), 1);
    SendMessageA(hwnd_, up, vk, static_cast<LPARAM>(0xC0000001u));
}

void NativeControl::performClick() {
    SendMessageA(hwnd_, kMsgClick, 0, 0);
    toolkit().rethrowPending();
}

void NativeControl::performDoubleClick() {
    SendMessageA(hwnd_, kMsgDoubleClick, 0, 0);
    toolkit().rethrowPending();
}

void NativeControl::clicked() {
    toolkit().invoke(control().onClick);
}

void NativeControl::doubleClicked() {
    toolkit().invoke(control().onDoubleClick);
}

}  // namespace plevo::ui::win32
