// The walks of steps 2 to 4 in the window: their questions, results, marks and hand-over.
#include <QTest>

#include "platform/Files.h"
#include "support/ToolFixture.h"
#include "forms/workbench/EditDialogUnit.h"

namespace plevo::test {
namespace {

std::string removeQuestion(const std::string& left, const std::string& entry,
                           const std::string& domain) {
    return "Remove " + left + "\n\rFrom     " + entry +
           "\n\r\n\rPlease confirm that you want?\n\rAll emails from " + domain +
           " to be blocked.\n\r\n\r(Select Yes if you are SURE you want to block the Domain!)";
}

std::string addOffer(const std::string& domain, const std::string& entry) {
    return "Do you want to add " + domain +
           "\n\rto your Outlook Domain list? \n\rIf you choose Yes, you will not be asked again "
           "to\n\rremove the email name from the domain " +
           domain + "\n\rIndividual emails from " + entry + " will still be blocked. ";
}

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
        main_->Button7->click();
        dialogs_.verify();
    }
    std::vector<std::string> list() const { return main_->Memo1->lines(); }
    std::vector<std::string> safe() const { return main_->Memo2->lines(); }
};

using Lines = std::vector<std::string>;

TEST_F(ListSteps, RemoveAsksForEachReducibleEntryAndSparesSafeDomains) {
    open(
        "a@x.example\ntwo@at@y.example\nends@\nnoat.example\nb@safe.example\nc@SAFE.example\n"
        "d@sub.safe.example\ne@x.example \n",
        "safe.example\r\n");
    dialogs_
        .expectConfirm(removeQuestion("a@", "a@x.example", "x.example"), Buttons::YesNoCancel,
                       Answer::Yes)
        .expectConfirm(removeQuestion("two@", "two@at@y.example", "at@y.example"),
                       Buttons::YesNoCancel, Answer::Yes)
        .expectConfirm(removeQuestion("c@", "c@SAFE.example", "SAFE.example"), Buttons::YesNoCancel,
                       Answer::No)
        .expectConfirm(addOffer("SAFE.example", "c@SAFE.example"), Buttons::YesNo, Answer::Yes)
        .expectConfirm(removeQuestion("d@", "d@sub.safe.example", "sub.safe.example"),
                       Buttons::YesNoCancel, Answer::Cancel);
    main_->RemoveImage->click();
    EXPECT_EQ(list(), (Lines{"x.example", "at@y.example", "ends@", "noat.example", "b@safe.example",
                             "c@SAFE.example", "d@sub.safe.example", "e@x.example "}));
    EXPECT_EQ(safe(), (Lines{"safe.example", "SAFE.example"}));
    EXPECT_EQ(main_->Label1->text(), "8");
    EXPECT_EQ(main_->Panel1->text(), "0 %");
    EXPECT_FALSE(main_->RemoveImageYes->isHidden());
    EXPECT_TRUE(main_->RemoveImageNo->isHidden());
    EXPECT_EQ(main_->focusWidget(), main_->Button8);
    EXPECT_EQ(tool_->state().AnimImage, main_->EditImage);
}

TEST_F(ListSteps, ADomainAddedToTheSafeListIsNotAskedAgainAndABlankStays) {
    open("a@y.example\nb@y.example\nc@z.example \n", "safe.example\r\n");
    dialogs_
        .expectConfirm(removeQuestion("a@", "a@y.example", "y.example"), Buttons::YesNoCancel,
                       Answer::No)
        .expectConfirm(addOffer("y.example", "a@y.example"), Buttons::YesNo, Answer::Yes)
        .expectConfirm(removeQuestion("c@", "c@z.example ", "z.example "), Buttons::YesNoCancel,
                       Answer::Yes);
    main_->Button1->click();
    EXPECT_EQ(list(), (Lines{"a@y.example", "b@y.example", "z.example "}));
    EXPECT_EQ(safe(), (Lines{"safe.example", "y.example"}));
}

TEST_F(ListSteps, NoWithoutASafeListFileAsksNothingMore) {
    open("a@y.example\na@y.example\n");
    dialogs_
        .expectConfirm(removeQuestion("a@", "a@y.example", "y.example"), Buttons::YesNoCancel,
                       Answer::No)
        .expectConfirm(removeQuestion("a@", "a@y.example", "y.example"), Buttons::YesNoCancel,
                       Answer::Yes);
    main_->Button1->click();
    EXPECT_EQ(list(), (Lines{"a@y.example", "y.example"}));
}

