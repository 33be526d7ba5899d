#include "RulesFixture.h"

#include "registry/KeyNames.h"
#include "registry/SubstituteRegistry.h"
#include "rules/RegistryProceduresUnit.h"
#include "rules/WordListValue.h"
#include "support/UserInput.h"

namespace plevo::test {

const std::string RulesFixture::kWarning = messageLines(
    {"Warning of possible Rule changes!", "Any Rules you have saved in Outlook, not set to DELETE",
     "will be changed to DELETE. You can change this later in Outlook.",
     "This program is designed to simplify and make the best use of the", "rules in Outlook.",
     "Running this program will always set the Action to delete any emails",
     "and any Criteria will be simplified to; FROM,TO,SUBJECT and MESSAGE", "",
     "However, you will retain the same number of Rules and you will ",
     "still be able to use  these rules for the 4 criteria lists.",
     "(Delete is the most commonly used action)", "",
     "Only select Yes if this is what you want to do?"});

const std::string RulesFixture::kEmptyCellReminder =
    messageLines({"Remember! You cannot save any changes if you leave an empty value", "in a cell.",
                  "", "You can use the keyboard [Esc] key to return a deleted word,",
                  "if you have not moved from the same cell.", "",
                  "If you need to reset the lists, as they were when you opened them.",
                  "Do not Save the list, instead use the [Open Rules] button again."});

RulesFixture::RulesFixture() {
    adv_ = &tool_->AdvancedForm();
    reg_->RulesKeyPath = kRules;
}

void RulesFixture::load(const std::string& order, const std::string& rules) {
    registry_.import("REGEDIT4\n[HKEY_CURRENT_USER\\" + rulesKey_ + "]\n\"Order\"=\"" + order +
                     "\"\n" + rules);
}

std::string RulesFixture::rule(const std::string& key, const std::string& name,
                               const std::vector<std::string>& criteria) const {
    const std::string at = "[HKEY_CURRENT_USER\\" + rulesKey_ + "\\" + key;
    std::string text =
        at + "]\n\"Name\"=\"" + name + "\"\n" + at + "\\Actions\\000]\n\"Type\"=dword:00000007\n";
    for (std::size_t i = 0; i < criteria.size(); ++i)
        text += at + "\\Criteria\\" + keyName(i) + "]\n" + criteria[i];
    return text;
}

std::string RulesFixture::criterion(int type, const std::vector<std::string>& words, int logic) {
    static const char* const kHex = "0123456789abcdef";
    std::string bytes;
    for (const std::string& w : words) {
        for (unsigned char c : w) bytes += std::string{kHex[c >> 4], kHex[c & 15], ','};
        bytes += "00,";
    }
    bytes += "00,00";
    char dwords[80];
    std::snprintf(dwords, sizeof dwords, "\"Type\"=dword:%08x\n\"Logic\"=dword:%08x\n", type,
                  logic);
    return dwords + std::string("\"Value\"=hex:") + bytes + "\n";
}

void RulesFixture::show() {
    adv_->form().show();
}

void RulesFixture::clickAdv(std::string_view name) {
    user().click(adv<ui::Control>(name));
}

void RulesFixture::clickWord(int k, int row) {
    if (adv_->EmptyCellReminderShown == 0) dialogs_.expectMessage(kEmptyCellReminder);
    user().clickAt(list(k), user().cellCentre(list(k), 1, row));
}

void RulesFixture::typeWord(int k, int row, std::string_view word) {
    clickWord(k, row);
    if (word.empty()) {
        // Typing replaces the word; the typed letter is taken back.
        user().type("x");
        user().press({.key = ui::kKeyBack});
        user().type("\n");
    } else {
        user().type(std::string(word) + "\n");
    }
}

void RulesFixture::openRules(bool warning) {
    if (warning) dialogs_.expectConfirm(kWarning, Buttons::YesNoCancel, Answer::Yes);
    dialogs_.expectMessage("Rules and Actions opened");
    clickAdv("OpenRulesBtn");
    dialogs_.verify();
}

std::string RulesFixture::value(const std::string& rel, const char* name) {
    return ReadRegistryValue(registry_, rel.empty() ? kRules : std::string(kRules) + "\\" + rel,
                             name)
        .text;
}

std::uint32_t RulesFixture::dword(const std::string& rel, const char* name) {
    return ReadRegistryValue(registry_, std::string(kRules) + "\\" + rel, name).integer;
}

std::vector<std::string> RulesFixture::subkeys(const std::string& rel) {
    std::vector<std::string> names;
    ReadSubKeys(registry_, rel.empty() ? kRules : std::string(kRules) + "\\" + rel, names);
    return names;
}

std::vector<std::string> RulesFixture::storedRules(RegistryAccess& registry,
                                                   const std::string& rulesKey) {
    std::vector<std::string> out{"Order " + ReadRegistryValue(registry, rulesKey, "Order").text};
    std::vector<std::string> rules;
    ReadSubKeys(registry, rulesKey, rules);
    for (const std::string& key : rules) {
        const std::string at = rulesKey + "\\" + key;
        std::string line = key + " " + ReadRuleText(registry, at, "Name") + " | actions:";
        std::vector<std::string> parts;
        ReadSubKeys(registry, at + "\\Actions", parts);
        for (const std::string& action : parts)
            line +=
                " " + std::to_string(
                          ReadRegistryValue(registry, at + "\\Actions\\" + action, "Type").integer);
        parts.clear();
        ReadSubKeys(registry, at + "\\Criteria", parts);
        for (const std::string& criterion : parts) {
            const std::string c = at + "\\Criteria\\" + criterion;
            line += " | " + std::to_string(ReadRegistryValue(registry, c, "Type").integer) + "/" +
                    std::to_string(ReadRegistryValue(registry, c, "Logic").integer) + ":";
            for (const std::string& w : wordsOfValue(ReadRegistryValue(registry, c, "Value").text))
                line += " " + w;
        }
        out.push_back(line);
    }
    return out;
}

std::vector<std::string> RulesFixture::rulesOnDisk(const std::string& rulesKey) const {
    SubstituteRegistry disk;
    disk.load(root_ / "HKEY_CURRENT_USER.reg");
    return storedRules(disk, rulesKey);
}

}  // namespace plevo::test
