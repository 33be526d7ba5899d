#pragma once
// The running tool: the shared state, the seams and the six windows, created once in their fixed
// order. Every window holds a reference to the tool and reaches the others through it.

#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/SharedState.h"
#include "app/StoringDialogs.h"
#include "platform/DriveC.h"
#include "ui/EventPump.h"

namespace plevo {

namespace ui {
class Form;
class Toolkit;
}  // namespace ui

class Dialogs;
class RegistryAccess;
class Shell;
class TReplace;
class THowTo;
class TRegistryForm;
class TOKBottomDlg;
class TAdvancedForm;
class TCriteriaDlg;
class ShowMePulse;

struct ToolSetup {
    ui::Toolkit& toolkit;
    Dialogs& dialogs;
    RegistryAccess& registry;
    Shell& shell;
    // The folder that stands for drive C off Windows.
    std::filesystem::path driveC;
    // Off Windows: writes the substitute registry's file when something changed it. Run before the
    // tool turns to the user and at the end of every user operation.
    std::function<void()> persistRegistry;
};

class PlevoTool {
public:
    explicit PlevoTool(const ToolSetup& setup);
    ~PlevoTool();
    PlevoTool(const PlevoTool&) = delete;
    PlevoTool& operator=(const PlevoTool&) = delete;

    SharedState& state() { return state_; }
    ui::Toolkit& toolkit() { return toolkit_; }
    // Every dialog of the tool stores the registry before it is shown.
    Dialogs& dialogs() { return dialogs_; }
    EventPump& pump() { return pump_; }
    RegistryAccess& registry() { return registry_; }
    Shell& shell() { return shell_; }
    const DriveC& driveC() const { return driveC_; }

    TReplace& Replace() { return *replace_; }
    THowTo& HowTo() { return *howTo_; }
    TRegistryForm& RegistryForm() { return *registryForm_; }
    TOKBottomDlg& OKBottomDlg() { return *okBottomDlg_; }
    TAdvancedForm& AdvancedForm() { return *advancedForm_; }
    TCriteriaDlg& CriteriaDlg() { return *criteriaDlg_; }
    // The six windows in their order of creation.
    std::array<ui::Form*, 6> windows() const;
    // The one show-me pulse, which both windows with step pictures aim.
    ShowMePulse& pulse();

    // Runs a user operation: an exception shows the general error box and the program goes on.
    // What it changed in the registry is stored when it ends, also when it runs inside another.
    void handle(const std::function<void()>& operation);
    // The same for a numbered step: refused while a walk over a list is running, so that a
    // second step cannot change a list under the walk.
    void handleStep(const std::function<void()>& step);

    // Slots for the windows' signals: a handler of `window` run as a user operation, or as a step.
    template <class Window>
    auto operation(Window* window, void (Window::*handler)()) {
        return [this, window, handler] { handle([window, handler] { (window->*handler)(); }); };
    }
    template <class Window>
    auto step(Window* window, void (Window::*handler)()) {
        return [this, window, handler] { handleStep([window, handler] { (window->*handler)(); }); };
    }

    // Shows the main window (its first showing runs the start-up of the workbench).
    void show();
    // The main window has closed: the other windows close with it and the program ends.
    void closeAll();

private:
    SharedState state_;
    ui::Toolkit& toolkit_;
    StoringDialogs dialogs_;
    RegistryAccess& registry_;
    Shell& shell_;
    EventPump pump_;
    DriveC driveC_;
    // Created in this order, destroyed in the reverse one.
    std::unique_ptr<TReplace> replace_;
    std::unique_ptr<THowTo> howTo_;
    std::unique_ptr<TRegistryForm> registryForm_;
    std::unique_ptr<TOKBottomDlg> okBottomDlg_;
    std::unique_ptr<TAdvancedForm> advancedForm_;
    std::unique_ptr<TCriteriaDlg> criteriaDlg_;
};

}  // namespace plevo
