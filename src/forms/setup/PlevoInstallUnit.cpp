#include "forms/setup/PlevoInstallUnit.h"

#include <vector>

#include "ui/HandlerGuard.h"
#include "ui/Toolkit.h"

namespace plevo {
namespace {

using ui::ControlSpec;
using ui::Kind;

constexpr ui::Colour kTeal = ui::colours::kTeal;
constexpr ui::Colour kFace = ui::colours::kButtonFace;

// A frame of 10 pixels in teal around the face that holds the controls.
std::vector<ControlSpec> controlTable() {
    const ui::Font heading{.bold = true};
    return {
        {.kind = Kind::Panel,
         .name = "FacePanel",
         .at = {10, 10, 400, 270},
         .colour = kFace,
         .flags = ui::kNoBorder},
        {.kind = Kind::Label,
         .name = "Label1",
         .parent = "FacePanel",
         .at = {12, 10, 376, 20},
         .caption = " Please enter your company information ?",
         .font = heading},
        {.kind = Kind::ProgressBar,
         .name = "ProgressBar1",
         .parent = "FacePanel",
         .at = {12, 36, 376, 16},
         .flags = ui::kHidden},
        {.kind = Kind::Label,
         .name = "Label2",
         .parent = "FacePanel",
         .at = {12, 72, 80, 20},
         .caption = "Name:"},
        {.kind = Kind::Edit,
         .name = "Edit1",
         .parent = "FacePanel",
         .at = {100, 68, 288, 22},
         .caption = "Name"},
        {.kind = Kind::Label,
         .name = "Label3",
         .parent = "FacePanel",
         .at = {12, 104, 80, 20},
         .caption = "Address:"},
        {.kind = Kind::Edit,
         .name = "Edit2",
         .parent = "FacePanel",
         .at = {100, 100, 288, 22},
         .caption = "Home"},
        {.kind = Kind::Label,
         .name = "Label4",
         .parent = "FacePanel",
         .at = {12, 136, 80, 20},
         .caption = "Tel No:"},
        {.kind = Kind::Edit,
         .name = "Edit3",
         .parent = "FacePanel",
         .at = {100, 132, 288, 22},
         .caption = "01234"},
        {.kind = Kind::CheckBox,
         .name = "CheckBox1",
         .parent = "FacePanel",
         .at = {100, 168, 200, 20},
         .caption = "Create Desktop Icon ",
         .flags = ui::kChecked},
        {.kind = Kind::Button,
         .name = "UninstallBitBtn",
         .parent = "FacePanel",
         .at = {12, 226, 86, 28},
         .caption = "Uninstall",
         .flags = ui::kHidden},
        {.kind = Kind::Button,
         .name = "OkBitBtn",
         .parent = "FacePanel",
         .at = {108, 226, 86, 28},
         .caption = "OK",
         .flags = ui::kDefault},
        {.kind = Kind::Button,
         .name = "CloseBitBtn",
         .parent = "FacePanel",
         .at = {204, 226, 86, 28},
         .caption = "Close"},
        {.kind = Kind::Button,
         .name = "HelpBitBtn",
         .parent = "FacePanel",
         .at = {300, 226, 86, 28},
         .caption = "Help"},
    };
}

}  // namespace

TMainSetUpForm::TMainSetUpForm(ui::Toolkit& toolkit, const InstallerSetup& setup)
    : toolkit_(toolkit), dialogs_(setup.dialogs) {
    const auto table = controlTable();
    form_ = toolkit.createForm({.name = "MainSetUpForm",
                                .caption = "Welcome to your new database program",
                                .client = {kClientWidth, kClientHeight},
                                .style = ui::FormStyle::Borderless,
                                .place = ui::FormPlace::ScreenCentre,
                                .colour = kTeal},
                               table);
    Label1 = &form_->get<ui::Label>("Label1");
    ProgressBar1 = &form_->get<ui::ProgressBar>("ProgressBar1");
    Edit1 = &form_->get<ui::Edit>("Edit1");
    Edit2 = &form_->get<ui::Edit>("Edit2");
    Edit3 = &form_->get<ui::Edit>("Edit3");
    UninstallBitBtn = &form_->get<ui::Button>("UninstallBitBtn");
    CheckBox1 = &form_->get<ui::CheckBox>("CheckBox1");
    ProgressBar1->setRange(0, 100);

    // The terms wait until the window stands on the screen and the program's loop runs: asked
    // from the activation that showing the window sends, before the loop starts, a No would end
    // a loop that had not begun, and Setup would go on running without a window.
    terms_ = &form_->addTimer("TermsTimer", 0);
    terms_->onTimer = [this] {
        terms_->stop();
        guarded(&TMainSetUpForm::askTerms);
    };
    form_->onActivate = [this] { guarded(&TMainSetUpForm::FormActivate); };
    form_->onClose = [this] { guarded(&TMainSetUpForm::FormClose); };
    form_->get<ui::Button>("OkBitBtn").onClick = [this] {
        guarded(&TMainSetUpForm::OkBitBtnClick);
    };
    UninstallBitBtn->onClick = [this] { guarded(&TMainSetUpForm::UninstallBitBtnClick); };
    form_->get<ui::Button>("CloseBitBtn").onClick = [this] {
        guarded(&TMainSetUpForm::CloseBitBtnClick);
    };
    form_->get<ui::Button>("HelpBitBtn").onClick = [this] {
        guarded(&TMainSetUpForm::HelpBitBtnClick);
    };

    installer_ = std::make_unique<Installer>(setup, *this);
}

TMainSetUpForm::~TMainSetUpForm() = default;

void TMainSetUpForm::guarded(void (TMainSetUpForm::*handler)()) {
    runGuarded(dialogs_, [this, handler] { (this->*handler)(); });
}

void TMainSetUpForm::FormActivate() {
    // Only the first activation asks; coming back from a message box is no new start.
    if (activated_) return;
    activated_ = true;
    terms_->start();
}

void TMainSetUpForm::askTerms() {
    installer_->firstActivation();
}

void TMainSetUpForm::OkBitBtnClick() {
    installer_->install({.name = Edit1->caption(),
                         .address = Edit2->caption(),
                         .telephone = Edit3->caption(),
                         .desktopIcon = CheckBox1->checked()});
}

void TMainSetUpForm::UninstallBitBtnClick() {
    installer_->uninstall();
}

void TMainSetUpForm::CloseBitBtnClick() {
    closeWindow();
}

void TMainSetUpForm::HelpBitBtnClick() {
    installer_->help();
}

void TMainSetUpForm::FormClose() {
    // The installed program starts when the window closes after an install or uninstall; the
    // installer then ends.
    installer_->close();
    toolkit_.quit();
}

void TMainSetUpForm::showUninstallButton() {
    UninstallBitBtn->setVisible(true);
}

void TMainSetUpForm::setStage(const std::string& text) {
    Label1->setCaption(text);
    Label1->repaint();
}

void TMainSetUpForm::showProgress(bool shown) {
    ProgressBar1->setVisible(shown);
}

void TMainSetUpForm::setProgress(int position) {
    ProgressBar1->setPosition(position);
    ProgressBar1->repaint();
}

void TMainSetUpForm::closeWindow() {
    if (closed_) return;
    closed_ = true;
    form_->close();
}

}  // namespace plevo
