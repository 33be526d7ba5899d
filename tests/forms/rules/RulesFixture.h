#pragma once
// The rules window on a substitute registry whose rules key the test writes as export text.

#include <string>

#include "forms/rules/AdvancedUnit.h"
#include "support/RegistryFixture.h"

namespace plevo::test {

class RulesFixture : public RegistryFixture {
protected:
    RulesFixture();

    static constexpr const char* kRules = "Id\\Rules\\Mail";
    static const std::string kWarning;
    // The message of the first click into a word list.
    static const std::string kEmptyCellReminder;

    // The rules key with `order` and the rules in export text (see rule()).
    void load(const std::string& order, const std::string& rules);
    // A rule key with its name and criteria, each given as its values in export text.
    std::string rule(const std::string& key, const std::string& name,
                     const std::vector<std::string>& criteria) const;
    // A criterion of `type` holding `words`, with `logic`.
    static std::string criterion(int type, const std::vector<std::string>& words, int logic = 0);

    // Shows the window without blocking, as its modal showing does.
    void show();
    // "&Open Rules" with the messages of a clean open; the warning is answered Yes when asked.
    void openRules(bool warning = true);

    template <class T>
    T& adv(std::string_view name) const {
        return adv_->form().get<T>(name);
    }
    // A user's click on a control of the rules window.
    void clickAdv(std::string_view name);
    ui::Grid& list(int k) const { return adv<ui::Grid>("ValueListEditor" + std::to_string(k)); }
    // Selects list k with its button, no rules being offered.
    void select(int k) { clickAdv("SpeedButton" + std::to_string(k)); }
    // The user clicks the word of row `row` in list k (the first click of a showing brings the
    // reminder about empty cells).
    void clickWord(int k, int row);
    // ... and types `word` over it ("" empties the cell), ending with Enter.
    void typeWord(int k, int row, std::string_view word);
    RuleRows rows(int k) const { return adv_->rows(static_cast<std::size_t>(k - 1)); }
    std::string value(const std::string& rel, const char* name);
    std::uint32_t dword(const std::string& rel, const char* name);
    std::vector<std::string> subkeys(const std::string& rel);
    // The rules stored under `rulesKey` of `registry`: "Order ORDER", then one line per rule key
    // in enumeration order, "KEY NAME | actions: TYPE... | TYPE/LOGIC: WORD..." (one part per
    // criterion).
    static std::vector<std::string> storedRules(RegistryAccess& registry,
                                                const std::string& rulesKey);
    // The same of the registry file on disk.
    std::vector<std::string> rulesOnDisk(const std::string& rulesKey) const;

    TAdvancedForm* adv_ = nullptr;
    // The rules key load() and rule() write under.
    std::string rulesKey_ = kRules;
};

}  // namespace plevo::test
