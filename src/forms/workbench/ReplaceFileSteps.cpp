// Steps 1, 5 and 6 of the main window and "Clear List": open the working list from a text file,
// sort it, save it to a file or hand it back to the registry, and empty it.
#include <string>
#include <vector>

#include "forms/tool/Tool.h"
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
    s.ListFromRegistry = tool_.registryWindow().listsOpened();

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
    tool_.registryWindow().refreshCounts();
}

void TReplace::handListToRegistry() {
    const RegistryWindowIntents::HandOver counts =
        tool_.registryWindow().takeWorkingList(Memo1->lines());
    DomainsGroupBox->setCaption("There are " + std::to_string(counts.mail) +
                                " original Registry entries " + "                       There " +
                                "will be " + std::to_string(counts.news) +
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
