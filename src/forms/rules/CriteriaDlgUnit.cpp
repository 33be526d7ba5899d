#include "forms/rules/CriteriaDlgUnit.h"

#include "ui/qt/Forms.h"

namespace plevo {

TCriteriaDlg::TCriteriaDlg(PlevoTool& tool) : QDialog(nullptr), tool_(tool) {
    setObjectName(QStringLiteral("CriteriaDlg"));
    setWindowTitle(QStringLiteral("Criteria Option"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    fixClientSize(this, 289, 221);
    setBackground(this, Qt::white);
}

}  // namespace plevo
