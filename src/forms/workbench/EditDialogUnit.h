#pragma once
// The "Edit Domain Name" dialog: proposes an entry without its first label and lets the user take
// the proposal, edit it, add it to the safe list, skip the entry or stop the walk.

#include <memory>
#include <string>

#include "ui/Form.h"

namespace plevo {

class PlevoTool;

// What the user chose for one entry.
struct EditAnswer {
    enum class Kind { Take, Skip, Cancel };
    Kind kind = Kind::Cancel;
    // The upper box as the user left it: emptied, the entry stays as it is.
    std::string entry;
    // The lower box: what the entry becomes, and what goes into the safe list.
    std::string domain;
    bool addToSafe = false;
};

class TOKBottomDlg {
public:
    explicit TOKBottomDlg(PlevoTool& tool);
    ~TOKBottomDlg();

    ui::Form& form() { return *form_; }

    // Shows the dialog modally over the main window for `entry` and the proposed `domain`, and
    // returns the user's answer. Closing it otherwise than by a button cancels.
    EditAnswer ask(const std::string& entry, const std::string& domain);

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

    PlevoTool& tool_;
    std::unique_ptr<ui::Form> form_;
    // The entry and proposal being asked about, and the answer the buttons give.
    std::string entry_;
    std::string domain_;
    EditAnswer answer_;
};

}  // namespace plevo
