// Step 7 of the main window: the registry window opens, and hands the Mail or News list over to
// become the working list.
#include <string>
#include <vector>

#include "forms/tool/Tool.h"
#include "forms/workbench/MemoLists.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "platform/Dialogs.h"

namespace plevo {

void TReplace::Button10Click() {
    stopGuidance();
    ResetStepMarks();
    tool_.registryWindow().showAtOpen();
}

void TReplace::prepareForRegistryList() {
    ResetStepImages();
    ui::setEnabled({Label10, Label11, Label12, Label13, CheckBox2}, true);
}

void TReplace::takeRegistryList(const std::vector<std::string>& lines, bool news) {
    SharedState& s = tool_.state();
    Memo1->setLines(lines);
    ui::setEnabled({Button1, RemoveImage, Button2, SaveImage, Button5, DeleteImage, Button6,
                    SortImage, Button8, EditImage, Button9, ClearTextImage},
                   true);
    for (ui::Picture* no : {RemoveImageNo, SaveImageNo, DeleteImageNo, SortImageNo, EditImageNo})
        no->setVisible(true);
    for (ui::Picture* yes :
         {RemoveImageYes, SaveImageYes, DeleteImageYes, SortImageYes, EditImageYes})
        yes->setVisible(false);
    Label2->setCaption(news ? "Num of News Registry lines =" : "Num of Mail Registry lines =");

    form_->activate();
    // The press of "Open Outlook File": its handler, directly, so that an error ends the hand-over.
    Button3Click();
    s.ListFromRegistry = true;
    tool_.dialogs().message(
        s.AssistantRunning
            ? "Your Blocked Senders List will now be sorted,\n\ryou may be asked to confirm "
              "some actions."
            : "You can now sort this Blocked Senders list or open your own text file\n\rof "
              "blocked senders to replace existing Mail or News registry entries");
    pulse_->aim(*RemoveImage);
    Button1->setFocus();
}

void TReplace::enableSearches() {
    Label7->setEnabled(true);
    Label8->setEnabled(true);
}

}  // namespace plevo
