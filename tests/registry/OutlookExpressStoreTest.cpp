#include <gtest/gtest.h>

#include <algorithm>

#include "registry/KeyNames.h"
#include "registry/OutlookExpressStore.h"
#include "registry/SubstituteRegistry.h"

namespace plevo {
namespace {

constexpr std::string_view kCriteria = "Identities\\{ID}\\Criteria";

TEST(KeyNames, HexNamesOfAtLeastThreeDigitsAndOrderStrings) {
    EXPECT_EQ(keyName(0), "000");
    EXPECT_EQ(keyName(9), "009");
    EXPECT_EQ(keyName(10), "00A");
    EXPECT_EQ(keyName(16), "010");
    EXPECT_EQ(keyName(4095), "FFF");
    EXPECT_EQ(keyName(4096), "1000");
    EXPECT_EQ(keyName(0x12345), "12345");
    EXPECT_EQ(orderString(0), "");
    EXPECT_EQ(orderString(1), "000");
    EXPECT_EQ(orderString(3), "000 001 002");
    EXPECT_EQ(orderString(12).substr(36), "009 00A 00B");
    EXPECT_EQ(joinOrder({"00B", "x"}), "00B x");
}

TEST(OutlookExpressPaths, AreBuiltFromTheIdentityKey) {
    const std::string identity = identityKeyPath("{ABC}");
    EXPECT_EQ(identity, "Identities\\{ABC}");
    EXPECT_EQ(blockSendersPath(identity),
              "Identities\\{ABC}\\Software\\Microsoft\\Outlook Express\\5.0\\Block Senders");
    EXPECT_EQ(criteriaPath(blockListPath(identity, BlockList::News)),
              "Identities\\{ABC}\\Software\\Microsoft\\Outlook Express\\5.0\\Block "
              "Senders\\News\\Criteria");
    EXPECT_EQ(blockListPath(identity, BlockList::Mail).substr(identity.size()),
              "\\Software\\Microsoft\\Outlook Express\\5.0\\Block Senders\\Mail");
    EXPECT_EQ(rulesMailPath(identity),
              "Identities\\{ABC}\\Software\\Microsoft\\Outlook Express\\5.0\\Rules\\Mail");
}

TEST(OutlookExpressIdentities, OnlySubkeysWithABraceCount) {
    SubstituteRegistry reg;
    EXPECT_EQ(findIdentities(reg), std::nullopt);
    ASSERT_TRUE(reg.openKey("Identities\\Plain", true));
    ASSERT_TRUE(reg.openKey("Identities\\Other", true));
    const auto none = findIdentities(reg);
    ASSERT_TRUE(none.has_value());
    EXPECT_TRUE(none->empty());

    ASSERT_TRUE(reg.openKey("Identities\\{B-2}", true));
    reg.writeString("Username", "Second");
    ASSERT_TRUE(reg.openKey("Identities\\x{A-1}", true));  // no user name
    const auto found = findIdentities(reg);
    ASSERT_TRUE(found.has_value());
    ASSERT_EQ(found->size(), 2u);
    EXPECT_EQ((*found)[0].keyName, "x{A-1}");  // enumeration order: "X" before "{"
    EXPECT_EQ((*found)[0].userName, "");
    EXPECT_EQ((*found)[1].keyPath, "Identities\\{B-2}");
    EXPECT_EQ((*found)[1].userName, "Second");

    ASSERT_TRUE(reg.openKey("Identities\\{B-2}", false));
    reg.writeDword("Username", 5);
    EXPECT_THROW(findIdentities(reg), RegistryError);
    EXPECT_TRUE(reg.subkeyNames().empty());  // no key left open
}

TEST(OutlookExpressLists, EntriesReadByPositionWithMissingValuesEmpty) {
    SubstituteRegistry reg;
    EXPECT_TRUE(readListEntries(reg, kCriteria).empty());
    for (const auto& [name, value] : std::vector<std::pair<std::string, std::string>>{
             {"002", "c@x.example"}, {"zz", "last"}, {"000", "a@x.example"}, {"001", ""}}) {
        ASSERT_TRUE(reg.openKey(std::string(kCriteria) + "\\" + name, true));
        if (!value.empty()) reg.writeString("Value", value);
    }
    EXPECT_EQ(readListEntries(reg, kCriteria),
              (std::vector<std::string>{"a@x.example", "", "c@x.example", "last"}));
    EXPECT_TRUE(hasSubkeyNamedExactly(reg, "Identities\\{ID}", "Criteria"));
    EXPECT_FALSE(hasSubkeyNamedExactly(reg, "Identities\\{ID}", "criteria"));
    EXPECT_FALSE(hasSubkeyNamedExactly(reg, "Identities\\Missing", "Criteria"));
}

// A Criteria key with entry keys of the given names, each holding "old <name>".
SubstituteRegistry withEntries(const std::vector<std::string>& names) {
    SubstituteRegistry reg;
    EXPECT_TRUE(reg.openKey(kCriteria, true));
    reg.writeString("Order", "untouched");
    for (const auto& name : names) {
        EXPECT_TRUE(reg.openKey(std::string(kCriteria) + "\\" + name, true));
        reg.writeString("Value", "old " + name);
        reg.writeDword("Flags", 9);
    }
    reg.closeKey();
    return reg;
}

std::vector<std::string> lines(std::size_t n) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < n; ++i) out.push_back("line" + std::to_string(i));
    return out;
}

