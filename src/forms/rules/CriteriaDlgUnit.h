#pragma once
// The criteria dialog: which word list a new rule goes into. Made once, it keeps its last choice.

#include <cstddef>
#include <memory>

#include "ui/Form.h"

namespace plevo {

class PlevoTool;

class TCriteriaDlg {
public:
    explicit TCriteriaDlg(PlevoTool& tool);

    static constexpr int kClientWidth = 289;
    static constexpr int kClientHeight = 221;

    // The last showing was left with Cancel (or Esc).
    bool CriteriaCancelled = false;

    ui::Form& form() { return *form_; }
    // The list (0 to 3) of the checked choice.
    std::size_t chosenList() const;

    void YesBtnClick();
    void CancelBtnClick();
    void HelpBtnClick();

private:
    PlevoTool& tool_;
    std::unique_ptr<ui::Form> form_;
    ui::RadioButton* RadioButton[4];
};

}  // namespace plevo
