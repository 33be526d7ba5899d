#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace plevo::test {
namespace {

const char* kindName(ScriptedDialogs::Kind k) {
    switch (k) {
        case ScriptedDialogs::Kind::Message:
            return "message";
        case ScriptedDialogs::Kind::Confirm:
            return "confirm";
        case ScriptedDialogs::Kind::Input:
            return "input";
        case ScriptedDialogs::Kind::OpenFile:
            return "open file";
        case ScriptedDialogs::Kind::SaveFile:
            return "save file";
        case ScriptedDialogs::Kind::Error:
            return "error";
        case ScriptedDialogs::Kind::Modal:
            return "modal";
    }
    return "?";
}

std::string describe(const FileDialogOptions& o) {
    return "{ext=" + o.defaultExt + ", filter=" + o.filter + ", name=" + o.fileName +
           ", dir=" + o.initialDir + (o.title.empty() ? "" : ", title=" + o.title) + "}";
}

}  // namespace

ScriptedDialogs::~ScriptedDialogs() {
    verify();
}

ScriptedDialogs& ScriptedDialogs::expectMessage(std::string text, std::function<void()> during) {
    queue_.push_back({.kind = Kind::Message, .text = std::move(text), .during = std::move(during)});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectConfirm(std::string text, Buttons buttons, Answer answer,
                                                std::function<void()> during) {
    queue_.push_back({.kind = Kind::Confirm,
                      .text = std::move(text),
                      .buttons = buttons,
                      .answer = answer,
                      .during = std::move(during)});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectConfirmAt(std::string text, Buttons buttons, Answer answer,
                                                  ScreenPoint at) {
    queue_.push_back({.kind = Kind::Confirm,
                      .text = std::move(text),
                      .buttons = buttons,
                      .at = at,
                      .answer = answer});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectInput(std::string caption, std::string prompt,
                                              std::string defaultText,
                                              std::optional<std::string> answer) {
    queue_.push_back({.kind = Kind::Input,
                      .text = std::move(caption),
                      .prompt = std::move(prompt),
                      .defaultText = std::move(defaultText),
                      .reply = std::move(answer)});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectOpenFile(FileDialogOptions options,
                                                 std::optional<std::string> answer) {
    queue_.push_back(
        {.kind = Kind::OpenFile, .reply = std::move(answer), .options = std::move(options)});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectSaveFile(FileDialogOptions options,
                                                 std::optional<std::string> answer) {
    queue_.push_back(
        {.kind = Kind::SaveFile, .reply = std::move(answer), .options = std::move(options)});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectError(std::string part) {
    queue_.push_back({.kind = Kind::Error, .text = std::move(part)});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectModal(std::string title,
                                              std::function<void(ui::Form&)> act) {
    queue_.push_back({.kind = Kind::Modal, .text = std::move(title), .act = std::move(act)});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectWelcome() {
    return expectMessage(
        "New Users can use button [8. Assist me].This automates\n\r"
        "most of the process, there maybe some user choices to make.\n\r"
        "\n\r"
        "Advanced users can use button [7. Registry] to open the Registry.\n\r"
        "This will open and give you full control over your Outlook Express\n\r"
        "Blocked Senders List and Advanced Rules.\n\r"
        "\n\r"
        "Important! make sure Outlook Express has been shut down.");
}

ScriptedDialogs& ScriptedDialogs::expectSafeListDialogCancelled() {
    return expectOpenFile({.defaultExt = "txt",
                           .filter = "Text files (*.txt)|*.TXT",
                           .fileName = "Outlook Safe Domains.txt"},
                          std::nullopt)
        .expectMessage("File not opened");
}

ScriptedDialogs& ScriptedDialogs::expectBackupQuestion(Answer answer) {
    return expectConfirm("Would you like to save a seperate backup copy of this file to your disk?",
                         Buttons::YesNo, answer);
}

ScriptedDialogs& ScriptedDialogs::expectImportQuestion(Answer answer) {
    return expectConfirm(
        "Would you like to import this file and replace\n\ryour existing Blocked Senders List?",
        Buttons::YesNo, answer);
}

ScriptedDialogs& ScriptedDialogs::expectRemoveQuestion(const std::string& entry, Answer answer,
                                                       std::function<void()> during) {
    const std::size_t at = entry.find('@') + 1;
    return expectConfirm("Remove " + entry.substr(0, at) + "\n\rFrom     " + entry +
                             "\n\r\n\rPlease confirm that you want?\n\rAll emails from " +
                             entry.substr(at) +
                             " to be blocked.\n\r\n\r(Select Yes if you are SURE you want to block "
                             "the Domain!)",
                         Buttons::YesNoCancel, answer, std::move(during));
}

ScriptedDialogs& ScriptedDialogs::expectAddOffer(const std::string& entry, Answer answer) {
    const std::string domain = entry.substr(entry.find('@') + 1);
    return expectConfirm("Do you want to add " + domain +
                             "\n\rto your Outlook Domain list? \n\rIf you choose Yes, you will not "
                             "be asked again to\n\rremove the email name from the domain " +
                             domain + "\n\rIndividual emails from " + entry +
                             " will still be blocked. ",
                         Buttons::YesNo, answer);
}

ScriptedDialogs& ScriptedDialogs::expectUncheckWarning(std::function<void()> during) {
    return expectMessage(
        "Warning!\n\rIf you uncheck this box, you will not be asked for confirmation!\n\r"
        "Any new Domain names that are not already listed in your\n\r"
        "*(Safe Domain Names not to be blocked). Will be added to the Outlook\n\r"
        "Blocked Senders List and blocked automatically.\n\r\n\r"
        "Ex: if you have a new email from someone@freemail.example and freemail.example is not\n\r"
        "in your list*, then Oulook will block all incomming emails from freemail.example\n\r"
        "Only Uncheck if you are sure you do not want to confirm new entries?",
        std::move(during));
}

void ScriptedDialogs::verify() {
    for (const Step& s : queue_)
        ADD_FAILURE() << "expected " << kindName(s.kind)
                      << " never shown: " << testing::PrintToString(s.text);
    queue_.clear();
}

std::optional<ScriptedDialogs::Step> ScriptedDialogs::next(Kind kind, const std::string& shown) {
    transcript_.push_back(std::string(kindName(kind)) + ": " + shown);
    if (queue_.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << ": " << testing::PrintToString(shown);
        return std::nullopt;
    }
    Step step = std::move(queue_.front());
    queue_.pop_front();
    if (step.kind != kind) {
        ADD_FAILURE() << "expected " << kindName(step.kind) << " "
                      << testing::PrintToString(step.text) << " but the tool showed "
                      << kindName(kind) << ": " << testing::PrintToString(shown);
        return std::nullopt;
    }
    return step;
}

void ScriptedDialogs::message(const std::string& text) {
    auto step = next(Kind::Message, text);
    if (!step) return;
    EXPECT_EQ(text, step->text);
    if (step->during) step->during();
}

Answer ScriptedDialogs::confirm(const std::string& text, Buttons buttons,
                                std::optional<ScreenPoint> at) {
    const Answer refusal = buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    auto step = next(Kind::Confirm, text);
    if (!step) return refusal;
    EXPECT_EQ(text, step->text);
    EXPECT_EQ(buttons, step->buttons) << text;
    if (step->at) {
        EXPECT_EQ(at, step->at) << text;
    }
    if (step->during) step->during();
    return step->answer;
}

std::optional<std::string> ScriptedDialogs::input(const std::string& caption,
                                                  const std::string& prompt,
                                                  const std::string& defaultText) {
    auto step = next(Kind::Input, caption + " | " + prompt);
    if (!step) return std::nullopt;
    EXPECT_EQ(caption, step->text);
    EXPECT_EQ(prompt, step->prompt);
    EXPECT_EQ(defaultText, step->defaultText);
    return step->reply;
}

std::optional<std::string> ScriptedDialogs::openFile(const FileDialogOptions& options) {
    auto step = next(Kind::OpenFile, describe(options));
    if (!step) return std::nullopt;
    EXPECT_EQ(describe(options), describe(step->options));
    return step->reply;
}

std::optional<std::string> ScriptedDialogs::saveFile(const FileDialogOptions& options) {
    auto step = next(Kind::SaveFile, describe(options));
    if (!step) return std::nullopt;
    EXPECT_EQ(describe(options), describe(step->options));
    return step->reply;
}

void ScriptedDialogs::error(const std::string& text) {
    auto step = next(Kind::Error, text);
    if (!step) return;
    EXPECT_NE(text.find(step->text), std::string::npos)
        << "error " << testing::PrintToString(text) << " lacks "
        << testing::PrintToString(step->text);
}

int ScriptedDialogs::runModal(ui::Form& form) {
    auto step = next(Kind::Modal, form.caption());
    if (!step) return ui::kResultCancel;
    EXPECT_EQ(form.caption(), step->text);
    // The script acts once the dialog's modal showing has started (its own start-up has run), as
    // a user would; a script that leaves the dialog open fails and the dialog is closed for it.
    static constexpr const char* kActTimer = "ScriptedDialogsAct";
    ui::Timer* act = form.findTimer(kActTimer);
    if (!act) act = &form.addTimer(kActTimer, 0);
    bool acted = false;
    act->onTimer = [&] {
        act->stop();
        if (acted) return;
        acted = true;
        if (step->act) step->act(form);
        if (form.visible()) {
            ADD_FAILURE() << "the script left dialog " << step->text << " open";
            form.endModal(ui::kResultCancel);
        }
    };
    act->start();
    const int result = form.showModal();
    act->stop();
    act->onTimer = {};
    EXPECT_TRUE(acted) << "dialog " << step->text << " ended before its script ran";
    return result;
}

}  // namespace plevo::test
