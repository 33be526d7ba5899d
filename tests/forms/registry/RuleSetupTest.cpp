// Setting up a first rule for an identity that has neither rules nor a blocked-senders list.
#include "platform/Files.h"
#include "registry/RuleSetup.h"
#include "support/RegistryFixture.h"

namespace plevo::test {
namespace {

using Lines = std::vector<std::string>;

const char* const kSetUpQuestion =
    "You do not have any rules set up, would you like to do this now?\n\rYou will be asked to "
    "confirm an update to your registry,\n\rSelecting yes will update Outlook Express with a new "
    "rule";
const char* const kNoMailList =
    "Please set up a Mail Blocked Senders List in Outlook Express\n\rthen try again.\n\rDo this by "
    "opening Outlook Express Blocked Senders List\n\rand check 1 of the boxes in the NEWS column";

TEST(RuleSetupText, TemplateLinesAndTheIdentityFilledIn) {
    const auto& t = ruleSetupTemplate();
    ASSERT_GE(t.size(), 3u);
    EXPECT_EQ(t[0], "Windows Registry Editor Version 5.00");
    EXPECT_EQ(t[1], "");
    EXPECT_EQ(t[2],
              "[HKEY_CURRENT_USER\\Identities\\{}\\Software\\Microsoft\\Outlook Express\\5.0]");
    EXPECT_EQ(t[3], "\"VerStamp\"=dword:00000003");
    EXPECT_EQ(t.back(), "");
    // Byte lists: at most 80 characters a line, continued with ",\" and a two-blank indent.
    int continued = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (!t[i].empty() && t[i][0] != '[') {
            EXPECT_LE(t[i].size(), 80u) << t[i];
        }
        if (!t[i].empty() && t[i].back() == '\\') {
            ++continued;
            EXPECT_EQ(t[i][t[i].size() - 2], ',') << t[i];
            EXPECT_EQ(t[i + 1].substr(0, 2), "  ") << t[i + 1];
        }
    }
    EXPECT_GT(continued, 4);
    const auto has = [&](const std::string& line) {
        return std::find(t.begin(), t.end(), line) != t.end();
    };
    EXPECT_TRUE(has("\"Default_CodePage\"=dword:00006faf"));
    EXPECT_TRUE(has("\"Accounts Checked\"=hex:00,00,00,00"));
    EXPECT_TRUE(has("\"File4\"=\"Citrus Punch.htm\""));
    EXPECT_TRUE(has("\"Name\"=\"New Mail Rule #1\""));
    EXPECT_TRUE(has("\"Value\"=hex:6e,65,77,00,00,00"));
    EXPECT_TRUE(
        has("[HKEY_CURRENT_USER\\Identities\\{}\\Software\\Microsoft\\Outlook "
            "Express\\5.0\\Trident\\Settings]"));

    const auto filled = ruleSetupText("Identities\\{ABC}");
    ASSERT_TRUE(filled);
    EXPECT_EQ(filled->find("Identities\\{}"), std::string::npos);
    EXPECT_EQ(filled->substr(0, 40), "Windows Registry Editor Version 5.00\r\n\r\n");
    EXPECT_NE(filled->find("[HKEY_CURRENT_USER\\Identities\\{ABC}\\Software\\Microsoft\\Outlook "
                           "Express\\5.0\\Rules\\Mail\\000]\r\n"),
              std::string::npos);
    // The template itself keeps its placeholder for the next set-up.
    EXPECT_EQ(ruleSetupTemplate()[2].find("{}") != std::string::npos, true);

