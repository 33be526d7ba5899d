#pragma once
// Setup's run from its start to its end, the way its main starts it (the window tests start it
// here too): its window made and shown, the event loop run until the window has closed.

#include "setup/Installer.h"

namespace plevo {

namespace ui {
class Toolkit;
}

// Returns the loop's exit code once the window has closed and is gone.
int runSetup(ui::Toolkit& toolkit, const InstallerSetup& setup);

}  // namespace plevo
