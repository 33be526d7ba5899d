#include "forms/rules/AdvancedUnit.h"

#include "ui/qt/Forms.h"

namespace plevo {

TAdvancedForm::TAdvancedForm(PlevoTool& tool) : QDialog(nullptr), tool_(tool) {
    setObjectName(QStringLiteral("AdvancedForm"));
    setWindowTitle(QStringLiteral("Advanced Options - Manage your email filters"));
    setModal(true);
    fixClientSize(this, 723, 595);
}

}  // namespace plevo
