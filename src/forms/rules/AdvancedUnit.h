#pragma once
// The rules window: the mail rules of the chosen identity, as four word lists (FROM, TO, SUBJECT,
// MESSAGE). Each list is a grid of rows pairing a rule name with one word.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "forms/tool/Intents.h"
#include "rules/RuleModel.h"
#include "ui/Form.h"

namespace plevo {

namespace ui {
class FormBuilder;
}
class Tool;

class TAdvancedForm final : public RulesWindowIntents {
public:
    explicit TAdvancedForm(Tool& tool);

    static constexpr int kClientWidth = 723;
    static constexpr int kClientHeight = 595;
    static constexpr const char* kHelpLines[] = {
        " [ *Press the Help button again to close this help window ]",
        "",
        " RULES, CRITERIA AND ACTIONS",
        " A rule tells Outlook Express what to do with an email. It has",
        " criteria (where to look and which words to look for) and an",
        " action (what to do when the words are found).",
        " Here the criteria are four lists of words: words in the FROM",
        " line, in the TO line, in the SUBJECT line and in the MESSAGE.",
        " With OR an email is deleted when any of the words is found in",
        " any of the lists. With AND it is deleted only when it has at",
        " least one word from each list the rule uses.",
        "   Example 1 (OR): FROM holds casino, SUBJECT holds lottery:",
        "   an email from casino or with lottery in its subject goes.",
        "   Example 2 (AND): FROM holds casino, SUBJECT holds lottery:",
        "   only an email from casino with lottery in its subject goes.",
        " The one option you choose, OR or AND, applies to all rules.",
        "",
        " THE ACTION",
        " The action is always set to DELETE. If you change an action in",
        " Outlook, opening the rules here again turns it back to DELETE.",
        "",
        " [Open Rules] AND [New]",
        " [Open Rules] reads the rules you have and shows their words.",
        " [New] adds a new rule; choose the list it starts with.",
        "",
        " WORD LISTS",
        " You can build your word lists as text files in the main window",
        " and import them here.",
        " Select a list with its button [1] to [4]: the silver list turns",
        " white and can be changed.",
        " Type a word in the box and use [Add], [Del] or [Search] on all",
        " selected lists; [Import] adds every line of a text file.",
        " In a list, the [Insert] key or a double-click adds a word,",
        " the [Delete] key removes one.",
        " Words are not case-sensitive: Free and free are the same word.",
        " Every cell must hold a value before you save.",
        "",
        " Only the Mail rules are changed. Deleted emails go to the",
        " \"Deleted Items\" folder of Outlook Express.",
    };

    // The rules editor's values, kept for the whole run.
    std::uint32_t RulesLogic = kLogicOr;
    bool RulesSaved = true;
    int RuleChangeWarningShown = 0;
    int EmptyCellReminderShown = 0;
    // The distinct rule names of the lists and the keys a save gives them.
    std::vector<std::string> RuleNames;
    std::vector<std::string> RuleKeys;

    ui::Form& form() { return *form_; }
    // Shows the window modally (from the registry window's "Advanced Rules").
    void showModally() override;

    // The rows of list k (0 to 3) and all four.
    RuleRows rows(std::size_t k) const;
    // The rows (counted from 1) of list k whose word equals `word` without regard to case.
    std::vector<int> rowsOfWord(std::size_t k, const std::string& word) const;
    RuleLists lists() const;

    // Handlers.
    void FormShow();
    void FormActivate();
    void FormClose();
    void OpenRulesBtnClick();
    void SaveRulesBtnClick();
    void NewBtnClick();
    void NumberButtonClick(std::size_t k);
    void SpeedButton5Click();   // Add
    void SpeedButton6Click();   // Del
    void SpeedButton7Click();   // Search
    void SpeedButton8Click();   // Import
    void SpeedButton9Click();   // OR
    void SpeedButton10Click();  // AND
    void ValueListEditor1Click();
    void ValueListEditor1DblClick(std::size_t k);
    bool ValueListEditor1KeyDown(std::size_t k, const ui::KeyPress& key);
    void Edit1Click();
    void CloseImageClick();
    void Image1Click();

    // Operations.
    void UpdateListMarks();
    void UnlockControls();
    void LockLists();
    int CollectRuleNames();

private:
    // The controls the code reaches, by their names in the table (tests reach every control
    // through form()).
    std::array<ui::Panel*, 4> Panel{};
    std::array<ui::Grid*, 4> ValueListEditor{};
    std::array<ui::Picture*, 4> Mark{};               // TopLeft, TopRight, BottomLeft, BottomRight
    std::array<ui::ToggleButton*, 4> NumberButton{};  // SpeedButton1 .. 4
    ui::Label* LabelAndOr;
    ui::Label* Label3;
    ui::Panel* Panel6;
    ui::Panel* Panel7;
    ui::Edit* Edit1;
    ui::Button* SpeedButton5;
    ui::Button* SpeedButton6;
    ui::Button* SpeedButton7;
    ui::Button* SpeedButton8;
    ui::Button* OpenRulesBtn;
    ui::Button* SaveRulesBtn;
    ui::Button* NewBtn;
    ui::ToggleButton* SpeedButton9;   // OR
    ui::ToggleButton* SpeedButton10;  // AND
    ui::Picture* Image1;
    ui::Label* Label1;
    ui::Picture* CloseImage;
    ui::Memo* MemoRules;

    // The table of controls: each row fills its member and binds its handlers.
    void declareControls(ui::FormBuilder& table);
    std::string rulesKeyPath() const;
    bool ConfirmOpenRules();
    // Shows the logic on the buttons and the labels.
    void showLogic(std::uint32_t logic);
    void setRows(std::size_t k, const RuleRows& rows);
    void setLists(const RuleLists& lists);
    void appendRow(std::size_t k, const std::string& rule, const std::string& word);
    void deleteRow(std::size_t k, int row);
    int wordRows(std::size_t k) const;
    // The key of the list's current word row ("" without one).
    std::string currentKey(std::size_t k) const;
    // A selected list with rows can be edited; any other is grey and read-only.
    void unlockList(std::size_t k);
    void lockList(std::size_t k);
    bool AnyListSelected();
    void OfferMissingRules(std::size_t k);
    // Adds the row (current rule, "new") below the others.
    void addNewWord(std::size_t k);
    void closeWindow();
    // "&Save Rules"; false when the save was refused and nothing was written.
    bool saveRules();

    Tool& tool_;
    std::unique_ptr<ui::Form> form_;
    // "&Open Rules" has filled the lists in this showing: only such lists may be saved.
    bool openedThisShowing_ = false;
    // The rule keys the lists stand for, by their names: as the last open read them or the last
    // save wrote them. RuleKeys follows the lists' names while they are edited; a save deletes
    // these.
    std::vector<std::string> storedRuleKeys_;
};

}  // namespace plevo