    EXPECT_FALSE(ruleSetupText("Identities\\{x]\r\n[HKEY_CURRENT_USER\\Evil}"));
    EXPECT_FALSE(ruleSetupText("Identities\\{x\ty}"));
    EXPECT_FALSE(ruleSetupText("Identities\\{x]}"));
}

class RuleSetup : public RegistryFixture {};

TEST_F(RuleSetup, YesWritesTheImportFileHandsItOverAndOpensAgain) {
    IdentitySpec spec{.rules = false, .blockSenders = false};
    addIdentity(spec);
    showRegistryWindow();
    const std::string rules =
        "Identities\\" + spec.key + "\\Software\\Microsoft\\Outlook Express\\5.0\\Rules\\Mail";
    dialogs_.expectConfirm(kSetUpQuestion, Buttons::YesNo, Answer::Yes)
        .expectConfirm(
            "Are you sure you want to add the information in C:\\Rules.reg to the registry?",
            Buttons::YesNo, Answer::Yes,
            [&] { EXPECT_TRUE(fileExists(root_ / "drive_c" / "Rules.reg")); })
        .expectMessage(
            "A Rule has been set up for you.\n\rPlease reopen your Identity if requested")
        // The open again, now with rules and an empty Block Senders key.
        .expectMessage("You can use the Advanced Rules button")
        .expectMessage(kNoMailList)
        // The interrupted open goes on.
        .expectMessage("You can use the [Advanced Rules] button")
        .expectMessage(kNoMailList);
    clickReg("OpenRegImage");
    EXPECT_FALSE(fileExists(root_ / "drive_c" / "Rules.reg"));
    EXPECT_EQ(reg_->RulesKeyPath, rules);
    EXPECT_EQ(valueAt(rules + "\\000", "Name"), "New Mail Rule #1");
    EXPECT_EQ(valueAt(rules, "Order"), "000");
    ASSERT_TRUE(registry_.openKey(rules + "\\000\\Criteria\\000", false));
    EXPECT_EQ(registry_.readBytes("Value"), std::string("new\0\0\0", 6));
    registry_.closeKey();
}

TEST_F(RuleSetup, NoToEitherQuestionChangesNothingAndLeavesNoFile) {
    IdentitySpec spec{.rules = false, .blockSenders = false};
    addIdentity(spec);
    showRegistryWindow();
    dialogs_.expectConfirm(kSetUpQuestion, Buttons::YesNo, Answer::No);
    clickReg("OpenRegImage");
    EXPECT_EQ(reg_->RulesKeyPath, "");

    // No to the import itself: the hand-over was made, so the open runs again and asks again.
    dialogs_.expectConfirm(kSetUpQuestion, Buttons::YesNo, Answer::Yes)
        .expectConfirm(
            "Are you sure you want to add the information in C:\\Rules.reg to the registry?",
            Buttons::YesNo, Answer::No)
        .expectMessage(
            "A Rule has been set up for you.\n\rPlease reopen your Identity if requested")
        .expectConfirm(kSetUpQuestion, Buttons::YesNo, Answer::No)
        .expectMessage("You can use the [Advanced Rules] button")
        .expectMessage(kNoMailList);
    clickReg("OpenRegImage");
    EXPECT_FALSE(registry_.keyExists("Identities\\" + spec.key + "\\Software"));
    EXPECT_FALSE(fileExists(root_ / "drive_c" / "Rules.reg"));
}

// Hands the file to the substitute's import (unless told to refuse), notes whether the file was
// there and what the user had been shown before and after, and reports the run as told.
class RecordingShell : public Shell {
public:
    RecordingShell(Shell& import, const ScriptedDialogs& dialogs, ShellRun result)
        : import_(import), dialogs_(dialogs), result_(result) {}
    ShellRun open(const std::filesystem::path& file, const std::string& shownName) override {
        fileThere = fileExists(file);
        shownBefore = dialogs_.transcript().size();
        if (result_ != ShellRun::Refused) import_.open(file, shownName);
        shownAfter = dialogs_.transcript().size();
        return result_;
    }
    bool fileThere = false;
    std::size_t shownBefore = 0;
    std::size_t shownAfter = 0;

private:
    Shell& import_;
    const ScriptedDialogs& dialogs_;
    ShellRun result_;
};

TEST_F(RuleSetup, TheMessageAndTheDeletionWaitForTheImportAndAFileNothingWaitedForStays) {
    const std::filesystem::path file = root_ / "drive_c" / "Rules.reg";
    const std::string setUp =
        "A Rule has been set up for you.\n\rPlease reopen your Identity if requested";
    struct Case {
        ShellRun run;
        bool fileStays;
    };
    showRegistryWindow();
    for (const Case c : {Case{ShellRun::Refused, false}, Case{ShellRun::Finished, false},
                         Case{ShellRun::Running, true}}) {
        SCOPED_TRACE(static_cast<int>(c.run));
        registry_.deleteKey("Identities");  // the previous case's identity
        IdentitySpec spec{.rules = false, .blockSenders = false};
        addIdentity(spec);
        RecordingShell shell(shell_, dialogs_, c.run);
        toolShell_.replacement = &shell;
        dialogs_.expectConfirm(kSetUpQuestion, Buttons::YesNo, Answer::Yes);
        if (c.run != ShellRun::Refused)
            dialogs_
                .expectConfirm(
                    "Are you sure you want to add the information in C:\\Rules.reg to the "
                    "registry?",
                    Buttons::YesNo, Answer::Yes)
                .expectMessage(setUp, [&] { EXPECT_TRUE(fileExists(file)); })
                .expectMessage("You can use the Advanced Rules button",
                               [&] { EXPECT_EQ(fileExists(file), c.fileStays); })
                .expectMessage(kNoMailList)
                .expectMessage("You can use the [Advanced Rules] button")
                .expectMessage(kNoMailList);
        clickReg("OpenRegImage");
        dialogs_.verify();
        toolShell_.replacement = nullptr;

        // The import ran after the set-up question, on the file just written, and the message
        // came after the import had ended.
        EXPECT_TRUE(shell.fileThere);
        const auto& shown = dialogs_.transcript();
        ASSERT_GE(shell.shownBefore, 1u);
        EXPECT_EQ(shown[shell.shownBefore - 1], std::string("confirm: ") + kSetUpQuestion);
        if (c.run != ShellRun::Refused) {
            ASSERT_LT(shell.shownAfter, shown.size());
            EXPECT_EQ(shown[shell.shownAfter], "message: " + setUp);
        }
        EXPECT_EQ(fileExists(file), c.fileStays);
        EXPECT_EQ(reg_->RulesKeyPath.empty(), c.run == ShellRun::Refused);
    }
    EXPECT_EQ(readFile(file), *ruleSetupText("Identities\\" + IdentitySpec{}.key));
    // The user's next open removes the file left for that import.
    dialogs_
        .expectMessage("You can use the Advanced Rules button",
                       [&] { EXPECT_FALSE(fileExists(file)); })
        .expectMessage(kNoMailList);
    clickReg("OpenRegImage");
    dialogs_.verify();
}

TEST_F(RuleSetup, AnIdentityNameThatCouldInjectKeysIsRefused) {
    IdentitySpec spec{.key = "{evil]x}", .rules = false, .blockSenders = false};
    addIdentity(spec);
    showRegistryWindow();
    dialogs_.expectConfirm(kSetUpQuestion, Buttons::YesNo, Answer::Yes)
        .expectMessage(
            "The identity's key name holds characters that cannot be written safely into "
            "a registry file:\n\rIdentities\\{evil]x}\n\rNo rule has been set up.");
    clickReg("OpenRegImage");
    EXPECT_FALSE(fileExists(root_ / "drive_c" / "Rules.reg"));
    EXPECT_EQ(reg_->RulesKeyPath, "");
}

}  // namespace
}  // namespace plevo::test

