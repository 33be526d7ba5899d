#pragma once
// The criteria dialog: which word list a new rule goes into.

#include <memory>

#include "ui/Form.h"

namespace plevo {

class PlevoTool;

class TCriteriaDlg {
public:
    explicit TCriteriaDlg(PlevoTool& tool);

    static constexpr int kClientWidth = 289;
    static constexpr int kClientHeight = 221;

    ui::Form& form() { return *form_; }

private:
    PlevoTool& tool_;
    std::unique_ptr<ui::Form> form_;
};

}  // namespace plevo
