#pragma once
// Saves what the screen shows in an area as a PNG file: the one piece of the screenshots that
// needs the backend's own calls.

#include <string>

#include "ui/Types.h"

namespace plevo::test {

// False when the screen could not be read or the file not written.
bool captureScreenArea(const ui::Rect& area, const std::string& file);

}  // namespace plevo::test
