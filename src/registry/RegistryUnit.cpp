#include "registry/RegistryUnit.h"

#include "app/PlevoTool.h"
#include "app/SharedState.h"
#include "platform/Forms.h"
#include "resources/Pictures.h"
#include "workbench/ReplaceCharsUnit.h"

namespace plevo {

TRegistryForm::TRegistryForm(PlevoTool& tool) : QWidget(nullptr), tool_(tool) {
    setObjectName(QStringLiteral("RegistryForm"));
    setWindowTitle(QStringLiteral(
        "Registry (The registry contains the Outlook Express Blocked Senders List)"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    fixClientSize(this, kClientWidth, kClientHeight);
    setBackground(this, Qt::black);

    using pictures::Step;
    const int size = SharedState::AnimFullSize;
    OpenRegImage = new TImage(QStringLiteral("OpenRegImage"), pictures::step(Step::OpenBook), this);
    OpenRegImage->setGeometry(24, 400, size, size);
    SortRegImage = new TImage(QStringLiteral("SortRegImage"), pictures::step(Step::Sort), this);
    SortRegImage->setGeometry(200, 400, size, size);
    SaveRegImage = new TImage(QStringLiteral("SaveRegImage"), pictures::step(Step::Save), this);
    SaveRegImage->setGeometry(376, 400, size, size);
    SaveRegImage->setEnabled(false);

    Button1 = new QPushButton(QStringLiteral("Open Registry"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(0, kClientHeight + 20, 80, 24);
}

void TRegistryForm::showWindow() {
    if (isHidden()) centreOver(this, &tool_.Replace());
    show();
    raise();
}

void TRegistryForm::resetStepImages() {
    for (TImage* i : {OpenRegImage, SortRegImage, SaveRegImage})
        i->resize(SharedState::AnimFullSize, SharedState::AnimFullSize);
}

}  // namespace plevo
