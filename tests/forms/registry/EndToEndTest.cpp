// The whole road on the sample registry: open the identity, hand the Mail list over, reduce,
// delete duplicates, sort, take it back and write it into the registry, which is kept on disk.
#include "platform/Files.h"
#include "registry/KeyNames.h"
#include "support/RegistryFixture.h"

namespace plevo::test {
namespace {

using Lines = std::vector<std::string>;

class EndToEnd : public RegistryFixture {};

TEST_F(EndToEnd, CleanTheSampleRegistryFromOpenToSave) {
    const auto file = root_ / "HKEY_CURRENT_USER.reg";
    writeFile("Outlook Safe Domains.txt", "freemail.example.org\r\n");
    const std::string blocks =
        kSampleIdentity + "\\Software\\Microsoft\\Outlook Express\\5.0\\Block Senders";
    openSampleIdentity();
    const std::string mailBackup = backupFile("Mail");
    EXPECT_EQ(mailBackup.substr(0, 57),
              "offers@bargain-mail.example\r\ndeals@bargain-mail.example\r\n");

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
    EXPECT_EQ(worked.size(), 22u);

    dialogs_.expectBackupQuestion(Answer::No)
        .expectImportQuestion(Answer::Yes)
        .expectMessage(
            "The text file has replaced both the original Blocked Senders List\n\r[Mail] "
            "and [News] registry entries.\n\r\n\rOnly save to the registry if you are sure?");
    clickMain("Button2");
    const int writesBefore = registryWrites_;
    dialogs_.expectMessage("Registry updated, you can close now.");
    clickReg("Button3");
    EXPECT_EQ(registryWrites_, writesBefore + 1);  // the file is written once, at the end

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
        worked[15],  // "quick-credit.example" and "Quick-Credit.example", equal without case,
        worked[16],  // keep the order the working list gave them
        "replica-store.example",
        "shop.bargain-mail.example",
        "survey-rewards.invalid",
        "uk.lottery-notice.test",
        "vip.lucky-spins.test",
    };
    EXPECT_EQ(reg<ui::ListBox>("ListBox1").lines(), expected);
    EXPECT_EQ(reg<ui::ListBox>("ListBox2").lines(), expected);

    // Both Criteria keys hold the same entries under keys 000 to 015.
    for (const char* kind : {"\\Mail\\Criteria", "\\News\\Criteria"}) {
        const std::string criteria = blocks + kind;
        EXPECT_EQ(entriesAt(criteria), expected) << kind;
        EXPECT_EQ(valueAt(criteria, "Order"), orderString(22)) << kind;
        ASSERT_TRUE(registry_.openKey(criteria, false));
        const Lines names = registry_.subkeyNames();
        registry_.closeKey();
        Lines wanted;
        for (std::size_t k = 0; k < 22; ++k) wanted.push_back(keyName(k));
        EXPECT_EQ(names, wanted) << kind;
    }
    EXPECT_EQ(backupFile("Mail"), mailBackup);  // the backups are of the lists as read
    EXPECT_EQ(backupFile("News"),
              "spam@newsgroup-ads.example\r\nposter@binaries.newsgroup-ads.example\r\n"
              "newsgroup-ads.example\r\ntroll@forum-noise.test\r\n");

    // What is on disk reloads to the same tree.
    SubstituteRegistry reloaded;
    reloaded.load(file);
    EXPECT_EQ(reloaded.exportText(), registry_.exportText());
}

}  // namespace
}  // namespace plevo::test
