// Start-up, the main window's controls, keys, counters and closing.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "forms/guidance/HowToUnit.h"
#include "platform/Files.h"
#include "forms/registry/RegistryUnit.h"
#include "forms/rules/AdvancedUnit.h"
#include "forms/rules/CriteriaDlgUnit.h"
#include "support/ToolFixture.h"
#include "forms/workbench/EditDialogUnit.h"

namespace plevo::test {
namespace {

class MainWindow : public ToolFixture {};

TEST_F(MainWindow, WindowsAreCreatedOnceWithTheirCaptions) {
    EXPECT_EQ(main_->windowTitle(), "Outlook Express - Blocked Senders List");
    EXPECT_EQ(tool_->HowTo().windowTitle(), "How to use Regedit.exe");
    EXPECT_EQ(tool_->RegistryForm().windowTitle(),
              "Registry (The registry contains the Outlook Express Blocked Senders List)");
    EXPECT_EQ(tool_->OKBottomDlg().windowTitle(), "Edit Domain Name");
    EXPECT_EQ(tool_->AdvancedForm().windowTitle(), "Advanced Options - Manage your email filters");
    EXPECT_EQ(tool_->CriteriaDlg().windowTitle(), "Criteria Option");
    EXPECT_EQ(main_->size(), QSize(TReplace::kClientWidth, TReplace::kClientHeight));
    EXPECT_EQ(main_->minimumSize(), main_->maximumSize());  // not resizable
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
        auto* l = main_->findChild<QLabel*>(e.name);
        ASSERT_NE(l, nullptr) << e.name;
        EXPECT_EQ(l->text(), e.caption) << e.name;
        EXPECT_EQ(l->isEnabled(), e.enabled) << e.name;
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
        auto* b = main_->findChild<QPushButton*>(e.name);
        ASSERT_NE(b, nullptr) << e.name;
        EXPECT_EQ(b->text(), e.caption) << e.name;
        EXPECT_EQ(b->isEnabled(), e.enabled) << e.name;
        // The push buttons lie below the visible client area.
        EXPECT_GE(b->y(), main_->height()) << e.name;
    }
    EXPECT_EQ(main_->Button4->toolTip(), "Sort and Save this list");
    EXPECT_EQ(main_->CheckBox2->text(), "2. Confirm removal of   email name upto @");
    EXPECT_TRUE(main_->CheckBox2->isChecked());
    EXPECT_FALSE(main_->CheckBox2->isEnabled());
    EXPECT_TRUE(main_->ShowMeCheckBox->isChecked());
    EXPECT_EQ(main_->DomainsGroupBox->title(), "Safe Domain Names (Not to be blocked)");
    EXPECT_EQ(main_->Edit1->toolTip(), "Leave this blank to Open or Save a new file");
    for (const char* name :
         {"RemoveImage", "EditImage", "DeleteImage", "SortImage", "SaveImage", "SaveOutlookImage"})
        EXPECT_FALSE(main_->findChild<QWidget*>(name)->isEnabled()) << name;
    for (const char* name : {"OpenImage", "ClearTextImage", "HelpImage", "HowtoImage", "CloseImage",
                             "OpenOutlookImage", "RegistryImage1", "AssistImage1", "Image2"})
        EXPECT_TRUE(main_->findChild<QWidget*>(name)->isEnabled()) << name;
    for (const char* base : {"RemoveImage", "EditImage", "DeleteImage", "SortImage", "SaveImage"}) {
        EXPECT_FALSE(main_->findChild<QWidget*>(QString(base) + "No")->isHidden()) << base;
        EXPECT_TRUE(main_->findChild<QWidget*>(QString(base) + "Yes")->isHidden()) << base;
    }
    EXPECT_TRUE(main_->Panel10->isHidden());
    EXPECT_TRUE(main_->Panel11->isHidden());
    EXPECT_TRUE(main_->HelpPanel->isHidden());
}

TEST_F(MainWindow, FirstShowingWithoutTheSafeDomainsFile) {
    showMainWindow();
    EXPECT_EQ(main_->Edit1->text(), "");
    EXPECT_EQ(tool_->state().StartFolder, pathText(start_));
    EXPECT_EQ(tool_->state().SafeDomainsHelp, formatTextList(main_->Memo2->textList()));
    EXPECT_NE(tool_->state().SafeDomainsHelp.find("\r\n"), std::string::npos);
    EXPECT_EQ(main_->MemoMainHelp->width(), (main_->HelpPanel->width() / 10) * 6);
    // Showing the window again greets nobody.
    main_->hide();
    main_->show();
    QCoreApplication::processEvents();
}

TEST_F(MainWindow, FirstShowingWithTheSafeDomainsFileShowsItsPathButDoesNotLoadIt) {
    writeFile("Outlook Safe Domains.txt", "mail.example\r\n");
    const std::string helpText = main_->Memo2->document()->toRawText().toStdString();
    showMainWindow();
    EXPECT_EQ(main_->Edit1->text().toStdString(), startPath("Outlook Safe Domains.txt"));
    EXPECT_EQ(main_->Memo2->document()->toRawText().toStdString(), helpText);
}

TEST_F(MainWindow, F1TogglesTheHelpPanelFromAnywhere) {
    showMainWindow();
    main_->Memo1->setFocus();
    const std::string before = main_->Memo1->document()->toRawText().toStdString();
    QTest::keyClick(main_->Memo1, Qt::Key_F1);
    EXPECT_FALSE(main_->HelpPanel->isHidden());
    for (QWidget* w :
         {main_->TextPanel, main_->DomainPanel, static_cast<QWidget*>(main_->BlockPanel),
          static_cast<QWidget*>(main_->DoNotBlockPanel)})
        EXPECT_TRUE(w->isHidden());
    QTest::keyClick(main_->Edit1, Qt::Key_F1);
    EXPECT_TRUE(main_->HelpPanel->isHidden());
    for (QWidget* w :
         {main_->TextPanel, main_->DomainPanel, static_cast<QWidget*>(main_->BlockPanel),
          static_cast<QWidget*>(main_->DoNotBlockPanel)})
        EXPECT_FALSE(w->isHidden());
    EXPECT_EQ(main_->Memo1->document()->toRawText().toStdString(), before);  // F1 typed nothing
}

TEST_F(MainWindow, EnterAndReturnPressTheFocusedButtonInEveryWindow) {
    showMainWindow();
    for (QWidget* window : tool_->windows())
        for (QPushButton* b : window->findChildren<QPushButton*>())
            EXPECT_TRUE(b->autoDefault()) << b->objectName().toStdString();
    TRegistryForm& reg = tool_->RegistryForm();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        reg.hide();
        main_->Button10->setFocus();
        QTest::keyClick(main_->Button10, key);  // "7.  Registry"
        EXPECT_TRUE(reg.isVisible()) << key;
    }
}

