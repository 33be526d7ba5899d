// Search in either list of the main window: each line holding the term is offered in turn,
// highlighted and marked by a blinking arrow, until the user takes one, cancels, or the list ends.
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "app/PlevoTool.h"
#include "ui/Dialogs.h"
#include "ui/qt/Text.h"
#include "lists/LineSort.h"
#include "forms/workbench/ReplaceCharsUnit.h"

namespace plevo {
namespace {

void selectFirstOccurrence(QPlainTextEdit* box, const std::string& text) {
    // Searched in the blocks' own text: the document's find() would read a non-breaking space
    // as a blank and miss lines that hold one. The text has no line break, so a match never
    // spans two lines.
    box->setFocus();
    const QString wanted = toQString(text);
    for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next()) {
        const qsizetype at = b.text().indexOf(wanted);
        if (at < 0) continue;
        QTextCursor c(box->document());
        c.setPosition(b.position() + static_cast<int>(at));
        c.setPosition(b.position() + static_cast<int>(at + wanted.size()), QTextCursor::KeepAnchor);
        box->setTextCursor(c);
        return;
    }
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
