// The main window's helpers and the handlers of its steps: open, save and clear the working list,
// open and save the safe list, sort, and the step-7 hand-over to the registry window.
#include <algorithm>
#include <filesystem>

#include "app/PlevoTool.h"
#include "forms/guidance/HowToUnit.h"
#include "ui/Dialogs.h"
#include "platform/Files.h"
#include "ui/qt/Text.h"
#include "forms/registry/RegistryUnit.h"
#include "lists/LineSort.h"
#include "lists/Progress.h"
#include "forms/workbench/ReplaceCharsUnit.h"

#include <algorithm>

namespace plevo {
namespace {

const char* const kTextFilter = "Text files (*.txt)|*.TXT";

}  // namespace

// ---- helpers -------------------------------------------------------------------------------

void TReplace::PrepareProgress() {
    ProgressBar1->setMinimum(0);
    // A bar with no range shows a lasting busy block; an empty list shows an empty bar instead.
    ProgressBar1->setMaximum(std::max(1, Memo1->lineCount()));
    ProgressBar1->setStyleSheet(
        QStringLiteral("QProgressBar { background-color: aqua; border: 1px solid grey; }"
                       "QProgressBar::chunk { background-color: red; }"));
}

void TReplace::setProgress(int position, int lines) {
    ProgressBar1->setValue(position);
    Panel1->setText(QString::number(progressPercent(position, lines)) + QStringLiteral(" %"));
}

void TReplace::ResetStepImages() {
    for (TImage* i : {RemoveImage, SaveImage, DeleteImage, SortImage, EditImage})
        i->resize(SharedState::AnimFullSize, SharedState::AnimFullSize);
    tool_.RegistryForm().resetStepImages();
}

void TReplace::ResetStepMarks() {
    AnimateBtnTimer->stop();
    for (TImage* no : {RemoveImageNo, EditImageNo, DeleteImageNo, SortImageNo, SaveImageNo})
        no->show();
    for (TImage* yes : {RemoveImageYes, EditImageYes, DeleteImageYes, SortImageYes, SaveImageYes})
        yes->hide();
}

void TReplace::SetAnimatedImageSize(int size) {
    if (TImage* image = tool_.state().AnimImage) image->resize(size, size);
}

void TReplace::PointNextStep(QPushButton* button, TImage* image) {
    button->setFocus();
    tool_.state().AnimImage = image;
    tool_.state().AnimSize = image->width();
    AnimateBtnTimer->start();
}

void TReplace::SortBoxLines(TMemo* box) {
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
    RegistryImage1->show();
    RegistryImage3->show();
    RegistryImage2->hide();
    RegistryImage4->hide();
}

void TReplace::enableListSteps() {
    Button1->setEnabled(true);
    RemoveImage->setEnabled(true);
    ResetStepMarks();
    for (QWidget* w : {static_cast<QWidget*>(Button2), static_cast<QWidget*>(SaveImage),
                       static_cast<QWidget*>(Button5), static_cast<QWidget*>(DeleteImage),
                       static_cast<QWidget*>(Button6), static_cast<QWidget*>(SortImage),
                       static_cast<QWidget*>(Button8), static_cast<QWidget*>(EditImage),
                       static_cast<QWidget*>(Button9), static_cast<QWidget*>(ClearTextImage)})
        w->setEnabled(true);
}

// ---- showing, closing, counters, keys ---------------------------------------------------------

void TReplace::FormShow() {
    SharedState& s = tool_.state();
    s.StartFolder = pathText(std::filesystem::current_path());
    PrepareProgress();
    const std::string safeFile = s.StartFolder + kPathSeparator + SharedState::SafeDomainsFileName;
    Edit1->setText(fileExists(pathFromText(safeFile)) ? pathToQString(safeFile) : QString());
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
    s.SafeDomainsHelp = formatTextList(Memo2->textList());
    MemoMainHelp->resize((HelpPanel->width() / 10) * 6, MemoMainHelp->height());
}

void TReplace::CloseImageClick() {
    close();
}

void TReplace::FormClose() {
    // A save that fails shows its error; the program still closes.
    if (tool_.state().SafeListSaved && SaveOutlookImage->isEnabled() &&
        tool_.dialogs().confirm("Do you want to save the Safe Domains List?", Buttons::YesNo) ==
            Answer::Yes)
        tool_.handle([this] { Button4Click(); });
    tool_.RegistryForm().OpenedListPaths[0].clear();
    tool_.RegistryForm().OpenedListPaths[1].clear();
    tool_.closeAll();
}

void TReplace::Memo1Change() {
    Label1->setText(QStringLiteral(" ") + QString::number(Memo1->lineCount()));
}

void TReplace::Memo2Change() {
    Label6->setText(QString::number(Memo2->lineCount()));
    SharedState& s = tool_.state();
    if (s.SaveReminderShown == 0 && !s.AssistantRunning) {
        tool_.dialogs().message("Remember to Save any changes before you exit the program!");
        ++s.SaveReminderShown;
    }
}

void TReplace::HelpImageClick() {
    if (!HelpPanel->isHidden()) {
        HelpPanel->hide();
        for (QWidget* w : {TextPanel, DomainPanel, static_cast<QWidget*>(DoNotBlockPanel),
                           static_cast<QWidget*>(BlockPanel)})
            w->show();
    } else {
        for (QWidget* w : {TextPanel, DomainPanel, static_cast<QWidget*>(DoNotBlockPanel),
                           static_cast<QWidget*>(BlockPanel)})
            w->hide();
        HelpPanel->show();
    }
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

    for (QWidget* w : {static_cast<QWidget*>(Label7), static_cast<QWidget*>(Label8),
                       static_cast<QWidget*>(Label10), static_cast<QWidget*>(Label11),
                       static_cast<QWidget*>(Label12), static_cast<QWidget*>(Label13),
                       static_cast<QWidget*>(CheckBox2)})
        w->setEnabled(true);
    Label2->setText(QStringLiteral("Number of text entry lines ="));
    Memo1->setTextList(parseTextList(bytes));
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
    SaveImageNo->hide();
    SaveImageYes->show();
    TRegistryForm& reg = tool_.RegistryForm();
    s.ListFromRegistry = reg.MailOpened || reg.NewsOpened;

    if (!s.ListFromRegistry) {
        const auto path = pathFromText(s.ListFileName);
        if (!s.ListFileName.empty() && fileExists(path)) {
            writeFileAtomic(path, formatTextList(Memo1->textList()));
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
        if (target) writeFileAtomic(pathFromText(*target), formatTextList(Memo1->textList()));
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
    SharedState& s = tool_.state();
    Dialogs& d = tool_.dialogs();
    TRegistryForm& reg = tool_.RegistryForm();
    reg.showWindow();
    if (reg.Button3->isEnabled()) reg.Button3->setFocus();
    const std::vector<std::string> lines = Memo1->lines();
    const std::string list = SharedState::DefaultListName;
    auto accepted = [&](QRadioButton* option, const std::string& first, const std::string& second) {
        reg.acceptList(option, lines);
        if (!s.AssistantRunning)
            d.message(
                messageLines({first, second, "", "Only save to the registry if you are sure?"}));
        s.AnimImage = reg.SaveRegImage;
        s.AnimSize = reg.SaveRegImage->width();
        AnimateBtnTimer->start();
    };
    if (reg.RadioBtnMail->isChecked()) {
        if (reg.MailOpened)
            accepted(reg.RadioBtnMail, "The text file has replaced the original " + list,
                     "[Mail] registry entries.");
        else
            d.message(fromQString(reg.RadioBtnMail->text()) + " is not available.");
    } else if (reg.RadioBtnNews->isChecked()) {
        if (reg.NewsOpened)
            accepted(reg.RadioBtnNews, "The text file has replaced the original " + list,
                     "[News] registry entries.");
        else
            d.message(fromQString(reg.RadioBtnNews->text()) + " is not available.");
    } else if (reg.RadioBtnBoth->isChecked()) {
        if (reg.MailOpened && reg.NewsOpened)
            accepted(reg.RadioBtnBoth, "The text file has replaced both the original " + list,
                     "[Mail] and [News] registry entries.");
        else
            d.message(
                messageLines({fromQString(reg.RadioBtnMail->text()) + " or ",
                              fromQString(reg.RadioBtnNews->text()) + " may not be available."}));
    }
    DomainsGroupBox->setTitle(
        QStringLiteral("There are ") + QString::number(reg.ListBox1->lineCount()) +
        QStringLiteral(" original Registry entries ") +
        QStringLiteral("                       There ") + QStringLiteral("will be ") +
        QString::number(reg.ListBox2->lineCount()) + QStringLiteral(" saved Registry entries"));
}

// ---- Clear Text File ----------------------------------------------------------------------

void TReplace::Button9Click() {
    Dialogs& d = tool_.dialogs();
    Panel10->show();
    Panel11->show();
    if (d.confirm("Do you want 1 cleared?", Buttons::YesNoCancel) == Answer::Yes)
        Memo1->clearLines();
    Panel10->hide();
    if (d.confirm("Do you want 2 cleared?", Buttons::YesNoCancel) == Answer::Yes)
        Memo2->clearLines();
    Panel11->hide();
}

// ---- 5. Sort Alphabetically ----------------------------------------------------------------

void TReplace::Button6Click() {
    ResetStepImages();
    SortImageNo->hide();
    SortImageYes->show();
    SortBoxLines(Memo1);
    if (!tool_.state().AssistantRunning)
        tool_.dialogs().message("Save your changes when you have completed all changes");
    setProgress(0, 0);
    Label1->setText(QString::number(Memo1->lineCount()));
    PointNextStep(Button2, SaveImage);
}

// ---- 7. Registry ----------------------------------------------------------------------------

void TReplace::Button10Click() {
    stopGuidance();
    ResetStepMarks();
    TRegistryForm& reg = tool_.RegistryForm();
    reg.showWindow();
    PointNextStep(reg.Button1, reg.OpenRegImage);
}

// ---- the safe list --------------------------------------------------------------------------

void TReplace::loadSafeList(const std::string& path) {
    Memo2->setTextList(parseTextList(readFile(pathFromText(path))));
    SortBoxLines(Memo2);
}

void TReplace::Button3Click() {
    SharedState& s = tool_.state();
    const std::string path = s.StartFolder + kPathSeparator + SharedState::SafeDomainsFileName;
    if (fileExists(pathFromText(path))) {
        loadSafeList(path);
        for (QWidget* w : {static_cast<QWidget*>(Button4), static_cast<QWidget*>(SaveOutlookImage),
                           static_cast<QWidget*>(Label7), static_cast<QWidget*>(Label8)})
            w->setEnabled(true);
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
    Edit1->setText(QString::fromLatin1(SharedState::SafeDomainsFileName));
}

void TReplace::Button4Click() {
    SharedState& s = tool_.state();
    if (Memo2->document()->isEmpty()) {
        tool_.dialogs().message("Nothing to save?");
        return;
    }
    SortBoxLines(Memo2);
    const std::string path = s.StartFolder + kPathSeparator + SharedState::SafeDomainsFileName;
    writeFileAtomic(pathFromText(path), formatTextList(Memo2->textList()));
    tool_.dialogs().message(std::string(SharedState::SafeDomainsFileName) + " saved.");
    s.SafeListSaved = true;
}

}  // namespace plevo
