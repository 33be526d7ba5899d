#pragma once
// Every message box, question, input box and file dialog of the tool goes through Dialogs, so
// that tests can script the user's answers. Texts are 8-bit bytes exactly as the tool words them;
// lines are joined by LF CR ("\n\r"), and only a backend turns that into line breaks.

#include <initializer_list>
#include <optional>
#include <string>

namespace plevo {

namespace ui {
class Form;
}

enum class Answer { Ok, Yes, No, Cancel };

enum class Buttons { YesNo, YesNoCancel };

// A screen position for a question that should not cover what it asks about.
struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

struct FileDialogOptions {
    std::string defaultExt;  // "txt"
    std::string filter;      // "Text files (*.txt)|*.TXT": description|patterns pairs
    std::string fileName;    // proposed name, or a full path
    std::string initialDir;  // empty: the dialog's own choice
    std::string title;       // empty: the system's own ("Open", "Save As")
    bool operator==(const FileDialogOptions&) const = default;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // An information message with one OK button.
    virtual void message(const std::string& text) = 0;
    // A question; returns Yes, No or (with YesNoCancel) Cancel. Closing the box counts as the
    // last button (No or Cancel).
    virtual Answer confirm(const std::string& text, Buttons buttons,
                           std::optional<ScreenPoint> at = std::nullopt) = 0;
    // An input box; nullopt when cancelled.
    virtual std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                             const std::string& defaultText) = 0;
    // File dialogs; the chosen path, or nullopt when cancelled.
    virtual std::optional<std::string> openFile(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogOptions& options) = 0;
    // The general error box: an operation ended by an error shows its text here.
    virtual void error(const std::string& text) = 0;
    // Shows one of the tool's own windows modally and returns its result (ui::kResult...).
    virtual int runModal(ui::Form& form) = 0;
};

// The line separator of the tool's message texts.
inline constexpr const char* kLineBreak = "\n\r";

// A message of several lines, joined by kLineBreak.
inline std::string messageLines(std::initializer_list<std::string> lines) {
    std::string out;
    bool first = true;
    for (const std::string& line : lines) {
        if (!first) out += kLineBreak;
        out += line;
        first = false;
    }
    return out;
}

}  // namespace plevo
