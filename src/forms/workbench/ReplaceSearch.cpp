// Search in either list of the main window: each line holding the term is offered in turn,
// highlighted and marked by a blinking arrow, until the user takes one, cancels, or the list ends.
#include <string>

#include "forms/tool/Tool.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "lists/LineSort.h"
#include "platform/Dialogs.h"

namespace plevo {
namespace {

void selectFirstOccurrence(ui::Memo* box, const std::string& text) {
    // The text has no line break, so a match never spans two lines; it may lie in an earlier line
    // than the one found.
    box->setFocus();
    const int n = box->lineCount();
    for (int i = 0; i < n; ++i) {
        const std::size_t at = box->line(i).find(text);
        if (at == std::string::npos) continue;
        box->select(i, static_cast<int>(at), static_cast<int>(text.size()));
        return;
    }
}

}  // namespace

void TReplace::Label7Click() {
    Search(Memo1);
}

void TReplace::Label8Click() {
    Search(Memo2);
}

void TReplace::restoreFoundLine() {
    SharedState& s = tool_.state();
    ui::Memo* box = s.SearchBox;
    if (box && s.FoundLineIndex >= 0 && s.FoundLineIndex < box->lineCount())
        box->replaceLine(s.FoundLineIndex, s.FoundLine);
}

void TReplace::Timer1Timer() {
    SharedState& s = tool_.state();
    ui::Memo* box = s.SearchBox;
    if (!box || s.FoundLineIndex < 0 || s.FoundLineIndex >= box->lineCount()) return;
    if (!MarkerPhase) {
        MarkerPhase = true;
        box->replaceLine(s.FoundLineIndex, s.FoundLine);
    } else {
        MarkerPhase = false;
        box->replaceLine(s.FoundLineIndex, s.FoundLine + kSearchMarker);
    }
}

void TReplace::Search(ui::Memo* box) {
    SharedState& s = tool_.state();
    Dialogs& d = tool_.dialogs();
    s.SearchBox = box;
    if (box->isEmpty()) return;
    const auto answer =
        d.input("Search?", "ex: someone@mail.example, mail.example, @, John", std::string());
    const std::string term = upperCaseAZ(answer.value_or(std::string()));
    if (term.empty()) return;

    // Whatever ends the search, the marker is stopped and the line written back first.
    struct StopMarker {
        TReplace& window;
        bool found = false;
        ~StopMarker() {
            window.Timer1->stop();
            if (found) window.restoreFoundLine();
        }
    } stop{*this};

    // The question stands below step 2's picture, clear of the list.
    const ui::Rect remove = RemoveImage->geometry();
    const ui::Point corner = form_->position();
    const ScreenPoint under{corner.x + remove.x, corner.y + remove.y + remove.h};
    const int n = box->lineCount();
    for (int i = 0; i < n && i < box->lineCount(); ++i) {
        const std::string line = box->line(i);
        if (upperCaseAZ(line).find(term) == std::string::npos) continue;
        s.FoundLineIndex = i;
        Timer1->start();
        s.FoundLine = line;
        stop.found = true;
        selectFirstOccurrence(box, s.FoundLine);
        const Answer a =
            d.confirm("Is this the entry you wanted?" + std::string(kLineBreak) + s.FoundLine,
                      Buttons::YesNoCancel, under);
        Timer1->stop();
        restoreFoundLine();
        if (a == Answer::Yes) {
            selectFirstOccurrence(box, s.FoundLine);
            stop.found = false;
            return;
        }
        if (a == Answer::Cancel) {
            box->clearSelection();
            stop.found = false;
            return;
        }
    }
    Timer1->stop();
    if (stop.found) restoreFoundLine();
    stop.found = false;
    d.message("Search complete, entry not found.");
    box->clearSelection();
}

}  // namespace plevo
