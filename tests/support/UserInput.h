#pragma once
// A user's mouse and keyboard for the window tests. Every press goes the way the user's does: the
// window system's input reaches the toolkit, which picks the control under the pointer (a control
// lying over it, or the container of a disabled one), moves the keyboard focus (a control's exit
// handler runs, a control that takes no focus leaves it where it was) and delivers the press. One
// test source runs on every backend; the backend the test links makes the input (Qt: the window
// system's events through QTest; Win32: SendInput through the system's queue).
//
// Every call returns once the toolkit has handled what it sent, nested loops included: a click
// that opens a modal window returns when that window has closed. While a modal window runs its
// loop, the scripted dialogs' `expectModal` acts from inside it, and the driver works there too.

#include <functional>
#include <memory>
#include <string_view>

#include "ui/Form.h"

namespace plevo::test {

class UserInput {
public:
    virtual ~UserInput() = default;

    // Presses and releases the left button at the centre of `control` as it lies on the screen.
    // A control that no user can reach (hidden, outside its window's client area, its window not
    // shown) fails the test and gets nothing.
    void click(const ui::Control& control) { clickAt(control, centre(control)); }
    // The same at `at`, a point of the control's own area.
    virtual void clickAt(const ui::Control& control, ui::Point at) = 0;
    // Two clicks in quick succession at one place.
    void doubleClick(const ui::Control& control) { doubleClickAt(control, centre(control)); }
    virtual void doubleClickAt(const ui::Control& control, ui::Point at) = 0;
    // Where cell (column, row) of a grid (row 0: the titles) and row `row` of a list box lie, in
    // the control's own area, as the backend draws them.
    virtual ui::Point cellCentre(const ui::Grid& grid, int column, int row) = 0;
    virtual ui::Point rowCentre(const ui::ListBox& list, int row) = 0;

    // A key pressed and released with its modifiers, to whatever has the keyboard focus.
    virtual void press(const ui::KeyPress& key) = 0;
    // Types `text` key by key into whatever has the keyboard focus; "\n" is the Enter key.
    virtual void type(std::string_view text) = 0;

    // Lets the program run (events, timers) until `done` holds; false when `milliseconds` passed
    // first.
    virtual bool waitUntil(const std::function<bool()>& done, int milliseconds = 10000) = 0;
    // A window of the program by its name, as the toolkit made it; nullptr when there is none.
    virtual ui::Form* window(std::string_view name) = 0;

    // A step waiting to run from the event loop; dropped when its handle goes first.
    class Pending {
    public:
        virtual ~Pending() = default;
    };
    // Runs `step` once from the event loop that runs when `milliseconds` have passed (also a
    // loop that starts after this call).
    virtual std::unique_ptr<Pending> later(int milliseconds, std::function<void()> step) = 0;

    static ui::Point centre(const ui::Control& control) {
        const ui::Rect r = control.geometry();
        return {r.w / 2, r.h / 2};
    }

protected:
    // With PLEVO_USER_PACE=milliseconds in the environment the user lets the program run that
    // long after each action, so that the windows can be watched (and screenshots taken).
    void pause();
};

// The one user of the test program, on the backend it links.
UserInput& user();

}  // namespace plevo::test
