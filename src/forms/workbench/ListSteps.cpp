// The main window's walks over the working list: reduce addresses to domains, edit domain names,
// delete duplicates. The results come from the list operations; the walks add the questions,
// the progress display and the hand-over to the next step.
#include <algorithm>

#include "app/PlevoTool.h"
#include "ui/Dialogs.h"
#include "ui/qt/Text.h"
#include "forms/workbench/EditDialogUnit.h"
#include "lists/ListOperations.h"
#include "lists/Progress.h"
#include "forms/workbench/ReplaceCharsUnit.h"

namespace plevo {
void TReplace::endWalk() {
    ProgressBar1->setValue(0);
    Panel1->setText(QStringLiteral("0 %"));
}

// ---- 2. Remove email name upto and including @ ----------------------------------------------

void TReplace::Button1Click() {
    RemoveImageNo->hide();
    RemoveImageYes->show();
    ResetStepImages();
    const int n = Memo1->lineCount();
    PrepareProgress();

    if (!CheckBox2->isChecked()) {
        // Nothing is asked and the safe list cannot change: one pass, one refill of the box.
        TextList list = Memo1->textList();
        const std::vector<std::string> safe = Memo2->lines();
        if (reduceAll(list.entries, safe) > 0) Memo1->setTextList(list);
        setProgress(n, n);
    } else {
        SharedState& s = tool_.state();
        Dialogs& d = tool_.dialogs();
        EventPump::Walk walk(tool_.pump());
        std::vector<std::string> safeLines = Memo2->lines();
        SafeSet safe(safeLines);
        unsigned safeRevision = safeListRevision_;
        for (int i = 0; i < n; ++i) {
            ProgressBar1->setValue(i);
            Panel1->setText(QString::number(progressPercent(i, n)) + QStringLiteral(" %"));
            tool_.pump().pump();
            ProgressBar1->setValue(i + 1);
            // The box is read as it stands: the user may have typed into it meanwhile.
            if (i >= Memo1->lineCount()) break;
            if (safeRevision != safeListRevision_) {
                safeLines = Memo2->lines();
                safe = SafeSet(safeLines);
                safeRevision = safeListRevision_;
            }
            const std::string entry = Memo1->line(i);
            const auto domain = reduction(entry, safe);
            if (!domain) continue;
            const std::string domainText(*domain);
            const std::string left = entry.substr(0, entry.size() - domainText.size());
            // The box may be unchecked while the walk goes on: from then on the answer is Yes.
            const Answer answer =
                !CheckBox2->isChecked()
                    ? Answer::Yes
                    : d.confirm(messageLines(
                                    {"Remove " + left, "From     " + entry, "",
                                     "Please confirm that you want?",
                                     "All emails from " + domainText + " to be blocked.", "",
                                     "(Select Yes if you are SURE you want to block the Domain!)"}),
                                Buttons::YesNoCancel);
            if (answer == Answer::Cancel) break;
            if (answer == Answer::Yes) {
                if (i < Memo1->lineCount()) Memo1->replaceLine(i, domainText);
                continue;
            }
            if (s.SafeListLoaded &&
                d.confirm(messageLines(
                              {"Do you want to add " + domainText, "to your Outlook Domain list? ",
                               "If you choose Yes, you will not be asked again to",
                               "remove the email name from the domain " + domainText,
                               "Individual emails from " + entry + " will still be blocked. "}),
                          Buttons::YesNo) == Answer::Yes &&
                !safe.contains(domainText)) {
                Memo2->appendLine(domainText);
            }
        }
    }
    endWalk();
    PrepareProgress();
    Label1->setText(QString::number(Memo1->lineCount()));
    PointNextStep(Button8, EditImage);
}

void TReplace::CheckBox2Click() {
    if (CheckBox2->isChecked()) return;
    const std::string d = kExampleFreeMailDomain;
    Panel11->setText(QStringLiteral("*"));
    Panel11->show();
    tool_.dialogs().message(messageLines({
        "Warning!",
        "If you uncheck this box, you will not be asked for confirmation!",
        "Any new Domain names that are not already listed in your",
        "*(Safe Domain Names not to be blocked). Will be added to the Outlook",
        std::string(SharedState::DefaultListName) + " and blocked automatically.",
        "",
        "Ex: if you have a new email from someone@" + d + " and " + d + " is not",
        "in your list*, then Oulook will block all incomming emails from " + d,
        "Only Uncheck if you are sure you do not want to confirm new entries?",
    }));
    Panel11->hide();
    Panel11->setText(QStringLiteral("2"));
}

// ---- 3. Edit.. Domain Names -------------------------------------------------------------------

void TReplace::Button8Click() {
    ResetStepImages();
    EditImageNo->hide();
    EditImageYes->show();
    SharedState& s = tool_.state();
    TOKBottomDlg& dialog = tool_.OKBottomDlg();
    EventPump::Walk walk(tool_.pump());

    // The walk tests a snapshot of the list; replacements go into the box line by line.
    const std::vector<std::string> entries = Memo1->lines();
    // The safe lines are taken at the start, and again after the walk appends one.
    SubstringMatcher safe(Memo2->lines());
    const int n = static_cast<int>(entries.size());
    for (int i = 0; i < n; ++i) {
        if (const auto proposal = editOffer(entries[i], safe)) {
            s.EditEntry = entries[i];
            s.EditDomainPart = std::string(*proposal);
            dialog.EditDomain->setText(toQString(s.EditEntry));
            dialog.EditDomainExt->setText(toQString(s.EditDomainPart));
            tool_.dialogs().runModal(dialog);
            if (s.EditCancelled) {
                endWalk();
                return;
            }
            if (!s.EditSkipped) {
                if (!s.EditEntry.empty() && i < Memo1->lineCount())
                    Memo1->replaceLine(i, s.EditDomainPart);
                if (s.EditAddToSafe && !s.EditDomainPart.empty()) {
                    Memo2->appendLine(s.EditDomainPart);
                    safe.assign(Memo2->lines());
                }
            }
        }
        // The bar keeps the range it had, so it stops at its maximum; the percentage follows it.
        ProgressBar1->setValue(std::min(ProgressBar1->value() + 1, ProgressBar1->maximum()));
        Panel1->setText(QString::number(progressPercent(ProgressBar1->value(), n)) +
                        QStringLiteral(" %"));
        tool_.pump().pump();
    }
    endWalk();
    PointNextStep(Button5, DeleteImage);
}

// ---- 4. Del Duplicate Names --------------------------------------------------------------------

void TReplace::Button5Click() {
    ResetStepImages();
    DeleteImageNo->hide();
    DeleteImageYes->show();
    PrepareProgress();
    std::vector<std::string> entries = Memo1->lines();
    const int n = static_cast<int>(entries.size());
    deleteDuplicates(entries, Memo2->lines());
    setProgress(n, n);
    Memo1->setLines(entries);
    endWalk();
    Label1->setText(QString::number(Memo1->lineCount()));
    PointNextStep(Button6, SortImage);
}

}  // namespace plevo
