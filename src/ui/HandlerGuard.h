#pragma once
// Every entry point that a click, key or timer runs goes through runGuarded: an exception ends the
// operation where it stands, the general error box shows its text, and the program goes on. No
// exception crosses the event loop.

#include <exception>
#include <functional>

#include "platform/Dialogs.h"

namespace plevo {

// Runs fn; returns false when it ended by an exception (already shown to the user).
bool runGuarded(Dialogs& dialogs, const std::function<void()>& fn) noexcept;

}  // namespace plevo
