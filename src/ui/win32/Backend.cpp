// The Win32 backend of the control layer.
#include "ui/Backend.h"

#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/Win32Toolkit.h"

namespace plevo::ui {

std::unique_ptr<Toolkit> createToolkit(int&, char**, const std::string& title) {
    return std::make_unique<win32::Win32Toolkit>(title);
}

std::unique_ptr<Dialogs> createDialogs(Toolkit& toolkit) {
    return std::make_unique<win32::Win32Dialogs>(dynamic_cast<win32::Win32Toolkit&>(toolkit));
}

}  // namespace plevo::ui
