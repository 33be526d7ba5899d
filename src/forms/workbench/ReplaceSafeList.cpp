// The main window's safe list: opened from and saved to its text file, counted, explained.
#include <string>

#include "forms/tool/Tool.h"
#include "forms/workbench/MemoLists.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "lists/LineSort.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

namespace plevo {

void TReplace::loadSafeList(const std::string& path) {
    setMemoList(*Memo2, parseTextList(readFile(pathFromText(path))));
    SortBoxLines(Memo2);
}

void TReplace::Button3Click() {
    SharedState& s = tool_.state();
    const std::string path = s.StartFolder + kPathSeparator + SharedState::SafeDomainsFileName;
    if (fileExists(pathFromText(path))) {
        loadSafeList(path);
        ui::setEnabled({Button4, SaveOutlookImage, Label7, Label8}, true);
        s.SafeListLoaded = true;
        tool_.dialogs().message(path + " opened successfully");
        return;
    }
    const auto chosen = tool_.dialogs().openFile(
        {.defaultExt = "txt", .filter = kTextFilter, .fileName = SharedState::SafeDomainsFileName});
    if (!chosen) {
        tool_.dialogs().message("File not opened");
        return;
    }
    if (!fileExists(pathFromText(*chosen))) return;
    loadSafeList(*chosen);
    Button4->setEnabled(true);
    SaveOutlookImage->setEnabled(true);
    s.SafeListLoaded = true;
    Edit1->setCaption(SharedState::SafeDomainsFileName);
}

void TReplace::Button4Click() {
    SharedState& s = tool_.state();
    if (Memo2->isEmpty()) {
        tool_.dialogs().message("Nothing to save?");
        return;
    }
    SortBoxLines(Memo2);
    const std::string path = s.StartFolder + kPathSeparator + SharedState::SafeDomainsFileName;
    writeFileAtomic(pathFromText(path), formatTextList(memoList(*Memo2)));
    tool_.dialogs().message(std::string(SharedState::SafeDomainsFileName) + " saved.");
    s.SafeListSaved = true;
}

void TReplace::Memo2Change() {
    Label6->setCaption(std::to_string(Memo2->lineCount()));
    SharedState& s = tool_.state();
    if (s.SaveReminderShown == 0 && !s.AssistantRunning) {
        tool_.dialogs().message("Remember to Save any changes before you exit the program!");
        ++s.SaveReminderShown;
    }
}

void TReplace::Image2Click() {
    tool_.dialogs().message(tool_.state().SafeDomainsHelp);
}

}  // namespace plevo
