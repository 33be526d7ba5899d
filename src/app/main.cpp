// Plevo: start-up. The application title, then every window once, in a fixed order; the main
// window is shown and closing it ends the program.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <filesystem>

#include "app/PlevoTool.h"
#include "platform/QtDialogs.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plevo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Plevo"));

    // Off Windows a folder of the user's stands for drive C.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString driveC = data + QStringLiteral("/drive_c");
    QDir().mkpath(driveC);

    plevo::QtDialogs dialogs;
    plevo::PlevoTool tool(
        {.dialogs = dialogs, .driveC = std::filesystem::path(driveC.toStdString())});
    tool.show();
    return QApplication::exec();
}
