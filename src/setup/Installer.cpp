#include "setup/Installer.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

#include "platform/Files.h"
#include "setup/InstallRecord.h"
#include "setup/ShellLink.h"

namespace plevo {
namespace fs = std::filesystem;

namespace {

// Entries the folder walk never copies nor deletes, compared exactly, letter case included. The
// record of an installation is Setup's own: a shipped file of that name never replaces it.
bool excluded(const std::string& name) {
    for (const char* n :
         {"Setup.exe", Installer::kSetupFile, "Read Me.txt", Installer::kDesktopLink,
          Installer::kStartMenuLink, ".", "..", "...", kInstallRecordFile})
        if (name == n) return true;
    return false;
}

constexpr const char* kStartMenuFolders[] = {
    "c:\\Documents and Settings\\All Users\\Start Menu\\Programs\\", "c:\\Windows\\Start Menu\\"};
constexpr const char* kDesktopFolders[] = {"c:\\Documents and Settings\\All Users\\Desktop\\",
                                           "c:\\Windows\\Start Menu\\Programs\\",
                                           "c:\\Users\\Public\\Public Desktop\\"};
constexpr const char* kBackupFiles[] = {"c:\\Mail Plevo.txt", "c:\\News Plevo.txt"};
// The remembered folder is one line; the record a few names. Anything longer is no file of ours.
constexpr std::uint64_t kRememberedLimit = 64 * 1024;
constexpr std::uint64_t kRecordLimit = 1024 * 1024;

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
    if (!installationFolder().empty()) {
        view_.showUninstallButton();
        // The installer names its own file, whatever the system calls it.
        d.message(messageLines(
            {"If you are installing this program because the previous installation failed, then "
             "please",
             "select the UnInstall button and remove the previous setup. Then start this program "
             "again by",
             std::string("running ") + kSetupFile + ". Sorry for any inconvenience."}));
    }
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
    // Before the first copy: an installation that stops half-way can still be uninstalled.
    remember(installFolder_);
    installFolder_ += "\\";
    // A reinstall adds to the record of the installation it replaces.
    recorded_.clear();
    try {
        recorded_ = installedNamesFromText(
            readFile(paths_.resolve(installFolder_ + kInstallRecordFile), kRecordLimit));
    } catch (const std::exception&) {
    }
    view.setStage(kStages[0]);
    view.showProgress(true);
    view.setProgress(10);
    makeShortcutFiles();
    copyFolderEntries();

    view.setStage(kStages[1]);
    writeFileAtomic(paths_.resolve(installFolder_ + kDetailsFile),
                    details.name + "\r\n" + details.address + "\r\n" + details.telephone + "\r\n");
    record(kDetailsFile);
    view.setProgress(30);

    view.setStage(kStages[2]);
    if (!firstExisting({kStartMenuFolders[0], kStartMenuFolders[1]}).empty())
        copyOneFile(kStartMenuLink);
    else
        noShortcutMessage("Sorry I cannot create a Start Menu icon for you.", " find",
                          "You can then copy a shortcut of the program to your Start Menu or "
                          "Desktop");
    view.setProgress(40);

    if (details.desktopIcon) {
        view.setStage(kStages[3]);
        if (!firstExisting({kDesktopFolders[0], kDesktopFolders[1], kDesktopFolders[2]}).empty())
            copyOneFile(kDesktopLink);
        else
            noShortcutMessage(
                "Sorry I cannot create a Desktop icon for you, this can happen with Vista.",
                " from", "You can also copy a shortcut of the program to your desktop");
    }
    view.setStage(kStages[4]);
    view.showProgress(false);
    d.message(messageLines({"Your files have been copied and ",
                            "a Program shortcut has been created for you.",
                            " Or go to Start \\ Programs \\ Plevo Trial.exe"}));
    d.message(messageLines({"Should you ever want to Uninstall this Program?",
                            "Run this program again and press the UNINSTALL button!",
                            "The Uninstall button is only available after installation.",
                            "Thank you for using this program. I wish you every success!",
                            "Plevo will now start up"}));
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
    for (const std::string& name : folderEntries(sourceFolder_))
        if (!excluded(name)) copyOneFile(name);
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
        if (folder == installFolder_) record(name);
    } catch (const std::exception&) {
        setup_.dialogs.message("Error copying file " + name + " Please write down this file name");
    }
}

