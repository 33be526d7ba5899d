// "&Open Rules": the checks before opening, the rewrite of every rule into the simple form the
// window keeps, and the rows of the four lists.
#include "forms/rules/AdvancedUnit.h"
#include "forms/tool/Tool.h"
#include "platform/Dialogs.h"
#include "rules/RegistryProceduresUnit.h"
#include "rules/RuleOpen.h"

namespace plevo {
namespace {

const std::string kNotSetUp =
    messageLines({"You have not yet set up any Rules in Outlook Express.",
                  "Select the [New] button to create your first Rule.",
                  "If you are not sure what to do, read the Help pages."});

const std::string kChangeWarning = messageLines(
    {"Warning of possible Rule changes!", "Any Rules you have saved in Outlook, not set to DELETE",
     "will be changed to DELETE. You can change this later in Outlook.",
     "This program is designed to simplify and make the best use of the", "rules in Outlook.",
     "Running this program will always set the Action to delete any emails",
     "and any Criteria will be simplified to; FROM,TO,SUBJECT and MESSAGE", "",
     "However, you will retain the same number of Rules and you will ",
     "still be able to use  these rules for the 4 criteria lists.",
     "(Delete is the most commonly used action)", "",
     "Only select Yes if this is what you want to do?"});

}  // namespace

bool TAdvancedForm::ConfirmOpenRules() {
    Dialogs& d = tool_.dialogs();
    // A missing rules key or "Order" raises here, before anything has changed.
    const RegistryValue order = ReadRegistryValue(tool_.registry(), rulesKeyPath(), "Order");
    if (order.text.empty()) d.message(kNotSetUp);
    bool agreed = true;
    if (RuleChangeWarningShown == 0 &&
        d.confirm(kChangeWarning, Buttons::YesNoCancel) != Answer::Yes) {
        tool_.registryWindow().form().activate();
        closeWindow();
        agreed = false;
    }
    setLists({});
    ++RuleChangeWarningShown;
    return agreed;
}

void TAdvancedForm::OpenRulesBtnClick() {
    // Until an open has gone through, the lists are not what the registry holds: neither a save
    // nor a new rule may build on them.
    openedThisShowing_ = false;
    SaveRulesBtn->setEnabled(false);
    NewBtn->setEnabled(false);
    if (!ConfirmOpenRules()) {
        tool_.dialogs().message("User cancelled, or you have not set up any rules in Outlook");
        closeWindow();
        tool_.registryWindow().form().activate();
        return;
    }
    UnlockControls();
    RuleLists loaded;
    OpenedRules opened;
    try {
        opened = OpenRules(tool_.registry(), rulesKeyPath(), loaded, [this](const std::string&) {
            tool_.dialogs().message(std::string(kNoCriteriaMessage));
        });
    } catch (...) {
        // The rows loaded before the failure stay shown; the rest of the open does not happen.
        setLists(loaded);
        NewBtn->setEnabled(false);
        throw;
    }
    setLists(loaded);
    RuleKeys = opened.ruleKeys;
    storedRuleKeys_ = opened.ruleKeys;
    if (opened.logic) {
        RulesLogic = *opened.logic;
        showLogic(RulesLogic);
    }
    LockLists();
    SaveRulesBtn->setEnabled(true);
    openedThisShowing_ = true;
    tool_.dialogs().message("Rules and Actions opened");
}

}  // namespace plevo
