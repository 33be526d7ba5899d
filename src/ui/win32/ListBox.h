#pragma once
// The LISTBOX control. The box keeps a copy of its lines, so that lines() gives back every byte
// (a 0x00 is shown as a blank only). Sorting is ours, not LBS_SORT: ascending without regard to
// case in the user's collation (CompareStringA), equal lines in the order they came.

#include <string>
#include <vector>

#include "ui/win32/NativeControl.h"

namespace plevo::ui::win32 {

// The line's key in the user's collation without regard to case: keys compare (as unsigned bytes)
// as CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE) compares the lines, at a fraction of
// the cost of calling it for every comparison of a sort.
std::string sortKey(const std::string& line);
// The lines in ascending order of their keys, equal ones in the order they came.
void sortLines(std::vector<std::string>& lines);

class Win32ListBox final : public ControlImpl<ListBox> {
public:
    using ControlImpl<ListBox>::ControlImpl;
    void build(const ControlSpec& spec) override;
    bool takesFocus() const override { return true; }

    void setSorted(bool sorted) override;
    bool sorted() const override { return sorted_; }
    void addLines(const std::vector<std::string>& lines) override;
    std::vector<std::string> lines() const override { return lines_; }
    int lineCount() const override { return static_cast<int>(lines_.size()); }
    void clearLines() override;
    int currentRow() const override;
    void setCurrentRow(int row) override;
    // A list box's caption is its table's start lines, one per line of it ("\n"); the box shows
    // no caption of its own.
    std::string caption() const override { return {}; }
    void setCaption(std::string_view caption) override;

protected:
    bool clicksOnMouseUp() const override { return true; }
    bool showsParentColours() const override { return false; }
    COLORREF systemBackground() const override { return GetSysColor(COLOR_WINDOW); }

private:
    void refill();
    void fitWidth();

    std::vector<std::string> lines_;
    bool sorted_ = false;
};

}  // namespace plevo::ui::win32
