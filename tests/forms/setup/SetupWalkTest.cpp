// Setup as its user works it: started as its main starts it, the details typed into the boxes,
// the buttons clicked, the questions answered; what it did is read from the disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/RunSetup.h"
#include "platform/Files.h"
#include "setup/InstallRecord.h"
#include "setup/SetupTexts.h"
#include "setup/ShellLink.h"
#include "support/RunAsUser.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/TestToolkit.h"
#include "support/UserInput.h"
#include "ui/Toolkit.h"

namespace plevo::test {
namespace {
namespace fs = std::filesystem;

fs::path freshFolder() {
    return freshTempFolder("plevo-setup-");
}

class SetupWalk : public testing::Test {
protected:
    SetupWalk() {
        fs::create_directories(root_ / "shipped");
        fs::create_directories(kStartMenu);
        fs::create_directories(kDesktop);
        for (const char* f : {"Plevo Trial.exe", "Plevo.ICO", "Setup.exe", "Read Me.txt"})
            writeFileAtomic(root_ / "shipped" / f, f);
    }
    ~SetupWalk() override {
        dialogs_.verify();
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    // Starts Setup as its main does and works it with `steps` once the terms are accepted.
    void runSetupAsUser(const std::function<void()>& steps) {
        dialogs_.expectConfirm(kSetupTerms, Buttons::YesNo, Answer::Yes);
        if (fs::exists(kInstalled)) dialogs_.expectMessage(reinstallMessage(Installer::kSetupFile));
        runAsUser([this] { return runSetup(testToolkit(), setup()); },
                  [&] {
                      ASSERT_TRUE(user().waitUntil([&] { return dialogs_.done(); }))
                          << "Setup never asked its terms";
                      steps();
                  });
    }
    InstallerSetup setup() {
        return {.dialogs = dialogs_,
                .driveC = driveC_,
                .sourceFolder = root_ / "shipped",
                .shortcuts = links_,
                .startProgram =
                    [this](const fs::path& program, const fs::path&) {
                        started_.push_back(program);
                        return true;
                    },
                .rememberedFolderFile = root_ / "remembered.txt"};
    }
    static ui::Form& window() {
        ui::Form* form = user().window("MainSetUpForm");
        if (!form) throw std::logic_error("Setup shows no window");
        return *form;
    }
    static ui::Control& control(std::string_view name) { return window().get<ui::Control>(name); }
    // The user replaces the text of a box: clicks into it, selects it all and types.
    static void typeInto(std::string_view box, std::string_view text) {
        user().click(control(box));
        user().press({.key = 'A', .ctrl = true});
        user().press({.key = ui::kKeyDelete});
        user().type(text);
    }
    // The install: the details typed, OK, the proposed folder accepted.
    void installAs(std::string_view name, std::string_view address, std::string_view tel) {
        runSetupAsUser([&] {
            typeInto("Edit1", name);
            typeInto("Edit2", address);
            typeInto("Edit3", tel);
            dialogs_.expectConfirm(installQuestion("C:\\Plevo"), Buttons::YesNo, Answer::Yes)
                .expectMessage(kSetupCopied)
                .expectMessage(kSetupStarts);
            user().click(control("OkBitBtn"));
        });
    }

    // A folder of its own per test, made before drive C is given its place in it.
    fs::path root_ = freshFolder();
    DriveC driveC_{root_ / "drive_c"};
    // The system has no "C:\Program Files\": Setup proposes "C:\Plevo".
    const fs::path kInstalled = root_ / "drive_c" / "Plevo";
    const fs::path kStartMenu = root_ / "drive_c" / "Windows" / "Start Menu";
    const fs::path kDesktop =
        root_ / "drive_c" / "Documents and Settings" / "All Users" / "Desktop";
    ScriptedDialogs dialogs_;
    FormatShortcutWriter links_;
    std::vector<fs::path> started_;
};

TEST_F(SetupWalk, InstallsTheDetailsTypedAndTheShortcutsThenStartsTheProgram) {
    installAs("Ann Example", "1 High Street", "0123 456");
    EXPECT_EQ(readFile(kInstalled / "Company.txt"), "Ann Example\r\n1 High Street\r\n0123 456\r\n");
    EXPECT_EQ(readFile(kInstalled / "Plevo Trial.exe"), "Plevo Trial.exe");
    EXPECT_EQ(installedNamesFromText(readFile(kInstalled / kInstallRecordFile)),
              (std::vector<std::string>{"Plevo Trial.exe", "Plevo.ICO", "Company.txt"}));
    const std::string link = shellLinkBytes({.target = "C:\\Plevo\\Plevo Trial.exe",
                                             .workingDir = "C:\\Plevo\\",
                                             .iconPath = "C:\\Plevo\\Plevo.ICO"});
    EXPECT_EQ(readFile(kStartMenu / "Plevo.lnk"), link);
    EXPECT_EQ(readFile(kDesktop / "Shortcut to Plevo.lnk"), link);
    EXPECT_EQ(started_, std::vector<fs::path>{kInstalled / "Plevo Trial.exe"});
}

TEST_F(SetupWalk, UninstallTakesWhatSetupWroteAndKeepsTheUsersFiles) {
    installAs("Ann Example", "Home", "01234");
    writeFileAtomic(kInstalled / "Outlook Safe Domains.txt", "example.com\r\n");
    writeFileAtomic(root_ / "drive_c" / "Mail Plevo.txt", "a@example.com\r\n");
    started_.clear();
    runSetupAsUser([&] {
        dialogs_
            .expectConfirm("Are You Sure you want to uninstall? \n\rC:\\Plevo", Buttons::YesNo,
                           Answer::Yes)
            .expectMessage(
                "Uninstall complete.\n\rThe program's files and its shortcuts have been "
                "removed.\n\rThe folder C:\\Plevo is kept: it holds files Setup did not install.")
            .expectConfirm("Do you want to delete backup files? c:\\Mail Plevo.txt", Buttons::YesNo,
                           Answer::Yes);
        user().click(control("UninstallBitBtn"));
    });
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(kInstalled))
        left.push_back(pathText(e.path().filename()));
    EXPECT_EQ(left, std::vector<std::string>{"Outlook Safe Domains.txt"});
    EXPECT_FALSE(fs::exists(kStartMenu / "Plevo.lnk"));
    EXPECT_FALSE(fs::exists(kDesktop / "Shortcut to Plevo.lnk"));
    EXPECT_FALSE(fs::exists(root_ / "drive_c" / "Mail Plevo.txt"));
    EXPECT_TRUE(started_.empty());
}

TEST_F(SetupWalk, NoToTheTermsEndsSetupWithNothingInstalled) {
    dialogs_.expectConfirm(kSetupTerms, Buttons::YesNo, Answer::No);
    // The user does nothing else: Setup must end by itself.
    const auto stillRunning = user().later(5000, [] {
        ADD_FAILURE() << "Setup went on running after No to the terms";
        testToolkit().quit();
    });
    runSetup(testToolkit(), setup());
    EXPECT_FALSE(fs::exists(kInstalled));
    EXPECT_TRUE(started_.empty());
}

TEST_F(SetupWalk, AnEmptyBoxKeepsTheWindowOpenAndCloseStartsNothing) {
    runSetupAsUser([&] {
        typeInto("Edit3", "");
        dialogs_.expectMessage("You must fill in all the information!");
        user().click(control("OkBitBtn"));
        EXPECT_TRUE(window().visible());
        user().click(control("CloseBitBtn"));
    });
    EXPECT_FALSE(fs::exists(kInstalled));
    EXPECT_TRUE(started_.empty());
}

}  // namespace
}  // namespace plevo::test
