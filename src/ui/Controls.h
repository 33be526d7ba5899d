#pragma once
// The control kinds the windows are made of, each an abstract class that the Qt and the Win32
// backends implement. Text is 8-bit bytes throughout: Latin-1 on Qt, the ANSI code page on Win32.
// Handlers are plain callables that the windows bind to their member functions; a programmatic
// click runs exactly what a user's click runs, and nothing while the control is disabled.

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Surface.h"
#include "ui/Types.h"

namespace plevo::ui {

class Form;

enum class Kind {
    Button,
    ToggleButton,
    Label,
    Picture,
    Panel,
    GroupBox,
    CheckBox,
    RadioButton,
    Edit,
    Memo,
    ListBox,
    Grid,
    ProgressBar,
    ScrollBox,
};

using Handler = std::function<void()>;
// Returns true when it took the key (the control then does not see it).
using KeyHandler = std::function<bool(const KeyPress&)>;

class Control {
public:
    virtual ~Control() = default;

    virtual const std::string& name() const = 0;
    virtual Kind kind() const = 0;
    virtual Form& form() const = 0;
    // The container it lies in (panel, group box, scroll box); nullptr on the window itself.
    virtual Control* parent() const = 0;

    // Position and size in the parent's client area.
    virtual Rect geometry() const = 0;
    virtual void setGeometry(const Rect& where) = 0;
    // The control's own visibility (true even while its window is hidden).
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    // The caption: the text of a button, label, panel, check box or group box; the contents of an
    // edit box. A one-line caption is never cut: wider than its control less a margin (4 pixels
    // for panels and buttons, 8 for group boxes, 20 for the mark of a check box or radio button),
    // it is shown in a smaller font, down to 6 points, which font() then gives (in pixels).
    virtual std::string caption() const = 0;
    virtual void setCaption(std::string_view caption) = 0;
    virtual std::string hint() const = 0;
    virtual void setHint(std::string_view hint) = 0;
    // Background and text colours; nullopt is the system's own.
    virtual std::optional<Colour> colour() const = 0;
    virtual void setColour(std::optional<Colour> colour) = 0;
    virtual std::optional<Colour> fontColour() const = 0;
    virtual void setFontColour(std::optional<Colour> colour) = 0;
    virtual Font font() const = 0;
    virtual void setFont(const Font& font) = 0;
    virtual void setFocus() = 0;
    virtual bool focused() const = 0;
    // Repaints now (a walk shows its progress without waiting for the event loop).
    virtual void repaint() = 0;

    // What a user does: a click (nothing while disabled), a key press (the window sees it first,
    // then the control) and typing text into a box.
    virtual void click() = 0;
    virtual void doubleClick() = 0;
    virtual void pressKey(const KeyPress& key) = 0;

    Handler onClick;
    Handler onDoubleClick;
    Handler onMouseEnter;
    Handler onMouseLeave;
    // The keyboard focus has left the control for one outside it (its own parts do not count).
    Handler onExit;
    KeyHandler onKey;
};

class Button : public Control {
public:
    // Enter on a focused button presses it, as Space does.
};

class ToggleButton : public Control {
public:
    virtual bool checked() const = 0;
    // Changes the state without running onClick.
    virtual void setChecked(bool checked) = 0;
};

class Label : public Control {};

class Panel : public Control {};

class GroupBox : public Control {};

class Picture : public Control {
public:
    // Shows `drawing`, stretched to the control's size.
    virtual void setDrawing(const Drawing& drawing) = 0;
    // The key of the drawing shown ("" for none).
    virtual std::string drawingKey() const = 0;
};

class CheckBox : public Control {
public:
    virtual bool checked() const = 0;
    // Changes the state without running onClick; a user's click toggles it and then runs onClick.
    virtual void setChecked(bool checked) = 0;
};

class RadioButton : public Control {
public:
    // A user's click checks it, unchecks the others of its parent and runs onClick.
    virtual bool checked() const = 0;
    virtual void setChecked(bool checked) = 0;
};

// A one-line edit box. caption() is its text; onChange runs on every change of it.
class Edit : public Control {
public:
    virtual void selectAll() = 0;
    // Selects `length` bytes from byte `start` (length 0: nothing selected, the caret at start).
    virtual void select(int start, int length) = 0;
    // The selected bytes ("" for none).
    virtual std::string selectedText() const = 0;
    virtual void setReadOnly(bool readOnly) = 0;
    // What typing does: inserts `text` at the caret, replacing the selection.
    virtual void type(std::string_view text) = 0;
    Handler onChange;
};

// Where a memo's selection lies: `length` bytes from byte `column` of line `line`.
struct TextSelection {
    int line = 0;
    int column = 0;
    int length = 0;
    bool operator==(const TextSelection&) const = default;
};

// A multi-line box of 8-bit lines, one entry per line, no wrapping. Every byte but CR and LF
// survives it.
class Memo : public Control {
public:
    // Number of lines, not counting an empty last line after a final line break.
    virtual int lineCount() const = 0;
    virtual std::string line(int index) const = 0;
    virtual std::vector<std::string> lines() const = 0;
    // The whole text, lines ended by "\r\n" as the box holds them.
    virtual std::string text() const = 0;
    // Replaces the text (any line ends); with lines, every line ends with a line break.
    virtual void setText(std::string_view text) = 0;
    virtual void setLines(const std::vector<std::string>& lines) = 0;
    virtual void replaceLine(int index, std::string_view text) = 0;
    // Adds a new last line followed by a line break.
    virtual void appendLine(std::string_view text) = 0;
    virtual void clearLines() = 0;
    virtual bool isEmpty() const = 0;

