#include "setup/Installer.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

#include "platform/Files.h"
#include "setup/ShellLink.h"

namespace plevo {
namespace fs = std::filesystem;

namespace {

// Entries the folder walk never copies nor deletes, compared exactly, letter case included.
bool excluded(const std::string& name) {
    for (const char* n : {"Setup.exe", Installer::kSetupFile, "Read Me.txt",
                          Installer::kDesktopLink, Installer::kStartMenuLink, ".", "..", "..."})
        if (name == n) return true;
    return false;
}

constexpr const char* kStartMenuFolders[] = {
    "c:\\Documents and Settings\\All Users\\Start Menu\\Programs\\", "c:\\Windows\\Start Menu\\"};
constexpr const char* kDesktopFolders[] = {"c:\\Documents and Settings\\All Users\\Desktop\\",
                                           "c:\\Windows\\Start Menu\\Programs\\",
                                           "c:\\Users\\Public\\Public Desktop\\"};
constexpr const char* kBackupFiles[] = {"c:\\Mail Plevo.txt", "c:\\News Plevo.txt"};

// A folder's entries in the order the system lists them on its own disks: by name, without
// regard to case.
std::vector<std::string> folderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(pathText(e.path().filename()));
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](unsigned char x, unsigned char y) { return std::toupper(x) < std::toupper(y); });
    });
    return names;
}

}  // namespace

Installer::Installer(const InstallerSetup& setup, InstallerView& view)
    : setup_(setup), view_(view), paths_(setup.driveC) {}

bool Installer::firstActivation() {
    Dialogs& d = setup_.dialogs;
    const Answer terms = d.confirm(
        messageLines(
            {"Terms and conditions:",
             "By selecting the Yes button, you agree to the terms and conditions listed below!", "",
             "", "", "", "", "", "",
             "No responsibility will be accepted for any loss you may incur whatsoever.",
             "It is your responsibility to make secure copies of the backup files, created by "
             "this program.",
             "Select Yes or No to accept the terms listed above?"}),
        Buttons::YesNo);
    if (terms != Answer::Yes) {
        view_.closeWindow();
        return false;
    }
    const std::string remembered = rememberedFolder();
    if (paths_.exists(kDefaultFolder) || paths_.exists(kSecondFolder) || !remembered.empty()) {
        view_.showUninstallButton();
        // The installer names its own file, whatever the system calls it.
        d.message(messageLines(
            {"If you are installing this program because the previous installation failed, then "
             "please",
             "select the UnInstall button and remove the previous setup. Then start this program "
             "again by",
             std::string("running ") + kSetupFile + ". Sorry for any inconvenience."}));
    }
    removeMode_ = false;
    sourceFolder_ = setup_.sourceFolder;
    return true;
}

void Installer::chooseInstallFolder() {
    Dialogs& d = setup_.dialogs;
    if (!paths_.exists(kProgramFiles)) installFolder_ = kSecondFolder;
    const Answer keep =
        d.confirm(messageLines({"Install Plevo to: " + installFolder_, "Select Yes to Accept",
                                "Select No to Change Directory"}),
                  Buttons::YesNo);
    if (keep == Answer::Yes) return;
    static constexpr std::string_view kProposed = "Install directory";
    // The dialog starts in "C:\Program Files\" as the system spells it here.
    std::error_code ec;
    const fs::path programFiles = paths_.resolve(kProgramFiles);
    const auto chosen = d.saveFile(
        {.defaultExt = "",
         .filter = "",
         .fileName = std::string(kProposed),
         .initialDir = fs::is_directory(programFiles, ec) ? pathText(programFiles) : std::string(),
         .title = "Confirm Installation Directory"});
    // Only the proposed name, confirmed in some folder, chooses that folder.
    if (!chosen || chosen->find(kProposed) == std::string::npos) return;
    installFolder_ = chosen->substr(0, chosen->size() - kProposed.size()) + "Plevo";
}

