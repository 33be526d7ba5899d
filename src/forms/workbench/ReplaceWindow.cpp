// The main window's own handlers and the helpers its steps share: showing and closing the
// window, the line counter, the progress bar, and the step pictures and their marks.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "forms/tool/Tool.h"
#include "forms/workbench/MemoLists.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "lists/LineSort.h"
#include "lists/Progress.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

namespace plevo {
namespace {

void setFullSize(ui::Picture* picture) {
    // The top left corner stays where it is.
    ui::Rect r = picture->geometry();
    r.w = r.h = ShowMePulse::kFullSize;
    picture->setGeometry(r);
}

}  // namespace

void TReplace::PrepareProgress() {
    // A bar with no range shows a lasting busy block; an empty list shows an empty bar instead.
    ProgressBar1->setRange(0, std::max(1, Memo1->lineCount()));
    // An aqua bar that fills in red.
    ProgressBar1->setColour(ui::colours::kAqua);
    ProgressBar1->setFontColour(ui::colours::kRed);
}

void TReplace::setProgress(int position, int lines) {
    ProgressBar1->setPosition(position);
    Panel1->setCaption(std::to_string(progressPercent(position, lines)) + " %");
}

void TReplace::ResetStepImages() {
    pulse_->stop();
    for (ui::Picture* i : {RemoveImage, SaveImage, DeleteImage, SortImage, EditImage})
        setFullSize(i);
    tool_.registryWindow().resetStepImages();
}

void TReplace::ResetStepMarks() {
    pulse_->stop();
    for (ui::Picture* no : {RemoveImageNo, EditImageNo, DeleteImageNo, SortImageNo, SaveImageNo})
        no->setVisible(true);
    for (ui::Picture* yes :
         {RemoveImageYes, EditImageYes, DeleteImageYes, SortImageYes, SaveImageYes})
        yes->setVisible(false);
}

void TReplace::PointNextStep(ui::Button* button, ui::Picture* image) {
    button->setFocus();
    pulse_->aim(*image);
}

void TReplace::SortBoxLines(ui::Memo* box) {
    // Other steps wait while the lines are out of the box.
    EventPump::Walk walk(tool_.pump());
    PrepareProgress();
    std::vector<std::string> lines = box->lines();
    const int n = static_cast<int>(lines.size());
    setProgress(0, n);
    tool_.pump().pumpNow();
    sortBoxLines(lines);
    box->setLines(lines);
    setProgress(0, n);
}

void TReplace::enableListSteps() {
    Button1->setEnabled(true);
    RemoveImage->setEnabled(true);
    ResetStepMarks();
    ui::setEnabled({Button2, SaveImage, Button5, DeleteImage, Button6, SortImage, Button8,
                    EditImage, Button9, ClearTextImage},
                   true);
}

void TReplace::FormShow() {
    SharedState& s = tool_.state();
    s.StartFolder = pathText(std::filesystem::current_path());
    PrepareProgress();
    const std::string safeFile = s.StartFolder + kPathSeparator + SharedState::SafeDomainsFileName;
    Edit1->setCaption(fileExists(pathFromText(safeFile)) ? safeFile : std::string());
    tool_.dialogs().message(messageLines({
        "New Users can use button [8. Assist me].This automates",
        "most of the process, there maybe some user choices to make.",
        "",
        "Advanced users can use button [7. Registry] to open the Registry.",
        "This will open and give you full control over your Outlook Express",
        "Blocked Senders List and Advanced Rules.",
        "",
        "Important! make sure Outlook Express has been shut down.",
    }));
    s.SafeDomainsHelp = formatTextList(memoList(*Memo2));
    ui::Rect help = MemoMainHelp->geometry();
    help.w = (HelpPanel->geometry().w / 10) * 6;
    MemoMainHelp->setGeometry(help);
}

void TReplace::CloseImageClick() {
    form_->close();
}

void TReplace::FormClose() {
    // A save that fails shows its error; the program still closes.
    if (tool_.state().SafeListSaved && SaveOutlookImage->enabled() &&
        tool_.dialogs().confirm("Do you want to save the Safe Domains List?", Buttons::YesNo) ==
            Answer::Yes)
        tool_.handle([this] { Button4Click(); });
    tool_.registryWindow().forgetOpenedLists();
    tool_.closeAll();
}

void TReplace::Memo1Change() {
    // Built by appending: GCC 12 warns wrongly (-Wrestrict) about " " + a temporary string.
    std::string caption = " ";
    caption += std::to_string(Memo1->lineCount());
    Label1->setCaption(caption);
}

}  // namespace plevo
