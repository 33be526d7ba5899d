#pragma once
// The tool's run from its start to its end, the way main starts it (the window tests start it
// here too): every window created once in its order, the main window shown, the event loop run
// until the main window has closed.

#include "forms/PlevoTool.h"

namespace plevo {

// Returns the loop's exit code once the main window has closed and every window is gone.
int runPlevo(const ToolSetup& setup);

}  // namespace plevo
