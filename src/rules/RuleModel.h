#pragma once
// The rules as the rules window edits them: four word lists (FROM, TO, SUBJECT, MESSAGE), each a
// sequence of rows pairing a rule name with one word. A rule with many words has many rows.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plevo {

// The one action every rule is given: delete the message.
inline constexpr std::uint32_t kDeleteAction = 7;
// The type of a criterion value that holds a word list.
inline constexpr std::uint32_t kWordListValueType = 65;

// A key below another: "path\name".
inline std::string subkeyPath(std::string_view path, std::string_view name) {
    return std::string(path) + "\\" + std::string(name);
}

inline constexpr std::size_t kWordListCount = 4;

// The criterion type each list keeps, in list order: FROM, TO, SUBJECT, MESSAGE.
inline constexpr std::array<std::uint32_t, kWordListCount> kCriterionTypes = {12, 10, 8, 9};
inline constexpr std::array<std::string_view, kWordListCount> kWordListTitles = {
    "[1] FROM", "[2] TO", "[3] SUBJECT", "[4] MESSAGE"};

// The logic applied to every criterion but the last of each rule.
inline constexpr std::uint32_t kLogicOr = 1;
inline constexpr std::uint32_t kLogicAnd = 2;

struct RuleRow {
    std::string rule;
    std::string word;
    bool operator==(const RuleRow&) const = default;
};

using RuleRows = std::vector<RuleRow>;
using RuleLists = std::array<RuleRows, kWordListCount>;

// The list that keeps criteria of this type; none for any other type.
std::optional<std::size_t> wordListOfType(std::uint32_t criterionType);

// The distinct rule names of the four lists, walked from list 1 to list 4, in the order they are
// first met; names are compared exactly and kept whole. Rule r of a save is the r-th name.
std::vector<std::string> CollectRuleNames(const RuleLists& lists);

// In each list, of rows with the same rule name and the same word (ignoring the case of A-Z)
// only the last stays, at its own place.
void RemoveDuplicateWords(RuleLists& lists);

}  // namespace plevo
