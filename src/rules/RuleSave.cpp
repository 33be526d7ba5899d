#include "rules/RuleSave.h"

#include <algorithm>

#include "registry/KeyNames.h"
#include "rules/RegistryProceduresUnit.h"
#include "rules/WordListValue.h"

namespace plevo {

namespace {

std::string emptyWordMessage(std::size_t list, std::string_view rule) {
    return "The list " + std::string(kWordListTitles[list]) + " has an empty word for the rule \"" +
           std::string(rule) +
           "\".\n\rType a word into the empty cell or delete its row, then save again.\n\r"
           "Nothing has been saved.";
}

}  // namespace

SavePlan planSave(const RuleLists& lists, std::uint32_t logic) {
    SavePlan plan;
    for (std::size_t list = 0; list < kWordListCount; ++list) {
        for (const RuleRow& row : lists[list]) {
            if (row.word.empty()) {
                plan.refusal = emptyWordMessage(list, row.rule);
                return plan;
            }
        }
    }
    for (const std::string& name : CollectRuleNames(lists)) {
        SavedRule rule{name, {}};
        for (std::size_t list = 0; list < kWordListCount; ++list) {
            SavedCriterion criterion{kCriterionTypes[list], logic, {}};
            for (const RuleRow& row : lists[list]) {
                if (row.rule == name) criterion.words.push_back(row.word);
            }
            if (!criterion.words.empty()) rule.criteria.push_back(std::move(criterion));
        }
        // Every name comes from a row with a word, so each rule has a criterion.
        rule.criteria.back().logic = 0;
        plan.rules.push_back(std::move(rule));
    }
    return plan;
}

void SaveCriteria(RegistryAccess& registry, std::string_view rulesKeyPath,
                  const std::vector<SavedRule>& rules) {
    for (std::size_t r = 0; r < rules.size(); ++r) {
        const std::string criteria = subkeyPath(subkeyPath(rulesKeyPath, keyName(r)), "Criteria");
        const std::vector<SavedCriterion>& saved = rules[r].criteria;
        for (std::size_t m = 0; m < saved.size(); ++m) {
            const std::string path = subkeyPath(criteria, keyName(m));
            WriteRegistryValue(registry, path, "Flags", RegistryValue::ofInteger(0));
            WriteRegistryValue(registry, path, "Logic", RegistryValue::ofInteger(saved[m].logic));
            WriteRegistryValue(registry, path, "Type", RegistryValue::ofInteger(saved[m].type));
            WriteRegistryValue(registry, path, "Value",
                               RegistryValue::ofBytes(wordListValue(saved[m].words)));
            WriteRegistryValue(registry, path, "ValueType",
                               RegistryValue::ofInteger(kWordListValueType));
        }
        WriteRegistryValue(registry, criteria, "Order",
                           RegistryValue::ofText(orderString(saved.size())));
    }
}

SaveResult SaveRules(RegistryAccess& registry, std::string_view rulesKeyPath,
                     const RuleLists& lists, std::uint32_t logic,
                     const std::vector<std::string>& storedKeys) {
    SavePlan plan = planSave(lists, logic);
    if (!plan.refusal.empty()) return {SaveOutcome::Refused, plan.refusal};
    // Without the rules key the deletions and writes below would land elsewhere.
    if (rulesKeyPath.empty() || !registry.keyExists(rulesKeyPath)) {
        return {SaveOutcome::Refused,
                "The rules of the chosen identity were not found in the registry.\n\r"
                "Nothing has been saved."};
    }

    // A key the lists were read from goes by its own name, whatever it is, so that none of them
    // is left behind to come back at the next open; the keys written go first too.
    std::vector<std::string> doomed;
    for (const std::string& key : storedKeys) {
        if (!key.empty()) doomed.push_back(key);  // "" would name the rules key itself
    }
    for (std::size_t r = 0; r < plan.rules.size(); ++r) {
        if (std::find(doomed.begin(), doomed.end(), keyName(r)) == doomed.end())
            doomed.push_back(keyName(r));
    }
    for (const std::string& key : doomed)
        DeleteKeyIfExists(registry, subkeyPath(rulesKeyPath, key));
    WriteRegistryValue(registry, rulesKeyPath, "Order", RegistryValue::ofText(""));
    if (plan.rules.empty()) return {SaveOutcome::NoRules, std::string(kNoRulesSavedMessage)};

    WriteRegistryValue(registry, rulesKeyPath, "Order",
                       RegistryValue::ofText(orderString(plan.rules.size())));
    for (std::size_t r = 0; r < plan.rules.size(); ++r) {
        const std::string rule = subkeyPath(rulesKeyPath, keyName(r));
        WriteRegistryValue(registry, rule, "Enabled", RegistryValue::ofInteger(1));
        WriteRegistryValue(registry, rule, "Name", RegistryValue::ofText(plan.rules[r].name));
        WriteRegistryValue(registry, rule, "Version", RegistryValue::ofInteger(1));
        const std::string actions = subkeyPath(rule, "Actions");
        WriteRegistryValue(registry, actions, "Order", RegistryValue::ofText("000"));
        const std::string action = subkeyPath(actions, "000");
        WriteRegistryValue(registry, action, "Flags", RegistryValue::ofInteger(0));
        WriteRegistryValue(registry, action, "Type", RegistryValue::ofInteger(kDeleteAction));
    }
    SaveCriteria(registry, rulesKeyPath, plan.rules);
    return {SaveOutcome::Saved, std::string(kRulesSavedMessage)};
}

}  // namespace plevo