std::string order(SubstituteRegistry& reg) {
    EXPECT_TRUE(reg.openKey(kCriteria, false));
    return reg.readString("Order");
}

std::vector<std::string> entryNames(SubstituteRegistry& reg) {
    EXPECT_TRUE(reg.openKey(kCriteria, false));
    return reg.subkeyNames();
}

TEST(OutlookExpressSave, MoreLinesThanKeysCreatesNumberedKeysWithTheirValuesInOrder) {
    auto reg = withEntries({"000", "001", "002"});
    const auto result = writeListEntries(reg, kCriteria, lines(5));
    EXPECT_EQ(result.rewritten, 3u);
    EXPECT_EQ(result.created, 2u);
    EXPECT_TRUE(result.orderWritten);
    EXPECT_EQ(order(reg), "000 001 002 003 004");
    EXPECT_EQ(readListEntries(reg, kCriteria), lines(5));
    // An existing key only gets a new "Value".
    ASSERT_TRUE(reg.openKey(std::string(kCriteria) + "\\001", false));
    EXPECT_EQ(reg.readDword("Flags"), 9u);
    EXPECT_EQ(reg.valueType("Logic"), RegDataType::None);

    ASSERT_TRUE(reg.openKey(std::string(kCriteria) + "\\004", false));
    EXPECT_EQ(reg.readDword("Flags"), 0u);
    EXPECT_EQ(reg.readDword("Logic"), 1u);
    EXPECT_EQ(reg.readDword("Type"), 23u);
    EXPECT_EQ(reg.readString("Value"), "line4");
    EXPECT_EQ(reg.readDword("ValueType"), 30u);
    const RegKey* key = findKey(reg.root(), std::string(kCriteria) + "\\004");
    ASSERT_NE(key, nullptr);
    std::vector<std::string> valueOrder;
    for (const auto& v : key->values()) valueOrder.push_back(v.name);
    EXPECT_EQ(valueOrder,
              (std::vector<std::string>{"Flags", "Logic", "Type", "Value", "ValueType"}));
}

TEST(OutlookExpressSave, FewerLinesDeletesTheKeysBeyondAndSameCountLeavesOrder) {
    auto reg = withEntries({"000", "001", "002", "003", "004"});
    ASSERT_TRUE(reg.openKey(std::string(kCriteria) + "\\003\\Sub", true));
    const auto shorter = writeListEntries(reg, kCriteria, lines(2));
    EXPECT_EQ(shorter.deleted, 3u);
    EXPECT_EQ(entryNames(reg), (std::vector<std::string>{"000", "001"}));
    EXPECT_EQ(order(reg), "000 001");
    EXPECT_EQ(readListEntries(reg, kCriteria), lines(2));

    const auto same = writeListEntries(reg, kCriteria, {"x", "y"});
    EXPECT_FALSE(same.orderWritten);
    EXPECT_EQ(same.created + same.deleted, 0u);
    EXPECT_EQ(order(reg), "000 001");
    EXPECT_EQ(readListEntries(reg, kCriteria), (std::vector<std::string>{"x", "y"}));

    const auto none = writeListEntries(reg, kCriteria, {});
    EXPECT_EQ(none.deleted, 2u);
    EXPECT_TRUE(entryNames(reg).empty());
    EXPECT_EQ(order(reg), "");
}

TEST(OutlookExpressSave, TwelveLinesIntoAnEmptyListAndAVanishedList) {
    auto reg = withEntries({});
    writeListEntries(reg, kCriteria, lines(12));
    EXPECT_EQ(order(reg), "000 001 002 003 004 005 006 007 008 009 00A 00B");
    EXPECT_EQ(entryNames(reg).back(), "00B");
    EXPECT_EQ(readListEntries(reg, kCriteria), lines(12));

    EXPECT_TRUE(writeListEntries(reg, "Identities\\Gone\\Criteria", lines(2)).skipped);
    EXPECT_TRUE(writeListEntries(reg, "", lines(2)).skipped);
    EXPECT_FALSE(reg.keyExists("Identities\\Gone"));
}

