#include <gtest/gtest.h>

#include "registry/KeyNames.h"
#include "registry/SubstituteRegistry.h"
#include "rules/RegistryProceduresUnit.h"
#include "rules/RuleOpen.h"
#include "rules/RuleSave.h"
#include "rules/WordListValue.h"

namespace plevo {
namespace {

using Names = std::vector<std::string>;
using Words = std::vector<std::string>;

constexpr const char* kRules = "Id\\Rules\\Mail";

// A rule key in registry export text, with criteria given as (type, logic, value bytes).
std::string ruleText(const std::string& key, const std::string& name,
                     const std::vector<std::string>& criteria) {
    std::string text = "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\" + key + "]\n\"Name\"=\"" + name +
                       "\"\n[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\" + key +
                       "\\Actions\\000]\n\"Type\"=dword:00000007\n";
    for (std::size_t i = 0; i < criteria.size(); ++i) {
        text += "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\" + key + "\\Criteria\\" + keyName(i) +
                "]\n" + criteria[i];
    }
    return text;
}

class RulesFixture : public testing::Test {
protected:
    void load(const std::string& rules) {
        reg.import("REGEDIT4\n[HKEY_CURRENT_USER\\Id\\Rules\\Mail]\n\"Order\"=\"000\"\n" + rules);
    }
    std::string at(const std::string& rel) { return std::string(kRules) + "\\" + rel; }
    // None unless the value is a DWORD.
    std::optional<std::uint32_t> dword(const std::string& rel, const char* name) {
        const RegistryValue v = ReadRegistryValue(reg, at(rel), name);
        return v.kind == RegValueKind::Integer ? std::optional(v.integer) : std::nullopt;
    }
    std::string text(const std::string& rel, const char* name) {
        return ReadRegistryValue(reg, rel.empty() ? kRules : at(rel), name).text;
    }
    Names subkeys(const std::string& rel) {
        Names names;
        ReadSubKeys(reg, rel.empty() ? kRules : at(rel), names);
        return names;
    }
    struct Criterion {
        std::uint32_t type;
        std::uint32_t logic;
        Words words;
    };
    // Every value of a rule in the simple form: its name, "Enabled" and "Version" 1, the one
    // delete action, and its criteria in order, each with "Flags" 0 and its words.
    void expectSimpleRule(const std::string& key, const std::string& name,
                          const std::vector<Criterion>& criteria) {
        SCOPED_TRACE("rule " + key);
        EXPECT_EQ(text(key, "Name"), name);
        EXPECT_EQ(dword(key, "Enabled"), 1u);
        EXPECT_EQ(dword(key, "Version"), 1u);
        EXPECT_EQ(subkeys(key + "\\Actions"), Names{"000"});
        EXPECT_EQ(text(key + "\\Actions", "Order"), "000");
        EXPECT_EQ(dword(key + "\\Actions\\000", "Type"), 7u);
        EXPECT_EQ(dword(key + "\\Actions\\000", "Flags"), 0u);
        Names names;
        for (std::size_t m = 0; m < criteria.size(); ++m) names.push_back(keyName(m));
        EXPECT_EQ(subkeys(key + "\\Criteria"), names);
        EXPECT_EQ(text(key + "\\Criteria", "Order"), orderString(criteria.size()));
        for (std::size_t m = 0; m < criteria.size(); ++m) {
            const std::string c = key + "\\Criteria\\" + names[m];
            EXPECT_EQ(dword(c, "Type"), criteria[m].type) << c;
            EXPECT_EQ(dword(c, "Logic"), criteria[m].logic) << c;
            EXPECT_EQ(dword(c, "Flags"), 0u) << c;
            EXPECT_EQ(dword(c, "ValueType"), 65u) << c;
            EXPECT_EQ(text(c, "Value"), wordListValue(criteria[m].words)) << c;
        }
    }
    // A save over the rule keys there are, as an open would have read them.
    SaveResult save(std::uint32_t logic, std::string_view rulesKey = kRules) {
        return SaveRules(reg, rulesKey, lists, logic, ReadRuleKeys(reg, kRules));
    }
    OpenedRules open() {
        return OpenRules(reg, kRules, lists,
                         [this](const std::string& key) { withoutCriteria.push_back(key); });
    }

