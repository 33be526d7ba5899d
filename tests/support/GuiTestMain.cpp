// The main of the window tests: one toolkit of the build's backend for all tests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "support/TestToolkit.h"
#include "ui/Backend.h"

namespace plevo::test {
namespace {
std::unique_ptr<ui::Toolkit> toolkit;
}

ui::Toolkit& testToolkit() {
    return *toolkit;
}

}  // namespace plevo::test

int main(int argc, char** argv) {
#ifndef _WIN32
    // No display is needed: Qt draws the windows offscreen unless told otherwise.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
    plevo::test::toolkit = plevo::ui::createToolkit(argc, argv, "Plevo");
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    plevo::test::toolkit.reset();
    return result;
}
