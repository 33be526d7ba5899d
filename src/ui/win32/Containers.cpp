#include "ui/win32/Containers.h"

#include <algorithm>
#include <string>

#include "ui/win32/Form.h"
#include "ui/win32/Toolkit.h"

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

}  // namespace

// Panels ---------------------------------------------------------------------------------------

void Win32Panel::build(const ControlSpec& spec) {
    createWindow(kPanelClass, WS_CLIPCHILDREN, 0, true, spec);
}

LRESULT Win32Panel::message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
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
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    EndPaint(hwnd, &ps);
}

// Group boxes ----------------------------------------------------------------------------------

void Win32GroupBox::build(const ControlSpec& spec) {
    createWindow(kPanelClass, WS_CLIPCHILDREN, 0, true, spec);
}

LRESULT Win32GroupBox::message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
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
        RECT caption{8, 0, r.right - 8, metrics.tmHeight};
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &caption,
                  DT_SINGLELINE | DT_LEFT | DT_TOP | DT_CALCRECT);
        caption.right = std::min(caption.right + 4, r.right - 6);
        caption.left -= 2;
        FillRect(dc, &caption, background);
        caption.left += 2;
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &caption,
                  DT_SINGLELINE | DT_LEFT | DT_TOP | DT_END_ELLIPSIS);
    }
    EndPaint(hwnd, &ps);
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
    createWindow(kPanelClass, WS_VSCROLL | WS_CLIPCHILDREN, exStyle, true, spec);
    content_ = std::make_unique<Content>(*this);
    RECT client;
    GetClientRect(hwnd_, &client);
    contentSize_ = {client.right, client.bottom};
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

int Win32ScrollBox::clientHeight() const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return client.bottom;
}

void Win32ScrollBox::setContentSize(Size size) {
    contentSize_ = size;
    layout();
}

void Win32ScrollBox::setScrollY(int y) {
    const int most = std::max(0, contentSize_.h - clientHeight());
    scrollY_ = std::clamp(y, 0, most);
    layout();
}

void Win32ScrollBox::layout() {
    if (!hwnd_ || !content_) return;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = std::max(0, contentSize_.h - 1);
    info.nPage = static_cast<UINT>(std::max(0, clientHeight()));
    // The bar comes and goes with the need for it, which changes the client area: read it after.
    SetScrollInfo(hwnd_, SB_VERT, &info, FALSE);
    RECT rect;
    GetClientRect(hwnd_, &rect);
    const Size client{rect.right, rect.bottom};
    scrollY_ = std::clamp(scrollY_, 0, std::max(0, contentSize_.h - client.h));
    info.fMask = SIF_POS;
    info.nPos = scrollY_;
    SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
    SetWindowPos(content_->hwnd(), nullptr, 0, -scrollY_, std::max(contentSize_.w, client.w),
                 std::max(contentSize_.h, client.h), SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Win32ScrollBox::message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (containerMessage(hwnd, msg, result)) return result;
    switch (msg) {
        case WM_VSCROLL: {
            const int page = clientHeight();
            const int line = 16;
            int y = scrollY_;
            switch (LOWORD(wParam)) {
                case SB_LINEUP:
                    y -= line;
                    break;
                case SB_LINEDOWN:
                    y += line;
                    break;
                case SB_PAGEUP:
                    y -= page;
                    break;
                case SB_PAGEDOWN:
                    y += page;
                    break;
                case SB_TOP:
                    y = 0;
                    break;
                case SB_BOTTOM:
                    y = contentSize_.h;
                    break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION: {
                    SCROLLINFO info{};
                    info.cbSize = sizeof(info);
                    info.fMask = SIF_TRACKPOS;
                    GetScrollInfo(hwnd, SB_VERT, &info);
                    y = info.nTrackPos;
                    break;
                }
                default:
                    break;
            }
            setScrollY(y);
            return 0;
        }
        case WM_MOUSEWHEEL:
            setScrollY(scrollY_ - static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA * 48);
            return 0;
        case WM_SIZE:
            if (content_ && content_->hwnd()) layout();
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
