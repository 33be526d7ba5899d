// Setup's window, driven through the control layer: the details go into the installation, and
// the program starts when the window closes after it.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "forms/setup/PlevoInstallUnit.h"
#include "platform/Files.h"
#include "setup/SetupTexts.h"
#include "setup/ShellLink.h"
#include "support/ScriptedDialogs.h"
#include "support/TestToolkit.h"
#include "ui/Toolkit.h"

namespace plevo::test {
namespace {
namespace fs = std::filesystem;

fs::path freshFolder() {
    std::random_device rd;
    return fs::temp_directory_path() / ("plevo-setup-" + std::to_string(rd()));
}

class SetupWindow : public testing::Test {
protected:
    SetupWindow() {
        fs::create_directories(root_ / "shipped");
        fs::create_directories(root_ / "drive_c" / "Windows" / "Start Menu");
        for (const char* f : {"Plevo Trial.exe", "Plevo.ICO", "Setup.exe", "Read Me.txt"})
            writeFileAtomic(root_ / "shipped" / f, f);
        window_ = std::make_unique<TMainSetUpForm>(
            testToolkit(),
            InstallerSetup{.dialogs = dialogs_,
                           .driveC = driveC_,
                           .sourceFolder = root_ / "shipped",
                           .shortcuts = links_,
                           .startProgram = [this](const fs::path& program, const fs::path&) {
                               started_.push_back(program);
                               return true;
                           }});
    }
    ~SetupWindow() override {
        window_.reset();
        dialogs_.verify();
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    template <class T>
    T& control(std::string_view name) {
        return window_->form().get<T>(name);
    }
    // Shows the window and accepts the terms at its first activation.
    void start(Answer terms = Answer::Yes) {
        dialogs_.expectConfirm(kSetupTerms, Buttons::YesNo, terms);
        window_->form().show();
        window_->FormActivate();
        window_->FormActivate();  // a second activation asks nothing
    }

    // A folder of its own per test, made before drive C is given its place in it.
    fs::path root_ = freshFolder();
    DriveC driveC_{root_ / "drive_c"};
    ScriptedDialogs dialogs_;
    FormatShortcutWriter links_;
    std::vector<fs::path> started_;
    std::unique_ptr<TMainSetUpForm> window_;
};

TEST_F(SetupWindow, TheDetailsTypedAreInstalledAndTheProgramStartsAtTheEnd) {
    EXPECT_FALSE(control<ui::Button>("UninstallBitBtn").visible());
    EXPECT_FALSE(control<ui::ProgressBar>("ProgressBar1").visible());
    EXPECT_TRUE(control<ui::CheckBox>("CheckBox1").checked());
    start();
    control<ui::Edit>("Edit1").setCaption("Ann Example");
    control<ui::CheckBox>("CheckBox1").click();  // no desktop shortcut
    dialogs_.expectConfirm(installQuestion("C:\\Plevo"), Buttons::YesNo, Answer::Yes)
        .expectMessage(kSetupCopied)
        .expectMessage(kSetupStarts);
    control<ui::Button>("OkBitBtn").click();
    const fs::path folder = root_ / "drive_c" / "Plevo";
    EXPECT_EQ(readFile(folder / "Company.txt"), "Ann Example\r\nHome\r\n01234\r\n");
    EXPECT_TRUE(fs::exists(root_ / "drive_c" / "Windows" / "Start Menu" / "Plevo.lnk"));
    EXPECT_FALSE(window_->form().visible());
    EXPECT_EQ(started_, std::vector<fs::path>{folder / "Plevo Trial.exe"});
    EXPECT_EQ(control<ui::Label>("Label1").caption(), " All files copied......");
}

TEST_F(SetupWindow, AnEmptyBoxKeepsTheWindowOpenAndCloseStartsNothing) {
    start();
    control<ui::Edit>("Edit3").setCaption("");
    dialogs_.expectMessage("You must fill in all the information!");
    control<ui::Button>("OkBitBtn").click();
    EXPECT_TRUE(window_->form().visible());
    control<ui::Button>("CloseBitBtn").click();
    EXPECT_FALSE(window_->form().visible());
    EXPECT_TRUE(started_.empty());
}

}  // namespace
}  // namespace plevo::test
