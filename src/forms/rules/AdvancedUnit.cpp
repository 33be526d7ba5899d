#include "forms/rules/AdvancedUnit.h"

#include "app/PlevoTool.h"
#include "ui/Toolkit.h"

namespace plevo {

TAdvancedForm::TAdvancedForm(PlevoTool& tool) : tool_(tool) {
    // A modal dialog; its controls come with the rules editor.
    form_ = tool_.toolkit().createForm({.name = "AdvancedForm",
                                        .caption = "Advanced Options - Manage your email filters",
                                        .client = {kClientWidth, kClientHeight},
                                        .style = ui::FormStyle::Dialog,
                                        .place = ui::FormPlace::ScreenCentre},
                                       {});
}

}  // namespace plevo