void Installer::install(const InstallDetails& details) {
    Dialogs& d = setup_.dialogs;
    InstallerView& view = view_;
    if (details.name.empty() || details.address.empty() || details.telephone.empty()) {
        d.message("You must fill in all the information!");
        return;
    }
    chooseInstallFolder();
    launchFolder_ = installFolder_;
    if (!paths_.exists(installFolder_)) {
        std::error_code ec;
        const fs::path folder = paths_.resolve(installFolder_);
        // One folder: its parent must exist already.
        if (!fs::exists(folder.parent_path(), ec) || !fs::create_directory(folder, ec) || ec) {
            d.error("Cannot create " + installFolder_);
            return;
        }
    }
    installFolder_ += "\\";
    view.setStage("Directory created now copying program files please wait.");
    view.showProgress(true);
    view.setProgress(10);
    makeShortcutFiles();
    removeMode_ = false;
    copyFolderEntries();

    view.setStage(" Copying text files please wait..");
    writeFileAtomic(paths_.resolve(installFolder_ + kDetailsFile),
                    details.name + "\r\n" + details.address + "\r\n" + details.telephone + "\r\n");
    view.setProgress(30);

    view.setStage(" Copying shortcuts please wait...");
    if (!firstExisting({kStartMenuFolders[0], kStartMenuFolders[1]}).empty())
        copyOneFile(kStartMenuLink);
    else
        noShortcutMessage("Sorry I cannot create a Start Menu icon for you.", " find",
                          "You can then copy a shortcut of the program to your Start Menu or "
                          "Desktop");
    view.setProgress(40);

    if (details.desktopIcon) {
        view.setStage(" Copying desktop shortcut please wait....");
        if (!firstExisting({kDesktopFolders[0], kDesktopFolders[1], kDesktopFolders[2]}).empty())
            copyOneFile(kDesktopLink);
        else
            noShortcutMessage(
                "Sorry I cannot create a Desktop icon for you, this can happen with Vista.",
                " from", "You can also copy a shortcut of the program to your desktop");
    }
    view.setStage(" All files copied......");
    view.showProgress(false);
    d.message(messageLines({"Your files have been copied and ",
                            "a Program shortcut has been created for you.",
                            " Or go to Start \\ Programs \\ Plevo Trial.exe"}));
    d.message(messageLines({"Should you ever want to Uninstall this Program?",
                            "Run this program again and press the UNINSTALL button!",
                            "The Uninstall button is only available after installation.",
                            "Thank you for using this program. I wish you every success!",
                            "Plevo will now start up"}));
    remember(launchFolder_);
    view.closeWindow();
}

void Installer::noShortcutMessage(const char* first, const char* findWord, const char* third) {
    setup_.dialogs.message(messageLines(
        {first,
         std::string("You need to start your program \"") + kProgramFile + "\"" + findWord +
             " the Plevo folder.",
         third, std::string("If you need help with this, please email ") + kSupportAddress}));
}

void Installer::makeShortcutFiles() {
    const ShellLinkSettings settings{.target = installFolder_ + kProgramFile,
                                     .arguments = "",
                                     .workingDir = installFolder_,
                                     .showCommand = 0,
                                     .iconPath = installFolder_ + kIconFile,
                                     .iconIndex = 0};
    // A source folder that cannot be written (a read-only medium) gets no shortcut files; the
    // copies of them then report the missing files.
    for (const char* name : {kDesktopLink, kStartMenuLink}) {
        try {
            setup_.shortcuts.write(sourceFolder_ / name, settings);
        } catch (const std::exception&) {
        }
    }
}

void Installer::copyFolderEntries() {
    const fs::path folder = removeMode_ ? paths_.resolve(installFolder_) : sourceFolder_;
    for (const std::string& name : folderEntries(folder)) {
        if (excluded(name)) continue;
        if (!removeMode_) {
            copyOneFile(name);
            continue;
        }
        // Deletes files only: a sub-folder stays, and so does the folder around it.
        const fs::path file = paths_.resolve(installFolder_ + name);
        std::error_code ec;
        if (!fs::is_directory(fs::symlink_status(file, ec))) removeFile(file);
    }
}

void Installer::copyOneFile(const std::string& name) {
    try {
        const fs::path source = sourceFolder_ / pathFromText(name);
        std::string folder;
        if (name == kDesktopLink)
            folder = firstExisting({kDesktopFolders[0], kDesktopFolders[1], kDesktopFolders[2]});
        else if (name == kStartMenuLink)
            folder = firstExisting({kStartMenuFolders[0], kStartMenuFolders[1]});
        else
            folder = installFolder_;
        std::error_code ec;
        if (folder.empty() || !fs::is_regular_file(source, ec))
            throw FileError("nothing to copy, or nowhere to copy it");
        writeFileAtomic(paths_.resolve(folder + name), readFile(source));
    } catch (const std::exception&) {
        setup_.dialogs.message("Error copying file " + name + " Please write down this file name");
    }
}

std::string Installer::firstExisting(std::initializer_list<const char*> candidates) const {
    for (const char* c : candidates)
        if (paths_.exists(c)) return c;
    return {};
}

