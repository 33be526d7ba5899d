// Setup's installation and uninstallation on a temporary drive C, with scripted answers.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Files.h"
#include "setup/InstallRecord.h"
#include "setup/Installer.h"
#include "setup/SetupTexts.h"
#include "setup/ShellLink.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace plevo::test {
namespace {
namespace fs = std::filesystem;

fs::path freshFolder() {
    return freshTempFolder("plevo-setup-");
}

// The window as the installer sees it: what it was told, in order.
struct RecordingView : InstallerView {
    std::vector<std::string> shown;
    bool closed = false;
    void showUninstallButton() override { shown.push_back("uninstall button"); }
    void setStage(const std::string& text) override { shown.push_back("stage:" + text); }
    void showProgress(bool on) override { shown.push_back(on ? "bar shown" : "bar hidden"); }
    void setProgress(int p) override { shown.push_back("bar " + std::to_string(p)); }
    void closeWindow() override { closed = true; }
};

// A source folder on a medium that cannot be written.
struct ReadOnlyMediumWriter : ShortcutWriter {
    void write(const fs::path& file, const ShellLinkSettings&) override {
        throw FileError("Cannot write file \"" + pathText(file) + "\": read-only file system");
    }
};

const std::string kFailed = "Uninstall cancelled or uninstall failed!";
const std::string kComplete =
    "Uninstall complete.\n\rThe program's files and its shortcuts have been removed.";
// After an uninstall that left files Setup did not install.
std::string completeButKept(const std::string& folder) {
    return kComplete + "\n\rThe folder " + folder +
           " is kept: it holds files Setup did not install.";
}
std::string uninstallQuestion(const std::string& folder) {
    return "Are You Sure you want to uninstall? \n\r" + folder;
}
const std::string kXpStartMenu = "Documents and Settings/All Users/Start Menu/Programs";
const std::string kXpDesktop = "Documents and Settings/All Users/Desktop";

class InstallerTest : public testing::Test {
protected:
    InstallerTest() {
        fs::create_directories(source_ = root_ / "shipped");
        fs::create_directories(drive() / "Program Files");
        for (const char* f : {"Plevo Trial.exe", "Plevo.ICO", "Setup.exe", "Read Me.txt"})
            writeFileAtomic(source_ / f, std::string("bytes of ") + f);
    }
    ~InstallerTest() override {
        dialogs_.verify();
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    fs::path drive(char letter = 'c') const { return root_ / (std::string("drive_") + letter); }
    void folders(std::initializer_list<std::string> paths) {
        for (const auto& p : paths) fs::create_directories(drive() / p);
    }
    Installer& installer() {
        if (!installer_)
            installer_ = std::make_unique<Installer>(
                InstallerSetup{.dialogs = dialogs_,
                               .driveC = driveC_,
                               .sourceFolder = source_,
                               .shortcuts = *shortcuts_,
                               .startProgram =
                                   [this](const fs::path& program, const fs::path& folder) {
                                       started_.push_back(program.string() + " in " +
                                                          folder.string());
                                       return true;
                                   },
                               .rememberedFolderFile = root_ / "data" / "Install folder.txt"},
                view_);
        return *installer_;
    }
    // Accepts the terms, and expects the question about the folder: the proposal is kept unless
    // `choose` answers the save dialog. The messages of the installation follow.
    void startInstall(std::optional<std::string> choose = std::nullopt) {
        dialogs_.expectConfirm(kSetupTerms, Buttons::YesNo, Answer::Yes);
        installer().firstActivation();
        const bool programFiles = fs::exists(drive() / "Program Files");
        dialogs_.expectConfirm(
            installQuestion(programFiles ? "C:\\Program Files\\Plevo" : "C:\\Plevo"),
            Buttons::YesNo, choose ? Answer::No : Answer::Yes);
        if (choose)
            dialogs_.expectSaveFile(
                {.fileName = "Install directory",
                 .initialDir = programFiles ? pathText(drive() / "Program Files") : "",
                 .title = "Confirm Installation Directory"},
                *choose);
    }
    std::vector<std::string> filesIn(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // A folder of its own per test, made before drive C is given its place in it.
    fs::path root_ = freshFolder();
    fs::path source_;
    DriveC driveC_{root_ / "drive_c"};
    ScriptedDialogs dialogs_;
    RecordingView view_;
    FormatShortcutWriter formatWriter_;
    ShortcutWriter* shortcuts_ = &formatWriter_;
    std::vector<std::string> started_;
    std::unique_ptr<Installer> installer_;
};

TEST_F(InstallerTest, InstallCopiesTheFilesWritesTheDetailsAndStartsTheProgramAtClose) {
    folders({kXpStartMenu, kXpDesktop});
    startInstall();
    dialogs_.expectMessage(kSetupCopied).expectMessage(kSetupStarts);
    installer().install({"Ann Example", " ", "555", true});
    const fs::path folder = drive() / "Program Files" / "Plevo";
    EXPECT_EQ(filesIn(folder), (std::vector<std::string>{"Company.txt", kInstallRecordFile,
                                                         "Plevo Trial.exe", "Plevo.ICO"}));
    EXPECT_EQ(readFile(folder / "Company.txt"), "Ann Example\r\n \r\n555\r\n");
    EXPECT_EQ(readFile(folder / "Plevo Trial.exe"), "bytes of Plevo Trial.exe");
    const std::string link = readFile(drive() / kXpStartMenu / "Plevo.lnk");
    EXPECT_EQ(link, readFile(drive() / kXpDesktop / "Shortcut to Plevo.lnk"));
    EXPECT_EQ(link, readFile(source_ / "Plevo.lnk"));  // made in the shipping folder first
    EXPECT_NE(link.find("C:\\Program Files\\Plevo\\Plevo Trial.exe"), std::string::npos);
    EXPECT_EQ(view_.shown, (std::vector<std::string>{
                               "stage:Directory created now copying program files please wait.",
                               "bar shown", "bar 10", "stage: Copying text files please wait..",
                               "bar 30", "stage: Copying shortcuts please wait...", "bar 40",
                               "stage: Copying desktop shortcut please wait....",
                               "stage: All files copied......", "bar hidden"}));
    EXPECT_TRUE(view_.closed);
    installer().close();
    EXPECT_EQ(started_, (std::vector<std::string>{(folder / "Plevo Trial.exe").string() + " in " +
                                                  folder.string()}));
}

TEST_F(InstallerTest, TheFolderComesFromTheSystemOrTheDialog) {
    struct Case {
        bool programFiles;
        std::optional<std::string> answer;  // nullopt: the proposal is accepted
        fs::path installed;
    };
    const fs::path d = root_ / "drive_d";
    const Case cases[] = {
        {false, std::nullopt, "drive_c/Plevo"},
        {true, "D:\\Apps\\Install directory", "drive_d/Apps/Plevo"},
        {true, "D:\\Install directory", "drive_d/Plevo"},
        {true, "D:\\Apps\\My folder", "drive_c/Program Files/Plevo"},  // a renamed file
        {true, "", "drive_c/Program Files/Plevo"},                     // nothing usable
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.installed.string());
        fs::remove_all(drive());
        fs::remove_all(d);
        fs::create_directories(drive());
        fs::create_directories(d / "Apps");
        if (c.programFiles) folders({"Program Files"});
        installer_.reset();
        startInstall(c.answer);
        dialogs_
            .expectMessage(
                "Sorry I cannot create a Start Menu icon for you.\n\rYou need to "
                "start your program \"Plevo Trial.exe\" find the Plevo folder.\n\r"
                "You can then copy a shortcut of the program to your Start Menu "
                "or Desktop\n\rIf you need help with this, please email "
                "support@plevo.example")
            .expectMessage(
                "Sorry I cannot create a Desktop icon for you, this can happen with "
                "Vista.\n\rYou need to start your program \"Plevo Trial.exe\" from the "
                "Plevo folder.\n\rYou can also copy a shortcut of the program to your "
                "desktop\n\rIf you need help with this, please email "
                "support@plevo.example")
            .expectMessage(kSetupCopied)
            .expectMessage(kSetupStarts);
        installer().install({"N", "A", "T", true});
        EXPECT_TRUE(fs::exists(root_ / c.installed / "Plevo Trial.exe"));
        dialogs_.verify();
    }
}

TEST_F(InstallerTest, OnlyTheExcludedNamesAreLeftAndASubFolderIsReportedOnce) {
    folders({kXpStartMenu});
    writeFileAtomic(source_ / "setup.exe", "lower case");
    fs::create_directories(source_ / "Docs");
    startInstall();
    dialogs_.expectMessage("Error copying file Docs Please write down this file name")
        .expectMessage(kSetupCopied)
        .expectMessage(kSetupStarts);
    installer().install(
        {"N", "A", "T", false});  // no desktop icon: no shortcut and no message for it
    EXPECT_EQ(filesIn(drive() / "Program Files" / "Plevo"),
              (std::vector<std::string>{"Company.txt", kInstallRecordFile, "Plevo Trial.exe",
                                        "Plevo.ICO", "setup.exe"}));
    EXPECT_FALSE(fs::exists(drive() / kXpDesktop));
    EXPECT_EQ(std::count(view_.shown.begin(), view_.shown.end(),
                         "stage: Copying desktop shortcut please wait...."),
              0);
}

TEST_F(InstallerTest, AReinstallOverwritesFilesOfTheSameNamesAndKeepsTheRest) {
    folders({kXpStartMenu, kXpDesktop, "Program Files/Plevo"});
    const fs::path folder = drive() / "Program Files" / "Plevo";
    writeFileAtomic(folder / "Plevo Trial.exe", "old program");
    writeFileAtomic(folder / "notes.txt", "the user's own");
    dialogs_.expectConfirm(kSetupTerms, Buttons::YesNo, Answer::Yes)
        .expectMessage(reinstallMessage(Installer::kSetupFile));
    installer().firstActivation();
    EXPECT_EQ(view_.shown, std::vector<std::string>{"uninstall button"});
    dialogs_.expectConfirm(installQuestion("C:\\Program Files\\Plevo"), Buttons::YesNo, Answer::Yes)
        .expectMessage(kSetupCopied)
        .expectMessage(kSetupStarts);
    installer().install({"N", "A", "T", true});
    EXPECT_EQ(readFile(folder / "Plevo Trial.exe"), "bytes of Plevo Trial.exe");
    EXPECT_EQ(readFile(folder / "notes.txt"), "the user's own");
}

TEST_F(InstallerTest, MissingDetailsAndAFolderThatCannotBeMadeLeaveTheWindowOpen) {
    dialogs_.expectConfirm(kSetupTerms, Buttons::YesNo, Answer::Yes);
    installer().firstActivation();
    dialogs_.expectMessage("You must fill in all the information!");
    installer().install({"N", "", "T", true});
    // A folder whose parent is missing is not made, and nothing is copied.
    fs::create_directories(root_ / "drive_d");
    dialogs_.expectConfirm(installQuestion("C:\\Program Files\\Plevo"), Buttons::YesNo, Answer::No)
        .expectSaveFile({.fileName = "Install directory",
                         .initialDir = pathText(drive() / "Program Files"),
                         .title = "Confirm Installation Directory"},
                        "D:\\No such\\Install directory")
        .expectError("Cannot create D:\\No such\\Plevo");
    installer().install({"N", "A", "T", true});
    EXPECT_FALSE(view_.closed);
    EXPECT_EQ(installer().installFolder(), "D:\\No such\\Plevo");
    EXPECT_TRUE(view_.shown.empty());
    installer().close();
    EXPECT_TRUE(started_.empty());
}

TEST_F(InstallerTest, DeclinedTermsCloseTheWindowAndStartNothing) {
    dialogs_.expectConfirm(kSetupTerms, Buttons::YesNo, Answer::No);
    EXPECT_FALSE(installer().firstActivation());
    EXPECT_TRUE(view_.closed);
    folders({"Program Files/Plevo"});
    writeFileAtomic(drive() / "Program Files" / "Plevo" / "Plevo Trial.exe", "installed before");
    installer().close();
    EXPECT_TRUE(started_.empty());
}

TEST_F(InstallerTest, AReadOnlySourceFolderReportsEachShortcutCopy) {
    folders({kXpStartMenu, kXpDesktop});
    ReadOnlyMediumWriter readOnly;
    shortcuts_ = &readOnly;
    startInstall();
    dialogs_.expectMessage("Error copying file Plevo.lnk Please write down this file name")
        .expectMessage("Error copying file Shortcut to Plevo.lnk Please write down this file name")
        .expectMessage(kSetupCopied)
        .expectMessage(kSetupStarts);
    installer().install({"N", "A", "T", true});
    EXPECT_TRUE(fs::is_empty(drive() / kXpStartMenu));
}

TEST_F(InstallerTest, UninstallRemovesWhatAnInstallMadeAndAsksAboutTheBackupsEvenAfterNo) {
    folders({kXpStartMenu, kXpDesktop, "Users/Public/Public Desktop"});
    const fs::path vistaLink = drive() / "Users/Public/Public Desktop" / "Shortcut to Plevo.lnk";
    writeFileAtomic(vistaLink, "placed by hand");
    writeFileAtomic(drive() / "Mail Plevo.txt", "backup");
    writeFileAtomic(drive() / "News Plevo.txt", "backup");
    fs::create_directories(root_ / "drive_d" / "Apps");
    startInstall("D:\\Apps\\Install directory");  // a folder of the user's
    dialogs_.expectMessage(kSetupCopied).expectMessage(kSetupStarts);
    installer().install({"N", "A", "T", true});
    const fs::path folder = root_ / "drive_d" / "Apps" / "Plevo";
    ASSERT_TRUE(fs::exists(folder / "Plevo Trial.exe"));
    // An edited record: names that reach out of the folder are no names of it.
    const fs::path letter = root_ / "drive_d" / "Apps" / "letter.txt";
    writeFileAtomic(letter, "the user's");
    writeFileAtomic(folder / kInstallRecordFile,
                    readFile(folder / kInstallRecordFile) + "..\\letter.txt\r\n../letter.txt\r\n" +
                        "D:\\Apps\\letter.txt\r\n" + pathText(letter) + "\r\n");

    // Answered No: nothing is touched, and the backup questions still come.
    installer_.reset();
    view_ = {};
    dialogs_.expectConfirm(kSetupTerms, Buttons::YesNo, Answer::Yes)
        .expectMessage(reinstallMessage(Installer::kSetupFile))
        .expectConfirm(uninstallQuestion("D:\\Apps\\Plevo"), Buttons::YesNo, Answer::No)
        .expectMessage(kFailed)
        .expectConfirm("Do you want to delete backup files? c:\\Mail Plevo.txt", Buttons::YesNo,
                       Answer::No)
        .expectConfirm("Do you want to delete backup files? c:\\News Plevo.txt", Buttons::YesNo,
                       Answer::Yes);
    installer().firstActivation();
    installer().uninstall();
    EXPECT_TRUE(view_.closed);
    EXPECT_TRUE(fs::exists(folder / "Plevo Trial.exe"));
    EXPECT_TRUE(fs::exists(drive() / kXpDesktop / "Shortcut to Plevo.lnk"));
    EXPECT_TRUE(fs::exists(drive() / "Mail Plevo.txt"));
    EXPECT_FALSE(fs::exists(drive() / "News Plevo.txt"));

    // Answered Yes: the custom folder is found and removed; the hand-placed link stays.
    installer_.reset();
    dialogs_.expectConfirm(kSetupTerms, Buttons::YesNo, Answer::Yes)
        .expectMessage(reinstallMessage(Installer::kSetupFile))
        .expectConfirm(uninstallQuestion("D:\\Apps\\Plevo"), Buttons::YesNo, Answer::Yes)
        .expectMessage(kComplete)
        .expectConfirm("Do you want to delete backup files? c:\\Mail Plevo.txt", Buttons::YesNo,
                       Answer::Yes);
    installer().firstActivation();
    installer().uninstall();
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_EQ(readFile(letter), "the user's");
    EXPECT_TRUE(fs::is_empty(drive() / kXpStartMenu));
    EXPECT_TRUE(fs::is_empty(drive() / kXpDesktop));
    EXPECT_EQ(readFile(vistaLink), "placed by hand");
    EXPECT_FALSE(fs::exists(drive() / "Mail Plevo.txt"));
    installer().close();
    EXPECT_TRUE(started_.empty());
}

TEST_F(InstallerTest, ARememberedFolderThatHoldsNoInstallationIsNeverEmptied) {
    // An edited or damaged file names a folder of the user's, with files named like an install's.
    struct Case {
        std::string remembered;
        fs::path folder;
    };
    const Case cases[] = {
        {"D:\\Docs", "drive_d/Docs"},
        {"D:\\Docs\\Plevo\\..", "drive_d/Docs"},
        {"C:\\", "drive_c"},
        {"D:\\Mine\\Plevo", "drive_d/Mine/Plevo"},  // holds nothing an install leaves
    };
    fs::create_directories(root_ / "data");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.remembered);
        const fs::path folder = root_ / c.folder;
        fs::create_directories(folder);
        fs::create_directories(drive());
        std::vector<std::string> names = {"letter.doc", ".profile", "Mail Plevo.txt"};
        if (c.remembered != "D:\\Mine\\Plevo")
            names.insert(names.end(), {"Company.txt", "Plevo Trial.exe"});
        writeFileAtomic(drive() / "Mail Plevo.txt", "backup");
        for (const std::string& n : names) writeFileAtomic(folder / n, "the user's");
        writeFileAtomic(root_ / "data" / "Install folder.txt", c.remembered + "\r\n");
        installer_.reset();
        dialogs_
            .expectConfirm(uninstallQuestion("C:\\Program Files\\Plevo"), Buttons::YesNo,
                           Answer::Yes)
            .expectMessage(
                "Cannot find the Plevo folder?\n\rTo complete the uninstall,\n\rplease locate this "
                "folder and delete it.")
            .expectMessage(kComplete)
            .expectConfirm("Do you want to delete backup files? c:\\Mail Plevo.txt", Buttons::YesNo,
                           Answer::No);
        installer().uninstall();
        dialogs_.verify();
        for (const std::string& n : names) EXPECT_TRUE(fs::exists(folder / n)) << n;
        fs::remove_all(folder);
    }
}

