#include "forms/rules/CriteriaDlgUnit.h"

#include "app/PlevoTool.h"
#include "ui/Toolkit.h"

namespace plevo {

TCriteriaDlg::TCriteriaDlg(PlevoTool& tool) : tool_(tool) {
    // A white modal box without a frame; its controls come with the rules editor.
    form_ = tool_.toolkit().createForm({.name = "CriteriaDlg",
                                        .caption = "Criteria Option",
                                        .client = {kClientWidth, kClientHeight},
                                        .style = ui::FormStyle::Borderless,
                                        .place = ui::FormPlace::ScreenCentre,
                                        .colour = ui::colours::kWhite},
                                       {});
}

}  // namespace plevo
