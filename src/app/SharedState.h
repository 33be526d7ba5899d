#pragma once
// The process-wide values that the windows exchange. One instance lives in PlevoTool; every
// window reaches it through the tool, so each test builds a fresh one.

#include <string>

class QPlainTextEdit;

namespace plevo {

class TImage;

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

    // The exchange between "Edit.. Domain Names" and the edit-domain dialog.
    std::string EditEntry;
    std::string EditDomainPart;
    bool EditSkipped = false;
    bool EditCancelled = false;
    bool EditAddToSafe = false;

    // The search and its blinking marker.
    QPlainTextEdit* SearchBox = nullptr;
    std::string FoundLine;
    int FoundLineIndex = -1;

    // The step picture that pulses next, and its current width and height.
    TImage* AnimImage = nullptr;
    int AnimSize = 0;
    static constexpr int AnimFullSize = 33;
};

}  // namespace plevo
