#include "forms/workbench/EditDialogUnit.h"

#include <algorithm>
#include <vector>

#include "forms/tool/Tool.h"
#include "platform/Dialogs.h"
#include "ui/FormBuilder.h"

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

}  // namespace

TOKBottomDlg::TOKBottomDlg(Tool& tool) : tool_(tool) {
    auto plain = [this](void (TOKBottomDlg::*handler)()) { return tool_.operation(this, handler); };
    ui::FormBuilder t(editForm());
    // The table order is the tab order: "&Do not update" comes first.
    t.add({.kind = Kind::Label,
           .name = "Label2",
           .at = {12, 8, 416, 20},
           .caption = "Select the [Update] button to automatically remove the highlighted section",
           .flags = ui::kWordWrap});
    t.add({.kind = Kind::Label,
           .name = "Label3",
           .at = {12, 62, 416, 20},
           .caption = "You can also edit this Domain name, as you want it to be blocked.",
           .flags = ui::kWordWrap});
    t.add({.kind = Kind::Label,
           .name = "Label4",
           .at = {12, 142, 416, 20},
           .caption = "You can add this domain to your safe domain list, [Not to be blocked]",
           .flags = ui::kWordWrap});
    t.add(IgnoreButton, {.kind = Kind::Button,
                         .name = "IgnoreButton",
                         .at = {160, 192, 124, 30},
                         .caption = "&Do not update"})
        .onClick(plain(&TOKBottomDlg::IgnoreButtonClick));
    t.add(OKBtn, {.kind = Kind::Button,
                  .name = "OKBtn",
                  .at = {24, 192, 124, 30},
                  .caption = "&Update",
                  .flags = ui::kDefault})
        .onClick(plain(&TOKBottomDlg::OKBtnClick));
    // Esc is "&Cancel and Close".
    t.add(CancelBtn, {.kind = Kind::Button,
                      .name = "CancelBtn",
                      .at = {296, 192, 124, 30},
                      .caption = "&Cancel and Close",
                      .flags = ui::kCancel})
        .onClick(plain(&TOKBottomDlg::CancelBtnClick));
    // The highlighted first label stays visible while the focus is elsewhere.
    t.add(EditDomain, {.kind = Kind::Edit,
                       .name = "EditDomain",
                       .at = {12, 30, 416, 24},
                       .flags = ui::kNoHideSel});
    t.add(EditDomainExt, {.kind = Kind::Edit, .name = "EditDomainExt", .at = {12, 84, 416, 24}});
    t.add(DlgCheckBox, {.kind = Kind::CheckBox,
                        .name = "DlgCheckBox",
                        .at = {12, 118, 200, 22},
                        .caption = "Add if Checked"})
        .onClick(plain(&TOKBottomDlg::DlgCheckBoxClick));
    form_ = t.build(tool_.toolkit());
    form_->onShow = plain(&TOKBottomDlg::FormShow);
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
