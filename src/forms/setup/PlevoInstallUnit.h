#pragma once
// Setup's one window: the user's details, the install, uninstall, close and help buttons, and the
// heading and bar that show the stages of an installation.

#include <memory>

#include "setup/Installer.h"
#include "ui/Form.h"

namespace plevo {

namespace ui {
class Toolkit;
}

class TMainSetUpForm : public InstallerView {
public:
    static constexpr int kClientWidth = 420;
    static constexpr int kClientHeight = 290;

    // The window is the installer's view.
    TMainSetUpForm(ui::Toolkit& toolkit, const InstallerSetup& setup);
    ~TMainSetUpForm() override;

    ui::Form& form() { return *form_; }
    Installer& installer() { return *installer_; }

    // The first activation asks the terms once the loop runs.
    void FormActivate();
    void OkBitBtnClick();
    void UninstallBitBtnClick();
    void CloseBitBtnClick();
    void HelpBitBtnClick();
    void FormClose();

    // InstallerView.
    void showUninstallButton() override;
    void setStage(const std::string& text) override;
    void showProgress(bool shown) override;
    void setProgress(int position) override;
    void closeWindow() override;

private:
    // Runs a handler; an error shows the general error box and the window goes on.
    void guarded(void (TMainSetUpForm::*handler)());
    void askTerms();

    ui::Toolkit& toolkit_;
    Dialogs& dialogs_;
    std::unique_ptr<ui::Form> form_;
    std::unique_ptr<Installer> installer_;
    ui::Timer* terms_ = nullptr;
    bool activated_ = false;
    bool closed_ = false;

    // The controls the code reaches, by their names in the table.
    ui::Label* Label1;
    ui::ProgressBar* ProgressBar1;
    ui::Edit* Edit1;
    ui::Edit* Edit2;
    ui::Edit* Edit3;
    ui::Button* UninstallBitBtn;
    ui::CheckBox* CheckBox1;
    ui::Button* OkBitBtn;
    ui::Button* CloseBitBtn;
    ui::Button* HelpBitBtn;
};

}  // namespace plevo
