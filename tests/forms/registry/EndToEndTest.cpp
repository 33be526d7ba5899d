// The whole road on the sample identity: open it, hand the Mail list over, reduce, delete
// duplicates, sort, take it back and write it into the registry: the substitute registry, kept
// on disk, and on Windows the system's own.
#include "platform/Files.h"
#include "registry/KeyNames.h"
#include "registry/SampleRegistry.h"
#include "support/RegistryFixture.h"

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

    // From the opened sample lists to the cleaned list saved in both registry lists; what the
    // registry window shows then.
    void cleanAndSave() {
        writeFile("Outlook Safe Domains.txt", "freemail.example.org\r\n");
        dialogs_.expectMessage(kReminder)
            .expectMessage(startPath("Outlook Safe Domains.txt") + " opened successfully")
            .expectMessage(
                "You can now sort this Blocked Senders list or open your own text file\n\rof "
                "blocked senders to replace existing Mail or News registry entries");
        clickReg("Button2");
        ASSERT_EQ(control<ui::Memo>("Memo1").lineCount(), 30);

        control<ui::CheckBox>("CheckBox2").setChecked(false);  // no questions while reducing
        clickMain("Button1");
        clickMain("Button5");
        dialogs_.expectMessage("Save your changes when you have completed all changes");
        clickMain("Button6");
        const Lines worked = control<ui::Memo>("Memo1").lines();
        ASSERT_EQ(worked.size(), 22u);

        dialogs_.expectBackupQuestion(Answer::No)
            .expectImportQuestion(Answer::Yes)
            .expectMessage(
                "The text file has replaced both the original Blocked Senders List\n\r[Mail] "
                "and [News] registry entries.\n\r\n\rOnly save to the registry if you are sure?");
        clickMain("Button2");
        const int writesBefore = registryWrites_;
        dialogs_.expectMessage("Registry updated, you can close now.");
        clickReg("Button3");
        if (&toolRegistry_ == &registry_) {
            EXPECT_EQ(registryWrites_, writesBefore + 1);  // the file is written once, at the end
        }

        const Lines expected = {
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
            worked[15],  // "quick-credit.example" and "Quick-Credit.example", equal without
            worked[16],  // case, keep the order the working list gave them
            "replica-store.example",
            "shop.bargain-mail.example",
            "survey-rewards.invalid",
            "uk.lottery-notice.test",
            "vip.lucky-spins.test",
        };
        EXPECT_EQ(reg<ui::ListBox>("ListBox1").lines(), expected);
        EXPECT_EQ(reg<ui::ListBox>("ListBox2").lines(), expected);

        // Both Criteria keys hold the same entries under keys 000 to 015, read back from the
        // registry itself.
        for (const char* kind : {"\\Mail\\Criteria", "\\News\\Criteria"}) {
            const std::string criteria = blocksKey() + kind;
            EXPECT_EQ(entriesAt(criteria), expected) << kind;
            EXPECT_EQ(valueAt(criteria, "Order"), orderString(22)) << kind;
            ASSERT_TRUE(toolRegistry_.openKey(criteria, false));
            const Lines names = toolRegistry_.subkeyNames();
            toolRegistry_.closeKey();
            Lines wanted;
            for (std::size_t k = 0; k < 22; ++k) wanted.push_back(keyName(k));
            EXPECT_EQ(names, wanted) << kind;
        }
    }
};

TEST_F(EndToEnd, CleanTheSampleRegistryFromOpenToSave) {
    const auto file = root_ / "HKEY_CURRENT_USER.reg";
    openSampleIdentity();
    const std::string mailBackup = backupFile("Mail");
    EXPECT_EQ(mailBackup.substr(0, 57),
              "offers@bargain-mail.example\r\ndeals@bargain-mail.example\r\n");
    cleanAndSave();
    EXPECT_EQ(backupFile("Mail"), mailBackup);  // the backups are of the lists as read
    EXPECT_EQ(backupFile("News"),
              "spam@newsgroup-ads.example\r\nposter@binaries.newsgroup-ads.example\r\n"
              "newsgroup-ads.example\r\ntroll@forum-noise.test\r\n");

    // What is on disk reloads to the same tree.
    SubstituteRegistry reloaded;
    reloaded.load(file);
    EXPECT_EQ(reloaded.exportText(), registry_.exportText());
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
    openSampleLists();
    cleanAndSave();
}
#endif

}  // namespace
}  // namespace plevo::test
