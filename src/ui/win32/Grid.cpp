#include "ui/win32/Grid.h"

#include <algorithm>
#include <cstdlib>

#include "ui/win32/Text.h"
#include "ui/win32/Win32Toolkit.h"

namespace plevo::ui::win32 {

void Win32Grid::build(const ControlSpec& spec) {
    const DWORD exStyle = spec.flags & kNoBorder ? 0 : WS_EX_CLIENTEDGE;
    editable_ = !(spec.flags & kReadOnly);
    createWindow(kGridClass, WS_VSCROLL | WS_TABSTOP | WS_CLIPCHILDREN, exStyle, true, spec);
    RECT client;
    GetClientRect(hwnd_, &client);
    widths_ = {client.right / 2, client.right - client.right / 2};
    editor_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, hwnd_, nullptr,
                              toolkit().instance(), nullptr);
    if (editor_) {
        SendMessageA(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(hfont()), FALSE);
        editorHandler_.original = attach(editor_, &editorHandler_);
    }
    updateScrollBar();
}

void Win32Grid::release() {
    if (editor_) detach(editor_, editorHandler_.original);
    editor_ = nullptr;
    NativeControl::release();
}

LRESULT Win32Grid::EditorHandler::handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_LBUTTONDBLCLK || (msg == WM_LBUTTONDOWN && grid_.secondClick(lParam, hwnd))) {
        grid_.endEditing(true);
        grid_.doubleClicked();
        return 0;
    }
    return CallWindowProcA(original, hwnd, msg, wParam, lParam);
}

