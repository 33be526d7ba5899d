// The text boxes: the one-line edit box and the multi-line box of a list (the memo: one entry per
// line, no wrapping, every byte but CR and LF kept; its lines are read block by block, never
// through toPlainText(), which changes some characters).
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>

#include "ui/qt/QtControl.h"
#include "ui/qt/QtControlFactory.h"
#include "ui/qt/Text.h"

namespace plevo::ui::qt {
namespace {

// A click into the box runs its onClick, as a click on any other control does.
class ClickLineEdit : public QLineEdit {
public:
    ClickLineEdit(QWidget* parent, std::function<void()> clicked)
        : QLineEdit(parent), clicked_(std::move(clicked)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLineEdit::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton) clicked_();
    }

private:
    std::function<void()> clicked_;
};

class QtEdit : public QtControl<Edit> {
public:
    QtEdit(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtControl(form, spec, new ClickLineEdit(parent, [this] { clickIfEnabled(); })) {
        edit()->setReadOnly(spec.flags & kReadOnly);
        noHideSel_ = spec.flags & kNoHideSel;
        if (spec.flags & kRight) edit()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (spec.flags & kCentre) edit()->setAlignment(Qt::AlignCenter);
        QObject::connect(edit(), &QLineEdit::textChanged, edit(), [this] {
            const Handler handler = onChange;
            if (handler) handler();
        });
    }
    void selectAll() override { edit()->selectAll(); }
    void select(int start, int length) override {
        if (length > 0) {
            edit()->setSelection(start, length);
        } else {
            edit()->deselect();
            edit()->setCursorPosition(start);
        }
    }
    std::string selectedText() const override { return fromQString(edit()->selectedText()); }
    void setReadOnly(bool readOnly) override { edit()->setReadOnly(readOnly); }
    void type(std::string_view text) override { edit()->insert(toQString(text)); }

protected:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
    void paletteApplied() override {
        if (!noHideSel_) return;
        // The inactive highlight is the active one: the selection shows without the focus.
        QPalette p = edit()->palette();
        p.setColor(QPalette::Inactive, QPalette::Highlight,
                   p.color(QPalette::Active, QPalette::Highlight));
        p.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   p.color(QPalette::Active, QPalette::HighlightedText));
        edit()->setPalette(p);
    }
    QString captionText() const override { return edit()->text(); }
    void setCaptionText(const QString& text) override { edit()->setText(text); }

private:
    bool noHideSel_ = false;
};

class MemoWidget : public QPlainTextEdit {
public:
    MemoWidget(QWidget* parent, std::function<void()> clicked)
        : QPlainTextEdit(parent), clicked_(std::move(clicked)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QPlainTextEdit::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton) clicked_();
    }
    // Shift+Enter would put a soft line break into a line; in a list every break ends an entry.
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            (event->modifiers() & Qt::ShiftModifier) && !isReadOnly()) {
            textCursor().insertBlock();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

private:
    std::function<void()> clicked_;
};

// Text with any line ends (CR LF, LF or a lone CR) with LF ends only, as the document reads them.
QString withLfBreaks(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            text += '\n';
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            text += bytes[i];
        }
    }
    return toQString(text);
}

Qt::ScrollBarPolicy barPolicy(bool wanted) {
    return wanted ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
}

