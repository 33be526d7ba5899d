// The safe list: Open Outlook File, Save Outlook File, its counter, reminder and help.
#include "platform/Files.h"
#include "support/ToolFixture.h"

namespace plevo::test {
namespace {

const char* const kFilter = "Text files (*.txt)|*.TXT";

class SafeList : public ToolFixture {};

TEST_F(SafeList, FoundInTheStartFolderItIsLoadedSortedAndAnnounced) {
    // Equal lines keep the order the selection sort leaves them in.
    const std::string path =
        writeFile("Outlook Safe Domains.txt", "B.example\nb.example\na.example");
    showMainWindow();
    dialogs_.expectMessage(kReminder).expectMessage(path + " opened successfully");
    main_->OpenOutlookImage->click();
    EXPECT_EQ(main_->Memo2->lines(),
              (std::vector<std::string>{"a.example", "b.example", "B.example"}));
    EXPECT_EQ(main_->Label6->text(), "3");
    EXPECT_TRUE(tool_->state().SafeListLoaded);
    for (QWidget* w :
         {static_cast<QWidget*>(main_->Button4), static_cast<QWidget*>(main_->SaveOutlookImage),
          static_cast<QWidget*>(main_->Label7), static_cast<QWidget*>(main_->Label8)})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(tool_->state().SaveReminderShown, 1);
}

TEST_F(SafeList, ThroughTheDialogFromAnotherFolderAndSavedIntoTheStartFolder) {
    showMainWindow();
    std::filesystem::create_directories(root_ / "elsewhere");
    const std::string other =
        writeFile(pathText(root_ / "elsewhere" / "mine.txt"), "b\r\nB\r\na\r\n");
    dialogs_
        .expectOpenFile(
            {.defaultExt = "txt", .filter = kFilter, .fileName = "Outlook Safe Domains.txt"}, other)
        .expectMessage(kReminder);
    main_->Button3->click();
    EXPECT_EQ(main_->Memo2->lines(), (std::vector<std::string>{"a", "B", "b"}));
    EXPECT_EQ(main_->Edit1->text(), "Outlook Safe Domains.txt");
    EXPECT_TRUE(main_->Button4->isEnabled());
    EXPECT_FALSE(
        main_->Label7->isEnabled());  // only a list found in the start folder enables search

    main_->Memo2->appendLine("A");
    dialogs_.expectMessage("Outlook Safe Domains.txt saved.");
    main_->SaveOutlookImage->click();
    EXPECT_EQ(readBack(startPath("Outlook Safe Domains.txt")), "a\r\nA\r\nb\r\nB\r\n");
    EXPECT_EQ(readBack(other), "b\r\nB\r\na\r\n");
    EXPECT_TRUE(tool_->state().SafeListSaved);
}

TEST_F(SafeList, CancelledDialogKeepsTheList) {
    showMainWindow();
    const std::string before = main_->Memo2->document()->toRawText().toStdString();
    dialogs_.expectSafeListDialogCancelled();
    main_->Button3->click();
    EXPECT_EQ(main_->Memo2->document()->toRawText().toStdString(), before);
    EXPECT_FALSE(tool_->state().SafeListLoaded);
    EXPECT_FALSE(main_->Button4->isEnabled());
}

TEST_F(SafeList, NothingToSaveWhenEmpty) {
    writeFile("Outlook Safe Domains.txt", "a\r\n");
    showMainWindow();
    dialogs_.expectMessage(kReminder).expectMessage(startPath("Outlook Safe Domains.txt") +
                                                    " opened successfully");
    main_->Button3->click();
    main_->Memo2->clearLines();
    dialogs_.expectMessage("Nothing to save?");
    main_->Button4->click();
    EXPECT_EQ(readBack(startPath("Outlook Safe Domains.txt")), "a\r\n");
    EXPECT_FALSE(tool_->state().SafeListSaved);
}

TEST_F(SafeList, TheReminderComesOnceAtTheFirstClickOrChange) {
    showMainWindow();
    dialogs_.expectMessage(kReminder);
    emit main_->Memo2->clicked();
    emit main_->Memo2->clicked();
    main_->Memo2->setPlainText("x\ny\n");
    EXPECT_EQ(main_->Label6->text(), "2");
    EXPECT_EQ(tool_->state().SaveReminderShown, 1);
}

TEST_F(SafeList, NoReminderWhileTheAssistantRuns) {
    showMainWindow();
    tool_->state().AssistantRunning = true;
    main_->Memo2->setPlainText("x\n");
    EXPECT_EQ(tool_->state().SaveReminderShown, 0);
}

TEST_F(SafeList, HelpPictureShowsTheBuiltInText) {
    showMainWindow();
    dialogs_.expectMessage(tool_->state().SafeDomainsHelp);
    main_->Image2->click();
    EXPECT_FALSE(tool_->state().SafeDomainsHelp.empty());
}

TEST_F(SafeList, EveryByteButCrAndLfSurvivesOpenAndSave) {
    std::string line;
    for (int b = 255; b >= 0; --b) {
        if (b != '\r' && b != '\n') line += static_cast<char>(b);
    }
    const std::string path = writeFile("Outlook Safe Domains.txt", line + "\r\n" + "\xa0x");
    showMainWindow();
    dialogs_.expectMessage(kReminder)
        .expectMessage(path + " opened successfully")
        .expectMessage("Outlook Safe Domains.txt saved.");
    main_->Button3->click();
    main_->Button4->click();
    // Sorted: "\xa0x" has a byte below the other line's first byte 0xff.
    EXPECT_EQ(readBack(path), std::string("\xa0x\r\n") + line + "\r\n");
}

TEST_F(SafeList, SortAlphabeticallyOrdersTheWorkingList) {
    showMainWindow();
    const std::string path = writeFile("list.txt", "B\nb\n\na\n");
    dialogs_.expectOpenFile(openListOptions(), path).expectSafeListDialogCancelled();
    main_->Button7->click();
    dialogs_.expectMessage("Save your changes when you have completed all changes");
    main_->SortImage->click();
    EXPECT_EQ(main_->Memo1->lines(), (std::vector<std::string>{"", "a", "B", "b"}));
    EXPECT_EQ(main_->Label1->text(), "4");
    EXPECT_EQ(main_->Panel1->text(), "0 %");
    EXPECT_EQ(main_->ProgressBar1->value(), 0);
    EXPECT_FALSE(main_->SortImageYes->isHidden());
    EXPECT_EQ(main_->focusWidget(), main_->Button2);
    EXPECT_EQ(tool_->state().AnimImage, main_->SaveImage);

    tool_->state().AssistantRunning = true;  // no message then
    main_->Button6->click();
}

}  // namespace
}  // namespace plevo::test
