#include "support/RegistryFixture.h"

#include "platform/Files.h"
#include "registry/KeyNames.h"

namespace plevo::test {
namespace {

std::string focusIn(const ui::Form& form) {
    const ui::Control* focused = form.focusedControl();
    return focused ? focused->name() : "";
}

}  // namespace

RegistryFixture::RegistryFixture(RegistryAccess& registry) : ToolFixture(registry) {
    reg_ = &tool_->RegistryForm();
    // A registry file with nothing in it, so that every write of the file is counted.
    const auto file = root_ / "HKEY_CURRENT_USER.reg";
    writeFileAtomic(file, "Windows Registry Editor Version 5.00\r\n");
    registry_.load(file);
}

std::string RegistryFixture::listPath(const IdentitySpec& spec, const char* kind) {
    return "Identities\\" + spec.key +
           "\\Software\\Microsoft\\Outlook Express\\5.0\\Block Senders\\" + kind;
}

void RegistryFixture::addIdentity(const IdentitySpec& spec) {
    const std::string id = "Identities\\" + spec.key;
    ASSERT_TRUE(registry_.openKey(id, true));
    registry_.writeString("Username", spec.user);
    const std::string oe = id + "\\Software\\Microsoft\\Outlook Express\\5.0";
    if (spec.rules) {
        ASSERT_TRUE(registry_.openKey(oe + "\\Rules\\Mail", true));
    }
    if (spec.blockSenders) {
        ASSERT_TRUE(registry_.openKey(oe + "\\Block Senders", true));
    }
    for (const auto& [kind, entries] :
         {std::pair{"Mail", spec.mail}, std::pair{"News", spec.news}}) {
        if (!entries) continue;
        const std::string list = listPath(spec, kind);
        ASSERT_TRUE(registry_.openKey(list, true));
        if (!spec.criteria) continue;
        ASSERT_TRUE(registry_.openKey(list + "\\Criteria", true));
        for (std::size_t k = 0; k < entries->size(); ++k) {
            ASSERT_TRUE(registry_.openKey(list + "\\Criteria\\" + keyName(k), true));
            registry_.writeString("Value", (*entries)[k]);
        }
    }
    registry_.closeKey();
}

std::vector<std::string> RegistryFixture::entriesAt(const std::string& criteriaPath) {
    return entriesIn(toolRegistry_, criteriaPath);
}

std::vector<std::string> RegistryFixture::entriesIn(RegistryAccess& registry,
                                                    const std::string& criteriaPath) {
    std::vector<std::string> out;
    if (!registry.openKey(criteriaPath, false)) return out;
    const std::vector<std::string> names = registry.subkeyNames();
    registry.closeKey();
    for (const std::string& name : names) {
        if (!registry.openKey(criteriaPath + "\\" + name, false)) continue;
        out.push_back(registry.readString("Value"));
        registry.closeKey();
    }
    return out;
}

std::string RegistryFixture::valueAt(const std::string& keyPath, const std::string& name) {
    if (!toolRegistry_.openKey(keyPath, false)) return "<no key>";
    std::string v = toolRegistry_.readString(name);
    toolRegistry_.closeKey();
    return v;
}

std::string RegistryFixture::infoMessage(const std::string& listKeyPath) {
    return "You can use this program for Outlook Mail Block Senders List\n\r\n\rOnly the following "
           "registry entry will be changed.\n\rHKEY_CURRENT_USER\\" +
           listKeyPath + "\\Criteria";
}

std::string RegistryFixture::backupMessage(const char* kind) {
    return std::string("A backup file has been saved for your [") + kind +
           "]\n\rBlocked Senders List(Plevo) registry file.\n\rSaved as; C:\\" + kind +
           " Plevo.txt\n\rFirst check Outlook Express Blocked Senders List\n\rthen you can delete "
           "this file";
}

std::string RegistryFixture::backupFile(const char* kind) const {
    return readFile(root_ / "drive_c" / (std::string(kind) + " Plevo.txt"));
}

void RegistryFixture::showRegistryWindow() {
    registry_.flush();  // what the test set up is on disk; from here on writes are counted
    registryWrites_ = 0;
    showMainWindow();
    clickMain("Label4");  // "7.  Registry"
}

void RegistryFixture::clickIn(ui::Form& window, std::string_view name) {
    if (!window.active()) window.activate();
    user().click(window.get<ui::Control>(name));
}

std::string RegistryFixture::regFocus() const {
    return focusIn(reg_->form());
}

std::string RegistryFixture::mainFocus() const {
    return focusIn(main_->form());
}

const std::string RegistryFixture::kSampleIdentity =
    "Identities\\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}";

void RegistryFixture::openSampleIdentity() {
    const auto file = root_ / "HKEY_CURRENT_USER.reg";
    std::filesystem::remove(file);
    registry_.load(file);  // a first start: the sample registry, written at once
    ASSERT_TRUE(fileExists(file));
    openSampleLists();
}

void RegistryFixture::openSampleLists() {
    const std::string blocks =
        kSampleIdentity + "\\Software\\Microsoft\\Outlook Express\\5.0\\Block Senders";
    showRegistryWindow();
    dialogs_.expectMessage("You can use the Advanced Rules button")
        .expectMessage(infoMessage(blocks + "\\Mail"))
        .expectMessage(infoMessage(blocks + "\\News"))
        .expectMessage(backupMessage("Mail"))
        .expectMessage(backupMessage("News"));
    clickReg("OpenRegImage");
    ASSERT_EQ(reg<ui::ListBox>("ListBox1").lineCount(), 30);
    ASSERT_EQ(reg<ui::ListBox>("ListBox2").lineCount(), 4);
}

}  // namespace plevo::test
