#include "forms/workbench/MemoBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/qt/Text.h"

namespace plevo {

TMemo::TMemo(const QString& name, QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(name);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    document()->setUndoRedoEnabled(false);
}

int TMemo::lineCount() const {
    const QTextDocument* doc = document();
    int n = doc->blockCount();
    if (doc->lastBlock().length() <= 1) --n;  // an empty last line is not counted
    return n;
}

std::string TMemo::line(int index) const {
    return fromQString(document()->findBlockByNumber(index).text());
}

std::vector<std::string> TMemo::lines() const {
    std::vector<std::string> out;
    const int n = lineCount();
    out.reserve(static_cast<std::size_t>(n));
    QTextBlock block = document()->begin();
    for (int i = 0; i < n && block.isValid(); ++i, block = block.next())
        out.push_back(fromQString(block.text()));
    return out;
}

TextList TMemo::textList() const {
    TextList list;
    list.entries = lines();
    list.endsWithBreak = !list.entries.empty() && document()->lastBlock().length() <= 1;
    return list;
}

void TMemo::setTextList(const TextList& list) {
    std::size_t size = 0;
    for (const auto& e : list.entries) size += e.size() + 1;
    std::string joined;
    joined.reserve(size);
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        if (i > 0) joined += '\n';
        joined += list.entries[i];
    }
    if (list.endsWithBreak && !list.entries.empty()) joined += '\n';
    setPlainText(toQString(joined));
}

void TMemo::setLines(const std::vector<std::string>& lines) {
    setTextList(TextList{lines, true});
}

void TMemo::setRawText(std::string_view text) {
    setTextList(parseTextList(text));
}

void TMemo::replaceLine(int index, const std::string& text) {
    QTextBlock block = document()->findBlockByNumber(index);
    if (!block.isValid()) return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(toQString(text));
}

void TMemo::appendLine(const std::string& text) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    QString add;
    if (document()->lastBlock().length() > 1) add += u'\n';
    add += toQString(text);
    add += u'\n';
    cursor.insertText(add);
}

void TMemo::clearLines() {
    setPlainText(QString());
}

void TMemo::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) emit clicked();
}

void TMemo::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & Qt::ShiftModifier)) {
        textCursor().insertBlock();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

}  // namespace plevo
