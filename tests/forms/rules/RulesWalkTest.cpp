// The rules window and the criteria dialog as a user works them: the tool started as its main
// starts it, the rules reached from the registry window, every step a click or a key, the
// results read from the registry file on disk, also while a message says they are stored.
#include "RulesFixture.h"
#include "platform/Files.h"
#include "support/Legibility.h"
#include "support/UserInput.h"

namespace plevo::test {
namespace {

using Lines = std::vector<std::string>;

const char* const kTitle = "Advanced Options - Manage your email filters";
const char* const kSaved = "Changes to the Rules have been saved.";
const char* const kCloseQuestion = "Do you want to Save the changes \n\rbefore closing? ";
class RulesWalk : public RulesFixture {
protected:
    RulesWalk() {
        addIdentity(identity_);
        rulesKey_ = "Identities\\" + identity_.key +
                    "\\Software\\Microsoft\\Outlook Express\\5.0\\Rules\\Mail";
    }

    // The user opens the identity in the registry window (shown by "7.  Registry").
    void openIdentity() {
        user().click(window("Replace").get<ui::Label>("Label4"));
        dialogs_.expectMessage("You can use the Advanced Rules button")
            .expectMessage(infoMessage(listPath(identity_, "Mail")))
            .expectMessage(backupMessage("Mail"));
        ui::Form& reg = window("RegistryForm");
        user().click(reg.get<ui::RadioButton>("RadioBtnMail"));
        user().click(reg.get<ui::Picture>("OpenRegImage"));
    }
    // The rules window, shown modally by "Advanced Rules", worked by `steps`.
    void inRulesWindow(const std::function<void(ui::Form&)>& steps) {
        dialogs_.expectModal(kTitle, steps);
        user().click(window("RegistryForm").get<ui::Panel>("AdvancedPanel"));
    }
    // The user closes the registry window and the main window: the program ends.
    void closeTheTool() {
        user().click(window("RegistryForm").get<ui::Picture>("CloseImage"));
        user().click(window("Replace").get<ui::Picture>("CloseImage"));
    }
    static std::string words(const ui::Grid& list) {
        std::string out;
        for (int r = 1; r < list.rowCount(); ++r)
            out += (out.empty() ? "" : " ") + list.cell(0, r) + "=" + list.cell(1, r);
        return out;
    }

