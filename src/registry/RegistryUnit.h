#pragma once
// The registry window: where an identity's Mail and News lists are opened (with a text backup of
// each), handed to the working list, taken back sorted and written over the entry keys.

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/SortedList.h"
#include "registry/OutlookExpressStore.h"

namespace plevo {

class PlevoTool;

class TRegistryForm : public QWidget {
    Q_OBJECT
public:
    explicit TRegistryForm(PlevoTool& tool);

    static constexpr int kClientWidth = 672;
    static constexpr int kClientHeight = 476;

    TPanel* Panel1;
    TLabel* IdentityLabel;
    TLabel* RegKeyLabel;
    QGroupBox* MailGroupBox;
    TListBox* ListBox1;  // the Mail list
    QGroupBox* NewsGroupBox;
    TListBox* ListBox2;  // the News list
    QPlainTextEdit* MemoRegHelp;
    QGroupBox* RegistryGroupBox;
    TImage* OpenRegImage;
    TLabel* Label1;
    TImage* SortRegImage;
    TLabel* SortRegLabel;
    TImage* SaveRegImage;
    TLabel* SaveRegLabel;
    TImage* Image2;
    TImage* CloseImage;
    QCheckBox* ShowMeRegBox;
    TPanel* AdvancedPanel;
    TImage* ImageAdvanced;
    QGroupBox* OptionsGroupBox;
    QRadioButton* RadioBtnMail;
    QRadioButton* RadioBtnNews;
    QRadioButton* RadioBtnBoth;
    QPushButton* Button1;  // "Open Registry"
    QPushButton* Button2;  // "Sort "
    QPushButton* Button3;  // "Save changes to registry?"
    QPushButton* CloseRegBtn;

    // The Mail (News) list was read by the last open.
    bool MailOpened = false;
    bool NewsOpened = false;
    // The last open worked on both lists: opening and saving make two passes, Mail then News.
    bool BothLists = false;
    // The Criteria key paths read by pass 0 and pass 1 of the last open.
    std::array<std::string, 2> OpenedListPaths;
    std::string IdentityKeyPath;
    std::string CurrentKeyPath;
    std::string RulesKeyPath;

    static const char* const kHelpLines[49];

    // Shows the window without blocking the main window.
    void showWindow();
    // Puts the three step pictures back to full size.
    void resetStepImages();
    // The counts of both lists in the caption of the bottom group.
    void refreshCounts();
    // Replaces the list or lists of the checked option by the working list, sorted. The caller
    // (the main window's Save Changes) gives the messages.
    void acceptList(QRadioButton* option, const std::vector<std::string>& lines);

    // Handlers.
    void FormShow();
    void Button1Click();  // Open
    void Button2Click();  // Sort
    void Button3Click();  // Save
    void OptionClick();
    void Image2Click();
    void ShowMeRegBoxClick();
    void CloseImageClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum class OpenEnd { Early, AllPasses };
    OpenEnd openSteps();
    void finishOpen(OpenEnd end);
    // Empties both lists and forgets what the last open read; Save is disabled.
    void clearLists();
    bool readPass(int pass, bool mail);
    void backup(const char* kind, const TListBox* list);
    // Writes C:\Rules.reg for the chosen identity and hands it to the shell; true when started.
    // The message and the deletion of the file wait until the import has ended.
    bool setUpRule();
    void markOpened(QGroupBox* group, bool opened);
    QRadioButton* checkedOption() const;
    void aimPulse(TImage* image);
    void buildTop();
    void buildBottom();

    PlevoTool& tool_;
    bool nestedOpenFailed_ = false;
    // Which list each pass of the last open read: Save writes each list back over its own keys,
    // whichever option is checked by then.
    std::array<BlockList, 2> openedListKinds_{BlockList::Mail, BlockList::News};
    // "C:\Rules.reg" was handed to an import that could not be waited for.
    bool ruleFileLeft_ = false;
};

}  // namespace plevo
