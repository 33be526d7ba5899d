#include "platform/PendingTempFile.h"

#include <atomic>
#include <cstring>

#ifndef _WIN32
#include <pthread.h>
#include <unistd.h>
#endif

namespace plevo {

#ifdef _WIN32

void removeTempFileOnSignals() {}
SignalsHeld::SignalsHeld() = default;
SignalsHeld::~SignalsHeld() = default;
void PendingTempFile::set(const char*) {}
void PendingTempFile::clear() {}

#else

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The one slot: Free, Filling (the path is being copied) or Ready (the handler may use it).
enum : int { Free, Filling, Ready };
std::atomic<int> slotState{Free};
char slotPath[4096];
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the slot");

extern "C" void removePendingAndRaise(int signal) {
    // Only async-signal-safe calls from here on.
    if (slotState.load() == Ready) ::unlink(slotPath);
    struct sigaction usual {};
    usual.sa_handler = SIG_DFL;
    sigemptyset(&usual.sa_mask);
    ::sigaction(signal, &usual, nullptr);
    // Blocked while the handler runs: delivered with its default action when it returns.
    ::raise(signal);
}

sigset_t heldSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int s : kSignals) sigaddset(&set, s);
    return set;
}

}  // namespace

void removeTempFileOnSignals() {
    for (const int s : kSignals) {
        struct sigaction current {};
        if (::sigaction(s, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) continue;
        struct sigaction handler {};
        handler.sa_handler = removePendingAndRaise;
        handler.sa_mask = heldSignals();  // one handler at a time
        ::sigaction(s, &handler, nullptr);
    }
}

SignalsHeld::SignalsHeld() {
    const sigset_t held = heldSignals();
    ::pthread_sigmask(SIG_BLOCK, &held, &saved_);
}

SignalsHeld::~SignalsHeld() {
    ::pthread_sigmask(SIG_SETMASK, &saved_, nullptr);
}

void PendingTempFile::set(const char* path) {
    const std::size_t n = std::strlen(path);
    if (holds_ || n >= sizeof slotPath) return;
    int expected = Free;
    if (!slotState.compare_exchange_strong(expected, Filling)) return;
    std::memcpy(slotPath, path, n + 1);
    slotState.store(Ready);
    holds_ = true;
}

void PendingTempFile::clear() {
    if (!holds_) return;
    slotState.store(Free);
    holds_ = false;
}

#endif

}  // namespace plevo
