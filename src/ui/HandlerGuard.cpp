#include "ui/HandlerGuard.h"

#include <new>
#include <string>

namespace plevo {

bool runGuarded(Dialogs& dialogs, const std::function<void()>& fn) noexcept {
    std::string text;
    try {
        fn();
        return true;
    } catch (const std::bad_alloc&) {
        text = "Out of memory";
    } catch (const std::exception& e) {
        text = e.what();
    } catch (...) {
        text = "Unknown error";
    }
    try {
        dialogs.error(text);
    } catch (...) {
        // Nothing is left to tell the user with; the program goes on.
    }
    return false;
}

}  // namespace plevo
