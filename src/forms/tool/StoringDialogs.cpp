#include "forms/tool/StoringDialogs.h"

namespace plevo {

void StoringDialogs::message(const std::string& text) {
    store();
    shown_.message(text);
}

Answer StoringDialogs::confirm(const std::string& text, Buttons buttons,
                               std::optional<ScreenPoint> at) {
    store();
    return shown_.confirm(text, buttons, at);
}

std::optional<std::string> StoringDialogs::input(const std::string& caption,
                                                 const std::string& prompt,
                                                 const std::string& defaultText) {
    store();
    return shown_.input(caption, prompt, defaultText);
}

std::optional<std::string> StoringDialogs::openFile(const FileDialogOptions& options) {
    store();
    return shown_.openFile(options);
}

std::optional<std::string> StoringDialogs::saveFile(const FileDialogOptions& options) {
    store();
    return shown_.saveFile(options);
}

void StoringDialogs::error(const std::string& text) {
    // The error is shown whatever happens to the store; a store that fails fails again at the
    // operation's end, with its own error box.
    try {
        store();
    } catch (...) {
    }
    shown_.error(text);
}

int StoringDialogs::runModal(ui::Form& form) {
    store();
    return shown_.runModal(form);
}

}  // namespace plevo
