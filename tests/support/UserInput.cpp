#include "support/UserInput.h"

#include <cstdlib>

namespace plevo::test {

void UserInput::pause() {
    static const int pace = [] {
        const char* set = std::getenv("PLEVO_USER_PACE");
        return set ? std::atoi(set) : 0;
    }();
    if (pace > 0) waitUntil([] { return false; }, pace);
}

}  // namespace plevo::test
