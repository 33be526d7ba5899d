// Editing the opened word lists: number buttons, word tools, cells, OR/AND, the save and closing.
#include "RulesFixture.h"
#include "platform/Files.h"
#include "rules/RegistryProceduresUnit.h"
#include "rules/WordListValue.h"
#include "support/UserInput.h"

namespace plevo::test {
namespace {

const char* const kSelectFirst = "You must first select one or more of the [1]..[4] buttons.";
const char* const kSaved = "Changes to the Rules have been saved.";
const char* const kCloseQuestion = "Do you want to Save the changes \n\rbefore closing? ";

class EditRules : public RulesFixture {
protected:
    // Rules "Rule A" and "Rule B" with words in lists 1 and 3, then opened.
    void openRuleA() {
        load("000 001", rule("000", "Rule A", {criterion(12, {"a1", "x"}), criterion(8, {"a3"})}) +
                            rule("001", "Rule B", {criterion(12, {"x"}), criterion(8, {"b3"})}));
        show();
        openRules();
    }
    void setWord(const std::string& word) {
        ui::Edit& e = adv<ui::Edit>("Edit1");
        user().click(e);
        EXPECT_EQ(e.caption(), "");
        user().type(word);
    }
    std::vector<std::string> wordsAt(const std::string& rel) {
        return wordsOfValue(
            ReadRegistryValue(registry_, std::string(kRules) + "\\" + rel, "Value").text);
    }
};

TEST_F(EditRules, ANumberButtonOffersTheRulesItsListLacks) {
    load("000 001", rule("000", "A", {criterion(12, {"a1"}), criterion(10, {"a2"})}) +
                        rule("001", "B", {criterion(12, {"b1"})}));
    show();
    openRules();
    EXPECT_TRUE(adv_->RulesSaved);

    dialogs_.expectConfirm("Create B", Buttons::YesNo, Answer::Yes);
    select(2);
    dialogs_.verify();
    EXPECT_EQ(rows(2), (RuleRows{{"A", "a2"}, {"B", "new"}}));
    EXPECT_TRUE(list(2).enabled());
    EXPECT_EQ(list(2).colour(), ui::colours::kWhite);
    EXPECT_FALSE(adv_->RulesSaved);

    // An empty list whose offers are refused cannot be selected.
    dialogs_.expectConfirm("Create A", Buttons::YesNo, Answer::No)
        .expectConfirm("Create B", Buttons::YesNo, Answer::No);
    select(4);
    dialogs_.verify();
    EXPECT_FALSE(adv<ui::ToggleButton>("SpeedButton4").checked());
    EXPECT_FALSE(list(4).enabled());
    EXPECT_FALSE(adv<ui::Picture>("BottomRight").visible());

    // Up again: locked and silver.
    select(2);
    EXPECT_FALSE(list(2).enabled());
    EXPECT_EQ(list(2).colour(), ui::colours::kSilver);
    EXPECT_TRUE(adv<ui::Picture>("TopRight").visible());
}

TEST_F(EditRules, AddDelAndSearchWorkOnTheSelectedLists) {
    openRuleA();
    dialogs_.expectMessage(kSelectFirst);
    clickAdv("SpeedButton5");
    dialogs_.verify();

    select(1);
    select(3);
    setWord("Spam");
    clickAdv("SpeedButton5");
    EXPECT_EQ(rows(1).back(), (RuleRow{"Rule A", "Spam"}));
    EXPECT_EQ(rows(3), (RuleRows{{"Rule A", "a3"}, {"Rule B", "b3"}, {"Rule A", "Spam"}}));
    EXPECT_EQ(list(3).currentRow(), 3);

    // Del takes the first match of each list per press.
    setWord("X");
    clickAdv("SpeedButton6");
    EXPECT_EQ(rows(1), (RuleRows{{"Rule A", "a1"}, {"Rule B", "x"}, {"Rule A", "Spam"}}));
    clickAdv("SpeedButton6");
    EXPECT_EQ(rows(1), (RuleRows{{"Rule A", "a1"}, {"Rule A", "Spam"}}));
    EXPECT_EQ(rows(3).size(), 3u);

    // Search compares word rows only: the title "Value" is never found.
    clickWord(1, 1);
    setWord("Value");
    clickAdv("SpeedButton7");
    EXPECT_EQ(list(1).currentRow(), 1);
    setWord("spam");
    clickAdv("SpeedButton7");
    EXPECT_EQ(list(1).currentRow(), 2);
    EXPECT_EQ(list(3).currentRow(), 3);
    setWord("Value");
    clickAdv("SpeedButton6");
    EXPECT_EQ(rows(1).size(), 2u);
}

TEST_F(EditRules, ImportAppendsEveryLineToTheCurrentRuleOfEachSelectedList) {
    openRuleA();
    select(1);
    select(3);
    const std::string file = writeFile("words.txt", "free\r\n\r\ngift\r\n");
    const FileDialogOptions options{.defaultExt = "txt",
                                    .filter = "Text files (*.txt)|*.TXT",
                                    .fileName = "actions list.txt",
                                    .initialDir = tool_->state().StartFolder};
    dialogs_.expectOpenFile(options, file);
    clickAdv("SpeedButton8");
    dialogs_.verify();
    EXPECT_EQ(
        rows(3),
        (RuleRows{{"Rule A", "a3"}, {"Rule B", "b3"}, {"Rule A", "free"}, {"Rule A", "gift"}}));
    EXPECT_EQ(rows(1).size(), 5u);
    EXPECT_EQ(rows(1).back(), (RuleRow{"Rule A", "gift"}));

    // Without "txt" in the path, or cancelled: nothing.
    const std::string upper = writeFile("WORDS.TXT", "more\r\n");
    dialogs_.expectOpenFile(options, upper).expectOpenFile(options, std::nullopt);
    clickAdv("SpeedButton8");
    clickAdv("SpeedButton8");
    dialogs_.verify();
    EXPECT_EQ(rows(3).size(), 4u);
}

TEST_F(EditRules, CellsAddAndDeleteRowsOfRules) {
    load("000 001", rule("000", "Rule A", {criterion(12, {"a"})}) +
                        rule("001", "Other", {criterion(9, {"o"})}));
    show();
    openRules();
    dialogs_.expectConfirm("Create Other", Buttons::YesNo, Answer::No);
    select(1);
    ui::Grid& one = list(1);
    dialogs_.expectMessage(kEmptyCellReminder);
    user().clickAt(one, user().cellCentre(one, 1, 1));
    user().clickAt(one, user().cellCentre(one, 1, 1));  // the reminder comes once
    dialogs_.verify();

    user().doubleClickAt(one, user().cellCentre(one, 1, 1));
    user().press({.key = ui::kKeyInsert});
    EXPECT_EQ(rows(1), (RuleRows{{"Rule A", "a"}, {"Rule A", "new"}, {"Rule A", "new"}}));
    EXPECT_EQ(one.currentRow(), 3);
    clickWord(1, 1);
    user().press({.key = ui::kKeyDelete});
    EXPECT_EQ(rows(1), (RuleRows{{"Rule A", "new"}, {"Rule A", "new"}}));

    // A list of rows whose keys are no rule names takes no new rows and loses none.
    dialogs_.expectConfirm("Create Rule A", Buttons::YesNo, Answer::No);
    select(4);
    dialogs_.verify();
    user().doubleClickAt(list(4), user().cellCentre(list(4), 1, 1));
    user().press({.key = ui::kKeyDelete});
    EXPECT_EQ(rows(4), (RuleRows{{"Other", "o"}}));
}

TEST_F(EditRules, OrAndExcludeEachOther) {
    show();
    clickAdv("SpeedButton10");
    EXPECT_EQ(adv_->RulesLogic, 2u);
    EXPECT_FALSE(adv<ui::ToggleButton>("SpeedButton9").checked());
    EXPECT_EQ(adv<ui::Label>("LabelAndOr").caption(), "AND");
    EXPECT_EQ(adv<ui::Label>("Label3").caption(),
              "has at least one word from each of these other lists");
    clickAdv("SpeedButton9");
    clickAdv("SpeedButton9");
    EXPECT_EQ(adv_->RulesLogic, 1u);
    EXPECT_TRUE(adv<ui::ToggleButton>("SpeedButton9").checked());
    EXPECT_FALSE(adv<ui::ToggleButton>("SpeedButton10").checked());
    EXPECT_EQ(adv<ui::Label>("Label3").caption(), "any of the words in any of these other lists");
}

TEST_F(EditRules, SaveWritesTheListsAsRules) {
    const std::string longName = "A rule with a name longer than twenty";
    load("000 001",
         rule("000", longName, {criterion(12, {"f"}), criterion(9, {"Cheap", "cheap"})}) +
             rule("001", "Rule B", {criterion(10, {"t"})}));
    show();
    openRules();
    clickAdv("SpeedButton10");
    // The long name is offered whole.
    dialogs_.expectConfirm("Create " + longName, Buttons::YesNo, Answer::No);
    select(2);
    dialogs_.verify();
    dialogs_.expectMessage(kSaved);
    clickAdv("SaveRulesBtn");
    dialogs_.verify();
    EXPECT_EQ(value("", "Order"), "000 001");
    EXPECT_EQ(value("000", "Name"), longName);
    EXPECT_EQ(value("000\\Criteria", "Order"), "000 001");
    EXPECT_EQ(dword("000\\Criteria\\000", "Logic"), 2u);
    EXPECT_EQ(dword("000\\Criteria\\001", "Type"), 9u);
    EXPECT_EQ(dword("000\\Criteria\\001", "Logic"), 0u);
    EXPECT_EQ(wordsAt("000\\Criteria\\001"), std::vector<std::string>{"cheap"});
    EXPECT_EQ(dword("001\\Criteria\\000", "Type"), 10u);
    EXPECT_EQ(adv_->RuleNames, (std::vector<std::string>{longName, "Rule B"}));
    EXPECT_TRUE(adv_->RulesSaved);
    // Saved: the close picture closes without a question.
    clickAdv("CloseImage");
    EXPECT_FALSE(adv_->form().visible());
}

TEST_F(EditRules, AWordDeletedFromARuleKeyOfAnyNameStaysDeleted) {
    load("000 002", rule("000", "Rule A", {criterion(12, {"a"})}) +
                        rule("002", "Rule B", {criterion(8, {"b1", "b2"})}));
    show();
    openRules();
    dialogs_.expectConfirm("Create Rule A", Buttons::YesNo, Answer::No);
    select(3);
    setWord("b2");
    clickAdv("SpeedButton6");  // Del renames the rules' keys in the window: 000 and 001
    dialogs_.expectMessage(kSaved);
    clickAdv("SaveRulesBtn");
    dialogs_.verify();
    EXPECT_EQ(subkeys(""), (std::vector<std::string>{"000", "001"}));
    openRules(false);
    EXPECT_EQ(rows(3), (RuleRows{{"Rule B", "b1"}}));
}

TEST_F(EditRules, AnEmptyWordRefusesTheSaveAndNothingIsWritten) {
    load("000", rule("000", "Rule A", {criterion(8, {"a", "b"})}));
    show();
    openRules();
    registry_.flush();
    const std::string before = readFile(root_ / "HKEY_CURRENT_USER.reg");
    select(3);
    typeWord(3, 2, "");
    dialogs_.expectMessage(
        "The list [3] SUBJECT has an empty word for the rule \"Rule A\".\n\rType a word into the "
        "empty cell or delete its row, then save again.\n\rNothing has been saved.");
    clickAdv("SaveRulesBtn");
    dialogs_.verify();
    registry_.flush();
    EXPECT_EQ(readFile(root_ / "HKEY_CURRENT_USER.reg"), before);
    EXPECT_EQ(subkeys("000\\Criteria"), std::vector<std::string>{"000"});
}

TEST_F(EditRules, ASaveRefusedAtClosingKeepsTheWindowOpenWithItsLists) {
    openRuleA();
    select(1);
    select(3);
    typeWord(1, 1, "X");  // the same word as the next row, for a save to fold
    typeWord(3, 1, "");
    const std::vector<RuleRows> before = {rows(1), rows(3)};
    dialogs_.expectConfirm(kCloseQuestion, Buttons::YesNo, Answer::Yes)
        .expectMessage(
            "The list [3] SUBJECT has an empty word for the rule \"Rule A\".\n\rType a word into "
            "the empty cell or delete its row, then save again.\n\rNothing has been saved.");
    clickAdv("CloseImage");
    dialogs_.verify();
    EXPECT_TRUE(adv_->form().visible());
    EXPECT_EQ((std::vector<RuleRows>{rows(1), rows(3)}), before);
    EXPECT_EQ(wordsAt("000\\Criteria\\001"), std::vector<std::string>{"a3"});
}

TEST_F(EditRules, SavingNoRowsDeletesEveryRule) {
    load("000", rule("000", "Rule A", {criterion(8, {"a"})}));
    show();
    openRules();
    select(3);
    clickWord(3, 1);
    user().press({.key = ui::kKeyDelete});
    dialogs_.expectMessage("No Rules have been saved");
    clickAdv("SaveRulesBtn");
    dialogs_.verify();
    EXPECT_TRUE(subkeys("").empty());
    EXPECT_EQ(value("", "Order"), "");
    EXPECT_FALSE(adv_->RulesSaved);
}

TEST_F(EditRules, TheCloseQuestionComesOnlyAfterAnOpenInThisShowing) {
    openRuleA();
    select(3);
    typeWord(3, 1, "changed");
    dialogs_.expectConfirm(kCloseQuestion, Buttons::YesNo, Answer::Yes).expectMessage(kSaved);
    clickAdv("CloseImage");
    dialogs_.verify();
    EXPECT_FALSE(adv_->form().visible());
    EXPECT_EQ(wordsAt("000\\Criteria\\001"), std::vector<std::string>{"changed"});

    // Changed and closed with No; shown again and closed before opening: no question, and the
    // empty lists are never saved over the rules.
    show();
    openRules(false);
    select(3);
    dialogs_.expectConfirm(kCloseQuestion, Buttons::YesNo, Answer::No);
    clickAdv("CloseImage");
    dialogs_.verify();
    show();
    EXPECT_FALSE(adv_->RulesSaved);
    clickAdv("CloseImage");
    EXPECT_FALSE(adv_->form().visible());
    EXPECT_EQ(subkeys(""), (std::vector<std::string>{"000", "001"}));
}

}  // namespace
}  // namespace plevo::test

namespace plevo::test {
namespace {

TEST_F(EditRules, LeavingListTwoToFourEmptiesTheWordBox) {
    openRuleA();
    select(1);
    select(3);
    adv_->form().activate();
    for (int k : {1, 3}) {
        adv<ui::Edit>("Edit1").setCaption("word");
        list(k).setFocus();
        adv<ui::Button>("OpenRulesBtn").setFocus();
        EXPECT_EQ(adv<ui::Edit>("Edit1").caption(), k == 1 ? "word" : "") << k;
    }
}

}  // namespace
}  // namespace plevo::test
