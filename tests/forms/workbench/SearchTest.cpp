// Search in the lists: offers, the blinking marker, the highlight and every way out.
#include "support/ToolFixture.h"

namespace plevo::test {
namespace {

const char* const kPrompt = "ex: someone@mail.example, mail.example, @, John";

class Search : public ToolFixture {
protected:
    void SetUp() override {
        showMainWindow();
        main_->Label7->setEnabled(true);
        main_->Label8->setEnabled(true);
    }
    ScreenPoint under() const {
        return {main_->x() + main_->RemoveImage->x(),
                main_->y() + main_->RemoveImage->y() + main_->RemoveImage->height()};
    }
    std::string selected(QPlainTextEdit* box) const {
        return box->textCursor().selectedText().toStdString();
    }
};

TEST_F(Search, NoToEveryOfferEndsNotFoundAndLeavesTheLinesAlone) {
    main_->Memo1->setPlainText("a@x.example\nplain.example\nB@Y.EXAMPLE\n");
    const auto before = main_->Memo1->lines();
    dialogs_.expectInput("Search?", kPrompt, "", "@")
        .expectConfirmAt("Is this the entry you wanted?\n\ra@x.example", Buttons::YesNoCancel,
                         Answer::No, under())
        .expectConfirmAt("Is this the entry you wanted?\n\rB@Y.EXAMPLE", Buttons::YesNoCancel,
                         Answer::No, under())
        .expectMessage("Search complete, entry not found.");
    main_->Label7->click();
    EXPECT_EQ(main_->Memo1->lines(), before);
    EXPECT_FALSE(main_->Memo1->textCursor().hasSelection());
    EXPECT_FALSE(main_->Timer1->isActive());
}

TEST_F(Search, LettersMatchWithoutRegardToCaseAndYesKeepsTheHighlight) {
    tool_->state().SaveReminderShown = 1;
    main_->Memo2->setPlainText("Other.Example\nMAIL.EXAMPLE\n");
    dialogs_.expectInput("Search?", kPrompt, "", "mail")
        .expectConfirm("Is this the entry you wanted?\n\rMAIL.EXAMPLE", Buttons::YesNoCancel,
                       Answer::Yes, [&] {
                           EXPECT_EQ(tool_->state().FoundLineIndex, 1);
                           EXPECT_TRUE(main_->Timer1->isActive());
                           EXPECT_EQ(selected(main_->Memo2), "MAIL.EXAMPLE");
                       });
    main_->Label8->click();
    EXPECT_EQ(selected(main_->Memo2), "MAIL.EXAMPLE");
    EXPECT_EQ(main_->Memo2->lines(), (std::vector<std::string>{"Other.Example", "MAIL.EXAMPLE"}));
    EXPECT_FALSE(main_->Timer1->isActive());
}

TEST_F(Search, TheMarkerBlinksOnTheFoundLineAndNeverStays) {
    main_->Memo1->setPlainText("a.spam.example\nx\nspam.example\n");
    dialogs_.expectInput("Search?", kPrompt, "", "Spam")
        .expectConfirm("Is this the entry you wanted?\n\ra.spam.example", Buttons::YesNoCancel,
                       Answer::No)
        .expectConfirm(
            "Is this the entry you wanted?\n\rspam.example", Buttons::YesNoCancel, Answer::Cancel,
            [&] {
                // The highlight falls on the first occurrence of the found text,
                // inside the earlier line; the marker blinks on the found line.
                EXPECT_EQ(main_->Memo1->textCursor().selectionStart(), 2);
                EXPECT_EQ(selected(main_->Memo1), "spam.example");
                const bool phase = main_->MarkerPhase;
                main_->Timer1Timer();
                main_->Timer1Timer();
                EXPECT_EQ(main_->MarkerPhase, phase);
                main_->Timer1Timer();
                EXPECT_NE(main_->MarkerPhase, phase);
                const std::string shown = main_->Memo1->line(2);
                EXPECT_EQ(shown, main_->MarkerPhase ? "spam.example" : "spam.example <----here");
                EXPECT_EQ(main_->Memo1->line(0), "a.spam.example");
            });
    main_->Label7->click();
    EXPECT_EQ(main_->Memo1->line(2), "spam.example");
    EXPECT_FALSE(main_->Memo1->textCursor().hasSelection());
}

TEST_F(Search, EmptyBoxCancelledOrEmptyTermDoNothing) {
    main_->Memo1->clearLines();
    main_->Label7->click();  // empty box: no question
    main_->Memo1->setPlainText("a\n");
    dialogs_.expectInput("Search?", kPrompt, "", std::nullopt)
        .expectInput("Search?", kPrompt, "", "");
    main_->Label7->click();
    main_->Label7->click();
}

}  // namespace
}  // namespace plevo::test

namespace plevo::test {
namespace {

TEST_F(Search, ALineWithANonBreakingSpaceIsHighlighted) {
    main_->Memo1->setPlainText(
        QString::fromLatin1("x\na\xa0"
                            "b.example\n"));
    dialogs_.expectInput("Search?", kPrompt, "", "B")
        .expectConfirm(
            "Is this the entry you wanted?\n\ra\xa0"
            "b.example",
            Buttons::YesNoCancel, Answer::Yes);
    main_->Label7->click();
    EXPECT_EQ(main_->Memo1->textCursor().selectionStart(), 2);
    EXPECT_EQ(main_->Memo1->textCursor().selectionEnd(), 2 + 11);
}

}  // namespace
}  // namespace plevo::test
