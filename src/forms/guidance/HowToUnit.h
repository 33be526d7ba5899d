#pragma once
// The how-to window: how to back up the registry with the system's registry editor before the
// tool changes it, in two pictures.

#include <memory>

#include "forms/tool/Intents.h"
#include "ui/Form.h"

namespace plevo {

class Tool;

class THowTo final : public HowToIntents {
public:
    explicit THowTo(Tool& tool);

    static constexpr int kClientWidth = 633;
    static constexpr int kClientHeight = 489;

    ui::Form& form() { return *form_; }

    // Shows the window without blocking the main window.
    void showWindow() override;

    // Handlers.
    void FormActivate();    // back to the top
    void GroupBox1Click();  // down to the second step

private:
    // Keys reach the window before the focused control: Esc closes it.
    bool FormKeyDown(const ui::KeyPress& key);

    ui::ScrollBox* Scroller;
    ui::GroupBox* GroupBox1;
    ui::Picture* Image1;
    ui::GroupBox* GroupBox2;

    Tool& tool_;
    std::unique_ptr<ui::Form> form_;
};

}  // namespace plevo
