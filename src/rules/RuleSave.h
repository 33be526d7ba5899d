#pragma once
// Saving the four word lists back as mail rules: rule r is the r-th distinct rule name, with one
// criterion per list that holds words for it, in the order FROM, TO, SUBJECT, MESSAGE. Everything
// the save writes is worked out and checked before the first key is deleted.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "registry/RegistryAccess.h"
#include "rules/RuleModel.h"

namespace plevo {

inline constexpr std::string_view kNoRulesSavedMessage = "No Rules have been saved";
inline constexpr std::string_view kRulesSavedMessage = "Changes to the Rules have been saved.";

struct SavedCriterion {
    std::uint32_t type = 0;
    std::uint32_t logic = 0;  // the chosen logic; 0 on the rule's last criterion
    std::vector<std::string> words;
};

struct SavedRule {
    std::string name;
    std::vector<SavedCriterion> criteria;
};

// What a save of these lists writes, or why it must not run: an empty word, which the stored
// word list cannot hold, refuses the save with a message naming the list and the rule.
struct SavePlan {
    std::vector<SavedRule> rules;
    std::string refusal;
};

SavePlan planSave(const RuleLists& lists, std::uint32_t logic);

enum class SaveOutcome { Saved, NoRules, Refused };

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Refused;
    std::string message;  // the text to show the user
};

// Refused: nothing was written. Otherwise the rule keys `storedKeys` (those the lists were read
// from, by their names) and the keys 000 .. this save writes were deleted, and the rules of the
// lists written; NoRules when the lists hold none. Rule keys of other names stay. A registry error
// raises RegistryError and leaves what was deleted and written so far.
SaveResult SaveRules(RegistryAccess& registry, std::string_view rulesKeyPath,
                     const RuleLists& lists, std::uint32_t logic,
                     const std::vector<std::string>& storedKeys);

// The criteria of planned rules, rule r under the key named by r.
void SaveCriteria(RegistryAccess& registry, std::string_view rulesKeyPath,
                  const std::vector<SavedRule>& rules);

}  // namespace plevo
