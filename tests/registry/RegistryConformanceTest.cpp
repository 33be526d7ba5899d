// One suite for every RegistryAccess: the substitute everywhere, the real registry on Windows
// (under Wine in CI). Both must give the same answers.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "registry/RegistryAccess.h"
#include "registry/SubstituteRegistry.h"
#ifdef _WIN32
#include "registry/WindowsRegistry.h"
#endif

namespace plevo {
namespace {

// Everything the tests touch lies below this key, which each test removes before and after.
constexpr std::string_view kBase = "PlevoConformance";

std::string at(std::string_view rest) {
    return std::string(kBase) + "\\" + std::string(rest);
}

template <typename Registry>
class Conformance : public testing::Test {
protected:
    void SetUp() override { reg.deleteKey(kBase); }
    void TearDown() override {
        reg.closeKey();
        reg.deleteKey(kBase);
    }
    Registry reg;
};

#ifdef _WIN32
using Registries = testing::Types<SubstituteRegistry, WindowsRegistry>;
#else
using Registries = testing::Types<SubstituteRegistry>;
#endif
TYPED_TEST_SUITE(Conformance, Registries);

template <typename F>
std::string errorOf(F&& f) {
    try {
        f();
    } catch (const RegistryError& e) {
        return e.what();
    }
    return "no error";
}

TYPED_TEST(Conformance, OpeningCreatesOnlyWhenAskedAndKeyExistsLeavesTheCurrentKey) {
    auto& reg = this->reg;
    EXPECT_FALSE(reg.keyExists(at("A\\B")));
    EXPECT_FALSE(reg.openKey(at("A\\B"), false));
    EXPECT_FALSE(reg.openKeyReadOnly(at("A\\B")));
    EXPECT_FALSE(reg.keyExists(at("A")));

    ASSERT_TRUE(reg.openKey(at("A\\B\\C"), true));  // parents too
    EXPECT_TRUE(reg.keyExists(at("A")));
    EXPECT_TRUE(reg.keyExists(at("A\\B")));
    EXPECT_FALSE(reg.keyExists(at("A\\X")));
    reg.writeString("v", "in C");  // keyExists did not move the current key
    ASSERT_TRUE(reg.openKey(at("A\\B\\C"), false));
    EXPECT_EQ(reg.readString("v"), "in C");

    ASSERT_TRUE(reg.openKey(at("A"), false));  // opening again replaces the current key
    EXPECT_EQ(reg.readString("v"), "");
    EXPECT_EQ(reg.subkeyNames(), std::vector<std::string>{"B"});
}

TYPED_TEST(Conformance, NamesFoundInAnyCaseKeepTheirFirstCase) {
    auto& reg = this->reg;
    ASSERT_TRUE(reg.openKey(at("MixedCase\\Inner"), true));
    reg.writeString("TheValue", "one");
    ASSERT_TRUE(reg.openKey(at("MIXEDCASE\\inner"), true));  // finds, does not create
    EXPECT_EQ(reg.readString("thevalue"), "one");
    reg.writeString("THEVALUE", "two");
    EXPECT_EQ(reg.readString("TheValue"), "two");
    ASSERT_TRUE(reg.openKey(std::string(kBase), false));
    EXPECT_EQ(reg.subkeyNames(), std::vector<std::string>{"MixedCase"});
    EXPECT_TRUE(reg.keyExists("plevoconformance\\mixedcase\\INNER"));
}

TYPED_TEST(Conformance, SubkeysEnumerateInAscendingOrderIgnoringCase) {
    auto& reg = this->reg;
    // Created out of order on purpose: "-" < digits < letters < "{" < "}", letters in any case.
    const std::vector<std::string> created = {"b",   "}",   "Zeta", "1000", "{x}", "a{",  "9",
                                              "00A", "a-b", "FFF",  "-1",   "A",   "000", "10"};
    for (const auto& name : created) ASSERT_TRUE(reg.openKey(at("Order\\" + name), true)) << name;
    ASSERT_TRUE(reg.openKey(at("Order"), false));
    const std::vector<std::string> expected = {"-1",  "000", "00A", "10",  "1000", "9",   "A",
                                               "a-b", "a{",  "b",   "FFF", "Zeta", "{x}", "}"};
    EXPECT_EQ(reg.subkeyNames(), expected);
}

TYPED_TEST(Conformance, LongKeyNamesWork) {
    auto& reg = this->reg;
    const std::string name(200, 'k');
    EXPECT_TRUE(reg.openKey(at(name), true));
    ASSERT_TRUE(reg.openKey(std::string(kBase), false));
    EXPECT_EQ(reg.subkeyNames(), std::vector<std::string>{name});
}

TYPED_TEST(Conformance, StringsReadUpToTheFirstZeroAndOtherTypesRefuseToReadAsText) {
    auto& reg = this->reg;
    ASSERT_TRUE(reg.openKey(at("Values"), true));
    reg.writeString("s", "alpha");
    reg.writeString("cut", std::string_view("ab\0cd", 5));
    reg.writeString("empty", "");
    reg.writeDword("d", 0x12345678);
    reg.writeBytes("b", std::string_view("\x01\x00\xff\x00\x7f", 5));

    EXPECT_EQ(reg.readString("s"), "alpha");
    EXPECT_EQ(reg.readString("cut"), "ab");
    EXPECT_EQ(reg.readString("empty"), "");
    EXPECT_EQ(reg.readString("missing"), "");
    EXPECT_EQ(errorOf([&] { reg.readString("d"); }), "Invalid data type for 'd'");
    EXPECT_EQ(errorOf([&] { reg.readString("b"); }), "Invalid data type for 'b'");

    EXPECT_EQ(reg.readDword("d"), 0x12345678u);
    EXPECT_EQ(errorOf([&] { reg.readDword("s"); }), "Invalid data type for 's'");
    EXPECT_EQ(errorOf([&] { reg.readDword("missing"); }), "Invalid data type for 'missing'");

    EXPECT_EQ(reg.readBytes("b"), std::string("\x01\x00\xff\x00\x7f", 5));
    EXPECT_EQ(reg.readBytes("d"), std::string("\x78\x56\x34\x12", 4));
    EXPECT_EQ(reg.readBytes("missing"), "");

    EXPECT_EQ(reg.valueSize("b"), 5);
    EXPECT_EQ(reg.valueSize("d"), 4);
    EXPECT_EQ(reg.valueSize("s"), 6);  // with its terminating zero
    EXPECT_EQ(reg.valueSize("missing"), -1);

    EXPECT_EQ(reg.valueType("s"), RegDataType::String);
    EXPECT_EQ(reg.valueType("d"), RegDataType::Dword);
    EXPECT_EQ(reg.valueType("b"), RegDataType::Binary);
    EXPECT_EQ(reg.valueType("missing"), RegDataType::None);
    EXPECT_EQ(reg.valueTypeCode("missing"), std::nullopt);

    reg.writeDword("s", 7);  // a value may change its type
    EXPECT_EQ(reg.valueType("s"), RegDataType::Dword);
    EXPECT_EQ(reg.readDword("S"), 7u);
}

TYPED_TEST(Conformance, PrintableTextKeepsEveryCharacterAndItsSize) {
    auto& reg = this->reg;
    std::string text;
    for (int c = 0x20; c < 0x7f; ++c) text.push_back(static_cast<char>(c));
    ASSERT_TRUE(reg.openKey(at("Text"), true));
    reg.writeString("ascii", text);
    EXPECT_EQ(reg.readString("ascii"), text);
    EXPECT_EQ(reg.valueSize("ascii"), static_cast<std::int64_t>(text.size() + 1));
}

TYPED_TEST(Conformance, RefusedWritesRaiseFailedToSetData) {
    auto& reg = this->reg;
    EXPECT_EQ(errorOf([&] { reg.writeString("Value", "x"); }), "Failed to set data for 'Value'");
    EXPECT_EQ(errorOf([&] { reg.writeDword("Flags", 1); }), "Failed to set data for 'Flags'");
    EXPECT_EQ(errorOf([&] { reg.writeBytes("Bin", "x"); }), "Failed to set data for 'Bin'");

    ASSERT_TRUE(reg.openKey(at("R"), true));
    reg.writeString("kept", "yes");
    reg.closeKey();
    reg.closeKey();  // harmless twice
    EXPECT_EQ(errorOf([&] { reg.writeString("Value", "x"); }), "Failed to set data for 'Value'");
    EXPECT_TRUE(reg.subkeyNames().empty());

    ASSERT_TRUE(reg.openKeyReadOnly(at("R")));
    EXPECT_EQ(reg.readString("kept"), "yes");
    EXPECT_EQ(errorOf([&] { reg.writeString("kept", "no"); }), "Failed to set data for 'kept'");
    EXPECT_EQ(errorOf([&] { reg.writeDword("n", 1); }), "Failed to set data for 'n'");
    EXPECT_EQ(reg.readString("kept"), "yes");
    EXPECT_FALSE(reg.openKey(at("Missing"), false));  // a failed open leaves no key open
    EXPECT_EQ(errorOf([&] { reg.writeString("kept", "no"); }), "Failed to set data for 'kept'");
}

TYPED_TEST(Conformance, DeletingTakesTheWholeTreeAndAnOpenKeyGoesWithIt) {
    auto& reg = this->reg;
    ASSERT_TRUE(reg.openKey(at("D\\One\\Two\\Three"), true));
    ASSERT_TRUE(reg.openKey(at("D\\One\\Side"), true));
    ASSERT_TRUE(reg.openKey(at("D\\Kept"), true));
    ASSERT_TRUE(reg.openKey(at("D\\One\\Two"), false));
    reg.writeString("before", "x");

    EXPECT_TRUE(reg.deleteKey(at("d\\one")));
    EXPECT_FALSE(reg.keyExists(at("D\\One")));
    EXPECT_FALSE(reg.keyExists(at("D\\One\\Two\\Three")));
    EXPECT_TRUE(reg.keyExists(at("D\\Kept")));
    EXPECT_FALSE(reg.deleteKey(at("D\\One")));
    EXPECT_FALSE(reg.deleteKey(at("Nowhere\\At\\All")));

    // The key that was current when it was deleted: writes fail, reads find nothing.
    EXPECT_EQ(errorOf([&] { reg.writeString("after", "x"); }), "Failed to set data for 'after'");
    EXPECT_EQ(reg.readString("before"), "");
    EXPECT_TRUE(reg.subkeyNames().empty());
    EXPECT_EQ(reg.valueSize("before"), -1);

    // Re-creating the path gives a new, empty key.
    ASSERT_TRUE(reg.openKey(at("D\\One\\Two"), true));
    EXPECT_EQ(reg.readString("before"), "");
    EXPECT_TRUE(reg.subkeyNames().empty());
}

TYPED_TEST(Conformance, ManyEntryKeysEnumerateInNumberOrderUpToFFF) {
    auto& reg = this->reg;
    // Entry keys as the tool names them: "000" .. "009", "00A", ...; created last to first.
    for (int i = 299; i >= 0; --i) {
        char name[8];
        std::snprintf(name, sizeof name, "%03X", i);
        ASSERT_TRUE(reg.openKey(at(std::string("Criteria\\") + name), true));
    }
    ASSERT_TRUE(reg.openKey(at("Criteria"), false));
    const auto names = reg.subkeyNames();
    ASSERT_EQ(names.size(), 300u);
    EXPECT_EQ(names[9], "009");
    EXPECT_EQ(names[10], "00A");
    EXPECT_EQ(names[16], "010");
    EXPECT_EQ(names[299], "12B");
}

// Windows compares subkey names upper-cased, so the few characters between "Z" and "a" come
// after the letters. Wine compares them lower-cased and puts them before, which is why this
// is not part of the shared suite.
TEST(SubstituteOrder, CharactersBetweenCapitalsAndSmallLettersComeAfterTheLetters) {
    SubstituteRegistry reg;
    for (const auto* name : {"_z", "a", "^", "Z", "[", "`", "{"})
        ASSERT_TRUE(reg.openKey(at(name), true));
    ASSERT_TRUE(reg.openKey(std::string(kBase), false));
    EXPECT_EQ(reg.subkeyNames(), (std::vector<std::string>{"a", "Z", "[", "^", "_z", "`", "{"}));
}

// The registry's documented limit; Wine is not exact about it, so it is checked here only.
TEST(SubstituteLimits, KeyNamesHaveAtMost255CharactersAndPaths512Levels) {
    SubstituteRegistry reg;
    const std::string longest(255, 'k');
    EXPECT_TRUE(reg.openKey(at(longest), true));
    EXPECT_FALSE(reg.openKey(at(longest + "k"), true));
    EXPECT_FALSE(reg.keyExists(at(longest + "k")));
    std::string deep(kBase);
    for (int i = 1; i < 512; ++i) deep += "\\d";
    EXPECT_TRUE(reg.openKey(deep, true));
    EXPECT_FALSE(reg.openKey(deep + "\\d", true));
    EXPECT_FALSE(reg.openKey(at("a\\\\b"), true));  // an empty name
    EXPECT_EQ(errorOf([&] { reg.writeString(std::string(16384, 'v'), "x"); }),
              "Failed to set data for '" + std::string(16384, 'v') + "'");
}

}  // namespace
}  // namespace plevo
