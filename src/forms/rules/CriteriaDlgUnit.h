#pragma once
// The criteria dialog: which word list a new rule goes into. Made once, it keeps its last choice.

#include <cstddef>
#include <memory>
#include <optional>

#include "forms/tool/Intents.h"
#include "ui/Form.h"

namespace plevo {

class Tool;

class TCriteriaDlg final : public CriteriaIntents {
public:
    explicit TCriteriaDlg(Tool& tool);

    static constexpr int kClientWidth = 289;
    static constexpr int kClientHeight = 221;

    // The last showing was left with Cancel (or Esc).
    bool CriteriaCancelled = false;

    ui::Form& form() { return *form_; }
    // The list (0 to 3) of the checked choice.
    std::size_t chosenList() const;
    // Shows the dialog modally: the list chosen, or nullopt when it ended other than by OK.
    std::optional<std::size_t> chooseList() override;

    void YesBtnClick();
    void CancelBtnClick();
    void HelpBtnClick();

private:
    Tool& tool_;
    std::unique_ptr<ui::Form> form_;
    // The controls the code reaches, by their names in the table.
    ui::RadioButton* RadioButton[4];
    ui::Button* YesBtn;
    ui::Button* CancelBtn;
    ui::Button* HelpBtn;
};

}  // namespace plevo
