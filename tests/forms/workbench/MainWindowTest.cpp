// Start-up, the main window's controls, keys, counters and closing.
#include "forms/guidance/HowToUnit.h"
#include "forms/registry/RegistryUnit.h"
#include "forms/rules/AdvancedUnit.h"
#include "forms/rules/CriteriaDlgUnit.h"
#include "forms/workbench/EditDialogUnit.h"
#include "platform/Files.h"
#include "support/TestToolkit.h"
#include "support/ToolFixture.h"
#include "ui/Toolkit.h"

#include <chrono>
#include <thread>

namespace plevo::test {
namespace {

class MainWindow : public ToolFixture {
protected:
    ui::Form& registryWindow() const { return tool_->RegistryForm().form(); }
};

TEST_F(MainWindow, WindowsAreCreatedOnceWithTheirCaptions) {
    EXPECT_EQ(main_->form().caption(), "Outlook Express - Blocked Senders List");
    EXPECT_EQ(tool_->HowTo().form().caption(), "How to use Regedit.exe");
    EXPECT_EQ(registryWindow().caption(),
              "Registry (The registry contains the Outlook Express Blocked Senders List)");
    EXPECT_EQ(tool_->OKBottomDlg().form().caption(), "Edit Domain Name");
    EXPECT_EQ(tool_->AdvancedForm().form().caption(),
              "Advanced Options - Manage your email filters");
    EXPECT_EQ(tool_->CriteriaDlg().form().caption(), "Criteria Option");
    EXPECT_EQ(main_->form().clientSize(),
              (ui::Size{TReplace::kClientWidth, TReplace::kClientHeight}));
    const auto windows = tool_->windows();
    EXPECT_EQ(windows[0], &main_->form());
    EXPECT_EQ(windows[3], &tool_->OKBottomDlg().form());
}

TEST_F(MainWindow, ControlsAtStart) {
    struct Expect {
        const char* name;
        const char* caption;
        bool enabled;
    };
    const Expect labels[] = {
        {"BlockPanel", "Block All Emails and Domain names in this list", true},
        {"DoNotBlockPanel", "Do Not block any emails from these Domains", true},
        {"Label2", "Number of text entry lines =", true},
        {"Label1", "0", true},
        {"Label7", "Click here to search for an email or domain", false},
        {"Label5", "Number of Domain names listed =", true},
        {"Label6", "0", true},
        {"Label8", "Click here to search for a  domain name", false},
        {"Label17", "Open Outlook Safe Domain list", true},
        {"Label18", "Save", true},
        {"Label9", "1. Open Text File", true},
        {"Label10", "3. Edit Domain Name", false},
        {"Label12", "4. Delete duplicate entries", false},
        {"Label11", "5. Sort alphabetically", false},
        {"Label13", "6. Save Text File  or Save   the File to the Registry   ", false},
        {"Label4", "7.  Registry", true},
        {"Label16", "   8. Assist me", true},
        {"Label15", "Clear List", true},
        {"Label19", "Help", true},
        {"Label14", "Registry", true},
        {"Label20", "Show    me", true},
        {"Panel1", "0 %", true},
        {"Panel10", "1", true},
        {"Panel11", "2", true},
    };
    for (const auto& e : labels) {
        EXPECT_EQ(caption(e.name), e.caption) << e.name;
        EXPECT_EQ(enabled(e.name), e.enabled) << e.name;
    }
    const Expect buttons[] = {
        {"Button7", "Open Text File", true},
        {"Button1", "Remove email name upto and including @", false},
        {"Button8", "Edit.. Domain Names", false},
        {"Button5", "Del Duplicate Names", false},
        {"Button6", "Sort Alphabetically", false},
        {"Button2", "Save Changes", false},
        {"Button9", "Clear Text File", false},
        {"Button10", "Registry", true},
        {"Button3", "Open Outlook File", true},
        {"Button4", "Save Outlook File", false},
        {"BitBtn2", "How to use Registry Editor ", true},
    };
    for (const auto& e : buttons) {
        const ui::Button& b = control<ui::Button>(e.name);
        EXPECT_EQ(b.caption(), e.caption) << e.name;
        EXPECT_EQ(b.enabled(), e.enabled) << e.name;
        // The push buttons lie below the visible client area.
        EXPECT_GE(b.geometry().y, main_->form().clientSize().h) << e.name;
    }
    EXPECT_EQ(control<ui::Button>("Button4").hint(), "Sort and Save this list");
    const ui::CheckBox& confirm = control<ui::CheckBox>("CheckBox2");
    EXPECT_EQ(confirm.caption(), "2. Confirm removal of   email name upto @");
    EXPECT_TRUE(confirm.checked());
    EXPECT_FALSE(confirm.enabled());
    EXPECT_TRUE(control<ui::CheckBox>("ShowMeCheckBox").checked());
    EXPECT_TRUE(main_->showMeOn());
    EXPECT_EQ(caption("DomainsGroupBox"), "Safe Domain Names (Not to be blocked)");
    EXPECT_EQ(control<ui::Edit>("Edit1").hint(), "Leave this blank to Open or Save a new file");
    for (const char* name :
         {"RemoveImage", "EditImage", "DeleteImage", "SortImage", "SaveImage", "SaveOutlookImage"})
        EXPECT_FALSE(enabled(name)) << name;
    for (const char* name : {"OpenImage", "ClearTextImage", "HelpImage", "HowtoImage", "CloseImage",
                             "OpenOutlookImage", "RegistryImage1", "AssistImage1", "Image2"})
        EXPECT_TRUE(enabled(name)) << name;
    for (const std::string base :
         {"RemoveImage", "EditImage", "DeleteImage", "SortImage", "SaveImage"}) {
        EXPECT_TRUE(visible(base + "No")) << base;
        EXPECT_FALSE(visible(base + "Yes")) << base;
    }
    EXPECT_FALSE(visible("Panel10"));
    EXPECT_FALSE(visible("Panel11"));
    EXPECT_FALSE(visible("HelpPanel"));
}

TEST_F(MainWindow, FirstShowingWithoutTheSafeDomainsFile) {
    showMainWindow();
    EXPECT_EQ(caption("Edit1"), "");
    EXPECT_EQ(tool_->state().StartFolder, pathText(start_));
    // The help text as the box holds it, lines ended by CR LF.
    EXPECT_EQ(tool_->state().SafeDomainsHelp, memo("Memo2").text());
    EXPECT_NE(tool_->state().SafeDomainsHelp.find("\r\n"), std::string::npos);
    EXPECT_EQ(control<ui::Memo>("MemoMainHelp").geometry().w,
              (control<ui::Panel>("HelpPanel").geometry().w / 10) * 6);
    // Showing the window again greets nobody.
    main_->form().hide();
    main_->form().show();
    testToolkit().processEvents();
}

TEST_F(MainWindow, FirstShowingWithTheSafeDomainsFileShowsItsPathButDoesNotLoadIt) {
    writeFile("Outlook Safe Domains.txt", "mail.example\r\n");
    const std::string helpText = memo("Memo2").text();
    showMainWindow();
    EXPECT_EQ(caption("Edit1"), startPath("Outlook Safe Domains.txt"));
    EXPECT_EQ(memo("Memo2").text(), helpText);
}

TEST_F(MainWindow, F1TogglesTheHelpPanelFromAnywhere) {
    showMainWindow();
    userClick("Memo1");
    const std::string before = memo("Memo1").text();
    user().press({.key = ui::kKeyF1});
    EXPECT_TRUE(visible("HelpPanel"));
    for (const char* name : {"TextPanel", "DomainPanel", "BlockPanel", "DoNotBlockPanel"})
        EXPECT_FALSE(visible(name)) << name;
    user().press({.key = ui::kKeyF1});
    EXPECT_FALSE(visible("HelpPanel"));
    for (const char* name : {"TextPanel", "DomainPanel", "BlockPanel", "DoNotBlockPanel"})
        EXPECT_TRUE(visible(name)) << name;
    EXPECT_EQ(memo("Memo1").text(), before);  // F1 typed nothing
}

TEST_F(MainWindow, EnterPressesTheFocusedButtonInEveryWindow) {
    showMainWindow();
    for (ui::Form* window : tool_->windows()) {
        for (ui::Control* c : window->controls()) {
            if (c->kind() != ui::Kind::Button) continue;
            const std::string name = window->name() + "." + c->name();
            const bool wasEnabled = c->enabled();
            ui::Handler handler = std::move(c->onClick);
            int pressed = 0;
            c->onClick = [&] { ++pressed; };
            // Buttons that start in a disabled container (the rules window's word tools) are
            // made usable with it.
            std::vector<std::pair<ui::Control*, bool>> containers;
            for (ui::Control* p = c->parent(); p; p = p->parent())
                containers.emplace_back(p, p->enabled());
            for (auto& [container, was] : containers) container->setEnabled(true);
            c->setEnabled(true);
            // A button that ends the showing hides its window: it is shown again for the next.
            window->show();
            c->setFocus();
            user().press({.key = ui::kKeyReturn});
            EXPECT_EQ(pressed, 1) << name;
            c->onClick = std::move(handler);
            c->setEnabled(wasEnabled);
            for (auto& [container, was] : containers) container->setEnabled(was);
        }
        if (window != &main_->form()) window->hide();
    }
    ui::Form& reg = registryWindow();
    reg.hide();
    main_->form().activate();
    control<ui::Button>("Button10").setFocus();
    user().press({.key = ui::kKeyReturn});  // "7.  Registry"
    EXPECT_TRUE(reg.visible());
}

TEST_F(MainWindow, AnEmptyListShowsAnEmptyBarNotABusyOne) {
    showMainWindow();
    memo("Memo1").setText("");
    main_->PrepareProgress();
    const ui::ProgressBar& bar = control<ui::ProgressBar>("ProgressBar1");
    EXPECT_GT(bar.maximum(), 0);
    EXPECT_LE(bar.position(), 0);  // empty
    EXPECT_EQ(caption("Panel1"), "0 %");
}

TEST_F(MainWindow, CtrlASelectsOnlyTheFocusedBox) {
    showMainWindow();
    dialogs_.expectMessage(kReminder);
    userClick("Memo2");
    user().press({.key = 'A', .ctrl = true});
    EXPECT_EQ(memo("Memo2").selectedText(), memo("Memo2").text());
    EXPECT_EQ(memo("Memo1").selectedText(), "");
}

TEST_F(MainWindow, LineCounterFollowsEveryChangeWithALeadingBlank) {
    showMainWindow();
    memo("Memo1").setText("a\nb\n");
    EXPECT_EQ(caption("Label1"), " 2");
    memo("Memo1").setText("a\n\nb");
    EXPECT_EQ(caption("Label1"), " 3");
    memo("Memo1").setText("");
    EXPECT_EQ(caption("Label1"), " 0");
    userClick("Memo1");
    user().type("x");
    EXPECT_EQ(caption("Label1"), " 1");
}

TEST_F(MainWindow, RegistryStepShowsTheRegistryWindowAndAimsAtItsOpenStep) {
    showMainWindow();
    timer("Timer2").start();
    control<ui::Picture>("RegistryImage1").setVisible(false);
    control<ui::Picture>("RegistryImage2").setVisible(true);
    control<ui::Picture>("RemoveImageNo").setVisible(false);
    control<ui::Picture>("RemoveImageYes").setVisible(true);
    userClick("Label4");
    // The click has returned with the registry window open: it is not shown modally.
    ui::Form& reg = registryWindow();
    EXPECT_TRUE(reg.visible());
    EXPECT_FALSE(timer("Timer2").running());
    EXPECT_TRUE(visible("RegistryImage1"));
    EXPECT_FALSE(visible("RegistryImage2"));
    EXPECT_TRUE(visible("RemoveImageNo"));
    EXPECT_FALSE(visible("RemoveImageYes"));
    EXPECT_EQ(reg.focusedControl(), reg.find("Button1"));
    EXPECT_EQ(tool_->pulse().target(), &reg.get<ui::Picture>("OpenRegImage"));
    EXPECT_TRUE(timer("AnimateBtnTimer").running());
}

TEST_F(MainWindow, ShowMePulseShrinksToTwoAndGrowsBackIn64Ticks) {
    showMainWindow();
    ui::Picture& picture = control<ui::Picture>("OpenImage");
    main_->PointNextStep(&control<ui::Button>("Button7"), &picture);
    const ui::Rect start = picture.geometry();
    int ticks = 0;
    int smallest = 33;
    // The timer is not left to fire (no event loop runs here): each tick is run by hand.
    while (timer("AnimateBtnTimer").running() && ticks < 1000) {
        timer("AnimateBtnTimer").tick();
        smallest = std::min(smallest, picture.geometry().w);
        ++ticks;
    }
    EXPECT_EQ(ticks, 64);
    EXPECT_EQ(smallest, 2);
    EXPECT_EQ(picture.geometry(), start);  // full size again, the corner where it was
    // The next pulse starts by shrinking again.
    main_->PointNextStep(&control<ui::Button>("Button7"), &picture);
    timer("AnimateBtnTimer").tick();
    EXPECT_EQ(picture.geometry().w, 32);
}

TEST_F(MainWindow, ClosingAsksAboutTheSafeListOnlyAfterASave) {
    writeFile("Outlook Safe Domains.txt", "b.example\r\na.example\r\n");
    showMainWindow();
    dialogs_.expectMessage(kReminder).expectMessage(startPath("Outlook Safe Domains.txt") +
                                                    " opened successfully");
    userClick("OpenOutlookImage");
    userClick("CloseImage");  // loaded, never saved: no question
    dialogs_.verify();

    main_->form().show();
    dialogs_.expectMessage("Outlook Safe Domains.txt saved.")
        .expectConfirm("Do you want to save the Safe Domains List?", Buttons::YesNo, Answer::Yes)
        .expectMessage("Outlook Safe Domains.txt saved.");
    userClick("SaveOutlookImage");
    tool_->RegistryForm().OpenedListPaths = {"Identities\\x\\Criteria", "y"};
    userClick("CloseImage");
    EXPECT_EQ(tool_->RegistryForm().OpenedListPaths[0], "");
    EXPECT_EQ(tool_->RegistryForm().OpenedListPaths[1], "");
}

TEST_F(MainWindow, AnExceptionInAHandlerShowsTheErrorAndTheProgramGoesOn) {
    dialogs_.expectError("boom");
    tool_->handle([] { throw std::runtime_error("boom"); });
    int ran = 0;
    tool_->handle([&] { ++ran; });
    EXPECT_EQ(ran, 1);
}

TEST_F(MainWindow, StepsAreRefusedWhileAWalkRuns) {
    int ran = 0;
    {
        EventPump::Walk walk(tool_->pump());
        tool_->handleStep([&] { ++ran; });
        tool_->handle([&] { ++ran; });  // other handlers (typing, timers) still run
    }
    EXPECT_EQ(ran, 1);
    tool_->handleStep([&] { ++ran; });
    EXPECT_EQ(ran, 2);
}

}  // namespace
}  // namespace plevo::test

