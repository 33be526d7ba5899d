#pragma once
// What Setup does: the terms at the first activation, the installation (folder, shortcuts, the
// program's files, "Company.txt"), the start of the installed program at the end, and the
// uninstallation. The window shows the details boxes and passes them in; what it must show in
// turn goes through InstallerView.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "setup/SetupPaths.h"

namespace plevo {

class ShortcutWriter;

// What the installer changes in its window.
class InstallerView {
public:
    virtual ~InstallerView() = default;
    virtual void showUninstallButton() = 0;
    // The heading, which shows the stages while installing.
    virtual void setStage(const std::string& text) = 0;
    virtual void showProgress(bool shown) = 0;
    virtual void setProgress(int position) = 0;
    // Closes the window; its closing runs Installer::close().
    virtual void closeWindow() = 0;
};

struct InstallDetails {
    std::string name;
    std::string address;
    std::string telephone;
    bool desktopIcon = true;
};

struct InstallerSetup {
    Dialogs& dialogs;
    const DriveC& driveC;
    // The folder Setup copies from: the process's folder at the first activation.
    std::filesystem::path sourceFolder;
    ShortcutWriter& shortcuts;
    // Starts a program in a working folder; false when it could not.
    std::function<bool(const std::filesystem::path& program, const std::filesystem::path& folder)>
        startProgram;
    // Where the folder of the last installation is remembered, so that an installation in a
    // folder of the user's choosing is found again. It is remembered as soon as it exists, so
    // that an installation stopped half-way is found too.
    std::filesystem::path rememberedFolderFile;
};

class Installer {
public:
    static constexpr const char* kProgramFile = "Plevo Trial.exe";
    static constexpr const char* kIconFile = "Plevo.ICO";
    static constexpr const char* kStartMenuLink = "Plevo.lnk";
    static constexpr const char* kDesktopLink = "Shortcut to Plevo.lnk";
    static constexpr const char* kDetailsFile = "Company.txt";
    static constexpr const char* kDefaultFolder = "C:\\Program Files\\Plevo";
    static constexpr const char* kSecondFolder = "C:\\Plevo";
    static constexpr const char* kProgramFiles = "C:\\Program Files\\";
    static constexpr const char* kSupportAddress = "support@plevo.example";
    // The stages an installation shows in the window's heading, in their order.
    static constexpr const char* kStages[] = {
        "Directory created now copying program files please wait.",
        " Copying text files please wait..", " Copying shortcuts please wait...",
        " Copying desktop shortcut please wait....", " All files copied......"};
#ifdef _WIN32
    static constexpr const char* kSetupFile = "Setup.exe";
#else
    static constexpr const char* kSetupFile = "Setup";
#endif

    Installer(const InstallerSetup& setup, InstallerView& view);

    // The terms; false when the user declined them (the window then closes).
    bool firstActivation();
    // Installs; closes the window when done. An empty detail or a folder that cannot be made
    // leaves the window open for another try.
    void install(const InstallDetails& details);
    // Deletes the shortcuts and the files an installation wrote (never a file of the user's in
    // its folder), then the folder when that left it empty.
    void uninstall();
    // The window closes: after an installation or uninstallation the installed program starts.
    void close();
    void help();

    const std::string& installFolder() const {
        return installFolder_;
    }

private:
    void chooseInstallFolder();
    void makeShortcutFiles();
    // Copies every entry of the source folder but the excluded names.
    void copyFolderEntries();
    void copyOneFile(const std::string& name);
    // Adds a file written into the installation folder to the folder's record.
    void record(const std::string& name);
    // The first existing folder of the candidates, or "".
    std::string firstExisting(std::initializer_list<const char*> candidates) const;
    // The folder of an installation: the remembered one when it holds an installation, else the
    // first default folder that exists; "" when there is none.
    std::string installationFolder() const;
    std::string rememberedFolder() const;
    void remember(const std::string& folder);
    // The names of the files the installation in `folder` wrote.
    std::vector<std::string> installedNames(const std::filesystem::path& folder) const;
    // Deletes them, and the folder when it is empty then. False when one of them is left.
    bool removeInstallation(const std::string& folder);
    void noShortcutMessage(const char* first, const char* findWord, const char* third);

    InstallerSetup setup_;
    InstallerView& view_;
    SetupPaths paths_;
    std::string installFolder_ = kDefaultFolder;
    std::filesystem::path sourceFolder_;
    std::string launchFolder_;
    // The files the installation wrote into its folder, as its record holds them.
    std::vector<std::string> recorded_;
};

}  // namespace plevo
