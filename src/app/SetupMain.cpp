// Setup: the installer. Its window, the installer's operations, and the seams of the platform;
// nothing of Plevo's list or registry logic.
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/RunSetup.h"
#include "platform/DriveC.h"
#include "platform/Files.h"
#include "setup/ShellLink.h"
#include "setup/SystemSetup.h"
#include "ui/Backend.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    const std::unique_ptr<plevo::ui::Toolkit> toolkit =
        plevo::ui::createToolkit(argc, argv, "Setup");
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
    return plevo::runSetup(*toolkit, {.dialogs = *dialogs,
                                      .driveC = driveC,
                                      .sourceFolder = source,
                                      .shortcuts = *shortcuts,
                                      .startProgram = plevo::startInstalledProgram,
                                      .rememberedFolderFile = plevo::rememberedFolderFile()});
}
