#pragma once
// What each window does for the others. A window reaches another only through these: never
// through its controls or fields, and never through its header, so that no window folder
// includes another.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace plevo {

namespace ui {
class Form;
}
class ShowMePulse;

// The main window: the working list, the safe list and the numbered steps.
class MainWindowIntents {
public:
    virtual ui::Form& form() = 0;
    // The pulse that points at the next step, in this window or the registry window.
    virtual ShowMePulse& pulse() = 0;
    // The registry window starts handing a list over: the step pictures back to full size, the
    // later steps' captions and the confirmation switch usable.
    virtual void prepareForRegistryList() = 0;
    // The registry window hands over the Mail (news false) or News list: it becomes the working
    // list, the steps are enabled, their marks reset, and the pulse points at step 2.
    virtual void takeRegistryList(const std::vector<std::string>& lines, bool news) = 0;
    // An open of the registry found a list: both searches can be used.
    virtual void enableSearches() = 0;
    // The "Show me" switch, which the registry window's own switch mirrors.
    virtual bool showMeOn() const = 0;
    virtual void setShowMe(bool on) = 0;
    // Stops the pulse and puts every step picture of both windows back to full size.
    virtual void ResetStepImages() = 0;

protected:
    ~MainWindowIntents() = default;
};

// The registry window: the Mail and News lists of the current identity, and its rules.
class RegistryWindowIntents {
public:
    virtual ui::Form& form() = 0;
    // Step 7: the window comes up with the pulse on its Open.
    virtual void showAtOpen() = 0;
    // The window's steps, as its pictures run them (the assistant drives them in turn).
    virtual void openRegistry() = 0;
    virtual void sortLists() = 0;
    virtual void saveLists() = 0;
    virtual void closeWindow() = 0;
    // An open has read the Mail or the News list (or both).
    virtual bool listsOpened() const = 0;
    // The working list goes back to the lists the option buttons name, with the messages that
    // say so or why not; returns the two lists' line counts after it.
    struct HandOver {
        int mail = 0;
        int news = 0;
    };
    virtual HandOver takeWorkingList(const std::vector<std::string>& lines) = 0;
    // The counts of both lists shown anew.
    virtual void refreshCounts() = 0;
    // The main window's working list was cleared or the program closes: the lists opened are
    // forgotten.
    virtual void forgetOpenedLists() = 0;
    virtual void resetStepImages() = 0;
    // The main window's "Show me" switch changed.
    virtual void setShowMe(bool on) = 0;
    // The rules key of the identity an open found ("" before).
    virtual std::string rulesKeyPath() const = 0;

protected:
    ~RegistryWindowIntents() = default;
};

// The how-to window: how to export the registry by hand.
class HowToIntents {
public:
    virtual void showWindow() = 0;

protected:
    ~HowToIntents() = default;
};

// What the user chose in the edit dialog for one entry.
struct EditAnswer {
    enum class Kind { Take, Skip, Cancel };
    Kind kind = Kind::Cancel;
    // The upper box as the user left it: emptied, the entry stays as it is.
    std::string entry;
    // The lower box: what the entry becomes, and what goes into the safe list.
    std::string domain;
    bool addToSafe = false;
};

// The edit dialog of step 3.
class EditDomainIntents {
public:
    // Shows the dialog modally over the main window for `entry` and the proposed `domain`, and
    // returns the user's answer. Closing it otherwise than by a button cancels.
    virtual EditAnswer ask(const std::string& entry, const std::string& domain) = 0;

protected:
    ~EditDomainIntents() = default;
};

// The rules window.
class RulesWindowIntents {
public:
    virtual void showModally() = 0;

protected:
    ~RulesWindowIntents() = default;
};

// The criteria dialog of a new rule.
class CriteriaIntents {
public:
    // The list (0 to 3) the user chose, or nullopt when the dialog was cancelled; modal.
    virtual std::optional<std::size_t> chooseList() = 0;

protected:
    ~CriteriaIntents() = default;
};

}  // namespace plevo
