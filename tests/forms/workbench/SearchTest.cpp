// Search in the lists: offers, the blinking marker, the highlight and every way out.
#include "support/ToolFixture.h"

namespace plevo::test {
namespace {

const char* const kPrompt = "ex: someone@mail.example, mail.example, @, John";

class Search : public ToolFixture {
protected:
    void SetUp() override {
        showMainWindow();
        control<ui::Label>("Label7").setEnabled(true);
        control<ui::Label>("Label8").setEnabled(true);
    }
    ScreenPoint under() const {
        const ui::Point corner = main_->form().position();
        const ui::Rect remove = control<ui::Picture>("RemoveImage").geometry();
        return {corner.x + remove.x, corner.y + remove.y + remove.h};
    }
    std::string selected(const char* box) const { return memo(box).selectedText(); }
};

TEST_F(Search, NoToEveryOfferEndsNotFoundAndLeavesTheLinesAlone) {
    userTypes("Memo1", "a@x.example\nplain.example\nB@Y.EXAMPLE\n");
    const auto before = memo("Memo1").lines();
    dialogs_.expectInput("Search?", kPrompt, "", "@")
        .expectConfirmAt("Is this the entry you wanted?\n\ra@x.example", Buttons::YesNoCancel,
                         Answer::No, under())
        .expectConfirmAt("Is this the entry you wanted?\n\rB@Y.EXAMPLE", Buttons::YesNoCancel,
                         Answer::No, under())
        .expectMessage("Search complete, entry not found.");
    userClick("Label7");
    EXPECT_EQ(memo("Memo1").lines(), before);
    EXPECT_EQ(selected("Memo1"), "");
    EXPECT_FALSE(timer("Timer1").running());
}

TEST_F(Search, LettersMatchWithoutRegardToCaseAndYesKeepsTheHighlight) {
    tool_->state().SaveReminderShown = 1;
    userTypes("Memo2", "Other.Example\nMAIL.EXAMPLE\n");
    dialogs_.expectInput("Search?", kPrompt, "", "mail")
        .expectConfirm("Is this the entry you wanted?\n\rMAIL.EXAMPLE", Buttons::YesNoCancel,
                       Answer::Yes, [&] {
                           EXPECT_EQ(tool_->state().FoundLineIndex, 1);
                           EXPECT_TRUE(timer("Timer1").running());
                           EXPECT_EQ(selected("Memo2"), "MAIL.EXAMPLE");
                       });
    userClick("Label8");
    EXPECT_EQ(selected("Memo2"), "MAIL.EXAMPLE");
    EXPECT_EQ(memo("Memo2").lines(), (std::vector<std::string>{"Other.Example", "MAIL.EXAMPLE"}));
    EXPECT_FALSE(timer("Timer1").running());
}

TEST_F(Search, TheMarkerBlinksOnTheFoundLineAndNeverStays) {
    userTypes("Memo1", "a.spam.example\nx\nspam.example\n");
    dialogs_.expectInput("Search?", kPrompt, "", "Spam")
        .expectConfirm("Is this the entry you wanted?\n\ra.spam.example", Buttons::YesNoCancel,
                       Answer::No)
        .expectConfirm(
            "Is this the entry you wanted?\n\rspam.example", Buttons::YesNoCancel, Answer::Cancel,
            [&] {
                // The highlight falls on the first occurrence of the found text,
                // inside the earlier line; the marker blinks on the found line.
                EXPECT_EQ(memo("Memo1").selection(),
                          (ui::TextSelection{.line = 0, .column = 2, .length = 12}));
                EXPECT_EQ(selected("Memo1"), "spam.example");
                const bool phase = main_->MarkerPhase;
                timer("Timer1").tick();
                timer("Timer1").tick();
                EXPECT_EQ(main_->MarkerPhase, phase);
                timer("Timer1").tick();
                EXPECT_NE(main_->MarkerPhase, phase);
                const std::string shown = memo("Memo1").line(2);
                EXPECT_EQ(shown, main_->MarkerPhase ? "spam.example" : "spam.example <----here");
                EXPECT_EQ(memo("Memo1").line(0), "a.spam.example");
            });
    userClick("Label7");
    EXPECT_EQ(memo("Memo1").line(2), "spam.example");
    EXPECT_EQ(selected("Memo1"), "");
}

TEST_F(Search, EmptyBoxCancelledOrEmptyTermDoNothing) {
    memo("Memo1").clearLines();
    userClick("Label7");  // empty box: no question
    userTypes("Memo1", "a\n");
    dialogs_.expectInput("Search?", kPrompt, "", std::nullopt)
        .expectInput("Search?", kPrompt, "", "");
    userClick("Label7");
    userClick("Label7");
}

}  // namespace
}  // namespace plevo::test

namespace plevo::test {
namespace {

TEST_F(Search, ALineWithANonBreakingSpaceIsHighlighted) {
    userTypes("Memo1",
              "x\na\xa0"
              "b.example\n");
    dialogs_.expectInput("Search?", kPrompt, "", "B")
        .expectConfirm(
            "Is this the entry you wanted?\n\ra\xa0"
            "b.example",
            Buttons::YesNoCancel, Answer::Yes);
    userClick("Label7");
    EXPECT_EQ(memo("Memo1").selection(), (ui::TextSelection{.line = 1, .column = 0, .length = 11}));
}

}  // namespace
}  // namespace plevo::test
