#include "ui/win32/Edits.h"

#include <algorithm>

#include "ui/win32/Text.h"
#include "ui/win32/Win32Toolkit.h"

namespace plevo::ui::win32 {
namespace {

// The box takes as much text as memory allows, not the 32 K a box starts with.
constexpr WPARAM kNoLimit = 0x7ffffffe;

bool isSelectAll(const KeyPress& key) {
    return key.key == 'A' && key.ctrl && !key.alt && !key.shift;
}

}  // namespace

void TextBox::setBoxText(HWND hwnd, const std::string& text) {
    quiet(true);
    SetWindowTextA(hwnd, text.c_str());
    quiet(false);
}

bool TextBox::readOnly(HWND hwnd) const {
    return (GetWindowLongA(hwnd, GWL_STYLE) & ES_READONLY) != 0;
}

bool TextBox::typeInto(HWND hwnd, const std::string& text) {
    if (readOnly(hwnd) || !box_.reallyEnabled()) return false;
    SendMessageA(hwnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    return true;
}

// One-line boxes -------------------------------------------------------------------------------

Win32Edit::Win32Edit(Win32Form& form, const ControlSpec& spec, NativeControl* parent)
    : ControlImpl<Edit>(form, spec, parent), TextBox(static_cast<NativeControl&>(*this)) {}

void Win32Edit::build(const ControlSpec& spec) {
    DWORD style = ES_AUTOHSCROLL | WS_TABSTOP;
    if (spec.flags & kReadOnly) style |= ES_READONLY;
    if (spec.flags & kCentre) style |= ES_CENTER;
    if (spec.flags & kRight) style |= ES_RIGHT;
    if (spec.flags & kNoHideSel) style |= ES_NOHIDESEL;
    createWindow("EDIT", style, spec.flags & kNoBorder ? 0 : WS_EX_CLIENTEDGE, false, spec);
    SendMessageA(hwnd_, EM_SETLIMITTEXT, kNoLimit, 0);
}

void Win32Edit::setCaption(std::string_view caption) {
    const std::string text = boxText(caption);
    if (text == windowText()) return;
    setBoxText(hwnd_, text);
    toolkit().invoke(onChange);
    toolkit().rethrowPending();
}

void Win32Edit::selectAll() {
    SendMessageA(hwnd_, EM_SETSEL, 0, -1);
}

void Win32Edit::select(int start, int length) {
    SendMessageA(hwnd_, EM_SETSEL, static_cast<WPARAM>(start), start + std::max(0, length));
}

std::string Win32Edit::selectedText() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const std::string all = windowText();
    if (end <= start || start >= all.size()) return {};
    return all.substr(start, end - start);
}

void Win32Edit::setReadOnly(bool readOnly) {
    SendMessageA(hwnd_, EM_SETREADONLY, readOnly, 0);
}

void Win32Edit::type(std::string_view text) {
    // One line: what a line break would end is all the box takes.
    const std::string line = boxText(text.substr(0, text.find_first_of("\r\n")));
    typeInto(hwnd_, line);
    toolkit().rethrowPending();
}

void Win32Edit::command(WORD code) {
    if (code == EN_CHANGE && userChange()) toolkit().invoke(onChange);
}

bool Win32Edit::keyAction(const KeyPress& key) {
    if (!isSelectAll(key)) return false;
    selectAll();
    return true;
}

// Multi-line boxes -----------------------------------------------------------------------------

Win32Memo::Win32Memo(Win32Form& form, const ControlSpec& spec, NativeControl* parent)
    : ControlImpl<Memo>(form, spec, parent), TextBox(static_cast<NativeControl&>(*this)) {}

void Win32Memo::build(const ControlSpec& spec) {
    // No wrapping: ES_AUTOHSCROLL keeps every line whole, with or without a scroll bar.
    DWORD style =
        ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL | WS_TABSTOP;
    if (spec.flags & kVScroll) style |= WS_VSCROLL;
    if (spec.flags & kHScroll) style |= WS_HSCROLL;
    if (spec.flags & kReadOnly) style |= ES_READONLY;
    createWindow("EDIT", style, spec.flags & kNoBorder ? 0 : WS_EX_CLIENTEDGE, false, spec);
    SendMessageA(hwnd_, EM_SETLIMITTEXT, kNoLimit, 0);
    bool endsWithBreak = false;
    const std::vector<std::string> start = splitLines(spec.caption, &endsWithBreak);
    setBoxText(hwnd_, joinBoxLines(start, endsWithBreak));
}

const Win32Memo::Mirror& Win32Memo::mirror() const {
    if (!mirror_.known) {
        const std::string all = text();
        mirror_.lines = boxLines(all);
        mirror_.finalBreak = all.size() >= 2 && all.compare(all.size() - 2, 2, "\r\n") == 0;
        mirror_.known = true;
    }
    return mirror_;
}

void Win32Memo::mirrorAs(std::vector<std::string> lines, bool finalBreak) {
    for (std::string& line : lines)
        for (char& c : line)
            if (c == '\0') c = kNulShownAs;
    mirror_.finalBreak = finalBreak && !lines.empty();
    mirror_.lines = std::move(lines);
    mirror_.known = true;
}

int Win32Memo::lineCount() const {
    return static_cast<int>(mirror().lines.size());
}

std::string Win32Memo::line(int index) const {
    const Mirror& m = mirror();
    if (index < 0 || index >= static_cast<int>(m.lines.size())) return {};
    return m.lines[static_cast<std::size_t>(index)];
}

std::vector<std::string> Win32Memo::lines() const {
    return mirror().lines;
}

std::string Win32Memo::text() const {
    return windowText();
}

void Win32Memo::changed() {
    toolkit().invoke(onChange);
    toolkit().rethrowPending();
}

void Win32Memo::setText(std::string_view text) {
    bool endsWithBreak = false;
    std::vector<std::string> lines = splitLines(text, &endsWithBreak);
    setBoxText(hwnd_, joinBoxLines(lines, endsWithBreak));
    mirrorAs(std::move(lines), endsWithBreak);
    changed();
}

void Win32Memo::setLines(const std::vector<std::string>& lines) {
    setBoxText(hwnd_, joinBoxLines(lines, true));
    mirrorAs(lines, true);
    changed();
}

void Win32Memo::replaceRange(int from, int to, const std::string& with) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    // Moves the user's selection along with the text before it.
    const auto shifted = [&](DWORD at) {
        const int delta = static_cast<int>(with.size()) - (to - from);
        if (static_cast<int>(at) >= to) return static_cast<DWORD>(static_cast<int>(at) + delta);
        if (static_cast<int>(at) > from) return static_cast<DWORD>(from);
        return at;
    };
    SendMessageA(hwnd_, EM_SETSEL, static_cast<WPARAM>(from), to);
    quiet(true);
    SendMessageA(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(with.c_str()));
    quiet(false);
    SendMessageA(hwnd_, EM_SETSEL, shifted(start), static_cast<LPARAM>(shifted(end)));
}