namespace plevo::test {
namespace {

TEST_F(MainWindow, AClickOnAStepsPictureOrCaptionRunsItOnce) {
    showMainWindow();
    timer("Timer4").stop();  // the top picture stays shown
    control<ui::Picture>("OpenImage3").setVisible(true);
    const FileDialogOptions open = openListOptions();
    for (const char* name : {"Label9", "OpenImage3"}) {
        dialogs_.expectOpenFile(open, std::nullopt);
        userClick(name);
        dialogs_.verify();
    }
    // The welcome message, then exactly one dialog per click.
    EXPECT_EQ(dialogs_.transcript().size(), 3u);
    userClick("RegistryImage1");
    EXPECT_TRUE(registryWindow().visible());
}

TEST_F(MainWindow, AStepQueuedWhileTheListIsSortedIsRefused) {
    showMainWindow();
    memo("Memo1").setText("b\na\n");
    control<ui::Picture>("SortImage").setEnabled(true);
    tool_->state().AssistantRunning = true;
    // Clear Text File waits in the queue; the sort lets events run, but not that one.
    ui::Timer& queued = main_->form().addTimer("QueuedClick", 0);
    bool clicked = false;
    queued.onTimer = [&] {
        queued.stop();
        clicked = true;
        userClick("ClearTextImage");
    };
    queued.start();
    // Due before the sort pumps: a system timer fires no sooner than its minimum interval.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    userClick("SortImage");
    EXPECT_TRUE(clicked);
    EXPECT_EQ(memo("Memo1").lines(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(MainWindow, ClosingWhileAWalkAsksIsRefusedAndAFailedSaveStillCloses) {
    writeFile("Outlook Safe Domains.txt", "a.example\r\n");
    showMainWindow();
    dialogs_.expectMessage(kReminder)
        .expectMessage(startPath("Outlook Safe Domains.txt") + " opened successfully")
        .expectMessage("Outlook Safe Domains.txt saved.");
    userClick("OpenOutlookImage");
    userClick("SaveOutlookImage");
    {
        EventPump::Walk walk(tool_->pump());
        userClick("CloseImage");  // refused: nothing asked
        EXPECT_TRUE(main_->form().visible());
    }
    tool_->RegistryForm().OpenedListPaths = {"x", "y"};
    tool_->state().StartFolder = pathText(root_ / "gone");  // the save will fail
    dialogs_
        .expectConfirm("Do you want to save the Safe Domains List?", Buttons::YesNo, Answer::Yes)
        .expectError("gone");
    userClick("CloseImage");
    EXPECT_FALSE(main_->form().visible());
    EXPECT_EQ(tool_->RegistryForm().OpenedListPaths[0], "");
}

}  // namespace
}  // namespace plevo::test
