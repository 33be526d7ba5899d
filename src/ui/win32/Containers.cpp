#include "ui/win32/Containers.h"

#include <algorithm>
#include <string>

#include "ui/win32/Buttons.h"
#include "ui/win32/Win32Form.h"
#include "ui/win32/Win32Toolkit.h"

namespace plevo::ui::win32 {
namespace {

// Paints with the control's font and text colour (grey while disabled), then puts things back.
class TextPainter {
public:
    TextPainter(HDC dc, HFONT font, COLORREF colour, bool enabled)
        : dc_(dc), old_(SelectObject(dc, font)) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, enabled ? colour : GetSysColor(COLOR_GRAYTEXT));
    }
    ~TextPainter() { SelectObject(dc_, old_); }
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Messages every container answers alike; true when `msg` was one of them.
bool containerMessage(HWND hwnd, UINT msg, LRESULT& result) {
    switch (msg) {
        case WM_ERASEBKGND:
            // WM_PAINT paints everything, the background included.
            result = 1;
            return true;
        case WM_LBUTTONDOWN:
            // The release belongs to the container even when it happens outside.
            SetCapture(hwnd);
            return false;
        case WM_LBUTTONUP:
            if (GetCapture() == hwnd) ReleaseCapture();
            return false;
        default:
            return false;
    }
}

LRESULT repaintAfter(HWND hwnd, LRESULT result) {
    InvalidateRect(hwnd, nullptr, TRUE);
    return result;
}

// A panel or group box, which paints its caption and state itself: a change of either repaints
// it.
template <class Paint>
LRESULT paintedContainerMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, Paint paint) {
    LRESULT result = 0;
    if (containerMessage(hwnd, msg, result)) return result;
    switch (msg) {
        case WM_PAINT:
            paint(hwnd);
            return 0;
        case WM_SETTEXT:
        case WM_SETFONT:
        case WM_ENABLE:
            return repaintAfter(hwnd, DefWindowProcA(hwnd, msg, wParam, lParam));
        default:
            return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

// Panels ---------------------------------------------------------------------------------------

void Win32Panel::build(const ControlSpec& spec) {
    createWindow(kPanelClass, WS_CLIPCHILDREN, 0, true, spec);
}

LRESULT Win32Panel::message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return paintedContainerMessage(hwnd, msg, wParam, lParam, [this](HWND h) { paint(h); });
}

void Win32Panel::paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, backgroundBrush());
    if (!(flags_ & kNoBorder))
        DrawEdge(dc, &r, flags_ & kSunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    const std::string text = windowText();
    if (!text.empty()) {
        TextPainter painter(dc, hfont(), textColour(), IsWindowEnabled(hwnd));
        // Kept off the bevel; a caption to the right leaves room on the left (for a picture).
        RECT inside = r;
        InflateRect(&inside, -scaled(kPanelBevel / 2), 0);
        const UINT across = (flags_ & kRight) ? DT_RIGHT : DT_CENTER;
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &inside,
                  across | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    EndPaint(hwnd, &ps);
}

// Group boxes ----------------------------------------------------------------------------------

void Win32GroupBox::build(const ControlSpec& spec) {
    createWindow(kPanelClass, WS_CLIPCHILDREN, 0, true, spec);
}

LRESULT Win32GroupBox::message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return paintedContainerMessage(hwnd, msg, wParam, lParam, [this](HWND h) { paint(h); });
}

void Win32GroupBox::paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    HBRUSH background = backgroundBrush();
    FillRect(dc, &r, background);
    const std::string text = windowText();
    TextPainter painter(dc, hfont(), textColour(), IsWindowEnabled(hwnd));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    // The frame runs through the middle of the caption's line, as the system's group box does.
    RECT frame = r;
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!text.empty()) {
        const int inset = scaled(kGroupCaptionInset);
        RECT caption{inset + 2, 0, r.right - inset, metrics.tmHeight};
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &caption,
                  DT_SINGLELINE | DT_LEFT | DT_TOP | DT_CALCRECT);
        caption.right = std::min<LONG>(caption.right + 2, r.right - 2);
        caption.left -= 2;
        FillRect(dc, &caption, background);
        caption.left += 2;
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &caption,
                  DT_SINGLELINE | DT_LEFT | DT_TOP | DT_END_ELLIPSIS);
    }
    EndPaint(hwnd, &ps);
}

std::string Win32GroupBox::measuredCaption() const {
    return withoutMnemonics(windowText());
}

// Scroll boxes ---------------------------------------------------------------------------------

// The window the scroll box's controls live in, moved up and down under the scroll bar.
class Win32ScrollBox::Content final : public WindowHandler {
public:
    Content(Win32ScrollBox& box) : box_(box) {}

    void create(HWND parent, Size size) {
        hwnd_ = CreateWindowExA(0, kPanelClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                size.w, size.h, parent, nullptr, box_.toolkit().instance(),
                                static_cast<WindowHandler*>(this));
    }
    void release() {
        if (hwnd_) SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
    }
    HWND hwnd() const { return hwnd_; }