TEST_F(ListSteps, UncheckingWarnsOnceAndThenEverythingIsReducedSilently) {
    open("a@x.example\nb@safe.example\nc@x.example\nplain\n", "safe.example\r\n");
    dialogs_.expectMessage(
        "Warning!\n\rIf you uncheck this box, you will not be asked for confirmation!\n\r"
        "Any new Domain names that are not already listed in your\n\r"
        "*(Safe Domain Names not to be blocked). Will be added to the Outlook\n\r"
        "Blocked Senders List and blocked automatically.\n\r\n\r"
        "Ex: if you have a new email from someone@freemail.example and freemail.example is not\n\r"
        "in your list*, then Oulook will block all incomming emails from freemail.example\n\r"
        "Only Uncheck if you are sure you do not want to confirm new entries?",
        [&] {
            EXPECT_FALSE(main_->Panel11->isHidden());
            EXPECT_EQ(main_->Panel11->text(), "*");
        });
    QTest::mouseClick(main_->CheckBox2, Qt::LeftButton);
    EXPECT_FALSE(main_->CheckBox2->isChecked());
    EXPECT_TRUE(main_->Panel11->isHidden());
    EXPECT_EQ(main_->Panel11->text(), "2");

    main_->Button1->click();
    EXPECT_EQ(list(), (Lines{"x.example", "b@safe.example", "x.example", "plain"}));
    EXPECT_EQ(main_->Label1->text(), "4");
    // Checking the box again says nothing.
    QTest::mouseClick(main_->CheckBox2, Qt::LeftButton);
    EXPECT_TRUE(main_->CheckBox2->isChecked());
}

TEST_F(ListSteps, OtherStepsAreIgnoredWhileAWalkAsks) {
    open("a@x.example\na@x.example\n");
    dialogs_
        .expectConfirm(removeQuestion("a@", "a@x.example", "x.example"), Buttons::YesNoCancel,
                       Answer::Yes,
                       [&] {
                           main_->Button5->click();  // Del Duplicate Names: refused
                           main_->SortImage->click();
                       })
        .expectConfirm(removeQuestion("a@", "a@x.example", "x.example"), Buttons::YesNoCancel,
                       Answer::Cancel);
    main_->Button1->click();
    EXPECT_EQ(list(), (Lines{"x.example", "a@x.example"}));
    EXPECT_TRUE(main_->DeleteImageYes->isHidden());
}

TEST_F(ListSteps, DeleteDuplicatesKeepsTheFirstAndDropsCoveredAddresses) {
    open(
        "a@x.example\na@x.example\nb@y.example\ny.example\nc@y.example\n\nA@X.EXAMPLE\n"
        "safe.example\nd@safe.example\na@x.example\n",
        "safe.example\r\n");
    main_->DeleteImage->click();
    EXPECT_EQ(list(), (Lines{"a@x.example", "y.example", "A@X.EXAMPLE", "d@safe.example"}));
    EXPECT_TRUE(main_->Memo1->textList().endsWithBreak);
    EXPECT_EQ(main_->Label1->text(), "4");
    EXPECT_EQ(safe(), (Lines{"safe.example"}));
    EXPECT_FALSE(main_->DeleteImageYes->isHidden());
    EXPECT_EQ(main_->focusWidget(), main_->Button6);
    EXPECT_EQ(tool_->state().AnimImage, main_->SortImage);

    dialogs_.expectMessage("Save your changes when you have completed all changes");
    main_->Button6->click();
    EXPECT_EQ(list(), (Lines{"a@x.example", "A@X.EXAMPLE", "d@safe.example", "y.example"}));
}

TEST_F(ListSteps, DeleteDuplicatesOnAnEmptyList) {
    open("");
    main_->Button5->click();
    EXPECT_EQ(main_->Memo1->lineCount(), 0);
    EXPECT_EQ(main_->Panel1->text(), "0 %");
}

// Works the edit dialog as a user would: optionally edits the boxes, ticks the box, presses.
auto editAnswer(QPushButton* TOKBottomDlg::*button, std::optional<QString> upper = std::nullopt,
                std::optional<QString> lower = std::nullopt, bool add = false,
                std::function<void(TOKBottomDlg&)> check = {}) {
    return [=](QDialog& d) {
        auto& dlg = static_cast<TOKBottomDlg&>(d);
        if (check) check(dlg);
        if (upper) dlg.EditDomain->setText(*upper);
        if (lower) dlg.EditDomainExt->setText(*lower);
        if (add) QTest::mouseClick(dlg.DlgCheckBox, Qt::LeftButton);
        (dlg.*button)->click();
    };
}

