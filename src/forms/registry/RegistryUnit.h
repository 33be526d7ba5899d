#pragma once
// The registry window: where an identity's Mail and News lists are opened (with a text backup of
// each), handed to the working list, taken back sorted and written over the entry keys.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "forms/tool/Intents.h"
#include "registry/OutlookExpressStore.h"
#include "ui/Form.h"

namespace plevo {

namespace ui {
class FormBuilder;
}
class Tool;

class TRegistryForm final : public RegistryWindowIntents {
public:
    explicit TRegistryForm(Tool& tool);

    static constexpr int kClientWidth = 672;
    static constexpr int kClientHeight = 476;

    // The Criteria key paths read by pass 0 and pass 1 of the last open, and the rules key of the
    // identity it found.
    std::array<std::string, 2> OpenedListPaths;
    std::string RulesKeyPath;

    static const char* const kHelpLines[49];

    // What the other windows ask of this one.
    ui::Form& form() override { return *form_; }
    void showAtOpen() override;
    void openRegistry() override { Button1Click(); }
    void sortLists() override { Button2Click(); }
    void saveLists() override { Button3Click(); }
    void closeWindow() override { CloseImageClick(); }
    bool listsOpened() const override { return MailOpened || NewsOpened; }
    // What the last open read: the Mail list, the News list, the identity's key.
    bool mailOpened() const { return MailOpened; }
    bool newsOpened() const { return NewsOpened; }
    const std::string& identityKeyPath() const { return IdentityKeyPath; }
    HandOver takeWorkingList(const std::vector<std::string>& lines) override;
    std::string rulesKeyPath() const override { return RulesKeyPath; }

    // The list or lists a Save of the working list replaces.
    enum class ListOption { Mail, News, Both };
    ListOption checkedOption() const;
    // The option's caption ("Sort blocked Mail Entries", ...).
    std::string optionCaption(ListOption option) const;
    int mailCount() const;
    int newsCount() const;
    // Forgets which keys the last open read: nothing can be saved over them.
    void forgetOpenedLists() override;
    // The pulse to "Open Registry" (focus on its button), or to "Save changes to registry?"
    // (focus on its button when it can be used).
    void pointAtOpen();
    void pointAtSave();
    // The switch mirrors the main window's "Show me".
    void setShowMe(bool on) override;

    // Shows the window without blocking the main window.
    void showWindow();
    // Puts the three step pictures back to full size.
    void resetStepImages() override;
    // The counts of both lists in the caption of the bottom group.
    void refreshCounts() override;

    // Handlers.
    void FormShow();
    void Button1Click();  // Open
    void Button2Click();  // Sort
    void Button3Click();  // Save
    void OptionClick();
    void Image2Click();
    void ShowMeRegBoxClick();
    void CloseImageClick();
    void AdvancedPanelClick();

private:
    // The Mail (News) list was read by the last open.
    bool MailOpened = false;
    bool NewsOpened = false;
    // The last open worked on both lists: opening and saving make two passes, Mail then News.
    bool BothLists = false;
    std::string IdentityKeyPath;
    std::string CurrentKeyPath;

    // Replaces the list or lists of the checked option by the working list, sorted.
    void acceptList(ListOption option, const std::vector<std::string>& lines);
    // The controls the code reaches, by their names in the table (tests reach every control
    // through form()).
    ui::Panel* Panel1;
    ui::Label* IdentityLabel;
    ui::Label* RegKeyLabel;
    ui::GroupBox* MailGroupBox;
    ui::ListBox* ListBox1;  // the Mail list
    ui::GroupBox* NewsGroupBox;
    ui::ListBox* ListBox2;  // the News list
    ui::Memo* MemoRegHelp;
    ui::GroupBox* RegistryGroupBox;
    ui::Picture* OpenRegImage;
    ui::Picture* SortRegImage;
    ui::Label* SortRegLabel;
    ui::Picture* SaveRegImage;
    ui::Label* SaveRegLabel;
    ui::Picture* Image2;
    ui::Picture* CloseImage;
    ui::CheckBox* ShowMeRegBox;
    ui::Panel* AdvancedPanel;
    ui::Picture* ImageAdvanced;
    ui::RadioButton* RadioBtnMail;
    ui::RadioButton* RadioBtnNews;
    ui::RadioButton* RadioBtnBoth;
    ui::Button* Button1;  // "Open Registry"
    ui::Button* Button2;  // "Sort "
    ui::Button* Button3;  // "Save changes to registry?"
    ui::Button* CloseRegBtn;

    enum class OpenEnd { Early, AllPasses };
    OpenEnd openSteps();
    void finishOpen(OpenEnd end);
    // Empties both lists and forgets what the last open read; Save is disabled.
    void clearLists();
    // Save's button, picture and label.
    void enableSave(bool enabled);
    bool readPass(int pass, bool mail);
    void backup(const char* kind, const ui::ListBox* list);
    // Writes C:\Rules.reg for the chosen identity and hands it to the shell; true when started.
    // The message and the deletion of the file wait until the import has ended.
    bool setUpRule();
    void markOpened(ui::GroupBox* group, bool opened);
    ui::RadioButton* optionButton(ListOption option) const;
    // Both the Sort button and the label under its picture name the chosen option.
    void showOptionCaption();
    // The table of controls: each row fills its member and binds its handlers.
    void declareControls(ui::FormBuilder& table);

    Tool& tool_;
    std::unique_ptr<ui::Form> form_;
    bool nestedOpenFailed_ = false;
    // Which list each pass of the last open read: Save writes each list back over its own keys,
    // whichever option is checked by then.
    std::array<BlockList, 2> openedListKinds_{BlockList::Mail, BlockList::News};
    // "C:\Rules.reg" was handed to an import that could not be waited for.
    bool ruleFileLeft_ = false;
};

}  // namespace plevo
