#include "platform/Shell.h"

#include <cctype>

#include "platform/Files.h"

#ifdef _WIN32
// windows.h first: shellapi.h rests on its types.
#include <windows.h>

#include <shellapi.h>
#endif

namespace plevo {

#ifdef _WIN32
WindowsShell::WindowsShell(std::function<void()> pumpEvents) : pumpEvents_(std::move(pumpEvents)) {}

ShellRun WindowsShell::open(const std::filesystem::path& file, const std::string&) {
    const std::string path = pathText(file);
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = "open";
    info.lpFile = path.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&info)) return ShellRun::Refused;
    // No process when the file went to a program that was running already (DDE).
    if (info.hProcess == nullptr) return ShellRun::Running;
    // The import's question is a window of its own: our windows keep repainting while it waits.
    ShellRun run = ShellRun::Running;
    for (;;) {
        const DWORD woke =
            MsgWaitForMultipleObjectsEx(1, &info.hProcess, 100, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0) {
            run = ShellRun::Finished;
            break;
        }
        if (woke == WAIT_FAILED) break;  // nothing to wait on after all: the file stays
        if (pumpEvents_) pumpEvents_();
    }
    CloseHandle(info.hProcess);
    return run;
}
#endif

SubstituteShell::SubstituteShell(Dialogs& dialogs, Importer importRegFile, Opener openOther)
    : dialogs_(dialogs), import_(std::move(importRegFile)), openOther_(std::move(openOther)) {}

ShellRun SubstituteShell::open(const std::filesystem::path& file, const std::string& shownName) {
    std::string ext = file.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".reg") {
        if (!fileExists(file)) return ShellRun::Refused;
        // As the system's import does: ask, then merge; the request counts as taken either way.
        if (dialogs_.confirm("Are you sure you want to add the information in " + shownName +
                                 " to the registry?",
                             Buttons::YesNo) == Answer::Yes)
            import_(file);
        return ShellRun::Finished;
    }
    return openOther_ && openOther_(file) ? ShellRun::Running : ShellRun::Refused;
}

}  // namespace plevo
