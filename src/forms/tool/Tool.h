#pragma once
// What every window reaches through the tool: the shared state, the seams, the running of user
// operations, and the other windows by what they do for each other (forms/tool/Intents.h). The
// tool that owns the windows (forms/PlevoTool.h) fills in the intents as it makes each window.

#include <array>
#include <filesystem>
#include <functional>

#include "forms/tool/Intents.h"
#include "forms/tool/SharedState.h"
#include "forms/tool/StoringDialogs.h"
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

class Tool {
public:
    explicit Tool(const ToolSetup& setup);
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;

    SharedState& state() { return state_; }
    ui::Toolkit& toolkit() { return toolkit_; }
    // Every dialog of the tool stores the registry before it is shown.
    Dialogs& dialogs() { return dialogs_; }
    EventPump& pump() { return pump_; }
    RegistryAccess& registry() { return registry_; }
    Shell& shell() { return shell_; }
    const DriveC& driveC() const { return driveC_; }

    // The windows, by what they do for each other.
    MainWindowIntents& mainWindow() { return *mainWindow_; }
    RegistryWindowIntents& registryWindow() { return *registryWindow_; }
    HowToIntents& howTo() { return *howTo_; }
    EditDomainIntents& editDomain() { return *editDomain_; }
    RulesWindowIntents& rulesWindow() { return *rulesWindow_; }
    CriteriaIntents& criteria() { return *criteria_; }
    // The one show-me pulse, which both windows with step pictures aim.
    ShowMePulse& pulse() { return mainWindow_->pulse(); }
    // The six windows in their order of creation.
    virtual std::array<ui::Form*, 6> windows() const = 0;

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

    // The main window has closed: the other windows close with it and the program ends.
    void closeAll();

protected:
    ~Tool() = default;

    MainWindowIntents* mainWindow_ = nullptr;
    RegistryWindowIntents* registryWindow_ = nullptr;
    HowToIntents* howTo_ = nullptr;
    EditDomainIntents* editDomain_ = nullptr;
    RulesWindowIntents* rulesWindow_ = nullptr;
    CriteriaIntents* criteria_ = nullptr;

private:
    SharedState state_;
    ui::Toolkit& toolkit_;
    StoringDialogs dialogs_;
    RegistryAccess& registry_;
    Shell& shell_;
    EventPump pump_;
    DriveC driveC_;
};

}  // namespace plevo
