#pragma once
// The backend a build links (Qt or Win32) makes its toolkit and its dialogs here; nothing else
// names a backend.

#include <memory>
#include <string>

#include "platform/Dialogs.h"
#include "ui/Toolkit.h"

namespace plevo::ui {

// One per process, before any window; argc and argv go to the toolkit (Qt reads its options).
// `title` is the program's application title: the caption of its message boxes, and the name the
// desktop knows the program by.
std::unique_ptr<Toolkit> createToolkit(int& argc, char** argv, const std::string& title);
// Message boxes, questions, the input box and the file dialogs of the backend.
std::unique_ptr<Dialogs> createDialogs(Toolkit& toolkit);

}  // namespace plevo::ui
