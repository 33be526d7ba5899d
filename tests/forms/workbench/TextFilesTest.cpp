// The working list and its text files: Open Text File, Save Changes, Clear Text File.
#include "platform/Files.h"
#include "support/Legibility.h"
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
        userClick("Label9");
        dialogs_.verify();
    }
};

TEST_F(TextFiles, OpenThenSaveWritesTheListBackAsItWasAndOffersABackup) {
    showMainWindow();
    const std::string path = writeFile("list.txt", "b@x.example\nA.example\r\n\r\nc");
    openList(path);

    EXPECT_EQ(memo("Memo1").lines(),
              (std::vector<std::string>{"b@x.example", "A.example", "", "c"}));
    EXPECT_EQ(caption("Label1"), " 4");
    EXPECT_EQ(tool_->state().ListFileName, path);
    EXPECT_FALSE(tool_->state().ListFromRegistry);
    for (const char* name :
         {"Button1", "RemoveImage", "Button2", "SaveImage", "Button5", "DeleteImage", "Button6",
          "SortImage", "Button8", "EditImage", "Button9", "ClearTextImage", "Label7", "Label8",
          "Label10", "Label11", "Label12", "Label13", "CheckBox2"})
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_TRUE(focusedOn("Button1"));
    EXPECT_TRUE(pulseOn("RemoveImage"));

    const std::string backup = pathText(start_ / "backup.txt");
    dialogs_
        .expectMessage("File '" + path +
                       "' saved.\n\rIf you want to save this file to the registry,"
                       "open the registry first")
        .expectBackupQuestion(Answer::Yes)
        .expectSaveFile(
            {.defaultExt = "txt", .filter = kFilter, .fileName = "Blocked Senders List"}, backup);
    userClick("SaveImage");
    EXPECT_EQ(readBack(path), "b@x.example\r\nA.example\r\n\r\nc");
    EXPECT_EQ(readBack(backup), "b@x.example\r\nA.example\r\n\r\nc");
    EXPECT_FALSE(visible("SaveImageNo"));
    EXPECT_TRUE(visible("SaveImageYes"));
}

TEST_F(TextFiles, AFinalLineBreakIsKeptAndLfOnlyBecomesCrLf) {
    showMainWindow();
    const std::string path = writeFile("list.txt", "one\ntwo\n");
    openList(path);
    EXPECT_EQ(caption("Label1"), " 2");
    dialogs_
        .expectMessage("File '" + path +
                       "' saved.\n\rIf you want to save this file to the registry,"
                       "open the registry first")
        .expectBackupQuestion(Answer::Yes)
        .expectSaveFile(
            {.defaultExt = "txt", .filter = kFilter, .fileName = "Blocked Senders List"},
            std::nullopt);
    userClick("SaveImage");
    EXPECT_EQ(readBack(path), "one\r\ntwo\r\n");
}

TEST_F(TextFiles, CancelledOpenFallsBackToTheDefaultNameAndSaveNoLongerWritesTheEarlierFile) {
    showMainWindow();
    const std::string path = writeFile("list.txt", "a.example");
    openList(path);
    // Cancelled: no "Blocked Senders List" in the current folder, so nothing else happens.
    dialogs_.expectOpenFile(openListOptions(), std::nullopt);
    userClick("Label9");
    EXPECT_EQ(tool_->state().ListFileName, "Blocked Senders List");
    EXPECT_EQ(memo("Memo1").lines(), std::vector<std::string>{"a.example"});

    userTypes("Memo1", "changed");
    dialogs_.expectMessage("File Blocked Senders List not found or saved!")
        .expectBackupQuestion(Answer::No);
    userClick("SaveImage");
    EXPECT_EQ(readBack(path), "a.example");
}

TEST_F(TextFiles, CancelledOpenLoadsAFileOfTheDefaultNameInTheCurrentFolder) {
    showMainWindow();
    writeFile("Blocked Senders List", "x.example\r\n");
    openList(std::nullopt);
    EXPECT_EQ(memo("Memo1").lines(), std::vector<std::string>{"x.example"});
}

TEST_F(TextFiles, AChosenFileThatDoesNotExistChangesNothing) {
    showMainWindow();
    dialogs_.expectOpenFile(openListOptions(), pathText(start_ / "missing.txt"));
    userClick("Label9");
    EXPECT_FALSE(enabled("Button1"));
    EXPECT_EQ(tool_->state().ListFileName, pathText(start_ / "missing.txt"));
}