void Win32Memo::replaceLine(int index, std::string_view text) {
    const Mirror& m = mirror();
    if (index < 0 || index >= static_cast<int>(m.lines.size())) return;
    const auto start = SendMessageA(hwnd_, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
    const auto length = static_cast<LRESULT>(m.lines[static_cast<std::size_t>(index)].size());
    const std::string shown = boxText(text);
    replaceRange(static_cast<int>(start), static_cast<int>(start + length), shown);
    // A line break in the new text makes lines of it: the box knows them.
    if (shown.find_first_of("\r\n") == std::string::npos)
        mirror_.lines[static_cast<std::size_t>(index)] = shown;
    else
        mirror_.known = false;
    changed();
}

void Win32Memo::appendLine(std::string_view text) {
    const Mirror& m = mirror();
    const int end = GetWindowTextLengthA(hwnd_);
    const bool lastHasText = !m.lines.empty() && !m.finalBreak;
    std::string add = lastHasText ? "\r\n" : "";
    const std::string shown = boxText(text);
    add += shown;
    add += "\r\n";
    replaceRange(end, end, add);
    if (shown.find_first_of("\r\n") == std::string::npos) {
        mirror_.lines.push_back(shown);
        mirror_.finalBreak = true;
    } else {
        mirror_.known = false;
    }
    changed();
}

void Win32Memo::clearLines() {
    setBoxText(hwnd_, std::string());
    mirrorAs({}, false);
    changed();
}

bool Win32Memo::isEmpty() const {
    return GetWindowTextLengthA(hwnd_) == 0;
}

void Win32Memo::select(int index, int column, int length) {
    const auto start = SendMessageA(hwnd_, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
    if (start < 0) return;
    const auto from = static_cast<WPARAM>(start + column);
    SendMessageA(hwnd_, EM_SETSEL, from, static_cast<LPARAM>(from + static_cast<WPARAM>(length)));
    SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0);
}

void Win32Memo::clearSelection() {
    SendMessageA(hwnd_, EM_SETSEL, 0, 0);
    SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0);
}

std::string Win32Memo::selectedText() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    if (end <= start) return {};
    const std::string all = text();
    if (start >= all.size()) return {};
    return all.substr(start, end - start);
}

TextSelection Win32Memo::selection() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const auto line = SendMessageA(hwnd_, EM_LINEFROMCHAR, start, 0);
    const auto lineStart = SendMessageA(hwnd_, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    return {.line = static_cast<int>(line),
            .column = static_cast<int>(start) - static_cast<int>(lineStart),
            .length = end > start ? static_cast<int>(end - start) : 0};
}

void Win32Memo::setReadOnly(bool readOnly) {
    SendMessageA(hwnd_, EM_SETREADONLY, readOnly, 0);
}

void Win32Memo::scrollToTop() {
    SendMessageA(hwnd_, WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
    SendMessageA(hwnd_, WM_HSCROLL, MAKEWPARAM(SB_LEFT, 0), 0);
}

void Win32Memo::type(std::string_view text) {
    mirror_.known = false;
    bool endsWithBreak = false;
    const std::vector<std::string> lines = splitLines(text, &endsWithBreak);
    typeInto(hwnd_, joinBoxLines(lines, endsWithBreak));
    toolkit().rethrowPending();
}

void Win32Memo::command(WORD code) {
    if (code != EN_CHANGE || !userChange()) return;
    // The user changed the text: the lines are read from the box again.
    mirror_.known = false;
    toolkit().invoke(onChange);
}

bool Win32Memo::keyAction(const KeyPress& key) {
    if (!isSelectAll(key)) return false;
    SendMessageA(hwnd_, EM_SETSEL, 0, -1);
    return true;
}

}  // namespace plevo::ui::win32
