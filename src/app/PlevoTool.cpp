#include "app/PlevoTool.h"

#include <QApplication>
#include <QFont>
#include <QPushButton>

#include "guidance/HowToUnit.h"
#include "platform/HandlerGuard.h"
#include "registry/RegistryUnit.h"
#include "rules/AdvancedUnit.h"
#include "rules/CriteriaDlgUnit.h"
#include "workbench/EditDialogUnit.h"
#include "workbench/ReplaceCharsUnit.h"

namespace plevo {

PlevoTool::PlevoTool(const ToolSetup& setup)
    : dialogs_(setup.dialogs),
      registry_(setup.registry),
      shell_(setup.shell),
      persistRegistry_(setup.persistRegistry),
      driveC_(setup.driveC) {
    // The windows are laid out for an 8-point dialog font; the toolkit's larger default would
    // cut their captions.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
    replace_ = std::make_unique<TReplace>(*this);
    howTo_ = std::make_unique<THowTo>(*this);
    registryForm_ = std::make_unique<TRegistryForm>(*this);
    okBottomDlg_ = std::make_unique<TOKBottomDlg>(*this);
    advancedForm_ = std::make_unique<TAdvancedForm>(*this);
    criteriaDlg_ = std::make_unique<TCriteriaDlg>(*this);
    // Enter and Return press the focused button, as Space does, in every window.
    for (QWidget* w : windows())
        for (QPushButton* b : w->findChildren<QPushButton*>()) b->setAutoDefault(true);
}

std::array<QWidget*, 6> PlevoTool::windows() const {
    return {replace_.get(),     howTo_.get(),        registryForm_.get(),
            okBottomDlg_.get(), advancedForm_.get(), criteriaDlg_.get()};
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
    ++depth_;
    runGuarded(dialogs_, operation);
    --depth_;
    // What an operation changed in the registry is kept at its end, also when it failed: the
    // registry keeps what was written before an error.
    if (depth_ == 0 && persistRegistry_) runGuarded(dialogs_, persistRegistry_);
}

void PlevoTool::handleStep(const std::function<void()>& step) {
    if (pump_.walking()) return;
    handle(step);
}

void PlevoTool::show() {
    replace_->show();
}

void PlevoTool::closeAll() {
    for (QWidget* w : windows())
        if (w != replace_.get()) w->hide();
    QApplication::quit();
}

}  // namespace plevo