TEST_F(TextFiles, ClearAsksBothQuestionsWhateverTheFirstAnswer) {
    showMainWindow();
    openList(writeFile("list.txt", "a\r\nb\r\n"));
    dialogs_.expectMessage(kReminder);
    userTypes("Memo2", "safe.example\n");
    dialogs_
        .expectConfirm("Do you want 1 cleared?", Buttons::YesNoCancel, Answer::Cancel,
                       [&] {
                           EXPECT_TRUE(visible("Panel10"));
                           EXPECT_TRUE(visible("Panel11"));
                           EXPECT_EQ(illegibleTexts(main_->form()), "");
                       })
        .expectConfirm("Do you want 2 cleared?", Buttons::YesNoCancel, Answer::Yes, [&] {
            EXPECT_FALSE(visible("Panel10"));
            EXPECT_TRUE(visible("Panel11"));
        });
    userClick("ClearTextImage");
    EXPECT_EQ(memo("Memo1").lineCount(), 2);
    EXPECT_EQ(memo("Memo2").lineCount(), 0);
    EXPECT_FALSE(visible("Panel11"));

    dialogs_.expectConfirm("Do you want 1 cleared?", Buttons::YesNoCancel, Answer::Yes)
        .expectConfirm("Do you want 2 cleared?", Buttons::YesNoCancel, Answer::No);
    userClick("ClearTextImage");
    EXPECT_EQ(memo("Memo1").lineCount(), 0);
    EXPECT_EQ(caption("Label1"), " 0");
    EXPECT_TRUE(enabled("Button1"));  // clearing disables nothing
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
    ASSERT_EQ(memo("Memo1").lineCount(), 2);
    EXPECT_EQ(memo("Memo1").line(0), asBoxHolds(line));
    dialogs_
        .expectMessage("File '" + path +
                       "' saved.\n\rIf you want to save this file to the registry,"
                       "open the registry first")
        .expectBackupQuestion(Answer::No);
    userClick("SaveImage");
    EXPECT_EQ(readBack(path), asBoxHolds(text));
}

TEST_F(TextFiles, AFileThatCannotBeReadShowsTheErrorAndChangesNoList) {
    showMainWindow();
    memo("Memo1").setText("kept\n");
    // Readable as a name, but every read fails (even for root).
    dialogs_.expectOpenFile(openListOptions(), "/proc/self/mem").expectError("/proc/self/mem");
    userClick("Label9");
    EXPECT_EQ(memo("Memo1").lines(), std::vector<std::string>{"kept"});
    EXPECT_FALSE(enabled("Button1"));
}

TEST_F(TextFiles, ASaveTheDiskRefusesShowsThePathAndLeavesTheFileWhole) {
    showMainWindow();
    // A file that can be read but whose folder takes no new file, even for root.
    const std::string before = readBack("/proc/version");
    dialogs_.expectOpenFile(openListOptions(), "/proc/version").expectSafeListDialogCancelled();
    userClick("Label9");
    dialogs_.expectError("Cannot write file \"/proc/version\"");
    userClick("SaveImage");
    EXPECT_EQ(readBack("/proc/version"), before);

    // A backup into a folder that does not exist.
    const std::string missing = pathText(start_ / "gone" / "backup.txt");
    userTypes("Memo1", "x");
    tool_->state().ListFileName = writeFile("list.txt", "old");
    dialogs_
        .expectMessage(
            "File '" + tool_->state().ListFileName +
            "' saved.\n\rIf you want to save this file to the registry,open the registry first")
        .expectBackupQuestion(Answer::Yes)
        .expectSaveFile(
            {.defaultExt = "txt", .filter = kFilter, .fileName = "Blocked Senders List"}, missing)
        .expectError(missing);
    userClick("SaveImage");
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
    EXPECT_EQ(memo("Memo1").lineCount(), 1'000'000);
    EXPECT_EQ(caption("Label1"), " 1000000");
    EXPECT_EQ(memo("Memo1").line(999'999), "user999999@x.example");
}

TEST_F(TextFiles, AFiftyMegabyteLineOpens) {
    showMainWindow();
#ifdef _WIN32
    // Wine's text box lays a line out at about a second per megabyte: 5 MB there.
    const std::string one(5'000'000, 'a');
#else
    const std::string one(50'000'000, 'a');
#endif
    dialogs_.expectOpenFile(openListOptions(), writeFile("one.txt", one))
        .expectSafeListDialogCancelled();
    userClick("Label9");
    EXPECT_EQ(memo("Memo1").lineCount(), 1);
    EXPECT_EQ(memo("Memo1").line(0).size(), one.size());
}

}  // namespace
}  // namespace plevo::test
