#include "rules/RuleOpen.h"

#include "registry/KeyNames.h"
#include "rules/RegistryProceduresUnit.h"
#include "rules/WordListValue.h"

namespace plevo {

namespace {

// A listing always starts empty, so a missing key has no subkeys.
std::vector<std::string> subkeysOf(RegistryAccess& registry, std::string_view path) {
    std::vector<std::string> names;
    ReadSubKeys(registry, path, names);
    return names;
}

}  // namespace

std::vector<std::string> ReadRuleKeys(RegistryAccess& registry, std::string_view rulesKeyPath) {
    return subkeysOf(registry, rulesKeyPath);
}

void ResetActions(RegistryAccess& registry, std::string_view rulesKeyPath,
                  const std::vector<std::string>& ruleKeys) {
    for (const std::string& ruleKey : ruleKeys) {
        const std::string actions = subkeyPath(subkeyPath(rulesKeyPath, ruleKey), "Actions");
        for (const std::string& action : subkeysOf(registry, actions)) {
            DeleteKeyIfExists(registry, subkeyPath(actions, action));
        }
        const std::string first = subkeyPath(actions, "000");
        WriteRegistryValue(registry, first, "Flags", RegistryValue::ofInteger(0));
        WriteRegistryValue(registry, first, "Type", RegistryValue::ofInteger(kDeleteAction));
        WriteRegistryValue(registry, actions, "Order", RegistryValue::ofText("000"));
    }
}

void NormaliseCriteria(RegistryAccess& registry, std::string_view rulesKeyPath,
                       const std::vector<std::string>& ruleKeys) {
    for (const std::string& ruleKey : ruleKeys) {
        const std::string criteria = subkeyPath(subkeyPath(rulesKeyPath, ruleKey), "Criteria");
        for (const std::string& criterion : subkeysOf(registry, criteria)) {
            const std::string path = subkeyPath(criteria, criterion);
            const RegistryValue type = ReadRegistryValue(registry, path, "Type");
            if (type.kind != RegValueKind::Integer || !wordListOfType(type.integer)) {
                WriteRegistryValue(registry, path, "Type",
                                   RegistryValue::ofInteger(kCriterionTypes[0]));
            }
        }
        // The order names the keys there are, whatever they are called.
        const std::vector<std::string> names = subkeysOf(registry, criteria);
        if (!names.empty()) {
            WriteRegistryValue(registry, criteria, "Order",
                               RegistryValue::ofText(joinOrder(names)));
        }
    }
}

std::optional<std::uint32_t> LoadRuleWords(RegistryAccess& registry, std::string_view rulesKeyPath,
                                           const std::vector<std::string>& ruleKeys,
                                           RuleLists& lists, const NoCriteriaReport& noCriteria) {
    std::optional<std::uint32_t> logic;
    for (std::size_t i = 0; i < ruleKeys.size(); ++i) {
        const std::string rule = subkeyPath(rulesKeyPath, ruleKeys[i]);
        WriteRegistryValue(registry, rule, "Version", RegistryValue::ofInteger(1));
        WriteRegistryValue(registry, rule, "Enabled", RegistryValue::ofInteger(1));

        const std::string criteria = subkeyPath(rule, "Criteria");
        std::vector<std::string> criterionKeys;
        if (!ReadSubKeysChecked(registry, criteria, criterionKeys)) {
            if (noCriteria) noCriteria(ruleKeys[i]);
            continue;
        }
        for (std::size_t j = 0; j < criterionKeys.size(); ++j) {
            const std::string path = subkeyPath(criteria, criterionKeys[j]);
            if (GetValueKind(registry, path, "Value") != RegValueKind::Binary) {
                WriteRegistryValue(registry, path, "Value",
                                   RegistryValue::ofBytes(wordListValue({"new"})));
            }
            const std::vector<std::string> words =
                wordsOfRuleText(ReadRuleText(registry, path, "Value"));
            WriteRegistryValue(registry, path, "ValueType",
                               RegistryValue::ofInteger(kWordListValueType));
            WriteRegistryValue(registry, path, "Flags", RegistryValue::ofInteger(0));
            if (i == 0 && j == 0) {
                const RegistryValue first = ReadRegistryValue(registry, path, "Logic");
                const bool isAnd =
                    first.kind == RegValueKind::Integer && first.integer == kLogicAnd;
                logic = isAnd ? kLogicAnd : kLogicOr;
            }
            const bool last = j + 1 == criterionKeys.size();
            WriteRegistryValue(registry, path, "Logic", RegistryValue::ofInteger(last ? 0 : 1));

            const RegistryValue type = ReadRegistryValue(registry, path, "Type");
            const std::string name = ReadRuleText(registry, rule, "Name");
            const auto list =
                type.kind == RegValueKind::Integer ? wordListOfType(type.integer) : std::nullopt;
            if (!list) continue;
            for (const std::string& word : words) lists[*list].push_back({name, word});
        }
    }
    return logic;
}

OpenedRules OpenRules(RegistryAccess& registry, std::string_view rulesKeyPath, RuleLists& lists,
                      const NoCriteriaReport& noCriteria) {
    for (RuleRows& rows : lists) rows.clear();
    OpenedRules opened;
    opened.ruleKeys = ReadRuleKeys(registry, rulesKeyPath);
    ResetActions(registry, rulesKeyPath, opened.ruleKeys);
    NormaliseCriteria(registry, rulesKeyPath, opened.ruleKeys);
    opened.logic = LoadRuleWords(registry, rulesKeyPath, opened.ruleKeys, lists, noCriteria);
    RemoveDuplicateWords(lists);
    return opened;
}

}  // namespace plevo
