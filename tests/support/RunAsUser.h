#pragma once
// A program started the way its main starts it, and worked by its user from inside its running
// event loop.

#include <functional>

namespace plevo::test {

// `start` makes the program's windows, shows the first and runs the loop (runPlevo, runSetup);
// `script` runs from inside that loop as the user's steps (through user()). Returns what `start`
// returned once the program has ended. A program that goes on running after the script's last
// step fails the test and is made to end.
int runAsUser(const std::function<int()>& start, const std::function<void()>& script);

}  // namespace plevo::test
