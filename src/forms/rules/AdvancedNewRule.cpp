// "&New Rule": a row for a new rule, with the lowest free number, in the list the criteria dialog
// names.
#include "app/PlevoTool.h"
#include "forms/rules/AdvancedUnit.h"
#include "forms/rules/CriteriaDlgUnit.h"
#include "platform/Dialogs.h"

#include <algorithm>

namespace plevo {

void TAdvancedForm::NewBtnClick() {
    TCriteriaDlg& dialog = tool_.CriteriaDlg();
    const int result = tool_.dialogs().runModal(dialog.form());
    // A showing ended other than by OK counts as cancelled.
    if (dialog.CriteriaCancelled || result != ui::kResultOk) return;
    RulesSaved = false;
    CollectRuleNames();
    std::string name;
    for (int n = 1;; ++n) {
        name = "New Mail Rule #" + std::to_string(n);
        if (std::find(RuleNames.begin(), RuleNames.end(), name) == RuleNames.end()) break;
    }
    appendRow(dialog.chosenList(), name, "new");
}

}  // namespace plevo
