// "&New Rule": a row for a new rule, with the lowest free number, in the list the criteria dialog
// names.
#include "forms/rules/AdvancedUnit.h"
#include "forms/tool/Tool.h"
#include "platform/Dialogs.h"

#include <algorithm>

namespace plevo {

void TAdvancedForm::NewBtnClick() {
    const std::optional<std::size_t> list = tool_.criteria().chooseList();
    if (!list) return;
    RulesSaved = false;
    CollectRuleNames();
    std::string name;
    for (int n = 1;; ++n) {
        name = "New Mail Rule #" + std::to_string(n);
        if (std::find(RuleNames.begin(), RuleNames.end(), name) == RuleNames.end()) break;
    }
    appendRow(*list, name, "new");
}

}  // namespace plevo
