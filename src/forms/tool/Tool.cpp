#include "forms/tool/Tool.h"

#include "ui/Form.h"
#include "ui/HandlerGuard.h"
#include "ui/Toolkit.h"

namespace plevo {

Tool::Tool(const ToolSetup& setup)
    : toolkit_(setup.toolkit),
      dialogs_(setup.dialogs, setup.persistRegistry),
      registry_(setup.registry),
      shell_(setup.shell),
      pump_(setup.toolkit),
      driveC_(setup.driveC) {}

void Tool::handle(const std::function<void()>& operation) {
    runGuarded(dialogs_, operation);
    // What an operation changed in the registry is kept at its end, also when it failed (the
    // registry keeps what was written before an error) and when it ran inside another one, as
    // everything in a modal window does: the outer operation may not end for a long while.
    runGuarded(dialogs_, [this] { dialogs_.store(); });
}

void Tool::handleStep(const std::function<void()>& step) {
    if (pump_.walking()) return;
    handle(step);
}

void Tool::closeAll() {
    for (ui::Form* w : windows())
        if (w != &mainWindow_->form()) w->hide();
    toolkit_.quit();
}

}  // namespace plevo
