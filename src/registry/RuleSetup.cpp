#include "registry/RuleSetup.h"

#include <cstdint>
#include <cstdio>

namespace plevo {
namespace {

struct Value {
    std::string name;
    enum Kind { Dword, String, Bytes } kind;
    std::uint32_t number = 0;
    std::string text;
    std::vector<std::uint8_t> bytes;
};

Value dword(std::string name, std::uint32_t n) {
    return {std::move(name), Value::Dword, n, {}, {}};
}
Value text(std::string name, std::string t) {
    return {std::move(name), Value::String, 0, std::move(t), {}};
}
// Bytes of the given length: a lead followed by zeros.
Value bytes(std::string name, std::size_t length, std::vector<std::uint8_t> lead) {
    lead.resize(length, 0);
    return {std::move(name), Value::Bytes, 0, {}, std::move(lead)};
}

std::string hex2(unsigned b) {
    char buf[3];
    std::snprintf(buf, sizeof buf, "%02x", b & 0xffu);
    return buf;
}

// A value line as the registry editor exports it; byte lists longer than a line are continued
// on lines that start with two blanks, each broken line ending with ",\".
void appendValue(std::vector<std::string>& lines, const Value& v) {
    const std::string head = "\"" + v.name + "\"=";
    switch (v.kind) {
        case Value::Dword: {
            char buf[16];
            std::snprintf(buf, sizeof buf, "%08x", v.number);
            lines.push_back(head + "dword:" + buf);
            return;
        }
        case Value::String:
            lines.push_back(head + "\"" + v.text + "\"");
            return;
        case Value::Bytes: {
            std::string line = head + "hex:";
            for (std::size_t i = 0; i < v.bytes.size(); ++i) {
                const std::string item = hex2(v.bytes[i]) + (i + 1 < v.bytes.size() ? "," : "");
                if (line.size() + item.size() > 78) {
                    lines.push_back(line + "\\");
                    line = "  ";
                }
                line += item;
            }
            lines.push_back(line);
            return;
        }
    }
}

std::vector<std::string> buildTemplate() {
    struct Key {
        std::string suffix;
        std::vector<Value> values;
    };
    const std::vector<Key> keys = {
        {"",
         {dword("VerStamp", 3),
          dword("SpellDontIgnoreDBCS", 1),
          dword("MSIMN", 1),
          dword("StoreMigratedV5", 1),
          dword("ConvertedToDBX", 1),
          dword("Settings Upgraded", 7),
          dword("Running", 0),
          dword("PrevToolbarTextStyle", 1),
          bytes("Outlook Bar Settings", 44, {0x2c, 0, 0, 0, 0x01, 0, 0, 0, 0x64}),
          dword("Migration Done", 1),
          bytes("Saved Toolbar Settings", 24, {0x18, 0, 0, 0, 0x11, 0, 0, 0, 0x03}),
          dword("Saved Toolbar Settings Version", 0x11),
          bytes("Browser Bands", 56, {0x38, 0, 0, 0, 0x03, 0, 0, 0, 0x02, 0, 0, 0, 0xc8}),
          dword("ShowToolbarIEAK", 1),
          dword("Toolbar Text", 1),
          dword("Toolbar Icon Size", 1),
          dword("BodyBarPos", 0),
          dword("Nav Pane Width", 0xc8),
          dword("Nav Pane Split", 0x42),
          dword("Contact Pane Sorting", 0),
          bytes("BrowserPos", 44, {0x2c, 0, 0, 0,    0, 0, 0, 0,    0x01, 0, 0, 0,    0x16,
                                   0,    0, 0, 0x16, 0, 0, 0, 0x20, 0x03, 0, 0, 0x58, 0x02}),
          dword("ShowStatus", 1),
          dword("HideFolderBar", 0),
          dword("Tree", 1),
          dword("Tip of the Day", 1),
          dword("ShowBodyBar", 0),
          dword("Show Outlook Bar", 0),
          dword("Show Contacts", 1),
          bytes("SpoolerDlgPos", 44, {0x2c, 0, 0, 0,    0, 0, 0, 0,    0x01, 0, 0, 0,    0x64,
                                      0,    0, 0, 0x64, 0, 0, 0, 0x90, 0x01, 0, 0, 0x2c, 0x01}),
          dword("SpoolerTack", 0),
          dword("Compact Check Count", 2)}},
        {"\\Block Senders", {dword("Version", 0x00050000)}},
        {"\\Mail",
         {dword("Welcome Message", 0), dword("Accounts Checked", 1), dword("Safe Attachments", 1),
          dword("Secure Safe Attachments", 1), dword("ShowHybridView", 1),
          dword("Show Header Info", 1), dword("SplitDir", 0), dword("SplitHorzPct", 0x32),
          dword("SplitVertPct", 0x32), dword("Default_CodePage", 0x6faf)}},
        {"\\News",
         {bytes("Accounts Checked", 4, {}), dword("ShowHybridView", 1),
          dword("Show Header Info", 1), dword("SplitDir", 0), dword("SplitHorzPct", 0x32),
          dword("SplitVertPct", 0x32)}},
        {"\\Recent Stationery List",
         {text("File0", "Clear Day.htm"), text("File1", "Nature.htm"), text("File2", "Maize.htm"),
          text("File3", "Sunflower.htm"), text("File4", "Citrus Punch.htm"),
          text("File5", "Blank.htm"), text("File6", "Leaves.htm")}},
        {"\\Rules", {}},
        {"\\Rules\\Mail", {dword("Version", 0x00050000), text("Order", "000")}},
        {"\\Rules\\Mail\\000",
         {text("Name", "New Mail Rule #1"), dword("Enabled", 1), dword("Version", 1)}},
        {"\\Rules\\Mail\\000\\Actions", {text("Order", "000")}},
        {"\\Rules\\Mail\\000\\Actions\\000", {dword("Type", 7), dword("Flags", 0)}},
        {"\\Rules\\Mail\\000\\Criteria", {text("Order", "000")}},
        {"\\Rules\\Mail\\000\\Criteria\\000",
         {dword("Type", 0x0c), dword("Logic", 0), dword("Flags", 0), dword("ValueType", 0x41),
          bytes("Value", 6, {0x6e, 0x65, 0x77})}},
        {"\\Rules\\News", {dword("Version", 0x00050000)}},
        {"\\Trident", {}},
        {"\\Trident\\Main", {}},
        {"\\Trident\\Settings", {}},
    };
    std::vector<std::string> lines = {"Windows Registry Editor Version 5.00", ""};
    for (const Key& k : keys) {
        lines.push_back("[HKEY_CURRENT_USER\\" + std::string(kIdentityPlaceholder) +
                        "\\Software\\Microsoft\\Outlook Express\\5.0" + k.suffix + "]");
        for (const Value& v : k.values) appendValue(lines, v);
        lines.emplace_back();
    }
    return lines;
}

bool safeInKeyLine(std::string_view path) {
    for (const char c : path) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7f || c == ']') return false;
    }
    return true;
}

}  // namespace

const std::vector<std::string>& ruleSetupTemplate() {
    static const std::vector<std::string> lines = buildTemplate();
    return lines;
}

std::optional<std::string> ruleSetupText(std::string_view identityKeyPath) {
    if (!safeInKeyLine(identityKeyPath)) return std::nullopt;
    std::string out;
    for (const std::string& line : ruleSetupTemplate()) {
        const std::size_t at = line.find(kIdentityPlaceholder);
        if (at == std::string::npos) {
            out += line;
        } else {
            out.append(line, 0, at);
            out += identityKeyPath;
            out.append(line, at + kIdentityPlaceholder.size());
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace plevo