void Installer::record(const std::string& name) {
    if (std::find(recorded_.begin(), recorded_.end(), name) != recorded_.end()) return;
    recorded_.push_back(name);
    try {
        writeFileAtomic(paths_.resolve(installFolder_ + kInstallRecordFile),
                        installedNamesText(recorded_));
    } catch (const std::exception&) {
        // Without its record an installation is uninstalled by the names Setup ships.
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
    // The question names the folder that will be emptied.
    const std::string found = installationFolder();
    const Answer sure = d.confirm(messageLines({"Are You Sure you want to uninstall? ",
                                                found.empty() ? installFolder_ : found}),
                                  Buttons::YesNo);
    bool failed = sure != Answer::Yes;
    bool kept = false;
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
        if (found.empty()) {
            d.message(messageLines({"Cannot find the Plevo folder?", "To complete the uninstall,",
                                    "please locate this folder and delete it."}));
        } else {
            installFolder_ = found + "\\";
            try {
                failed = !removeInstallation(found);
                kept = !failed && paths_.exists(found);
            } catch (const std::exception&) {
                failed = true;
                d.message(messageLines(
                    {"Error removing directory", "Restart your computer and run this again."}));
            }
        }
    }
    if (failed) {
        d.message("Uninstall cancelled or uninstall failed!");
    } else {
        remember("");
        std::string done = messageLines(
            {"Uninstall complete.", "The program's files and its shortcuts have been removed."});
        // The user's own files (a safe domains list, saved lists) are not Setup's to delete.
        if (kept)
            done += std::string(kLineBreak) + "The folder " + found +
                    " is kept: it holds files Setup did not install.";
        d.message(done);
    }
    for (const char* backup : kBackupFiles) {
        if (paths_.exists(backup) &&
            d.confirm(std::string("Do you want to delete backup files? ") + backup,
                      Buttons::YesNo) == Answer::Yes)
            removeFile(paths_.resolve(backup));
    }
    view_.closeWindow();
}

bool Installer::removeInstallation(const std::string& folder) {
    // Never a drive root, "/" or a folder reached through "..": only a folder called Plevo, and
    // only itself, not a link in its place.
    if (!isInstallFolderPath(folder)) return false;
    const fs::path dir = paths_.resolve(folder);
    std::error_code ec;
    if (!fs::is_directory(fs::symlink_status(dir, ec))) return false;
    bool left = false;
    for (const std::string& name : installedNames(dir)) {
        if (excluded(name)) continue;
        const fs::path file = dir / pathFromText(name);
        const fs::file_status status = fs::symlink_status(file, ec);
        // Setup writes files only: a folder of that name is not its own.
        if (!fs::exists(status) || fs::is_directory(status)) continue;
        if (!fs::remove(file, ec)) left = true;
    }
    // A file left (read-only, open) keeps the record, for the next try.
    const fs::path record = dir / kInstallRecordFile;
    if (!left && !fs::is_directory(fs::symlink_status(record, ec))) fs::remove(record, ec);
    fs::remove(dir, ec);  // only when empty
    return !left;
}

std::vector<std::string> Installer::installedNames(const fs::path& folder) const {
    try {
        return installedNamesFromText(readFile(folder / kInstallRecordFile, kRecordLimit));
    } catch (const std::exception&) {
    }
    // No record: an installation by an earlier Setup, or one whose record was removed. Its files
    // are the details file and those Setup ships.
    std::vector<std::string> names = {kDetailsFile, kProgramFile, kIconFile};
    try {
        for (const std::string& name : folderEntries(setup_.sourceFolder))
            if (isPlainFileName(name) && std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
    } catch (const std::exception&) {
    }
    return names;
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

std::string Installer::installationFolder() const {
    if (std::string remembered = rememberedFolder(); !remembered.empty()) return remembered;
    if (paths_.exists(kDefaultFolder)) return kDefaultFolder;
    if (paths_.exists(kSecondFolder)) return kSecondFolder;
    return {};
}

std::string Installer::rememberedFolder() const {
    if (setup_.rememberedFolderFile.empty()) return {};
    try {
        const auto folder =
            rememberedFolderFromText(readFile(setup_.rememberedFolderFile, kRememberedLimit));
        if (!folder) return {};
        // Taken only when it holds what an installation leaves there: its record, or (an
        // installation by an earlier Setup) the details file and the program.
        const fs::path dir = paths_.resolve(*folder);
        std::error_code ec;
        const auto holds = [&](const char* name) { return fs::exists(dir / name, ec); };
        if (fs::is_directory(fs::symlink_status(dir, ec)) &&
            (holds(kInstallRecordFile) || (holds(kDetailsFile) && holds(kProgramFile))))
            return *folder;
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
        writeFileAtomic(setup_.rememberedFolderFile, rememberedFolderText(folder));
    } catch (const std::exception&) {
        // Not remembering costs only the search of a custom folder later.
    }
}

}  // namespace plevo
