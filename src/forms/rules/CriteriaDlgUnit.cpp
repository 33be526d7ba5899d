#include "forms/rules/CriteriaDlgUnit.h"

#include "forms/tool/Tool.h"
#include "platform/Dialogs.h"
#include "ui/FormBuilder.h"

namespace plevo {

TCriteriaDlg::TCriteriaDlg(Tool& tool) : tool_(tool) {
    using ui::Kind;
    auto plain = [this](void (TCriteriaDlg::*handler)()) { return tool_.operation(this, handler); };
    // A small box with a caption and no buttons in it; its white is drawn see-through, so the
    // choices seem to float over the rules window.
    ui::FormBuilder t({.name = "CriteriaDlg",
                       .caption = "Criteria Option",
                       .client = {kClientWidth, kClientHeight},
                       .style = ui::FormStyle::CaptionOnly,
                       .place = ui::FormPlace::OwnerCentre,
                       .colour = ui::colours::kWhite,
                       .seeThrough = ui::colours::kWhite});
    t.add({.kind = Kind::GroupBox,
           .name = "GroupBox1",
           .at = {8, 8, 273, 156},
           .caption = "Select which criteria you would like to start with?"});
    // The four choices wear the colours of the rules window's list headers.
    t.add(RadioButton[0], {.kind = Kind::RadioButton,
                           .name = "RadioButton1",
                           .parent = "GroupBox1",
                           .at = {16, 26, 160, 24},
                           .caption = "1. FROM",
                           .colour = ui::Colour{255, 128, 64},
                           .flags = ui::kChecked});
    t.add(RadioButton[1], {.kind = Kind::RadioButton,
                           .name = "RadioButton2",
                           .parent = "GroupBox1",
                           .at = {16, 58, 160, 24},
                           .caption = "2. TO",
                           .colour = ui::colours::kYellow});
    t.add(RadioButton[2], {.kind = Kind::RadioButton,
                           .name = "RadioButton3",
                           .parent = "GroupBox1",
                           .at = {16, 90, 160, 24},
                           .caption = "3. SUBJECT",
                           .colour = ui::colours::kLime});
    t.add(RadioButton[3], {.kind = Kind::RadioButton,
                           .name = "RadioButton4",
                           .parent = "GroupBox1",
                           .at = {16, 122, 160, 24},
                           .caption = "4. MESSAGE",
                           .colour = ui::Colour{128, 128, 255}});
    t.add(YesBtn, {.kind = Kind::Button,
                   .name = "YesBtn",
                   .at = {12, 180, 84, 28},
                   .caption = "OK",
                   .flags = ui::kDefault,
                   .modalResult = ui::kResultOk})
        .onClick(plain(&TCriteriaDlg::YesBtnClick));
    t.add(CancelBtn, {.kind = Kind::Button,
                      .name = "CancelBtn",
                      .at = {102, 180, 84, 28},
                      .caption = "Cancel",
                      .flags = ui::kCancel,
                      .modalResult = ui::kResultCancel})
        .onClick(plain(&TCriteriaDlg::CancelBtnClick));
    t.add(HelpBtn,
          {.kind = Kind::Button, .name = "HelpBtn", .at = {192, 180, 84, 28}, .caption = "&Help"})
        .onClick(plain(&TCriteriaDlg::HelpBtnClick));
    form_ = t.build(tool_.toolkit());
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