    IdentitySpec identity_{.mail = Lines{"a@x.example"}};
};

TEST_F(RulesWalk, OpenEditEveryWaySaveAndCloseWithItsQuestion) {
    load("000 001",
         rule("000", "Rule A", {criterion(12, {"a1", "x"}, 1), criterion(8, {"a3", "cheap"})}) +
             rule("001", "Rule B", {criterion(3, {"gift"})}) + "[HKEY_CURRENT_USER\\" + rulesKey_ +
             "\\001\\Actions\\001]\n\"Type\"=dword:00000002\n");
    registry_.flush();
    const std::string wordFile = writeFile("words.txt", "free\r\n\r\ngift\r\n");
    const int exitCode = runTool([&] {
        openIdentity();
        inRulesWindow([&](ui::Form& rules) {
            const auto at = [&](const char* name) -> ui::Control& {
                return rules.get<ui::Control>(name);
            };
            const ui::Grid& subject = rules.get<ui::Grid>("ValueListEditor3");
            EXPECT_EQ(illegibleTexts(rules), "");

            // The open rewrites every rule, and the file holds it when the open says so.
            dialogs_.expectConfirm(kWarning, Buttons::YesNoCancel, Answer::Yes)
                .expectMessage("Rules and Actions opened", [&] {
                    EXPECT_EQ(rulesOnDisk(rulesKey_),
                              (Lines{"Order 000 001",
                                     "000 Rule A | actions: 7 | 12/1: a1 x | 8/0: a3 cheap",
                                     "001 Rule B | actions: 7 | 12/0: gift"}));
                });
            user().click(at("OpenRulesBtn"));
            // Locked, the lists can be read.
            EXPECT_EQ(illegibleTexts(rules), "");

            // List 3 unlocked by its button; the rule it lacks is offered.
            dialogs_.expectConfirm("Create Rule B", Buttons::YesNo, Answer::No);
            user().click(at("SpeedButton3"));
            EXPECT_EQ(illegibleTexts(rules), "");

            // A word typed, found and deleted: the tool buttons leave the focus in the list the
            // search put it in, and the word box keeps the word.
            user().click(at("Edit1"));
            user().type("cheap");
            user().click(at("SpeedButton7"));
            EXPECT_TRUE(subject.focused());
            EXPECT_EQ(subject.currentRow(), 2);
            user().click(at("SpeedButton6"));
            EXPECT_EQ(words(subject), "Rule A=a3");

            // Add takes the typed word, and refuses an empty box.
            user().click(at("Edit1"));
            user().type("lottery");
            user().click(at("SpeedButton5"));
            user().click(at("Edit1"));
            dialogs_.expectMessage("Type the word to add into the box, then select [Add].");
            user().click(at("SpeedButton5"));
            EXPECT_EQ(words(subject), "Rule A=a3 Rule A=lottery");

            // Import: every line of the file, to the rule of the current row.
            dialogs_.expectOpenFile({.defaultExt = "txt",
                                     .filter = "Text files (*.txt)|*.TXT",
                                     .fileName = "actions list.txt",
                                     .initialDir = pathText(start_)},
                                    wordFile);
            user().click(at("SpeedButton8"));

            // Cells: the first click shows the reminder; a double-click adds "new", Delete takes
            // it away, Insert adds one that the user types over.
            dialogs_.expectMessage(kEmptyCellReminder);
            user().clickAt(subject, user().cellCentre(subject, 1, 1));
            user().doubleClickAt(subject, user().cellCentre(subject, 1, 1));
            EXPECT_EQ(words(subject),
                      "Rule A=a3 Rule A=lottery Rule A=free Rule A=gift Rule A=new");
            user().press({.key = ui::kKeyDelete});
            user().press({.key = ui::kKeyInsert});
            user().type("prize\n");
            EXPECT_EQ(words(subject),
                      "Rule A=a3 Rule A=lottery Rule A=free Rule A=gift Rule A=prize");

            // New Rule: the criteria dialog's choice by the mouse, then OK.
            dialogs_.expectModal("Criteria Option", [](ui::Form& dialog) {
                EXPECT_EQ(illegibleTexts(dialog), "");
                user().click(dialog.get<ui::RadioButton>("RadioButton4"));
                user().click(dialog.get<ui::Button>("YesBtn"));
            });
            user().click(at("NewBtn"));

            // AND, then Save: the file holds the rules when the message says they are saved.
            user().click(at("SpeedButton10"));
            const Lines saved{
                "Order 000 001 002",
                "000 Rule A | actions: 7 | 12/2: a1 x | 8/0: a3 lottery free gift prize",
                "001 Rule B | actions: 7 | 12/0: gift",
                "002 New Mail Rule #1 | actions: 7 | 9/0: new"};
            dialogs_.expectMessage(kSaved, [&] { EXPECT_EQ(rulesOnDisk(rulesKey_), saved); });
            user().click(at("SaveRulesBtn"));

            // Changed again (list 3 locked by its button): closing asks, Yes saves.
            user().click(at("SpeedButton3"));
            EXPECT_EQ(illegibleTexts(rules), "");
            dialogs_.expectConfirm(kCloseQuestion, Buttons::YesNo, Answer::Yes)
                .expectMessage(kSaved, [&] { EXPECT_EQ(rulesOnDisk(rulesKey_), saved); });
            user().click(at("CloseImage"));
        });
        closeTheTool();
    });
    EXPECT_EQ(exitCode, 0);
}

}  // namespace
}  // namespace plevo::test
