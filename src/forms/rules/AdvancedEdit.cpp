// Editing the four word lists: the number buttons, the word tools, the cells, OR/AND, the save,
// closing the window.
#include <filesystem>

#include "forms/rules/AdvancedUnit.h"
#include "forms/tool/Tool.h"
#include "lists/TextList.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "rules/RuleSave.h"

namespace plevo {
namespace {

// Words and rule names match whatever the case of the letters A to Z.
bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

bool isRuleKey(std::string_view key) {
    return key.find("Rule") != std::string_view::npos;
}

const std::string kEmptyCellReminder =
    messageLines({"Remember! You cannot save any changes if you leave an empty value", "in a cell.",
                  "", "You can use the keyboard [Esc] key to return a deleted word,",
                  "if you have not moved from the same cell.", "",
                  "If you need to reset the lists, as they were when you opened them.",
                  "Do not Save the list, instead use the [Open Rules] button again."});

}  // namespace

bool TAdvancedForm::AnyListSelected() {
    for (const ui::ToggleButton* b : NumberButton)
        if (b->checked()) return true;
    tool_.dialogs().message("You must first select one or more of the [1]..[4] buttons.");
    return false;
}

void TAdvancedForm::OfferMissingRules(std::size_t k) {
    CollectRuleNames();
    for (const std::string& name : RuleNames) {
        bool present = false;
        for (const RuleRow& row : rows(k)) present = present || sameIgnoringCase(row.rule, name);
        if (present) continue;
        if (tool_.dialogs().confirm("Create " + name, Buttons::YesNo) == Answer::Yes)
            appendRow(k, name, "new");
    }
}

void TAdvancedForm::NumberButtonClick(std::size_t k) {
    RulesSaved = false;
    const bool down = NumberButton[k]->checked();
    if (down) OfferMissingRules(k);
    if (wordRows(k) > 0) {
        if (NumberButton[k]->checked())
            unlockList(k);
        else
            lockList(k);
        UpdateListMarks();
    } else {
        NumberButton[k]->setChecked(false);
        lockList(k);
    }
}

void TAdvancedForm::SpeedButton5Click() {
    if (!AnyListSelected()) return;
    // An empty word would only stop the next save.
    if (Edit1->caption().empty()) {
        tool_.dialogs().message("Type the word to add into the box, then select [Add].");
        return;
    }
    for (std::size_t k = 0; k < 4; ++k) {
        if (!NumberButton[k]->checked() || wordRows(k) < 1) continue;
        if (!isRuleKey(ValueListEditor[k]->cell(0, 1))) continue;
        appendRow(k, currentKey(k), Edit1->caption());
        ValueListEditor[k]->setCurrent(1, wordRows(k));
    }
}

std::vector<int> TAdvancedForm::rowsOfWord(std::size_t k, const std::string& word) const {
    std::vector<int> found;
    const RuleRows all = rows(k);
    for (std::size_t i = 0; i < all.size(); ++i)
        if (sameIgnoringCase(all[i].word, word)) found.push_back(static_cast<int>(i) + 1);
    return found;
}

void TAdvancedForm::SpeedButton6Click() {
    if (!AnyListSelected()) return;
    const std::string word = Edit1->caption();
    for (std::size_t k = 0; k < 4; ++k) {
        if (!ValueListEditor[k]->enabled()) continue;
        // The first row of the word goes.
        if (const std::vector<int> found = rowsOfWord(k, word); !found.empty()) {
            deleteRow(k, found.front());
            CollectRuleNames();
        }
    }
}

void TAdvancedForm::SpeedButton7Click() {
    if (!AnyListSelected()) return;
    const std::string word = Edit1->caption();
    for (std::size_t k = 0; k < 4; ++k) {
        if (!ValueListEditor[k]->enabled()) continue;
        // Every row of the word is gone over; the last one found stays current.
        for (const int row : rowsOfWord(k, word)) {
            ValueListEditor[k]->setCurrent(1, row);
            ValueListEditor[k]->setFocus();
        }
    }
}

void TAdvancedForm::SpeedButton8Click() {
    if (!AnyListSelected()) return;
    const auto chosen = tool_.dialogs().openFile({.defaultExt = "txt",
                                                  .filter = "Text files (*.txt)|*.TXT",
                                                  .fileName = "actions list.txt",
                                                  .initialDir = tool_.state().StartFolder});
    if (!chosen || chosen->find("txt") == std::string::npos) return;
    const TextList lines = parseTextList(readFile(pathFromText(*chosen)));
    // Every line goes to the rule of the row that was current when Import was pressed.
    std::array<std::string, 4> keys;
    for (std::size_t k = 0; k < 4; ++k) keys[k] = currentKey(k);
    for (const std::string& line : lines.entries) {
        if (line.empty()) continue;
        for (std::size_t k = 0; k < 4; ++k) {
            if (!ValueListEditor[k]->enabled() || wordRows(k) < 1) continue;
            if (!isRuleKey(ValueListEditor[k]->cell(0, 1))) continue;
            appendRow(k, keys[k], line);
        }
    }
}

void TAdvancedForm::SpeedButton9Click() {
    RulesLogic = kLogicOr;
    showLogic(RulesLogic);
}

void TAdvancedForm::SpeedButton10Click() {
    RulesLogic = kLogicAnd;
    showLogic(RulesLogic);
}

void TAdvancedForm::ValueListEditor1Click() {
    UpdateListMarks();
    if (EmptyCellReminderShown == 0) {
        ++EmptyCellReminderShown;
        tool_.dialogs().message(kEmptyCellReminder);
    }
}

void TAdvancedForm::addNewWord(std::size_t k) {
    const std::string key = currentKey(k);
    if (!isRuleKey(key)) return;
    appendRow(k, key, "new");
    ValueListEditor[k]->setCurrent(1, wordRows(k));
}

void TAdvancedForm::ValueListEditor1DblClick(std::size_t k) {
    addNewWord(k);
}

bool TAdvancedForm::ValueListEditor1KeyDown(std::size_t k, const ui::KeyPress& key) {
    if (key.ctrl || key.alt || key.shift) return false;
    if (key.key == ui::kKeyInsert) {
        addNewWord(k);
        return true;
    }
    if (key.key == ui::kKeyDelete) {
        if (isRuleKey(currentKey(k))) {
            deleteRow(k, ValueListEditor[k]->currentRow());
            CollectRuleNames();
        }
        return true;
    }
    return false;
}

void TAdvancedForm::Edit1Click() {
    Edit1->setCaption("");
}

void TAdvancedForm::SaveRulesBtnClick() {
    saveRules();
}

bool TAdvancedForm::saveRules() {
    // Only lists read from the registry in this showing are ever written back over it.
    if (!openedThisShowing_) return false;
    RuleLists all = lists();
    RemoveDuplicateWords(all);
    const SaveResult result =
        SaveRules(tool_.registry(), rulesKeyPath(), all, RulesLogic, storedRuleKeys_);
    // A refused save leaves the lists as the user has them, to mend what it named.
    if (result.outcome != SaveOutcome::Refused) {
        setLists(all);
        CollectRuleNames();
        storedRuleKeys_ = RuleKeys;
    }
    // The message stores the registry first: saved is only what is on disk.
    tool_.dialogs().message(result.message);
    if (result.outcome == SaveOutcome::Saved) RulesSaved = true;
    return result.outcome != SaveOutcome::Refused;
}

void TAdvancedForm::CloseImageClick() {
    if (!RulesSaved && openedThisShowing_ &&
        tool_.dialogs().confirm("Do you want to Save the changes \n\rbefore closing? ",
                                Buttons::YesNo) == Answer::Yes &&
        !saveRules())
        return;  // the window stays open with the lists the save refused
    closeWindow();
}

}  // namespace plevo
