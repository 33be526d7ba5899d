// The registry window as a user works it, the whole road on the sample identity: the tool started
// as its main starts it, "7.  Registry", open, Sort, the steps in the main window, Save Changes
// with Yes to the registry, Save: the lists read back from the registry file on disk (on Windows
// from the system's registry), also while the message says they are written.
#include "platform/Files.h"
#include "registry/KeyNames.h"
#include "registry/SampleRegistry.h"
#include "support/Legibility.h"
#include "support/RegistryFixture.h"
#include "support/UserInput.h"

#ifdef _WIN32
#include <windows.h>

#include "registry/WindowsRegistry.h"
#endif

namespace plevo::test {
namespace {

using Lines = std::vector<std::string>;

class EndToEnd : public RegistryFixture {
protected:
    using RegistryFixture::RegistryFixture;

    static std::string blocksKey() {
        return kSampleIdentity + "\\Software\\Microsoft\\Outlook Express\\5.0\\Block Senders";
    }
    static ui::Control& in(const char* window, const char* name) {
        return ToolFixture::window(window).get<ui::Control>(name);
    }

    // The whole road; `stored` reads the entries under a Criteria key as the registry keeps them
    // for good. Returns the worked list as the main window sorted it.
    Lines walk(const std::function<Lines(const std::string&)>& stored) {
        writeFile("Outlook Safe Domains.txt", "freemail.example.org\r\n");
        Lines worked;
        const int exitCode = runTool([&] {
            user().click(in("Replace", "Label4"));
            ui::Form& reg = window("RegistryForm");
            EXPECT_EQ(illegibleTexts(reg), "");
            dialogs_.expectMessage("You can use the Advanced Rules button")
                .expectMessage(infoMessage(blocksKey() + "\\Mail"))
                .expectMessage(infoMessage(blocksKey() + "\\News"))
                .expectMessage(backupMessage("Mail"))
                .expectMessage(backupMessage("News"));
            user().click(in("RegistryForm", "OpenRegImage"));
            EXPECT_EQ(illegibleTexts(reg), "");
            // The help page in place of the lists, and back.
            user().click(in("RegistryForm", "Image2"));
            EXPECT_EQ(illegibleTexts(reg), "");
            user().click(in("RegistryForm", "Image2"));

            dialogs_.expectMessage(kReminder)
                .expectMessage(startPath("Outlook Safe Domains.txt") + " opened successfully")
                .expectMessage(
                    "You can now sort this Blocked Senders list or open your own text file\n\rof "
                    "blocked senders to replace existing Mail or News registry entries");
            user().click(in("RegistryForm", "SortRegImage"));
            ui::Memo& list = window("Replace").get<ui::Memo>("Memo1");
            EXPECT_EQ(list.lineCount(), 30);

            dialogs_.expectUncheckWarning();  // no questions while reducing
            user().click(in("Replace", "CheckBox2"));
            user().click(in("Replace", "RemoveImage"));
            user().click(in("Replace", "DeleteImage"));
            dialogs_.expectMessage("Save your changes when you have completed all changes");
            user().click(in("Replace", "SortImage"));
            worked = list.lines();

            // Save Changes, Yes to the registry: the registry window takes the list back.
            const Lines wanted = expected(worked);
            dialogs_.expectBackupQuestion(Answer::No)
                .expectImportQuestion(Answer::Yes)
                .expectMessage(
                    "The text file has replaced both the original Blocked Senders List\n\r[Mail] "
                    "and [News] registry entries.\n\r\n\rOnly save to the registry if you are "
                    "sure?");
            user().click(in("Replace", "SaveImage"));
            EXPECT_EQ(illegibleTexts(reg), "");

            dialogs_.expectMessage("Registry updated, you can close now.", [&] {
                for (const char* kind : {"\\Mail\\Criteria", "\\News\\Criteria"})
                    EXPECT_EQ(stored(blocksKey() + kind), wanted) << kind;
            });
            user().click(in("RegistryForm", "SaveRegImage"));
            user().click(in("RegistryForm", "CloseImage"));
            user().click(in("Replace", "CloseImage"));
        });
        EXPECT_EQ(exitCode, 0);
        return worked;
    }