namespace plevo::test {
namespace {

TEST_F(RuleSetup, TheOpenAfterASetUpReadsTheListsOnceWhicheverIdentityWasChosen) {
    IdentitySpec bare{.key = "{A}", .user = "Ann", .rules = false, .blockSenders = false};
    IdentitySpec full{
        .key = "{B}", .user = "Bob", .mail = Lines{"m@x.example"}, .news = Lines{"n@x.example"}};
    addIdentity(bare);
    addIdentity(full);
    showRegistryWindow();
    const std::string prompt =
        "2 persons are using Outlook Express\n\rPlease choose an identity?\n\r\n\rThe default user "
        "is "
        "Main Identity,\n\r0. Ann\n\r1. Bob\n\r";
    dialogs_.expectInput("Identity's", prompt, "0", "0")
        .expectConfirm(kSetUpQuestion, Buttons::YesNo, Answer::Yes)
        .expectConfirm(
            "Are you sure you want to add the information in C:\\Rules.reg to the registry?",
            Buttons::YesNo, Answer::Yes)
        .expectMessage(
            "A Rule has been set up for you.\n\rPlease reopen your Identity if requested")
        // The open again; this time the user picks Bob, who has both lists.
        .expectInput("Identity's", prompt, "0", "1")
        .expectMessage("You can use the Advanced Rules button")
        .expectMessage(infoMessage(listPath(full, "Mail")))
        .expectMessage(infoMessage(listPath(full, "News")))
        .expectMessage(backupMessage("Mail"))
        .expectMessage(backupMessage("News"))
        // The interrupted open goes on with Bob and reads his lists afresh.
        .expectMessage("You can use the [Advanced Rules] button")
        .expectMessage(infoMessage(listPath(full, "Mail")))
        .expectMessage(infoMessage(listPath(full, "News")))
        .expectMessage(backupMessage("Mail"))
        .expectMessage(backupMessage("News"));
    clickReg("OpenRegImage");
    EXPECT_EQ(reg<ui::ListBox>("ListBox1").lines(), Lines{"m@x.example"});
    EXPECT_EQ(reg<ui::ListBox>("ListBox2").lines(), Lines{"n@x.example"});
    EXPECT_EQ(backupFile("Mail"), "m@x.example\r\n");
    EXPECT_EQ(reg_->identityKeyPath(), "Identities\\{B}");
    // The set-up went into Ann's identity, which now has rules.
    EXPECT_TRUE(registry_.keyExists(
        "Identities\\{A}\\Software\\Microsoft\\Outlook Express\\5.0\\Rules\\Mail\\000"));
}

}  // namespace
}  // namespace plevo::test
