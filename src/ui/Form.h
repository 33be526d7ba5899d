#pragma once
// A window described as data: its own settings (FormSpec) and one table of its controls
// (ControlSpec), read like the control tables it comes from. A backend builds real controls from
// the table; the window's code then finds them by name and binds its handlers.

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Controls.h"

namespace plevo::ui {

// Start states and looks of a control; combine with |.
enum Flag : unsigned {
    kHidden = 1u << 0,
    kDisabled = 1u << 1,
    kChecked = 1u << 2,      // check box, radio button, toggle button
    kWordWrap = 1u << 3,     // label, check box: the caption wraps inside the width, from the top
    kCentre = 1u << 4,       // caption centred horizontally (panels always centre)
    kRight = 1u << 5,        // caption to the right
    kReadOnly = 1u << 6,     // edit, memo; grid: cells cannot be edited
    kDefault = 1u << 7,      // button: Enter anywhere in the window presses it
    kCancel = 1u << 8,       // button: Esc anywhere in the window presses it
    kTransparent = 1u << 9,  // label: no background of its own
    kNoBorder = 1u << 10,    // panel, memo, list box, scroll box: no frame
    kSunken = 1u << 11,      // panel: a lowered bevel instead of the raised one
    kSorted = 1u << 12,      // list box
    kVScroll = 1u << 13,     // memo, scroll box: a vertical scroll bar always (else as needed)
    kHScroll = 1u << 14,     // memo, scroll box: a horizontal scroll bar always (else as needed)
    kNoFocus = 1u << 15,     // button, toggle button: never takes the keyboard focus from a click
    kNoHideSel = 1u << 16,   // edit: the selection stays shown while the focus is elsewhere
    kNoHScroll = 1u << 17,   // scroll box: never a horizontal scroll bar (the page is cut instead)
};

struct ControlSpec {
    Kind kind = Kind::Label;
    const char* name = "";
    // The container (panel, group box, scroll box) by name; "" is the window itself.
    const char* parent = "";
    Rect at;
    // Caption, or the start text of an edit or memo box, or the start lines of a list box (lines
    // separated by "\n").
    std::string caption;
    std::string hint;
    std::optional<Colour> colour;
    std::optional<Colour> fontColour;
    Font font;
    unsigned flags = 0;
    // A picture's drawing.
    Drawing drawing;
    // A button's modal result: pressing it ends the modal showing of its window with this value.
    int modalResult = 0;
};

enum class FormStyle {
    Window,       // a fixed frame with a minimise button
    Dialog,       // a fixed dialog frame, no minimise button
    CaptionOnly,  // a single fixed border and a caption bar without any buttons
    Borderless,   // no frame, no caption bar
};

// Where a window appears each time it is shown from hidden.
enum class FormPlace {
    ScreenCentre,  // centred on the screen
    OwnerCentre,   // centred over the program's main window (the first window made)
    AsPlaced,      // where move() or centreOver() put it
};

struct FormSpec {
    const char* name = "";
    std::string caption;
    Size client;
    FormStyle style = FormStyle::Window;
    FormPlace place = FormPlace::ScreenCentre;
    std::optional<Colour> colour;
    // Where the window draws this colour, what lies beneath it shows through (and takes the
    // mouse): a colour key.
    std::optional<Colour> seeThrough;
    Font font;
};

// Modal results, as the system's dialog boxes number them.
inline constexpr int kResultNone = 0;
inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;
inline constexpr int kResultIgnore = 5;

class Form {
public:
    virtual ~Form() = default;

    virtual const std::string& name() const = 0;
    virtual std::string caption() const = 0;
    virtual void setCaption(std::string_view caption) = 0;
    virtual Size clientSize() const = 0;
    // The window's top left corner on the screen, frame included.
    virtual Point position() const = 0;
    virtual void move(Point topLeft) = 0;
    // A point of the client area in screen coordinates.
    virtual Point toScreen(Point client) const = 0;
    virtual std::optional<Colour> colour() const = 0;
    virtual void setColour(std::optional<Colour> colour) = 0;
    // The frame and the see-through colour the window has, as its spec asked for them.
    virtual FormStyle style() const = 0;
    virtual std::optional<Colour> seeThrough() const = 0;

    // Shows the window without blocking; onShow runs at each showing, onActivate when it becomes
    // the active window.
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool visible() const = 0;
    virtual bool active() const = 0;
    virtual void activate() = 0;
    // Shows the window modally: returns the result its closing gave (a button's modalResult,
    // endModal, or kResultCancel when the user closed it).
    virtual int showModal() = 0;
    // Ends the showing with `result` (a result other than kResultNone hides the window), as a
    // button with that modalResult does after its onClick.
    virtual void endModal(int result) = 0;
    // How the last showing ended: endModal's result, kResultCancel when closed, kResultNone
    // while it has not ended (also for a window shown without showModal).
    virtual int modalResult() const = 0;
    // Closes the window as the user's close box does: onCloseQuery may keep it open, then onClose
    // runs and the window hides.
    virtual void close() = 0;
    virtual void centreOnScreen() = 0;
    virtual void centreOver(const Form& other) = 0;
    virtual void repaint() = 0;

    virtual Control* find(std::string_view name) const = 0;
    virtual std::vector<Control*> controls() const = 0;
    virtual Control* focusedControl() const = 0;
    // Adds a timer, stopped.
    virtual Timer& addTimer(const std::string& name, int intervalMs) = 0;
    virtual Timer* findTimer(std::string_view name) const = 0;
    // A key press as the keyboard gives it: to onKey first, then to the focused control.
    virtual void pressKey(const KeyPress& key) = 0;

    // The control `name` as kind T; a missing name or a wrong kind is a fault of the program.
    template <class T>
    T& get(std::string_view name) const {
        if (auto* t = dynamic_cast<T*>(find(name))) return *t;
        throw std::logic_error("no control " + std::string(name) + " of that kind in " +
                               this->name());
    }
    Timer& timer(std::string_view name) const {
        if (Timer* t = findTimer(name)) return *t;
        throw std::logic_error("no timer " + std::string(name) + " in " + this->name());
    }

    Handler onShow;
    Handler onActivate;
    // Returns false to keep the window open.
    std::function<bool()> onCloseQuery;
    Handler onClose;
    // Every key pressed in the window, before the focused control sees it.
    KeyHandler onKey;
};

}  // namespace plevo::ui