    // What the registry lists hold after the road: the worked list of 22 entries, in order without
    // regard to case, entries equal without case in the order the working list gave them.
    static Lines expected(const Lines& worked) {
        if (worked.size() != 22) return {"the worked list has " + std::to_string(worked.size())};
        return {
            "a.b.daily-digest.example.com",
            "anna.k@freemail.example.org",
            "bargain-mail.example",
            "bulk-sender.example.net",
            "cheap-pills.example.net",
            "daily-digest.example.com",
            "eu.prize-draw.example.com",
            "john.smith@freemail.example.org",
            "lottery-notice.test",
            "lucky-spins.test",
            "mail.cheap-pills.example.net",
            "mx2.bulk-sender.example.net",
            "mx3.bulk-sender.example.net",
            "offers.quick-credit.example",
            "prize-draw.example.com",
            worked[15],  // "quick-credit.example" and "Quick-Credit.example"
            worked[16],
            "replica-store.example",
            "shop.bargain-mail.example",
            "survey-rewards.invalid",
            "uk.lottery-notice.test",
            "vip.lucky-spins.test",
        };
    }

    // The entry key names under a Criteria key, and its "Order".
    static Lines keysAndOrder(RegistryAccess& registry, const std::string& criteria) {
        if (!registry.openKey(criteria, false)) return {};
        Lines out = registry.subkeyNames();
        out.push_back(registry.readString("Order"));
        registry.closeKey();
        return out;
    }
    static Lines keysAndOrder22() {
        Lines out;
        for (std::size_t k = 0; k < 22; ++k) out.push_back(keyName(k));
        out.push_back(orderString(22));
        return out;
    }
};

TEST_F(EndToEnd, CleanTheSampleRegistryFromOpenToSave) {
    const auto file = root_ / "HKEY_CURRENT_USER.reg";
    std::filesystem::remove(file);
    registry_.load(file);  // a first start: the sample registry
    const auto onDisk = [&](const std::string& criteria) {
        SubstituteRegistry disk;
        disk.load(file);
        return entriesIn(disk, criteria);
    };
    const Lines worked = walk(onDisk);
    SubstituteRegistry disk;
    disk.load(file);
    for (const char* kind : {"\\Mail\\Criteria", "\\News\\Criteria"}) {
        EXPECT_EQ(entriesIn(disk, blocksKey() + kind), expected(worked)) << kind;
        EXPECT_EQ(keysAndOrder(disk, blocksKey() + kind), keysAndOrder22()) << kind;
    }
    // The backups are of the lists as read.
    EXPECT_EQ(backupFile("Mail").substr(0, 57),
              "offers@bargain-mail.example\r\ndeals@bargain-mail.example\r\n");
    EXPECT_EQ(backupFile("News"),
              "spam@newsgroup-ads.example\r\nposter@binaries.newsgroup-ads.example\r\n"
              "newsgroup-ads.example\r\ntroll@forum-noise.test\r\n");
}

#ifdef _WIN32
// The system's registry of the current user (a fresh Wine prefix's in the Windows leg), seeded
// with the sample identity as a user's would be by the system's own import.
struct SystemRegistry {
    WindowsRegistry windows;
};

class EndToEndOnWindows : protected SystemRegistry, public EndToEnd {
protected:
    EndToEndOnWindows() : EndToEnd(windows) {}
    ~EndToEndOnWindows() override { windows.deleteKey("Identities"); }

    void seedSampleIdentity() {
        std::string reg;
        const std::string_view sample = sampleRegistryText();
        for (const char c : sample.substr(sample.find_first_not_of('\n'))) {
            if (c == '\n') reg += '\r';
            reg += c;
        }
        const std::string file = writeFile("sample.reg", reg);
        std::string command = "regedit.exe /S \"" + file + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &started));
        WaitForSingleObject(started.hProcess, 60000);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
        ASSERT_TRUE(windows.keyExists(blocksKey() + "\\Mail\\Criteria"));
    }
};

TEST_F(EndToEndOnWindows, CleanTheSampleIdentityInTheSystemRegistry) {
    seedSampleIdentity();
    const Lines worked =
        walk([this](const std::string& criteria) { return entriesIn(windows, criteria); });
    for (const char* kind : {"\\Mail\\Criteria", "\\News\\Criteria"}) {
        EXPECT_EQ(entriesIn(windows, blocksKey() + kind), expected(worked)) << kind;
        EXPECT_EQ(keysAndOrder(windows, blocksKey() + kind), keysAndOrder22()) << kind;
    }
}
#endif

}  // namespace
}  // namespace plevo::test
