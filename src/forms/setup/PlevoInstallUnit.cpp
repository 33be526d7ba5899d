#include "forms/setup/PlevoInstallUnit.h"

#include "ui/FormBuilder.h"
#include "ui/HandlerGuard.h"

namespace plevo {
namespace {

using ui::Kind;

constexpr ui::Colour kTeal = ui::colours::kTeal;
constexpr ui::Colour kFace = ui::colours::kButtonFace;

}  // namespace

TMainSetUpForm::TMainSetUpForm(ui::Toolkit& toolkit, const InstallerSetup& setup)
    : toolkit_(toolkit), dialogs_(setup.dialogs) {
    // Each button runs its handler guarded.
    auto guard = [this](void (TMainSetUpForm::*handler)()) -> ui::Handler {
        return [this, handler] { guarded(handler); };
    };
    ui::FormBuilder t({.name = "MainSetUpForm",
                       .caption = "Welcome to your new database program",
                       .client = {kClientWidth, kClientHeight},
                       .style = ui::FormStyle::Borderless,
                       .place = ui::FormPlace::ScreenCentre,
                       .colour = kTeal});
    // A frame of 10 pixels in teal around the face that holds the controls.
    t.add({.kind = Kind::Panel,
           .name = "FacePanel",
           .at = {10, 10, 400, 270},
           .colour = kFace,
           .flags = ui::kNoBorder});
    t.add(Label1, {.kind = Kind::Label,
                   .name = "Label1",
                   .parent = "FacePanel",
                   .at = {12, 10, 376, 20},
                   .caption = " Please enter your company information ?",
                   .font = {.bold = true}});
    t.add(ProgressBar1, {.kind = Kind::ProgressBar,
                         .name = "ProgressBar1",
                         .parent = "FacePanel",
                         .at = {12, 36, 376, 16},
                         .flags = ui::kHidden});
    t.add({.kind = Kind::Label,
           .name = "Label2",
           .parent = "FacePanel",
           .at = {12, 72, 80, 20},
           .caption = "Name:"});
    t.add(Edit1, {.kind = Kind::Edit,
                  .name = "Edit1",
                  .parent = "FacePanel",
                  .at = {100, 68, 288, 22},
                  .caption = "Name"});
    t.add({.kind = Kind::Label,
           .name = "Label3",
           .parent = "FacePanel",
           .at = {12, 104, 80, 20},
           .caption = "Address:"});
    t.add(Edit2, {.kind = Kind::Edit,
                  .name = "Edit2",
                  .parent = "FacePanel",
                  .at = {100, 100, 288, 22},
                  .caption = "Home"});
    t.add({.kind = Kind::Label,
           .name = "Label4",
           .parent = "FacePanel",
           .at = {12, 136, 80, 20},
           .caption = "Tel No:"});
    t.add(Edit3, {.kind = Kind::Edit,
                  .name = "Edit3",
                  .parent = "FacePanel",
                  .at = {100, 132, 288, 22},
                  .caption = "01234"});
    t.add(CheckBox1, {.kind = Kind::CheckBox,
                      .name = "CheckBox1",
                      .parent = "FacePanel",
                      .at = {100, 168, 200, 20},
                      .caption = "Create Desktop Icon ",
                      .flags = ui::kChecked});
    t.add(UninstallBitBtn, {.kind = Kind::Button,
                            .name = "UninstallBitBtn",
                            .parent = "FacePanel",
                            .at = {12, 226, 86, 28},
                            .caption = "Uninstall",
                            .flags = ui::kHidden})
        .onClick(guard(&TMainSetUpForm::UninstallBitBtnClick));
    t.add(OkBitBtn, {.kind = Kind::Button,
                     .name = "OkBitBtn",
                     .parent = "FacePanel",
                     .at = {108, 226, 86, 28},
                     .caption = "OK",
                     .flags = ui::kDefault})
        .onClick(guard(&TMainSetUpForm::OkBitBtnClick));
    t.add(CloseBitBtn, {.kind = Kind::Button,
                        .name = "CloseBitBtn",
                        .parent = "FacePanel",
                        .at = {204, 226, 86, 28},
                        .caption = "Close"})
        .onClick(guard(&TMainSetUpForm::CloseBitBtnClick));
    t.add(HelpBitBtn, {.kind = Kind::Button,
                       .name = "HelpBitBtn",
                       .parent = "FacePanel",
                       .at = {300, 226, 86, 28},
                       .caption = "Help"})
        .onClick(guard(&TMainSetUpForm::HelpBitBtnClick));
    form_ = t.build(toolkit);
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
