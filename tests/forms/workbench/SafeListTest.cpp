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
    userClick("OpenOutlookImage");
    EXPECT_EQ(memo("Memo2").lines(),
              (std::vector<std::string>{"a.example", "b.example", "B.example"}));
    EXPECT_EQ(caption("Label6"), "3");
    EXPECT_TRUE(tool_->state().SafeListLoaded);
    for (const char* name : {"Button4", "SaveOutlookImage", "Label7", "Label8"})
        EXPECT_TRUE(enabled(name)) << name;
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
    userClick("OpenOutlookImage");
    EXPECT_EQ(memo("Memo2").lines(), (std::vector<std::string>{"a", "B", "b"}));
    EXPECT_EQ(caption("Edit1"), "Outlook Safe Domains.txt");
    EXPECT_TRUE(enabled("Button4"));
    EXPECT_FALSE(enabled("Label7"));  // only a list found in the start folder enables search

    memo("Memo2").appendLine("A");
    dialogs_.expectMessage("Outlook Safe Domains.txt saved.");
    userClick("SaveOutlookImage");
    EXPECT_EQ(readBack(startPath("Outlook Safe Domains.txt")), "a\r\nA\r\nb\r\nB\r\n");
    EXPECT_EQ(readBack(other), "b\r\nB\r\na\r\n");
    EXPECT_TRUE(tool_->state().SafeListSaved);
}

TEST_F(SafeList, CancelledDialogKeepsTheList) {
    showMainWindow();
    const std::string before = memo("Memo2").text();
    dialogs_.expectSafeListDialogCancelled();
    userClick("OpenOutlookImage");
    EXPECT_EQ(memo("Memo2").text(), before);
    EXPECT_FALSE(tool_->state().SafeListLoaded);
    EXPECT_FALSE(enabled("Button4"));
}

TEST_F(SafeList, NothingToSaveWhenEmpty) {
    writeFile("Outlook Safe Domains.txt", "a\r\n");
    showMainWindow();
    dialogs_.expectMessage(kReminder).expectMessage(startPath("Outlook Safe Domains.txt") +
                                                    " opened successfully");
    userClick("OpenOutlookImage");
    memo("Memo2").clearLines();
    dialogs_.expectMessage("Nothing to save?");
    userClick("SaveOutlookImage");
    EXPECT_EQ(readBack(startPath("Outlook Safe Domains.txt")), "a\r\n");
    EXPECT_FALSE(tool_->state().SafeListSaved);
}

TEST_F(SafeList, TheReminderComesOnceAtTheFirstClickOrChange) {
    showMainWindow();
    dialogs_.expectMessage(kReminder);
    userClick("Memo2");
    userClick("Memo2");
    userTypes("Memo2", "x\ny\n");
    EXPECT_EQ(caption("Label6"), "2");
    EXPECT_EQ(tool_->state().SaveReminderShown, 1);
}

TEST_F(SafeList, NoReminderWhileTheAssistantRuns) {
    showMainWindow();
    tool_->state().AssistantRunning = true;
    memo("Memo2").setText("x\n");
    EXPECT_EQ(tool_->state().SaveReminderShown, 0);
}

TEST_F(SafeList, HelpPictureShowsTheBuiltInText) {
    showMainWindow();
    dialogs_.expectMessage(tool_->state().SafeDomainsHelp);
    userClick("Image2");
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
    userClick("OpenOutlookImage");
    userClick("SaveOutlookImage");
    // Sorted: "\xa0x" has a byte below the other line's first byte 0xff.
    EXPECT_EQ(readBack(path), std::string("\xa0x\r\n") + asBoxHolds(line) + "\r\n");
}

TEST_F(SafeList, SortAlphabeticallyOrdersTheWorkingList) {
    showMainWindow();
    const std::string path = writeFile("list.txt", "B\nb\n\na\n");
    dialogs_.expectOpenFile(openListOptions(), path).expectSafeListDialogCancelled();
    userClick("Label9");
    dialogs_.expectMessage("Save your changes when you have completed all changes");
    userClick("SortImage");
    EXPECT_EQ(memo("Memo1").lines(), (std::vector<std::string>{"", "a", "B", "b"}));
    EXPECT_EQ(caption("Label1"), "4");
    EXPECT_EQ(caption("Panel1"), "0 %");
    EXPECT_EQ(control<ui::ProgressBar>("ProgressBar1").position(), 0);
    EXPECT_TRUE(visible("SortImageYes"));
    EXPECT_TRUE(focusedOn("Button2"));
    EXPECT_TRUE(pulseOn("SaveImage"));

    tool_->state().AssistantRunning = true;  // no message then
    userClick("SortImage");
}

}  // namespace
}  // namespace plevo::test
