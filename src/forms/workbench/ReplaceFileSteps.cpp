// Steps 1, 5 and 6 of the main window and "Clear List": open the working list from a text file,
// sort it, save it to a file or hand it back to the registry, and empty it.
#include <string>
#include <vector>

#include "app/PlevoTool.h"
#include "forms/registry/RegistryUnit.h"
#include "forms/workbench/MemoLists.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

namespace plevo {

// ---- 1. Open Text File --------------------------------------------------------------------

void TReplace::Button7Click() {
    SharedState& s = tool_.state();
    stopGuidance();
    const auto chosen = tool_.dialogs().openFile({.defaultExt = "txt",
                                                  .filter = kTextFilter,
                                                  .fileName = SharedState::DefaultListName,
                                                  .initialDir = s.StartFolder});
    s.ListFileName = chosen ? *chosen : std::string(SharedState::DefaultListName);
    const auto path = pathFromText(s.ListFileName);
    if (!fileExists(path)) return;
    // Read before anything changes: a file that cannot be read leaves every list as it was.
    const std::string bytes = readFile(path);

    ui::setEnabled({Label7, Label8, Label10, Label11, Label12, Label13, CheckBox2}, true);
    Label2->setCaption("Number of text entry lines =");
    setMemoList(*Memo1, parseTextList(bytes));
    enableListSteps();
    s.ListFromRegistry = false;
    Button3Click();
    PointNextStep(Button1, RemoveImage);
}

// ---- 5. Sort Alphabetically ----------------------------------------------------------------

void TReplace::Button6Click() {
    ResetStepImages();
    SortImageNo->setVisible(false);
    SortImageYes->setVisible(true);
    SortBoxLines(Memo1);
    if (!tool_.state().AssistantRunning)
        tool_.dialogs().message("Save your changes when you have completed all changes");
    setProgress(0, 0);
    Label1->setCaption(std::to_string(Memo1->lineCount()));
    PointNextStep(Button2, SaveImage);
}

// ---- 6. Save Changes ----------------------------------------------------------------------

void TReplace::Button2Click() {
    SharedState& s = tool_.state();
    Dialogs& d = tool_.dialogs();
    ResetStepImages();
    SaveImageNo->setVisible(false);
    SaveImageYes->setVisible(true);
    TRegistryForm& reg = tool_.RegistryForm();
    s.ListFromRegistry = reg.MailOpened || reg.NewsOpened;

    if (!s.ListFromRegistry) {
        const auto path = pathFromText(s.ListFileName);
        if (!s.ListFileName.empty() && fileExists(path)) {
            writeFileAtomic(path, formatTextList(memoList(*Memo1)));
            d.message(messageLines(
                {"File '" + s.ListFileName + "' saved.",
                 "If you want to save this file to the registry,open the registry first"}));
        } else {
            d.message("File " + s.ListFileName + " not found or saved!");
        }
    }

    if (d.confirm("Would you like to save a seperate backup copy of this file to your disk?",
                  Buttons::YesNo) == Answer::Yes) {
        const auto target = d.saveFile(
            {.defaultExt = "txt", .filter = kTextFilter, .fileName = SharedState::DefaultListName});
        if (target) writeFileAtomic(pathFromText(*target), formatTextList(memoList(*Memo1)));
    }

    if (s.ListFromRegistry) {
        if (d.confirm(
                messageLines({"Would you like to import this file and replace",
                              std::string("your existing ") + SharedState::DefaultListName + "?"}),
                Buttons::YesNo) == Answer::Yes) {
            handListToRegistry();
        } else {
            s.AssistantRunning = false;  // stops a running assistant
        }
    }
    reg.refreshCounts();
}

void TReplace::handListToRegistry() {
    using Option = TRegistryForm::ListOption;
    SharedState& s = tool_.state();
    Dialogs& d = tool_.dialogs();
    TRegistryForm& reg = tool_.RegistryForm();
    reg.showWindow();
    const std::vector<std::string> lines = Memo1->lines();
    const std::string list = SharedState::DefaultListName;
    auto accepted = [&](Option option, const std::string& first, const std::string& second) {
        reg.acceptList(option, lines);
        if (!s.AssistantRunning)
            d.message(
                messageLines({first, second, "", "Only save to the registry if you are sure?"}));
        reg.pointAtSave();
    };
    switch (reg.checkedOption()) {
        case Option::Mail:
            if (reg.MailOpened)
                accepted(Option::Mail, "The text file has replaced the original " + list,
                         "[Mail] registry entries.");
            else
                d.message(reg.optionCaption(Option::Mail) + " is not available.");
            break;
        case Option::News:
            if (reg.NewsOpened)
                accepted(Option::News, "The text file has replaced the original " + list,
                         "[News] registry entries.");
            else
                d.message(reg.optionCaption(Option::News) + " is not available.");
            break;
        case Option::Both:
            if (reg.MailOpened && reg.NewsOpened)
                accepted(Option::Both, "The text file has replaced both the original " + list,
                         "[Mail] and [News] registry entries.");
            else
                d.message(
                    messageLines({reg.optionCaption(Option::Mail) + " or ",
                                  reg.optionCaption(Option::News) + " may not be available."}));
            break;
    }
    DomainsGroupBox->setCaption("There are " + std::to_string(reg.mailCount()) +
                                " original Registry entries " + "                       There " +
                                "will be " + std::to_string(reg.newsCount()) +
                                " saved Registry entries");
}

// ---- Clear List ---------------------------------------------------------------------------

void TReplace::Button9Click() {
    Dialogs& d = tool_.dialogs();
    Panel10->setVisible(true);
    Panel11->setVisible(true);
    if (d.confirm("Do you want 1 cleared?", Buttons::YesNoCancel) == Answer::Yes)
        Memo1->clearLines();
    Panel10->setVisible(false);
    if (d.confirm("Do you want 2 cleared?", Buttons::YesNoCancel) == Answer::Yes)
        Memo2->clearLines();
    Panel11->setVisible(false);
}

}  // namespace plevo
