#pragma once
// The tool's dialogs, which store the registry before the tool turns to the user. Whatever an
// operation has changed in the registry is then on disk before any message tells the user it is
// done, before any question waits for an answer and before a modal window is shown, however deep
// in other operations it runs: a program ended while a message or window is up loses nothing it
// reported.

#include <functional>
#include <optional>
#include <string>

#include "platform/Dialogs.h"

namespace plevo {

class StoringDialogs : public Dialogs {
public:
    // `store` writes what changed (nothing when nothing did); an empty one stores nothing.
    StoringDialogs(Dialogs& shown, std::function<void()> store)
        : shown_(shown), store_(std::move(store)) {}

    // Stores the registry now. An error leaves here: the operation stops before it reports.
    void store() const {
        if (store_) store_();
    }

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
    Dialogs& shown_;
    std::function<void()> store_;
};

}  // namespace plevo
