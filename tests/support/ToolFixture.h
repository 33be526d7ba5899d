#pragma once
// A fresh tool per test: a temporary start folder (the process's current folder while the test
// runs), a folder for drive C, scripted dialogs, and every window created as at start-up.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "forms/PlevoTool.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "platform/Shell.h"
#include "registry/SubstituteRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/UserInput.h"
#include "ui/Form.h"

namespace plevo::test {

// Text as a box of the windows gives it back: every byte, except that a Windows text box cannot
// hold 0x00 and shows it as a blank.
inline std::string asBoxHolds(std::string text) {
#ifdef _WIN32
    std::replace(text.begin(), text.end(), '\0', ' ');
#endif
    return text;
}

// The shell the tool is given: the fixture's substitute shell, or another that a test puts in
// its place.
class ReplaceableShell : public Shell {
public:
    explicit ReplaceableShell(Shell& standard) : standard_(standard) {}
    Shell* replacement = nullptr;
    ShellRun open(const std::filesystem::path& file, const std::string& shownName) override {
        return (replacement ? *replacement : standard_).open(file, shownName);
    }

private:
    Shell& standard_;
};

class ToolFixture : public testing::Test {
protected:
    // The tool works on the fixture's substitute registry, or on `registry` (the system's own).
    ToolFixture() : ToolFixture(registry_) {}
    explicit ToolFixture(RegistryAccess& registry);
    ~ToolFixture() override;

    // Shows the main window; its first showing greets the user.
    void showMainWindow();
    // The seams the fixture's tool is made with.
    ToolSetup toolSetup();
    // Starts the tool as its main does, on the fixture's seams, in place of the fixture's own
    // tool, and works it with `script` from inside its loop once the welcome has been answered.
    // Returns once the program has ended; the windows are gone then.
    int runTool(const std::function<void()>& script);
    // A window of the running program by its name; fails the test when there is none.
    static ui::Form& window(std::string_view name);
    // Writes a file into the start folder (or at an absolute path) and returns its path text.
    std::string writeFile(const std::string& name, std::string_view bytes);
    std::string readBack(const std::string& path) const;
    std::string startPath(const std::string& name) const;
    // The open dialog of "Open Text File", as the tool shows it (first folder: the start folder).
    FileDialogOptions openListOptions() const;

    static constexpr const char* kReminder =
        "Remember to Save any changes before you exit the program!";

    std::filesystem::path root_;
    std::filesystem::path start_;
    std::filesystem::path previousFolder_;
    ScriptedDialogs dialogs_;
    // An empty registry with no file behind it; tests fill it or load one.
    SubstituteRegistry registry_;
    SubstituteShell shell_{dialogs_,
                           [this](const std::filesystem::path& f) { registry_.importFile(f); }};
    ReplaceableShell toolShell_{shell_};
    RegistryAccess& toolRegistry_;
    int registryWrites_ = 0;  // how often an operation's end wrote the registry file
    std::unique_ptr<PlevoTool> tool_;
    TReplace* main_ = nullptr;

    // A control or timer of the main window by its name (a control as kind T).
    template <class T>
    T& control(std::string_view name) const {
        return main_->form().get<T>(name);
    }
    ui::Timer& timer(std::string_view name) const { return main_->form().timer(name); }
    ui::Memo& memo(std::string_view name) const { return control<ui::Memo>(name); }
    std::string caption(std::string_view name) const {
        return control<ui::Control>(name).caption();
    }
    bool visible(std::string_view name) const { return control<ui::Control>(name).visible(); }
    bool enabled(std::string_view name) const { return control<ui::Control>(name).enabled(); }
    void click(std::string_view name) const { control<ui::Control>(name).click(); }
    // A user's click on `name`: the mouse at its centre, through the toolkit.
    void userClick(std::string_view name) const { user().click(control<ui::Control>(name)); }
    // The user replaces the text of box `name`: clicks into it, selects it all and types.
    void userTypes(std::string_view name, std::string_view text) const {
        userClick(name);
        user().press({.key = 'A', .ctrl = true});
        user().press({.key = ui::kKeyDelete});
        user().type(text);
    }
    // Whether the focus of the main window is on `name`.
    bool focusedOn(std::string_view name) const {
        return main_->form().focusedControl() == &control<ui::Control>(name);
    }
    // Whether the show-me pulse points at picture `name` of the main window.
    bool pulseOn(std::string_view name) const {
        return tool_->pulse().target() == &control<ui::Picture>(name);
    }
};

}  // namespace plevo::test
