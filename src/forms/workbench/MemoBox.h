#pragma once

#include <QPlainTextEdit>
#include <string>
#include <string_view>
#include <vector>

#include "lists/TextList.h"

namespace plevo {

// The multi-line text box of a list: one entry per line, no wrapping. The text is kept
// losslessly: lines are read block by block, never through toPlainText().
class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    TMemo(const QString& name, QWidget* parent);

    // Number of lines, not counting an empty last line after a final line break.
    int lineCount() const;
    std::string line(int index) const;
    std::vector<std::string> lines() const;
    TextList textList() const;

    void setTextList(const TextList& list);
    // Empties the box and appends every line (the text then ends with a line break).
    void setLines(const std::vector<std::string>& lines);
    void setRawText(std::string_view text);  // text with any line ends
    void replaceLine(int index, const std::string& text);
    // Adds a new last line followed by a line break.
    void appendLine(const std::string& text);
    void clearLines();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Shift+Enter would put a soft line break into a line; in a list every break ends an entry.
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace plevo