bool Win32Grid::secondClick(LPARAM clientPoint, HWND on) const {
    if (!editedByClick_) return false;
    POINT at{static_cast<short>(LOWORD(clientPoint)), static_cast<short>(HIWORD(clientPoint))};
    ClientToScreen(on, &at);
    const auto elapsed = static_cast<DWORD>(GetMessageTime() - editClickTime_);
    return elapsed <= GetDoubleClickTime() &&
           std::abs(at.x - editClickAt_.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
           std::abs(at.y - editClickAt_.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

int Win32Grid::rowHeight() const {
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, hfont());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    return metrics.tmHeight + scaled(6);
}

int Win32Grid::shownRows() const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return std::max(1, static_cast<int>(client.bottom) / rowHeight() - 1);
}

RECT Win32Grid::cellRect(int column, int row) const {
    const int h = rowHeight();
    const int y = row == 0 ? 0 : (row - top_ + 1) * h;
    const int x = column == 0 ? 0 : widths_[0];
    return {x, y, x + widths_[static_cast<std::size_t>(column)], y + h};
}

void Win32Grid::setRowCount(int rows) {
    rows = std::max(1, rows);
    if (editing_ && row_ >= rows) endEditing(true);
    cells_.resize(static_cast<std::size_t>(rows));
    // As in a grid of the system, some cell is the current one while there are rows.
    row_ = rows < 2 ? 0 : std::clamp(row_, 1, rows - 1);
    top_ = std::clamp(top_, 1, std::max(1, rows - 1));
    updateScrollBar();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

std::string Win32Grid::cell(int column, int row) const {
    if (column < 0 || column > 1 || row < 0 || row >= rowCount()) return {};
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void Win32Grid::setCell(int column, int row, std::string_view text) {
    if (column < 0 || column > 1 || row < 0 || row >= rowCount()) return;
    cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    if (editing_ && row == row_ && column == column_)
        SetWindowTextA(editor_, boxText(text).c_str());
    const RECT r = cellRect(column, row);
    InvalidateRect(hwnd_, &r, TRUE);
}

int Win32Grid::columnWidth(int column) const {
    if (column != 0 && column != 1) return 0;
    return toolkit().scale().toLayer(widths_[static_cast<std::size_t>(column)]);
}

void Win32Grid::setColumnWidth(int column, int width) {
    if (column != 0 && column != 1) return;
    widths_[static_cast<std::size_t>(column)] = std::max(0, scaled(width));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Grid::setCurrent(int column, int row) {
    if (rowCount() < 2) return;
    if (editing_) endEditing(true);
    column_ = std::clamp(column, 0, 1);
    row_ = std::clamp(row, 1, rowCount() - 1);
    // The current row is always in sight.
    if (row_ < top_)
        scrollTo(row_);
    else if (row_ >= top_ + shownRows())
        scrollTo(row_ - shownRows() + 1);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Grid::setEditable(bool editable) {
    if (!editable && editing_) endEditing(true);
    editable_ = editable;
}

void Win32Grid::setColumnReadOnly(int column, bool readOnly) {
    if (column < 0 || column > 1) return;
    if (readOnly && editing_ && column == column_) endEditing(true);
    readOnlyColumns_[static_cast<std::size_t>(column)] = readOnly;
}

void Win32Grid::setTopRow(int row) {
    scrollTo(row);
}

void Win32Grid::scrollTo(int top) {
    const int most = std::max(1, rowCount() - shownRows());
    top_ = std::clamp(top, 1, most);
    if (editing_) endEditing(true);
    updateScrollBar();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Grid::updateScrollBar() {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 1;
    info.nMax = std::max(1, rowCount() - 1);
    info.nPage = static_cast<UINT>(shownRows());
    info.nPos = top_;
    SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
}

void Win32Grid::startEditing(const std::string* typed) {
    if (!editable_ || !editor_ || rowCount() < 2 || editing_) return;
    if (column_ >= 0 && column_ <= 1 && readOnlyColumns_[static_cast<std::size_t>(column_)]) return;
    editing_ = true;
    editedByClick_ = false;
    RECT r = cellRect(column_, row_);
    InflateRect(&r, -1, -1);
    // Typing on a cell replaces its text, as in a spreadsheet; Enter or a click edits it.
    const std::string start = typed ? *typed : cell(column_, row_);
    SetWindowTextA(editor_, boxText(start).c_str());
    MoveWindow(editor_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    ShowWindow(editor_, SW_SHOW);
    if (GetFocus() == hwnd_) SetFocus(editor_);
    const auto end = static_cast<WPARAM>(start.size());
    if (typed)
        SendMessageA(editor_, EM_SETSEL, end, static_cast<LPARAM>(end));
    else
        SendMessageA(editor_, EM_SETSEL, 0, -1);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Grid::endEditing(bool keep) {
    if (!editing_) return;
    editing_ = false;
    const bool hadFocus = GetFocus() == editor_;
    ShowWindow(editor_, SW_HIDE);
    if (hadFocus) SetFocus(hwnd_);
    InvalidateRect(hwnd_, nullptr, TRUE);
    if (!keep) return;
    const int length = GetWindowTextLengthA(editor_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(std::max(0, GetWindowTextA(editor_, text.data(), length + 1))));
    std::string& now = cells_[static_cast<std::size_t>(row_)][static_cast<std::size_t>(column_)];
    if (text == boxText(now)) return;
    now = text;
    toolkit().invoke(onChange);
}

bool Win32Grid::keyAction(const KeyPress& key) {
    if (key.ctrl || key.alt) return false;
    if (editing_) {
        switch (key.key) {
            case kKeyReturn:
                endEditing(true);
                return true;
            case kKeyEscape:
                endEditing(false);
                return true;
            case kKeyUp:
            case kKeyDown:
                endEditing(true);
                break;
            default:
                // Everything else is the edit box's.
                return false;
        }
    }
    int column = column_;
    int row = row_;
    switch (key.key) {
        case kKeyReturn:
            if (!editable_) return false;
            startEditing(nullptr);
            return true;
        case kKeyLeft:
            column = 0;
            break;
        case kKeyRight:
            column = 1;
            break;
        case kKeyUp:
            --row;
            break;
        case kKeyDown:
            ++row;
            break;
        case kKeyPageUp:
            row -= shownRows();
            break;
        case kKeyPageDown:
            row += shownRows();
            break;
        case kKeyHome:
            row = 1;
            break;
        case kKeyEnd:
            row = rowCount() - 1;
            break;
        default:
            return false;
    }
    setCurrent(column, row);
    return true;
}

LRESULT Win32Grid::message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint(hwnd);
            return 0;
        case WM_SIZE:
            if (hwnd_) updateScrollBar();
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_LBUTTONDOWN: {
            SetFocus(hwnd);
            const int x = static_cast<short>(LOWORD(lParam));
            const int y = static_cast<short>(HIWORD(lParam));
            const int h = rowHeight();
            const int row = y / h == 0 ? 0 : top_ + y / h - 1;
            const int column = x < widths_[0] ? 0 : x < widths_[0] + widths_[1] ? 1 : -1;
            if (row >= 1 && row < rowCount() && column >= 0) {
                if (row == row_ && column == column_ && editable_) {
                    startEditing(nullptr);
                    editedByClick_ = editing_;
                    editClickTime_ = GetMessageTime();
                    editClickAt_ = {x, y};
                    ClientToScreen(hwnd, &editClickAt_);
                } else
                    setCurrent(column, row);
            }
            return 0;
        }
        case WM_CHAR: {
            const char c = static_cast<char>(wParam);
            if (editing_) return SendMessageA(editor_, WM_CHAR, wParam, lParam);
            if (editable_ && static_cast<unsigned char>(c) >= 0x20) {
                const std::string typed(1, c);
                startEditing(&typed);
            }
            return 0;
        }
        case WM_COMMAND:
            // The edit box lost the focus to another window: the cell takes its text.
            if (reinterpret_cast<HWND>(lParam) == editor_ && editor_ &&
                HIWORD(wParam) == EN_KILLFOCUS && GetFocus() != hwnd)
                endEditing(true);
            return 0;
        case WM_CTLCOLOREDIT: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, textColour());
            SetBkColor(dc, background());
            return reinterpret_cast<LRESULT>(backgroundBrush());
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_SETFONT:
            if (editor_) SendMessageA(editor_, WM_SETFONT, wParam, lParam);
            if (hwnd_) updateScrollBar();
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_VSCROLL: {
            int top = top_;
            switch (LOWORD(wParam)) {
                case SB_LINEUP:
                    --top;
                    break;
                case SB_LINEDOWN:
                    ++top;
                    break;
                case SB_PAGEUP:
                    top -= shownRows();
                    break;
                case SB_PAGEDOWN:
                    top += shownRows();
                    break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION:
                    top = HIWORD(wParam);
                    break;
                case SB_TOP:
                    top = 1;
                    break;
                case SB_BOTTOM:
                    top = rowCount();
                    break;
                default:
                    break;
            }
            scrollTo(top);
            return 0;
        }
        case WM_MOUSEWHEEL:
            scrollTo(top_ - static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA * 3);
            return 0;
        default:
            return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

void Win32Grid::paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, backgroundBrush());
    HGDIOBJ oldFont = SelectObject(dc, hfont());
    SetBkMode(dc, TRANSPARENT);
    HPEN lines = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
    HGDIOBJ oldPen = SelectObject(dc, lines);
    const auto drawRow = [&](int row) {
        for (int column = 0; column < 2; ++column) {
            const RECT r = cellRect(column, row);
            // Disabled, the grid refuses input; its rows are still there to be read.
            COLORREF text = textColour();
            if (row == 0) {
                RECT title = r;
                FillRect(dc, &title, GetSysColorBrush(COLOR_BTNFACE));
                DrawEdge(dc, &title, BDR_RAISEDINNER, BF_RECT);
                text = GetSysColor(COLOR_BTNTEXT);
            } else {
                if (row == row_ && column == column_ && !editing_) {
                    FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
                    text = GetSysColor(COLOR_HIGHLIGHTTEXT);
                }
                MoveToEx(dc, r.left, r.bottom - 1, nullptr);
                LineTo(dc, r.right - 1, r.bottom - 1);
                LineTo(dc, r.right - 1, r.top - 1);
            }
            const std::string shown = boxText(cell(column, row));
            RECT inside = r;
            InflateRect(&inside, -3, 0);
            SetTextColor(dc, text);
            DrawTextA(dc, shown.c_str(), static_cast<int>(shown.size()), &inside,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
    };
    drawRow(0);
    const int last = std::min(rowCount() - 1, top_ + shownRows());
    for (int row = top_; row <= last; ++row) drawRow(row);
    SelectObject(dc, oldPen);
    DeleteObject(lines);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

}  // namespace plevo::ui::win32
