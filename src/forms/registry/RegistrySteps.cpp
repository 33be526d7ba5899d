// The registry window's steps: Open (identity, rule set-up, reading the lists, backups), Sort
// (hand one list to the working list), accepting the worked list back, and Save.
#include <charconv>
#include <exception>
#include <initializer_list>

#include "forms/registry/RegistryUnit.h"
#include "forms/tool/ShowMePulse.h"
#include "forms/tool/Tool.h"
#include "lists/TextList.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Shell.h"
#include "registry/OutlookExpressStore.h"
#include "registry/RuleSetup.h"

namespace plevo {
namespace {

enum class Choice { Chosen, OutOfRange, NotANumber };

// An answer to the identity question: a whole number (optionally signed) in range, another
// whole number, or anything else.
Choice parseChoice(const std::string& answer, int count, int& chosen) {
    std::string_view text = answer;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        if (text.size() == 1) return Choice::NotANumber;
    }
    std::string_view digits = text.substr(!text.empty() && (text[0] == '+' || text[0] == '-'));
    if (digits.empty()) return Choice::NotANumber;
    for (char c : digits) {
        if (c < '0' || c > '9') return Choice::NotANumber;
    }
    long long value = 0;
    const auto [end, ec] =
        std::from_chars(text.data() + (text[0] == '+'), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return Choice::OutOfRange;
    if (value < 0 || value >= count) return Choice::OutOfRange;
    chosen = static_cast<int>(value);
    return Choice::Chosen;
}

}  // namespace

// ---- Open ----------------------------------------------------------------------------------

void TRegistryForm::Button1Click() {
    if (ruleFileLeft_) {
        ruleFileLeft_ = false;
        removeFile(tool_.driveC().resolve(kRuleSetupFile));
    }
    OpenEnd end = OpenEnd::Early;
    try {
        end = openSteps();
    } catch (...) {
        const std::exception_ptr error = std::current_exception();
        // An open run again by the rule set-up has finished itself before its error came here.
        if (nestedOpenFailed_) {
            nestedOpenFailed_ = false;
            std::rethrow_exception(error);
        }
        // A list cut short by the error cannot be saved: written back, it would replace every
        // entry after the error. Save is refused from here on, before any work on the list,
        // until an open reads the lists whole.
        enableSave(false);
        // The finish still runs (backups of what was read); then the error is shown. An error of
        // the finish itself is shown too, without hiding the first one.
        try {
            finishOpen(OpenEnd::Early);
        } catch (const std::exception& e) {
            tool_.dialogs().error(e.what());
        }
        std::rethrow_exception(error);
    }
    finishOpen(end);
}

TRegistryForm::OpenEnd TRegistryForm::openSteps() {
    Dialogs& d = tool_.dialogs();
    RegistryAccess& reg = tool_.registry();
    MainWindowIntents& main = tool_.mainWindow();

    main.ResetStepImages();
    tool_.pulse().stop();

    IdentityLabel->setCaption("");
    RegKeyLabel->setCaption("");
    BothLists = RadioBtnBoth->checked();
    clearLists();
    AdvancedPanel->setEnabled(false);
    AdvancedPanel->setFontColour(ui::colours::kGray);

    CurrentKeyPath = std::string(kIdentitiesKey);
    reg.closeKey();
    if (!reg.keyExists(CurrentKeyPath)) {
        d.message(
            "You have not set up any identities in Outlook or your\n\rregistry is corrupted. "
            "Try setting up a new Identity in Outlook");
        return OpenEnd::Early;
    }
    const std::vector<Identity> identities = findIdentities(reg).value_or(std::vector<Identity>{});
    if (identities.empty()) {
        d.message(
            "There are no Identities in Outlook to check.\n\rYou must first create an account "
            "in Outlook Express.");
        return OpenEnd::Early;
    }
    const int count = static_cast<int>(identities.size());
    int chosen = 0;
    if (count > 1) {
        std::string choices;
        for (int k = 0; k < count; ++k)
            choices += std::to_string(k) + ". " + identities[static_cast<std::size_t>(k)].userName +
                       "\n\r";
        const auto answer = d.input("Identity's",
                                    std::to_string(count) +
                                        " persons are using Outlook Express\n\rPlease choose an "
                                        "identity?\n\r\n\rThe default user is Main Identity,\n\r" +
                                        choices,
                                    "0");
        if (!answer) {
            Button1->setFocus();
            return OpenEnd::Early;
        }
        switch (parseChoice(*answer, count, chosen)) {
            case Choice::Chosen:
                break;
            case Choice::OutOfRange:
                Button1->setFocus();
                return OpenEnd::Early;
            case Choice::NotANumber:
                d.message("You can only select a number from 0 to " + std::to_string(count - 1));
                return OpenEnd::Early;
        }
    }
    const Identity& identity = identities[static_cast<std::size_t>(chosen)];
    IdentityLabel->setCaption("User: " + identity.userName);

    IdentityKeyPath = identity.keyPath;
    RulesKeyPath.clear();
    AdvancedPanel->setEnabled(true);
    AdvancedPanel->setFontColour(ui::colours::kBlack);

    if (reg.keyExists(rulesMailPath(IdentityKeyPath))) {
        RulesKeyPath = rulesMailPath(IdentityKeyPath);
        d.message("You can use the Advanced Rules button");
    } else if (!reg.keyExists(blockSendersPath(IdentityKeyPath))) {
        if (d.confirm(
                "You do not have any rules set up, would you like to do this now?\n\rYou will "
                "be asked to confirm an update to your registry,\n\rSelecting yes will update "
                "Outlook Express with a new rule",
                Buttons::YesNo) == Answer::No)
            return OpenEnd::Early;
        if (!setUpRule()) return OpenEnd::Early;
        // The open run again by the set-up has read and backed up the lists already; the passes
        // below read them afresh instead of adding them a second time.
        clearLists();
        RulesKeyPath = rulesMailPath(IdentityKeyPath);
        d.message("You can use the [Advanced Rules] button");
    }

    if (BothLists) {
        if (!readPass(0, true)) return OpenEnd::Early;
        if (!readPass(1, false)) return OpenEnd::Early;
    } else if (!readPass(0, RadioBtnMail->checked())) {
        return OpenEnd::Early;
    }
    return OpenEnd::AllPasses;
}

void TRegistryForm::clearLists() {
    ListBox1->setSorted(false);
    ListBox2->setSorted(false);
    RegistryGroupBox->setCaption("");
    MailOpened = false;
    NewsOpened = false;
    markOpened(MailGroupBox, false);
    markOpened(NewsGroupBox, false);
    ListBox1->clearLines();
    ListBox2->clearLines();
    OpenedListPaths = {};
    enableSave(false);
}

void TRegistryForm::enableSave(bool enabled) {
    for (ui::Control* c : std::initializer_list<ui::Control*>{Button3, SaveRegImage, SaveRegLabel})
        c->setEnabled(enabled);
}

bool TRegistryForm::readPass(int pass, bool mail) {
    SharedState& s = tool_.state();
    Dialogs& d = tool_.dialogs();
    RegistryAccess& reg = tool_.registry();
    const BlockList kind = mail ? BlockList::Mail : BlockList::News;

    CurrentKeyPath = IdentityKeyPath;
    const std::string listPath = blockListPath(IdentityKeyPath, kind);
    if (!reg.keyExists(listPath)) {
        d.message(mail ? "Please set up a Mail Blocked Senders List in Outlook Express\n\rthen try "
                         "again.\n\rDo this by opening Outlook Express Blocked Senders List\n\rand "
                         "check 1 of the boxes in the NEWS column"
                       : "Please set up a News Blocked Senders List in Outlook Express\n\rthen try "
                         "again.");
        return false;
    }
    CurrentKeyPath = listPath;
    if (!s.AssistantRunning)
        d.message(
            "You can use this program for Outlook Mail Block Senders List\n\r\n\rOnly the "
            "following registry entry will be changed.\n\rHKEY_CURRENT_USER\\" +
            CurrentKeyPath + "\\Criteria");
    if (!hasSubkeyNamedExactly(reg, CurrentKeyPath, kCriteriaKey)) return true;

    CurrentKeyPath = criteriaPath(CurrentKeyPath);
    RegKeyLabel->setCaption(CurrentKeyPath);
    // The pass's kind decides, not the path: an identity's key name may hold "News" or "Mail".
    (mail ? MailOpened : NewsOpened) = true;
    markOpened(mail ? MailGroupBox : NewsGroupBox, true);
    enableSave(true);
    SortRegLabel->setEnabled(true);

    // Entry by entry, so that an entry of the wrong type still leaves the ones before it in the
    // list (and in its backup). The list is filled once, with what was read.
    ui::ListBox* list = mail ? ListBox1 : ListBox2;
    std::vector<std::string> entries;
    try {
        readListEntriesInto(reg, CurrentKeyPath, entries);
    } catch (...) {
        list->addLines(entries);
        throw;
    }
    list->addLines(entries);
    OpenedListPaths[static_cast<std::size_t>(pass)] = CurrentKeyPath;
    openedListKinds_[static_cast<std::size_t>(pass)] = kind;
    refreshCounts();
    return true;
}

void TRegistryForm::finishOpen(OpenEnd end) {
    SharedState& s = tool_.state();
    MainWindowIntents& main = tool_.mainWindow();
    if (end == OpenEnd::Early || (!MailOpened && !NewsOpened)) s.AssistantRunning = false;
    ShowMePulse& pulse = tool_.pulse();
    if (MailOpened || NewsOpened) {
        main.enableSearches();
        Button2->setFocus();
        pulse.aim(*SortRegImage);
    }
    if (MailOpened) backup("Mail", ListBox1);
    if (NewsOpened) backup("News", ListBox2);
    // An open that ran to its end points again, from where the picture stands, at the step it
    // pointed at last.
    if (end == OpenEnd::AllPasses && pulse.target()) pulse.aim(*pulse.target());
}

void TRegistryForm::backup(const char* kind, const ui::ListBox* list) {
    const std::string name = std::string("C:\\") + kind + " Plevo.txt";
    // Written whole or not at all: a failed write leaves the earlier backup as it was.
    writeFileAtomic(tool_.driveC().resolve(name), formatRebuiltList(list->lines()));
    tool_.dialogs().message(std::string("A backup file has been saved for your [") + kind +
                            "]\n\rBlocked Senders List(Plevo) registry file.\n\rSaved as; " + name +
                            "\n\rFirst check Outlook Express Blocked Senders List\n\rthen you can "
                            "delete this file");
}

bool TRegistryForm::setUpRule() {
    Dialogs& d = tool_.dialogs();
    const auto text = ruleSetupText(IdentityKeyPath);
    if (!text) {
        // A key name with control characters or "]" could add other keys to the import text.
        d.message(
            "The identity's key name holds characters that cannot be written safely into "
            "a registry file:\n\r" +
            IdentityKeyPath + "\n\rNo rule has been set up.");
        return false;
    }
    const std::filesystem::path file = tool_.driveC().resolve(kRuleSetupFile);
    writeFileAtomic(file, *text);
    ShellRun run = ShellRun::Refused;
    try {
        {
            // The open returns when the import has ended. Meanwhile window events run, and a
            // step clicked then must not start a second open under this one.
            EventPump::Walk walk(tool_.pump());
            run = tool_.shell().open(file, std::string(kRuleSetupFile));
        }
        tool_.pump().pumpNow();
        if (run != ShellRun::Refused)
            d.message(
                "A Rule has been set up for you.\n\rPlease reopen your Identity if requested");
    } catch (...) {
        if (run != ShellRun::Running) removeFile(file);
        throw;
    }
    // An import that nothing could wait for may not have read the file yet: it stays until the
    // user's next open (not the one run again here).
    const bool keepFile = run == ShellRun::Running;
    if (!keepFile) removeFile(file);
    const bool started = run != ShellRun::Refused;
    if (started) {
        // The whole open again, with its own questions.
        try {
            Button1Click();
        } catch (...) {
            nestedOpenFailed_ = true;
            ruleFileLeft_ = keepFile;
            throw;
        }
    }
    ruleFileLeft_ = keepFile;
    return started;
}

// ---- Sort: hand one list to the working list ---------------------------------------------------

void TRegistryForm::Button2Click() {
    Dialogs& d = tool_.dialogs();
    MainWindowIntents& main = tool_.mainWindow();
    main.prepareForRegistryList();

    if (RadioBtnMail->checked() && !MailOpened) {
        d.message("You must create and open the Mail Blocked Senders List");
        return;
    }
    if (RadioBtnNews->checked() && !NewsOpened) {
        d.message("You must create and open the News Blocked Senders List");
        return;
    }
    if (RadioBtnBoth->checked() && !MailOpened) {
        d.message("You must create an Outlook Express Mail Blocked Senders List");
        return;
    }
    if (RadioBtnBoth->checked() && !NewsOpened) {
        d.message(
            "You do not have an Outlook Express News Blocked Senders List\n\rFor now you can "
            "only work on your Mail Blocked Senders List\n\rOpen Outlook Express, go to your "
            "Blocked Senders List. In the News\n\rcolumn, put a check in the News column, then "
            "try again.");
        RadioBtnMail->setChecked(true);
        OptionClick();
    }
    const bool news = RadioBtnNews->checked();
    main.takeRegistryList(news ? ListBox2->lines() : ListBox1->lines(), news);
}

// ---- Accept the worked list ---------------------------------------------------------------

void TRegistryForm::acceptList(ListOption option, const std::vector<std::string>& lines) {
    auto replace = [&](ui::ListBox* list) {
        list->clearLines();
        list->setSorted(true);
        list->addLines(lines);
    };
    if (option != ListOption::News) replace(ListBox1);
    if (option != ListOption::Mail) replace(ListBox2);
}

// ---- Save: write the lists back over their entry keys -----------------------------------------

void TRegistryForm::Button3Click() {
    tool_.mainWindow().ResetStepImages();
    RegistryAccess& reg = tool_.registry();
    const int passes = BothLists ? 2 : 1;
    for (int p = 0; p < passes; ++p) {
        const std::string& path = OpenedListPaths[static_cast<std::size_t>(p)];
        reg.closeKey();
        if (path.empty() || !reg.keyExists(path)) continue;
        const ui::ListBox* source =
            openedListKinds_[static_cast<std::size_t>(p)] == BlockList::News ? ListBox2 : ListBox1;
        writeListEntries(reg, path, source->lines());
    }
    reg.closeKey();
    if (!tool_.state().AssistantRunning)
        tool_.dialogs().message("Registry updated, you can close now.");
    CloseRegBtn->setFocus();
}

RegistryWindowIntents::HandOver TRegistryForm::takeWorkingList(
    const std::vector<std::string>& lines) {
    using Option = ListOption;
    SharedState& s = tool_.state();
    Dialogs& d = tool_.dialogs();
    showWindow();
    const std::string list = SharedState::DefaultListName;
    auto accepted = [&](Option option, const std::string& first, const std::string& second) {
        acceptList(option, lines);
        if (!s.AssistantRunning)
            d.message(
                messageLines({first, second, "", "Only save to the registry if you are sure?"}));
        pointAtSave();
    };
    switch (checkedOption()) {
        case Option::Mail:
            if (MailOpened)
                accepted(Option::Mail, "The text file has replaced the original " + list,
                         "[Mail] registry entries.");
            else
                d.message(optionCaption(Option::Mail) + " is not available.");
            break;
        case Option::News:
            if (NewsOpened)
                accepted(Option::News, "The text file has replaced the original " + list,
                         "[News] registry entries.");
            else
                d.message(optionCaption(Option::News) + " is not available.");
            break;
        case Option::Both:
            if (MailOpened && NewsOpened)
                accepted(Option::Both, "The text file has replaced both the original " + list,
                         "[Mail] and [News] registry entries.");
            else
                d.message(messageLines({optionCaption(Option::Mail) + " or ",
                                        optionCaption(Option::News) + " may not be available."}));
            break;
    }
    return {mailCount(), newsCount()};
}

}  // namespace plevo
