// Setup as a user runs it on Windows, in a fresh Wine prefix: started as its main starts it, worked
// with the mouse and the keyboard, on the system's drive C, the ShellLink component and the shell.
// It installs from the shipped files, the installed program starts when the window closes, and a
// second run uninstalls. The shipped files are the folder PLEVO_SETUP_SOURCE names (the unpacked
// download), or else a copy of the build's shipping folder in "C:\Download\Plevo".
#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/RunSetup.h"
#include "platform/Files.h"
#include "setup/InstallRecord.h"
#include "setup/ReadShellLink.h"
#include "setup/SetupTexts.h"
#include "setup/ShellLink.h"
#include "setup/SystemSetup.h"
#include "support/RunAsUser.h"
#include "support/ScriptedDialogs.h"
#include "support/TestToolkit.h"
#include "support/UserInput.h"
#include "ui/Toolkit.h"

namespace plevo::test {
namespace {
namespace fs = std::filesystem;

const fs::path kInstalled = "C:\\Program Files\\Plevo";
const fs::path kStartMenu = "C:\\Documents and Settings\\All Users\\Start Menu\\Programs";
const fs::path kDesktop = "C:\\Documents and Settings\\All Users\\Desktop";

fs::path shippedFiles() {
    if (const char* folder = std::getenv("PLEVO_SETUP_SOURCE")) return folder;
    const fs::path copy = "C:\\Download\\Plevo";
    fs::create_directories(copy);
    fs::copy(PLEVO_SHIPPING_FOLDER, copy, fs::copy_options::recursive);
    return copy;
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.insert(pathText(e.path().filename()));
    return names;
}

bool sameName(const char* a, const char* b) {
    return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) == CSTR_EQUAL;
}

// The processes running a program of this file name.
std::vector<DWORD> processesOf(const char* fileName) {
    std::vector<DWORD> ids;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (sameName(entry.szExeFile, fileName)) ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}

// The captions of the visible top-level windows of a process.
struct WindowSearch {
    DWORD process;
    std::vector<std::string> captions;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window)) {
        char caption[256] = {};
        GetWindowTextA(window, caption, sizeof caption);
        search->captions.push_back(caption);
    }
    return TRUE;
}

std::vector<std::string> windowsOf(DWORD process) {
    WindowSearch search{process, {}};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return search.captions;
}

void endProcess(DWORD id) {
    if (const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 10000);
        CloseHandle(process);
    }
}

class SetupOnWindows : public testing::Test {
protected:
    SetupOnWindows() { CoInitialize(nullptr); }
    ~SetupOnWindows() override {
        for (DWORD id : processesOf(Installer::kProgramFile)) endProcess(id);
        CoUninitialize();
    }

    // One run of Setup as its main starts it, worked with `steps` once the terms are accepted.
    // After an installation Setup says to uninstall first.
    void runSetupAsUser(bool installed, const std::function<void()>& steps) {
        dialogs_.expectConfirm(kSetupTerms, Buttons::YesNo, Answer::Yes);
        if (installed) dialogs_.expectMessage(reinstallMessage("Setup.exe"));
        runAsUser(
            [this] {
                return runSetup(testToolkit(),
                                InstallerSetup{.dialogs = dialogs_,
                                               .driveC = driveC_,
                                               .sourceFolder = source_,
                                               .shortcuts = *links_,
                                               .startProgram = startInstalledProgram,
                                               .rememberedFolderFile = rememberedFolderFile()});
            },
            [&] {
                ASSERT_TRUE(user().waitUntil([&] { return dialogs_.done(); }))
                    << "Setup never asked its terms";
                steps();
            });
        dialogs_.verify();
    }
    static ui::Control& control(std::string_view name) {
        ui::Form* setup = user().window("MainSetUpForm");
        if (!setup) throw std::logic_error("Setup shows no window");
        return setup->get<ui::Control>(name);
    }

