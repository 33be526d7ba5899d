// The registry window: its controls, Open, Sort, the worked list taken back, and Save.
#include "platform/Files.h"
#include "registry/KeyNames.h"
#include "support/RegistryFixture.h"
#include "ui/Controls.h"

namespace plevo::test {
namespace {

using Lines = std::vector<std::string>;
const std::string kSpaces66(66, ' ');

class RegistryWindow : public RegistryFixture {
protected:
    // Opens one identity with both lists; the messages of a clean open.
    void openBoth(const IdentitySpec& spec) {
        addIdentity(spec);
        showRegistryWindow();
        dialogs_.expectMessage("You can use the Advanced Rules button")
            .expectMessage(infoMessage(listPath(spec, "Mail")))
            .expectMessage(infoMessage(listPath(spec, "News")))
            .expectMessage(backupMessage("Mail"))
            .expectMessage(backupMessage("News"));
        clickReg("OpenRegImage");
        dialogs_.verify();
    }
    // Sort with the safe-list dialog cancelled (no safe-domains file in the start folder).
    void sortExpectingHandOff() {
        dialogs_.expectSafeListDialogCancelled().expectMessage(
            "You can now sort this Blocked Senders list or open your own text "
            "file\n\rof blocked senders to replace existing Mail or News registry "
            "entries");
        clickReg("SortRegImage");
        dialogs_.verify();
    }
    // Save Changes with no backup copy and Yes to the import question.
    void saveChangesImporting() {
        dialogs_.expectBackupQuestion(Answer::No).expectImportQuestion(Answer::Yes);
    }
};

TEST_F(RegistryWindow, ControlsAndHelpPage) {
    ui::Form& form = reg_->form();
    EXPECT_EQ(form.clientSize(), (ui::Size{672, 476}));
    EXPECT_EQ(reg<ui::GroupBox>("MailGroupBox").caption(), "Blocked Senders Mail Registry Entries");
    EXPECT_EQ(reg<ui::GroupBox>("NewsGroupBox").caption(), "Blocked Senders News Registry Entries");
    EXPECT_EQ(reg<ui::GroupBox>("RegistryGroupBox").caption(), "For use with Outlook Express");
    EXPECT_EQ(reg<ui::ListBox>("ListBox1").lines(),
              (Lines{"", " Select the Help [?] button for help with this form"}));
    EXPECT_EQ(reg<ui::Panel>("AdvancedPanel").caption(), "Advanced Rules  ");
    EXPECT_TRUE(reg<ui::RadioButton>("RadioBtnBoth").checked());
    EXPECT_EQ(reg<ui::RadioButton>("RadioBtnMail").caption(), "Sort blocked Mail Entries");
    EXPECT_EQ(reg<ui::RadioButton>("RadioBtnNews").caption(), "Sort Blocked News Entries");
    EXPECT_EQ(reg<ui::RadioButton>("RadioBtnBoth").caption(), "Sort blocked Mail and copy to News");
    EXPECT_EQ(reg<ui::Button>("Button1").caption(), "Open Registry");
    EXPECT_EQ(reg<ui::Button>("Button3").caption(), "Save changes to registry?");
    EXPECT_FALSE(reg<ui::Button>("Button3").enabled());
    EXPECT_FALSE(reg<ui::Picture>("SaveRegImage").enabled());
    EXPECT_TRUE(reg<ui::CheckBox>("ShowMeRegBox").checked());
    EXPECT_EQ(reg<ui::CheckBox>("ShowMeRegBox").caption(), "Show Me");
    for (const char* b : {"Button1", "Button2", "Button3", "CloseRegBtn"})
        EXPECT_GE(reg<ui::Button>(b).geometry().y, form.clientSize().h) << b;
    const Lines help = reg<ui::Memo>("MemoRegHelp").lines();
    ASSERT_EQ(help.size(), 49u);
    EXPECT_EQ(help[1], " [ *Press the Help button again to close this help page ]");
    EXPECT_EQ(help[5], " necessary for the program to access the registry in order to work with ");
    EXPECT_EQ(help[31], "     entries. When you have made any changes you want to ");
    EXPECT_EQ(help[48], "");

    showRegistryWindow();
    EXPECT_EQ(reg<ui::Button>("Button2").caption(), "Sort blocked Mail and copy to News");
    EXPECT_EQ(reg<ui::Memo>("MemoRegHelp").geometry().w, (form.clientSize().w / 10) * 6);
    clickReg("Image2");
    EXPECT_TRUE(reg<ui::Memo>("MemoRegHelp").visible());
    EXPECT_FALSE(reg<ui::GroupBox>("MailGroupBox").visible());
    clickReg("Image2");
    EXPECT_FALSE(reg<ui::Memo>("MemoRegHelp").visible());
    EXPECT_TRUE(reg<ui::Panel>("Panel1").visible());

    clickReg("RadioBtnNews");
    EXPECT_EQ(reg<ui::Button>("Button2").caption(), "Sort Blocked News Entries");
    EXPECT_EQ(reg<ui::Label>("SortRegLabel").caption(), "Sort Blocked News Entries");
    EXPECT_EQ(tool_->pulse().target(), &reg<ui::Picture>("OpenRegImage"));
    EXPECT_EQ(regFocus(), "Button1");

    clickReg("ShowMeRegBox");
    EXPECT_FALSE(control<ui::CheckBox>("ShowMeCheckBox").checked());
    clickMain("ShowMeCheckBox");
    EXPECT_TRUE(reg<ui::CheckBox>("ShowMeRegBox").checked());
    clickReg("CloseImage");
    EXPECT_FALSE(form.visible());
}

TEST_F(RegistryWindow, OneIdentityOpensBothListsAndBacksThemUp) {
    IdentitySpec spec{.mail = Lines{"b@x.example", "", "a@x.example"},
                      .news = Lines{"n@y.example"}};
    openBoth(spec);
    EXPECT_EQ(reg<ui::Label>("IdentityLabel").caption(), "User: Main Identity");
    EXPECT_EQ(reg<ui::ListBox>("ListBox1").lines(),
              (Lines{"b@x.example", "", "a@x.example"}));  // as read
    EXPECT_EQ(reg<ui::ListBox>("ListBox2").lines(), (Lines{"n@y.example"}));
    EXPECT_TRUE(reg_->mailOpened());
    EXPECT_TRUE(reg_->newsOpened());
    EXPECT_EQ(reg_->OpenedListPaths[0], listPath(spec, "Mail") + "\\Criteria");
    EXPECT_EQ(reg_->OpenedListPaths[1], listPath(spec, "News") + "\\Criteria");
    EXPECT_EQ(reg<ui::Label>("RegKeyLabel").caption(), listPath(spec, "News") + "\\Criteria");
    EXPECT_EQ(reg_->RulesKeyPath, "Identities\\" + spec.key +
                                      "\\Software\\Microsoft\\Outlook Express\\5.0\\Rules\\Mail");
    EXPECT_EQ(reg<ui::GroupBox>("RegistryGroupBox").caption(),
              "3 Registry entries" + kSpaces66 + "1 Registry entries");
    EXPECT_TRUE(reg<ui::Button>("Button3").enabled());
    EXPECT_TRUE(reg<ui::Picture>("SaveRegImage").enabled());
    EXPECT_TRUE(control<ui::Label>("Label7").enabled());
    EXPECT_EQ(regFocus(), "Button2");
    EXPECT_EQ(tool_->pulse().target(), &reg<ui::Picture>("SortRegImage"));
    EXPECT_EQ(backupFile("Mail"), "b@x.example\r\n\r\na@x.example\r\n");
    EXPECT_EQ(backupFile("News"), "n@y.example\r\n");
    EXPECT_EQ(registryWrites_, 0);  // an open changes nothing in the registry

    // Opening again empties both lists first, reads them afresh and rewrites the backups.
    ASSERT_TRUE(registry_.openKey(listPath(spec, "Mail") + "\\Criteria\\000", false));
    registry_.writeString("Value", "changed@x.example");
    registry_.closeKey();
    clickReg("RadioBtnMail");
    dialogs_.expectMessage("You can use the Advanced Rules button")
        .expectMessage(infoMessage(listPath(spec, "Mail")))
        .expectMessage(backupMessage("Mail"));
    clickReg("OpenRegImage");
    EXPECT_EQ(reg<ui::ListBox>("ListBox1").lines(),
              (Lines{"changed@x.example", "", "a@x.example"}));
    EXPECT_EQ(reg<ui::ListBox>("ListBox2").lineCount(), 0);
    EXPECT_FALSE(reg_->newsOpened());
    EXPECT_EQ(reg_->OpenedListPaths[1], "");
    EXPECT_EQ(backupFile("Mail"), "changed@x.example\r\n\r\na@x.example\r\n");
}

TEST_F(RegistryWindow, ThreeIdentitiesAskWhichOne) {
    addIdentity({.key = "{A}", .user = "Ann", .mail = Lines{"a@a.example"}, .news = Lines{}});
    addIdentity({.key = "{B}", .user = "Bob", .mail = Lines{"b@b.example"}, .news = Lines{}});
    addIdentity({.key = "{C}", .user = "Cy", .mail = Lines{"c@c.example"}, .news = Lines{}});
    addIdentity({.key = "NoBrace", .user = "ignored"});
    showRegistryWindow();
    const std::string prompt =
        "3 persons are using Outlook Express\n\rPlease choose an identity?\n\r\n\rThe default user "
        "is "
        "Main Identity,\n\r0. Ann\n\r1. Bob\n\r2. Cy\n\r";
    dialogs_.expectInput("Identity's", prompt, "0", "3");
    clickReg("OpenRegImage");
    EXPECT_FALSE(reg_->mailOpened());
    EXPECT_EQ(regFocus(), "Button1");

    dialogs_.expectInput("Identity's", prompt, "0", "x")
        .expectMessage("You can only select a number from 0 to 2");
    clickReg("OpenRegImage");
    dialogs_.expectInput("Identity's", prompt, "0", std::nullopt);
    clickReg("OpenRegImage");
    for (const char* outside : {"-1", "99999999999999999999"}) {
        dialogs_.expectInput("Identity's", prompt, "0", std::string(outside));
        clickReg("OpenRegImage");
    }
    for (const char* notANumber : {"", "1.0", " 1", "+"}) {
        dialogs_.expectInput("Identity's", prompt, "0", std::string(notANumber))
            .expectMessage("You can only select a number from 0 to 2");
        clickReg("OpenRegImage");
    }
    EXPECT_FALSE(reg_->mailOpened());

    tool_->state().AssistantRunning = true;  // no information message then
    dialogs_.expectInput("Identity's", prompt, "0", "1")
        .expectMessage("You can use the Advanced Rules button")
        .expectMessage(backupMessage("Mail"))
        .expectMessage(backupMessage("News"));
    clickReg("OpenRegImage");
    EXPECT_EQ(reg<ui::Label>("IdentityLabel").caption(), "User: Bob");
    EXPECT_EQ(reg<ui::ListBox>("ListBox1").lines(), Lines{"b@b.example"});
    EXPECT_TRUE(tool_->state().AssistantRunning);
}

TEST_F(RegistryWindow, MissingListsEndTheOpen) {
    IdentitySpec spec{.mail = Lines{"m@x.example"}};
    addIdentity(spec);
    showRegistryWindow();
    tool_->state().AssistantRunning = true;
    clickReg("RadioBtnNews");
    dialogs_.expectMessage("You can use the Advanced Rules button")
        .expectMessage(
            "Please set up a News Blocked Senders List in Outlook Express\n\rthen try again.");
    clickReg("OpenRegImage");
    EXPECT_FALSE(reg_->newsOpened());
    EXPECT_FALSE(tool_->state().AssistantRunning);  // an open that read nothing stops the assistant

    // Both lists chosen and only Mail there: Mail is read and backed up, then the open ends.
    clickReg("RadioBtnBoth");
    dialogs_.expectMessage("You can use the Advanced Rules button")
        .expectMessage(infoMessage(listPath(spec, "Mail")))
        .expectMessage(
            "Please set up a News Blocked Senders List in Outlook Express\n\rthen try again.")
        .expectMessage(backupMessage("Mail"));
    clickReg("OpenRegImage");
    EXPECT_TRUE(reg_->mailOpened());
    EXPECT_EQ(regFocus(), "Button2");
}

TEST_F(RegistryWindow, AListKeyWithoutCriteriaReadsNothingAndAnEntryWithoutValueIsEmpty) {
    IdentitySpec spec{.mail = Lines{"x"}, .criteria = false};
    addIdentity(spec);
    showRegistryWindow();
    clickReg("RadioBtnMail");
    dialogs_.expectMessage("You can use the Advanced Rules button")
        .expectMessage(infoMessage(listPath(spec, "Mail")));
    clickReg("OpenRegImage");
    EXPECT_FALSE(reg_->mailOpened());

    ASSERT_TRUE(registry_.openKey(listPath(spec, "Mail") + "\\Criteria\\000", true));
    ASSERT_TRUE(registry_.openKey(listPath(spec, "Mail") + "\\Criteria\\001", true));
    registry_.writeString("Value", "v@x.example");
    registry_.closeKey();
    dialogs_.expectMessage("You can use the Advanced Rules button")
        .expectMessage(infoMessage(listPath(spec, "Mail")))
        .expectMessage(backupMessage("Mail"));
    clickReg("OpenRegImage");
    EXPECT_EQ(reg<ui::ListBox>("ListBox1").lines(), (Lines{"", "v@x.example"}));
    EXPECT_EQ(backupFile("Mail"), "\r\nv@x.example\r\n");
}

TEST_F(RegistryWindow, AnEntryOfTheWrongTypeEndsTheOpenAfterBackingUpWhatWasRead) {
    IdentitySpec spec{.mail = Lines{"a@x.example", "b@x.example"}};
    addIdentity(spec);
    ASSERT_TRUE(registry_.openKey(listPath(spec, "Mail") + "\\Criteria\\001", false));
    registry_.writeDword("Value", 7);
    registry_.closeKey();
    showRegistryWindow();
    clickReg("RadioBtnMail");
    dialogs_.expectMessage("You can use the Advanced Rules button")
        .expectMessage(infoMessage(listPath(spec, "Mail")))
        .expectMessage(backupMessage("Mail"))
        .expectError("Invalid data type for 'Value'");
    clickReg("OpenRegImage");
    EXPECT_EQ(reg<ui::ListBox>("ListBox1").lines(), Lines{"a@x.example"});
    EXPECT_EQ(backupFile("Mail"), "a@x.example\r\n");

    // The list read in part cannot be saved over its keys: Save is refused at once and writes
    // nothing, whichever way it is pressed; it never says the registry was updated.
    for (const char* save : {"Button3", "SaveRegImage", "SaveRegLabel"})
        EXPECT_FALSE(reg<ui::Control>(save).enabled()) << save;
    clickReg("SaveRegImage");
    clickReg("SaveRegLabel");
    dialogs_.verify();
    EXPECT_EQ(registryWrites_, 0);
}

TEST_F(RegistryWindow, NoIdentitiesKeyOrNoIdentity) {
    showRegistryWindow();
    dialogs_.expectMessage(
        "You have not set up any identities in Outlook or your\n\rregistry is "
        "corrupted. Try setting up a new Identity in Outlook");
    clickReg("OpenRegImage");
    ASSERT_TRUE(registry_.openKey("Identities\\Plain", true));
    registry_.closeKey();
    dialogs_.expectMessage(
        "There are no Identities in Outlook to check.\n\rYou must first create an "
        "account in Outlook Express.");
    clickReg("OpenRegImage");
}

TEST_F(RegistryWindow, SortRefusesListsNotOpenedAndFallsBackToMail) {
    IdentitySpec spec{.mail = Lines{"m2@x.example", "m1@x.example"}};
    addIdentity(spec);
    showRegistryWindow();
    clickReg("RadioBtnNews");
    dialogs_.expectMessage("You must create and open the News Blocked Senders List");
    clickReg("SortRegImage");
    clickReg("RadioBtnMail");
    dialogs_.expectMessage("You must create and open the Mail Blocked Senders List");
    clickReg("SortRegImage");
    clickReg("RadioBtnBoth");
    dialogs_.expectMessage("You must create an Outlook Express Mail Blocked Senders List");
    clickReg("SortRegImage");
    EXPECT_FALSE(control<ui::Button>("Button1").enabled());  // the working list was not touched

    dialogs_.expectMessage("You can use the Advanced Rules button")
        .expectMessage(infoMessage(listPath(spec, "Mail")))
        .expectMessage(
            "Please set up a News Blocked Senders List in Outlook Express\n\rthen try again.")
        .expectMessage(backupMessage("Mail"));
    clickReg("OpenRegImage");
    dialogs_.expectMessage(
        "You do not have an Outlook Express News Blocked Senders List\n\rFor now "
        "you can only work on your Mail Blocked Senders List\n\rOpen Outlook "
        "Express, go to your Blocked Senders List. In the News\n\rcolumn, put a "
        "check in the News column, then try again.");
    sortExpectingHandOff();
    EXPECT_TRUE(reg<ui::RadioButton>("RadioBtnMail").checked());
    EXPECT_EQ(reg<ui::Button>("Button2").caption(), "Sort blocked Mail Entries");
    EXPECT_EQ(control<ui::Memo>("Memo1").lines(), (Lines{"m2@x.example", "m1@x.example"}));
    EXPECT_EQ(control<ui::Label>("Label2").caption(), "Num of Mail Registry lines =");
    EXPECT_TRUE(tool_->state().ListFromRegistry);
    for (const char* name :
         {"Button1", "Button2", "Button5", "Button6", "Button8", "Button9", "Label10", "CheckBox2"})
        EXPECT_TRUE(control<ui::Control>(name).enabled()) << name;
    EXPECT_EQ(tool_->pulse().target(), &control<ui::Picture>("RemoveImage"));
    EXPECT_EQ(mainFocus(), "Button1");
}

TEST_F(RegistryWindow, AcceptAndSaveWithTheNewsOptionLeaveMailAsItWas) {
    IdentitySpec spec{.mail = Lines{"m@x.example"},
                      .news = Lines{"z@n.example", "y@n.example", "x@n.example"}};
    openBoth(spec);
    clickReg("RadioBtnNews");
    sortExpectingHandOff();
    EXPECT_EQ(control<ui::Label>("Label2").caption(), "Num of News Registry lines =");
    control<ui::Memo>("Memo1").setText("B.example\nc.example\na.example\nb.example\n");
    saveChangesImporting();
    dialogs_.expectMessage(
        "The text file has replaced the original Blocked Senders List\n\r[News] "
        "registry entries.\n\r\n\rOnly save to the registry if you are sure?");
    clickMain("SaveImage");
    // Kept sorted without regard to case; equal lines all stay, in the order they came.
    EXPECT_EQ(reg<ui::ListBox>("ListBox2").lines(),
              (Lines{"a.example", "B.example", "b.example", "c.example"}));
    EXPECT_EQ(reg<ui::ListBox>("ListBox1").lines(), Lines{"m@x.example"});
    EXPECT_EQ(control<ui::GroupBox>("DomainsGroupBox").caption(),
              "There are 1 original Registry entries                        There will be 4 saved "
              "Registry entries");
    EXPECT_EQ(reg<ui::GroupBox>("RegistryGroupBox").caption(),
              "1 Registry entries" + kSpaces66 + "4 Registry entries");
    EXPECT_EQ(tool_->pulse().target(), &reg<ui::Picture>("SaveRegImage"));

    dialogs_.expectMessage("Registry updated, you can close now.");
    clickReg("SaveRegImage");
    const std::string news = listPath(spec, "News") + "\\Criteria";
    EXPECT_EQ(entriesAt(news), (Lines{"a.example", "B.example", "b.example", "c.example"}));
    EXPECT_EQ(valueAt(news, "Order"), "000 001 002 003");
    EXPECT_EQ(entriesAt(listPath(spec, "Mail") + "\\Criteria"), Lines{"m@x.example"});
    EXPECT_EQ(regFocus(), "CloseRegBtn");
}

TEST_F(RegistryWindow, AcceptRefusesAListThatWasNotOpened) {
    IdentitySpec spec{.mail = Lines{"m@x.example"}};
    addIdentity(spec);
    showRegistryWindow();
    clickReg("RadioBtnMail");
    dialogs_.expectMessage("You can use the Advanced Rules button")
        .expectMessage(infoMessage(listPath(spec, "Mail")))
        .expectMessage(backupMessage("Mail"));
    clickReg("OpenRegImage");
    sortExpectingHandOff();
    clickReg("RadioBtnBoth");
    saveChangesImporting();
    dialogs_.expectMessage(
        "Sort blocked Mail Entries or \n\rSort Blocked News Entries may not be available.");
    clickMain("SaveImage");
    clickReg("RadioBtnNews");
    saveChangesImporting();
    dialogs_.expectMessage("Sort Blocked News Entries is not available.");
    clickMain("SaveImage");
    EXPECT_EQ(reg<ui::ListBox>("ListBox1").lines(), Lines{"m@x.example"});

    // No to the import question stops a running assistant.
    tool_->state().AssistantRunning = true;
    dialogs_.expectBackupQuestion(Answer::No).expectImportQuestion(Answer::No);
    clickMain("SaveImage");
    EXPECT_FALSE(tool_->state().AssistantRunning);
}

TEST_F(RegistryWindow, TheChosenListDecidesWhateverTheIdentityKeyNameHolds) {
    // An identity whose key name holds the other list's kind: only the chosen list is opened,
    // backed up and saved, each over its own keys.
    struct Case {
        std::string key;
        const char* option;
        const char* kind;
        const char* other;
    };
    showRegistryWindow();
    for (const Case& c : {Case{"{News-1}", "RadioBtnMail", "Mail", "News"},
                          Case{"{Mail-1}", "RadioBtnNews", "News", "Mail"}}) {
        SCOPED_TRACE(c.key);
        const bool mail = std::string(c.kind) == "Mail";
        IdentitySpec spec{.key = c.key};
        (mail ? spec.mail : spec.news) = Lines{"a@x.example", "b@x.example"};
        (mail ? spec.news : spec.mail) = Lines{"other@x.example"};
        registry_.deleteKey("Identities");  // the previous case's identity
        addIdentity(spec);
        std::filesystem::remove(root_ / "drive_c" / (std::string(c.other) + " Plevo.txt"));
        clickReg(c.option);
        dialogs_.expectMessage("You can use the Advanced Rules button")
            .expectMessage(infoMessage(listPath(spec, c.kind)))
            .expectMessage(backupMessage(c.kind));
        clickReg("OpenRegImage");
        EXPECT_EQ(reg_->mailOpened(), mail);
        EXPECT_EQ(reg_->newsOpened(), !mail);
        EXPECT_FALSE(fileExists(root_ / "drive_c" / (std::string(c.other) + " Plevo.txt")));

        dialogs_.expectMessage("Registry updated, you can close now.");
        clickReg("SaveRegImage");
        dialogs_.verify();
        EXPECT_EQ(entriesAt(listPath(spec, c.kind) + "\\Criteria"),
                  (Lines{"a@x.example", "b@x.example"}));
        EXPECT_EQ(entriesAt(listPath(spec, c.other) + "\\Criteria"), Lines{"other@x.example"});
    }
}

TEST_F(RegistryWindow, SaveRightAfterAnOpenRewritesTheValuesOnly) {
    IdentitySpec spec{.mail = Lines{"a", "b", "c"}, .news = Lines{}};
    openBoth(spec);
    const std::string mail = listPath(spec, "Mail") + "\\Criteria";
    ASSERT_TRUE(registry_.openKey(mail, false));
    registry_.writeString("Order", "kept");
    registry_.closeKey();
    registry_.flush();
    registryWrites_ = 0;
    dialogs_.expectMessage("Registry updated, you can close now.");
    clickReg("SaveRegImage");
    EXPECT_EQ(entriesAt(mail), (Lines{"a", "b", "c"}));
    EXPECT_EQ(valueAt(mail, "Order"), "kept");
    EXPECT_EQ(registryWrites_, 1);  // every Value rewritten, the file written once
}

TEST_F(RegistryWindow, SaveWithMoreOrFewerLinesThanKeys) {
    IdentitySpec spec{.mail = Lines{"a", "b", "c"}, .news = Lines{"1", "2", "3", "4", "5"}};
    openBoth(spec);
    reg<ui::ListBox>("ListBox1").clearLines();
    reg<ui::ListBox>("ListBox1").addLines({"a", "b", "c", "d", "e"});
    reg<ui::ListBox>("ListBox2").clearLines();
    reg<ui::ListBox>("ListBox2").addLines({"x", "y"});
    dialogs_.expectMessage("Registry updated, you can close now.");
    clickReg("SaveRegImage");
    const std::string mail = listPath(spec, "Mail") + "\\Criteria";
    const std::string news = listPath(spec, "News") + "\\Criteria";
    EXPECT_EQ(entriesAt(mail), (Lines{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(valueAt(mail, "Order"), "000 001 002 003 004");
    EXPECT_EQ(entriesAt(news), (Lines{"x", "y"}));
    EXPECT_EQ(valueAt(news, "Order"), "000 001");
    ASSERT_TRUE(registry_.openKey(mail + "\\004", false));
    EXPECT_EQ(registry_.readDword("Flags"), 0u);
    EXPECT_EQ(registry_.readDword("Logic"), 1u);
    EXPECT_EQ(registry_.readDword("Type"), 23u);
    EXPECT_EQ(registry_.readDword("ValueType"), 30u);
    registry_.closeKey();
}

}  // namespace
}  // namespace plevo::test

namespace plevo::test {
namespace {

TEST_F(RegistryWindow, ABackupThatCannotBeWrittenShowsTheErrorAndKeepsTheEarlierOne) {
    IdentitySpec spec{.mail = Lines{"a@x.example"}, .news = Lines{"n@x.example"}};
    openBoth(spec);
    const std::string earlier = backupFile("Mail");
    // Drive C goes away: the Mail backup fails, the News backup is not made.
    std::filesystem::rename(root_ / "drive_c", root_ / "drive_c.away");
    dialogs_.expectMessage("You can use the Advanced Rules button")
        .expectMessage(infoMessage(listPath(spec, "Mail")))
        .expectMessage(infoMessage(listPath(spec, "News")))
        .expectError("Mail Plevo.txt");
    clickReg("OpenRegImage");
    EXPECT_EQ(reg<ui::ListBox>("ListBox1").lines(), Lines{"a@x.example"});
    std::filesystem::rename(root_ / "drive_c.away", root_ / "drive_c");
    EXPECT_EQ(backupFile("Mail"), earlier);
}

TEST_F(RegistryWindow, AcceptWithTheMailOptionReplacesOnlyMail) {
    IdentitySpec spec{.mail = Lines{"m@x.example"}, .news = Lines{"n@x.example"}};
    openBoth(spec);
    clickReg("RadioBtnMail");
    sortExpectingHandOff();
    control<ui::Memo>("Memo1").setText("b\nA\n");
    saveChangesImporting();
    dialogs_.expectMessage(
        "The text file has replaced the original Blocked Senders List\n\r[Mail] "
        "registry entries.\n\r\n\rOnly save to the registry if you are sure?");
    clickMain("SaveImage");
    EXPECT_EQ(reg<ui::ListBox>("ListBox1").lines(), (Lines{"A", "b"}));
    EXPECT_EQ(reg<ui::ListBox>("ListBox2").lines(), Lines{"n@x.example"});
    EXPECT_EQ(regFocus(), "Button3");
}

// Sort hands the chosen list to the main window: it becomes the working list, every list step
// can be used again, the marks of earlier runs are reset and the pulse points at step 2.
struct HandOff {
    const char* option;
    bool news;
};

class SortHandOff : public RegistryWindow, public testing::WithParamInterface<HandOff> {};

TEST_P(SortHandOff, TheWorkingListHoldsTheChosenListAndItsStepsCanBeUsed) {
    const Lines mail{"m2@x.example", "m1@x.example"};
    const Lines news{"n@x.example"};
    openBoth({.mail = mail, .news = news});
    clickReg(GetParam().option);
    EXPECT_FALSE(control<ui::Button>("Button1").enabled());
    EXPECT_FALSE(control<ui::Picture>("RemoveImage").enabled());
    const char* const steps[] = {"RemoveImage", "EditImage", "DeleteImage", "SortImage",
                                 "SaveImage"};
    for (const char* step : steps) {  // as an earlier run of the steps left them
        control<ui::Picture>(std::string(step) + "No").setVisible(false);
        control<ui::Picture>(std::string(step) + "Yes").setVisible(true);
    }
    sortExpectingHandOff();

    EXPECT_EQ(control<ui::Memo>("Memo1").lines(), GetParam().news ? news : mail);
    EXPECT_EQ(control<ui::Label>("Label2").caption(),
              GetParam().news ? "Num of News Registry lines =" : "Num of Mail Registry lines =");
    EXPECT_TRUE(tool_->state().ListFromRegistry);
    for (const char* name :
         {"Button1", "RemoveImage", "Button2", "SaveImage", "Button5", "DeleteImage", "Button6",
          "SortImage", "Button8", "EditImage", "Button9", "ClearTextImage"})
        EXPECT_TRUE(control<ui::Control>(name).enabled()) << name;
    for (const char* step : steps) {
        EXPECT_TRUE(control<ui::Picture>(std::string(step) + "No").visible()) << step;
        EXPECT_FALSE(control<ui::Picture>(std::string(step) + "Yes").visible()) << step;
    }
    EXPECT_EQ(tool_->pulse().target(), &control<ui::Picture>("RemoveImage"));
    EXPECT_EQ(mainFocus(), "Button1");
}

INSTANTIATE_TEST_SUITE_P(EachOption, SortHandOff,
                         testing::Values(HandOff{"RadioBtnMail", false},
                                         HandOff{"RadioBtnNews", true},
                                         HandOff{"RadioBtnBoth", false}));

}  // namespace
}  // namespace plevo::test