void Installer::close() {
    // Before an installation or uninstallation the folder has no trailing "\", so the joined
    // name names nothing and nothing starts.
    const std::string program = installFolder_ + kProgramFile;
    std::error_code ec;
    const fs::path file = paths_.resolve(program);
    if (!fs::is_regular_file(file, ec)) return;
    if (!setup_.startProgram || !setup_.startProgram(file, paths_.resolve(launchFolder_)))
        setup_.dialogs.error("Cannot start " + program);
}

void Installer::uninstall() {
    Dialogs& d = setup_.dialogs;
    const Answer sure = d.confirm(
        messageLines({"Are You Sure you want to uninstall? ", installFolder_}), Buttons::YesNo);
    std::string toRemove;
    if (sure == Answer::Yes) {
        // The shortcuts where an installation puts them; the third desktop folder is left
        // alone.
        for (const auto* folders : {kStartMenuFolders, kDesktopFolders}) {
            const char* name = folders == kStartMenuFolders ? kStartMenuLink : kDesktopLink;
            for (int k = 0; k < 2; ++k) {
                const std::string link = std::string(folders[k]) + name;
                if (paths_.exists(link)) {
                    removeFile(paths_.resolve(link));
                    break;
                }
            }
        }
        // The folder the last installation used, then the two default ones.
        const std::string remembered = rememberedFolder();
        if (!remembered.empty())
            installFolder_ = remembered;
        else if (paths_.exists(kDefaultFolder))
            installFolder_ = kDefaultFolder;
        else if (paths_.exists(kSecondFolder))
            installFolder_ = kSecondFolder;
        else
            d.message(messageLines({"Cannot find the Plevo folder?", "To complete the uninstall,",
                                    "please locate this folder and delete it."}));
        try {
            if (paths_.exists(installFolder_)) {
                toRemove = installFolder_;
                installFolder_ += "\\";
                removeMode_ = true;
                copyFolderEntries();
                removeMode_ = false;
                std::error_code ec;
                fs::remove(paths_.resolve(toRemove), ec);  // only when empty
            }
        } catch (const std::exception&) {
            removeMode_ = false;
            d.message(messageLines(
                {"Error removing directory", "Restart your computer and run this again."}));
        }
    }
    if (sure != Answer::Yes || (!toRemove.empty() && paths_.exists(toRemove))) {
        d.message("Uninstall cancelled or uninstall failed!");
    } else {
        remember("");
        d.message(messageLines(
            {"Uninstall complete.", "The program's files and its shortcuts have been removed."}));
    }
    for (const char* backup : kBackupFiles) {
        if (paths_.exists(backup) &&
            d.confirm(std::string("Do you want to delete backup files? ") + backup,
                      Buttons::YesNo) == Answer::Yes)
            removeFile(paths_.resolve(backup));
    }
    view_.closeWindow();
}

void Installer::help() {
    setup_.dialogs.message(messageLines(
        {"How to install Plevo:", "",
         "1. Type your name, your address and your telephone number into the three boxes.",
         "    Every box must hold some text.",
         "2. Leave \"Create Desktop Icon \" checked for a shortcut on your desktop.",
         "3. Press OK and answer Yes to install into the folder proposed,",
         "    or No to choose another folder.", "When the files are copied, Plevo starts.", "",
         "To remove Plevo, run this program again and press Uninstall.",
         std::string("For more help, write to ") + kSupportAddress}));
}

std::string Installer::rememberedFolder() const {
    if (setup_.rememberedFolderFile.empty()) return {};
    try {
        std::string folder = readFile(setup_.rememberedFolderFile);
        while (!folder.empty() && (folder.back() == '\n' || folder.back() == '\r'))
            folder.pop_back();
        if (!folder.empty() && paths_.exists(folder)) return folder;
    } catch (const std::exception&) {
        // None remembered, or unreadable: only the default folders are looked at.
    }
    return {};
}

void Installer::remember(const std::string& folder) {
    if (setup_.rememberedFolderFile.empty()) return;
    try {
        if (folder.empty()) {
            removeFile(setup_.rememberedFolderFile);
            return;
        }
        std::error_code ec;
        fs::create_directories(setup_.rememberedFolderFile.parent_path(), ec);
        writeFileAtomic(setup_.rememberedFolderFile, folder + "\r\n");
    } catch (const std::exception&) {
        // Not remembering costs only the search of a custom folder later.
    }
}

}  // namespace plevo