TEST_F(MainWindow, AnEmptyListShowsAnEmptyBarNotABusyOne) {
    showMainWindow();
    main_->Memo1->setPlainText("");
    main_->PrepareProgress();
    EXPECT_GT(main_->ProgressBar1->maximum(), main_->ProgressBar1->minimum());
    EXPECT_LE(main_->ProgressBar1->value(), main_->ProgressBar1->minimum());  // empty
    EXPECT_EQ(main_->Panel1->text(), "0 %");
}

TEST_F(MainWindow, CtrlASelectsOnlyTheFocusedBox) {
    showMainWindow();
    main_->Memo2->setFocus();
    QTest::keyClick(main_->Memo2, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(main_->Memo2->textCursor().selectedText().size(),
              main_->Memo2->document()->characterCount() - 1);
    EXPECT_FALSE(main_->Memo1->textCursor().hasSelection());
}

TEST_F(MainWindow, LineCounterFollowsEveryChangeWithALeadingBlank) {
    main_->Memo1->setPlainText("a\nb\n");
    EXPECT_EQ(main_->Label1->text(), " 2");
    main_->Memo1->setPlainText("a\n\nb");
    EXPECT_EQ(main_->Label1->text(), " 3");
    main_->Memo1->setPlainText("");
    EXPECT_EQ(main_->Label1->text(), " 0");
    QTest::keyClicks(main_->Memo1, "x");
    EXPECT_EQ(main_->Label1->text(), " 1");
}

TEST_F(MainWindow, RegistryStepShowsTheRegistryWindowAndAimsAtItsOpenStep) {
    showMainWindow();
    main_->Timer2->start();
    main_->RegistryImage1->hide();
    main_->RegistryImage2->show();
    main_->RemoveImageNo->hide();
    main_->RemoveImageYes->show();
    main_->Button10->click();
    TRegistryForm& reg = tool_->RegistryForm();
    EXPECT_TRUE(reg.isVisible());
    EXPECT_FALSE(reg.isModal());
    EXPECT_FALSE(main_->Timer2->isActive());
    EXPECT_FALSE(main_->RegistryImage1->isHidden());
    EXPECT_TRUE(main_->RegistryImage2->isHidden());
    EXPECT_FALSE(main_->RemoveImageNo->isHidden());
    EXPECT_TRUE(main_->RemoveImageYes->isHidden());
    EXPECT_EQ(reg.focusWidget(), reg.Button1);
    EXPECT_EQ(tool_->state().AnimImage, reg.OpenRegImage);
    EXPECT_EQ(tool_->state().AnimSize, 33);
    EXPECT_TRUE(main_->AnimateBtnTimer->isActive());
}

TEST_F(MainWindow, ShowMePulseShrinksToTwoAndGrowsBackIn64Ticks) {
    showMainWindow();
    main_->PointNextStep(main_->Button7, main_->OpenImage);
    const QPoint corner = main_->OpenImage->pos();
    int ticks = 0;
    int smallest = 33;
    // The timer is not left to fire (no event loop runs here): each tick is run by hand.
    while (main_->AnimateBtnTimer->isActive() && ticks < 1000) {
        main_->AnimateBtnTimerTimer();
        smallest = std::min(smallest, main_->OpenImage->width());
        ++ticks;
    }
    EXPECT_EQ(ticks, 64);
    EXPECT_EQ(smallest, 2);
    EXPECT_EQ(main_->OpenImage->size(), QSize(33, 33));
    EXPECT_EQ(main_->OpenImage->pos(), corner);
    EXPECT_FALSE(main_->AnimGrowing);
}

TEST_F(MainWindow, ClosingAsksAboutTheSafeListOnlyAfterASave) {
    writeFile("Outlook Safe Domains.txt", "b.example\r\na.example\r\n");
    showMainWindow();
    dialogs_.expectMessage(kReminder).expectMessage(startPath("Outlook Safe Domains.txt") +
                                                    " opened successfully");
    main_->Button3->click();
    main_->close();  // loaded, never saved: no question
    dialogs_.verify();

    main_->show();
    dialogs_.expectMessage("Outlook Safe Domains.txt saved.")
        .expectConfirm("Do you want to save the Safe Domains List?", Buttons::YesNo, Answer::Yes)
        .expectMessage("Outlook Safe Domains.txt saved.");
    main_->Button4->click();
    tool_->RegistryForm().OpenedListPaths = {"Identities\\x\\Criteria", "y"};
    main_->close();
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

TEST_F(MainWindow, AMouseClickOnAStepsPictureOrCaptionRunsItOnce) {
    showMainWindow();
    main_->Timer4->stop();  // the top picture stays shown
    main_->OpenImage3->show();
    const FileDialogOptions open = openListOptions();
    for (QWidget* w :
         {static_cast<QWidget*>(main_->Label9), static_cast<QWidget*>(main_->OpenImage3)}) {
        dialogs_.expectOpenFile(open, std::nullopt);
        QTest::mouseClick(w, Qt::LeftButton);
        dialogs_.verify();
    }
    // The welcome message, then exactly one dialog per click.
    EXPECT_EQ(dialogs_.transcript().size(), 3u);
    QTest::mouseClick(main_->RegistryImage1, Qt::LeftButton);
    EXPECT_TRUE(tool_->RegistryForm().isVisible());
}

TEST_F(MainWindow, AStepQueuedWhileTheListIsSortedIsRefused) {
    showMainWindow();
    main_->Memo1->setPlainText("b\na\n");
    main_->Button9->setEnabled(true);
    main_->Button6->setEnabled(true);
    tool_->state().AssistantRunning = true;
    // Clear Text File waits in the queue; the sort lets events run, but not that one.
    QTimer::singleShot(0, main_, [this] { main_->Button9->click(); });
    main_->Button6->click();
    EXPECT_EQ(main_->Memo1->lines(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(MainWindow, ClosingWhileAWalkAsksIsRefusedAndAFailedSaveStillCloses) {
    writeFile("Outlook Safe Domains.txt", "a.example\r\n");
    showMainWindow();
    dialogs_.expectMessage(kReminder)
        .expectMessage(startPath("Outlook Safe Domains.txt") + " opened successfully")
        .expectMessage("Outlook Safe Domains.txt saved.");
    main_->Button3->click();
    main_->Button4->click();
    {
        EventPump::Walk walk(tool_->pump());
        main_->close();  // refused: nothing asked
        EXPECT_TRUE(main_->isVisible());
    }
    tool_->RegistryForm().OpenedListPaths = {"x", "y"};
    tool_->state().StartFolder = pathText(root_ / "gone");  // the save will fail
    dialogs_
        .expectConfirm("Do you want to save the Safe Domains List?", Buttons::YesNo, Answer::Yes)
        .expectError("gone");
    main_->close();
    EXPECT_FALSE(main_->isVisible());
    EXPECT_EQ(tool_->RegistryForm().OpenedListPaths[0], "");
}

}  // namespace
}  // namespace plevo::test
