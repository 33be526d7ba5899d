// The walks of steps 2 to 4 in the window: their questions, results, marks and hand-over, and the
// edit-domain dialog's answers.
#include "forms/workbench/EditDialogUnit.h"
#include "forms/workbench/MemoLists.h"
#include "platform/Files.h"
#include "support/ToolFixture.h"

namespace plevo::test {
namespace {

class ListSteps : public ToolFixture {
protected:
    // Opens a list file; with `safe`, a safe-domains file in the start folder is loaded too.
    void open(const std::string& list, std::optional<std::string> safe = std::nullopt) {
        showMainWindow();
        const std::string path = writeFile("list.txt", list);
        dialogs_.expectOpenFile(openListOptions(), path);
        if (safe) {
            writeFile("Outlook Safe Domains.txt", *safe);
            dialogs_.expectMessage(kReminder).expectMessage(startPath("Outlook Safe Domains.txt") +
                                                            " opened successfully");
        } else {
            dialogs_.expectSafeListDialogCancelled();
        }
        userClick("Label9");
        dialogs_.verify();
    }
    std::vector<std::string> list() const { return memo("Memo1").lines(); }
    std::vector<std::string> safe() const { return memo("Memo2").lines(); }
};

using Lines = std::vector<std::string>;

TEST_F(ListSteps, RemoveAsksForEachReducibleEntryAndSparesSafeDomains) {
    open(
        "a@x.example\ntwo@at@y.example\nends@\nnoat.example\nb@safe.example\nc@SAFE.example\n"
        "d@sub.safe.example\ne@x.example \n",
        "safe.example\r\n");
    dialogs_.expectRemoveQuestion("a@x.example", Answer::Yes)
        .expectRemoveQuestion("two@at@y.example", Answer::Yes)
        .expectRemoveQuestion("c@SAFE.example", Answer::No)
        .expectAddOffer("c@SAFE.example", Answer::Yes)
        .expectRemoveQuestion("d@sub.safe.example", Answer::Cancel);
    userClick("RemoveImage");
    EXPECT_EQ(list(), (Lines{"x.example", "at@y.example", "ends@", "noat.example", "b@safe.example",
                             "c@SAFE.example", "d@sub.safe.example", "e@x.example "}));
    EXPECT_EQ(safe(), (Lines{"safe.example", "SAFE.example"}));
    EXPECT_EQ(caption("Label1"), "8");
    EXPECT_EQ(caption("Panel1"), "0 %");
    EXPECT_TRUE(visible("RemoveImageYes"));
    EXPECT_FALSE(visible("RemoveImageNo"));
    EXPECT_TRUE(focusedOn("Button8"));
    EXPECT_TRUE(pulseOn("EditImage"));
}

TEST_F(ListSteps, ADomainAddedToTheSafeListIsNotAskedAgainAndABlankStays) {
    open("a@y.example\nb@y.example\nc@z.example \n", "safe.example\r\n");
    dialogs_.expectRemoveQuestion("a@y.example", Answer::No)
        .expectAddOffer("a@y.example", Answer::Yes)
        .expectRemoveQuestion("c@z.example ", Answer::Yes);
    userClick("RemoveImage");
    EXPECT_EQ(list(), (Lines{"a@y.example", "b@y.example", "z.example "}));
    EXPECT_EQ(safe(), (Lines{"safe.example", "y.example"}));
}

TEST_F(ListSteps, NoWithoutASafeListFileAsksNothingMore) {
    open("a@y.example\na@y.example\n");
    dialogs_.expectRemoveQuestion("a@y.example", Answer::No)
        .expectRemoveQuestion("a@y.example", Answer::Yes);
    userClick("RemoveImage");
    EXPECT_EQ(list(), (Lines{"a@y.example", "y.example"}));
}

TEST_F(ListSteps, UncheckingWarnsOnceAndThenEverythingIsReducedSilently) {
    open("a@x.example\nb@safe.example\nc@x.example\nplain\n", "safe.example\r\n");
    dialogs_.expectUncheckWarning([&] {
        EXPECT_TRUE(visible("Panel11"));
        EXPECT_EQ(caption("Panel11"), "*");
    });
    userClick("CheckBox2");
    EXPECT_FALSE(control<ui::CheckBox>("CheckBox2").checked());
    EXPECT_FALSE(visible("Panel11"));
    EXPECT_EQ(caption("Panel11"), "2");

    userClick("RemoveImage");
    EXPECT_EQ(list(), (Lines{"x.example", "b@safe.example", "x.example", "plain"}));
    EXPECT_EQ(caption("Label1"), "4");
    // Checking the box again says nothing.
    userClick("CheckBox2");
    EXPECT_TRUE(control<ui::CheckBox>("CheckBox2").checked());
}

TEST_F(ListSteps, OtherStepsAreIgnoredWhileAWalkAsks) {
    open("a@x.example\na@x.example\n");
    dialogs_
        .expectRemoveQuestion("a@x.example", Answer::Yes,
                              [&] {
                                  userClick("DeleteImage");  // Del Duplicate Names: refused
                                  userClick("SortImage");
                              })
        .expectRemoveQuestion("a@x.example", Answer::Cancel);
    userClick("RemoveImage");
    EXPECT_EQ(list(), (Lines{"x.example", "a@x.example"}));
    EXPECT_FALSE(visible("DeleteImageYes"));
}

TEST_F(ListSteps, DeleteDuplicatesKeepsTheFirstAndDropsCoveredAddresses) {
    open(
        "a@x.example\na@x.example\nb@y.example\ny.example\nc@y.example\n\nA@X.EXAMPLE\n"
        "safe.example\nd@safe.example\na@x.example\n",
        "safe.example\r\n");
    userClick("DeleteImage");
    EXPECT_EQ(list(), (Lines{"a@x.example", "y.example", "A@X.EXAMPLE", "d@safe.example"}));
    EXPECT_TRUE(memoList(memo("Memo1")).endsWithBreak);
    EXPECT_EQ(caption("Label1"), "4");
    EXPECT_EQ(safe(), (Lines{"safe.example"}));
    EXPECT_TRUE(visible("DeleteImageYes"));
    EXPECT_TRUE(focusedOn("Button6"));
    EXPECT_TRUE(pulseOn("SortImage"));

    dialogs_.expectMessage("Save your changes when you have completed all changes");
    userClick("SortImage");
    EXPECT_EQ(list(), (Lines{"a@x.example", "A@X.EXAMPLE", "d@safe.example", "y.example"}));
}

TEST_F(ListSteps, DeleteDuplicatesOnAnEmptyList) {
    open("");
    userClick("DeleteImage");
    EXPECT_EQ(memo("Memo1").lineCount(), 0);
    EXPECT_EQ(caption("Panel1"), "0 %");
}

// Works the edit dialog as a user would: optionally rewrites the boxes, ticks the box, presses.
auto editAnswer(const char* button, std::optional<std::string> upper = std::nullopt,
                std::optional<std::string> lower = std::nullopt, bool add = false,
                std::function<void(ui::Form&)> check = {}) {
    return [=](ui::Form& d) {
        if (check) check(d);
        for (const auto& [box, text] :
             {std::pair{"EditDomain", upper}, std::pair{"EditDomainExt", lower}}) {
            if (!text) continue;
            user().click(d.get<ui::Edit>(box));
            user().press({.key = 'A', .ctrl = true});
            user().press({.key = ui::kKeyDelete});
            user().type(*text);
        }
        if (add) user().click(d.get<ui::CheckBox>("DlgCheckBox"));
        user().click(d.get<ui::Button>(button));
    };
}

TEST_F(ListSteps, EditOffersLongDomainsAndAppliesTheAnswers) {
    open(
        "one.example\nmail.spam.example\nuser.name@host.example\nad.safe.example\n"
        "x.y.example\nw.v.example\nq.p.example\n",
        "safe.example\r\n");
    dialogs_
        .expectModal("Edit Domain Name",
                     editAnswer("OKBtn", {}, {}, false,
                                [](ui::Form& d) {
                                    const ui::Edit& upper = d.get<ui::Edit>("EditDomain");
                                    EXPECT_EQ(upper.caption(), "mail.spam.example");
                                    EXPECT_EQ(d.get<ui::Edit>("EditDomainExt").caption(),
                                              "spam.example");
                                    EXPECT_EQ(upper.selectedText(), "mail.");
                                    EXPECT_FALSE(d.get<ui::CheckBox>("DlgCheckBox").checked());
                                }))
        .expectModal("Edit Domain Name",
                     editAnswer("IgnoreButton", {}, {}, true,
                                [](ui::Form& d) {
                                    EXPECT_EQ(d.get<ui::Edit>("EditDomainExt").caption(),
                                              "name@host.example");
                                }))
        .expectModal("Edit Domain Name", editAnswer("OKBtn", {}, "v.example", true))
        .expectModal("Edit Domain Name", editAnswer("OKBtn", "", {}, true));
    // x.y.example: its proposal y.example is edited to v.example and added to the safe list, so
    // w.v.example is no longer offered; q.p.example: the upper box emptied, so the entry stays
    // but p.example is added.
    userClick("EditImage");
    EXPECT_EQ(list(), (Lines{"one.example", "spam.example", "user.name@host.example",
                             "ad.safe.example", "v.example", "w.v.example", "q.p.example"}));
    EXPECT_EQ(safe(), (Lines{"safe.example", "v.example", "p.example"}));
    EXPECT_TRUE(visible("EditImageYes"));
    EXPECT_TRUE(focusedOn("Button5"));
    EXPECT_TRUE(pulseOn("DeleteImage"));
}

TEST_F(ListSteps, EditCancelKeepsEarlierUpdatesAndDoesNotHandOver) {
    open("a.one.example\nb.two.example\nc.three.example\nd.four.example\n");
    dialogs_.expectModal("Edit Domain Name", editAnswer("OKBtn"))
        .expectModal("Edit Domain Name", editAnswer("OKBtn", {}, ""))
        .expectModal("Edit Domain Name", [](ui::Form&) {
            user().press({.key = ui::kKeyEscape});  // Esc is "&Cancel and Close"
        });
    userClick("EditImage");
    // The fourth entry was not offered, and the pulse still points where the open left it.
    EXPECT_EQ(list(), (Lines{"one.example", "", "c.three.example", "d.four.example"}));
    EXPECT_TRUE(pulseOn("RemoveImage"));
    EXPECT_FALSE(focusedOn("Button5"));
    EXPECT_EQ(caption("Panel1"), "0 %");
}

TEST_F(ListSteps, EditDialogControls) {
    ui::Form& d = tool_->OKBottomDlg().form();
    const std::pair<const char*, const char*> captions[] = {
        {"Label2", "Select the [Update] button to automatically remove the highlighted section"},
        {"Label3", "You can also edit this Domain name, as you want it to be blocked."},
        {"Label4", "You can add this domain to your safe domain list, [Not to be blocked]"},
        {"DlgCheckBox", "Add if Checked"},
        {"OKBtn", "&Update"},
        {"IgnoreButton", "&Do not update"},
        {"CancelBtn", "&Cancel and Close"},
    };
    for (const auto& [name, text] : captions)
        EXPECT_EQ(d.get<ui::Control>(name).caption(), text) << name;

    // "&Do not update" comes first in the tab order, then the other buttons, the boxes and the
    // check box.
    const char* const tabOrder[] = {"OKBtn",         "CancelBtn",   "EditDomain",
                                    "EditDomainExt", "DlgCheckBox", "IgnoreButton"};
    dialogs_.expectModal("Edit Domain Name", [&](ui::Form& f) {
        f.get<ui::Button>("IgnoreButton").setFocus();
        for (const char* next : tabOrder) {
            user().press({.key = ui::kKeyTab});
            EXPECT_EQ(f.focusedControl(), f.find(next)) << next;
        }
        user().click(f.get<ui::Button>("CancelBtn"));
    });
    tool_->OKBottomDlg().ask("a.b.example", "b.example");
}

// One entry offered, answered each way the dialog allows: the walk takes what ask() returns.
TEST_F(ListSteps, TheEditAnswerReachesTheListWithoutAnySharedFlag) {
    struct Case {
        const char* what;
        std::function<void(ui::Form&)> act;
        EditAnswer::Kind kind;
        const char* domain;
        bool addToSafe;
        Lines list;
        Lines safe;
        bool handedOver;
    };
    const Case cases[] = {
        {"Update", editAnswer("OKBtn"), EditAnswer::Kind::Take, "spam.example", false,
         Lines{"spam.example", "n.other.example"}, Lines{"safe.example"}, true},
        {"Update and add", editAnswer("OKBtn", {}, "x.example", true), EditAnswer::Kind::Take,
         "x.example", true, Lines{"x.example", "n.other.example"},
         Lines{"safe.example", "x.example"}, true},
        // Enter in a box presses the default button.
        {"Enter", [](ui::Form&) { user().press({.key = ui::kKeyReturn}); }, EditAnswer::Kind::Take,
         "spam.example", false, Lines{"spam.example", "n.other.example"}, Lines{"safe.example"},
         true},
        {"Do not update", editAnswer("IgnoreButton", {}, {}, true), EditAnswer::Kind::Skip,
         "spam.example", true, Lines{"mail.spam.example", "n.other.example"}, Lines{"safe.example"},
         true},
        {"Cancel", editAnswer("CancelBtn"), EditAnswer::Kind::Cancel, "spam.example", false,
         Lines{"mail.spam.example", "n.other.example"}, Lines{"safe.example"}, false},
    };
    TOKBottomDlg& dialog = tool_->OKBottomDlg();
    showMainWindow();
    tool_->state().SaveReminderShown = 1;
    control<ui::Picture>("EditImage").setEnabled(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The dialog alone: its answer is what it returns.
        dialogs_.expectModal("Edit Domain Name", c.act);
        const EditAnswer answer = dialog.ask("mail.spam.example", "spam.example");
        EXPECT_EQ(answer.kind, c.kind);
        if (c.kind == EditAnswer::Kind::Take) {
            EXPECT_EQ(answer.entry, "mail.spam.example");
            EXPECT_EQ(answer.domain, c.domain);
        }
        if (c.kind != EditAnswer::Kind::Cancel) {
            EXPECT_EQ(answer.addToSafe, c.addToSafe);
        }
        dialogs_.verify();

        // The same answer in the walk of step 3; the second entry is offered only when the walk
        // goes on.
        memo("Memo1").setText("mail.spam.example\nn.other.example\n");
        memo("Memo2").setText("safe.example\n");
        main_->PointNextStep(&control<ui::Button>("Button7"), &control<ui::Picture>("OpenImage"));
        dialogs_.expectModal("Edit Domain Name", c.act);
        if (c.handedOver) dialogs_.expectModal("Edit Domain Name", editAnswer("IgnoreButton"));
        userClick("EditImage");
        dialogs_.verify();
        EXPECT_EQ(list(), c.list);
        EXPECT_EQ(safe(), c.safe);
        EXPECT_EQ(pulseOn("DeleteImage"), c.handedOver);
    }
}

}  // namespace
}  // namespace plevo::test

namespace plevo::test {
namespace {

TEST_F(ListSteps, UncheckingDuringTheWalkAnswersYesForTheRest) {
    open("a@x.example\nb@y.example\nc@z.example\n");
    dialogs_.expectRemoveQuestion("a@x.example", Answer::No,
                                  [&] { control<ui::CheckBox>("CheckBox2").setChecked(false); });
    userClick("RemoveImage");
    EXPECT_EQ(list(), (Lines{"a@x.example", "y.example", "z.example"}));
}

}  // namespace
}  // namespace plevo::test
