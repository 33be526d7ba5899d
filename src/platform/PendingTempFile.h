#pragma once
// The temporary file of the write in progress, known to the signal handlers so that a program
// ended by SIGTERM, SIGINT or SIGHUP leaves no half-written file behind. One write at a time is
// known; another one running in another thread at the same moment is not cleaned up.

#ifndef _WIN32
#include <signal.h>
#endif

namespace plevo {

// Installs the handlers for SIGTERM, SIGINT and SIGHUP (signals that are ignored stay ignored).
// A handler removes the pending temporary file, then the signal takes its usual course. Nothing
// on Windows.
void removeTempFileOnSignals();

// While one lives, SIGTERM, SIGINT and SIGHUP wait in this thread: creating or renaming the file
// and telling the handlers about it happen as one step.
class SignalsHeld {
public:
    SignalsHeld();
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
#ifndef _WIN32
    sigset_t saved_;
#endif
};

// One write's claim on the handlers' slot.
class PendingTempFile {
public:
    PendingTempFile() = default;
    ~PendingTempFile() { clear(); }
    PendingTempFile(const PendingTempFile&) = delete;
    PendingTempFile& operator=(const PendingTempFile&) = delete;

    // The path is copied. Not known to the handlers when another write holds the slot or the
    // path is too long for it.
    void set(const char* path);
    // The file was renamed or removed: the handlers forget it.
    void clear();

private:
    bool holds_ = false;
};

}  // namespace plevo
