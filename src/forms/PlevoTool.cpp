#include "forms/PlevoTool.h"

#include "forms/guidance/HowToUnit.h"
#include "forms/registry/RegistryUnit.h"
#include "forms/rules/AdvancedUnit.h"
#include "forms/rules/CriteriaDlgUnit.h"
#include "forms/workbench/EditDialogUnit.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "ui/Form.h"

namespace plevo {

PlevoTool::PlevoTool(const ToolSetup& setup) : Tool(setup) {
    replace_ = std::make_unique<TReplace>(*this);
    mainWindow_ = replace_.get();
    howToWindow_ = std::make_unique<THowTo>(*this);
    howTo_ = howToWindow_.get();
    registryForm_ = std::make_unique<TRegistryForm>(*this);
    registryWindow_ = registryForm_.get();
    okBottomDlg_ = std::make_unique<TOKBottomDlg>(*this);
    editDomain_ = okBottomDlg_.get();
    advancedForm_ = std::make_unique<TAdvancedForm>(*this);
    rulesWindow_ = advancedForm_.get();
    criteriaDlg_ = std::make_unique<TCriteriaDlg>(*this);
    criteria_ = criteriaDlg_.get();
}

std::array<ui::Form*, 6> PlevoTool::windows() const {
    return {&replace_->form(),     &howToWindow_->form(),  &registryForm_->form(),
            &okBottomDlg_->form(), &advancedForm_->form(), &criteriaDlg_->form()};
}

PlevoTool::~PlevoTool() {
    criteriaDlg_.reset();
    advancedForm_.reset();
    okBottomDlg_.reset();
    registryForm_.reset();
    howToWindow_.reset();
    replace_.reset();
}

void PlevoTool::show() {
    replace_->form().show();
}

}  // namespace plevo