    // Selects `length` bytes from byte `column` of line `index`, and scrolls it into view.
    virtual void select(int index, int column, int length) = 0;
    // The caret to the start of the text, nothing selected.
    virtual void clearSelection() = 0;
    // The selected bytes ("" for none).
    virtual std::string selectedText() const = 0;
    // Where the selection lies (length 0 and the caret's place when nothing is selected).
    virtual TextSelection selection() const = 0;
    virtual void setReadOnly(bool readOnly) = 0;
    virtual void scrollToTop() = 0;
    // What typing does: inserts `text` at the caret, replacing the selection.
    virtual void type(std::string_view text) = 0;
    Handler onChange;
};

// A list of 8-bit lines; sorted ones are kept in ascending order without regard to case, equal
// lines in the order they came.
class ListBox : public Control {
public:
    virtual void setSorted(bool sorted) = 0;
    virtual bool sorted() const = 0;
    virtual void addLines(const std::vector<std::string>& lines) = 0;
    virtual std::vector<std::string> lines() const = 0;
    virtual int lineCount() const = 0;
    virtual void clearLines() = 0;
    // The selected row, or -1.
    virtual int currentRow() const = 0;
    virtual void setCurrentRow(int row) = 0;
};

// A grid of two columns, the first row fixed (the titles). Cells hold 8-bit text. A disabled
// grid takes no input but shows its cells in its own text colour: they stay there to be read.
class Grid : public Control {
public:
    virtual int rowCount() const = 0;
    // Rows, the title row included (at least 1).
    virtual void setRowCount(int rows) = 0;
    virtual std::string cell(int column, int row) const = 0;
    virtual void setCell(int column, int row, std::string_view text) = 0;
    virtual int columnWidth(int column) const = 0;
    virtual void setColumnWidth(int column, int width) = 0;
    virtual int currentRow() const = 0;
    virtual int currentColumn() const = 0;
    virtual void setCurrent(int column, int row) = 0;
    virtual void setEditable(bool editable) = 0;
    // A column whose cells the user cannot edit even while the grid is editable (keys beside
    // their values).
    virtual void setColumnReadOnly(int column, bool readOnly) = 0;
    // Makes row `row` the first one shown below the title row.
    virtual void setTopRow(int row) = 0;
    // Runs when the user has changed the text of a cell.
    Handler onChange;
};

class ProgressBar : public Control {
public:
    virtual void setRange(int minimum, int maximum) = 0;
    virtual int maximum() const = 0;
    virtual void setPosition(int position) = 0;
    virtual int position() const = 0;
};

// A panel larger than its place, with scroll bars; its children lie in its content.
class ScrollBox : public Control {
public:
    virtual void setContentSize(Size size) = 0;
    virtual int scrollY() const = 0;
    virtual void setScrollY(int y) = 0;
};

class Timer {
public:
    virtual ~Timer() = default;
    virtual const std::string& name() const = 0;
    virtual int interval() const = 0;
    virtual void setInterval(int milliseconds) = 0;
    virtual bool running() const = 0;
    virtual void start() = 0;
    virtual void stop() = 0;
    // Runs onTimer as a tick of the running timer does.
    void tick() {
        if (onTimer) onTimer();
    }
    Handler onTimer;
};

// Enables or disables the controls of a step together: its button, its picture, its caption.
inline void setEnabled(std::initializer_list<Control*> controls, bool enabled) {
    for (Control* c : controls) c->setEnabled(enabled);
}

}  // namespace plevo::ui
