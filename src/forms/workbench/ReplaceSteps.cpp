// The main window's helpers and the handlers of its steps: open, save and clear the working list,
// open and save the safe list, sort, and the step-7 hand-over to and from the registry window.
#include <algorithm>
#include <filesystem>
#include <string>

#include "app/PlevoTool.h"
#include "forms/guidance/HowToUnit.h"
#include "forms/registry/RegistryUnit.h"
#include "forms/workbench/MemoLists.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "lists/LineSort.h"
#include "lists/Progress.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

namespace plevo {
namespace {

const char* const kTextFilter = "Text files (*.txt)|*.TXT";

void setFullSize(ui::Picture* picture) {
    // The top left corner stays where it is.
    ui::Rect r = picture->geometry();
    r.w = r.h = ShowMePulse::kFullSize;
    picture->setGeometry(r);
}

void setEnabled(std::initializer_list<ui::Control*> controls, bool enabled) {
    for (ui::Control* c : controls) c->setEnabled(enabled);
}

}  // namespace

// ---- helpers -------------------------------------------------------------------------------

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
    tool_.RegistryForm().resetStepImages();
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

void TReplace::stopGuidance() {
    Timer2->stop();
    Timer3->stop();
    Timer4->stop();
    RegistryImage1->setVisible(true);
    RegistryImage3->setVisible(true);
    RegistryImage2->setVisible(false);
    RegistryImage4->setVisible(false);
}

void TReplace::enableListSteps() {
    Button1->setEnabled(true);
    RemoveImage->setEnabled(true);
    ResetStepMarks();
    setEnabled({Button2, SaveImage, Button5, DeleteImage, Button6, SortImage, Button8, EditImage,
                Button9, ClearTextImage},
               true);
}

// ---- showing, closing, counters, keys ---------------------------------------------------------

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
    tool_.RegistryForm().forgetOpenedLists();
    tool_.closeAll();
}

void TReplace::Memo1Change() {
    // Built by appending: GCC 12 warns wrongly (-Wrestrict) about " " + a temporary string.
    std::string caption = " ";
    caption += std::to_string(Memo1->lineCount());
    Label1->setCaption(caption);
}

void TReplace::Memo2Change() {
    Label6->setCaption(std::to_string(Memo2->lineCount()));
    SharedState& s = tool_.state();
    if (s.SaveReminderShown == 0 && !s.AssistantRunning) {
        tool_.dialogs().message("Remember to Save any changes before you exit the program!");
        ++s.SaveReminderShown;
    }
}

void TReplace::HelpImageClick() {
    const bool showHelp = !HelpPanel->visible();
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{TextPanel, DomainPanel, DoNotBlockPanel, BlockPanel})
        c->setVisible(!showHelp);
    HelpPanel->setVisible(showHelp);
}

void TReplace::BitBtn2Click() {
    tool_.HowTo().showWindow();
}

void TReplace::Image2Click() {
    tool_.dialogs().message(tool_.state().SafeDomainsHelp);
}

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

    setEnabled({Label7, Label8, Label10, Label11, Label12, Label13, CheckBox2}, true);
    Label2->setCaption("Number of text entry lines =");
    setMemoList(*Memo1, parseTextList(bytes));
    enableListSteps();
    s.ListFromRegistry = false;
    Button3Click();
    PointNextStep(Button1, RemoveImage);
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

// ---- Clear Text File ----------------------------------------------------------------------

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

// ---- 7. Registry ----------------------------------------------------------------------------

void TReplace::Button10Click() {
    stopGuidance();
    ResetStepMarks();
    TRegistryForm& reg = tool_.RegistryForm();
    reg.showWindow();
    reg.pointAtOpen();
}

void TReplace::prepareForRegistryList() {
    ResetStepImages();
    setEnabled({Label10, Label11, Label12, Label13, CheckBox2}, true);
}

void TReplace::takeRegistryList(const std::vector<std::string>& lines, bool news) {
    SharedState& s = tool_.state();
    Memo1->setLines(lines);
    setEnabled({Button1, RemoveImage, Button2, SaveImage, Button5, DeleteImage, Button6, SortImage,
                Button8, EditImage, Button9, ClearTextImage},
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

// ---- the safe list --------------------------------------------------------------------------

void TReplace::loadSafeList(const std::string& path) {
    setMemoList(*Memo2, parseTextList(readFile(pathFromText(path))));
    SortBoxLines(Memo2);
}

void TReplace::Button3Click() {
    SharedState& s = tool_.state();
    const std::string path = s.StartFolder + kPathSeparator + SharedState::SafeDomainsFileName;
    if (fileExists(pathFromText(path))) {
        loadSafeList(path);
        setEnabled({Button4, SaveOutlookImage, Label7, Label8}, true);
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

}  // namespace plevo
