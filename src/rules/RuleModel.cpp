#include "rules/RuleModel.h"

#include <algorithm>
#include <set>
#include <utility>

namespace plevo {

std::optional<std::size_t> wordListOfType(std::uint32_t criterionType) {
    const auto found = std::find(kCriterionTypes.begin(), kCriterionTypes.end(), criterionType);
    if (found == kCriterionTypes.end()) return std::nullopt;
    return static_cast<std::size_t>(found - kCriterionTypes.begin());
}

std::vector<std::string> CollectRuleNames(const RuleLists& lists) {
    std::vector<std::string> names;
    for (const RuleRows& rows : lists) {
        for (const RuleRow& row : rows) {
            if (std::find(names.begin(), names.end(), row.rule) == names.end()) {
                names.push_back(row.rule);
            }
        }
    }
    return names;
}

namespace {

// Words match whatever the case of the letters A to Z; other bytes must be equal.
std::string foldAsciiCase(std::string word) {
    for (char& c : word) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return word;
}

}  // namespace

void RemoveDuplicateWords(RuleLists& lists) {
    for (RuleRows& rows : lists) {
        // Walking from the end keeps the last of equal rows.
        std::set<std::pair<std::string, std::string>> seen;
        std::vector<bool> keep(rows.size());
        for (std::size_t i = rows.size(); i-- > 0;) {
            keep[i] = seen.emplace(rows[i].rule, foldAsciiCase(rows[i].word)).second;
        }
        RuleRows kept;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (keep[i]) kept.push_back(std::move(rows[i]));
        }
        rows = std::move(kept);
    }
}

}  // namespace plevo
