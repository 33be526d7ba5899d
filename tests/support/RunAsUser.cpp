#include "support/RunAsUser.h"

#include <gtest/gtest.h>

#include <exception>
#include <memory>

#include "support/TestToolkit.h"
#include "support/UserInput.h"
#include "ui/Toolkit.h"

namespace plevo::test {

int runAsUser(const std::function<int()>& start, const std::function<void()>& script) {
    // A program whose last window has closed ends its loop at once; one still running after
    // this long never will.
    constexpr int kGraceMs = 3000;
    bool over = false;
    std::unique_ptr<UserInput::Pending> watchdog;
    const auto steps = user().later(0, [&] {
        // Nothing may leave through the toolkit's loop: a missing window or control fails here.
        try {
            script();
        } catch (const std::exception& e) {
            ADD_FAILURE() << "the user's steps stopped: " << e.what();
        }
        over = true;
        watchdog = user().later(kGraceMs, [] {
            ADD_FAILURE() << "the program went on running after the user's last step";
            testToolkit().quit();
        });
    });
    const int result = start();
    watchdog.reset();
    EXPECT_TRUE(over) << "the program ended before its user was done";
    return result;
}

}  // namespace plevo::test
