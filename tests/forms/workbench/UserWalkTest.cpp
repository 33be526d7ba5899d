// The main window and the edit-domain dialog as a user works them: the tool started as its main
// starts it, every step a click or a key, the result read from the files it wrote.
#include <gtest/gtest-spi.h>

#include "platform/Files.h"
#include "support/Legibility.h"
#include "support/ToolFixture.h"
#include "support/UserInput.h"

namespace plevo::test {
namespace {

using Lines = std::vector<std::string>;

class UserWalk : public ToolFixture {
protected:
    static ui::Control& in(const char* window, const char* name) {
        return ToolFixture::window(window).get<ui::Control>(name);
    }
    static ui::Control& main(const char* name) { return in("Replace", name); }
};

TEST_F(UserWalk, OpenEveryStepWithItsQuestionsSaveAndClose) {
    const std::string list =
        writeFile("list.txt",
                  "joe@deals.spam.example\nme@safe.example\nann@friend.example\na.b.c.example\n"
                  "spam.example\n");
    const std::string safe = writeFile("Outlook Safe Domains.txt", "safe.example\r\n");
    const std::string backup = startPath("backup.txt");
    const int exitCode = runTool([&] {
        ui::Form& window = ToolFixture::window("Replace");
        EXPECT_EQ(illegibleTexts(window), "");

        // 1. Open Text File, by its caption; the safe list comes from the start folder.
        dialogs_.expectOpenFile(openListOptions(), list)
            .expectMessage(kReminder)
            .expectMessage(safe + " opened successfully");
        user().click(main("Label9"));
        EXPECT_EQ(illegibleTexts(window), "");

        // 2. Remove the email names: Yes, the safe address is not asked, No and add the domain.
        dialogs_.expectRemoveQuestion("joe@deals.spam.example", Answer::Yes)
            .expectRemoveQuestion("ann@friend.example", Answer::No)
            .expectAddOffer("ann@friend.example", Answer::Yes);
        user().click(main("RemoveImage"));

        // 3. The step's button has the focus now: Enter runs it. The first offer is taken with
        // Enter, the second edited in the lower box.
        dialogs_
            .expectModal("Edit Domain Name",
                         [](ui::Form& dialog) {
                             EXPECT_EQ(dialog.get<ui::Edit>("EditDomain").selectedText(), "deals.");
                             EXPECT_EQ(illegibleTexts(dialog), "");
                             user().press({.key = ui::kKeyReturn});
                         })
            .expectModal("Edit Domain Name", [](ui::Form& dialog) {
                user().click(dialog.get<ui::Edit>("EditDomainExt"));
                user().press({.key = 'A', .ctrl = true});
                user().type("c.example");
                user().click(dialog.get<ui::Button>("OKBtn"));
            });
        user().press({.key = ui::kKeyReturn});

        // 4. and 5., by their pictures.
        user().click(main("DeleteImage"));
        dialogs_.expectMessage("Save your changes when you have completed all changes");
        user().click(main("SortImage"));

        // F1 shows the help in place of the lists, and hides it again.
        user().press({.key = ui::kKeyF1});
        EXPECT_TRUE(main("HelpPanel").visible());
        EXPECT_EQ(illegibleTexts(window), "");
        user().press({.key = ui::kKeyF1});

        // 6. Save: the file it came from, and a backup copy.
        dialogs_
            .expectMessage("File '" + list +
                           "' saved.\n\rIf you want to save this file to the registry,"
                           "open the registry first")
            .expectBackupQuestion(Answer::Yes)
            .expectSaveFile({.defaultExt = "txt",
                             .filter = "Text files (*.txt)|*.TXT",
                             .fileName = "Blocked Senders List"},
                            backup);
        user().click(main("SaveImage"));

        // The safe list was never saved: closing asks nothing, and the program ends.
        user().click(main("CloseImage"));
    });
    EXPECT_EQ(exitCode, 0);
    const std::string cleaned =
        "ann@friend.example\r\nc.example\r\nme@safe.example\r\nspam.example\r\n";
    EXPECT_EQ(readBack(list), cleaned);
    EXPECT_EQ(readBack(backup), cleaned);
    EXPECT_EQ(readBack(safe), "safe.example\r\n");
}

// A program that goes on running after the user is done fails the walk, and is ended.
TEST_F(UserWalk, AProgramLeftRunningFailsTheWalk) {
    EXPECT_NONFATAL_FAILURE(runTool([] {}), "went on running");
}

}  // namespace
}  // namespace plevo::test
