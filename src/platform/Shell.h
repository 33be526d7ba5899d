#pragma once
// The shell's "open" operation. On Windows the system opens the file with its own program (a
// .reg file goes to the registry import, which asks the user first). Elsewhere a .reg file is
// imported into the substitute registry after the same question, and other files go to the
// desktop's opener. The caller learns whether the program has ended, so that it knows when the
// file may be deleted.

#include <filesystem>
#include <functional>
#include <string>

#include "platform/Dialogs.h"

namespace plevo {

// What became of a request to open a file.
enum class ShellRun {
    Refused,   // the shell did not take the request
    Finished,  // taken, and waited for: the program that opened the file (the import with its
               // question) has ended, so the file is no longer needed
    Running,   // taken, but there was nothing to wait for: the program may still read the file
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens file; `shownName` is how the user knows it ("C:\Rules.reg").
    virtual ShellRun open(const std::filesystem::path& file, const std::string& shownName) = 0;
};

#ifdef _WIN32
// Waits for the program the system starts, letting window events run meanwhile, when the system
// gives a process to wait for (not, for instance, when it hands the file over by DDE).
class WindowsShell : public Shell {
public:
    // `pumpEvents` runs the program's pending window events while it waits.
    explicit WindowsShell(std::function<void()> pumpEvents);
    ShellRun open(const std::filesystem::path& file, const std::string& shownName) override;

private:
    std::function<void()> pumpEvents_;
};
#endif

// Off Windows: imports .reg files with `importRegFile` after a Yes/No question, before it
// returns (Finished); other files go to `openOther`, the desktop's opener (Running when it took
// the file).
class SubstituteShell : public Shell {
public:
    using Importer = std::function<void(const std::filesystem::path&)>;
    using Opener = std::function<bool(const std::filesystem::path&)>;
    SubstituteShell(Dialogs& dialogs, Importer importRegFile, Opener openOther = {});
    ShellRun open(const std::filesystem::path& file, const std::string& shownName) override;

private:
    Dialogs& dialogs_;
    Importer import_;
    Opener openOther_;
};

}  // namespace plevo
