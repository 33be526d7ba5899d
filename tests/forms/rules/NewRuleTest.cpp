// "&New Rule" with the criteria dialog.
#include "RulesFixture.h"
#include "forms/rules/CriteriaDlgUnit.h"
#include "support/UserInput.h"

namespace plevo::test {
namespace {

const char* const kCriteria = "Criteria Option";

class NewRule : public RulesFixture {
protected:
    // "&New Rule" with choice `k` (1 to 4, 0: leave the choice as it is) and OK.
    void newRule(int k) {
        dialogs_.expectModal(kCriteria, [k](ui::Form& f) {
            // On the choice's caption: Qt takes a radio button's click only over its circle and
            // caption, and a short caption ends before the button's centre.
            if (k > 0)
                user().clickAt(f.get<ui::RadioButton>("RadioButton" + std::to_string(k)), {30, 12});
            user().click(f.get<ui::Button>("YesBtn"));
        });
        clickAdv("NewBtn");
        dialogs_.verify();
    }
};

TEST_F(NewRule, TheCriteriaDialogHasACaptionWithoutButtonsAndIsSeeThroughWhereWhite) {
    const ui::Form& f = tool_->CriteriaDlg().form();
    EXPECT_EQ(f.caption(), kCriteria);
    EXPECT_EQ(f.clientSize(), (ui::Size{289, 221}));
    EXPECT_EQ(f.style(), ui::FormStyle::CaptionOnly);
    EXPECT_EQ(f.colour(), ui::colours::kWhite);
    EXPECT_EQ(f.seeThrough(), ui::colours::kWhite);
}

TEST_F(NewRule, TakesTheLowestFreeNumberInTheChosenList) {
    load("000 001 002", rule("000", "New Mail Rule #1", {criterion(12, {"a"})}) +
                            rule("001", "New Mail Rule #3", {criterion(10, {"b"})}) +
                            rule("002", "new mail rule #2", {criterion(9, {"c"})}));
    show();
    openRules();
    newRule(3);
    EXPECT_EQ(rows(3), (RuleRows{{"New Mail Rule #2", "new"}}));
    EXPECT_FALSE(adv_->RulesSaved);
    // The list gets its row but stays locked; its mark shows.
    EXPECT_FALSE(list(3).enabled());
    EXPECT_TRUE(adv<ui::Picture>("BottomLeft").visible());
    newRule(0);  // the dialog kept "3. SUBJECT"
    EXPECT_EQ(rows(3), (RuleRows{{"New Mail Rule #2", "new"}, {"New Mail Rule #4", "new"}}));
}

TEST_F(NewRule, WithoutAnyRulesTheFirstIsNumberOne) {
    load("", "");
    show();
    dialogs_.expectMessage(messageLines({"You have not yet set up any Rules in Outlook Express.",
                                         "Select the [New] button to create your first Rule.",
                                         "If you are not sure what to do, read the Help pages."}));
    openRules();
    newRule(1);
    EXPECT_EQ(rows(1), (RuleRows{{"New Mail Rule #1", "new"}}));
}

TEST_F(NewRule, CancelEscAndHelpChangeNothing) {
    load("000", rule("000", "New Mail Rule #1", {criterion(12, {"a"})}));
    show();
    openRules();
    const auto cancelWith = [this](std::function<void(ui::Form&)> leave) {
        dialogs_.expectModal(kCriteria, [leave](ui::Form& f) {
            user().click(f.get<ui::RadioButton>("RadioButton4"));
            leave(f);
        });
        clickAdv("NewBtn");
        dialogs_.verify();
    };
    cancelWith([](ui::Form& f) { user().click(f.get<ui::Button>("CancelBtn")); });
    EXPECT_TRUE(tool_->CriteriaDlg().CriteriaCancelled);
    cancelWith([](ui::Form&) { user().press({.key = ui::kKeyEscape}); });
    cancelWith([this](ui::Form& f) {
        dialogs_.expectMessage(
            "Select one of the 4 options. If you make a mistake\n\rselect the [New] button once "
            "again.\n\rSelect Cancel if you do not want to proceed");
        user().click(f.get<ui::Button>("HelpBtn"));
        EXPECT_TRUE(f.visible());
        EXPECT_TRUE(f.get<ui::RadioButton>("RadioButton4").checked());
        user().click(f.get<ui::Button>("CancelBtn"));
    });
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(rows(k).size(), k == 1 ? 1u : 0u);
    EXPECT_TRUE(adv_->RulesSaved);

    // The choice made last stays chosen.
    newRule(0);
    EXPECT_EQ(rows(4), (RuleRows{{"New Mail Rule #2", "new"}}));
}

}  // namespace
}  // namespace plevo::test
