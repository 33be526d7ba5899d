// Plevo: start-up. The application title, then every window once, in a fixed order; the main
// window is shown and closing it ends the program.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <filesystem>
#include <memory>

#include "app/PlevoTool.h"
#include "platform/Files.h"
#include "platform/PendingTempFile.h"
#include "platform/QtDialogs.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "registry/RegistryAccess.h"

#ifdef _WIN32
#include "registry/WindowsRegistry.h"
#else
#include "registry/SubstituteRegistry.h"
#endif

int main(int argc, char** argv) {
    // Ended from outside while it writes a file, it leaves no temporary file behind.
    plevo::removeTempFileOnSignals();
    QApplication app(argc, argv);
    // The application title only: a display name would make the window system add " - Plevo"
    // to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Plevo"));
    plevo::QtDialogs dialogs;

#ifdef _WIN32
    plevo::WindowsRegistry registry;
    plevo::WindowsShell shell;
    const std::filesystem::path driveC = "C:\\";
    std::function<void()> persist;
#else
    // Off Windows the registry of the current user and drive C live in the user's data folder.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data + QStringLiteral("/drive_c"));
    const std::filesystem::path folder = plevo::pathFromText(plevo::fromQString(data));
    const std::filesystem::path driveC = folder / "drive_c";
    plevo::SubstituteRegistry registry;
    try {
        registry.load(folder / "HKEY_CURRENT_USER.reg");
    } catch (const std::exception& e) {
        dialogs.error(e.what());
    }
    // A file that cannot be read is never overwritten; the tool works on without a registry.
    if (!registry.inService()) dialogs.error(registry.failure());
    plevo::SubstituteShell shell(
        dialogs, [&registry](const std::filesystem::path& file) { registry.importFile(file); });
    std::function<void()> persist = [&registry] { registry.flush(); };
#endif

    plevo::PlevoTool tool({.dialogs = dialogs,
                           .registry = registry,
                           .shell = shell,
                           .driveC = driveC,
                           .persistRegistry = persist});
    tool.show();
    return QApplication::exec();
}
