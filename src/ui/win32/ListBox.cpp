#include "ui/win32/ListBox.h"

#include <algorithm>

#include "ui/win32/Text.h"

namespace plevo::ui::win32 {

std::string sortKey(const std::string& line) {
    if (line.empty()) return {};
    const DWORD how = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int length = static_cast<int>(line.size());
    const int size = LCMapStringA(LOCALE_USER_DEFAULT, how, line.data(), length, nullptr, 0);
    std::string key(static_cast<std::size_t>(std::max(size, 0)), '\0');
    if (size > 0) LCMapStringA(LOCALE_USER_DEFAULT, how, line.data(), length, key.data(), size);
    return key;
}

void sortLines(std::vector<std::string>& lines) {
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) keys.emplace_back(sortKey(lines[i]), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> sorted;
    sorted.reserve(lines.size());
    for (const auto& k : keys) sorted.push_back(std::move(lines[k.second]));
    lines = std::move(sorted);
}

void Win32ListBox::build(const ControlSpec& spec) {
    const DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP;
    createWindow("LISTBOX", style, spec.flags & kNoBorder ? 0 : WS_EX_CLIENTEDGE, false, spec);
    sorted_ = (spec.flags & kSorted) != 0;
    setCaption(spec.caption);
}

void Win32ListBox::setCaption(std::string_view caption) {
    if (caption.empty()) return;
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = caption.find('\n', start)) != std::string_view::npos;) {
        lines.emplace_back(caption.substr(start, end - start));
        start = end + 1;
    }
    lines.emplace_back(caption.substr(start));
    addLines(lines);
}

void Win32ListBox::setSorted(bool sorted) {
    sorted_ = sorted;
    if (!sorted_) return;
    const std::vector<std::string> before = lines_;
    sortLines(lines_);
    if (lines_ != before) refill();
}

void Win32ListBox::addLines(const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    const auto old = static_cast<std::ptrdiff_t>(lines_.size());
    lines_.insert(lines_.end(), lines.begin(), lines.end());
    if (sorted_) {
        // Old lines first, then the new ones, each after its equals: the order adding them one
        // by one to a sorted box gives.
        sortLines(lines_);
        refill();
        return;
    }
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    for (auto it = lines_.begin() + old; it != lines_.end(); ++it)
        SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(boxText(*it).c_str()));
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32ListBox::fitWidth() {
    // The scroll bar reaches the end of the longest line (by bytes: measuring them all would cost
    // more than a refill).
    const auto longest =
        std::max_element(lines_.begin(), lines_.end(),
                         [](const auto& a, const auto& b) { return a.size() < b.size(); });
    int width = 0;
    if (longest != lines_.end()) {
        HDC dc = GetDC(hwnd_);
        HGDIOBJ old = SelectObject(dc, hfont());
        SIZE size{};
        const std::string shown = boxText(*longest) + "WW";
        GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
        width = size.cx;
    }
    SendMessageA(hwnd_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width), 0);
}

void Win32ListBox::refill() {
    const int row = currentRow();
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
    std::size_t bytes = 0;
    for (const std::string& line : lines_) bytes += line.size() + 1;
    SendMessageA(hwnd_, LB_INITSTORAGE, lines_.size(), static_cast<LPARAM>(bytes));
    for (const std::string& line : lines_)
        SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(boxText(line).c_str()));
    if (row >= 0 && row < lineCount())
        SendMessageA(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    fitWidth();
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32ListBox::clearLines() {
    lines_.clear();
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
    fitWidth();
}

int Win32ListBox::currentRow() const {
    const auto row = SendMessageA(hwnd_, LB_GETCURSEL, 0, 0);
    return row == LB_ERR ? -1 : static_cast<int>(row);
}

void Win32ListBox::setCurrentRow(int row) {
    SendMessageA(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

}  // namespace plevo::ui::win32
