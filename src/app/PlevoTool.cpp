#include "app/PlevoTool.h"

#include "forms/guidance/HowToUnit.h"
#include "forms/guidance/ShowMePulse.h"
#include "forms/registry/RegistryUnit.h"
#include "forms/rules/AdvancedUnit.h"
#include "forms/rules/CriteriaDlgUnit.h"
#include "forms/workbench/EditDialogUnit.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "ui/Form.h"
#include "ui/HandlerGuard.h"
#include "ui/Toolkit.h"

namespace plevo {

PlevoTool::PlevoTool(const ToolSetup& setup)
    : toolkit_(setup.toolkit),
      dialogs_(setup.dialogs, setup.persistRegistry),
      registry_(setup.registry),
      shell_(setup.shell),
      pump_(setup.toolkit),
      driveC_(setup.driveC) {
    replace_ = std::make_unique<TReplace>(*this);
    howTo_ = std::make_unique<THowTo>(*this);
    registryForm_ = std::make_unique<TRegistryForm>(*this);
    okBottomDlg_ = std::make_unique<TOKBottomDlg>(*this);
    advancedForm_ = std::make_unique<TAdvancedForm>(*this);
    criteriaDlg_ = std::make_unique<TCriteriaDlg>(*this);
}

std::array<ui::Form*, 6> PlevoTool::windows() const {
    return {&replace_->form(),     &howTo_->form(),        &registryForm_->form(),
            &okBottomDlg_->form(), &advancedForm_->form(), &criteriaDlg_->form()};
}

ShowMePulse& PlevoTool::pulse() {
    return replace_->pulse();
}

PlevoTool::~PlevoTool() {
    criteriaDlg_.reset();
    advancedForm_.reset();
    okBottomDlg_.reset();
    registryForm_.reset();
    howTo_.reset();
    replace_.reset();
}

void PlevoTool::handle(const std::function<void()>& operation) {
    runGuarded(dialogs_, operation);
    // What an operation changed in the registry is kept at its end, also when it failed (the
    // registry keeps what was written before an error) and when it ran inside another one, as
    // everything in a modal window does: the outer operation may not end for a long while.
    runGuarded(dialogs_, [this] { dialogs_.store(); });
}

void PlevoTool::handleStep(const std::function<void()>& step) {
    if (pump_.walking()) return;
    handle(step);
}

void PlevoTool::show() {
    replace_->form().show();
}

void PlevoTool::closeAll() {
    for (ui::Form* w : windows())
        if (w != &replace_->form()) w->hide();
    toolkit_.quit();
}

}  // namespace plevo
