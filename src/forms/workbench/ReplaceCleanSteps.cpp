// Steps 2 to 4 of the main window, walks over the working list: reduce addresses to domains,
// edit domain names, delete duplicates. The results come from the list operations; the walks add
// the questions, the progress display and the hand-over to the next step.
#include <algorithm>

#include <string>

#include "forms/tool/Tool.h"
#include "forms/workbench/MemoLists.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "lists/ListOperations.h"
#include "lists/Progress.h"
#include "platform/Dialogs.h"

namespace plevo {

void TReplace::endWalk() {
    ProgressBar1->setPosition(0);
    Panel1->setCaption("0 %");
}

// ---- 2. Remove email name upto and including @ ----------------------------------------------

void TReplace::Button1Click() {
    RemoveImageNo->setVisible(false);
    RemoveImageYes->setVisible(true);
    ResetStepImages();
    const int n = Memo1->lineCount();
    PrepareProgress();

    if (!CheckBox2->checked()) {
        // Nothing is asked and the safe list cannot change: one pass, one refill of the box.
        TextList list = memoList(*Memo1);
        const std::vector<std::string> safe = Memo2->lines();
        if (reduceAll(list.entries, safe) > 0) setMemoList(*Memo1, list);
        setProgress(n, n);
    } else {
        SharedState& s = tool_.state();
        Dialogs& d = tool_.dialogs();
        EventPump::Walk walk(tool_.pump());
        std::vector<std::string> safeLines = Memo2->lines();
        SafeSet safe(safeLines);
        unsigned safeRevision = safeListRevision_;
        for (int i = 0; i < n; ++i) {
            setProgress(i, n);
            tool_.pump().pump();
            ProgressBar1->setPosition(i + 1);
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
                !CheckBox2->checked()
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
    Label1->setCaption(std::to_string(Memo1->lineCount()));
    PointNextStep(Button8, EditImage);
}

void TReplace::CheckBox2Click() {
    if (CheckBox2->checked()) return;
    const std::string d = kExampleFreeMailDomain;
    Panel11->setCaption("*");
    Panel11->setVisible(true);
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
    Panel11->setVisible(false);
    Panel11->setCaption("2");
}

// ---- 3. Edit.. Domain Names -------------------------------------------------------------------

void TReplace::Button8Click() {
    ResetStepImages();
    EditImageNo->setVisible(false);
    EditImageYes->setVisible(true);
    EditDomainIntents& dialog = tool_.editDomain();
    EventPump::Walk walk(tool_.pump());

    // The walk tests a snapshot of the list; replacements go into the box line by line.
    const std::vector<std::string> entries = Memo1->lines();
    // The safe lines are taken at the start, and again after the walk appends one.
    SubstringMatcher safe(Memo2->lines());
    const int n = static_cast<int>(entries.size());
    for (int i = 0; i < n; ++i) {
        if (const auto proposal = editOffer(entries[i], safe)) {
            const EditAnswer answer = dialog.ask(entries[i], std::string(*proposal));
            if (answer.kind == EditAnswer::Kind::Cancel) {
                endWalk();
                return;
            }
            if (answer.kind == EditAnswer::Kind::Take) {
                // An emptied upper box keeps the entry as it is.
                if (!answer.entry.empty() && i < Memo1->lineCount())
                    Memo1->replaceLine(i, answer.domain);
                if (answer.addToSafe && !answer.domain.empty()) {
                    Memo2->appendLine(answer.domain);
                    safe.assign(Memo2->lines());
                }
            }
        }
        // The bar keeps the range it had, so it stops at its maximum; the percentage follows it.
        ProgressBar1->setPosition(std::min(ProgressBar1->position() + 1, ProgressBar1->maximum()));
        Panel1->setCaption(std::to_string(progressPercent(ProgressBar1->position(), n)) + " %");
        tool_.pump().pump();
    }
    endWalk();
    PointNextStep(Button5, DeleteImage);
}

// ---- 4. Del Duplicate Names --------------------------------------------------------------------

void TReplace::Button5Click() {
    ResetStepImages();
    DeleteImageNo->setVisible(false);
    DeleteImageYes->setVisible(true);
    PrepareProgress();
    std::vector<std::string> entries = Memo1->lines();
    const int n = static_cast<int>(entries.size());
    deleteDuplicates(entries, Memo2->lines());
    setProgress(n, n);
    Memo1->setLines(entries);
    endWalk();
    Label1->setCaption(std::to_string(Memo1->lineCount()));
    PointNextStep(Button6, SortImage);
}

}  // namespace plevo
