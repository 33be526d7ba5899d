#include <gtest/gtest.h>

#include "rules/WordListValue.h"

namespace plevo {
namespace {

using Words = std::vector<std::string>;
using namespace std::string_literals;

TEST(WordListValue, WordsAreJoinedByOneZeroAndEndWithThree) {
    const std::string value = wordListValue({"cheap", "free"});
    EXPECT_EQ(value.size(), 13u);
    EXPECT_EQ(value, "cheap\0free\0\0\0"s);
    EXPECT_EQ(wordListValue({"new"}), "new\0\0\0"s);
    EXPECT_EQ(wordsOfValue(value), (Words{"cheap", "free"}));
}

TEST(WordListValue, ReadingSplitsAtEveryZeroAndDropsEmptyItems) {
    const struct {
        std::string bytes;
        Words words;
    } cases[] = {
        {"a\0b"s, {"a", "b"}}, {"\0\0\0"s, {}}, {""s, {}}, {"\0a\0\0b\0\0\0\0"s, {"a", "b"}},
        {"one"s, {"one"}},
    };
    for (const auto& c : cases) EXPECT_EQ(wordsOfValue(c.bytes), c.words) << c.bytes.size();
}

TEST(WordListValue, RuleTextSplitsAtLineBreaksOnly) {
    EXPECT_EQ(wordsOfRuleText("a b\r\n\r\nc\r\n"), (Words{"a b", "c"}));
    EXPECT_EQ(wordsOfRuleText("\r\n\r\n"), Words{});
}

}  // namespace
}  // namespace plevo
