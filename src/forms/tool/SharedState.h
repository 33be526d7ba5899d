#pragma once
// The process-wide values that the windows exchange. One instance lives in PlevoTool; every
// window reaches it through the tool, so each test builds a fresh one.

#include <string>

namespace plevo {

namespace ui {
class Memo;
}

struct SharedState {
    // The assistant drives the windows: informational messages are not shown, and a step that
    // clears the flag stops the assistant.
    bool AssistantRunning = false;
    // The working list stands for the registry lists, so "Save Changes" offers to put it back.
    bool ListFromRegistry = false;
    bool SafeListLoaded = false;
    bool SafeListSaved = false;
    int SaveReminderShown = 0;
    std::string StartFolder;
    std::string ListFileName;
    static constexpr const char* SafeDomainsFileName = "Outlook Safe Domains.txt";
    static constexpr const char* DefaultListName = "Blocked Senders List";
    std::string SafeDomainsHelp;

    // The search and its blinking marker.
    ui::Memo* SearchBox = nullptr;
    std::string FoundLine;
    int FoundLineIndex = -1;
};

}  // namespace plevo