TEST_F(InstallerTest, TheUsersOwnFilesInTheProgramFolderStay) {
    // With the record of the installation, and without it (an install by an earlier Setup).
    for (const bool record : {true, false}) {
        SCOPED_TRACE(record);
        fs::remove_all(drive());
        folders({kXpStartMenu});
        installer_.reset();
        startInstall();  // into C:\Plevo
        dialogs_.expectMessage(kSetupCopied).expectMessage(kSetupStarts);
        installer().install({"N", "A", "T", false});
        const fs::path folder = drive() / "Plevo";
        writeFileAtomic(folder / "Outlook Safe Domains.txt", "safe.example\r\n");
        fs::create_directories(folder / "Lists");
        if (!record) fs::remove(folder / kInstallRecordFile);

        installer_.reset();
        dialogs_.expectConfirm(uninstallQuestion("C:\\Plevo"), Buttons::YesNo, Answer::Yes)
            .expectMessage(completeButKept("C:\\Plevo"));
        installer().uninstall();
        dialogs_.verify();
        EXPECT_EQ(filesIn(folder), (std::vector<std::string>{"Lists", "Outlook Safe Domains.txt"}));
    }
}

TEST_F(InstallerTest, AnInstallStoppedHalfWayCanBeUninstalled) {
    // "Company.txt" cannot be written (a folder of that name is in the way) after the program's
    // files were copied.
    folders({kXpStartMenu});
    const fs::path folder = root_ / "drive_d" / "Apps" / "Plevo";
    fs::create_directories(folder / "Company.txt");
    startInstall("D:\\Apps\\Install directory");
    EXPECT_THROW(installer().install({"N", "A", "T", false}), FileError);
    ASSERT_TRUE(fs::exists(folder / "Plevo Trial.exe"));

    installer_.reset();
    dialogs_.expectConfirm(kSetupTerms, Buttons::YesNo, Answer::Yes)
        .expectMessage(reinstallMessage(Installer::kSetupFile))
        .expectConfirm(uninstallQuestion("D:\\Apps\\Plevo"), Buttons::YesNo, Answer::Yes)
        .expectMessage(completeButKept("D:\\Apps\\Plevo"));
    installer().firstActivation();
    installer().uninstall();
    EXPECT_EQ(filesIn(folder), std::vector<std::string>{"Company.txt"});
}

}  // namespace
}  // namespace plevo::test
