#pragma once
// The input box: a small dialog window of the layer with the prompt, an edit box with the
// default answer selected, OK and Cancel.

#include <optional>
#include <string>

namespace plevo::ui::win32 {

class Win32Toolkit;

// The answer, or nullopt when the user cancelled.
std::optional<std::string> runInputBox(Win32Toolkit& toolkit, const std::string& caption,
                                       const std::string& prompt, const std::string& defaultText);

}  // namespace plevo::ui::win32
