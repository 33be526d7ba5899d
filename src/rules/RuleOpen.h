#pragma once
// Opening the mail rules: every rule is rewritten into the simple form the editor keeps (one
// delete action, only the four criterion types) and its words are loaded into the four lists.
// A registry error stops the open where it stands: the rewrites done stay in the registry and
// the lists hold the rows loaded so far.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "registry/RegistryAccess.h"
#include "rules/RuleModel.h"

namespace plevo {

inline constexpr std::string_view kNoCriteriaMessage =
    "ERROR: No Actions for Mail have been Found\n\rDelete all Rules in Outlook, then create a new "
    "Rule";

// The subkey names of the rules key, in enumeration order and whole, so that a key with a
// longer name is still addressed as itself.
std::vector<std::string> ReadRuleKeys(RegistryAccess& registry, std::string_view rulesKeyPath);

// Every rule gets exactly one action, 000: delete the message.
void ResetActions(RegistryAccess& registry, std::string_view rulesKeyPath,
                  const std::vector<std::string>& ruleKeys);

// Criterion types other than the four kept become FROM, and each Criteria "Order" names the
// criterion keys there are. A criterion without "Type" raises RegistryError.
void NormaliseCriteria(RegistryAccess& registry, std::string_view rulesKeyPath,
                       const std::vector<std::string>& ruleKeys);

// Called for each rule without criterion keys, which contributes no rows.
using NoCriteriaReport = std::function<void(const std::string& ruleKey)>;

// Appends the words of every rule to the lists, repairing each criterion on the way (a value
// that is no word list becomes "new"; Logic 1 between criteria, 0 on the last). Gives the logic
// the first criterion of the first rule carried (AND for 2, OR otherwise), none when that rule
// has no criteria. That criterion without "Logic", or any without "Type", raises RegistryError.
std::optional<std::uint32_t> LoadRuleWords(RegistryAccess& registry, std::string_view rulesKeyPath,
                                           const std::vector<std::string>& ruleKeys,
                                           RuleLists& lists, const NoCriteriaReport& noCriteria);

struct OpenedRules {
    std::vector<std::string> ruleKeys;
    std::optional<std::uint32_t> logic;
};

// The whole open after the user agreed: empties the lists, reads the rule keys, resets the
// actions, normalises the criteria, loads the words and removes duplicate words.
OpenedRules OpenRules(RegistryAccess& registry, std::string_view rulesKeyPath, RuleLists& lists,
                      const NoCriteriaReport& noCriteria);

}  // namespace plevo
