#pragma once
// The input box of both backends: a window of the layer with the prompt, an edit box with the
// default answer selected, OK and Cancel. A prompt too tall for the screen (the identity question
// with many identities) is shown in a box of its own that scrolls, so that the window, its edit
// box and its buttons stay on the screen.

#include <memory>
#include <optional>
#include <string>

#include "ui/Form.h"
#include "ui/Toolkit.h"

namespace plevo::ui {

// The window, hidden. Its controls: "Prompt" (a label, or a read-only memo when the prompt must
// scroll), "Value", "OK" and "Cancel".
std::unique_ptr<Form> makeInputBox(Toolkit& toolkit, const std::string& caption,
                                   const std::string& prompt, const std::string& defaultText);

// Shows the box modally: the answer, or nullopt when the user cancelled.
std::optional<std::string> runInputBox(Toolkit& toolkit, const std::string& caption,
                                       const std::string& prompt, const std::string& defaultText);

}  // namespace plevo::ui
