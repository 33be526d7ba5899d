#pragma once
// The main window: the working list on the left, the safe list on the right, the numbered steps,
// the progress bar and the percentage below them.

#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <string>

#include "platform/Controls.h"
#include "workbench/MemoBox.h"

namespace plevo {

class PlevoTool;

class TReplace : public QWidget {
    Q_OBJECT
public:
    explicit TReplace(PlevoTool& tool);
    ~TReplace() override;

    static constexpr int kClientWidth = 760;
    static constexpr int kClientHeight = 506;

    // Controls, by their names.
    TPanel* BlockPanel;
    TPanel* DoNotBlockPanel;
    QWidget* TextPanel;
    TMemo* Memo1;
    TLabel* Label2;
    TLabel* Label1;
    TLabel* Label7;
    TPanel* Panel10;
    QWidget* DomainPanel;
    QGroupBox* DomainsGroupBox;
    TMemo* Memo2;
    TLabel* Label5;
    TLabel* Label6;
    TLabel* Label8;
    TPanel* Panel11;
    TLabel* Label3;
    QLineEdit* Edit1;
    TImage* OpenOutlookImage;
    TLabel* Label17;
    TImage* SaveOutlookImage;
    TLabel* Label18;
    TImage* Image2;
    TPanel* Panel3;
    TImage* OpenImage;
    TImage* OpenImage1;
    TImage* OpenImage2;
    TImage* OpenImage3;
    TImage* OpenImage4;
    TImage* OpenImage5;
    TLabel* Label9;
    TImage* RemoveImage;
    TCheckBox* CheckBox2;
    TImage* EditImage;
    TLabel* Label10;
    TImage* DeleteImage;
    TLabel* Label12;
    TImage* SortImage;
    TLabel* Label11;
    TImage* SaveImage;
    TLabel* Label13;
    TPanel* Panel2;
    TImage* RegistryImage1;
    TImage* RegistryImage2;
    TImage* RegistryImage3;
    TImage* RegistryImage4;
    TLabel* Label4;
    TPanel* Panel4;
    TImage* AssistImage1;
    TImage* AssistImage2;
    TLabel* Label16;
    TImage* RemoveImageNo;
    TImage* RemoveImageYes;
    TImage* EditImageNo;
    TImage* EditImageYes;
    TImage* DeleteImageNo;
    TImage* DeleteImageYes;
    TImage* SortImageNo;
    TImage* SortImageYes;
    TImage* SaveImageNo;
    TImage* SaveImageYes;
    TImage* ClearTextImage;
    TLabel* Label15;
    TImage* HelpImage;
    TLabel* Label19;
    TImage* HowtoImage;
    TLabel* Label14;
    QCheckBox* ShowMeCheckBox;
    TLabel* Label20;
    TImage* CloseImage;
    QProgressBar* ProgressBar1;
    TPanel* Panel1;
    QPushButton* Button7;
    QPushButton* Button1;
    QPushButton* Button8;
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* Button2;
    QPushButton* Button9;
    QPushButton* Button10;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* BitBtn2;
    QWidget* HelpPanel;
    QPlainTextEdit* MemoMainHelp;
    QTimer* AnimateBtnTimer;  // the show-me pulse
    QTimer* Timer1;           // the blinking search marker
    QTimer* Timer2;           // the step-7 pictures
    QTimer* Timer3;           // the step-8 pictures
    QTimer* Timer4;           // the step-1 pictures

    // The show-me pulse is in its growing half.
    bool AnimGrowing = false;
    // Timer2's interval is growing (the step-7 blinking slows down).
    bool RegistryBlinkSlowing = false;
    // The help panel's text, line by line.
    static const char* const kMainHelpLines[55];
    // What the next tick of the search marker writes: the plain line (false) or the marked one.
    bool MarkerPhase = false;
    static constexpr const char* kSearchMarker = " <----here";
    // The example of a large free mail domain in the warning about unchecking CheckBox2.
    static constexpr const char* kExampleFreeMailDomain = "freemail.example";

    // Helpers the steps of both windows use.
    void PrepareProgress();
    void ResetStepImages();
    void ResetStepMarks();
    void SetAnimatedImageSize(int size);
    void SortBoxLines(TMemo* box);
    void PointNextStep(QPushButton* button, TImage* image);

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
    void AnimateBtnTimerTimer();
    void ShowMeCheckBoxClick();
    void Timer2Timer();  // the step-7 pictures
    void Timer3Timer();  // the step-8 pictures
    void Timer4Timer();  // the step-1 pictures

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLists();
    void buildSteps();
    void buildBottom();
    void connectHandlers();
    // Stops the three guidance animations and puts the step-7 pictures to their first frame.
    void stopGuidance();
    void enableListSteps();
    void setProgress(int position, int lines);
    void loadSafeList(const std::string& path);
    void Search(TMemo* box);
    // Save Changes, when the list came from the registry and the user takes it back there.
    void handListToRegistry();
    // Writes the found line back without the marker.
    void restoreFoundLine();
    // The end of a walk over the working list: bar and percentage back to 0.
    void endWalk();

    PlevoTool& tool_;
    bool shown_ = false;
    // Counts changes of the safe list, so a walk knows when to read it again.
    unsigned safeListRevision_ = 0;
};

}  // namespace plevo
