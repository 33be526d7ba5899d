#include <gtest/gtest.h>

#include "rules/RuleModel.h"

namespace plevo {
namespace {

using Names = std::vector<std::string>;

TEST(RuleModel, RuleNamesAreCollectedWholeInTheOrderFirstMet) {
    RuleLists lists;
    lists[0] = {{"New Mail Rule #10", "a"}, {"New Mail Rule #1", "b"}};
    lists[2] = {{"A rule with a name much longer than twenty", "c"}, {"New Mail Rule #1", "d"}};
    lists[3] = {{"new mail rule #1", "e"}};
    EXPECT_EQ(CollectRuleNames(lists),
              (Names{"New Mail Rule #10", "New Mail Rule #1",
                     "A rule with a name much longer than twenty", "new mail rule #1"}));
    EXPECT_EQ(CollectRuleNames(RuleLists{}), Names{});
}

TEST(RuleModel, OfEqualWordsUnderOneRuleOnlyTheLastStays) {
    const struct {
        RuleRows rows;
        RuleRows kept;
    } cases[] = {
        {{{"A", "Cheap"}, {"A", "x"}, {"A", "cheap"}}, {{"A", "x"}, {"A", "cheap"}}},
        {{{"A", "free"}, {"B", "free"}, {"a", "FREE"}},
         {{"A", "free"}, {"B", "free"}, {"a", "FREE"}}},
        {{{"A", "\xc9t\xe9"}, {"A", "\xe9t\xe9"}}, {{"A", "\xc9t\xe9"}, {"A", "\xe9t\xe9"}}},
        {{{"A", "x"}, {"A", "X"}, {"A", "x"}}, {{"A", "x"}}},
        // The first and last letters fold; the signs beside them in the code table do not.
        {{{"A", "Az"}, {"A", "aZ"}}, {{"A", "aZ"}}},
        {{{"A", "@["}, {"A", "`{"}, {"A", "@{"}}, {{"A", "@["}, {"A", "`{"}, {"A", "@{"}}},
    };
    for (const auto& c : cases) {
        RuleLists lists;
        lists[1] = c.rows;
        lists[3] = c.rows;
        RemoveDuplicateWords(lists);
        EXPECT_EQ(lists[1], c.kept);
        EXPECT_EQ(lists[3], c.kept);
    }
}

TEST(RuleModel, EachListKeepsItsCriterionType) {
    EXPECT_EQ(wordListOfType(12), 0u);
    EXPECT_EQ(wordListOfType(10), 1u);
    EXPECT_EQ(wordListOfType(8), 2u);
    EXPECT_EQ(wordListOfType(9), 3u);
    EXPECT_EQ(wordListOfType(3), std::nullopt);
}

}  // namespace
}  // namespace plevo
