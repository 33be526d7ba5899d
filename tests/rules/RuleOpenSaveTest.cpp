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
    std::uint32_t dword(const std::string& rel, const char* name) {
        return ReadRegistryValue(reg, at(rel), name).integer;
    }
    std::string text(const std::string& rel, const char* name) {
        return ReadRegistryValue(reg, rel.empty() ? kRules : at(rel), name).text;
    }
    Names subkeys(const std::string& rel) {
        Names names;
        ReadSubKeys(reg, rel.empty() ? kRules : at(rel), names);
        return names;
    }
    OpenedRules open() {
        return OpenRules(reg, kRules, lists,
                         [this](const std::string& key) { withoutCriteria.push_back(key); });
    }

    SubstituteRegistry reg;
    RuleLists lists;
    Names withoutCriteria;
};

TEST_F(RulesFixture, OpenLeavesEveryRuleWithOneDeleteAction) {
    load(ruleText("000", "Move, flag and delete",
                  {"\"Type\"=dword:0000000c\n\"Logic\"=dword:00000000\n\"Value\"=hex:61,00\n"}) +
         "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\000\\Actions\\000]\n\"Type\"=dword:00000002\n"
         "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\000\\Actions\\001\\Deep]\n"
         "[HKEY_CURRENT_USER\\Id\\Rules\\Mail\\000\\Actions\\002]\n\"Type\"=dword:00000007\n");
    open();
    EXPECT_EQ(subkeys("000\\Actions"), Names{"000"});
    EXPECT_EQ(dword("000\\Actions\\000", "Type"), 7u);
    EXPECT_EQ(dword("000\\Actions\\000", "Flags"), 0u);
    EXPECT_EQ(text("000\\Actions", "Order"), "000");
    EXPECT_EQ(dword("000", "Enabled"), 1u);
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
    const SaveResult result = SaveRules(reg, kRules, lists, kLogicAnd);
    EXPECT_EQ(result.outcome, SaveOutcome::Saved);
    EXPECT_EQ(result.message, "Changes to the Rules have been saved.");

    EXPECT_EQ(subkeys(""), (Names{"000", "001"}));
    EXPECT_EQ(text("", "Order"), "000 001");
    EXPECT_EQ(text("000", "Name"), "A");
    EXPECT_EQ(text("001", "Name"), "B");
    const struct {
        const char* key;
        std::uint32_t type, logic;
        Words words;
    } criteria[] = {{"000\\Criteria\\000", 12, 2, {"cheap", "free"}},
                    {"000\\Criteria\\001", 9, 0, {"offer"}},
                    {"001\\Criteria\\000", 10, 0, {"me"}}};
    for (const auto& c : criteria) {
        EXPECT_EQ(dword(c.key, "Type"), c.type) << c.key;
        EXPECT_EQ(dword(c.key, "Logic"), c.logic) << c.key;
        EXPECT_EQ(dword(c.key, "ValueType"), 65u) << c.key;
        EXPECT_EQ(text(c.key, "Value"), wordListValue(c.words)) << c.key;
    }
    EXPECT_EQ(subkeys("000\\Criteria"), (Names{"000", "001"}));
    EXPECT_EQ(subkeys("001\\Criteria"), Names{"000"});
    EXPECT_EQ(text("000\\Criteria", "Order"), "000 001");
    EXPECT_EQ(text("001\\Criteria", "Order"), "000");
    EXPECT_EQ(dword("001\\Actions\\000", "Type"), 7u);

    RuleLists reopened;
    lists.swap(reopened);
    EXPECT_EQ(open().logic, kLogicAnd);
    EXPECT_EQ(lists, reopened);
}

TEST_F(RulesFixture, SaveOfEmptyListsDeletesEveryRule) {
    load(ruleText("000", "Old", {"\"Type\"=dword:0000000c\n"}) +
         ruleText("001", "Old 2", {"\"Type\"=dword:0000000c\n"}));
    const SaveResult result = SaveRules(reg, kRules, lists, kLogicOr);
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
    const SaveResult result = SaveRules(reg, kRules, lists, kLogicOr);
    EXPECT_EQ(result.outcome, SaveOutcome::Refused);
    EXPECT_NE(result.message.find("[3] SUBJECT"), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("\"Rule B\""), std::string::npos) << result.message;

    lists[2].pop_back();
    for (const char* path : {"", "Id\\Rules\\Missing"}) {
        EXPECT_EQ(SaveRules(reg, path, lists, kLogicOr).outcome, SaveOutcome::Refused) << path;
    }
    EXPECT_EQ(reg.exportText(), before);
}

TEST_F(RulesFixture, ManyRulesAreNumberedInHexadecimalWithNamesKeptWhole) {
    load("");
    for (int r = 1; r <= 17; ++r) {
        lists[0].push_back({"New Mail Rule number " + std::to_string(r), "w"});
    }
    ASSERT_EQ(SaveRules(reg, kRules, lists, kLogicOr).outcome, SaveOutcome::Saved);
    EXPECT_EQ(text("00A", "Name"), "New Mail Rule number 11");
    EXPECT_EQ(text("010", "Name"), "New Mail Rule number 17");
    EXPECT_EQ(subkeys("").size(), 17u);
    EXPECT_EQ(text("", "Order"), orderString(17));
}

}  // namespace
}  // namespace plevo
