// "8. Assist me": the whole clean-up of an identity's Blocked Senders List in one go, by running
// the very handlers of the steps a user would click, in order. The shared flag AssistantRunning
// keeps informational messages away and tells the run when a step could not go on.
#include "forms/tool/Tool.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "platform/Dialogs.h"

namespace plevo {

void TReplace::Panel4Click() {
    SharedState& s = tool_.state();
    Dialogs& d = tool_.dialogs();
    RegistryWindowIntents& reg = tool_.registryWindow();

    Timer3->stop();
    Timer2->stop();
    Timer4->stop();
    s.AssistantRunning = true;
    // However the run ends (an error included), the flag goes back to false.
    struct EndOfRun {
        SharedState& state;
        ~EndOfRun() { state.AssistantRunning = false; }
    } end{s};
    // Steps clicked meanwhile wait: the run owns the lists until it ends.
    EventPump::Walk run(tool_.pump());

    Button10Click();
    reg.openRegistry();
    if (!s.AssistantRunning) {
        reg.closeWindow();
        d.message(
            "Sorry I cannot open the Outlook Express Block Senders List\n\rTry adding a Rule or "
            "blocking at least one email in Outlook\n\rExpress.\n\rClose Outlook and then try this "
            "program again.");
        return;
    }
    reg.sortLists();
    Button1Click();
    Button8Click();
    Button5Click();
    Button6Click();
    Button2Click();
    if (!s.AssistantRunning) return;  // the import was declined: the registry stays as it was
    reg.saveLists();
    reg.closeWindow();
    d.message("Your Blocked Senders List has been successfully updated");
}

}  // namespace plevo