    LRESULT handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_ERASEBKGND) {
            RECT r;
            GetClientRect(hwnd, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, box_.backgroundBrush());
            return 1;
        }
        LRESULT result = 0;
        if (reflectToChild(box_.toolkit(), msg, wParam, lParam, result)) return result;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }

private:
    Win32ScrollBox& box_;
    HWND hwnd_ = nullptr;
};

Win32ScrollBox::Win32ScrollBox(Win32Form& form, const ControlSpec& spec, NativeControl* parent)
    : ControlImpl<ScrollBox>(form, spec, parent), contentSize_{spec.at.w, spec.at.h} {}

Win32ScrollBox::~Win32ScrollBox() {
    Win32ScrollBox::release();
}

void Win32ScrollBox::build(const ControlSpec& spec) {
    const DWORD exStyle = spec.flags & kNoBorder ? 0 : WS_EX_CLIENTEDGE;
    const DWORD bars = spec.flags & kNoHScroll ? WS_VSCROLL : WS_VSCROLL | WS_HSCROLL;
    createWindow(kPanelClass, bars | WS_CLIPCHILDREN, exStyle, true, spec);
    content_ = std::make_unique<Content>(*this);
    contentSize_ = clientSize();
    content_->create(hwnd_, contentSize_);
    layout();
}

void Win32ScrollBox::release() {
    if (content_) content_->release();
    NativeControl::release();
}

HWND Win32ScrollBox::childHost() const {
    return content_ ? content_->hwnd() : nullptr;
}

Size Win32ScrollBox::clientSize() const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return {client.right, client.bottom};
}

void Win32ScrollBox::setContentSize(Size size) {
    contentSize_ = toolkit().scale().toScreen(size);
    layout();
}

int Win32ScrollBox::scrollY() const {
    return toolkit().scale().toLayer(scrollY_);
}

void Win32ScrollBox::setScrollY(int y) {
    scrollY_ = scaled(y);
    layout();
}

void Win32ScrollBox::layout() {
    if (!hwnd_ || !content_ || !content_->hwnd()) return;
    // A bar that comes or goes changes the room for the other: twice settles both.
    Size client;
    for (int round = 0; round < 2; ++round) {
        client = clientSize();
        for (const int bar : {SB_VERT, SB_HORZ}) {
            const bool vertical = bar == SB_VERT;
            if (!vertical && (flags_ & kNoHScroll)) continue;
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_RANGE | SIF_PAGE;
            if (flags_ & (vertical ? kVScroll : kHScroll)) info.fMask |= SIF_DISABLENOSCROLL;
            info.nMax = std::max(0, (vertical ? contentSize_.h : contentSize_.w) - 1);
            info.nPage = static_cast<UINT>(std::max(0, vertical ? client.h : client.w));
            SetScrollInfo(hwnd_, bar, &info, FALSE);
        }
    }
    const bool across = !(flags_ & kNoHScroll);
    scrollX_ = across ? std::clamp(scrollX_, 0, std::max(0, contentSize_.w - client.w)) : 0;
    scrollY_ = std::clamp(scrollY_, 0, std::max(0, contentSize_.h - client.h));
    if (across) SetScrollPos(hwnd_, SB_HORZ, scrollX_, TRUE);
    SetScrollPos(hwnd_, SB_VERT, scrollY_, TRUE);
    SetWindowPos(content_->hwnd(), nullptr, -scrollX_, -scrollY_,
                 std::max(contentSize_.w, client.w), std::max(contentSize_.h, client.h),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32ScrollBox::scrollBy(int bar, WPARAM how) {
    const bool vertical = bar == SB_VERT;
    const Size client = clientSize();
    const int page = vertical ? client.h : client.w;
    const int line = scaled(16);
    int& at = vertical ? scrollY_ : scrollX_;
    switch (LOWORD(how)) {
        case SB_LINEUP:
            at -= line;
            break;
        case SB_LINEDOWN:
            at += line;
            break;
        case SB_PAGEUP:
            at -= page;
            break;
        case SB_PAGEDOWN:
            at += page;
            break;
        case SB_TOP:
            at = 0;
            break;
        case SB_BOTTOM:
            at = vertical ? contentSize_.h : contentSize_.w;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(hwnd_, bar, &info);
            at = info.nTrackPos;
            break;
        }
        default:
            break;
    }
    layout();
}

LRESULT Win32ScrollBox::message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (containerMessage(hwnd, msg, result)) return result;
    switch (msg) {
        case WM_VSCROLL:
            scrollBy(SB_VERT, wParam);
            return 0;
        case WM_HSCROLL:
            scrollBy(SB_HORZ, wParam);
            return 0;
        case WM_MOUSEWHEEL:
            scrollY_ -= static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA * scaled(48);
            layout();
            return 0;
        case WM_SIZE:
            layout();
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            FillRect(dc, &ps.rcPaint, backgroundBrush());
            EndPaint(hwnd, &ps);
            return 0;
        }
        default:
            return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace plevo::ui::win32
