#include "rules/AdvancedUnit.h"

#include "platform/Forms.h"

namespace plevo {

TAdvancedForm::TAdvancedForm(PlevoTool& tool) : QDialog(nullptr), tool_(tool) {
    setObjectName(QStringLiteral("AdvancedForm"));
    setWindowTitle(QStringLiteral("Advanced Options - Manage your email filters"));
    setModal(true);
    fixClientSize(this, 723, 595);
}

}  // namespace plevo
