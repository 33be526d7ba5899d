#pragma once
// Runs two independent pieces of work at once on a second thread where the standard library has
// threads; the shipped Windows build has none (win32 thread model) and runs them in turn.

#include <exception>
#include <utility>

#if !defined(_WIN32)
#include <system_error>
#include <thread>
#endif

namespace plevo {

template <typename First, typename Second>
void runBoth(First&& first, Second&& second) {
#if defined(_WIN32)
    first();
    second();
#else
    // An exception on the other thread (no memory left) is raised here, after both ended.
    std::exception_ptr failed;
    std::thread other;
    try {
        other = std::thread([&] {
            try {
                first();
            } catch (...) {
                failed = std::current_exception();
            }
        });
    } catch (const std::system_error&) {  // no thread to be had: one after the other
        first();
        second();
        return;
    }
    try {
        second();
    } catch (...) {
        other.join();
        throw;
    }
    other.join();
    if (failed) std::rethrow_exception(failed);
#endif
}

}  // namespace plevo