class QtMemo : public QtControl<Memo> {
public:
    QtMemo(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtControl(form, spec, new MemoWidget(parent, [this] { clickIfEnabled(); })) {
        QPlainTextEdit* m = memo();
        m->setLineWrapMode(QPlainTextEdit::NoWrap);
        m->setWordWrapMode(QTextOption::NoWrap);
        m->setVerticalScrollBarPolicy(barPolicy(spec.flags & kVScroll));
        m->setHorizontalScrollBarPolicy(barPolicy(spec.flags & kHScroll));
        if (spec.flags & kNoBorder) m->setFrameShape(QFrame::NoFrame);
        m->setReadOnly(spec.flags & kReadOnly);
        m->document()->setUndoRedoEnabled(false);
        QObject::connect(m, &QPlainTextEdit::textChanged, m, [this] {
            const Handler handler = onChange;
            if (handler) handler();
        });
    }

    int lineCount() const override {
        const QTextDocument* doc = memo()->document();
        int n = doc->blockCount();
        if (doc->lastBlock().length() <= 1) --n;  // an empty last line is not counted
        return n;
    }
    std::string line(int index) const override {
        return fromQString(memo()->document()->findBlockByNumber(index).text());
    }
    std::vector<std::string> lines() const override {
        std::vector<std::string> out;
        const int n = lineCount();
        out.reserve(static_cast<std::size_t>(n));
        QTextBlock block = memo()->document()->begin();
        for (int i = 0; i < n && block.isValid(); ++i, block = block.next())
            out.push_back(fromQString(block.text()));
        return out;
    }
    std::string text() const override {
        std::string out;
        const QTextDocument* doc = memo()->document();
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            if (block != doc->begin()) out += "\r\n";
            out += fromQString(block.text());
        }
        return out;
    }
    void setText(std::string_view text) override { memo()->setPlainText(withLfBreaks(text)); }
    void setLines(const std::vector<std::string>& lines) override {
        std::size_t size = 0;
        for (const auto& l : lines) size += l.size() + 1;
        std::string joined;
        joined.reserve(size);
        for (const auto& l : lines) {
            joined += l;
            joined += '\n';
        }
        memo()->setPlainText(toQString(joined));
    }
    void replaceLine(int index, std::string_view text) override {
        const QTextBlock block = memo()->document()->findBlockByNumber(index);
        if (!block.isValid()) return;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(toQString(text));
    }
    void appendLine(std::string_view text) override {
        QTextDocument* doc = memo()->document();
        QTextCursor cursor(doc);
        cursor.movePosition(QTextCursor::End);
        QString add;
        if (doc->lastBlock().length() > 1) add += u'\n';
        add += toQString(text);
        add += u'\n';
        cursor.insertText(add);
    }
    void clearLines() override { memo()->setPlainText(QString()); }
    bool isEmpty() const override { return memo()->document()->isEmpty(); }

    void select(int index, int column, int length) override {
        const QTextBlock block = memo()->document()->findBlockByNumber(index);
        if (!block.isValid()) return;
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + std::min(column, block.length() - 1));
        cursor.setPosition(
            std::min(cursor.position() + length, block.position() + block.length() - 1),
            QTextCursor::KeepAnchor);
        memo()->setTextCursor(cursor);
        memo()->ensureCursorVisible();
    }
    void clearSelection() override {
        QTextCursor cursor(memo()->document());
        memo()->setTextCursor(cursor);
    }
    std::string selectedText() const override {
        // Lines of a selection are joined by the box's line end.
        QString selected = memo()->textCursor().selectedText();
        selected.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
        return fromQString(selected);
    }
    TextSelection selection() const override {
        const QTextCursor cursor = memo()->textCursor();
        const QTextBlock block = memo()->document()->findBlock(cursor.selectionStart());
        return {.line = block.blockNumber(),
                .column = cursor.selectionStart() - block.position(),
                .length = cursor.selectionEnd() - cursor.selectionStart()};
    }
    void setReadOnly(bool readOnly) override { memo()->setReadOnly(readOnly); }
    void scrollToTop() override { memo()->verticalScrollBar()->setValue(0); }
    void type(std::string_view text) override { memo()->insertPlainText(withLfBreaks(text)); }

protected:
    QPlainTextEdit* memo() const { return static_cast<QPlainTextEdit*>(widget()); }
    QString captionText() const override { return toQString(text()); }
    void setCaptionText(const QString& text) override { setText(fromQString(text)); }
};

}  // namespace

Made makeEdit(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtEdit>(form, spec, parent);
}

Made makeMemo(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtMemo>(form, spec, parent);
}

}  // namespace plevo::ui::qt
