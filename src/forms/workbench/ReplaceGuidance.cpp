// Guidance on the main window: the three animations that run on steps 1, 7 and 8 until the user
// starts, the show-me switch, the help panel and the how-to window. The pulse that points at the
// next step is ShowMePulse.
#include "forms/tool/Tool.h"
#include "forms/workbench/ReplaceCharsUnit.h"

namespace plevo {

const char* const TReplace::kMainHelpLines[55] = {
    "Info: The domain name is the address after the @ sign.",
    "",
    " Buttons Help:",
    " 1. Open any text file that you want to sort. This will normally be a",
    "     registry .txt file you may have previously saved.",
    "",
    " 2. This removes the email name and @ sign from the email address.",
    "     This will leave just a domain name if the domain is not listed in ",
    "     the Domain names (Not to be blocked)",
    "     This option will block all emails by the domain name.",
    "",
    "     Note! Select the Checkbox if you want to confirm the deletion.",
    "               The default is checked.",
    "",
    " 3. Some domain names have many parts separated by a (.) period.",
    "     Spammers use this to create multiple emails, you can greatly reduce",
    "     spam by blocking the last section of the domain name. ",
    "     This button allows you to edit the domain.",
    "",
    "     Ex: @offers.shop.co.example could become shop.co.example, or co.example",
    "     to block every address under that two-part country suffix.",
    "     Take care: blocking a whole common suffix or the domain of a large mail",
    "     provider is rarely what you want. You might want to add such domains to the \"Not "
    "Blocked\"",
    "     List (safe domain list) you can do this by selecting No when prompted to",
    "     Remove the email part, then select Yes to add the name to the safe domain ",
    "     list.",
    "",
    " 4.This will delete exact duplicate names. Also, If you have a domain",
    "     name listed in the blocked list, any email from the same domain will also ",
    "     be deleted. (Unless the domain is listed in the Domain names Not to be ",
    "     Blocked). ",
    "     This is only common sense, as you have already blocked the domain.",
    "",
    " 5.This option simply rearranges and sorts each line alphabetically. This can",
    "     be useful when you want to search for a name.",
    "",
    " 6.You can save the text file or a copy of the registry file. (If you opened the ",
    "     registry file using button 7). You will then be given the option to save any ",
    "     changes you have made to the registry. i.e. this will update the ",
    "     Blocked Senders List",
    "",
    " 7.This button will try and open the registry. If successful, the Outlook Express ",
    "     Blocked Senders List will be opened and you can then sort it using",
    "     the above options.",
    "",
    "     Select the [Show Me] checkbox to show visual button animated help",
    "",
    "8.  The Assist me button will automate most of the actions necessary to open",
    "     the Outlook Express Blocked Senders List from your registry and save any",
    "     changes made.",
    "     There may be some information or confirmation required by you, but this ",
    "     will be minimal.",
    "     ",
    "     For more help, write to support@plevo.example",
    "",
};

bool TReplace::showMeOn() const {
    return ShowMeCheckBox->checked();
}

void TReplace::setShowMe(bool on) {
    // The registry window's switch sets this one; the animations follow as after a click.
    if (ShowMeCheckBox->checked() == on) return;
    ShowMeCheckBox->setChecked(on);
    ShowMeCheckBoxClick();
}

void TReplace::ShowMeCheckBoxClick() {
    // The registry window's box always shows the same state. With the switch off the pulse's
    // ticks do nothing and it waits where it is.
    const bool on = ShowMeCheckBox->checked();
    tool_.registryWindow().setShowMe(on);
    if (on) {
        // They go on from the frames and the interval they had.
        Timer2->start();
        Timer3->start();
        Timer4->start();
    } else {
        stopGuidance();
    }
}

void TReplace::Timer2Timer() {
    const bool first = RegistryImage1->visible();
    RegistryImage1->setVisible(!first);
    RegistryImage3->setVisible(!first);
    RegistryImage2->setVisible(first);
    RegistryImage4->setVisible(first);
    // The blinking speeds up to 25 ms, slows down to 1500 ms, and so on.
    const auto interval = static_cast<unsigned>(Timer2->interval());
    if (interval >= 1500)
        RegistryBlinkSlowing = false;
    else if (interval <= 25)
        RegistryBlinkSlowing = true;
    const unsigned step = interval < 150 ? 1 : interval < 350 ? 2 : interval < 750 ? 10 : 50;
    Timer2->setInterval(static_cast<int>(RegistryBlinkSlowing ? interval + step : interval - step));
}

void TReplace::Timer3Timer() {
    const bool first = AssistImage1->visible();
    AssistImage1->setVisible(!first);
    AssistImage2->setVisible(first);
}

void TReplace::Timer4Timer() {
    ui::Picture* const frames[] = {OpenImage,  OpenImage1, OpenImage2,
                                   OpenImage4, OpenImage5, OpenImage3};
    ui::Picture* next = OpenImage;  // when none of the first five is shown
    if (OpenImage->visible())
        next = OpenImage1;
    else if (OpenImage1->visible())
        next = OpenImage2;
    else if (OpenImage2->visible())
        next = OpenImage4;
    else if (OpenImage4->visible())
        next = OpenImage5;
    for (ui::Picture* f : frames) f->setVisible(f == next);
}

void TReplace::stopGuidance() {
    Timer2->stop();
    Timer3->stop();
    Timer4->stop();
    RegistryImage1->setVisible(true);
    RegistryImage3->setVisible(true);
    RegistryImage2->setVisible(false);
    RegistryImage4->setVisible(false);
}

void TReplace::HelpImageClick() {
    const bool showHelp = !HelpPanel->visible();
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{TextPanel, DomainPanel, DoNotBlockPanel, BlockPanel})
        c->setVisible(!showHelp);
    HelpPanel->setVisible(showHelp);
}

void TReplace::BitBtn2Click() {
    tool_.howTo().showWindow();
}

}  // namespace plevo
