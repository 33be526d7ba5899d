#pragma once
// The window tests' toolkit: one per test program, made by the backend of the build.

#include "ui/Toolkit.h"

namespace plevo::test {

ui::Toolkit& testToolkit();

}  // namespace plevo::test
