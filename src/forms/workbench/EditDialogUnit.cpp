#include "forms/workbench/EditDialogUnit.h"

#include <algorithm>
#include <vector>

#include "app/PlevoTool.h"
#include "ui/Dialogs.h"
#include "ui/Toolkit.h"

namespace plevo {
namespace {

using ui::ControlSpec;
using ui::Kind;

ui::FormSpec editForm() {
    return {.name = "OKBottomDlg",
            .caption = "Edit Domain Name",
            .client = {440, 236},
            .style = ui::FormStyle::Dialog,
            .place = ui::FormPlace::OwnerCentre};
}

std::vector<ControlSpec> editControls() {
    // The table order is the tab order: "&Do not update" comes first.
    return {
        {.kind = Kind::Label,
         .name = "Label2",
         .at = {12, 8, 416, 20},
         .caption = "Select the [Update] button to automatically remove the highlighted section",
         .flags = ui::kWordWrap},
        {.kind = Kind::Label,
         .name = "Label3",
         .at = {12, 62, 416, 20},
         .caption = "You can also edit this Domain name, as you want it to be blocked.",
         .flags = ui::kWordWrap},
        {.kind = Kind::Label,
         .name = "Label4",
         .at = {12, 142, 416, 20},
         .caption = "You can add this domain to your safe domain list, [Not to be blocked]",
         .flags = ui::kWordWrap},
        {.kind = Kind::Button,
         .name = "IgnoreButton",
         .at = {160, 192, 124, 30},
         .caption = "&Do not update"},
        {.kind = Kind::Button,
         .name = "OKBtn",
         .at = {24, 192, 124, 30},
         .caption = "&Update",
         .flags = ui::kDefault},
        // Esc is "&Cancel and Close".
        {.kind = Kind::Button,
         .name = "CancelBtn",
         .at = {296, 192, 124, 30},
         .caption = "&Cancel and Close",
         .flags = ui::kCancel},
        // The highlighted first label stays visible while the focus is elsewhere.
        {.kind = Kind::Edit,
         .name = "EditDomain",
         .at = {12, 30, 416, 24},
         .flags = ui::kNoHideSel},
        {.kind = Kind::Edit, .name = "EditDomainExt", .at = {12, 84, 416, 24}},
        {.kind = Kind::CheckBox,
         .name = "DlgCheckBox",
         .at = {12, 118, 200, 22},
         .caption = "Add if Checked"},
    };
}

}  // namespace

TOKBottomDlg::TOKBottomDlg(PlevoTool& tool) : tool_(tool) {
    const std::vector<ControlSpec> table = editControls();
    form_ = tool_.toolkit().createForm(editForm(), table);
    ui::Form& f = *form_;
    Label2 = &f.get<ui::Label>("Label2");
    EditDomain = &f.get<ui::Edit>("EditDomain");
    Label3 = &f.get<ui::Label>("Label3");
    EditDomainExt = &f.get<ui::Edit>("EditDomainExt");
    DlgCheckBox = &f.get<ui::CheckBox>("DlgCheckBox");
    Label4 = &f.get<ui::Label>("Label4");
    OKBtn = &f.get<ui::Button>("OKBtn");
    IgnoreButton = &f.get<ui::Button>("IgnoreButton");
    CancelBtn = &f.get<ui::Button>("CancelBtn");

    DlgCheckBox->onClick = tool_.operation(this, &TOKBottomDlg::DlgCheckBoxClick);
    OKBtn->onClick = tool_.operation(this, &TOKBottomDlg::OKBtnClick);
    IgnoreButton->onClick = tool_.operation(this, &TOKBottomDlg::IgnoreButtonClick);
    CancelBtn->onClick = tool_.operation(this, &TOKBottomDlg::CancelBtnClick);
    f.onShow = tool_.operation(this, &TOKBottomDlg::FormShow);
}

TOKBottomDlg::~TOKBottomDlg() = default;

EditAnswer TOKBottomDlg::ask(const std::string& entry, const std::string& domain) {
    entry_ = entry;
    domain_ = domain;
    EditDomain->setCaption(entry);
    EditDomainExt->setCaption(domain);
    answer_ = EditAnswer{};
    tool_.dialogs().runModal(*form_);
    return answer_;
}

void TOKBottomDlg::FormShow() {
    DlgCheckBox->setChecked(false);
    answer_.addToSafe = false;
    EditDomain->setFocus();
    // The first labels, which Update takes away, are highlighted.
    const auto cut = static_cast<int>(entry_.size()) - static_cast<int>(domain_.size());
    EditDomain->select(0, std::max(cut, 0));
}

void TOKBottomDlg::DlgCheckBoxClick() {
    answer_.addToSafe = DlgCheckBox->checked();
    if (answer_.addToSafe) EditDomain->select(0, 0);
}

void TOKBottomDlg::OKBtnClick() {
    answer_.kind = EditAnswer::Kind::Take;
    answer_.entry = EditDomain->caption();
    answer_.domain = EditDomainExt->caption();
    form_->endModal(ui::kResultOk);
}

void TOKBottomDlg::IgnoreButtonClick() {
    answer_.kind = EditAnswer::Kind::Skip;
    form_->endModal(ui::kResultIgnore);
}

void TOKBottomDlg::CancelBtnClick() {
    answer_.kind = EditAnswer::Kind::Cancel;
    form_->endModal(ui::kResultCancel);
}

}  // namespace plevo