    SubstituteRegistry reg;
    RuleLists lists;
    Names withoutCriteria;
};

TEST_F(RulesFixture, OpenLeavesEveryRuleInTheSimpleFormWithOneDeleteAction) {
    // Values the simple form does not have: a rule switched off, other versions and flags.
    const std::string odd = "\"Flags\"=dword:00000005\n\"ValueType\"=dword:00000000\n";
    load(
        ruleText("000", "Move, flag and delete",
                 {"\"Type\"=dword:0000000c\n\"Logic\"=dword:00000000\n\"Value\"=hex:61,00,00,00\n" +
                  odd}) +
        "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\000]\n\"Enabled\"=dword:00000000\n"
        "\"Version\"=dword:00000003\n"
        "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\000\\Actions]\n\"Order\"=\"001 000 002\"\n"
        "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\000\\Actions\\000]\n\"Type\"=dword:00000002\n"
        "\"Flags\"=dword:00000001\n"
        "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\000\\Actions\\001\\Deep]\n"
        "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\000\\Actions\\002]\n\"Type\"=dword:00000007\n" +
        ruleText(
            "001", "Two criteria",
            {"\"Type\"=dword:00000008\n\"Logic\"=dword:00000002\n\"Value\"=hex:62,00,00,00\n" + odd,
             "\"Type\"=dword:00000009\n\"Logic\"=dword:00000002\n\"Value\"=hex:63,00,00,00\n"}) +
        "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\001]\n\"Enabled\"=dword:00000000\n");
    open();
    expectSimpleRule("000", "Move, flag and delete", {{12, 0, {"a"}}});
    expectSimpleRule("001", "Two criteria", {{8, 1, {"b"}}, {9, 0, {"c"}}});
    EXPECT_EQ(lists[0], (RuleRows{{"Move, flag and delete", "a"}}));
}

TEST_F(RulesFixture, OpenTurnsOtherCriteriaIntoFromAndRepairsValues) {
    load(ruleText("000", "Attachments",
                  {"\"Type\"=dword:00000003\n\"Logic\"=dword:00000001\n\"Value\"=hex:67,69,66,74\n",
                   "\"Type\"=dword:00000008\n\"Value\"=\"no word list\"\n"}));
    open();
    EXPECT_EQ(dword("000\\Criteria\\000", "Type"), 12u);
    EXPECT_EQ(lists[0], (RuleRows{{"Attachments", "gift"}}));
    EXPECT_EQ(lists[2], (RuleRows{{"Attachments", "new"}}));
    EXPECT_EQ(text("000\\Criteria\\001", "Value"), wordListValue({"new"}));
    EXPECT_EQ(dword("000\\Criteria\\001", "ValueType"), 65u);
    EXPECT_EQ(text("000\\Criteria", "Order"), "000 001");
}

TEST_F(RulesFixture, LogicOfTheFirstCriterionIsShownAndTheRuleRewritten) {
    load(ruleText("000", "R",
                  {"\"Type\"=dword:0000000c\n\"Logic\"=dword:00000002\n\"Value\"=hex:61,00\n",
                   "\"Type\"=dword:00000008\n\"Logic\"=dword:00000002\n\"Value\"=hex:62,00\n"}));
    EXPECT_EQ(open().logic, kLogicAnd);
    EXPECT_EQ(dword("000\\Criteria\\000", "Logic"), 1u);
    EXPECT_EQ(dword("000\\Criteria\\001", "Logic"), 0u);

    WriteRegistryValue(reg, at("000\\Criteria\\000"), "Logic", RegistryValue::ofInteger(0));
    EXPECT_EQ(open().logic, kLogicOr);
}

TEST_F(RulesFixture, OpenKeepsTheLastOfEqualWordsAndReportsRulesWithoutCriteria) {
    load(ruleText("000", "A rule named beyond twenty characters",
                  {"\"Type\"=dword:0000000c\n\"Logic\"=dword:00000000\n"
                   "\"Value\"=hex:46,72,65,65,00,78,00,66,72,65,65,00,00,00\n"}) +
         ruleText("0001", "Long key", {"\"Type\"=dword:00000009\n\"Value\"=hex:79\n"}) +
         ruleText("001", "Empty", {}));
    const OpenedRules opened = open();
    EXPECT_EQ(opened.ruleKeys, (Names{"000", "0001", "001"}));
    EXPECT_EQ(lists[0], (RuleRows{{"A rule named beyond twenty characters", "x"},
                                  {"A rule named beyond twenty characters", "free"}}));
    EXPECT_EQ(lists[3], (RuleRows{{"Long key", "y"}}));
    EXPECT_EQ(withoutCriteria, Names{"001"});
    EXPECT_EQ(dword("0001", "Enabled"), 1u);
}

TEST_F(RulesFixture, OpenStopsAtACriterionWithoutType) {
    load(ruleText("000", "A", {"\"Logic\"=dword:00000000\n\"Value\"=hex:61\n"}) +
         "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\000\\Actions\\001]\n");
    lists[1] = {{"old", "row"}};
    EXPECT_THROW(open(), RegistryError);
    EXPECT_EQ(subkeys("000\\Actions"), Names{"000"});  // the actions were reset before
    EXPECT_EQ(lists, RuleLists{});
}

TEST_F(RulesFixture, SaveWritesOneCriterionPerListHoldingWordsForTheRule) {
    load(ruleText("000", "Old", {"\"Type\"=dword:0000000c\n"}) +
         ruleText("001", "Old 2", {"\"Type\"=dword:0000000c\n", "\"Type\"=dword:00000009\n"}) +
         ruleText("002", "Old 3", {"\"Type\"=dword:0000000c\n"}));
    lists[0] = {{"A", "cheap"}, {"A", "free"}};
    lists[1] = {{"B", "me"}};
    lists[3] = {{"A", "offer"}};
    const SaveResult result = save(kLogicAnd);
    EXPECT_EQ(result.outcome, SaveOutcome::Saved);
    EXPECT_EQ(result.message, "Changes to the Rules have been saved.");

    EXPECT_EQ(subkeys(""), (Names{"000", "001"}));
    EXPECT_EQ(text("", "Order"), "000 001");
    expectSimpleRule("000", "A", {{12, 2, {"cheap", "free"}}, {9, 0, {"offer"}}});
    expectSimpleRule("001", "B", {{10, 0, {"me"}}});

    RuleLists reopened;
    lists.swap(reopened);
    EXPECT_EQ(open().logic, kLogicAnd);
    EXPECT_EQ(lists, reopened);
}

TEST_F(RulesFixture, SaveDeletesTheRuleKeysTheOpenReadByTheirNames) {
    for (const char* second : {"002", "0001"}) {
        SCOPED_TRACE(second);
        reg.deleteKey("Id");
        load(ruleText("000", "A", {"\"Type\"=dword:0000000c\n\"Logic\"=dword:00000000\n"}) +
             ruleText(second, "B", {"\"Type\"=dword:00000008\n\"Value\"=hex:62,31,00,62,32\n"}));
        const OpenedRules opened = open();
        ASSERT_EQ(lists[2], (RuleRows{{"B", "b1"}, {"B", "b2"}}));
        lists[2].pop_back();
        ASSERT_EQ(SaveRules(reg, kRules, lists, kLogicOr, opened.ruleKeys).outcome,
                  SaveOutcome::Saved);
        EXPECT_EQ(subkeys(""), (Names{"000", "001"}));
        const RuleLists saved = lists;
        open();
        EXPECT_EQ(lists, saved);  // the deleted word stays deleted
    }
}

TEST_F(RulesFixture, SaveOfEmptyListsDeletesEveryRule) {
    load(ruleText("000", "Old", {"\"Type\"=dword:0000000c\n"}) +
         ruleText("001", "Old 2", {"\"Type\"=dword:0000000c\n"}));
    const SaveResult result = save(kLogicOr);
    EXPECT_EQ(result.outcome, SaveOutcome::NoRules);
    EXPECT_EQ(result.message, "No Rules have been saved");
    EXPECT_EQ(subkeys(""), Names{});
    EXPECT_EQ(text("", "Order"), "");
}

TEST_F(RulesFixture, SaveWithAnEmptyWordOrWithoutRulesKeyWritesNothing) {
    load(ruleText("000", "Old", {"\"Type\"=dword:0000000c\n"}));
    const std::string before = reg.exportText();
    lists[0] = {{"A", "cheap"}};
    lists[2] = {{"A", "x"}, {"Rule B", ""}};
    const SaveResult result = save(kLogicOr);
    EXPECT_EQ(result.outcome, SaveOutcome::Refused);
    EXPECT_NE(result.message.find("[3] SUBJECT"), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("\"Rule B\""), std::string::npos) << result.message;

    lists[2].pop_back();
    for (const char* path : {"", "Id\\Rules\\Missing"}) {
        EXPECT_EQ(save(kLogicOr, path).outcome, SaveOutcome::Refused) << path;
    }
    EXPECT_EQ(reg.exportText(), before);
}

TEST_F(RulesFixture, ManyRulesAreNumberedInHexadecimalWithNamesKeptWhole) {
    load("");
    for (int r = 1; r <= 17; ++r) {
        lists[0].push_back({"New Mail Rule number " + std::to_string(r), "w"});
    }
    ASSERT_EQ(save(kLogicOr).outcome, SaveOutcome::Saved);
    EXPECT_EQ(text("00A", "Name"), "New Mail Rule number 11");
    EXPECT_EQ(subkeys("").size(), 17u);
    for (std::size_t r = 0; r < 17; ++r)
        expectSimpleRule(keyName(r), lists[0][r].rule, {{12, 0, {"w"}}});
    EXPECT_EQ(text("", "Order"), orderString(17));
}

}  // namespace
}  // namespace plevo
