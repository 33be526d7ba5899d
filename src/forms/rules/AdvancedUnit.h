#pragma once
// The rules window: the mail rules of the chosen identity, as four word lists.

#include <memory>

#include "ui/Form.h"

namespace plevo {

class PlevoTool;

class TAdvancedForm {
public:
    explicit TAdvancedForm(PlevoTool& tool);

    static constexpr int kClientWidth = 723;
    static constexpr int kClientHeight = 595;

    ui::Form& form() { return *form_; }

private:
    PlevoTool& tool_;
    std::unique_ptr<ui::Form> form_;
};

}  // namespace plevo
