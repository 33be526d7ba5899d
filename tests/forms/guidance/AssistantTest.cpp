// "8. Assist me": the whole road in one run, and the ways it ends early.
#include "platform/Files.h"
#include "support/RegistryFixture.h"

namespace plevo::test {
namespace {

using Lines = std::vector<std::string>;
const char* const kFailure =
    "Sorry I cannot open the Outlook Express Block Senders List\n\rTry adding a Rule or blocking "
    "at "
    "least one email in Outlook\n\rExpress.\n\rClose Outlook and then try this program again.";

class Assistant : public RegistryFixture {
protected:
    void showOnly() {
        registry_.flush();
        registryWrites_ = 0;
        showMainWindow();
    }
    // The prompts of a run's open and hand-off, for a single identity with both lists.
    ScriptedDialogs& expectOpenAndHandOff() {
        return dialogs_.expectMessage("You can use the Advanced Rules button")
            .expectMessage(backupMessage("Mail"))
            .expectMessage(backupMessage("News"))
            .expectSafeListDialogCancelled()
            .expectMessage(
                "Your Blocked Senders List will now be sorted,\n\ryou may be asked to "
                "confirm some actions.");
    }
    // ... and on to the import question, when nothing else asks.
    void expectUpToTheImport(Answer import) {
        expectOpenAndHandOff().expectBackupQuestion(Answer::No).expectImportQuestion(import);
    }
};

// The tool started as its main starts it; the user clicks "8. Assist me", answers its questions
// and closes the tool; the registry file holds the cleaned lists.
TEST_F(Assistant, RunsTheWholeRoadAndWritesTheRegistry) {
    IdentitySpec spec{.mail = Lines{"b@y.example", "a@x.example", "x.example", "b@y.example"},
                      .news = Lines{"old@n.example"}};
    addIdentity(spec);
    registry_.flush();
    const int exitCode = runTool([&] {
        expectOpenAndHandOff();
        // "2. Confirm removal" is checked: each address is asked about.
        for (const char* entry : {"b@y.example", "a@x.example", "b@y.example"})
            dialogs_.expectRemoveQuestion(entry, Answer::Yes);
        dialogs_.expectBackupQuestion(Answer::No)
            .expectImportQuestion(Answer::Yes)
            .expectMessage("Your Blocked Senders List has been successfully updated");
        user().click(window("Replace").get<ui::Label>("Label16"));
        EXPECT_FALSE(window("RegistryForm").visible());
        for (const char* t : {"Timer2", "Timer3", "Timer4"})
            EXPECT_FALSE(window("Replace").timer(t).running()) << t;
        user().click(window("Replace").get<ui::Picture>("CloseImage"));
    });
    EXPECT_EQ(exitCode, 0);
    registry_.load(root_ / "HKEY_CURRENT_USER.reg");  // what the disk holds
    const Lines cleaned{"x.example", "y.example"};
    EXPECT_EQ(entriesAt(listPath(spec, "Mail") + "\\Criteria"), cleaned);
    EXPECT_EQ(entriesAt(listPath(spec, "News") + "\\Criteria"), cleaned);
}

TEST_F(Assistant, NoIdentityShowsWhyAndThenTheFailure) {
    showOnly();
    dialogs_
        .expectMessage(
            "You have not set up any identities in Outlook or your\n\rregistry is "
            "corrupted. Try setting up a new Identity in Outlook")
        .expectMessage(kFailure);
    // The hand's picture, whichever of its two frames shows.
    user().clickAt(control<ui::Panel>("Panel4"), {16, 16});
    EXPECT_FALSE(reg_->form().visible());
    EXPECT_FALSE(tool_->state().AssistantRunning);
}

TEST_F(Assistant, DecliningTheImportStopsSilentlyAndChangesNothing) {
    IdentitySpec spec{.mail = Lines{"a@x.example"}, .news = Lines{}};
    addIdentity(spec);
    showOnly();
    control<ui::CheckBox>("CheckBox2").setChecked(false);
    expectUpToTheImport(Answer::No);
    userClick("Panel4");
    EXPECT_EQ(entriesAt(listPath(spec, "Mail") + "\\Criteria"), Lines{"a@x.example"});
    EXPECT_TRUE(reg_->form().visible());
    EXPECT_FALSE(tool_->state().AssistantRunning);
    EXPECT_EQ(registryWrites_, 0);
}

TEST_F(Assistant, ACancelledRemovalEndsOnlyThatStep) {
    IdentitySpec spec{.mail = Lines{"a@x.example", "b@mail.spam.example"}, .news = Lines{}};
    addIdentity(spec);
    showOnly();
    expectOpenAndHandOff()
        .expectRemoveQuestion("a@x.example", Answer::Cancel)
        // The run goes on: the edit step offers the long domain.
        .expectModal("Edit Domain Name",
                     [](ui::Form& d) { user().click(d.get<ui::Button>("CancelBtn")); })
        .expectBackupQuestion(Answer::No)
        .expectImportQuestion(Answer::No);
    userClick("Panel4");
    EXPECT_FALSE(tool_->state().AssistantRunning);
}

}  // namespace
}  // namespace plevo::test
