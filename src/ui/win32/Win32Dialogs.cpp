#include "ui/win32/Win32Dialogs.h"

#include <cstring>
#include <vector>

#include "ui/Form.h"
#include "ui/InputBox.h"
#include "ui/win32/Text.h"
#include "ui/win32/Win32Toolkit.h"

namespace plevo::ui::win32 {
namespace {

// A question asked at a given place: the hook moves the message box as it becomes active.
struct Placing {
    HHOOK hook = nullptr;
    POINT at{};
};
Placing placing;

LRESULT CALLBACK placeBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && placing.hook) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char name[16] = {};
        GetClassNameA(box, name, sizeof(name));
        if (std::strcmp(name, "#32770") == 0) {
            SetWindowPos(box, nullptr, placing.at.x, placing.at.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            HHOOK hook = placing.hook;
            placing.hook = nullptr;
            const LRESULT r = CallNextHookEx(hook, code, wParam, lParam);
            UnhookWindowsHookEx(hook);
            return r;
        }
    }
    return CallNextHookEx(placing.hook, code, wParam, lParam);
}

// The other windows of the program stay disabled while a box is up, and the window that was
// active is active again afterwards.
class BoxScope {
public:
    explicit BoxScope(Win32Toolkit& toolkit) : owner_(GetActiveWindow()), scope_(toolkit, owner_) {}
    ~BoxScope() {
        scope_.restore();
        if (owner_ && IsWindowVisible(owner_)) SetActiveWindow(owner_);
    }
    BoxScope(const BoxScope&) = delete;
    BoxScope& operator=(const BoxScope&) = delete;
    HWND owner() const { return owner_; }

private:
    HWND owner_;
    Win32Toolkit::ModalScope scope_;
};

}  // namespace

int Win32Dialogs::box(const std::string& text, UINT type, std::optional<ScreenPoint> at) {
    const std::string shown = displayText(text);
    int answer = 0;
    {
        BoxScope scope(toolkit_);
        if (at) {
            const Point screen = toolkit_.scale().toScreen(Point{at->x, at->y});
            placing.at = {screen.x, screen.y};
            placing.hook = SetWindowsHookExA(WH_CBT, placeBox, nullptr, GetCurrentThreadId());
        }
        answer = MessageBoxA(scope.owner(), shown.c_str(), toolkit_.title().c_str(),
                             type | MB_SETFOREGROUND);
        if (placing.hook) {
            UnhookWindowsHookEx(placing.hook);
            placing.hook = nullptr;
        }
    }
    toolkit_.rethrowPending();
    return answer;
}

void Win32Dialogs::message(const std::string& text) {
    box(text, MB_OK);
}

Answer Win32Dialogs::confirm(const std::string& text, Buttons buttons,
                             std::optional<ScreenPoint> at) {
    const UINT type =
        MB_ICONQUESTION | (buttons == Buttons::YesNoCancel ? MB_YESNOCANCEL : MB_YESNO);
    switch (box(text, type, at)) {
        case IDYES:
            return Answer::Yes;
        case IDNO:
            return Answer::No;
        default:
            // Closing the box is its last button.
            return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
}

std::optional<std::string> Win32Dialogs::input(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& defaultText) {
    return ui::runInputBox(toolkit_, caption, prompt, defaultText);
}

std::optional<std::string> Win32Dialogs::fileDialog(const FileDialogOptions& options, bool save) {
    const std::string filter = fileFilter(options.filter);
    std::vector<char> file(32768, '\0');
    options.fileName.copy(file.data(), std::min(options.fileName.size(), file.size() - 1));
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.lpstrFilter = options.filter.empty() ? nullptr : filter.data();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = options.initialDir.empty() ? nullptr : options.initialDir.c_str();
    dialog.lpstrDefExt = options.defaultExt.empty() ? nullptr : options.defaultExt.c_str();
    dialog.lpstrTitle = options.title.empty() ? nullptr : options.title.c_str();
    // A name that does not exist is the caller's to judge, and every save replaces the chosen
    // file without a second question: the tool asks its own.
    dialog.Flags =
        OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER | OFN_ENABLESIZING;
    BOOL chosen = FALSE;
    {
        BoxScope scope(toolkit_);
        dialog.hwndOwner = scope.owner();
        chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    }
    toolkit_.rethrowPending();
    if (!chosen) return std::nullopt;
    return std::string(file.data());
}

std::optional<std::string> Win32Dialogs::openFile(const FileDialogOptions& options) {
    return fileDialog(options, false);
}

std::optional<std::string> Win32Dialogs::saveFile(const FileDialogOptions& options) {
    return fileDialog(options, true);
}

void Win32Dialogs::error(const std::string& text) {
    box(text, MB_OK | MB_ICONERROR);
}

int Win32Dialogs::runModal(ui::Form& form) {
    return form.showModal();
}

}  // namespace plevo::ui::win32
