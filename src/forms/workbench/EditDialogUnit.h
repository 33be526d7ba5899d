#pragma once
// The "Edit Domain Name" dialog: proposes an entry without its first label and lets the user take
// the proposal, edit it, add it to the safe list, skip the entry or stop the walk.

#include <memory>
#include <string>

#include "forms/tool/Intents.h"
#include "ui/Form.h"

namespace plevo {

class Tool;

class TOKBottomDlg final : public EditDomainIntents {
public:
    explicit TOKBottomDlg(Tool& tool);
    ~TOKBottomDlg();

    ui::Form& form() { return *form_; }

    // Shows the dialog modally over the main window for `entry` and the proposed `domain`, and
    // returns the user's answer. Closing it otherwise than by a button cancels.
    EditAnswer ask(const std::string& entry, const std::string& domain) override;

    // Handlers.
    void FormShow();
    void DlgCheckBoxClick();
    void OKBtnClick();
    void IgnoreButtonClick();
    void CancelBtnClick();

private:
    ui::Edit* EditDomain;
    ui::Edit* EditDomainExt;
    ui::CheckBox* DlgCheckBox;
    ui::Button* OKBtn;
    ui::Button* IgnoreButton;
    ui::Button* CancelBtn;

    Tool& tool_;
    std::unique_ptr<ui::Form> form_;
    // The entry and proposal being asked about, and the answer the buttons give.
    std::string entry_;
    std::string domain_;
    EditAnswer answer_;
};

}  // namespace plevo
