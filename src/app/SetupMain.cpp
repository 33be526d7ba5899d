// Setup: the installer. Its window, the installer's operations, and the seams of the platform;
// nothing of Plevo's list or registry logic.
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "forms/setup/PlevoInstallUnit.h"
#include "platform/DriveC.h"
#include "platform/Files.h"
#include "setup/ShellLink.h"
#include "ui/Backend.h"

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>
#else
#include <unistd.h>
#endif

namespace {
namespace fs = std::filesystem;

#ifdef _WIN32
bool startProgram(const fs::path& program, const fs::path& folder) {
    const std::string file = plevo::pathText(program);
    const std::string dir = plevo::pathText(folder);
    return reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", file.c_str(), nullptr,
                                                   dir.c_str(), SW_SHOWNORMAL)) > 32;
}

fs::path rememberedFolderFile() {
    char appData[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData))) return {};
    return fs::path(plevo::pathFromText(appData)) / "Plevo" / "Install folder.txt";
}
#else
bool startProgram(const fs::path& program, const fs::path& folder) {
    // The installed program runs on its own; Setup ends right after.
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        if (chdir(folder.c_str()) != 0) _exit(127);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return true;
}

fs::path rememberedFolderFile() {
    return plevo::userDataFolder() / "Install folder.txt";
}
#endif

}  // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<plevo::ui::Toolkit> toolkit = plevo::ui::createToolkit(argc, argv);
    const std::unique_ptr<plevo::Dialogs> dialogs = plevo::ui::createDialogs(*toolkit);
#ifdef _WIN32
    const plevo::DriveC driveC("C:\\");
#else
    // The drive C folder Plevo uses, so that the backups it writes are the ones Uninstall offers
    // to delete.
    const fs::path data = plevo::userDataFolder();
    std::error_code ignored;
    fs::create_directories(data / "drive_c", ignored);
    const plevo::DriveC driveC(data / "drive_c");
#endif
    std::error_code ec;
    const fs::path source = fs::current_path(ec);
    const std::unique_ptr<plevo::ShortcutWriter> shortcuts = plevo::systemShortcutWriter();
    plevo::TMainSetUpForm window(*toolkit, {.dialogs = *dialogs,
                                            .driveC = driveC,
                                            .sourceFolder = source,
                                            .shortcuts = *shortcuts,
                                            .startProgram = startProgram,
                                            .rememberedFolderFile = rememberedFolderFile()});
    window.form().show();
    return toolkit->run();
}
