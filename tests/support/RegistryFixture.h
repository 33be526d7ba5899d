#pragma once
// A tool whose substitute registry holds identities built per test, with helpers for the
// questions and messages that opening the registry shows.

#include <string>
#include <string_view>
#include <vector>

#include "forms/registry/RegistryUnit.h"
#include "support/ToolFixture.h"

namespace plevo::test {

struct IdentitySpec {
    std::string key = "{11111111-2222-3333-4444-555555555555}";
    std::string user = "Main Identity";
    std::optional<std::vector<std::string>> mail;  // entries; nullopt: no Mail list key
    std::optional<std::vector<std::string>> news;
    bool rules = true;         // a Rules\Mail key
    bool blockSenders = true;  // a Block Senders key (implied by a list)
    bool criteria = true;      // the lists have their Criteria key
};

class RegistryFixture : public ToolFixture {
protected:
    RegistryFixture() : RegistryFixture(registry_) {}
    explicit RegistryFixture(RegistryAccess& registry);

    void addIdentity(const IdentitySpec& spec);
    static std::string listPath(const IdentitySpec& spec, const char* kind);
    // The "Value"s of the entry keys under a Criteria key, of the tool's registry or another.
    std::vector<std::string> entriesAt(const std::string& criteriaPath);
    static std::vector<std::string> entriesIn(RegistryAccess& registry,
                                              const std::string& criteriaPath);
    std::string valueAt(const std::string& keyPath, const std::string& name);

    // The messages of one pass that finds its list.
    static std::string infoMessage(const std::string& listKeyPath);
    static std::string backupMessage(const char* kind);
    std::string backupFile(const char* kind) const;

    // Shows the main window and the registry window (step 7).
    void showRegistryWindow();
    // A first start on the sample registry, then Open with the default option: both lists read.
    void openSampleIdentity();
    // Open with the default option on the tool's registry holding the sample identity.
    void openSampleLists();
    static const std::string kSampleIdentity;

    // A control of the registry window by its name, as kind T.
    template <class T>
    T& reg(std::string_view name) const {
        return reg_->form().get<T>(name);
    }
    // A user's click on a control of the registry window (or of the main window). The user
    // brings the window to the front first (from the taskbar) when the other one is in front:
    // where they overlap, a click goes to the window on top.
    void clickReg(std::string_view name) { clickIn(reg_->form(), name); }
    void clickMain(std::string_view name) { clickIn(control<ui::Control>(name).form(), name); }
    // The control of the registry window that has the keyboard focus, by its name ("" for none).
    std::string regFocus() const;
    std::string mainFocus() const;

    TRegistryForm* reg_ = nullptr;

private:
    static void clickIn(ui::Form& window, std::string_view name);
};

}  // namespace plevo::test
