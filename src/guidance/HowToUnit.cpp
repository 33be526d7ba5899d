#include "guidance/HowToUnit.h"

#include "app/PlevoTool.h"
#include "platform/Forms.h"
#include "workbench/ReplaceCharsUnit.h"

namespace plevo {

THowTo::THowTo(PlevoTool& tool) : QWidget(nullptr), tool_(tool) {
    setObjectName(QStringLiteral("HowTo"));
    setWindowTitle(QStringLiteral("How to use Regedit.exe"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    fixClientSize(this, 640, 460);
    setBackground(this, Qt::white);
}

void THowTo::showWindow() {
    if (isHidden()) centreOver(this, &tool_.Replace());
    show();
    raise();
}

}  // namespace plevo