TEST(OutlookExpressSave, KeysOfAnotherNumberingAreNeverOverwritten) {
    // Two keys named as if by position 3 and 4: new keys must not land on them.
    auto reg = withEntries({"003", "004"});
    const auto result = writeListEntries(reg, kCriteria, lines(5));
    EXPECT_EQ(result.created, 3u);
    EXPECT_EQ(readListEntries(reg, kCriteria), lines(5));
    EXPECT_EQ(entryNames(reg), (std::vector<std::string>{"003", "004", "005", "006", "007"}));
    EXPECT_EQ(order(reg), "003 004 005 006 007");

    auto lower = withEntries({"00a", "ZZ"});  // "00A" is taken whatever its case
    writeListEntries(lower, kCriteria, std::vector<std::string>(12, "e"));
    const auto names = entryNames(lower);
    EXPECT_EQ(names.size(), 12u);
    EXPECT_EQ(order(lower), "00a ZZ 002 003 004 005 006 007 008 009 00B 00C");

    auto fewer = withEntries({"A", "B", "C"});
    writeListEntries(fewer, kCriteria, {"one"});
    EXPECT_EQ(order(fewer), "A");
    EXPECT_EQ(readListEntries(fewer, kCriteria), std::vector<std::string>{"one"});
}

TEST(OutlookExpressLists, NumberedKeysGoByTheirNumberOtherNamesAsEnumerated) {
    using Names = std::vector<std::string>;
    // The registry enumerates "1000" between "100" and "101".
    EXPECT_EQ(entryKeysInListOrder({"0FF", "100", "1000", "1001", "101", "FFF"}),
              (Names{"0FF", "100", "101", "FFF", "1000", "1001"}));
    EXPECT_EQ(entryKeysInListOrder({"00a", "00B", "0a", "A"}), (Names{"00a", "0a", "A", "00B"}));
    EXPECT_EQ(entryKeysInListOrder({"100", "1000", "101", "G"}),
              (Names{"100", "1000", "101", "G"}));
}

// Splits "Order" at its blanks.
std::vector<std::string> orderNames(SubstituteRegistry& reg) {
    std::vector<std::string> names;
    const std::string text = order(reg);
    for (std::size_t at = 0; at <= text.size() && !text.empty();) {
        const std::size_t blank = std::min(text.find(' ', at), text.size());
        names.push_back(text.substr(at, blank - at));
        at = blank + 1;
    }
    return names;
}

TEST(OutlookExpressSave, ListsOfFourDigitKeysReadBackAsSavedWithOrderNamingEveryKey) {
    struct Case {
        std::size_t existing;  // entry keys 000 .. existing-1 before the saves
        std::vector<std::size_t> saves;
    };
    // Longer lists create keys; a shorter one after them deletes the keys beyond it.
    for (const Case& c : {Case{0, {4200, 4100}}, Case{0x100, {4200, 4100}}, Case{0, {70000}},
                          Case{0x100, {70000}}}) {
        SCOPED_TRACE(std::to_string(c.existing) + " keys, " + std::to_string(c.saves[0]) +
                     " lines");
        std::vector<std::string> existing;
        for (std::size_t k = 0; k < c.existing; ++k) existing.push_back(keyName(k));
        auto reg = withEntries(existing);
        for (const std::size_t n : c.saves) {
            const std::vector<std::string> saved = lines(n);
            writeListEntries(reg, kCriteria, saved);
            ASSERT_EQ(readListEntries(reg, kCriteria), saved);
            // "Order" names every entry key once, in the order of the lines they hold.
            const std::vector<std::string> named = orderNames(reg);
            ASSERT_EQ(named.size(), n);
            EXPECT_EQ(named[n - 1], keyName(n - 1));
            std::vector<std::string> sortedNamed = named;
            std::vector<std::string> keys = entryNames(reg);
            std::sort(sortedNamed.begin(), sortedNamed.end());
            std::sort(keys.begin(), keys.end());
            ASSERT_EQ(sortedNamed, keys);
            for (std::size_t k = 0; k < n; k += 97) {
                ASSERT_TRUE(reg.openKey(std::string(kCriteria) + "\\" + named[k], false));
                EXPECT_EQ(reg.readString("Value"), saved[k]) << named[k];
            }
        }
    }
}

TEST(OutlookExpressSave, AnEntryKeyThatVanishedEndsTheSaveWithTheRegistryError) {
    // A registry whose entry key disappears between enumeration and write.
    class Vanishing : public SubstituteRegistry {
    public:
        bool openKey(std::string_view path, bool create) override {
            if (path.ends_with("\\001") && !create) SubstituteRegistry::deleteKey(path);
            return SubstituteRegistry::openKey(path, create);
        }
    };
    Vanishing reg;
    ASSERT_TRUE(reg.openKey(std::string(kCriteria) + "\\000", true));
    ASSERT_TRUE(reg.openKey(std::string(kCriteria) + "\\001", true));
    try {
        writeListEntries(reg, kCriteria, lines(3));
        FAIL() << "no error";
    } catch (const RegistryError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Value'");
    }
    EXPECT_EQ(readListEntries(reg, kCriteria), std::vector<std::string>{"line0"});
}

}  // namespace
}  // namespace plevo