TEST_F(ListSteps, EditOffersLongDomainsAndAppliesTheAnswers) {
    open(
        "one.example\nmail.spam.example\nuser.name@host.example\nad.safe.example\n"
        "x.y.example\nw.v.example\nq.p.example\n",
        "safe.example\r\n");
    dialogs_
        .expectModal("Edit Domain Name",
                     editAnswer(&TOKBottomDlg::OKBtn, {}, {}, false,
                                [](TOKBottomDlg& d) {
                                    EXPECT_EQ(d.EditDomain->text(), "mail.spam.example");
                                    EXPECT_EQ(d.EditDomainExt->text(), "spam.example");
                                    EXPECT_EQ(d.EditDomain->selectedText(), "mail.");
                                    EXPECT_FALSE(d.DlgCheckBox->isChecked());
                                }))
        .expectModal("Edit Domain Name", editAnswer(&TOKBottomDlg::IgnoreButton, {}, {}, true,
                                                    [](TOKBottomDlg& d) {
                                                        EXPECT_EQ(d.EditDomainExt->text(),
                                                                  "name@host.example");
                                                    }))
        .expectModal("Edit Domain Name", editAnswer(&TOKBottomDlg::OKBtn, {}, "v.example", true))
        .expectModal("Edit Domain Name", editAnswer(&TOKBottomDlg::OKBtn, "", {}, true));
    // x.y.example: its proposal y.example is edited to v.example and added to the safe list, so
    // w.v.example is no longer offered; q.p.example: the upper box emptied, so the entry stays
    // but p.example is added.
    main_->EditImage->click();
    EXPECT_EQ(list(), (Lines{"one.example", "spam.example", "user.name@host.example",
                             "ad.safe.example", "v.example", "w.v.example", "q.p.example"}));
    EXPECT_EQ(safe(), (Lines{"safe.example", "v.example", "p.example"}));
    EXPECT_FALSE(main_->EditImageYes->isHidden());
    EXPECT_EQ(main_->focusWidget(), main_->Button5);
    EXPECT_EQ(tool_->state().AnimImage, main_->DeleteImage);
}

TEST_F(ListSteps, EditCancelKeepsEarlierUpdatesAndDoesNotHandOver) {
    open("a.one.example\nb.two.example\nc.three.example\nd.four.example\n");
    tool_->state().AnimImage = nullptr;
    dialogs_.expectModal("Edit Domain Name", editAnswer(&TOKBottomDlg::OKBtn))
        .expectModal("Edit Domain Name", editAnswer(&TOKBottomDlg::OKBtn, {}, ""))
        .expectModal("Edit Domain Name", [](QDialog& d) {
            QTest::keyClick(&d, Qt::Key_Escape);  // Esc is "&Cancel and Close"
        });
    main_->Button8->click();
    EXPECT_EQ(list(), (Lines{"one.example", "", "c.three.example", "d.four.example"}));
    EXPECT_TRUE(tool_->state().EditCancelled);
    EXPECT_EQ(tool_->state().AnimImage, nullptr);
    EXPECT_EQ(main_->Panel1->text(), "0 %");
}

TEST_F(ListSteps, EditDialogControls) {
    TOKBottomDlg& d = tool_->OKBottomDlg();
    EXPECT_EQ(d.Label2->text(),
              "Select the [Update] button to automatically remove the highlighted section");
    EXPECT_EQ(d.Label3->text(),
              "You can also edit this Domain name, as you want it to be blocked.");
    EXPECT_EQ(d.Label4->text(),
              "You can add this domain to your safe domain list, [Not to be blocked]");
    EXPECT_EQ(d.DlgCheckBox->text(), "Add if Checked");
    EXPECT_EQ(d.OKBtn->text(), "&Update");
    EXPECT_TRUE(d.OKBtn->isDefault());
    EXPECT_EQ(d.IgnoreButton->text(), "&Do not update");
    EXPECT_EQ(d.CancelBtn->text(), "&Cancel and Close");
    EXPECT_EQ(d.IgnoreButton->nextInFocusChain(), d.OKBtn);
}

}  // namespace
}  // namespace plevo::test

namespace plevo::test {
namespace {

TEST_F(ListSteps, UncheckingDuringTheWalkAnswersYesForTheRest) {
    open("a@x.example\nb@y.example\nc@z.example\n");
    dialogs_.expectConfirm(removeQuestion("a@", "a@x.example", "x.example"), Buttons::YesNoCancel,
                           Answer::No, [&] { main_->CheckBox2->setChecked(false); });
    main_->Button1->click();
    EXPECT_EQ(list(), (Lines{"a@x.example", "y.example", "z.example"}));
}

}  // namespace
}  // namespace plevo::test
