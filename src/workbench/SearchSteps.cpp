// Search in either list of the main window: each line holding the term is offered in turn,
// highlighted and marked by a blinking arrow, until the user takes one, cancels, or the list ends.
#include <QTextCursor>
#include <QTextDocument>

#include "app/PlevoTool.h"
#include "platform/Dialogs.h"
#include "platform/Text.h"
#include "workbench/LineSort.h"
#include "workbench/ReplaceCharsUnit.h"

namespace plevo {
namespace {

void selectFirstOccurrence(QPlainTextEdit* box, const std::string& text) {
    box->setFocus();
    const QTextCursor found =
        box->document()->find(toQString(text), 0, QTextDocument::FindCaseSensitively);
    if (!found.isNull()) box->setTextCursor(found);
}

void removeSelection(QPlainTextEdit* box) {
    QTextCursor c = box->textCursor();
    c.setPosition(0);
    box->setTextCursor(c);
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
    auto* box = static_cast<TMemo*>(s.SearchBox);
    if (box && s.FoundLineIndex >= 0 && s.FoundLineIndex < box->lineCount())
        box->replaceLine(s.FoundLineIndex, s.FoundLine);
}

void TReplace::Timer1Timer() {
    SharedState& s = tool_.state();
    auto* box = static_cast<TMemo*>(s.SearchBox);
    if (!box || s.FoundLineIndex < 0 || s.FoundLineIndex >= box->lineCount()) return;
    if (!MarkerPhase) {
        MarkerPhase = true;
        box->replaceLine(s.FoundLineIndex, s.FoundLine);
    } else {
        MarkerPhase = false;
        box->replaceLine(s.FoundLineIndex, s.FoundLine + kSearchMarker);
    }
}

void TReplace::Search(TMemo* box) {
    SharedState& s = tool_.state();
    Dialogs& d = tool_.dialogs();
    s.SearchBox = box;
    if (box->document()->isEmpty()) return;
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

    const ScreenPoint under{x() + RemoveImage->x(), y() + RemoveImage->y() + RemoveImage->height()};
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
            removeSelection(box);
            stop.found = false;
            return;
        }
    }
    Timer1->stop();
    if (stop.found) restoreFoundLine();
    stop.found = false;
    d.message("Search complete, entry not found.");
    removeSelection(box);
}

}  // namespace plevo
