#pragma once
// The two-column grid: a window of the backend's own class with a fixed title row, a current
// cell, a vertical scroll bar and, unless it is read-only, an edit box laid over the current cell
// while the user types. The cell takes the typed text when the editing ends (Enter, another cell,
// the focus elsewhere); Esc drops it. onChange runs when a cell has taken a changed text.

#include <array>
#include <string>
#include <vector>

#include "ui/win32/NativeControl.h"

namespace plevo::ui::win32 {

class Win32Grid final : public ControlImpl<Grid> {
public:
    using ControlImpl<Grid>::ControlImpl;
    void build(const ControlSpec& spec) override;
    void release() override;
    bool takesFocus() const override { return true; }
    bool keyAction(const KeyPress& key) override;

    int rowCount() const override { return static_cast<int>(cells_.size()); }
    void setRowCount(int rows) override;
    std::string cell(int column, int row) const override;
    void setCell(int column, int row, std::string_view text) override;
    int columnWidth(int column) const override;
    void setColumnWidth(int column, int width) override;
    int currentRow() const override { return row_; }
    int currentColumn() const override { return column_; }
    void setCurrent(int column, int row) override;
    void setEditable(bool editable) override;
    void setColumnReadOnly(int column, bool readOnly) override;
    void setTopRow(int row) override;
    // Where cell (column, row) lies in the client area, as it is drawn (the tests' mouse aims
    // there).
    RECT cellRect(int column, int row) const;

protected:
    LRESULT message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool clicksOnMouseUp() const override { return true; }
    bool showsParentColours() const override { return false; }
    COLORREF systemBackground() const override { return GetSysColor(COLOR_WINDOW); }

private:
    void paint(HWND hwnd);
    int rowHeight() const;
    int shownRows() const;
    void scrollTo(int top);
    void updateScrollBar();
    void startEditing(const std::string* typed);
    void endEditing(bool keep);

    // The title row only, at first.
    std::vector<std::array<std::string, 2>> cells_ = std::vector<std::array<std::string, 2>>(1);
    // In the screen's pixels.
    std::array<int, 2> widths_{64, 64};
    int column_ = 0;
    int row_ = 0;
    int top_ = 1;
    bool editable_ = true;
    std::array<bool, 2> readOnlyColumns_{false, false};
    HWND editor_ = nullptr;
    bool editing_ = false;
    // When and where (on the screen) the click that opened the editor was made: the system
    // makes no double click of two clicks on two windows, so the grid tells it itself.
    LONG editClickTime_ = 0;
    POINT editClickAt_{};
    bool editedByClick_ = false;
    bool secondClick(LPARAM clientPoint, HWND on) const;

    // The cell editor's messages: a click on the current cell starts editing, so the second
    // click of a double click lands on the editor, as a click of its own; it ends the editing
    // and is the grid's double click.
    class EditorHandler final : public WindowHandler {
    public:
        explicit EditorHandler(Win32Grid& grid) : grid_(grid) {}
        LRESULT handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
        WNDPROC original = nullptr;

    private:
        Win32Grid& grid_;
    };
    EditorHandler editorHandler_{*this};
};

}  // namespace plevo::ui::win32
