#pragma once
// The system's message boxes (MessageBoxA) and file dialogs (GetOpenFileNameA,
// GetSaveFileNameA), and the layer's input box.

#include "platform/Dialogs.h"
#include "ui/win32/Win32.h"

namespace plevo::ui::win32 {

class Win32Toolkit;

class Win32Dialogs final : public Dialogs {
public:
    explicit Win32Dialogs(Win32Toolkit& toolkit) : toolkit_(toolkit) {}

    void message(const std::string& text) override;
    Answer confirm(const std::string& text, Buttons buttons,
                   std::optional<ScreenPoint> at = std::nullopt) override;
    std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                     const std::string& defaultText) override;
    std::optional<std::string> openFile(const FileDialogOptions& options) override;
    std::optional<std::string> saveFile(const FileDialogOptions& options) override;
    void error(const std::string& text) override;
    int runModal(ui::Form& form) override;

private:
    int box(const std::string& text, UINT type, std::optional<ScreenPoint> at = std::nullopt);
    std::optional<std::string> fileDialog(const FileDialogOptions& options, bool save);

    Win32Toolkit& toolkit_;
};

}  // namespace plevo::ui::win32