    const fs::path source_ = shippedFiles();
    const DriveC driveC_{"C:\\"};
    const std::unique_ptr<ShortcutWriter> links_ = systemShortcutWriter();
    ScriptedDialogs dialogs_;
};

TEST_F(SetupOnWindows, InstallsStartsTheProgramAndUninstalls) {
    // The folders Windows XP has for everyone's shortcuts.
    fs::create_directories(kStartMenu);
    fs::create_directories(kDesktop);
    std::set<std::string> shipped = namesIn(source_);
    ASSERT_TRUE(shipped.count(Installer::kProgramFile)) << pathText(source_);

    // The install: every shipped file but the installer and the read-me, and the details.
    runSetupAsUser(false, [&] {
        user().click(control("Edit1"));
        user().press({.key = 'A', .ctrl = true});
        user().type("Ann Example");
        dialogs_.expectConfirm(installQuestion(pathText(kInstalled)), Buttons::YesNo, Answer::Yes)
            .expectMessage(kSetupCopied)
            .expectMessage(kSetupStarts);
        user().click(control("OkBitBtn"));
    });
    std::set<std::string> expected = shipped;
    for (const char* left : {"Setup.exe", "Read Me.txt", "Plevo.lnk", "Shortcut to Plevo.lnk"})
        expected.erase(left);
    expected.insert({"Company.txt", kInstallRecordFile});
    EXPECT_EQ(namesIn(kInstalled), expected);
    EXPECT_EQ(readFile(kInstalled / "Plevo Trial.exe"), readFile(source_ / "Plevo Trial.exe"));
    EXPECT_EQ(readFile(kInstalled / "Company.txt"), "Ann Example\r\nHome\r\n01234\r\n");
    for (const fs::path& link : {kStartMenu / "Plevo.lnk", kDesktop / "Shortcut to Plevo.lnk"}) {
        const ShellLinkSettings read = readShellLink(link);
        EXPECT_EQ(read.target, "C:\\Program Files\\Plevo\\Plevo Trial.exe") << pathText(link);
        EXPECT_EQ(read.workingDir, "C:\\Program Files\\Plevo\\") << pathText(link);
        EXPECT_EQ(read.iconPath, "C:\\Program Files\\Plevo\\Plevo.ICO") << pathText(link);
    }

    // The window's closing started the installed program through the shell: it shows its
    // main window.
    std::vector<std::string> captions;
    std::vector<DWORD> running;
    for (int tries = 0; tries < 600; ++tries) {
        running = processesOf(Installer::kProgramFile);
        captions = running.empty() ? std::vector<std::string>{} : windowsOf(running.front());
        if (std::find(captions.begin(), captions.end(), "Outlook Express - Blocked Senders List") !=
            captions.end())
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_EQ(running.size(), 1u);
    EXPECT_NE(std::find(captions.begin(), captions.end(), "Outlook Express - Blocked Senders List"),
              captions.end())
        << testing::PrintToString(captions);
    endProcess(running.front());

    // Setup again: it offers Uninstall, which takes the files, the folder and both shortcuts.
    runSetupAsUser(true, [&] {
        dialogs_
            .expectConfirm("Are You Sure you want to uninstall? \n\rC:\\Program Files\\Plevo",
                           Buttons::YesNo, Answer::Yes)
            .expectMessage(
                "Uninstall complete.\n\rThe program's files and its shortcuts have "
                "been removed.");
        user().click(control("UninstallBitBtn"));
    });
    EXPECT_FALSE(fs::exists(kInstalled));
    EXPECT_FALSE(fs::exists(kStartMenu / "Plevo.lnk"));
    EXPECT_FALSE(fs::exists(kDesktop / "Shortcut to Plevo.lnk"));
    EXPECT_TRUE(processesOf(Installer::kProgramFile).empty());  // nothing left to start
}

}  // namespace
}  // namespace plevo::test
