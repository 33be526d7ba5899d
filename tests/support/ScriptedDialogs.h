#pragma once
// Dialogs for tests: a queue of expected prompts with their answers. Every prompt the tool shows
// is recorded in the transcript and checked against the next expectation; an unexpected prompt
// fails the test, and so does an expectation left unused when the script is verified.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "ui/Form.h"

namespace plevo::test {

class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Message, Confirm, Input, OpenFile, SaveFile, Error, Modal };

    ~ScriptedDialogs() override;

    // Each expectation may run `during` while the prompt is "open" (as a user would act then).
    ScriptedDialogs& expectMessage(std::string text, std::function<void()> during = {});
    ScriptedDialogs& expectConfirm(std::string text, Buttons buttons, Answer answer,
                                   std::function<void()> during = {});
    ScriptedDialogs& expectConfirmAt(std::string text, Buttons buttons, Answer answer,
                                     ScreenPoint at);
    ScriptedDialogs& expectInput(std::string caption, std::string prompt, std::string defaultText,
                                 std::optional<std::string> answer);
    ScriptedDialogs& expectOpenFile(FileDialogOptions options, std::optional<std::string> answer);
    ScriptedDialogs& expectSaveFile(FileDialogOptions options, std::optional<std::string> answer);
    // The general error box; the text must contain `part`.
    ScriptedDialogs& expectError(std::string part);
    // One of the tool's own dialogs, by window title; `act` works the shown dialog from inside its
    // modal showing and closes it.
    ScriptedDialogs& expectModal(std::string title, std::function<void(ui::Form&)> act);

    // Prompts the tool shows in many places, by what they are.
    // The main window's welcome at its first showing.
    ScriptedDialogs& expectWelcome();
    // The safe list's open dialog, cancelled, and its "File not opened".
    ScriptedDialogs& expectSafeListDialogCancelled();
    // Save Changes' offer of a separate backup copy, and its question about the registry.
    ScriptedDialogs& expectBackupQuestion(Answer answer);
    ScriptedDialogs& expectImportQuestion(Answer answer);
    // "Remove email name"'s question about `entry` (an address: the part up to its first "@" is
    // the name, the rest the domain), and its offer to add the domain to the safe list.
    ScriptedDialogs& expectRemoveQuestion(const std::string& entry, Answer answer,
                                          std::function<void()> during = {});
    ScriptedDialogs& expectAddOffer(const std::string& entry, Answer answer);
    // The warning when "2. Confirm removal" is unchecked.
    ScriptedDialogs& expectUncheckWarning(std::function<void()> during = {});

    // Fails the test for every expectation not yet used, then forgets them.
    void verify();
    // Forgets the expectations not yet used, for scripts that offer more answers than needed.
    void dropRemaining() { queue_.clear(); }
    bool done() const { return queue_.empty(); }
    // Everything shown so far, one line per prompt: "message: TEXT", "confirm: TEXT", ...
    const std::vector<std::string>& transcript() const { return transcript_; }

    void message(const std::string& text) override;
    Answer confirm(const std::string& text, Buttons buttons,
                   std::optional<ScreenPoint> at) override;
    std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                     const std::string& defaultText) override;
    std::optional<std::string> openFile(const FileDialogOptions& options) override;
    std::optional<std::string> saveFile(const FileDialogOptions& options) override;
    void error(const std::string& text) override;
    int runModal(ui::Form& form) override;

private:
    struct Step {
        Kind kind;
        std::string text;    // message, confirmation or error text; caption; dialog title
        std::string prompt;  // input prompt
        std::string defaultText;
        Buttons buttons = Buttons::YesNo;
        std::optional<ScreenPoint> at;
        Answer answer = Answer::Ok;
        std::optional<std::string> reply;
        FileDialogOptions options;
        std::function<void()> during;
        std::function<void(ui::Form&)> act;
    };
    // The next expectation when it is of this kind; nullopt (and a failure) otherwise.
    std::optional<Step> next(Kind kind, const std::string& shown);

    std::deque<Step> queue_;
    std::vector<std::string> transcript_;
};

}  // namespace plevo::test
