#include "forms/rules/CriteriaDlgUnit.h"

#include <string>
#include <vector>

#include "forms/tool/Tool.h"
#include "platform/Dialogs.h"
#include "ui/Toolkit.h"

namespace plevo {
namespace {

using ui::ControlSpec;
using ui::Kind;

// The four choices wear the colours of the rules window's list headers.
std::vector<ControlSpec> controlTable() {
    return {
        {.kind = Kind::GroupBox,
         .name = "GroupBox1",
         .at = {8, 8, 273, 156},
         .caption = "Select which criteria you would like to start with?"},
        {.kind = Kind::RadioButton,
         .name = "RadioButton1",
         .parent = "GroupBox1",
         .at = {16, 26, 160, 24},
         .caption = "1. FROM",
         .colour = ui::Colour{255, 128, 64},
         .flags = ui::kChecked},
        {.kind = Kind::RadioButton,
         .name = "RadioButton2",
         .parent = "GroupBox1",
         .at = {16, 58, 160, 24},
         .caption = "2. TO",
         .colour = ui::colours::kYellow},
        {.kind = Kind::RadioButton,
         .name = "RadioButton3",
         .parent = "GroupBox1",
         .at = {16, 90, 160, 24},
         .caption = "3. SUBJECT",
         .colour = ui::colours::kLime},
        {.kind = Kind::RadioButton,
         .name = "RadioButton4",
         .parent = "GroupBox1",
         .at = {16, 122, 160, 24},
         .caption = "4. MESSAGE",
         .colour = ui::Colour{128, 128, 255}},
        {.kind = Kind::Button,
         .name = "YesBtn",
         .at = {12, 180, 84, 28},
         .caption = "OK",
         .flags = ui::kDefault,
         .modalResult = ui::kResultOk},
        {.kind = Kind::Button,
         .name = "CancelBtn",
         .at = {102, 180, 84, 28},
         .caption = "Cancel",
         .flags = ui::kCancel,
         .modalResult = ui::kResultCancel},
        {.kind = Kind::Button, .name = "HelpBtn", .at = {192, 180, 84, 28}, .caption = "&Help"},
    };
}

}  // namespace

TCriteriaDlg::TCriteriaDlg(Tool& tool) : tool_(tool) {
    // A small box with a caption and no buttons in it; its white is drawn see-through, so the
    // choices seem to float over the rules window.
    const std::vector<ControlSpec> controls = controlTable();
    form_ = tool_.toolkit().createForm({.name = "CriteriaDlg",
                                        .caption = "Criteria Option",
                                        .client = {kClientWidth, kClientHeight},
                                        .style = ui::FormStyle::CaptionOnly,
                                        .place = ui::FormPlace::OwnerCentre,
                                        .colour = ui::colours::kWhite,
                                        .seeThrough = ui::colours::kWhite},
                                       controls);
    for (std::size_t k = 0; k < 4; ++k)
        RadioButton[k] = &form_->get<ui::RadioButton>("RadioButton" + std::to_string(k + 1));
    form_->get<ui::Button>("YesBtn").onClick = tool_.operation(this, &TCriteriaDlg::YesBtnClick);
    form_->get<ui::Button>("CancelBtn").onClick =
        tool_.operation(this, &TCriteriaDlg::CancelBtnClick);
    form_->get<ui::Button>("HelpBtn").onClick = tool_.operation(this, &TCriteriaDlg::HelpBtnClick);
}

std::optional<std::size_t> TCriteriaDlg::chooseList() {
    const int result = tool_.dialogs().runModal(*form_);
    // A showing ended other than by OK counts as cancelled.
    if (CriteriaCancelled || result != ui::kResultOk) return std::nullopt;
    return chosenList();
}

std::size_t TCriteriaDlg::chosenList() const {
    for (std::size_t k = 0; k < 3; ++k)
        if (RadioButton[k]->checked()) return k;
    return 3;
}

void TCriteriaDlg::YesBtnClick() {
    CriteriaCancelled = false;
}

void TCriteriaDlg::CancelBtnClick() {
    CriteriaCancelled = true;
}

void TCriteriaDlg::HelpBtnClick() {
    tool_.dialogs().message(
        "Select one of the 4 options. If you make a mistake\n\rselect the [New] button once "
        "again.\n\rSelect Cancel if you do not want to proceed");
}

}  // namespace plevo
