// A few hundred random operations. Everywhere: the substitute's tree survives its file. On
// Windows: the real registry answers every operation as the substitute does and ends with the
// same tree.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "registry/RegFile.h"
#include "registry/SubstituteRegistry.h"
#ifdef _WIN32
#include "registry/WindowsRegistry.h"
#endif

namespace plevo {
namespace {

constexpr std::string_view kBase = "PlevoRandom";

class RandomOperations {
public:
    explicit RandomOperations(unsigned seed) : rng_(seed) {}

    // One operation applied to a registry; what it answered, as text.
    using Operation = std::function<std::string(RegistryAccess&)>;

    Operation next() {
        const std::string path = randomPath();
        const std::string value = pick(valueNames_);
        switch (below(14)) {
            case 0:
            case 1: {
                const bool create = below(3) != 0;
                return [=](RegistryAccess& r) {
                    return "open " + std::to_string(r.openKey(path, create));
                };
            }
            case 2:
                return [=](RegistryAccess& r) {
                    return "ro " + std::to_string(r.openKeyReadOnly(path));
                };
            case 3:
                return [](RegistryAccess& r) {
                    r.closeKey();
                    return std::string("closed");
                };
            case 4:
                if (below(3) != 0) return next();  // deletions rarer, or the tree stays small
                return
                    [=](RegistryAccess& r) { return "del " + std::to_string(r.deleteKey(path)); };
            case 5:
                return [=](RegistryAccess& r) {
                    return "exists " + std::to_string(r.keyExists(path));
                };
            case 6: {
                const std::string text = randomText();
                return guarded([=](RegistryAccess& r) {
                    r.writeString(value, text);
                    return std::string("ws");
                });
            }
            case 7: {
                const auto n = static_cast<std::uint32_t>(rng_());
                return guarded([=](RegistryAccess& r) {
                    r.writeDword(value, n);
                    return std::string("wd");
                });
            }
            case 8: {
                std::string bytes = randomText();
                bytes.push_back('\0');
                return guarded([=](RegistryAccess& r) {
                    r.writeBytes(value, bytes);
                    return std::string("wb");
                });
            }
            case 9:
                return guarded([=](RegistryAccess& r) { return "rs " + r.readString(value); });
            case 10:
                return guarded(
                    [=](RegistryAccess& r) { return "rd " + std::to_string(r.readDword(value)); });
            case 11:
                return [=](RegistryAccess& r) {
                    return "size " + std::to_string(r.valueSize(value)) + " type " +
                           std::to_string(r.valueTypeCode(value).value_or(999)) + " " +
                           r.readBytes(value);
                };
            default:
                return [](RegistryAccess& r) {
                    std::string all = "names";
                    for (const auto& n : r.subkeyNames()) all += " " + n;
                    return all;
                };
        }
    }

private:
    static Operation guarded(Operation op) {
        return [op](RegistryAccess& r) {
            try {
                return op(r);
            } catch (const RegistryError& e) {
                return std::string("error ") + e.what();
            }
        };
    }

    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    const std::string& pick(const std::vector<std::string>& from) {
        return from[below(from.size())];
    }

    std::string randomPath() {
        std::string path(kBase);
        const std::size_t depth = 1 + below(3);
        for (std::size_t i = 0; i < depth; ++i) path += "\\" + pick(keyNames_);
        return path;
    }

    std::string randomText() {
        std::string text;
        const std::size_t length = below(12);
        for (std::size_t i = 0; i < length; ++i)
            text.push_back(static_cast<char>(0x20 + below(0x5f)));
        return text;
    }

    std::mt19937 rng_;
    // Case variants of the same names on purpose.
    // No name with a character between "Z" and "a": Wine orders those unlike Windows.
    const std::vector<std::string> keyNames_ = {"000",      "00A",   "00a",  "Criteria",
                                                "CRITERIA", "{A-1}", "}",    "-x",
                                                "x_",       "Mail",  "mail", "z9"};
    const std::vector<std::string> valueNames_ = {"Value", "VALUE", "Order", "Flags", "", "x y"};
};

#ifdef _WIN32
// Walks the tree below kBase through the interface: key names, and for each key the values
// the operations may have written.
std::string describe(RegistryAccess& r, const std::string& path) {
    static const std::vector<std::string> values = {"Value", "Order", "Flags", "", "x y"};
    std::string out;
    if (!r.openKeyReadOnly(path)) return out;
    out += "[" + path + "]\n";
    for (const auto& v : values) {
        if (const auto type = r.valueTypeCode(v))
            out += v + " " + std::to_string(*type) + " " + r.readBytes(v) + "\n";
    }
    for (const auto& name : r.subkeyNames()) out += describe(r, path + "\\" + name);
    return out;
}

#endif

TEST(RegistryRandom, TheSubstituteTreeSurvivesItsFile) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        SubstituteRegistry reg;
        RandomOperations ops(seed);
        for (int i = 0; i < 400; ++i) ops.next()(reg);
        auto reread = std::make_shared<RegKey>(std::string());
        for (const auto encoding : {RegFileEncoding::Utf16, RegFileEncoding::Utf8}) {
            reread = std::make_shared<RegKey>(std::string());
            applyRegFile(parseRegFile(reg.exportText(encoding)), reread);
            EXPECT_EQ(treeDifference(reg.root(), *reread), "") << "seed " << seed;
        }
    }
}

#ifdef _WIN32
TEST(RegistryRandom, TheRealRegistryAnswersAsTheSubstitute) {
    WindowsRegistry real;
    SubstituteRegistry substitute;
    real.deleteKey(kBase);
    RandomOperations ops(2024);
    for (int i = 0; i < 400; ++i) {
        const auto op = ops.next();
        ASSERT_EQ(op(real), op(substitute)) << "operation " << i;
    }
    real.closeKey();
    substitute.closeKey();
    EXPECT_EQ(describe(real, std::string(kBase)), describe(substitute, std::string(kBase)));
    real.closeKey();
    real.deleteKey(kBase);
}
#endif

}  // namespace
}  // namespace plevo
