// The working list and its text files: Open Text File, Save Changes, Clear Text File.
#include "platform/Files.h"
#include "support/ToolFixture.h"

namespace plevo::test {
namespace {

const char* const kFilter = "Text files (*.txt)|*.TXT";

class TextFiles : public ToolFixture {
protected:
    // Open Text File with the given answer to the dialog; no safe-domains file is around, so the
    // safe list's own dialog is offered and cancelled.
    void openList(std::optional<std::string> chosen, bool expectSafeListDialog = true) {
        dialogs_.expectOpenFile(openListOptions(), chosen);
        if (expectSafeListDialog) {
            dialogs_.expectSafeListDialogCancelled();
        }
        main_->Button7->click();
        dialogs_.verify();
    }
};

TEST_F(TextFiles, OpenThenSaveWritesTheListBackAsItWasAndOffersABackup) {
    showMainWindow();
    const std::string path = writeFile("list.txt", "b@x.example\nA.example\r\n\r\nc");
    openList(path);

    EXPECT_EQ(main_->Memo1->lines(),
              (std::vector<std::string>{"b@x.example", "A.example", "", "c"}));
    EXPECT_EQ(main_->Label1->text(), " 4");
    EXPECT_EQ(tool_->state().ListFileName, path);
    EXPECT_FALSE(tool_->state().ListFromRegistry);
    for (const char* name :
         {"Button1", "RemoveImage", "Button2", "SaveImage", "Button5", "DeleteImage", "Button6",
          "SortImage", "Button8", "EditImage", "Button9", "ClearTextImage", "Label7", "Label8",
          "Label10", "Label11", "Label12", "Label13", "CheckBox2"})
        EXPECT_TRUE(main_->findChild<QWidget*>(name)->isEnabled()) << name;
    EXPECT_EQ(main_->focusWidget(), main_->Button1);
    EXPECT_EQ(tool_->state().AnimImage, main_->RemoveImage);

    const std::string backup = pathText(start_ / "backup.txt");
    dialogs_
        .expectMessage("File '" + path +
                       "' saved.\n\rIf you want to save this file to the registry,"
                       "open the registry first")
        .expectBackupQuestion(Answer::Yes)
        .expectSaveFile(
            {.defaultExt = "txt", .filter = kFilter, .fileName = "Blocked Senders List"}, backup);
    main_->Button2->click();
    EXPECT_EQ(readBack(path), "b@x.example\r\nA.example\r\n\r\nc");
    EXPECT_EQ(readBack(backup), "b@x.example\r\nA.example\r\n\r\nc");
    EXPECT_TRUE(main_->SaveImageNo->isHidden());
    EXPECT_FALSE(main_->SaveImageYes->isHidden());
}

TEST_F(TextFiles, AFinalLineBreakIsKeptAndLfOnlyBecomesCrLf) {
    showMainWindow();
    const std::string path = writeFile("list.txt", "one\ntwo\n");
    openList(path);
    EXPECT_EQ(main_->Label1->text(), " 2");
    dialogs_
        .expectMessage("File '" + path +
                       "' saved.\n\rIf you want to save this file to the registry,"
                       "open the registry first")
        .expectBackupQuestion(Answer::Yes)
        .expectSaveFile(
            {.defaultExt = "txt", .filter = kFilter, .fileName = "Blocked Senders List"},
            std::nullopt);
    main_->Button2->click();
    EXPECT_EQ(readBack(path), "one\r\ntwo\r\n");
}

TEST_F(TextFiles, CancelledOpenFallsBackToTheDefaultNameAndSaveNoLongerWritesTheEarlierFile) {
    showMainWindow();
    const std::string path = writeFile("list.txt", "a.example");
    openList(path);
    // Cancelled: no "Blocked Senders List" in the current folder, so nothing else happens.
    dialogs_.expectOpenFile(openListOptions(), std::nullopt);
    main_->Button7->click();
    EXPECT_EQ(tool_->state().ListFileName, "Blocked Senders List");
    EXPECT_EQ(main_->Memo1->lines(), std::vector<std::string>{"a.example"});

    main_->Memo1->setPlainText("changed");
    dialogs_.expectMessage("File Blocked Senders List not found or saved!")
        .expectBackupQuestion(Answer::No);
    main_->Button2->click();
    EXPECT_EQ(readBack(path), "a.example");
}

TEST_F(TextFiles, CancelledOpenLoadsAFileOfTheDefaultNameInTheCurrentFolder) {
    showMainWindow();
    writeFile("Blocked Senders List", "x.example\r\n");
    openList(std::nullopt);
    EXPECT_EQ(main_->Memo1->lines(), std::vector<std::string>{"x.example"});
}

TEST_F(TextFiles, AChosenFileThatDoesNotExistChangesNothing) {
    showMainWindow();
    dialogs_.expectOpenFile(openListOptions(), pathText(start_ / "missing.txt"));
    main_->Button7->click();
    EXPECT_FALSE(main_->Button1->isEnabled());
    EXPECT_EQ(tool_->state().ListFileName, pathText(start_ / "missing.txt"));
}

TEST_F(TextFiles, ClearAsksBothQuestionsWhateverTheFirstAnswer) {
    showMainWindow();
    openList(writeFile("list.txt", "a\r\nb\r\n"));
    dialogs_.expectMessage(kReminder);
    main_->Memo2->setPlainText("safe.example\n");
    dialogs_
        .expectConfirm("Do you want 1 cleared?", Buttons::YesNoCancel, Answer::Cancel,
                       [&] {
                           EXPECT_FALSE(main_->Panel10->isHidden());
                           EXPECT_FALSE(main_->Panel11->isHidden());
                       })
        .expectConfirm("Do you want 2 cleared?", Buttons::YesNoCancel, Answer::Yes, [&] {
            EXPECT_TRUE(main_->Panel10->isHidden());
            EXPECT_FALSE(main_->Panel11->isHidden());
        });
    main_->Button9->click();
    EXPECT_EQ(main_->Memo1->lineCount(), 2);
    EXPECT_EQ(main_->Memo2->lineCount(), 0);
    EXPECT_TRUE(main_->Panel11->isHidden());

    dialogs_.expectConfirm("Do you want 1 cleared?", Buttons::YesNoCancel, Answer::Yes)
        .expectConfirm("Do you want 2 cleared?", Buttons::YesNoCancel, Answer::No);
    main_->ClearTextImage->click();
    EXPECT_EQ(main_->Memo1->lineCount(), 0);
    EXPECT_EQ(main_->Label1->text(), " 0");
    EXPECT_TRUE(main_->Button1->isEnabled());  // clearing disables nothing
}

TEST_F(TextFiles, EveryByteButCrAndLfSurvivesOpenAndSave) {
    showMainWindow();
    std::string line;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') line += static_cast<char>(b);
    }
    const std::string text = line + "\r\n" + line;
    const std::string path = writeFile("bytes.txt", text);
    openList(path);
    ASSERT_EQ(main_->Memo1->lineCount(), 2);
    EXPECT_EQ(main_->Memo1->line(0), line);
    dialogs_
        .expectMessage("File '" + path +
                       "' saved.\n\rIf you want to save this file to the registry,"
                       "open the registry first")
        .expectBackupQuestion(Answer::No);
    main_->Button2->click();
    EXPECT_EQ(readBack(path), text);
}

TEST_F(TextFiles, AFileThatCannotBeReadShowsTheErrorAndChangesNoList) {
    showMainWindow();
    main_->Memo1->setPlainText("kept\n");
    // Readable as a name, but every read fails (even for root).
    dialogs_.expectOpenFile(openListOptions(), "/proc/self/mem").expectError("/proc/self/mem");
    main_->Button7->click();
    EXPECT_EQ(main_->Memo1->lines(), std::vector<std::string>{"kept"});
    EXPECT_FALSE(main_->Button1->isEnabled());
}

TEST_F(TextFiles, ASaveTheDiskRefusesShowsThePathAndLeavesTheFileWhole) {
    showMainWindow();
    // A file that can be read but whose folder takes no new file, even for root.
    const std::string before = readBack("/proc/version");
    dialogs_.expectOpenFile(openListOptions(), "/proc/version").expectSafeListDialogCancelled();
    main_->Button7->click();
    dialogs_.expectError("Cannot write file \"/proc/version\"");
    main_->Button2->click();
    EXPECT_EQ(readBack("/proc/version"), before);

    // A backup into a folder that does not exist.
    const std::string missing = pathText(start_ / "gone" / "backup.txt");
    main_->Memo1->setPlainText("x");
    tool_->state().ListFileName = writeFile("list.txt", "old");
    dialogs_
        .expectMessage(
            "File '" + tool_->state().ListFileName +
            "' saved.\n\rIf you want to save this file to the registry,open the registry first")
        .expectBackupQuestion(Answer::Yes)
        .expectSaveFile(
            {.defaultExt = "txt", .filter = kFilter, .fileName = "Blocked Senders List"}, missing)
        .expectError(missing);
    main_->Button2->click();
    EXPECT_FALSE(fileExists(missing));
}

}  // namespace
}  // namespace plevo::test

namespace plevo::test {
namespace {

// Huge files open without a crash; the figures for speed live in the benchmarks.
TEST_F(TextFiles, AMillionLinesOpen) {
    showMainWindow();
    std::string many;
    many.reserve(16'000'000);
    for (int i = 0; i < 1'000'000; ++i) many += "user" + std::to_string(i) + "@x.example\r\n";
    openList(writeFile("many.txt", many));
    EXPECT_EQ(main_->Memo1->lineCount(), 1'000'000);
    EXPECT_EQ(main_->Label1->text(), " 1000000");
    EXPECT_EQ(main_->Memo1->line(999'999), "user999999@x.example");
}

TEST_F(TextFiles, AFiftyMegabyteLineOpens) {
    showMainWindow();
    const std::string one(50'000'000, 'a');
    dialogs_.expectOpenFile(openListOptions(), writeFile("one.txt", one))
        .expectSafeListDialogCancelled();
    main_->Button7->click();
    EXPECT_EQ(main_->Memo1->lineCount(), 1);
    EXPECT_EQ(main_->Memo1->line(0).size(), one.size());
}

}  // namespace
}  // namespace plevo::test
