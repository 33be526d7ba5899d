#include <gtest/gtest.h>

#include <functional>

#include "registry/SubstituteRegistry.h"
#include "rules/RegistryProceduresUnit.h"
#ifdef _WIN32
#include "registry/WindowsRegistry.h"
#endif

namespace plevo {
namespace {

using namespace std::string_literals;
using Names = std::vector<std::string>;

class Procedures : public testing::Test {
protected:
    void SetUp() override {
        reg.import(
            "REGEDIT4\n[HKEY_CURRENT_USER\\R]\n\"s\"=\"text\"\n\"d\"=dword:00000007\n"
            "\"b\"=hex:61,00,62\n\"x\"=hex(2):25,41,25,00\n\"m\"=hex(7):61,00,00\n"
            "[HKEY_CURRENT_USER\\R\\000\\Deep]\n[HKEY_CURRENT_USER\\R\\001]\n"
            "[HKEY_CURRENT_USER\\Empty]\n");
    }
    // No key is left open: a key's subkey listing is empty without a current key.
    bool noKeyOpen() { return reg.subkeyNames().empty(); }

    SubstituteRegistry reg;
};

TEST_F(Procedures, ValueKindsAndReadsOfEachKind) {
    const struct {
        const char* name;
        RegValueKind kind;
    } kinds[] = {{"s", RegValueKind::String},  {"d", RegValueKind::Integer},
                 {"b", RegValueKind::Binary},  {"x", RegValueKind::ExpandString},
                 {"m", RegValueKind::Unknown}, {"missing", RegValueKind::Unknown}};
    for (const auto& k : kinds) EXPECT_EQ(GetValueKind(reg, "R", k.name), k.kind) << k.name;
    EXPECT_EQ(GetValueKind(reg, "NoSuchKey", "s"), RegValueKind::Unknown);

    EXPECT_EQ(ReadRegistryValue(reg, "R", "s"), RegistryValue::ofText("text"));
    EXPECT_EQ(ReadRegistryValue(reg, "R", "d"), RegistryValue::ofInteger(7));
    EXPECT_EQ(ReadRegistryValue(reg, "R", "b"), RegistryValue::ofBytes("a\0b"s));
    EXPECT_EQ(ReadRegistryValue(reg, "R", "x").text, "%A%");
    EXPECT_TRUE(noKeyOpen());
}

TEST_F(Procedures, ReadFailuresRaiseAndLeaveNoKeyOpen) {
    const struct {
        const char* key;
        const char* value;
    } failures[] = {{"R", "missing"}, {"R", "m"}, {"NoSuchKey", "s"}};
    for (const auto& f : failures) {
        reg.openKey("R", false);
        EXPECT_THROW(ReadRegistryValue(reg, f.key, f.value), RegistryError) << f.value;
        EXPECT_TRUE(noKeyOpen()) << f.value;
    }
    try {
        ReadRegistryValue(reg, "R", "missing");
    } catch (const RegistryError& e) {
#ifndef _WIN32
        EXPECT_NE(std::string(e.what()).find("\"missing\""), std::string::npos) << e.what();
#endif
    }
}

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RegistryError& e) {
        return e.what();
    }
    return "no error";
}

// The system registry's failed opening is told in the system's words for its error code; the
// substitute has no error code and says it in ours.
TEST(ProcedureErrors, AKeyNotOpenedIsToldInTheSystemsWordsWhereThereAreAny) {
    SubstituteRegistry substitute;
    EXPECT_EQ(errorOf([&] { ReadRegistryValue(substitute, "No\\Key", "v"); }),
              "The registry key \"HKEY_CURRENT_USER\\No\\Key\" could not be opened.");
#ifdef _WIN32
    WindowsRegistry system;
    system.deleteKey("PlevoProcedures");
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   ERROR_FILE_NOT_FOUND, 0, text, sizeof text, nullptr);
    std::string words = text;
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r')) words.pop_back();
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(errorOf([&] { ReadRegistryValue(system, "PlevoProcedures\\Missing", "v"); }), words);
#endif
}

TEST_F(Procedures, WritesCreateKeysAndRefuseOtherKinds) {
    WriteRegistryValue(reg, "New\\A\\B", "Name", RegistryValue::ofText("Rule"));
    WriteRegistryValue(reg, "New\\A\\B", "Type", RegistryValue::ofInteger(12));
    WriteRegistryValue(reg, "New\\A\\B", "Value", RegistryValue::ofBytes("new\0\0\0"s));
    WriteRegistryValue(reg, "New\\A\\B", "Type", RegistryValue::ofInteger(9));
    EXPECT_EQ(ReadRegistryValue(reg, "New\\A\\B", "Name").text, "Rule");
    EXPECT_EQ(ReadRegistryValue(reg, "New\\A\\B", "Type").integer, 9u);
    EXPECT_EQ(ReadRegistryValue(reg, "New\\A\\B", "Value").text, "new\0\0\0"s);

    for (const RegValueKind kind : {RegValueKind::ExpandString, RegValueKind::Unknown}) {
        EXPECT_THROW(WriteRegistryValue(reg, "New", "v", {kind, "t", 1}), RegistryError);
        EXPECT_EQ(GetValueKind(reg, "New", "v"), RegValueKind::Unknown);
        EXPECT_TRUE(noKeyOpen());
    }
}

TEST_F(Procedures, SubkeyListsKeepTheirContentWhenTheKeyIsMissing) {
    Names names{"kept"};
    EXPECT_FALSE(ReadSubKeysChecked(reg, "NoSuchKey", names));
    EXPECT_EQ(names, Names{"kept"});
    ReadSubKeys(reg, "NoSuchKey", names);
    EXPECT_EQ(names, Names{"kept"});
    EXPECT_FALSE(ReadSubKeysChecked(reg, "Empty", names));
    EXPECT_EQ(names, Names{});
    EXPECT_TRUE(ReadSubKeysChecked(reg, "R", names));
    EXPECT_EQ(names, (Names{"000", "001"}));
    names = {"x"};
    ReadSubKeys(reg, "R", names);
    EXPECT_EQ(names, (Names{"000", "001"}));
    EXPECT_TRUE(noKeyOpen());
}

TEST_F(Procedures, RuleTextTurnsZerosIntoLineBreaks) {
    WriteRegistryValue(reg, "R\\001", "Name", RegistryValue::ofText("New Mail Rule #1"));
    EXPECT_EQ(ReadRuleText(reg, "R\\001", "Name"), "New Mail Rule #1");
    EXPECT_EQ(ReadRuleText(reg, "R", "b"), "a\r\nb");
    EXPECT_EQ(ReadRuleText(reg, "R", "Value"), "");
    EXPECT_EQ(ReadRuleText(reg, "NoSuchKey", "Name"), "");
    EXPECT_FALSE(reg.keyExists("NoSuchKey"));
}

TEST_F(Procedures, DeleteRemovesTheWholeTreeAndIgnoresMissingKeys) {
    DeleteKeyIfExists(reg, "NoSuchKey");
    DeleteKeyIfExists(reg, "R\\000");
    EXPECT_FALSE(reg.keyExists("R\\000\\Deep"));
    EXPECT_FALSE(reg.keyExists("R\\000"));
    EXPECT_TRUE(reg.keyExists("R\\001"));
}

}  // namespace
}  // namespace plevo
