#pragma once
// The main window: the working list on the left, the safe list on the right, the numbered steps,
// the progress bar and the percentage below them.

#include <memory>
#include <string>
#include <vector>

#include "forms/tool/Intents.h"
#include "forms/tool/ShowMePulse.h"
#include "ui/Form.h"

namespace plevo {

namespace ui {
class FormBuilder;
}
class Tool;

class TReplace final : public MainWindowIntents {
public:
    explicit TReplace(Tool& tool);
    ~TReplace();

    static constexpr int kClientWidth = 760;
    static constexpr int kClientHeight = 506;

    ui::Form& form() override { return *form_; }
    ShowMePulse& pulse() override { return *pulse_; }

    // What the other windows ask of this one.
    void prepareForRegistryList() override;
    void takeRegistryList(const std::vector<std::string>& lines, bool news) override;
    void enableSearches() override;
    bool showMeOn() const override;
    void setShowMe(bool on) override;
    void ResetStepImages() override;

    // Timer2's interval is growing (the step-7 blinking slows down).
    bool RegistryBlinkSlowing = false;
    // The help panel's text, line by line.
    static const char* const kMainHelpLines[55];
    // What the next tick of the search marker writes: the plain line (false) or the marked one.
    bool MarkerPhase = false;
    static constexpr const char* kSearchMarker = " <----here";
    // The example of a large free mail domain in the warning about unchecking CheckBox2.
    static constexpr const char* kExampleFreeMailDomain = "freemail.example";
    // The file dialogs' filter for the lists' text files.
    static constexpr const char* kTextFilter = "Text files (*.txt)|*.TXT";

    // Helpers the steps use.
    void PrepareProgress();
    void ResetStepMarks();
    void SortBoxLines(ui::Memo* box);
    // Focus on the step's button, and the pulse on its picture.
    void PointNextStep(ui::Button* button, ui::Picture* image);

    // Handlers, as a user's click or key runs them.
    void FormShow();
    void Button7Click();   // 1. Open Text File
    void Button2Click();   // 6. Save Changes
    void Button9Click();   // Clear Text File
    void Button10Click();  // 7. Registry
    void Panel4Click();    // 8. Assist me
    void Button3Click();   // Open Outlook File
    void Button4Click();   // Save Outlook File
    void Button6Click();   // 5. Sort Alphabetically
    void Button1Click();   // 2. Remove email name upto and including @
    void Button8Click();   // 3. Edit.. Domain Names
    void Button5Click();   // 4. Del Duplicate Names
    void CheckBox2Click();
    void Label7Click();   // search the working list
    void Label8Click();   // search the safe list
    void Timer1Timer();   // the blinking search marker
    void BitBtn2Click();  // How to use Registry Editor
    void Image2Click();   // the safe list's help
    void HelpImageClick();
    void CloseImageClick();
    void FormClose();
    void Memo1Change();
    void Memo2Change();
    void ShowMeCheckBoxClick();
    void Timer2Timer();  // the step-7 pictures
    void Timer3Timer();  // the step-8 pictures
    void Timer4Timer();  // the step-1 pictures

private:
    // The controls the code reaches, by their names in the table (tests reach every control
    // through form()).
    ui::Panel* BlockPanel;
    ui::Panel* DoNotBlockPanel;
    ui::Panel* TextPanel;
    ui::Memo* Memo1;
    ui::Label* Label2;
    ui::Label* Label1;
    ui::Label* Label7;
    ui::Panel* Panel10;
    ui::Panel* DomainPanel;
    ui::GroupBox* DomainsGroupBox;
    ui::Memo* Memo2;
    ui::Label* Label6;
    ui::Label* Label8;
    ui::Panel* Panel11;
    ui::Edit* Edit1;
    ui::Picture* OpenOutlookImage;
    ui::Picture* SaveOutlookImage;
    ui::Picture* Image2;
    ui::Panel* Panel3;
    ui::Picture* OpenImage;
    ui::Picture* OpenImage1;
    ui::Picture* OpenImage2;
    ui::Picture* OpenImage3;
    ui::Picture* OpenImage4;
    ui::Picture* OpenImage5;
    ui::Label* Label9;
    ui::Picture* RemoveImage;
    ui::CheckBox* CheckBox2;
    ui::Picture* EditImage;
    ui::Label* Label10;
    ui::Picture* DeleteImage;
    ui::Label* Label12;
    ui::Picture* SortImage;
    ui::Label* Label11;
    ui::Picture* SaveImage;
    ui::Label* Label13;
    ui::Panel* Panel2;
    ui::Picture* RegistryImage1;
    ui::Picture* RegistryImage2;
    ui::Picture* RegistryImage3;
    ui::Picture* RegistryImage4;
    ui::Label* Label4;
    ui::Panel* Panel4;
    ui::Picture* AssistImage1;
    ui::Picture* AssistImage2;
    ui::Label* Label16;
    ui::Picture* RemoveImageNo;
    ui::Picture* RemoveImageYes;
    ui::Picture* EditImageNo;
    ui::Picture* EditImageYes;
    ui::Picture* DeleteImageNo;
    ui::Picture* DeleteImageYes;
    ui::Picture* SortImageNo;
    ui::Picture* SortImageYes;
    ui::Picture* SaveImageNo;
    ui::Picture* SaveImageYes;
    ui::Picture* ClearTextImage;
    ui::Picture* HelpImage;
    ui::Picture* HowtoImage;
    ui::CheckBox* ShowMeCheckBox;
    ui::Picture* CloseImage;
    ui::ProgressBar* ProgressBar1;
    ui::Panel* Panel1;
    ui::Button* Button7;
    ui::Button* Button1;
    ui::Button* Button8;
    ui::Button* Button5;
    ui::Button* Button6;
    ui::Button* Button2;
    ui::Button* Button9;
    ui::Button* Button10;
    ui::Button* Button3;
    ui::Button* Button4;
    ui::Button* BitBtn2;
    ui::Panel* HelpPanel;
    ui::Memo* MemoMainHelp;
    ui::Timer* AnimateBtnTimer;  // the show-me pulse
    ui::Timer* Timer1;           // the blinking search marker
    ui::Timer* Timer2;           // the step-7 pictures
    ui::Timer* Timer3;           // the step-8 pictures
    ui::Timer* Timer4;           // the step-1 pictures
    ui::Timer* greeting_;        // runs FormShow once the window is on the screen

    // The table of controls: each row fills its member and binds its handlers.
    void declareControls(ui::FormBuilder& table);
    void bindTimersAndWindow();
    // The first showing greets the user, once the window stands on the screen.
    void onShown();
    // Stops the three guidance animations and puts the step-7 pictures to their first frame.
    void stopGuidance();
    void enableListSteps();
    void setProgress(int position, int lines);
    void loadSafeList(const std::string& path);
    // Keys reach the window before the focused control: F1 shows the help panel.
    bool FormKeyDown(const ui::KeyPress& key);
    void Search(ui::Memo* box);
    // Save Changes, when the list came from the registry and the user takes it back there.
    void handListToRegistry();
    // Writes the found line back without the marker.
    void restoreFoundLine();
    // The end of a walk over the working list: bar and percentage back to 0.
    void endWalk();

    Tool& tool_;
    std::unique_ptr<ui::Form> form_;
    std::unique_ptr<ShowMePulse> pulse_;
    bool shown_ = false;
    // Counts changes of the safe list, so a walk knows when to read it again.
    unsigned safeListRevision_ = 0;
};

}  // namespace plevo
