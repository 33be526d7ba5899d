// Plevo: start-up. The backend's toolkit and dialogs, the registry and drive C of the platform,
// then every window once, in a fixed order; the main window is shown and closing it ends the
// program.
#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>

#include "app/RunPlevo.h"
#include "platform/Files.h"
#include "platform/PendingTempFile.h"
#include "platform/Shell.h"
#include "ui/Backend.h"

#ifdef _WIN32
#include "registry/WindowsRegistry.h"
#else
#include "registry/SubstituteRegistry.h"
#endif

int main(int argc, char** argv) {
    // Ended from outside while it writes a file, it leaves no temporary file behind.
    plevo::removeTempFileOnSignals();
    const std::unique_ptr<plevo::ui::Toolkit> toolkit =
        plevo::ui::createToolkit(argc, argv, "Plevo");
    const std::unique_ptr<plevo::Dialogs> dialogs = plevo::ui::createDialogs(*toolkit);

#ifdef _WIN32
    plevo::WindowsRegistry registry;
    // While the shell waits for a program it started, the windows go on repainting.
    plevo::WindowsShell shell([&toolkit] { toolkit->processEvents(); });
    const std::filesystem::path driveC = "C:\\";
    std::function<void()> persist;
#else
    // Off Windows the registry of the current user and drive C live in the user's data folder.
    const std::filesystem::path folder = plevo::userDataFolder();
    const std::filesystem::path driveC = folder / "drive_c";
    std::error_code ignored;  // a folder that cannot be made shows up at the first file written
    std::filesystem::create_directories(driveC, ignored);
    plevo::SubstituteRegistry registry;
    try {
        registry.load(folder / "HKEY_CURRENT_USER.reg");
    } catch (const std::exception& e) {
        dialogs->error(e.what());
    }
    // A file that cannot be read is never overwritten; the tool works on without a registry.
    if (!registry.inService()) dialogs->error(registry.failure());
    plevo::SubstituteShell shell(
        *dialogs, [&registry](const std::filesystem::path& file) { registry.importFile(file); },
        [&toolkit](const std::filesystem::path& file) {
            return toolkit->openDocument(plevo::pathText(file));
        });
    std::function<void()> persist = [&registry] { registry.flush(); };
#endif

    return plevo::runPlevo({.toolkit = *toolkit,
                            .dialogs = *dialogs,
                            .registry = registry,
                            .shell = shell,
                            .driveC = driveC,
                            .persistRegistry = persist});
}
