#pragma once
// The dialogs a user sees: Qt message boxes and file dialogs, and the layer's input box.

#include <QString>

#include "platform/Dialogs.h"
#include "ui/Toolkit.h"

namespace plevo {

class QtDialogs : public Dialogs {
public:
    // Boxes are centred over the window that is active when they open; the input box is a
    // window of `toolkit`.
    explicit QtDialogs(ui::Toolkit& toolkit) : toolkit_(toolkit) {}

    void message(const std::string& text) override;
    Answer confirm(const std::string& text, Buttons buttons,
                   std::optional<ScreenPoint> at) override;
    std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                     const std::string& defaultText) override;
    std::optional<std::string> openFile(const FileDialogOptions& options) override;
    std::optional<std::string> saveFile(const FileDialogOptions& options) override;
    void error(const std::string& text) override;
    int runModal(ui::Form& form) override;

private:
    ui::Toolkit& toolkit_;
};

// "Text files (*.txt)|*.TXT" as a Qt name filter; patterns match either letter case.
QString qtNameFilter(const std::string& filter);

}  // namespace plevo
